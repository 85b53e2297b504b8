#include "shell/clipboardguard.h"

#include "platform/richtextpane.h"
#include "platform/services.h"

namespace corvella {

ClipboardGuard::ClipboardGuard(Clipboard& clipboard, QObject* parent)
    : QObject(parent), m_clipboard(clipboard)
{}

void ClipboardGuard::watch(RichTextPane* pane)
{
    connect(pane, &RichTextPane::changed, this, &ClipboardGuard::guard);
    connect(pane, &RichTextPane::clicked, this, &ClipboardGuard::guard);
    connect(pane, &RichTextPane::mousePressed, this, &ClipboardGuard::guard);
    connect(pane, &RichTextPane::mouseMoved, this, &ClipboardGuard::guard);
    connect(pane, &RichTextPane::mouseReleased, this, &ClipboardGuard::guard);
}

void ClipboardGuard::guard()
{
    if (m_clipboard.ownsClipboard())
        m_clipboard.clearClipboard();
    if (m_clipboard.ownsSelection())
        m_clipboard.clearSelection();
}

} // namespace corvella
