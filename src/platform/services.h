#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QUrl>

class QTextDocument;
class QWidget;

namespace corvella {

// Everything the program asks of the world outside its window goes through these small
// interfaces, so that tests can see what was asked and answer it. The program's own
// implementations live in qtservices.cpp.

// Modal message boxes. All carry the application title as caption.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Stop icon, one OK button: the user did something the screen cannot accept.
    virtual void error(const QString& text) = 0;
    // Information icon, one OK button.
    virtual void information(const QString& text) = 0;
    // Information icon, Yes and No with Yes as default. Returns true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // Milliseconds since midnight; what the random generator is re-seeded from.
    virtual qint64 timeOfDayMs() const = 0;
};

// A re-seedable uniform generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Folds a seed value into the running state; the sequence does not restart.
    virtual void reseed(quint64 value) = 0;
    // Next value, uniform in [0, 1).
    virtual double next() = 0;
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual bool ownsClipboard() const = 0;
    virtual bool ownsSelection() const = 0;
    virtual void clearClipboard() = 0;
    virtual void clearSelection() = 0;
};

class WebLauncher
{
public:
    virtual ~WebLauncher() = default;
    // Hands the address to the desktop and returns at once; failures are not reported.
    virtual void open(const QUrl& url) = 0;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // Prints the document on the default printer as one job. When the system has no default
    // printer, offers the platform's print dialog over the parent instead. Returns at once: the
    // job never holds up the window, and failures are not reported.
    virtual void print(const QTextDocument& document, QWidget* parent) = 0;
    // Offers the platform's print dialog for the document and prints it on the printer the
    // user chooses. The job itself never holds up the window; failures are not reported.
    virtual void printWithDialog(const QTextDocument& document, QWidget* parent) = 0;
};

struct Services
{
    MessageBoxes* messages = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    Clipboard* clipboard = nullptr;
    WebLauncher* web = nullptr;
    Printer* printer = nullptr;
};

// The caption of every message box that names none of its own.
inline QString applicationTitle()
{
    return QCoreApplication::translate("Corvella", "Corvella Learn Numerology");
}

} // namespace corvella
