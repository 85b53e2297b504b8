#include "platform/settingsstore.h"

#include "platform/backgroundworker.h"
#include "platform/inifile.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>

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

// Reads the store whole through the one careful reader: anything but a regular file at the
// path (a folder, a FIFO that would wait for a writer, a device) is never read.
FileState readStore(const QString& path, QByteArray& bytes)
{
    UserFileRead read = readUserFile(path, kMostBytes);
    bytes = std::move(read.bytes);
    switch (read.status) {
    case UserFileRead::Status::Read:
        return FileState::Read;
    case UserFileRead::Status::Absent:
        return FileState::Absent;
    default:
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
    settleBackgroundWrite();
}

SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;

QString SettingsStore::fileName() const
{
    const QString folder = userConfigFolder();
    if (folder.isEmpty())
        return {};
    return folder + QLatin1Char('/') + m_applicationName + QStringLiteral(".ini");
}

std::optional<QString> SettingsStore::readSetting(const QString& key) const
{
    settleBackgroundWrite();
    QByteArray bytes;
    switch (readStore(fileName(), bytes)) {
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
    settleBackgroundWrite();
    // A key the encoding leaves nothing of would be a line "=value", which no reader takes
    // for a key: the value could never be read back, and every write would add another line.
    const QString storedKey = encodeSettingText(key);
    if (storedKey.isEmpty())
        return false;
    const QString path = fileName();
    QByteArray bytes;
    // Writing over a file that could not be read, or is not text, would lose what it holds;
    // leave such a file alone.
    if (readStore(path, bytes) == FileState::Unreadable)
        return false;
    IniFile ini;
    if (!parseIni(bytes, ini))
        return false;
    return replaceFileContents(path, withValue(ini, kSection, storedKey, encodeSettingText(value)),
                               m_calls);
}

void SettingsStore::writeSettingInBackground(const QString& key, const QString& value)
{
    settleBackgroundWrite();
    if (!m_worker)
        m_worker = std::make_unique<BackgroundWorker>(QStringLiteral("Settings"));
    // The worker writes through a store of its own, so that nothing here is shared with it.
    m_backgroundWrite = m_worker->run([name = m_applicationName, calls = m_calls, key, value] {
        SettingsStore worker(name);
        worker.m_calls = calls;
        return worker.writeSetting(key, value);
    });
}

void SettingsStore::settleBackgroundWrite() const
{
    if (m_backgroundWrite.valid() && !m_backgroundWrite.get())
        m_backgroundFailed = true;
}

bool SettingsStore::waitForBackgroundWrite() const
{
    settleBackgroundWrite();
    const bool stored = !m_backgroundFailed;
    m_backgroundFailed = false;
    return stored;
}

} // namespace corvella
