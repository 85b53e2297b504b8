#include "platform/rememberedperson.h"

#include "platform/userfile.h"
#include "platform/userfolders.h"

#include <QStringDecoder>
#include <QStringList>

#include <mutex>

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

} // namespace

std::optional<RememberedPerson> loadRememberedPerson()
{
    const QString path = fileName();
    if (path.isEmpty())
        return std::nullopt;
    const UserFileRead read = readUserFile(path, MaximumSize);
    if (read.status != UserFileRead::Status::Read)
        return std::nullopt;
    const QByteArray bytes = withoutByteOrderMark(read.bytes);
    if (bytes.contains('\0'))
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

bool saveRememberedPerson(const RememberedPerson& person, QString* why)
{
    // Without a home folder there is no data folder, and makeUserFolder says so.
    if (!makeUserFolder(programDataFolder(), why))
        return false;
    const QString path = fileName();
    QByteArray content = "# Corvella Learn Numerology: the name and dates last typed into Your "
                         "Numbers\n";
    content += FormatLine + '\n';
    content += lineOf("name", person.name);
    content += lineOf("birth", person.birth);
    content += lineOf("lookAt", person.lookAt);
    return replaceFileContents(path, content, FileWriteCalls::system(), why);
}

bool forgetRememberedPerson(QString* why)
{
    return removeUserFile(fileName(), why);
}

// The person waiting to be written; shared with the worker's thread.
struct PersonKeeper::Pending
{
    std::mutex mutex;
    std::optional<RememberedPerson> next;
};

PersonKeeper::PersonKeeper(std::function<void(const QString&)> failed)
    : m_failed(std::move(failed)), m_pending(std::make_shared<Pending>()),
      m_worker(QStringLiteral("Your Numbers"))
{}

PersonKeeper::~PersonKeeper() = default;

void PersonKeeper::keep(const RememberedPerson& person)
{
    if (m_last == person)
        return;
    m_last = person;
    {
        const std::lock_guard<std::mutex> lock(m_pending->mutex);
        const bool queued = m_pending->next.has_value();
        m_pending->next = person;
        if (queued)
            return; // the write queued already takes the latest
    }
    m_worker.post(
        [pending = m_pending] {
            std::optional<RememberedPerson> next;
            {
                const std::lock_guard<std::mutex> lock(pending->mutex);
                next.swap(pending->next);
            }
            // Empty when written: every failure comes with its reason.
            QString why;
            if (next)
                saveRememberedPerson(*next, &why);
            return why;
        },
        [this](const QString& why) {
            if (why.isEmpty()) {
                m_told = false;
            } else if (!m_told) {
                m_told = true;
                if (m_failed)
                    m_failed(why);
            }
        });
}

bool PersonKeeper::forget(QString* why)
{
    m_worker.waitForIdle();
    m_last.reset();
    return forgetRememberedPerson(why);
}

} // namespace corvella
