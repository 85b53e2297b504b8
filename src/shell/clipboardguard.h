#pragma once

#include <QObject>

namespace corvella {

class Clipboard;
class RichTextPane;

// Keeps the teaching texts from leaving through the clipboard: every change, click and mouse
// event of a watched pane empties the clipboard (and, on X11, the mouse selection) - but only
// when this program put the content there. What the user copied in another program is left
// alone.
class ClipboardGuard : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardGuard(Clipboard& clipboard, QObject* parent = nullptr);

    void watch(RichTextPane* pane);
    // Empties what this program owns of the clipboard and the selection.
    void guard();

private:
    Clipboard& m_clipboard;
};

} // namespace corvella
