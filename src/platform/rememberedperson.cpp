#include "platform/rememberedperson.h"

#include "platform/settingsstore.h"
#include "platform/userfolders.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>

#include <sys/stat.h>

namespace corvella {

namespace {

// A file of a few lines: anything much larger is not ours.
constexpr qint64 MaximumSize = 16 * 1024;
const QByteArray FormatLine = QByteArrayLiteral("format=1");

QString fileName()
{
    const QString folder = programDataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/your-numbers.txt");
}

// One line per value: a line break typed into a value would start a new key.
QByteArray lineOf(const char* key, const QString& value)
{
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QByteArray(key) + '=' + flat.toUtf8() + '\n';
}

bool makeFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) == 0 || errno == EEXIST)
        return true;
    if (errno != ENOENT)
        return false;
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    if (slash <= 0 || !makeFolder(path.left(slash)))
        return false;
    return ::mkdir(native.constData(), 0700) == 0 || errno == EEXIST;
}

} // namespace

std::optional<RememberedPerson> loadRememberedPerson()
{
    const QString path = fileName();
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MaximumSize + 1);
    if (bytes.size() > MaximumSize || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    const QStringList lines = text.split(QLatin1Char('\n'));
    int at = 0;
    while (at < lines.size() && lines[at].startsWith(QLatin1Char('#')))
        ++at;
    if (at >= lines.size() || lines[at].trimmed() != QLatin1String(FormatLine))
        return std::nullopt;
    RememberedPerson person;
    for (++at; at < lines.size(); ++at) {
        const QString line = lines[at];
        const int equals = int(line.indexOf(QLatin1Char('=')));
        if (line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1);
        if (key == QLatin1String("name"))
            person.name = value;
        else if (key == QLatin1String("birth"))
            person.birth = value.trimmed();
        else if (key == QLatin1String("lookAt"))
            person.lookAt = value.trimmed();
    }
    return person;
}

bool saveRememberedPerson(const RememberedPerson& person)
{
    const QString path = fileName();
    if (path.isEmpty() || !makeFolder(programDataFolder()))
        return false;
    QByteArray content = "# Corvella Learn Numerology: the name and dates last typed into Your "
                         "Numbers\n";
    content += FormatLine + '\n';
    content += lineOf("name", person.name);
    content += lineOf("birth", person.birth);
    content += lineOf("lookAt", person.lookAt);
    return replaceFileContents(path, content);
}

bool forgetRememberedPerson()
{
    const QString path = fileName();
    if (path.isEmpty())
        return true;
    const QByteArray native = QFile::encodeName(path);
    struct stat status;
    if (::lstat(native.constData(), &status) != 0)
        return errno == ENOENT;
    return QFile::remove(path);
}

} // namespace corvella
