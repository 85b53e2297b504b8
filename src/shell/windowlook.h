#pragma once

#include <QList>
#include <QPalette>
#include <QProxyStyle>
#include <QRect>
#include <QRgb>
#include <QString>

class QDialog;
class QFont;

namespace Ui {
class frmMain;
}

namespace corvella {

class RichTextPane;

// The program's colours, shared by all its windows.
namespace colours {
inline constexpr QRgb Orange = qRgb(255, 180, 4);
inline constexpr QRgb Purple = qRgb(64, 0, 64);
inline constexpr QRgb CaptionBlue = qRgb(103, 203, 255);
inline constexpr QRgb InstructionBlue = qRgb(108, 177, 253);
inline constexpr QRgb Pink = qRgb(255, 192, 255);
inline constexpr QRgb LinkBlue = qRgb(0, 0, 255);
inline constexpr QRgb Black = qRgb(0, 0, 0);
// The hint in an empty field of the secondary windows: 5.5:1 on their pink, where the standard
// half-transparent text gives 3.7:1.
inline constexpr QRgb HintGrey = qRgb(96, 72, 96);
} // namespace colours

// What the palette cannot say about the main window, drawn on top of the application's style:
// each screen's frame (filled purple, a grey groove along its edge, the caption lying on the
// groove in light blue) and, on option buttons and check boxes, a 13-pixel indicator in the
// style's own light colours, whatever the desktop's palette, and a dotted border in the text
// colour around the control that has the focus, whether the focus came from the keyboard or
// not. Set it on those widgets only; the rest keep the plain style. On the secondary windows'
// buttons and tabs it draws a focus ring that stands out from their light grey.
class WindowLookStyle : public QProxyStyle
{
    Q_OBJECT

public:
    WindowLookStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;

private:
    QPalette m_indicatorPalette;
};

// The size of the main window's and the About window's font: their layouts are fixed in pixels
// for it. (The secondary windows take the learner's font instead.)
inline constexpr qreal FixedWindowPointSize = 8.25;

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

// Gives a text pane its font and its background and text colours; its scroll bars keep the
// standard look.
void setPaneLook(RichTextPane* pane, const QFont& font, QRgb background, QRgb text);

// What a secondary window (Your Numbers, Practice) shows in which manner. Every control takes
// the learner's own font at its size (unlike the main window, whose layout is fixed), so only
// weights and relative sizes are set; push buttons are bold.
struct SecondaryWindowLook
{
    // The window's entry in the file of window places ("your-numbers", "practice").
    QString name;
    // The inside wanted at the usual font size; a larger font asks for more.
    QSize preferredSize;
    // Bold and a little larger than the rest.
    QList<QWidget*> headings;
    // In the light blue of the main window's instructions.
    QList<QWidget*> captions;
    // In orange: what the window has to tell.
    QList<QWidget*> notices;
    // Pink, with black text.
    QList<RichTextPane*> panes;
};

// Styles a secondary window and places it: where the learner left it last time (brought back
// onto a screen when that place is on none), else beside the main window where the screen has
// room for it, over the main window only as far as it must. From then on its place is kept each
// time it is moved or closed. Call once, when its controls are made.
void placeSecondaryWindow(QDialog* window, QWidget* mainWindow, const SecondaryWindowLook& look);

// The top left corner for a window frame of this size beside the main window's frame: on its
// right, else on its left, else as near one side of the room as the room allows.
QPoint besideTopLeft(const QSize& frame, const QRect& mainFrame, const QRect& room);
// A remembered frame as it may open: as it was when its title bar can still be reached on one
// of the screens' rooms, else moved (and shrunk where needed) into the room it overlaps most, or
// into home when it overlaps none.
QRect keptOnScreen(const QRect& frame, const QList<QRect>& rooms, const QRect& home);

} // namespace corvella
