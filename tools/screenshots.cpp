// Saves a picture of every screen of the main window (and the About window), driven through
// the real handlers with a fixed random sequence, into the folder given as the first argument.
// Run it with QT_SCALE_FACTOR set to see the layout at other scales.
#include "../tests/support/fakes.h"

#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "shell/windowlook.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

using namespace corvella;

namespace {

void save(QWidget& widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    widget.grab().save(folder + QLatin1Char('/') + name + QLatin1String(".png"));
}

template <typename T> T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget& window, const char* name)
{
    child<QPushButton>(window, name)->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    substituteForVerdana();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(folder);

    testing::FakeServices fakes;
    frmMain window(fakes.services());
    window.show();
    window.coBrandRandomize(0.3);
    save(window, folder, QStringLiteral("0-start"));

    child<QRadioButton>(window, "optMain0")->setChecked(true);
    click(window, "cmdNext");
    save(window, folder, QStringLiteral("1-method"));

    child<QRadioButton>(window, "optOption0")->setChecked(true);
    click(window, "cmdNext2");
    save(window, folder, QStringLiteral("2-learn-significance"));
    click(window, "cmdNextLearn");
    save(window, folder, QStringLiteral("2-learn-significance-expression"));

    click(window, "cmdBackToMain");
    click(window, "cmdNext");
    child<QRadioButton>(window, "optOption1")->setChecked(true);
    click(window, "cmdNext2");
    child<QCheckBox>(window, "chkSubject4")->setChecked(true);
    child<QCheckBox>(window, "chkSubject6")->setChecked(true);
    save(window, folder, QStringLiteral("3-subjects"));
    click(window, "cmdNext3");
    save(window, folder, QStringLiteral("2-learn-interpretation"));

    click(window, "cmdBackToMain");
    child<QRadioButton>(window, "optMain1")->setChecked(true);
    click(window, "cmdNext");
    child<QRadioButton>(window, "optOption1")->setChecked(true);
    click(window, "cmdNext2");
    for (int s : {0, 6, 13})
        child<QCheckBox>(window, qPrintable(QStringLiteral("chkSubject%1").arg(s)))
            ->setChecked(true);
    click(window, "cmdNext3");
    child<QRadioButton>(window, "optChoice2")->setChecked(true);
    save(window, folder, QStringLiteral("4-question"));
    for (int q = 0; q < 15; ++q) {
        child<QRadioButton>(window, qPrintable(QStringLiteral("optChoice%1").arg(q % 4)))
            ->setChecked(true);
        click(window, "cmdNextQuestion");
    }
    save(window, folder, QStringLiteral("5-result"));

    frmAbout about(fakes.web, &window);
    about.show();
    save(about, folder, QStringLiteral("about"));
    return 0;
}
