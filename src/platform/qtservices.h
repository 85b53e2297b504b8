#pragma once

#include "platform/printing.h"
#include "platform/randomdraw.h"
#include "platform/services.h"

class QWidget;

namespace corvella {

// The program's own implementations of the seams, over Qt.

class QtMessageBoxes : public MessageBoxes
{
public:
    void error(const QString& text) override;
    void information(const QString& text) override;
    bool askYesNo(const QString& text) override;

    // Message boxes are shown over this window when it is set and visible.
    void setParentWindow(QWidget* window) { m_parent = window; }

private:
    QWidget* m_parent = nullptr;
};

class SystemClock : public Clock
{
public:
    QDate today() const override;
    qint64 timeOfDayMs() const override;
};

class QtClipboard : public Clipboard
{
public:
    bool ownsClipboard() const override;
    bool ownsSelection() const override;
    void clearClipboard() override;
    void clearSelection() override;
};

class DesktopWebLauncher : public WebLauncher
{
public:
    void open(const QUrl& url) override;
};

// Prints through Qt's print support, off the window thread.
class DefaultPrinter : public BackgroundPrinter
{
public:
    DefaultPrinter() : BackgroundPrinter(std::make_unique<QtPrintSystem>()) {}
};

// One of each, as the program uses them.
struct QtServices
{
    QtMessageBoxes messages;
    SystemClock clock;
    SplitMixRandom random;
    QtClipboard clipboard;
    DesktopWebLauncher web;
    DefaultPrinter printer;

    Services services()
    {
        Services s;
        s.messages = &messages;
        s.clock = &clock;
        s.random = &random;
        s.clipboard = &clipboard;
        s.web = &web;
        s.printer = &printer;
        return s;
    }
};

// A message box's text as it should be shown: a lone carriage return between two sentences
// is a line break.
QString messageText(QString text);

} // namespace corvella
