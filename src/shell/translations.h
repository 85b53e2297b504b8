#pragma once

#include <QLocale>
#include <QString>

namespace corvella {

// The folder the program's translations are installed in (corvella_<language>.qm), found from
// the program's own folder, so that an install under any prefix, and the build tree, find theirs.
QString translationsFolder();

// Installs the translation of the program's texts for the learner's language, and Qt's own
// texts (standard dialogs and buttons) in that same language, when the program's is installed
// in folder. Without one the program speaks English, as its texts are written, with the
// English forms of its plurals; then only those and the folder are looked at.
// Returns the name of the file installed, or an empty string. Call it once QCoreApplication
// exists and before any window is made.
QString installTranslations(const QLocale& locale = QLocale(),
                            const QString& folder = translationsFolder());

// Installs the English forms of the texts that count something ("1 card", "3 cards"), which
// the texts themselves write as "%n card(s)". installTranslations installs them first, for
// every language. True when they were found in folder.
bool installEnglishForms(const QString& folder = translationsFolder());

// Whether installTranslations installed a translation: the windows drawn for the English
// texts then check that the translated ones fit.
bool translationInstalled();

} // namespace corvella
