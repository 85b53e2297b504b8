#include "shell/translations.h"

#include "content/modLearnNumerology.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

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

bool installEnglishForms(const QString& folder)
{
    auto* app = QCoreApplication::instance();
    auto english = std::make_unique<QTranslator>();
    if (!app || !english->load(QStringLiteral("corvella-english"), folder))
        return false;
    english->setParent(app);
    QCoreApplication::installTranslator(english.release());
    return true;
}

QString installTranslations(const QLocale& locale, const QString& folder)
{
    auto* app = QCoreApplication::instance();
    if (!app || !QFileInfo(folder).isDir())
        return QString();
    // First, so that the learner's translation, installed after it, is asked first.
    installEnglishForms(folder);
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(locale, QStringLiteral("corvella"), QStringLiteral("_"), folder))
        return QString();
    ours->setParent(app);
    QCoreApplication::installTranslator(ours.get());
    s_installed = true;
    setTranslateContent(true);
    // Qt's texts in the language the program's translation is written in, so that a dialog
    // never mixes two languages; where Qt has none, its texts stay English as ours would.
    auto qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt->load(QLocale(ours->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 qtFolder)) {
        qt->setParent(app);
        QCoreApplication::installTranslator(qt.release());
    }
    return ours.release()->filePath();
}

} // namespace corvella
