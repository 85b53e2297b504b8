#include "shell/updatereminder.h"

#include "platform/datetext.h"
#include "platform/settingsstore.h"
#include "platform/weblauncher.h"

#include <QCoreApplication>
#include <QDate>

namespace corvella {

namespace {

const QString kDurationKey = QStringLiteral("Duration");
constexpr qint64 kIntervalDays = 14;

bool survivesStore(const QString& text)
{
    return decodeSettingText(encodeSettingText(text)) == text;
}

// Some locales write dates with digits or marks the settings store cannot keep (Persian
// and Arabic digits, right-to-left marks); stored as is, such a date would come back
// unreadable and the reminder would never ask again. Those dates are kept in ISO form.
QString storableDateText(QDate date, const QLocale& locale)
{
    const QString text = dateToText(date, locale);
    return survivesStore(text) ? text : date.toString(Qt::ISODate);
}

QDate readStoredDate(const QString& text, const QLocale& locale)
{
    const QDate date = textToDate(text, locale);
    return date.isValid() ? date : QDate::fromString(text, Qt::ISODate);
}

} // namespace

QString updateReminderText()
{
    // Two sentences, each translated whole.
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available") +
           QChar(u'\r') +
           QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?");
}

void remindOfUpdate(MessageBoxes& messages, const Clock& clock, WebLauncher& web,
                    SettingsStore& store, const QLocale& locale)
{
    const std::optional<QString> stored = store.readSetting(kDurationKey);
    if (!stored)
        return;

    const QDate today = clock.today();
    const QString todayText = storableDateText(today, locale);
    const QDate last = readStoredDate(*stored, locale);
    if (!last.isValid()) {
        // A first start, or a date that no longer reads: written in the short format of a
        // locale the user has since left, say. Either way the fortnight starts today, so a
        // change of locale puts the question off by at most fifteen days instead of for good.
        // Nothing here needs the outcome, so the window does not wait for the disk: the store
        // finishes the write on a worker thread before it goes away.
        store.writeSettingInBackground(kDurationKey, todayText);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -kIntervalDays && days <= kIntervalDays)
        return;

    const bool check = messages.askYesNo(updateReminderText());
    // The date is written before the page opens. A store that refuses the write does not
    // cancel what the user asked for: Yes still opens the page.
    store.writeSetting(kDurationKey, todayText);
    if (check)
        openWebPage(web, WebPage::DownloadWebPage);
}

} // namespace corvella
