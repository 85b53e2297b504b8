// The printer that never holds up the window, over a scripted print system: where the default
// printer is looked up, when the print dialog is offered, and what closing does with a job
// that is still under way.
#include "platform/printing.h"

#include <QFile>
#include <QMutex>
#include <QPrinter>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <functional>
#include <utility>

using namespace corvella;
using namespace std::chrono_literals;

namespace {

// Answers the lookup of the default printer as scripted, optionally only after release(),
// and prints for real into PDF files named after the printer, so that the drawing happens
// on the print thread as it does with a real printer.
class ScriptedPrintSystem : public PrintSystem
{
public:
    struct Job
    {
        QString text;
        QString printer; // "default" or "chosen"
        bool onWindowThread = false;
    };

    explicit ScriptedPrintSystem(QString folder) : m_folder(std::move(folder)) {}

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        lookupsOnWindowThread += isWindowThread() ? 1 : 0;
        ++lookups;
        if (hang)
            m_release.acquire();
        return hasDefault ? makePrinter(QStringLiteral("default")) : nullptr;
    }

    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override
    {
        {
            QMutexLocker lock(&m_mutex);
            dialogParents.append(parent);
        }
        dialogsOnWindowThread += isWindowThread() ? 1 : 0;
        if (releaseWhenOpen)
            releaseOne();
        if (duringDialog)
            std::exchange(duringDialog, nullptr)();
        // A real dialog runs an event loop of its own while it is open, in which the window's
        // other events (a second press's answer, say) are handled.
        mostOpenAtOnce = std::max(mostOpenAtOnce.load(), ++openNow);
        if (dialogOpenFor > 0) {
            QEventLoop open;
            QTimer::singleShot(dialogOpenFor, &open, &QEventLoop::quit);
            open.exec();
        }
        --openNow;
        return cancel ? nullptr : makePrinter(QStringLiteral("chosen"));
    }

    void print(QTextDocument& document, QPrinter& printer) override
    {
        QtPrintSystem().print(document, printer);
        QMutexLocker lock(&m_mutex);
        m_jobs.append({document.toPlainText(), QFileInfo(printer.outputFileName()).baseName(),
                       isWindowThread()});
    }

    void release() { m_release.release(1000); }
    void releaseOne() { m_release.release(1); }

    QList<Job> jobs() const
    {
        QMutexLocker lock(&m_mutex);
        return m_jobs;
    }
    int dialogs() const
    {
        QMutexLocker lock(&m_mutex);
        return int(dialogParents.size());
    }

    std::atomic<bool> hasDefault{true};
    std::atomic<bool> hang{false};
    std::atomic<bool> cancel{false};
    std::atomic<int> lookups{0};
    std::atomic<int> lookupsOnWindowThread{0};
    std::atomic<int> dialogsOnWindowThread{0};
    std::atomic<int> openNow{0};
    std::atomic<int> mostOpenAtOnce{0};
    int dialogOpenFor = 0; // milliseconds
    bool releaseWhenOpen = false;
    std::function<void()> duringDialog; // called once, as the dialog opens
    QList<QWidget*> dialogParents;

private:
    static bool isWindowThread() { return QThread::currentThread() == qApp->thread(); }

    std::unique_ptr<QPrinter> makePrinter(const QString& name)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_folder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
        return printer;
    }

    QString m_folder;
    mutable QMutex m_mutex;
    QList<Job> m_jobs;
    QSemaphore m_release;
};

// Hands the printer a share of the scripted system, so that the test can still read it
// after the printer is gone, and a print thread left stuck finds it intact when let go.
class SharedPrintSystem : public PrintSystem
{
public:
    explicit SharedPrintSystem(std::shared_ptr<ScriptedPrintSystem> s) : m_system(std::move(s)) {}
    std::unique_ptr<QPrinter> defaultPrinter() override { return m_system->defaultPrinter(); }
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override
    {
        return m_system->choosePrinter(parent);
    }
    void print(QTextDocument& document, QPrinter& printer) override
    {
        m_system->print(document, printer);
    }

private:
    std::shared_ptr<ScriptedPrintSystem> m_system;
};

struct Fixture
{
    Fixture()
        : owned(std::make_shared<ScriptedPrintSystem>(folder.path())), system(owned.get()),
          printer(std::make_unique<BackgroundPrinter>(std::make_unique<SharedPrintSystem>(owned),
                                                      [this] { ++abandoned; }))
    {
        // As long as a real report: laying out a long document works in steps, with timers.
        QString text = QStringLiteral("Report Generated By someone\n\n");
        for (int question = 1; question <= 75; ++question)
            text += QStringLiteral("Question %1\nYour Choice:\nA choice that runs over most of a "
                                   "line, as the teaching texts do.\n\n")
                        .arg(question);
        document.setPlainText(text + QStringLiteral("Report Generated By someone"));
    }
    ~Fixture()
    {
        // A print thread left stuck by a test is let go; it ends on its own, printing nothing.
        system->hasDefault = false;
        system->release();
    }

    QTemporaryDir folder;
    std::shared_ptr<ScriptedPrintSystem> owned;
    ScriptedPrintSystem* system = nullptr;
    std::unique_ptr<BackgroundPrinter> printer;
    QTextDocument document;
    QWidget window;
    int abandoned = 0;
};

// Runs the window thread's events until the print thread has nothing left and every answer
// it posted to the window has been handled.
bool settle(BackgroundPrinter& printer)
{
    for (int round = 0; round < 3; ++round) {
        if (!printer.waitForIdle(5s))
            return false;
        QCoreApplication::processEvents();
    }
    return printer.waitForIdle(5s);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void aDefaultPrinterGetsOneJobPerPressWithoutADialog();
    void withoutADefaultPrinterTheDialogIsOffered_data();
    void withoutADefaultPrinterTheDialogIsOffered();
    void printWithDialogAlwaysOffersTheDialog();
    void twoQuickPressesOpenOneDialog_data();
    void twoQuickPressesOpenOneDialog();
    void aServerThatDoesNotAnswerGetsNoDialog_data();
    void aServerThatDoesNotAnswerGetsNoDialog();
    void theCopyIsTakenAtThePress();
    void closingWaitsForAJobThenGivesItUp_data();
    void closingWaitsForAJobThenGivesItUp();
};

void TestPrinting::initTestCase()
{
    // The scripted printers are made with QPrinter, which asks the CUPS client for the
    // default printer; a server address where nothing listens answers that at once.
    qputenv("CUPS_SERVER", "/nonexistent/corvella-no-print-server.sock");
}

void TestPrinting::init()
{
    // Nothing in printing may warn: drawing the document on the print thread must need
    // nothing of the window thread's (timers, children across threads, the screen).
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestPrinting::aDefaultPrinterGetsOneJobPerPressWithoutADialog()
{
    Fixture f;
    f.printer->print(f.document, &f.window);
    f.printer->print(f.document, &f.window);
    QVERIFY(settle(*f.printer));
    const QList<ScriptedPrintSystem::Job> jobs = f.system->jobs();
    QCOMPARE(jobs.size(), 2);
    for (const ScriptedPrintSystem::Job& job : jobs) {
        QCOMPARE(job.text, f.document.toPlainText());
        QCOMPARE(job.printer, QStringLiteral("default"));
        QVERIFY(!job.onWindowThread);
    }
    QCOMPARE(f.system->lookups.load(), 2);
    QCOMPARE(f.system->lookupsOnWindowThread.load(), 0);
    QCOMPARE(f.system->dialogs(), 0);
    QFile pdf(f.folder.filePath(QStringLiteral("default.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(f.abandoned, 0);
}

void TestPrinting::withoutADefaultPrinterTheDialogIsOffered_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("closeWindowFirst");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<int>("jobs");
    QTest::newRow("printer chosen") << false << false << 1 << 1;
    QTest::newRow("cancelled") << true << false << 1 << 0;
    QTest::newRow("window closed before the answer") << false << true << 0 << 0;
}

void TestPrinting::withoutADefaultPrinterTheDialogIsOffered()
{
    QFETCH(bool, cancel);
    QFETCH(bool, closeWindowFirst);
    QFETCH(int, dialogs);
    QFETCH(int, jobs);
    Fixture f;
    f.system->hasDefault = false;
    f.system->cancel = cancel;
    auto* window = new QWidget;
    f.printer->print(f.document, window);
    // The dialog comes only from the window's own event loop, never from within the press.
    QCOMPARE(f.system->dialogs(), 0);
    if (closeWindowFirst)
        delete window;
    QVERIFY(settle(*f.printer));
    QCOMPARE(f.system->dialogs(), dialogs);
    QCOMPARE(f.system->dialogsOnWindowThread.load(), dialogs);
    if (dialogs)
        QCOMPARE(f.system->dialogParents.first(), window);
    const QList<ScriptedPrintSystem::Job> printed = f.system->jobs();
    QCOMPARE(printed.size(), jobs);
    if (jobs) {
        QCOMPARE(printed.first().printer, QStringLiteral("chosen"));
        QCOMPARE(printed.first().text, f.document.toPlainText());
        QVERIFY(!printed.first().onWindowThread);
    }
    if (!closeWindowFirst)
        delete window;
}

void TestPrinting::printWithDialogAlwaysOffersTheDialog()
{
    Fixture f;
    f.printer->printWithDialog(f.document, &f.window);
    QVERIFY(settle(*f.printer));
    QCOMPARE(f.system->dialogs(), 1);
    QCOMPARE(f.system->dialogParents.first(), &f.window);
    const QList<ScriptedPrintSystem::Job> printed = f.system->jobs();
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().printer, QStringLiteral("chosen"));
    QCOMPARE(f.system->lookupsOnWindowThread.load(), 0);
}

void TestPrinting::twoQuickPressesOpenOneDialog_data()
{
    QTest::addColumn<QString>("second");
    QTest::newRow("both answers before the dialog opens") << QStringLiteral("before");
    QTest::newRow("the second answer while the dialog is open") << QStringLiteral("answer");
    QTest::newRow("the second press while the dialog is open") << QStringLiteral("press");
}

void TestPrinting::twoQuickPressesOpenOneDialog()
{
    QFETCH(QString, second);
    Fixture f;
    f.system->dialogOpenFor = 300;
    f.printer->printWithDialog(f.document, &f.window);
    if (second == QLatin1String("press")) {
        f.system->duringDialog = [&f] { f.printer->printWithDialog(f.document, &f.window); };
    } else {
        f.system->hang = second == QLatin1String("answer");
        f.system->releaseWhenOpen = f.system->hang.load();
        f.printer->printWithDialog(f.document, &f.window);
        if (f.system->hang)
            f.system->releaseOne();
    }
    for (int round = 0; round < 3; ++round) {
        QTest::qWait(200);
        QVERIFY(settle(*f.printer));
    }
    QCOMPARE(f.system->openNow.load(), 0);
    QCOMPARE(f.system->mostOpenAtOnce.load(), 1);
    QCOMPARE(f.system->dialogs(), 1);
    QCOMPARE(f.system->jobs().size(), 1);
    // Once it is closed, the next press offers it again.
    f.system->hang = false;
    f.printer->printWithDialog(f.document, &f.window);
    QVERIFY(settle(*f.printer));
    QCOMPARE(f.system->dialogs(), 2);
}

void TestPrinting::aServerThatDoesNotAnswerGetsNoDialog_data()
{
    QTest::addColumn<bool>("withDialog");
    QTest::newRow("print") << false;
    QTest::newRow("printWithDialog") << true;
}

void TestPrinting::aServerThatDoesNotAnswerGetsNoDialog()
{
    QFETCH(bool, withDialog);
    Fixture f;
    f.system->hasDefault = false;
    f.system->hang = true;
    QElapsedTimer clock;
    clock.start();
    if (withDialog)
        f.printer->printWithDialog(f.document, &f.window);
    else
        f.printer->print(f.document, &f.window);
    QVERIFY(clock.elapsed() < 500);
    QTRY_COMPARE(f.system->lookups.load(), 1);
    // The window's events keep flowing while the lookup waits.
    QTest::qWait(int(BackgroundPrinter::AnswerBound.count()) + 200);
    QVERIFY(clock.elapsed() < BackgroundPrinter::AnswerBound.count() + 1000);
    // The server answers at last, too late: "no default printer" then brings no dialog.
    f.system->release();
    QVERIFY(settle(*f.printer));
    QCOMPARE(f.system->dialogs(), 0);
    QVERIFY(f.system->jobs().isEmpty());
}

void TestPrinting::theCopyIsTakenAtThePress()
{
    Fixture f;
    f.system->hang = true;
    const QString pressed = f.document.toPlainText();
    f.printer->print(f.document, &f.window);
    f.document.setPlainText(QStringLiteral("The next report."));
    f.system->release();
    QVERIFY(settle(*f.printer));
    const QList<ScriptedPrintSystem::Job> printed = f.system->jobs();
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().text, pressed);
}

void TestPrinting::closingWaitsForAJobThenGivesItUp_data()
{
    QTest::addColumn<bool>("serverAnswers");
    QTest::addColumn<bool>("hasDefault");
    QTest::newRow("the server answers within the grace") << true << true;
    // The answer would offer the dialog, but the window it was for has gone.
    QTest::newRow("the server answers within the grace, naming no printer") << true << false;
    QTest::newRow("the server never answers") << false << true;
}

void TestPrinting::closingWaitsForAJobThenGivesItUp()
{
    QFETCH(bool, serverAnswers);
    QFETCH(bool, hasDefault);
    Fixture f;
    f.system->hang = true;
    f.system->hasDefault = hasDefault;
    f.printer->print(f.document, &f.window);
    QTRY_COMPARE(f.system->lookups.load(), 1);
    // Closing blocks this thread, so the server's answer is let out by another.
    std::unique_ptr<QThread> answering;
    if (serverAnswers) {
        answering.reset(QThread::create([system = f.system] {
            QThread::msleep(300);
            system->release();
        }));
        answering->start();
    }
    QElapsedTimer clock;
    clock.start();
    f.printer.reset();
    const qint64 closing = clock.elapsed();
    if (serverAnswers) {
        answering->wait();
        QCoreApplication::processEvents();
        QCOMPARE(f.abandoned, 0);
        QCOMPARE(f.system->jobs().size(), hasDefault ? 1 : 0);
        QCOMPARE(f.system->dialogs(), 0);
        QVERIFY(closing < BackgroundPrinter::ClosingGrace.count());
    } else {
        QCOMPARE(f.abandoned, 1);
        QVERIFY(closing >= BackgroundPrinter::ClosingGrace.count() - 50);
        QVERIFY(closing < BackgroundPrinter::ClosingGrace.count() + 1000);
        // Once the server lets go, the given-up print thread ends and everything it held goes.
        f.system->hasDefault = false;
        f.system->release();
        QTRY_COMPARE(f.owned.use_count(), 1L);
    }
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
