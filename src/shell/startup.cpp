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
#include <QList>

#include <cstdio>
#include <mutex>
#include <optional>

#include <unistd.h>

#ifdef CORVELLA_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace corvella {

namespace {

char kProgramFileName[] = "CorvellaFreeLearnNumerology";

// The program's name on disk, which also names its settings and its lock.
QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

bool displayAnswers()
{
#ifdef CORVELLA_HAVE_XCB
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    return true;
#endif
}

[[noreturn]] void endWithoutADesktop()
{
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    const bool throughX = showsThroughX(platforms);
    const QByteArray line =
        noDesktopLine(platforms, qgetenv("DISPLAY"), throughX && displayAnswers());
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    // Nothing has been written, and the font thread must not hold the exit up.
    ::_exit(1);
}

// While QApplication is made, Qt's messages are held back: should it fail to reach the X
// server, it would print several lines, suggest reinstalling the program and abort. Then the
// program ends with one plain line instead. Otherwise what was held is passed on afterwards.
class ConnectionMessages
{
public:
    ConnectionMessages() { s_previous = qInstallMessageHandler(&ConnectionMessages::hold); }
    ~ConnectionMessages() { release(); }

    static void release()
    {
        QList<Held> held;
        {
            const std::lock_guard<std::mutex> lock(s_mutex);
            if (!s_previous)
                return;
            qInstallMessageHandler(s_previous);
            s_previous = nullptr;
            held.swap(s_held);
        }
        for (const Held& message : std::as_const(held)) {
            const QMessageLogContext context(message.file.constData(), message.line,
                                             message.function.constData(),
                                             message.category.constData());
            qt_message_output(message.type, context, message.text);
        }
    }

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        // While QApplication is made, the one fatal error there is is failing to open the
        // desktop: no display, one that refused the connection, or a platform that is not
        // installed. Qt's text for that is no help to a user, and it would abort.
        if (type == QtFatalMsg)
            endWithoutADesktop();
        const std::lock_guard<std::mutex> lock(s_mutex);
        s_held.append({type, QByteArray(context.file), context.line, QByteArray(context.function),
                       QByteArray(context.category), text});
    }

    static inline std::mutex s_mutex;
    static inline QtMessageHandler s_previous = nullptr;
    static inline QList<Held> s_held;
};

} // namespace

bool showsThroughX(const QByteArray& platforms)
{
    if (platforms.isEmpty())
        return true;
    // "xcb", or "xcb:option=value", alone or first in a list of platforms to try.
    const QByteArray first = platforms.split(';').constFirst();
    return first.split(':').constFirst() == "xcb";
}

QByteArray noDesktopLine(const QByteArray& platforms, const QByteArray& display, bool xAnswers)
{
    QByteArray why;
    if (!showsThroughX(platforms))
        why = "the platform \"" + platforms + "\" named in QT_QPA_PLATFORM could not be started";
    else if (display.isEmpty())
        why = "no display was found (DISPLAY is not set)";
    else if (!xAnswers)
        why = "no display was found (DISPLAY is \"" + display + "\")";
    else
        why = "the display \"" + display + "\" refused the connection";
    return "Corvella Learn Numerology needs a graphical desktop, but " + why + ".\n";
}

QtCommandLine qtCommandLine(int argc, char* argv[])
{
    QtCommandLine line;
    line.argv[0] = argc > 0 && argv[0] ? argv[0] : kProgramFileName;
    return line;
}

int runApplication(int argc, char* argv[])
{
    if (showsThroughX(qgetenv("QT_QPA_PLATFORM")) && qEnvironmentVariableIsEmpty("DISPLAY"))
        endWithoutADesktop();
    QtCommandLine qtLine = qtCommandLine(argc, argv);
    // Runs while QApplication connects to the display.
    FontConfigurationWarmUp fonts;
    std::optional<ConnectionMessages> connecting(std::in_place);
    QApplication app(qtLine.argc, qtLine.argv);
    connecting.reset();
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/corvella.png")));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvella_software.LearnNumerology"));
    substituteForVerdana();
    // Before the first message box or window measures any text.
    fonts.wait();

    // Made before the lock, the settings store and the window, so that those are gone before
    // it: should a print job be stuck in the print server at the end, the printer ends the
    // process at once as it goes, and everything made after it must already be closed.
    QtServices qt;
    const Services services = qt.services();

    SingleInstance instance(programName());
    if (instance.acquire() == SingleInstance::Result::HeldByAnotherCopy) {
        // The copy already running is left as it is; this one ends after the notice.
        services.messages->information(
            QCoreApplication::translate("Startup", "Application is already running"));
        return 0;
    }
    // A name that could not be taken for another reason (no socket to be had, or another
    // user's process holding it) does not keep the user out: the program starts as if it had
    // been taken.

    qt.random.reseed(static_cast<quint64>(services.clock->timeOfDayMs()));

    // Outlives the window: a write the reminder left under way ends before the program does.
    SettingsStore settings;
    remindOfUpdate(*services.messages, *services.clock, *services.web, settings);

    frmMain window(services);
    qt.messages.setParentWindow(&window);
    window.show();
    window.coBrandRandomize(services.random->next());

    return app.exec();
}

} // namespace corvella
