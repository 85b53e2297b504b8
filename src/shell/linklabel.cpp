#include "shell/linklabel.h"

#include <QMouseEvent>

namespace corvella {

LinkLabel::LinkLabel(QWidget* parent) : LinkLabel(QString(), parent) {}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    // The second press of a double click arrives here too (QWidget forwards double clicks
    // to the press handler), so a quick second click is still a click.
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    // Letting go outside the label takes the click back.
    if (wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace corvella
