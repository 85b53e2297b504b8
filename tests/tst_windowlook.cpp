#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "shell/practicewindow.h"
#include "shell/progresschart.h"
#include "shell/windowlook.h"
#include "shell/yournumbers.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace corvella;
using namespace corvella::testing;

namespace {

// The relative luminance of a colour and the contrast ratio of two, by the formulas of the Web
// Content Accessibility Guidelines.
double relativeLuminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A palette from its window, base, text and button colours, the rest worked out as Qt does.
QPalette paletteOf(QRgb window, QRgb base, QRgb text, QRgb button)
{
    const QColor buttonColour(button);
    QPalette palette(QColor(text), buttonColour, buttonColour.lighter(150),
                     buttonColour.darker(200), buttonColour.darker(150), QColor(text), QColor(text),
                     QColor(base), QColor(window));
    palette.setColor(QPalette::ButtonText, QColor(text));
    return palette;
}

// Where the style draws the control's indicator, in the control's coordinates.
QRect indicatorRect(const QAbstractButton* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    option.text = control->text();
    option.iconSize = control->iconSize();
    const bool radio = qobject_cast<const QRadioButton*>(control);
    return control->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, control);
}

struct IndicatorContrast
{
    double fill;
    double outline;
};

// The contrast with the background of an empty indicator's inside (its middle pixel) and of its
// outline: on the middle row, the first pixel from either edge that is not the background, the
// weaker of the two.
IndicatorContrast measureIndicator(const QImage& shot, const QRect& indicator,
                                   const QColor& background)
{
    const QPoint centre = indicator.center();
    const QColor middle = shot.pixelColor(centre);
    const auto outlineFrom = [&](int x, int step) {
        for (; x != centre.x(); x += step) {
            const QColor colour = shot.pixelColor(x, centre.y());
            if (colour != background)
                return colour;
        }
        return middle;
    };
    return {contrastRatio(middle, background),
            std::min(contrastRatio(outlineFrom(indicator.left(), 1), background),
                     contrastRatio(outlineFrom(indicator.right(), -1), background))};
}

// The colour that fills most of an image: what a text on it stands on.
QColor mostCommonColour(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const auto most = std::max_element(counts.constBegin(), counts.constEnd());
    return QColor(most.key());
}

// How far a control's look changes when it takes the focus from the keyboard: the strongest
// contrast between a pixel unfocused and the same pixel focused (1 when nothing changes).
double focusContrast(QWidget* control)
{
    // As after a Tab: some styles show the focus only to a learner who uses the keyboard.
    control->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    control->window()->setFocus(Qt::OtherFocusReason);
    control->clearFocus();
    const QImage before = control->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    const QImage after = control->grab().toImage();
    double best = 1;
    for (int y = 0; y < std::min(before.height(), after.height()); ++y) {
        for (int x = 0; x < std::min(before.width(), after.width()); ++x)
            best = std::max(best, contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)));
    }
    return best;
}

} // namespace

class TestWindowLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    // Your Numbers and Practice under the standard palette: every text at least 4.5:1 against
    // what it stands on, and every control that takes the focus shows it at 3:1 or more.
    void secondaryWindowsAreLegible_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("Your Numbers") << QStringLiteral("mnuYourNumbers");
        QTest::newRow("Practice") << QStringLiteral("mnuPractise");
    }
    void secondaryWindowsAreLegible()
    {
        QFETCH(QString, menu);
        // Someone charted, so that Practice shows its check box for sums about that person.
        QVERIFY(saveRememberedPerson(
            {QStringLiteral("Holly Norris"), QStringLiteral("1980-10-24"), QString()}));
        MainWindowFixture f;
        f.window->show();
        f.window->findChild<QAction*>(menu)->trigger();
        QDialog* window = f.window->findChild<YourNumbers*>();
        if (!window)
            window = f.window->findChild<PracticeWindow*>();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));

        QStringList tooFaint;
        double lowestText = 21;
        const auto text = [&](const QString& what, QColor ink, const QColor& behind) {
            // A half-transparent text (a field's hint) is seen blended with what is behind it.
            const double a = ink.alphaF();
            ink = QColor::fromRgbF(float(ink.redF() * a + behind.redF() * (1 - a)),
                                   float(ink.greenF() * a + behind.greenF() * (1 - a)),
                                   float(ink.blueF() * a + behind.blueF() * (1 - a)));
            const double ratio = contrastRatio(ink, behind);
            lowestText = std::min(lowestText, ratio);
            if (ratio < 4.5)
                tooFaint << QStringLiteral("%1 %2:1").arg(what).arg(ratio, 0, 'f', 2);
        };
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w))
                text(w->objectName(), w->palette().color(QPalette::WindowText),
                     window->palette().color(QPalette::Window));
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<RichTextPane*>(w))
                text(w->objectName(), w->palette().color(QPalette::Text),
                     w->palette().color(QPalette::Base));
            if (qobject_cast<QLineEdit*>(w))
                text(w->objectName() + QStringLiteral(" hint"),
                     w->palette().color(QPalette::PlaceholderText),
                     w->palette().color(QPalette::Base));
            // A control that is off is exempt: it is not there to be read.
            if (qobject_cast<QPushButton*>(w) && w->isEnabled())
                text(w->objectName(), w->palette().color(QPalette::ButtonText),
                     w->palette().color(QPalette::Button));
        }
        // A tab's label, in its colour on the colour the style fills the tab with.
        for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QColor behind =
                    mostCommonColour(tabs->grab(tabs->tabRect(i).adjusted(4, 4, -4, -4)).toImage());
                text(QStringLiteral("tab ") + tabs->tabText(i),
                     tabs->palette().color(QPalette::WindowText), behind);
            }
        }

        double lowestFocus = 21;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisible() || !control->isEnabled() ||
                !(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
                continue;
            const double ratio = focusContrast(control);
            lowestFocus = std::min(lowestFocus, ratio);
            if (ratio < 3)
                tooFaint << QStringLiteral("focus on %1 %2:1")
                                .arg(control->objectName())
                                .arg(ratio, 0, 'f', 2);
        }
        qInfo("lowest contrast: text %.2f:1, focus %.2f:1", lowestText, lowestFocus);
        QVERIFY2(tooFaint.isEmpty(), qPrintable(tooFaint.join(QLatin1String("; "))));
    }

    // The parts of a progress bar lie side by side: each differs from the next by a contrast of
    // 3:1, or by a pattern that stands out from its fill at 3:1.
    void progressBoxesToldApart()
    {
        for (int box = 0; box <= practice::LevelCount; ++box) {
            const QBrush pattern = ProgressChart::levelPattern(box);
            if (pattern.style() != Qt::NoBrush)
                QVERIFY(contrastRatio(pattern.color(), ProgressChart::levelColour(box)) >= 3);
            if (box == 0)
                continue;
            const double ratio =
                contrastRatio(ProgressChart::levelColour(box - 1), ProgressChart::levelColour(box));
            const bool patterned = ProgressChart::levelPattern(box - 1).style() != pattern.style();
            QVERIFY(ratio >= 3 || patterned);
        }
    }

    // The option buttons and check boxes stand on the purple of the screens. Their indicators
    // must show against it whatever palette the desktop hands the program: the light standard
    // one, or a dark one such as a colour scheme of a Qt settings tool or a dark desktop theme.
    void emptyIndicatorsStandOutFromThePurple_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("standard") << QApplication::style()->standardPalette();
        // The "darker" scheme of the Qt 6 configuration tool: base #3d3d3d on window #222020.
        QTest::newRow("dark grey") << paletteOf(qRgb(0x22, 0x20, 0x20), qRgb(0x3d, 0x3d, 0x3d),
                                                qRgb(0xff, 0xff, 0xff), qRgb(0x42, 0x42, 0x45));
        // A blue-grey dark theme, with a base darker than its window.
        QTest::newRow("dark blue-grey")
            << paletteOf(qRgb(0x31, 0x36, 0x3b), qRgb(0x23, 0x26, 0x29), qRgb(0xfc, 0xfc, 0xfc),
                         qRgb(0x31, 0x36, 0x3b));
        // A dark palette of nearly the program's own purple.
        QTest::newRow("dark purple") << paletteOf(qRgb(0x40, 0x00, 0x40), qRgb(0x48, 0x08, 0x48),
                                                  qRgb(0xff, 0xff, 0xff), qRgb(0x40, 0x00, 0x40));
    }
    void emptyIndicatorsStandOutFromThePurple()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        MainWindowFixture f;
        const QColor purple(colours::Purple);

        int measured = 0;
        IndicatorContrast lowest{21, 21};
        for (int screen = 0; screen < 6; ++screen) {
            QGroupBox* frame = f.frame(screen);
            const QImage shot = frame->grab().toImage();
            QCOMPARE(shot.devicePixelRatio(), 1.0);
            for (QAbstractButton* control : frame->findChildren<QAbstractButton*>()) {
                if (!(qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) ||
                    !control->isVisibleTo(frame))
                    continue;
                QVERIFY2(!control->isChecked(), qPrintable(control->objectName()));
                const QRect indicator =
                    indicatorRect(control).translated(control->mapTo(frame, QPoint(0, 0)));
                // The purple is what the indicator stands on.
                const QPoint beside(indicator.left() - 1, indicator.center().y());
                QCOMPARE(shot.pixelColor(beside), purple);
                const IndicatorContrast contrast = measureIndicator(shot, indicator, purple);
                const QByteArray what = control->objectName().toLatin1() + ": fill " +
                                        QByteArray::number(contrast.fill, 'f', 2) + ", outline " +
                                        QByteArray::number(contrast.outline, 'f', 2);
                lowest = {std::min(lowest.fill, contrast.fill),
                          std::min(lowest.outline, contrast.outline)};
                QVERIFY2(contrast.fill >= 3.0, what.constData());
                QVERIFY2(contrast.outline >= 3.0, what.constData());
                ++measured;
            }
        }
        // Two on the start screen, two on the method screen, fifteen on the subject screen and
        // five answers.
        QCOMPARE(measured, 24);
        qInfo("lowest contrast with the purple: fill %.2f, outline %.2f", lowest.fill,
              lowest.outline);
    }
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
