#pragma once

#include <QTextCharFormat>
#include <QTextEdit>

class QPagedPaintDevice;

namespace corvella {

// The rich text pane of the learn and result screens, and the hidden print buffer: a small
// adapter over QTextEdit that speaks in the terms the views use. Text goes in and comes out
// with CR LF line breaks; inside, the document keeps ordinary paragraphs.
//
// The user may select text but not type. Text cannot be dragged out of the pane.
class RichTextPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextPane(QWidget* parent = nullptr);

    // Replaces the whole content. The empty text clears the pane and puts the caret at the
    // start; the emphasis is switched off.
    void setWholeText(const QString& text);
    // The characters of the content without formatting, line breaks as CR LF.
    QString wholeText() const;
    // Inserts at the caret, replacing the selection, and leaves the caret after the text.
    void insertAtCaret(const QString& text);
    // Switches the heading emphasis (bold) on or off for text inserted from now on.
    void setEmphasis(bool on);
    bool emphasis() const { return m_emphasis; }
    void clearSelection();
    // Groups the edits between the two calls: the document lays itself out and reports its
    // change once, at the end, instead of after every insert.
    void beginEditBlock();
    void endEditBlock();
    // Shows the top of the content and puts the caret at its start, so that the arrow and page
    // keys go on from the top rather than from wherever the last insert left the caret.
    void scrollToTop();

    // Plain text (CR LF line breaks) as a tooltip whose lines wrap at the given width in pixels:
    // rich text, with the text's own markup characters escaped.
    static QString wrappingToolTip(const QString& text, int width);

    static QString toCrLf(QString text);
    static QString fromCrLf(QString text);

Q_SIGNALS:
    void changed();
    void clicked();
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTextCharFormat insertFormat() const;

    bool m_emphasis = false;
    bool m_pressedInside = false;
    // QTextEdit scrolls to the caret the first time it is shown; a pane filled while hidden
    // and asked to show its top keeps showing its top.
    bool m_topWhenShown = false;
};

} // namespace corvella
