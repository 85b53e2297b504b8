#include "platform/settingsstore.h"

#include "platform/inifile.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvella {

namespace {

constexpr int kShift = 85;
constexpr int kHighestCode = 255;

QString shifted(const QString& text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode();
        if (code > kHighestCode)
            continue; // no ISO 8859-1 code
        const int moved = code + shift;
        if (moved < 0 || moved > kHighestCode)
            continue;
        result.append(QChar(moved));
    }
    return result;
}

const QString kSection = QStringLiteral("Settings");

// Far more than the program ever writes; a larger file is not one of ours and is not read.
constexpr qint64 kMostBytes = 1 << 20;

enum class FileState {
    Read,
    Absent,
    Unreadable,
};

// Reads a regular file whole. Anything else at the path (a folder, a FIFO that would wait for
// a writer, a device) is never opened for reading.
FileState readRegularFile(const QString& path, QByteArray& bytes)
{
    // No folder to keep the file in: there is nothing that could be read.
    if (path.isEmpty())
        return FileState::Unreadable;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? FileState::Absent : FileState::Unreadable;
    if (!S_ISREG(info.st_mode) || info.st_size > kMostBytes)
        return FileState::Unreadable;
    // O_NONBLOCK: should something else have taken the file's place since, opening it must
    // not wait either.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? FileState::Absent : FileState::Unreadable;
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return FileState::Unreadable;
    bytes.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileState::Unreadable;
        if (got == 0)
            return FileState::Read;
        bytes.append(buffer, got);
        if (bytes.size() > kMostBytes)
            return FileState::Unreadable;
    }
}

} // namespace

QString encodeSettingText(const QString& text)
{
    return shifted(text, kShift);
}

QString decodeSettingText(const QString& text)
{
    return shifted(text, -kShift);
}

SettingsStore::SettingsStore()
    : m_applicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
{}

SettingsStore::SettingsStore(const QString& applicationName) : m_applicationName(applicationName) {}

SettingsStore::~SettingsStore()
{
    waitForBackgroundWrite();
}

QString SettingsStore::fileName() const
{
    const QString folder = userConfigFolder();
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + m_applicationName + QStringLiteral(".ini");
}

std::optional<QString> SettingsStore::readSetting(const QString& key) const
{
    waitForBackgroundWrite();
    QByteArray bytes;
    switch (readRegularFile(fileName(), bytes)) {
    case FileState::Absent:
        return QString();
    case FileState::Unreadable:
        return std::nullopt;
    case FileState::Read:
        break;
    }
    IniFile ini;
    if (!parseIni(bytes, ini))
        return std::nullopt;
    const qsizetype line = ini.find(kSection, encodeSettingText(key));
    if (line < 0)
        return QString();
    return decodeSettingText(unescapedValue(ini.lines.at(line).value));
}

bool SettingsStore::writeSetting(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    // A key the encoding leaves nothing of would be a line "=value", which no reader takes
    // for a key: the value could never be read back, and every write would add another line.
    const QString storedKey = encodeSettingText(key);
    if (storedKey.isEmpty())
        return false;
    const QString path = fileName();
    QByteArray bytes;
    // Writing over a file that could not be read, or is not text, would lose what it holds;
    // leave such a file alone.
    if (readRegularFile(path, bytes) == FileState::Unreadable)
        return false;
    IniFile ini;
    if (!parseIni(bytes, ini))
        return false;
    return replaceFileContents(path, withValue(ini, kSection, storedKey, encodeSettingText(value)),
                               m_calls);
}

void SettingsStore::writeSettingInBackground(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    // The worker writes through a store of its own, so that nothing here is shared with it.
    auto worker = std::make_unique<SettingsStore>(m_applicationName);
    worker->m_calls = m_calls;
    try {
        m_backgroundWrite =
            std::async(std::launch::async, [worker = std::move(worker), key, value] {
                return worker->writeSetting(key, value);
            });
    } catch (const std::system_error&) {
        std::promise<bool> done;
        done.set_value(writeSetting(key, value));
        m_backgroundWrite = done.get_future();
    }
}

bool SettingsStore::waitForBackgroundWrite() const
{
    if (!m_backgroundWrite.valid())
        return true;
    return m_backgroundWrite.get();
}

} // namespace corvella
