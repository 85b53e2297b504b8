#include "shell/windowlook.h"
#include "ui_frmMain.h"

#include "platform/windowplaces.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace corvella {

namespace {

constexpr QRgb kOrange = colours::Orange;
constexpr QRgb kPurple = colours::Purple;
constexpr QRgb kCaptionBlue = colours::CaptionBlue;
constexpr QRgb kInstructionBlue = colours::InstructionBlue;
constexpr QRgb kPink = colours::Pink;
constexpr QRgb kLinkBlue = colours::LinkBlue;
constexpr QRgb kBlack = colours::Black;
// The groove along a screen's edge: a line of this grey and one of it lightened by half.
constexpr QRgb kGrooveDark = qRgb(160, 160, 160);
constexpr QRgb kGrooveLight = qRgb(240, 240, 240);
// The caption sits this far in from the frame's left edge, one pixel above its top, with this
// much of the frame's colour either side of the text, so that it interrupts the groove.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPadding = 2;
constexpr int kIndicatorSize = 13;
const QString kVerdana = QStringLiteral("Verdana");
const QString kVerdanaStandIn = QStringLiteral("DejaVu Sans");

QFont windowFont(const QString& family, qreal points, bool bold = false, bool underline = false)
{
    // Weight and underline are set even when off: a font set on a control without them
    // would take them from its frame's bold caption font.
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// Sets these roles only; the widget keeps following its parent for the others.
void setColours(QWidget* widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QRgb>> colours)
{
    QPalette palette;
    for (const auto& [role, colour] : colours)
        palette.setColor(role, QColor(colour));
    widget->setPalette(palette);
}

// Pins the window colour to the application's, which a palette set higher up would otherwise
// replace. The standard style draws the outlines of buttons, indicators and scroll bars from it.
void keepStandardWindowColour(QWidget* widget)
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Window, palette.brush(group, QPalette::Window));
    widget->setPalette(palette);
}

QStyle* copyOfApplicationStyle()
{
    return QStyleFactory::create(QApplication::style()->name());
}

// Two one-pixel rings: dark outside and light inside along the top and left, the other way
// round along the bottom and right.
void drawGroove(QPainter* painter, const QRect& r)
{
    const QColor dark(kGrooveDark);
    const QColor light(kGrooveLight);
    const int left = r.left();
    const int top = r.top();
    const int right = r.right();
    const int bottom = r.bottom();
    painter->fillRect(QRect(left, bottom, r.width(), 1), light);
    painter->fillRect(QRect(left + 1, bottom - 1, r.width() - 2, 1), dark);
    painter->fillRect(QRect(right, top, 1, r.height()), light);
    painter->fillRect(QRect(right - 1, top + 1, 1, r.height() - 2), dark);
    painter->fillRect(QRect(left, top, 1, r.height()), dark);
    painter->fillRect(QRect(left + 1, top + 1, 1, r.height() - 2), light);
    painter->fillRect(QRect(left, top, r.width(), 1), dark);
    painter->fillRect(QRect(left + 1, top + 1, r.width() - 2, 1), light);
}

// A one-pixel dotted line on each edge, centred on the rectangle's own border line.
void drawDottedBorder(QPainter* painter, const QRect& r, const QColor& colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, 1, Qt::DotLine, Qt::FlatCap));
    const qreal left = r.left();
    const qreal top = r.top();
    const qreal right = r.left() + r.width() - 1;
    const qreal bottom = r.top() + r.height() - 1;
    painter->drawLine(QLineF(left, bottom, right, bottom));
    painter->drawLine(QLineF(right, top, right, bottom));
    painter->drawLine(QLineF(left, top, left, bottom));
    painter->drawLine(QLineF(left, top, right, top));
    painter->restore();
}

} // namespace

// The pane itself is filled rather than its viewport, which would cover the inner half of the
// outline the style draws round it (two device pixels wide along the bottom and right at twice
// the scale). The style draws that outline from the window colour. The scroll bars keep the
// standard colours.
void setPaneLook(RichTextPane* pane, const QFont& font, QRgb background, QRgb text)
{
    pane->setFont(font);
    pane->setAutoFillBackground(true);
    pane->viewport()->setAutoFillBackground(false);
    setColours(
        pane,
        {{QPalette::Window, background}, {QPalette::Base, background}, {QPalette::Text, text}});
    keepStandardWindowColour(pane->verticalScrollBar());
    keepStandardWindowColour(pane->horizontalScrollBar());
}

namespace {

bool isOptionControl(const QWidget* widget)
{
    return qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget);
}

} // namespace

void substituteForVerdana()
{
    QFont::insertSubstitution(kVerdana, kVerdanaStandIn);
}

QString windowFontFamily()
{
    return QFontDatabase::hasFamily(kVerdana) ? kVerdana : kVerdanaStandIn;
}

WindowLookStyle::WindowLookStyle()
    : QProxyStyle(copyOfApplicationStyle()), m_indicatorPalette(baseStyle()->standardPalette())
{}

void WindowLookStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !frame) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->fillRect(frame->rect, QColor(kPurple));
    drawGroove(painter, frame->rect);
    if (frame->text.isEmpty())
        return;
    // The text is centred in room for itself and one space more.
    const QFontMetrics& metrics = frame->fontMetrics;
    const QSize text = metrics.size(Qt::TextSingleLine, frame->text + QLatin1Char(' '));
    const QRect caption(frame->rect.left() + kCaptionLeft, frame->rect.top() - 1,
                        text.width() + 2 * kCaptionPadding, metrics.height());
    painter->fillRect(caption, QColor(kPurple));
    painter->setPen(QColor(kCaptionBlue));
    painter->drawText(caption.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, frame->text);
}

void WindowLookStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // On a button or a tab (of the secondary windows, the only ones given this style) with the
    // keyboard's focus, a solid ring in the text colour: the standard one, a pale blue, stands
    // out from the light grey by less than 3:1.
    const bool keyboardFocus =
        (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
    const bool isButton = element == CE_PushButton && qobject_cast<const QPushButton*>(widget);
    if (!keyboardFocus || !(isButton || element == CE_TabBarTab))
        return;
    const int inset = isButton ? 3 : 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(
        QPen(option->palette.color(isButton ? QPalette::ButtonText : QPalette::WindowText), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
    painter->restore();
}

void WindowLookStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const
{
    // The border goes round the whole control, in its text colour.
    if (element == PE_FrameFocusRect && isOptionControl(widget)) {
        drawDottedBorder(painter, widget->rect(), option->palette.color(QPalette::WindowText));
        return;
    }
    // The indicators stand on the screens' purple, not on the desktop's window colour, so they
    // keep the style's own light colours whatever palette the desktop hands the program: drawn
    // from a dark one they would all but vanish into the purple.
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if ((element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox) && button) {
        QStyleOptionButton light(*button);
        light.palette = m_indicatorPalette;
        light.palette.setCurrentColorGroup(option->palette.currentColorGroup());
        QProxyStyle::drawPrimitive(element, &light, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int WindowLookStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicatorSize;
    case PM_CheckBoxLabelSpacing:
        // The standard style puts a check box's text one pixel nearer its box than an option
        // button's; here the two columns of text line up alike.
        return QProxyStyle::pixelMetric(metric, option, widget) + 1;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect WindowLookStyle::subElementRect(SubElement element, const QStyleOption* option,
                                      const QWidget* widget) const
{
    // The answer rows' option buttons have no text: a click anywhere on the button, not only
    // on its small indicator, chooses it.
    if (element == SE_RadioButtonClickRect || element == SE_CheckBoxClickRect)
        return option->rect;
    return QProxyStyle::subElementRect(element, option, widget);
}

void applyWindowLook(Ui::frmMain& ui)
{
    // Created after the controls and owned by their common parent, so it outlives them all.
    auto* style = new WindowLookStyle;
    style->setParent(ui.centralWidget);

    ui.centralWidget->setAutoFillBackground(true);
    setColours(ui.centralWidget, {{QPalette::Window, kOrange}});
    ui.Frame5->setAutoFillBackground(true);

    const QString family = ui.centralWidget->font().family();
    const auto windowFontOf = [&family](qreal points, bool bold = false, bool underline = false) {
        return windowFont(family, points, bold, underline);
    };

    // A frame's font is its caption's, and every control in it gets a font of its own so as not
    // to inherit that one.
    const QFont captionFont = windowFontOf(9, true);
    for (QGroupBox* frame : {ui.fraOption0, ui.fraOption1, ui.fraOption2, ui.fraOption3,
                             ui.fraOption4, ui.fraOption5}) {
        frame->setFont(captionFont);
        keepStandardWindowColour(frame);
        frame->setStyle(style);
    }

    const QFont regular = windowFontOf(FixedWindowPointSize);
    const QFont bold = windowFontOf(FixedWindowPointSize, true);
    const QFont large = windowFontOf(9.75, true);
    const QList<const QWidget*> largeControls = {ui.optMain0,   ui.optMain1, ui.optOption0,
                                                 ui.optOption1, ui.cmdPrint, ui.cmdGoToMain};
    for (QAbstractButton* control : ui.centralWidget->findChildren<QAbstractButton*>()) {
        const bool isLarge = largeControls.contains(control);
        if (isOptionControl(control)) {
            control->setFont(isLarge ? large : regular);
            setColours(control, {{QPalette::WindowText, kOrange}});
            control->setStyle(style);
        } else {
            control->setFont(isLarge ? large : bold);
        }
    }

    for (QLabel* instruction : {ui.lblCaption0, ui.lblCaption1, ui.lblCaption2, ui.lblCaption3,
                                ui.lblCaption4, ui.lblCaption5, ui.lblCaption6}) {
        instruction->setFont(captionFont);
        setColours(instruction, {{QPalette::WindowText, kInstructionBlue}});
    }
    ui.lblLearnSubject->setFont(windowFontOf(FixedWindowPointSize, true, true));
    ui.lblQuestionNo->setFont(bold);
    ui.lblSubjectName->setFont(windowFontOf(9.75, true, true));
    for (QLabel* heading : {ui.lblLearnSubject, ui.lblQuestionNo, ui.lblSubjectName})
        setColours(heading, {{QPalette::WindowText, kOrange}});

    const QFont link = windowFontOf(FixedWindowPointSize, true, true);
    for (QLabel* label : {static_cast<QLabel*>(ui.Label14), static_cast<QLabel*>(ui.lblFullBrand),
                          static_cast<QLabel*>(ui.lblCobrand)}) {
        label->setFont(link);
        label->setAutoFillBackground(true);
        setColours(label, {{QPalette::Window, kOrange}, {QPalette::WindowText, kLinkBlue}});
    }

    // The lessons read in the window's own font; the learn view sets a chart's rows in a
    // fixed-pitch face where they would not line up in it.
    setPaneLook(ui.RTBLearn, regular, kPink, kBlack);
    setPaneLook(ui.RTBTestResult, regular, kPink, kBlack);
    for (RichTextPane* answer :
         {ui.txtOption0, ui.txtOption1, ui.txtOption2, ui.txtOption3, ui.txtOption4})
        setPaneLook(answer, regular, kPurple, kOrange);
    // The hidden print buffer takes the regular font, not its frame's; the printed copy sets the
    // size it needs.
    ui.RTB1->setFont(regular);
}

namespace {

// How long a window rests after a move before its place is written: a drag writes once.
constexpr int RestBeforeKeepingMs = 700;
// A remembered place counts as reachable when this much of its title bar lies on a screen.
constexpr int ReachableTitleBar = 32;
constexpr int ReachableWidth = 64;
// Headings stand this much larger than the window's font.
constexpr qreal HeadingScale = 1.1;

// Keeps a secondary window's place in the file of window places when the learner has moved or
// resized it (once it rests) and when it closes. Lives as long as the window.
class PlaceKeeper : public QObject
{
public:
    PlaceKeeper(QDialog* window, const QString& name)
        : QObject(window), m_window(window), m_name(name), m_place(currentPlace())
    {
        m_rest.setSingleShot(true);
        m_rest.setInterval(RestBeforeKeepingMs);
        connect(&m_rest, &QTimer::timeout, this, &PlaceKeeper::keep);
        window->installEventFilter(this);
    }
    ~PlaceKeeper() override
    {
        if (m_moved)
            keep();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            // Only a shown window is moved by the learner; placing it before is ours.
            if (m_window->isVisible() && currentPlace() != m_place) {
                m_place = currentPlace();
                m_moved = true;
                m_rest.start();
            }
            break;
        case QEvent::Hide:
            // A window minimised is hidden by the system, not closed.
            if (!event->spontaneous()) {
                m_place = currentPlace();
                m_moved = true;
                keep();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QRect currentPlace() const
    {
        const QRect normal = m_window->normalGeometry();
        return m_window->isMaximized() || m_window->isFullScreen()
                   ? normal
                   : QRect(m_window->pos(), m_window->size());
    }
    void keep()
    {
        m_rest.stop();
        m_moved = false;
        // A place that cannot be kept costs nothing but the place: the window opens beside the
        // main window next time.
        keepWindowPlace(m_name, m_place);
    }

    QDialog* m_window;
    QString m_name;
    QRect m_place;
    bool m_moved = false;
    QTimer m_rest;
};

// Pins the roles a light control is drawn in to the application's colours, which the window's
// palette would otherwise replace. A palette equal to the application's would not do: it counts
// as set for no role, and the control would still follow its window.
void keepStandardColours(QWidget* widget)
{
    const QPalette standard = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                                         QPalette::ButtonText, QPalette::Base, QPalette::Text})
            palette.setBrush(group, role, standard.brush(group, role));
    }
    widget->setPalette(palette);
}

QList<QRect> screenRooms()
{
    QList<QRect> rooms;
    for (const QScreen* screen : QGuiApplication::screens())
        rooms << screen->availableGeometry();
    return rooms;
}

// The palette of the secondary windows: the main window's purple with its light blue text,
// pink fields and panes with black text. Buttons, tabs and scroll bars keep the standard light
// colours, and their text the standard dark one, so that it stands out from them.
void setSecondaryColours(QDialog* window)
{
    window->setAutoFillBackground(true);
    QPalette look = window->palette();
    look.setColor(QPalette::Window, QColor(colours::Purple));
    look.setColor(QPalette::WindowText, QColor(colours::CaptionBlue));
    look.setColor(QPalette::Base, QColor(colours::Pink));
    look.setColor(QPalette::Text, QColor(colours::Black));
    look.setColor(QPalette::PlaceholderText, QColor(colours::HintGrey));
    window->setPalette(look);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            tabs->widget(i)->setAutoFillBackground(true);
    }
    for (QTabBar* tabs : window->findChildren<QTabBar*>())
        keepStandardColours(tabs);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        keepStandardColours(button);
    // A check box on the purple: its text in the window's light blue, its focus border in the
    // same colour through the main window's style (the standard focus frame all but vanishes
    // on the purple); buttons and tabs take that style's focus ring.
    auto* style = new WindowLookStyle;
    style->setParent(window);
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        box->setStyle(style);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setStyle(style);
    for (QTabBar* tabs : window->findChildren<QTabBar*>())
        tabs->setStyle(style);
}

} // namespace

QPoint besideTopLeft(const QSize& frame, const QRect& mainFrame, const QRect& room)
{
    const int top =
        std::max(room.top(), std::min(mainFrame.top(), room.bottom() + 1 - frame.height()));
    const int rightOfMain = mainFrame.right() + 1;
    if (rightOfMain + frame.width() <= room.right() + 1)
        return {rightOfMain, top};
    const int leftOfMain = mainFrame.left() - frame.width();
    if (leftOfMain >= room.left())
        return {leftOfMain, top};
    // No room on either side: against the side with the more room, covering the main window
    // no further than it must.
    const int roomOnRight = room.right() - mainFrame.right();
    const int roomOnLeft = mainFrame.left() - room.left();
    const int left = roomOnRight >= roomOnLeft ? room.right() + 1 - frame.width() : room.left();
    return {std::max(room.left(), left), top};
}

QRect keptOnScreen(const QRect& frame, const QList<QRect>& rooms, const QRect& home)
{
    const QRect titleBar(frame.left(), frame.top(), frame.width(),
                         std::min(frame.height(), ReachableTitleBar));
    QRect best;
    qint64 bestArea = 0;
    for (const QRect& room : rooms) {
        const QRect reachable = room.intersected(titleBar);
        if (reachable.width() >= std::min(frame.width(), ReachableWidth) &&
            reachable.height() >= titleBar.height())
            return frame;
        const QRect overlap = room.intersected(frame);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            bestArea = area;
            best = room;
        }
    }
    const QRect room = bestArea > 0 ? best : home;
    QRect kept(frame.topLeft(), frame.size().boundedTo(room.size()));
    kept.moveLeft(std::clamp(kept.left(), room.left(), room.right() + 1 - kept.width()));
    kept.moveTop(std::clamp(kept.top(), room.top(), room.bottom() + 1 - kept.height()));
    return kept;
}

void placeSecondaryWindow(QDialog* window, QWidget* mainWindow, const SecondaryWindowLook& look)
{
    // The learner's font, at the learner's size: nothing fixed is set on the window.
    window->setFont(QApplication::font(window));
    QFont heading = window->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * HeadingScale);
    for (QWidget* widget : look.headings)
        widget->setFont(heading);
    QFont bold = window->font();
    bold.setBold(true);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setFont(bold);

    setSecondaryColours(window);
    for (QWidget* widget : look.captions) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(colours::InstructionBlue));
        widget->setPalette(palette);
    }
    for (QWidget* widget : look.notices) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(colours::Orange));
        widget->setPalette(palette);
    }
    for (RichTextPane* pane : look.panes)
        setPaneLook(pane, window->font(), colours::Pink, colours::Black);

    // The frame a window manager draws is guessed from the main window's, before this window
    // has one of its own.
    const QWidget* anchor = mainWindow ? mainWindow->window() : nullptr;
    const QScreen* screen = anchor ? anchor->screen() : window->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize frameExtra =
        anchor ? anchor->frameGeometry().size() - anchor->geometry().size() : QSize();

    const WindowPlaces places = loadWindowPlaces();
    if (places.contains(look.name)) {
        const QRect remembered = places.value(look.name);
        const QRect frame = keptOnScreen(
            QRect(remembered.topLeft(), remembered.size() + frameExtra), screenRooms(), room);
        window->resize((frame.size() - frameExtra).expandedTo(window->minimumSizeHint()));
        window->move(frame.topLeft());
    } else {
        const QSize inside = look.preferredSize.expandedTo(window->sizeHint())
                                 .boundedTo(room.size() - frameExtra)
                                 .expandedTo(window->minimumSizeHint());
        window->resize(inside);
        const QRect mainFrame = anchor ? anchor->frameGeometry() : QRect(room.center(), QSize());
        window->move(besideTopLeft(inside + frameExtra, mainFrame, room));
    }
    new PlaceKeeper(window, look.name);
}

} // namespace corvella
