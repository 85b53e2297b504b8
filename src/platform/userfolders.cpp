#include "platform/userfolders.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace corvella {

namespace {

// The value of the variable when it is an absolute path, else the empty text.
QString absoluteFromEnvironment(const char* name)
{
    const QString value = QFile::decodeName(qgetenv(name));
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

QString underHome(const char* variable, const char* fallback)
{
    const QString fromEnvironment = absoluteFromEnvironment(variable);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString home = userHomeFolder();
    return home.isEmpty() ? QString()
                          : QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(fallback));
}

} // namespace

QString userHomeFolder()
{
    const QString fromEnvironment = absoluteFromEnvironment("HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) {
        const QString fromDatabase = QFile::decodeName(entry->pw_dir);
        if (QDir::isAbsolutePath(fromDatabase))
            return QDir::cleanPath(fromDatabase);
    }
    return {};
}

QString userConfigFolder()
{
    return underHome("XDG_CONFIG_HOME", ".config");
}

QString userDataFolder()
{
    return underHome("XDG_DATA_HOME", ".local/share");
}

QString programDataFolder()
{
    const QString data = userDataFolder();
    return data.isEmpty() ? QString() : data + QStringLiteral("/CorvellaFreeLearnNumerology");
}

QString userStateFolder()
{
    return underHome("XDG_STATE_HOME", ".local/state");
}

QString programStateFolder()
{
    const QString state = userStateFolder();
    return state.isEmpty() ? QString() : state + QStringLiteral("/CorvellaFreeLearnNumerology");
}

} // namespace corvella
