#include "shell/yournumbers.h"

#include "platform/richtextpane.h"
#include "quiz/printcopy.h"
#include "shell/clipboardguard.h"
#include "shell/windowlook.h"

#include <QAction>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

namespace corvella {

namespace {

const char* const Ordinals[] = {"First", "Second", "Third", "Fourth"};

QString isoText(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString withoutAccessKey(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// A small calendar page, drawn so that no icon theme is needed.
QIcon calendarIcon()
{
    QPixmap page(16, 16);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setPen(QColor(colours::Purple));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(2, 3, 12, 3, QColor(colours::Purple));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.fillRect(3 + column * 3, 7 + row * 2, 2, 1, QColor(colours::Purple));
    }
    return QIcon(page);
}

void setColour(QWidget* widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(colour));
    widget->setPalette(palette);
}

} // namespace

QString meaningOf(const ContentTables& content, int subject, int value)
{
    for (int i = content.FirstInterpretation[subject]; i <= content.LastInterpretation[subject];
         ++i) {
        if (content.InterpretationValue[i] == value)
            return content.InterpretationText[i];
    }
    return {};
}

void writeChart(const numerology::Chart& chart, const QString& heading, const QStringList& readAs,
                const ContentTables& content, RichTextPane& pane)
{
    const QString lineBreak = QStringLiteral("\r\n");
    pane.setWholeText(QString());
    pane.beginEditBlock();
    pane.insertAtCaret(heading + lineBreak);
    if (!readAs.isEmpty())
        pane.insertAtCaret(QStringLiteral("Accented letters were read as plain ones: %1.")
                               .arg(readAs.join(QLatin1String(", "))) +
                           lineBreak);
    for (const numerology::Number& number : chart.numbers) {
        QStringList values;
        for (int v : number.values)
            values << QString::number(v);
        pane.insertAtCaret(lineBreak);
        pane.setEmphasis(true);
        pane.insertAtCaret(content.SubjectName[number.subject] + QLatin1String(": ") +
                           values.join(QLatin1String(", ")));
        pane.setEmphasis(false);
        pane.insertAtCaret(lineBreak);
        for (const QString& line : number.working)
            pane.insertAtCaret(line + lineBreak);
        if (!number.otherMethod.isEmpty())
            pane.insertAtCaret(number.otherMethod + lineBreak);
        if (number.values.size() == 1) {
            pane.insertAtCaret(QLatin1String("Meaning: ") +
                               meaningOf(content, number.subject, number.values[0]) + lineBreak);
            continue;
        }
        for (int k = 0; k < number.values.size(); ++k)
            pane.insertAtCaret(QStringLiteral("%1 (%2): %3")
                                   .arg(QLatin1String(Ordinals[k]))
                                   .arg(number.values[k])
                                   .arg(meaningOf(content, number.subject, number.values[k])) +
                               lineBreak);
    }
    pane.endEditBlock();
    // The reader starts at the top, and so does the keyboard.
    QTextCursor start = pane.textCursor();
    start.movePosition(QTextCursor::Start);
    pane.setTextCursor(start);
    pane.scrollToTop();
}

YourNumbers::YourNumbers(const Services& services, QWidget* parent)
    : QDialog(parent), m_services(services),
      m_clipboardGuard(std::make_unique<ClipboardGuard>(*services.clipboard))
{
    setObjectName(QStringLiteral("frmYourNumbers"));
    setWindowTitle(QStringLiteral("Your Numbers"));
    setAccessibleName(windowTitle());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont windowFont(windowFontFamily());
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    loadContent(m_content);

    const auto label = [this](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption, this);
        l->setBuddy(buddy);
        l->setAccessibleName(withoutAccessKey(caption));
        m_labels << l;
        return l;
    };

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setAccessibleName(QStringLiteral("Full name at birth"));
    m_name->setPlaceholderText(QStringLiteral("for example Holly Norris"));
    m_birth = dateField(QStringLiteral("txtBirth"), QStringLiteral("Date of birth"));
    m_birth->setPlaceholderText(QStringLiteral("year-month-day, for example 1962-07-03"));
    m_lookAt = dateField(QStringLiteral("txtLookAt"), QStringLiteral("Date to look at"));
    m_lookAt->setText(isoText(m_services.clock->today()));

    m_calculate = new QPushButton(QStringLiteral("&Calculate"), this);
    m_calculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_calculate->setAccessibleName(QStringLiteral("Calculate"));
    m_calculate->setDefault(true);

    m_chart = new RichTextPane(this);
    m_chart->setObjectName(QStringLiteral("RTBChart"));
    m_chart->setAccessibleName(QStringLiteral("Your numbers"));
    m_clipboardGuard->watch(m_chart);

    m_print = new QPushButton(QStringLiteral("&Print..."), this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_print->setAccessibleName(QStringLiteral("Print..."));
    m_print->setAutoDefault(false);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setAccessibleName(QStringLiteral("Close"));
    m_close->setAutoDefault(false);

    m_printCopy = new RichTextPane(this);
    m_printCopy->setObjectName(QStringLiteral("RTBPrintCopy"));
    m_printCopy->setAccessibleName(QStringLiteral("Printed copy"));
    m_printCopy->hide();

    auto* fields = new QGridLayout;
    fields->addWidget(label(QStringLiteral("Full &name at birth:"), m_name), 0, 0);
    fields->addWidget(m_name, 0, 1, 1, 2);
    fields->addWidget(label(QStringLiteral("&Date of birth:"), m_birth), 1, 0);
    fields->addWidget(m_birth, 1, 1);
    fields->addWidget(label(QStringLiteral("Date to &look at:"), m_lookAt), 2, 0);
    fields->addWidget(m_lookAt, 2, 1);
    fields->addWidget(m_calculate, 2, 2, Qt::AlignRight);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(label(QStringLiteral("Your numbers:"), m_chart));
    layout->addWidget(m_chart, 1);
    layout->addLayout(buttons);

    setTabOrder(m_name, m_birth);
    setTabOrder(m_birth, m_lookAt);
    setTabOrder(m_lookAt, m_calculate);
    setTabOrder(m_calculate, m_chart);
    setTabOrder(m_chart, m_print);
    setTabOrder(m_print, m_close);

    connect(m_calculate, &QPushButton::clicked, this, &YourNumbers::cmdCalculate_Click);
    connect(m_print, &QPushButton::clicked, this, &YourNumbers::cmdPrint_Click);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    buildLook();
    resize(640, 560);
    m_name->setFocus();
    // Centred on the window it was opened from, but kept on its screen.
    if (parent) {
        QRect placed(QPoint(), size());
        placed.moveCenter(parent->window()->frameGeometry().center());
        if (const QScreen* screen = parent->window()->screen()) {
            const QRect room = screen->availableGeometry();
            placed.moveLeft(qBound(room.left(), placed.left(), room.right() + 1 - placed.width()));
            placed.moveTop(qBound(room.top(), placed.top(), room.bottom() + 1 - placed.height()));
        }
        move(placed.topLeft());
    }
}

YourNumbers::~YourNumbers() = default;

QLineEdit* YourNumbers::dateField(const QString& objectName, const QString& accessibleName)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    // The calendar: from the icon in the field, or Alt+Down while typing in it.
    auto* pick = new QAction(calendarIcon(), QStringLiteral("Pick from a calendar"), field);
    pick->setShortcut(QKeySequence(Qt::AltModifier | Qt::Key_Down));
    pick->setShortcutContext(Qt::WidgetShortcut);
    field->addAction(pick, QLineEdit::TrailingPosition);
    connect(pick, &QAction::triggered, this, [this, field] { offerCalendar(field); });
    return field;
}

void YourNumbers::offerCalendar(QLineEdit* field)
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setAccessibleName(QStringLiteral("Calendar for ") + field->accessibleName());
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    const QDate typed = numerology::readDate(field->text());
    calendar->setSelectedDate(typed.isValid() ? typed : m_services.clock->today());
    const auto take = [calendar, field](QDate date) {
        field->setText(isoText(date));
        calendar->close();
        field->setFocus();
    };
    connect(calendar, &QCalendarWidget::activated, calendar, take);
    connect(calendar, &QCalendarWidget::clicked, calendar, take);
    calendar->adjustSize();
    calendar->move(field->mapToGlobal(QPoint(0, field->height())));
    calendar->show();
    calendar->setFocus();
}

void YourNumbers::buildLook()
{
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, colours::Purple);
    const QString family = font().family();
    QFont labelFont(family);
    labelFont.setPointSizeF(9);
    labelFont.setBold(true);
    for (QLabel* l : m_labels) {
        l->setFont(labelFont);
        setColour(l, QPalette::WindowText, colours::InstructionBlue);
    }
    QFont buttonFont(family);
    buttonFont.setPointSizeF(8.25);
    buttonFont.setBold(true);
    for (QPushButton* button : {m_calculate, m_print, m_close})
        button->setFont(buttonFont);

    QFont paneFont(family);
    paneFont.setPointSizeF(8.25);
    setPaneLook(m_chart, paneFont, colours::Pink, colours::Black);
    m_printCopy->setFont(paneFont);
}

void YourNumbers::refuse(const QString& message, QWidget* field)
{
    m_chart->setWholeText(QString());
    m_services.messages->error(message);
    if (field)
        field->setFocus();
}

void YourNumbers::cmdCalculate_Click()
{
    const numerology::NameReading name = numerology::readName(m_name->text());
    if (!name.problem.isEmpty()) {
        refuse(name.problem, m_name);
        return;
    }
    const auto readDate = [this](QLineEdit* field, const QString& what, QDate* date) {
        const QString typed = field->text().trimmed();
        *date = numerology::readDate(typed);
        if (date->isValid())
            return true;
        if (typed.isEmpty())
            refuse(QStringLiteral("Please type the %1 as year-month-day, for example 1962-07-03.")
                       .arg(what),
                   field);
        else
            refuse(QStringLiteral("\"%1\" is not a date the chart can use as the %2. Please type "
                                  "a real date as year-month-day, for example 1962-07-03, with a "
                                  "year from 1 to 9999 (29 February only in leap years).")
                       .arg(typed, what),
                   field);
        return false;
    };
    QDate birth;
    QDate lookAt;
    if (!readDate(m_birth, QStringLiteral("date of birth"), &birth) ||
        !readDate(m_lookAt, QStringLiteral("date to look at"), &lookAt))
        return;
    if (lookAt < birth) {
        refuse(QStringLiteral("The date to look at, %1, is before the date of birth, %2. Please "
                              "choose a date to look at on or after the birth.")
                   .arg(isoText(lookAt), isoText(birth)),
               m_lookAt);
        return;
    }
    const numerology::Chart chart = numerology::calculateChart(name.parts, birth, lookAt);
    if (!chart.problem.isEmpty()) {
        refuse(chart.problem, m_name);
        return;
    }
    const QString heading =
        QStringLiteral("%1, born %2, looking at %3")
            .arg(name.parts.join(QLatin1Char(' ')), numerology::spelledDate(birth),
                 numerology::spelledDate(lookAt));
    writeChart(chart, heading, name.readAs, m_content, *m_chart);
}

void YourNumbers::cmdPrint_Click()
{
    if (m_chart->document()->isEmpty()) {
        m_services.messages->error(
            QStringLiteral("There is no chart to print yet. Please calculate your numbers first."));
        return;
    }
    composePrintedCopy(*m_printCopy, m_chart->wholeText());
    m_services.printer->printWithDialog(*m_printCopy->document(), this);
}

} // namespace corvella
