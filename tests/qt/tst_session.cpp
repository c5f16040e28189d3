#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdlib>
#include <memory>
#include <vector>

// Runs the built program on a private X server under a small session manager
// of the test's own (XSMP, through libSM), and checks what checkpoints, a
// logout and the end of the session do to it.

namespace {

// What the session manager has heard from its one client.
struct Client {
    SmsConn connection = nullptr;
    bool registered = false;
    bool saveDone = false;
    int interactRequests = 0;
};
Client client;

// A client that goes away is noted by its connection's notifier; libICE's own
// handler would end the test.
void ignoreIoError(IceConn) {}

Bool acceptAnyHost(char*)
{
    return True;
}

Status registerClient(SmsConn connection, SmPointer, char* previousId)
{
    std::free(previousId);
    char* id = SmsGenerateClientID(connection);
    const Status replied = SmsRegisterClientReply(connection, id);
    std::free(id);
    client.registered = true;
    return replied;
}

void interactRequest(SmsConn connection, SmPointer, int)
{
    // As a session manager does with one client: leave to interact at once.
    ++client.interactRequests;
    SmsInteract(connection);
}

void interactDone(SmsConn, SmPointer, Bool) {}

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void saveYourselfPhase2Request(SmsConn connection, SmPointer)
{
    SmsSaveYourselfPhase2(connection);
}

void saveYourselfDone(SmsConn, SmPointer, Bool)
{
    client.saveDone = true;
}

void closeConnection(SmsConn connection, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(connection);
    client.connection = nullptr;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn connection, SmPointer)
{
    SmsReturnProperties(connection, 0, nullptr);
}

Status newClient(SmsConn connection, SmPointer, unsigned long* mask, SmsCallbacks* callbacks,
                 char**)
{
    client.connection = connection;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = saveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    return 1;
}

const QString windowName = QStringLiteral("^Zorvan Calculator 0\\.1a by Kalmerid$");
const QString farewellName = QStringLiteral("^Zorvan Calculator v0\\.1a$");

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void session_data();
    void session();

private:
    void acceptConnection(IceListenObj listener);
    // The X window of that name shown on the private server, or an empty text.
    QString shownWindow(const QString& name);
    // Waits, handling the session's messages, until done() holds or the time is out.
    template <typename Done> bool waitFor(Done done, int milliseconds = 15000);

    QByteArray sessionManager;
    IceListenObj* listeners = nullptr;
    int listenerCount = 0;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers;
    QTemporaryDir home;
    QProcess program;
};

void TestSession::initTestCase()
{
    QVERIFY(home.isValid());
    // The program's windows go to a private X server, never to a desktop.
    const QByteArray display = qgetenv("DISPLAY");
    QVERIFY2(!display.isEmpty() && qgetenv("ZORVAN_XSERVER") == display,
             "not on a private X server: run it as scripts/xserver tst_session");

    char error[256] = "";
    IceSetIOErrorHandler(ignoreIoError);
    QVERIFY2(
        SmsInitialize("zorvan-test", "1", newClient, nullptr, acceptAnyHost, sizeof error, error),
        error);
    QVERIFY2(IceListenForConnections(&listenerCount, &listeners, sizeof error, error), error);
    for (int i = 0; i < listenerCount; ++i) {
        IceListenObj listener = listeners[i];
        IceSetHostBasedAuthProc(listener, acceptAnyHost);
        auto& notifier = notifiers.emplace_back(std::make_unique<QSocketNotifier>(
            IceGetListenConnectionNumber(listener), QSocketNotifier::Read));
        connect(notifier.get(), &QSocketNotifier::activated, this,
                [this, listener] { acceptConnection(listener); });
    }
    char* ids = IceComposeNetworkIdList(listenerCount, listeners);
    sessionManager = ids;
    std::free(ids);
}

void TestSession::cleanupTestCase()
{
    notifiers.clear();
    if (listeners)
        IceFreeListenObjs(listenerCount, listeners);
}

void TestSession::cleanup()
{
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
    }
    waitFor([] { return !client.connection; }, 2000);
    client = {};
}

void TestSession::acceptConnection(IceListenObj listener)
{
    IceAcceptStatus status;
    IceConn connection = IceAcceptConnection(listener, &status);
    if (!connection)
        return;
    auto* notifier =
        new QSocketNotifier(IceConnectionNumber(connection), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [notifier, connection] {
        if (IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError) {
            notifier->setEnabled(false);
            notifier->deleteLater();
            if (client.connection && SmsGetIceConnection(client.connection) == connection) {
                SmsCleanUp(client.connection);
                client.connection = nullptr;
            }
            IceSetShutdownNegotiation(connection, False);
            IceCloseConnection(connection);
        }
    });
}

QString TestSession::shownWindow(const QString& name)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", name});
    search.waitForFinished();
    return QString::fromLatin1(search.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
}

template <typename Done> bool TestSession::waitFor(Done done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QTest::qSleep(20);
    }
    return true;
}

void TestSession::session_data()
{
    // Steps, in turn: "checkpoint" or "logout" (a save with interaction Any),
    // "quiet logout" (a save with interaction None), "cancel" (the logout is
    // cancelled), "die" (the session ends).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("ends"); // the program says goodbye and ends

    QTest::newRow("checkpoint") << QStringList{"checkpoint"} << false;
    QTest::newRow("two checkpoints, then the session ends")
        << QStringList{"checkpoint", "checkpoint", "logout", "die"} << true;
    QTest::newRow("logout cancelled") << QStringList{"logout", "cancel"} << false;
    QTest::newRow("logout without leave to interact") << QStringList{"quiet logout", "die"} << true;
}

void TestSession::session()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, ends);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("SESSION_MANAGER"), QString::fromLatin1(sessionManager));
    environment.insert(QStringLiteral("ICEAUTHORITY"), home.filePath(QStringLiteral("iceauth")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(ZORVAN_PROGRAM));
    QVERIFY2(waitFor([] { return client.registered; }), "the program joined no session");
    QVERIFY2(waitFor([this] { return !shownWindow(windowName).isEmpty(); }),
             "the window did not appear");

    for (const QString& step : std::as_const(steps)) {
        if (step == QLatin1String("die")) {
            SmsDie(client.connection);
            continue;
        }
        if (step == QLatin1String("cancel")) {
            SmsShutdownCancelled(client.connection);
        } else {
            const bool shutdown = step != QLatin1String("checkpoint");
            const int interact =
                step == QLatin1String("quiet logout") ? SmInteractStyleNone : SmInteractStyleAny;
            client.saveDone = false;
            SmsSaveYourself(client.connection, SmSaveBoth, shutdown, interact, False);
            QString farewell;
            QVERIFY2(waitFor([&] {
                         farewell = shownWindow(farewellName);
                         return client.saveDone || !farewell.isEmpty();
                     }),
                     qPrintable(step + QStringLiteral(": the program did not finish saving")));
            QVERIFY2(farewell.isEmpty(),
                     qPrintable(step + QStringLiteral(": the farewell came before the session "
                                                      "ended")));
            if (!shutdown)
                SmsSaveComplete(client.connection);
        }
        // The program goes on as it was.
        QTest::qWait(300);
        QVERIFY2(program.state() == QProcess::Running, qPrintable(step));
        QVERIFY2(!shownWindow(windowName).isEmpty(), qPrintable(step));
        QVERIFY2(shownWindow(farewellName).isEmpty(), qPrintable(step));
    }
    if (!ends)
        return;

    QString farewell;
    QVERIFY2(waitFor([&] { return !(farewell = shownWindow(farewellName)).isEmpty(); }),
             "the end of the session showed no farewell");
    QProcess dismiss;
    dismiss.start(QStringLiteral("xdotool"), {"windowfocus", "--sync", farewell, "key", "Return"});
    QVERIFY(dismiss.waitForFinished());
    QVERIFY2(waitFor([this] { return program.state() == QProcess::NotRunning; }),
             "the program did not end after the farewell");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
