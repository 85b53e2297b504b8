#include "shell/fittext.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <cmath>

namespace corvella {

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.5;

QString shownText(const QString& text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Measured in fractions of a pixel, as the text is drawn: whole-pixel metrics can leave a word
// on a line that drawing then breaks onto one more.
bool labelFits(const QLabel* label)
{
    const QString text = shownText(label->text());
    const QFontMetricsF metrics(label->font());
    const qreal margin = 2 * label->margin();
    const QRect room = label->contentsRect();
    // A label with a buddy draws its "&" as the underline of the access key, taking no room.
    const int mnemonic = label->buddy() ? Qt::TextShowMnemonic : 0;
    if (label->wordWrap()) {
        const QRectF drawn = metrics.boundingRect(QRectF(0, 0, room.width() - margin, 1e6),
                                                  Qt::TextWordWrap | mnemonic, text);
        return std::ceil(drawn.height()) <= room.height() - margin;
    }
    return std::ceil(metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), mnemonic, text).width()) <=
           room.width() - margin;
}

bool buttonFits(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const qreal needed =
        QFontMetricsF(button->font())
            .boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextShowMnemonic, button->text())
            .width();
    return std::ceil(needed) <= room.width();
}

} // namespace

bool textFits(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().isEmpty() || labelFits(label);
    // A tool button that shows its icon alone (the calendar in a date field) draws no text.
    if (const auto* tool = qobject_cast<const QToolButton*>(control);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return true;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().isEmpty() || buttonFits(button);
    return true;
}

void fitTextsToControls(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (textFits(control))
            continue;
        QFont font = control->font();
        while (!textFits(control) && font.pointSizeF() - kStep >= kSmallestPointSize) {
            font.setPointSizeF(font.pointSizeF() - kStep);
            control->setFont(font);
        }
    }
}

} // namespace corvella
