// Printing through the real CUPS client against a print server that accepts connections and
// never answers: a listening Unix socket that nobody reads. The window must keep answering,
// and closing must not wait for the server. (That the program then ends its process is checked
// end to end, in e2e/print_hung_server.sh.)
#include "platform/printing.h"
#include "shell/frmMain.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

using namespace corvella;
using corvella::testing::FakeServices;

class TestPrintServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void theWindowAnswersWhilePrintWaitsOnTheServer();

private:
    QTemporaryDir m_dir;
    int m_listener = -1;
};

void TestPrintServer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("hung.sock")));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(path.size() < static_cast<int>(sizeof(address.sun_path)));
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    m_listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(m_listener >= 0);
    QCOMPARE(::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    // Connections are queued by the kernel and then left alone: nothing is ever read or sent.
    QCOMPARE(::listen(m_listener, 64), 0);
    // Before anything in this process asks the CUPS client for its server. The socket stays
    // open until the process ends, so that a client still waiting on it never wakes up while
    // the process is being torn down.
    qputenv("CUPS_SERVER", path);
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

void TestPrintServer::theWindowAnswersWhilePrintWaitsOnTheServer()
{
    FakeServices fakes;
    std::atomic<bool> abandoned{false};
    auto* printer = new BackgroundPrinter(std::make_unique<QtPrintSystem>(),
                                          [&abandoned] { abandoned = true; });
    Services services = fakes.services();
    services.printer = printer;
    {
        frmMain window(services);
        window.show();
        window.showScreen(frmMain::ResultScreen);
        auto* print = window.findChild<QPushButton*>(QStringLiteral("cmdPrint"));
        auto* mainScreen = window.findChild<QPushButton*>(QStringLiteral("cmdGoToMain"));
        QVERIFY(print && mainScreen);

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(print, Qt::LeftButton);
        const qint64 printReturned = clock.elapsed();
        // A click on another button right after Print is handled at once.
        QTest::mouseClick(mainScreen, Qt::LeftButton);
        const qint64 mainScreenHandled = clock.elapsed();
        QCOMPARE(window.currentScreen(), (frmMain::StartScreen));
        // Timers and posted events keep running while the print thread waits on the server.
        bool timerFired = false;
        QTimer::singleShot(50, &window, [&timerFired] { timerFired = true; });
        QTRY_VERIFY_WITH_TIMEOUT(timerFired, 1000);
        const qint64 timerHandled = clock.elapsed();
        qInfo("Print returned after %lld ms, Main Screen handled after %lld ms, a 50 ms timer "
              "after %lld ms",
              printReturned, mainScreenHandled, timerHandled);
        QVERIFY2(mainScreenHandled < 1000, "the window did not answer within a second of Print");
        QVERIFY(timerHandled < 1000);

        // The server never answers, so no dialog may come up to ask it again: after the bound
        // has passed the window is still the only one.
        QTest::qWait(int(BackgroundPrinter::AnswerBound.count()) + 500);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!printer->waitForIdle(std::chrono::milliseconds(0)));
        QVERIFY(fakes.messages.shown.isEmpty());
    }
    // Destroying the printer with the job stuck gives it up after the grace period.
    QElapsedTimer closing;
    closing.start();
    delete printer;
    const qint64 closed = closing.elapsed();
    qInfo("the printer was given up %lld ms after closing began", closed);
    QVERIFY(abandoned);
    QVERIFY(closed < BackgroundPrinter::ClosingGrace.count() + 1000);
}

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
