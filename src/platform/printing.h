#pragma once

#include "platform/backgroundworker.h"
#include "platform/services.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace corvella {

// What printing asks of the print system. The calls made on the print thread may wait as long
// as the print server takes to answer: a server that accepts a connection and never replies
// holds each of them for a minute or more.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;
    // Print thread. The system's default printer, set up for a job, or null when the print
    // server names none or cannot be reached.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // Window thread. Shows the modal print dialog over the parent and returns the printer the
    // user chose, or null after Cancel.
    virtual std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) = 0;
    // Print thread. Prints the document on the printer as one job.
    virtual void print(QTextDocument& document, QPrinter& printer) = 0;
};

// The print system of Qt's print support: QPrinterInfo, QPrinter and QPrintDialog.
class QtPrintSystem : public PrintSystem
{
public:
    std::unique_ptr<QPrinter> defaultPrinter() override;
    std::unique_ptr<QPrinter> choosePrinter(QWidget* parent) override;
    void print(QTextDocument& document, QPrinter& printer) override;
};

// Prints without ever holding up the window. Each press takes a copy of the document at once;
// everything that may wait on the print server (finding the default printer, sending the job)
// runs on one print thread of its own (a BackgroundWorker), one request after another, so two
// presses give two identical jobs in order. Only the print dialog runs on the window thread, and
// only after the print server has answered quickly: a server that does not answer within
// AnswerBound gets no dialog, since the dialog would ask it again and hang the window. One dialog
// answers every press made before it opened: two quick presses never bring two dialogs, neither at
// once nor one after the other.
//
// Made and used on the window thread.
class BackgroundPrinter : public Printer
{
public:
    // How soon the print server must answer for the print dialog to be offered.
    static constexpr std::chrono::milliseconds AnswerBound{1000};
    // How long the end of the program waits for jobs under way before giving them up.
    static constexpr std::chrono::milliseconds ClosingGrace{3000};

    // abandon is called when jobs are still under way after ClosingGrace at destruction; by
    // default it ends the process at once (see endProcessNow).
    explicit BackgroundPrinter(std::unique_ptr<PrintSystem> system,
                               std::function<void()> abandon = endProcessNow);
    // Waits up to ClosingGrace for the jobs handed over so far, then calls abandon if some
    // are still under way.
    ~BackgroundPrinter() override;
    BackgroundPrinter(const BackgroundPrinter&) = delete;
    BackgroundPrinter& operator=(const BackgroundPrinter&) = delete;

    void print(const QTextDocument& document, QWidget* parent) override;
    void printWithDialog(const QTextDocument& document, QWidget* parent) override;

    // Waits until every request handed over so far has been carried out on the print thread.
    // True when that happened within the timeout. Answers on their way to the window (a
    // dialog to offer) are not waited for.
    bool waitForIdle(std::chrono::milliseconds timeout);

    // A job stuck in a print server that never answers would keep the process alive until the
    // server's client gives up, a minute or more after the window closed. This ends the
    // process at once instead, skipping what is left of its teardown: flushed standard output,
    // exit status 0. It runs after the window and the settings have been closed, since those
    // are made after the printer and so go before it.
    static void endProcessNow();

private:
    // Copies the document at once; on the print thread, prints it on the default printer when
    // asked to and there is one, else offers the dialog if the server answered in time.
    void queueJob(const QTextDocument& document, QWidget* parent, bool onDefaultPrinter);
    // Window thread: shows the dialog and hands the chosen printer to the print thread.
    void offerDialog(const std::shared_ptr<const QTextDocument>& copy,
                     std::chrono::steady_clock::time_point pressed, QWidget* parent,
                     bool hadParent);

    // Shared with the print thread, which may still be stuck in the print server after the
    // printer is gone.
    std::shared_ptr<PrintSystem> m_system;
    std::function<void()> m_abandon;
    BackgroundWorker m_worker{QStringLiteral("Printing")};
    bool m_dialogOpen = false;
    std::optional<std::chrono::steady_clock::time_point> m_lastDialogOpened;
};

} // namespace corvella
