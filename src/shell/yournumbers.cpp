#include "shell/yournumbers.h"

#include "learn/chartreport.h"
#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "platform/userfolders.h"
#include "quiz/printcopy.h"
#include "shell/clipboardguard.h"
#include "shell/windowlook.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include <system_error>

namespace corvella {

namespace {

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

} // namespace

void composeFormattedCopy(RichTextPane& copy, const QTextDocument& chart)
{
    const QString twoBreaks = QStringLiteral("\r\n\r\n");
    copy.setWholeText(QString());
    // Points, not the screen's pixels, so the page does not depend on the screen.
    QFont font = copy.document()->defaultFont();
    font.setPointSize(10);
    copy.document()->setDefaultFont(font);
    copy.insertAtCaret(attributionLine() + twoBreaks);
    QTextCursor cursor = copy.textCursor();
    cursor.insertFragment(QTextDocumentFragment(&chart));
    copy.setTextCursor(cursor);
    copy.setEmphasis(false);
    copy.insertAtCaret(twoBreaks + attributionLine());
    copy.clearSelection();
}

YourNumbers::YourNumbers(const Services& services, QWidget* parent)
    : QDialog(parent), m_services(services),
      m_clipboardGuard(std::make_unique<ClipboardGuard>(*services.clipboard)),
      m_keeper([this](const QString& why) {
          m_services.messages->error(
              tr("The name and dates could not be kept for the next time this window opens. %1")
                  .arg(why));
      })
{
    setObjectName(QStringLiteral("frmYourNumbers"));
    setWindowTitle(tr("Your Numbers"));
    setAccessibleName(windowTitle());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    loadContent(m_content);

    makeControls();
    layOut();

    connect(m_calculate, &QPushButton::clicked, this, &YourNumbers::cmdCalculate_Click);
    connect(m_print, &QPushButton::clicked, this, &YourNumbers::cmdPrint_Click);
    connect(m_forget, &QPushButton::clicked, this, &YourNumbers::cmdForget_Click);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    // The chart scrolls, so the window can be as small as its fields and buttons: on a
    // 640 x 480 screen it is shorter than its usual 560 pixels.
    const QList<QWidget*> labels(m_labels.cbegin(), m_labels.cend());
    placeSecondaryWindow(
        this, parent,
        {QStringLiteral("your-numbers"), QSize(640, 560), labels, labels, {}, {m_chart}});
    m_printCopy->setFont(font());
    m_name->setFocus();
    showRemembered();
}

void YourNumbers::makeControls()
{
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setAccessibleName(tr("Full name at birth"));
    m_name->setPlaceholderText(tr("for example Holly Norris"));
    m_birth =
        dateField(QStringLiteral("txtBirth"), tr("Date of birth"), tr("Choose the date of birth"));
    m_birth->setPlaceholderText(tr("year-month-day, for example 1962-07-03"));
    m_lookAt = dateField(QStringLiteral("txtLookAt"), tr("Date to look at"),
                         tr("Choose the date to look at"));
    m_lookAt->setText(isoText(m_services.clock->today()));

    m_calculate = new QPushButton(tr("&Calculate"), this);
    m_calculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_calculate->setAccessibleName(tr("Calculate"));
    m_calculate->setDefault(true);

    m_chart = new RichTextPane(this);
    m_chart->setObjectName(QStringLiteral("RTBChart"));
    m_chart->setAccessibleName(tr("Your numbers"));
    m_clipboardGuard->watch(m_chart);

    m_print = new QPushButton(tr("&Print..."), this);
    m_print->setObjectName(QStringLiteral("cmdPrint"));
    m_print->setAccessibleName(tr("Print..."));
    m_print->setAutoDefault(false);
    m_forget = new QPushButton(tr("&Forget"), this);
    m_forget->setObjectName(QStringLiteral("cmdForget"));
    m_forget->setAccessibleName(tr("Forget"));
    m_forget->setAccessibleDescription(
        tr("Clears the name and dates and the file that keeps them"));
    m_forget->setToolTip(m_forget->accessibleDescription());
    m_forget->setAutoDefault(false);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setAccessibleName(tr("Close"));
    m_close->setAutoDefault(false);

    m_printCopy = new RichTextPane(this);
    m_printCopy->setObjectName(QStringLiteral("RTBPrintCopy"));
    m_printCopy->setAccessibleName(tr("Printed copy"));
    m_printCopy->hide();
}

void YourNumbers::layOut()
{
    const auto label = [this](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption, this);
        l->setBuddy(buddy);
        l->setAccessibleName(withoutAccessKey(caption));
        m_labels << l;
        return l;
    };

    auto* fields = new QGridLayout;
    fields->addWidget(label(tr("Full &name at birth:"), m_name), 0, 0);
    fields->addWidget(m_name, 0, 1, 1, 2);
    fields->addWidget(label(tr("&Date of birth:"), m_birth), 1, 0);
    fields->addWidget(m_birth, 1, 1);
    fields->addWidget(label(tr("Date to &look at:"), m_lookAt), 2, 0);
    fields->addWidget(m_lookAt, 2, 1);
    fields->addWidget(m_calculate, 2, 2, Qt::AlignRight);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_forget);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(label(tr("Your numbers:"), m_chart));
    layout->addWidget(m_chart, 1);
    layout->addLayout(buttons);

    setTabOrder(m_name, m_birth);
    setTabOrder(m_birth, m_lookAt);
    setTabOrder(m_lookAt, m_calculate);
    setTabOrder(m_calculate, m_chart);
    setTabOrder(m_chart, m_print);
    setTabOrder(m_print, m_forget);
    setTabOrder(m_forget, m_close);
}

void YourNumbers::showRemembered()
{
    const std::optional<RememberedPerson> person = loadRememberedPerson();
    if (!person)
        return;
    m_name->setText(person->name);
    m_birth->setText(person->birth);
    if (!person->lookAt.isEmpty())
        m_lookAt->setText(person->lookAt);
}

void YourNumbers::cmdForget_Click()
{
    m_name->clear();
    m_birth->clear();
    m_lookAt->setText(isoText(m_services.clock->today()));
    m_chart->setWholeText(QString());
    if (!m_keeper.forget(nullptr))
        m_services.messages->error(
            tr("The name and dates could not be forgotten: the file %1 could not be removed.")
                .arg(QDir::toNativeSeparators(programDataFolder() +
                                              QStringLiteral("/your-numbers.txt"))));
    m_name->setFocus();
}

YourNumbers::~YourNumbers() = default;

QLineEdit* YourNumbers::dateField(const QString& objectName, const QString& accessibleName,
                                  const QString& calendarName)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    // The calendar: from the icon in the field, or Alt+Down while typing in it.
    auto* pick = new QAction(calendarIcon(), tr("Pick from a calendar"), field);
    pick->setShortcut(QKeySequence(Qt::AltModifier | Qt::Key_Down));
    pick->setShortcutContext(Qt::WidgetShortcut);
    field->addAction(pick, QLineEdit::TrailingPosition);
    connect(pick, &QAction::triggered, this,
            [this, field, calendarName] { offerCalendar(field, calendarName); });
    return field;
}

void YourNumbers::offerCalendar(QLineEdit* field, const QString& name)
{
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("calendar"));
    // A screen reader meets the pop-up by its focused grid of days: both carry the name.
    calendar->setAccessibleName(name);
    calendar->setWindowTitle(name);
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
    if (auto* days = calendar->findChild<QTableView*>()) {
        days->setAccessibleName(name);
        days->setAccessibleDescription(
            tr("Arrow keys move the day, Page Up and Page Down the month, Enter takes the day, "
               "Escape closes"));
    }
    calendar->show();
    calendar->activateWindow();
    calendar->setFocus();
}

// The last chart stays on screen: it changes only when a new one is calculated.
void YourNumbers::refuse(const QString& message, QWidget* field)
{
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
    // Each date's messages are whole sentences, so that a translation can word them freely.
    struct DateMessages
    {
        QString missing;
        QString unusable; // %1: what was typed
    };
    const auto readDate = [this](QLineEdit* field, const DateMessages& messages, QDate* date) {
        const QString typed = field->text().trimmed();
        *date = numerology::readDate(typed);
        if (date->isValid())
            return true;
        refuse(typed.isEmpty() ? messages.missing : messages.unusable.arg(typed), field);
        return false;
    };
    const DateMessages birthMessages{
        tr("Please type the date of birth as year-month-day, for example 1962-07-03."),
        tr("\"%1\" is not a date the chart can use as the date of birth. Please type a real "
           "date as year-month-day, for example 1962-07-03, with a year from 1 to 9999 "
           "(29 February only in leap years).")};
    const DateMessages lookAtMessages{
        tr("Please type the date to look at as year-month-day, for example 1962-07-03."),
        tr("\"%1\" is not a date the chart can use as the date to look at. Please type a real "
           "date as year-month-day, for example 1962-07-03, with a year from 1 to 9999 "
           "(29 February only in leap years).")};
    QDate birth;
    QDate lookAt;
    if (!readDate(m_birth, birthMessages, &birth) || !readDate(m_lookAt, lookAtMessages, &lookAt))
        return;
    if (lookAt < birth) {
        refuse(tr("The date to look at, %1, is before the date of birth, %2. Please choose a "
                  "date to look at on or after the birth.")
                   .arg(isoText(lookAt), isoText(birth)),
               m_lookAt);
        return;
    }
    const numerology::Chart chart = numerology::calculateChart(name.parts, birth, lookAt);
    if (!chart.problem.isEmpty()) {
        refuse(chart.problem, m_name);
        return;
    }
    drawChartReport(makeChartReport(chart, name, birth, lookAt, m_content), *m_chart);
    // A look at the day itself opens on the new day next time.
    m_keeper.keep({m_name->text(), m_birth->text().trimmed(),
                   lookAt == m_services.clock->today() ? QString() : m_lookAt->text().trimmed()});
}

void YourNumbers::cmdPrint_Click()
{
    if (m_chart->document()->isEmpty()) {
        m_services.messages->error(
            tr("There is no chart to print yet. Please calculate your numbers first."));
        return;
    }
    composeFormattedCopy(*m_printCopy, *m_chart->document());
    m_services.printer->printWithDialog(*m_printCopy->document(), this);
}

} // namespace corvella
