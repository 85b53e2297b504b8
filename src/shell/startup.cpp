#include "shell/startup.h"

#include "platform/fontwarmup.h"
#include "platform/qtservices.h"
#include "platform/settingsstore.h"
#include "shell/frmMain.h"
#include "shell/singleinstance.h"
#include "shell/updatereminder.h"
#include "shell/windowlook.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QIcon>

namespace corvella {

namespace {

// The program's name on disk, which also names its settings and its lock.
QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

int runApplication(int argc, char* argv[])
{
    // Runs while QApplication connects to the display.
    FontConfigurationWarmUp fonts;
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/corvella.png")));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvella_software.LearnNumerology"));
    substituteForVerdana();
    // Before the first message box or window measures any text.
    fonts.wait();

    QtServices qt;
    const Services services = qt.services();

    SingleInstance instance(programName());
    if (!instance.acquire()) {
        // The copy already running is left as it is; this one ends after the notice.
        services.messages->information(QStringLiteral("Application is already running"));
        return 0;
    }

    qt.random.reseed(static_cast<quint64>(services.clock->timeOfDayMs()));

    // Outlives the window: a write the reminder left under way ends before the program does.
    SettingsStore settings;
    RemindOfUpdate(*services.messages, *services.clock, *services.web, settings);

    frmMain window(services);
    qt.messages.setParentWindow(&window);
    window.show();
    window.CoBrand_Randomize(services.random->next());

    return app.exec();
}

} // namespace corvella
