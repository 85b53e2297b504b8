#pragma once

#include "platform/services.h"

#include <QLocale>
#include <QString>

namespace corvella {

class SettingsStore;

// The question of the update reminder: two sentences joined by a lone carriage return.
QString updateReminderText();

// Asks, at most once a fortnight, whether to look for a newer version, and opens the
// download page on Yes. The date of the last reminder, or of the first start, is kept in
// the "Duration" setting as a date in the user's short format. On a first start that date
// is written in the background: the store holds the write until it is done.
//
// A stored date that cannot be read (written in the short format of another locale, say) is
// taken as a first start: today is written and nothing is asked.
//
// Never fails where the user could see it: a store that cannot be read or written ends the
// reminder quietly at that point.
void remindOfUpdate(MessageBoxes& messages, const Clock& clock, WebLauncher& web,
                    SettingsStore& store, const QLocale& locale = QLocale());

} // namespace corvella
