// Saves pictures of the Your Numbers and Practice windows drawn in a large system font, into the
// folder given first, at the size in points given second (20 unless given): the windows follow
// the learner's font, and these show whether anything is cut off at that size. Headless: run it
// with QT_QPA_PLATFORM=offscreen and a home of its own (it keeps the windows' places there).
#include "../tests/support/fakes.h"

#include "shell/frmMain.h"
#include "shell/practicewindow.h"
#include "shell/windowlook.h"
#include "shell/yournumbers.h"

#include "shell/translations.h"
#include <QAction>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace corvella;

namespace {

void save(QWidget& widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    widget.grab().save(folder + QLatin1Char('/') + name + QLatin1String(".png"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // As the program does: the learner's translation, or English with its plural forms, from
    // the build tree's translations (largefont.sh names them).
    corvella::installTranslations(QLocale(), qEnvironmentVariable("CORVELLA_TRANSLATIONS"));
    substituteForVerdana();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const double points = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 20.0;
    QDir().mkpath(folder);
    QFont font = QApplication::font();
    font.setPointSizeF(points > 0 ? points : 20.0);
    QApplication::setFont(font);
    const QString suffix = QStringLiteral("-%1pt").arg(font.pointSizeF());

    QTemporaryDir progress;
    testing::FakeServices fakes;
    frmMain window(fakes.services());
    window.setProgressFile(progress.filePath(QStringLiteral("progress.txt")));
    window.show();

    window.findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
    auto* yourNumbers = window.findChild<YourNumbers*>();
    yourNumbers->findChild<QLineEdit*>(QStringLiteral("txtName"))
        ->setText(QStringLiteral("Holly Norris"));
    yourNumbers->findChild<QLineEdit*>(QStringLiteral("txtBirth"))
        ->setText(QStringLiteral("1980-10-24"));
    yourNumbers->cmdCalculate_Click();
    save(*yourNumbers, folder, QStringLiteral("your-numbers") + suffix);

    window.findChild<QAction*>(QStringLiteral("mnuPractise"))->trigger();
    auto* practice = window.findChild<PracticeWindow*>();
    save(*practice, folder, QStringLiteral("practice") + suffix);
    auto* tabs = practice->findChild<QTabWidget*>(QStringLiteral("tabPractice"));
    tabs->setCurrentIndex(tabs->count() - 1);
    save(*practice, folder, QStringLiteral("practice-progress") + suffix);
    return 0;
}
