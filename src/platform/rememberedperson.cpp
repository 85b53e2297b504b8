#include "platform/rememberedperson.h"

#include "platform/settingsstore.h"
#include "platform/userfolders.h"

#include <QDir>
#include <QFile>

namespace corvella {

namespace {

QString rememberedPersonPath()
{
    return programDataFolder() + QStringLiteral("/your-numbers.txt");
}

} // namespace

// Three lines: the name, the date of birth and the date looked at.
std::optional<RememberedPerson> loadRememberedPerson()
{
    QFile file(rememberedPersonPath());
    if (file.size() > 4096 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() < 3 || lines[0].trimmed().isEmpty())
        return std::nullopt;
    return RememberedPerson{lines[0].trimmed(), lines[1].trimmed(), lines[2].trimmed()};
}

bool saveRememberedPerson(const RememberedPerson& person)
{
    if (!QDir().mkpath(programDataFolder()))
        return false;
    const QString text = person.name + QLatin1Char('\n') + person.birth + QLatin1Char('\n') +
                         person.lookAt + QLatin1Char('\n');
    return replaceFileContents(rememberedPersonPath(), text.toUtf8());
}

bool forgetRememberedPerson()
{
    QFile file(rememberedPersonPath());
    return !file.exists() || file.remove();
}

} // namespace corvella
