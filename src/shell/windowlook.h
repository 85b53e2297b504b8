#pragma once

#include <QProxyStyle>
#include <QString>

namespace Ui {
class frmMain;
}

namespace corvella {

// What the palette cannot say about the main window, drawn on top of the application's style:
// each screen's frame (filled purple, a grey groove along its edge, the caption lying on the
// groove in light blue) and, on option buttons and check boxes, a 13-pixel indicator and a
// dotted border in the text colour around the control that has the focus, whether the focus
// came from the keyboard or not. Set it on those widgets only; the rest keep the plain style.
class WindowLookStyle : public QProxyStyle
{
    Q_OBJECT

public:
    WindowLookStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
};

// The program's windows were drawn for Verdana. Where it is not installed, DejaVu Sans stands
// in for it: its generous metrics come nearest.
//
// Registers that stand-in for the windows that ask for Verdana by name (the About window).
void substituteForVerdana();
// The family the main window is drawn in: Verdana where it is installed, otherwise its stand-in.
// Naming the stand-in outright, rather than asking for Verdana and letting the substitution
// find it, spares the font database a fallback search for a family it does not have; that
// search is one of the costliest steps of a start.
QString windowFontFamily();

// Gives the main window's controls their colours and fonts (in the family of the window's
// own font), and the screens, option buttons and check boxes the style above, which the
// window then owns.
void applyWindowLook(Ui::frmMain& ui);

} // namespace corvella
