#pragma once

#include <QLabel>

namespace corvella {

// A label that works as a link: it shows the pointing-hand pointer and reports a click when
// the left button is pressed and released on it. It has no other hover effect and takes no
// keyboard focus. Every click counts; two quick clicks are two clicks.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace corvella
