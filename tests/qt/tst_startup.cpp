#include <QProcess>
#include <QTest>

// Starts the built program as a user would, without a display.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void withoutDisplay_data();
    void withoutDisplay();
};

void TestStartup::withoutDisplay_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");

    QTest::newRow("DISPLAY and WAYLAND_DISPLAY unset")
        << QString() << QStringList{} << "no display: DISPLAY and WAYLAND_DISPLAY are unset";
    QTest::newRow("a display nobody serves")
        << ":59999" << QStringList{} << "cannot open the display ':59999'";
    // Were Qt given the command line, this would start on its headless platform.
    QTest::newRow("Qt's own options on the command line")
        << QString() << QStringList{"-platform", "offscreen", "-qwindowtitle", "HELLO"}
        << "no display: DISPLAY and WAYLAND_DISPLAY are unset";
}

void TestStartup::withoutDisplay()
{
    QFETCH(QString, display);
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);

    QProcess program;
    program.setProcessEnvironment(environment);
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
