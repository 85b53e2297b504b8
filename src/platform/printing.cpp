#include "platform/printing.h"

#include <QObject>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

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

BackgroundPrinter::BackgroundPrinter(std::unique_ptr<PrintSystem> system,
                                     std::function<void()> abandon)
    : m_system(std::move(system)), m_abandon(std::move(abandon))
{}

BackgroundPrinter::~BackgroundPrinter()
{
    const bool idle = waitForIdle(ClosingGrace);
    if (!idle && m_abandon)
        m_abandon();
    // Requests not yet started are dropped; answers on their way to the window go with the
    // worker. A print thread still stuck in the print server is left to end on its own.
    m_worker.stop(idle ? std::chrono::milliseconds::max() : std::chrono::milliseconds(0));
}

void BackgroundPrinter::endProcessNow()
{
    std::fflush(nullptr);
    std::quick_exit(EXIT_SUCCESS);
}

bool BackgroundPrinter::waitForIdle(std::chrono::milliseconds timeout)
{
    return m_worker.waitForIdle(timeout);
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
    m_worker.post(
        // On the print thread: true when the dialog is to be offered.
        [system = m_system, copy, pressed, onDefaultPrinter] {
            std::shared_ptr<QPrinter> printer = system->defaultPrinter();
            if (printer && onDefaultPrinter) {
                std::unique_ptr<QTextDocument> own(copy->clone());
                system->print(*own, *printer);
                return false;
            }
            // The learner may choose a printer, as long as the server answered quickly enough
            // that the dialog will not hang on it.
            return SteadyClock::now() - pressed <= AnswerBound;
        },
        [this, copy, pressed, hadParent, guardedParent](bool offer) {
            if (offer)
                offerDialog(copy, pressed, guardedParent.data(), hadParent);
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
    std::shared_ptr<QPrinter> chosen = m_system->choosePrinter(parent);
    m_dialogOpen = false;
    if (!chosen)
        return;
    m_worker.post([system = m_system, copy, chosen] {
        std::unique_ptr<QTextDocument> own(copy->clone());
        system->print(*own, *chosen);
    });
}

} // namespace corvella
