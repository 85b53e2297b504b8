#include "platform/richtextpane.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace corvella {

RichTextPane::RichTextPane(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab moves on to the next control; the pane takes no typing anyway.
    setTabChangesFocus(true);
    // Movement over the pane counts, not only drags.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    connect(this, &QTextEdit::textChanged, this, &RichTextPane::changed);
}

QString RichTextPane::toCrLf(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString RichTextPane::fromCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString RichTextPane::wrappingToolTip(const QString& text, int width)
{
    QString html = fromCrLf(text).toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    // Left to itself a tooltip chooses a narrow, tall shape for a long text; a table of fixed
    // width sets the measure.
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>").arg(width).arg(html);
}

void RichTextPane::setWholeText(const QString& text)
{
    m_emphasis = false;
    setPlainText(fromCrLf(text));
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

QString RichTextPane::wholeText() const
{
    return toCrLf(toPlainText());
}

QTextCharFormat RichTextPane::insertFormat() const
{
    QTextCharFormat format;
    format.setFontWeight(m_emphasis ? QFont::Bold : QFont::Normal);
    return format;
}

void RichTextPane::insertAtCaret(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(fromCrLf(text), insertFormat());
    setTextCursor(cursor);
}

void RichTextPane::setEmphasis(bool on)
{
    m_emphasis = on;
}

void RichTextPane::clearSelection()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

void RichTextPane::beginEditBlock()
{
    textCursor().beginEditBlock();
}

void RichTextPane::endEditBlock()
{
    textCursor().endEditBlock();
}

void RichTextPane::scrollToTop()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    m_topWhenShown = !isVisible();
}

void RichTextPane::showEvent(QShowEvent* event)
{
    QTextEdit::showEvent(event);
    if (m_topWhenShown) {
        m_topWhenShown = false;
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    }
}

void RichTextPane::mousePressEvent(QMouseEvent* event)
{
    m_pressedInside = true;
    Q_EMIT mousePressed(event->buttons(), event->modifiers(), event->position().toPoint());
    // A press on selected text would start a drag that carries the text out of the pane.
    // Dropping the selection first turns the press into the start of a new selection.
    const QTextCursor current = textCursor();
    if (current.hasSelection()) {
        const int at = cursorForPosition(event->position().toPoint()).position();
        if (at >= current.selectionStart() && at <= current.selectionEnd())
            clearSelection();
    }
    QTextEdit::mousePressEvent(event);
}

void RichTextPane::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
    QTextEdit::mouseMoveEvent(event);
}

void RichTextPane::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
    QTextEdit::mouseReleaseEvent(event);
    if (m_pressedInside && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    m_pressedInside = false;
}

} // namespace corvella
