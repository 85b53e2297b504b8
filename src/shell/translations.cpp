#include "shell/translations.h"

#include "content/modLearnNumerology.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvella {

namespace {

bool s_installed = false;

} // namespace

bool translationInstalled()
{
    return s_installed;
}

QString translationsFolder()
{
    // CORVELLA_TRANSLATIONS_FROM_PROGRAM: the path from the program's folder to the
    // translations, as the install lays them out (bin/ -> share/...); the build tree copies it.
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/" CORVELLA_TRANSLATIONS_FROM_PROGRAM);
}

QString installTranslations(const QLocale& locale, const QString& folder)
{
    auto* app = QCoreApplication::instance();
    if (!app || !QFileInfo(folder).isDir())
        return QString();
    auto* ours = new QTranslator(app);
    if (!ours->load(locale, QStringLiteral("corvella"), QStringLiteral("_"), folder)) {
        delete ours;
        return QString();
    }
    QCoreApplication::installTranslator(ours);
    s_installed = true;
    setTranslateContent(true);
    // Qt's texts in the language the program's translation is written in, so that a dialog
    // never mixes two languages; where Qt has none, its texts stay English as ours would.
    auto* qt = new QTranslator(app);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt->load(QLocale(ours->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 qtFolder))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return ours->filePath();
}

} // namespace corvella
