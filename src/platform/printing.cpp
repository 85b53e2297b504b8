#include "platform/printing.h"

#include <QObject>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QThread>
#include <QWidget>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace corvella {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A copy of the document taken on the window thread. It belongs to no thread, so that the
// print thread may read it (making a copy of its own there to lay out and print) and whichever
// thread lets go of it last may delete it.
std::shared_ptr<const QTextDocument> takeCopy(const QTextDocument& document)
{
    QTextDocument* copy = document.clone();
    copy->moveToThread(nullptr);
    return std::shared_ptr<const QTextDocument>(copy);
}

} // namespace

std::unique_ptr<QPrinter> QtPrintSystem::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> QtPrintSystem::choosePrinter(QWidget* parent)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Also names the file that printing to a file offers.
    printer->setDocName(applicationTitle());
    QPrintDialog dialog(printer.get(), parent && parent->isVisible() ? parent : nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

void QtPrintSystem::print(QTextDocument& document, QPrinter& printer)
{
    printer.setDocName(applicationTitle());
    document.print(&printer);
}

// What the window thread and the print thread share. It lives as long as either of them
// holds it, so a print thread still stuck in the print server after the printer is gone
// finds it intact.
struct BackgroundPrinter::Shared
{
    explicit Shared(std::unique_ptr<PrintSystem> s) : system(std::move(s)) {}

    // Hands fn to the window thread, unless the printer is gone.
    void postToWindow(std::function<void()> fn)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (context)
            QMetaObject::invokeMethod(context, std::move(fn), Qt::QueuedConnection);
    }

    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !requests.empty(); });
            if (stopping)
                return;
            Request request = std::move(requests.front());
            requests.pop_front();
            busy = true;
            lock.unlock();
            request(*system);
            // Whatever the request held (copies, printers) is released here, on this thread.
            request = nullptr;
            lock.lock();
            busy = false;
            changed.notify_all();
        }
    }

    std::unique_ptr<PrintSystem> system;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Request> requests;
    bool busy = false;
    bool stopping = false;
    // Receives the answers meant for the window thread; null once the printer is gone.
    QObject* context = nullptr;
};

BackgroundPrinter::BackgroundPrinter(std::unique_ptr<PrintSystem> system,
                                     std::function<void()> abandon)
    : m_shared(std::make_shared<Shared>(std::move(system))), m_context(std::make_unique<QObject>()),
      m_abandon(std::move(abandon))
{
    m_shared->context = m_context.get();
}

BackgroundPrinter::~BackgroundPrinter()
{
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->context = nullptr;
    }
    // Answers already posted to the window go with it.
    m_context.reset();
    const bool idle = waitForIdle(ClosingGrace);
    if (!idle && m_abandon)
        m_abandon();
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->stopping = true;
        m_shared->requests.clear();
    }
    m_shared->changed.notify_all();
    if (!m_thread)
        return;
    if (idle) {
        m_thread->wait();
        delete m_thread;
    } else {
        // Left to end when the print server lets go of it, should the process still run.
        QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    }
}

void BackgroundPrinter::endProcessNow()
{
    std::fflush(nullptr);
    std::quick_exit(EXIT_SUCCESS);
}

bool BackgroundPrinter::waitForIdle(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_shared->mutex);
    return m_shared->changed.wait_for(
        lock, timeout, [this] { return !m_shared->busy && m_shared->requests.empty(); });
}

void BackgroundPrinter::submit(Request request)
{
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->requests.push_back(std::move(request));
    }
    m_shared->changed.notify_all();
    if (!m_thread) {
        // A QThread rather than a bare thread: laying out a long document starts timers, which
        // need the event dispatcher that QThread gives its threads.
        m_thread = QThread::create([shared = m_shared] { shared->run(); });
        m_thread->setObjectName(QStringLiteral("Printing"));
        m_thread->start();
    }
}

void BackgroundPrinter::print(const QTextDocument& document, QWidget* parent)
{
    queueJob(document, parent, true);
}

void BackgroundPrinter::printWithDialog(const QTextDocument& document, QWidget* parent)
{
    // The dialog asks the print server for its printers on the window thread; the default
    // printer's lookup on the print thread tells first whether the server answers at all.
    queueJob(document, parent, false);
}

void BackgroundPrinter::queueJob(const QTextDocument& document, QWidget* parent,
                                 bool onDefaultPrinter)
{
    const std::shared_ptr<const QTextDocument> copy = takeCopy(document);
    const SteadyClock::time_point pressed = SteadyClock::now();
    const bool hadParent = parent != nullptr;
    QPointer<QWidget> guardedParent(parent);
    std::weak_ptr<Shared> weakShared = m_shared;
    submit([this, copy, pressed, hadParent, guardedParent, weakShared,
            onDefaultPrinter](PrintSystem& system) {
        std::shared_ptr<QPrinter> printer = system.defaultPrinter();
        if (printer && onDefaultPrinter) {
            std::unique_ptr<QTextDocument> own(copy->clone());
            system.print(*own, *printer);
            return;
        }
        // The learner may choose a printer, as long as the server answered quickly enough
        // that the dialog will not hang on it.
        if (SteadyClock::now() - pressed > AnswerBound)
            return;
        if (const auto shared = weakShared.lock()) {
            shared->postToWindow([this, copy, pressed, hadParent, guardedParent] {
                offerDialog(copy, pressed, guardedParent.data(), hadParent);
            });
        }
    });
}

void BackgroundPrinter::offerDialog(const std::shared_ptr<const QTextDocument>& copy,
                                    std::chrono::steady_clock::time_point pressed, QWidget* parent,
                                    bool hadParent)
{
    // The window the dialog belonged to has closed, or the learner is choosing already.
    if ((hadParent && !parent) || m_dialogOpen)
        return;
    // A press made before the last dialog opened (the second of two quick ones) was answered
    // by that dialog.
    if (m_lastDialogOpened && pressed < *m_lastDialogOpened)
        return;
    m_lastDialogOpened = SteadyClock::now();
    m_dialogOpen = true;
    std::shared_ptr<QPrinter> chosen = m_shared->system->choosePrinter(parent);
    m_dialogOpen = false;
    if (!chosen)
        return;
    submit([copy, chosen](PrintSystem& system) {
        std::unique_ptr<QTextDocument> own(copy->clone());
        system.print(*own, *chosen);
    });
}

} // namespace corvella
