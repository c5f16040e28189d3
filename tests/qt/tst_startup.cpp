#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the built program as a user would, where it cannot reach a display.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void withoutDisplay_data();
    void withoutDisplay();
};

void TestStartup::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("environment"); // NAME=value, %runtime for a private directory
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");

    QTest::newRow("DISPLAY and WAYLAND_DISPLAY unset")
        << QStringList{} << QStringList{} << "no display: DISPLAY and WAYLAND_DISPLAY are unset";
    QTest::newRow("a display nobody serves")
        << QStringList{"DISPLAY=:59999"} << QStringList{} << "cannot open the X display ':59999'";
    // Were Qt given the command line, this would start on its headless platform.
    QTest::newRow("Qt's own options on the command line")
        << QStringList{} << QStringList{"-platform", "offscreen", "-qwindowtitle", "HELLO"}
        << "no display: DISPLAY and WAYLAND_DISPLAY are unset";
    // The X display is not the one that failed: Wayland was asked for.
    QTest::newRow("Wayland without a compositor")
        << QStringList{"DISPLAY=:59999", "QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=%runtime"}
        << QStringList{} << "cannot connect to the Wayland display '%runtime/wayland-0'";
    QTest::newRow("Wayland, then X11")
        << QStringList{"DISPLAY=:59999", "QT_QPA_PLATFORM=wayland;xcb", "WAYLAND_DISPLAY=wayland-7",
                       "XDG_RUNTIME_DIR=%runtime"}
        << QStringList{}
        << "cannot connect to the Wayland display '%runtime/wayland-7'; "
           "cannot open the X display ':59999'";
    // No display was tried at all: Qt's own reason is passed on.
    QTest::newRow("a platform Qt does not have")
        << QStringList{"DISPLAY=:59999", "QT_QPA_PLATFORM=nowhere"} << QStringList{}
        << "cannot start on the platform 'nowhere': "
           "Could not find the Qt platform plugin \"nowhere\" in \"\"";
}

void TestStartup::withoutDisplay()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);

    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "QT_QPA_PLATFORM_PLUGIN_PATH"})
        settings.remove(QString::fromLatin1(name));
    for (QString setting : environment) {
        setting.replace(QLatin1String("%runtime"), runtime.path());
        settings.insert(setting.section(QLatin1Char('='), 0, 0),
                        setting.section(QLatin1Char('='), 1));
    }
    said.replace(QLatin1String("%runtime"), runtime.path());

    QProcess program;
    program.setProcessEnvironment(settings);
    program.start(QStringLiteral(ZORVAN_PROGRAM), arguments);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program started a window");
    }
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
             QStringLiteral("zorvan-calculator: %1\n").arg(said));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
