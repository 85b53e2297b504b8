#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <system_error>

namespace corvella {

namespace {

constexpr int kShift = 85;
constexpr int kHighestCode = 255;

// A lock file that no process will ever release (a directory in its place, say) would make
// QSettings wait for it forever, and the program would never get past startup.
constexpr int kLockWaitMs = 1000;

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

QString sectionKey(const QString& key)
{
    return QStringLiteral("Settings/") + EncodeSettingText(key);
}

std::unique_ptr<QSettings> openStore(const QString& applicationName)
{
    auto settings =
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, applicationName);
    // Only the user's own file counts; a system-wide file of the same name must not answer
    // for a key the user never wrote.
    settings->setFallbacksEnabled(false);
    // QSettings parses sections lazily and reports a malformed one only once it has looked
    // at it; parse everything now so that status() speaks for the whole file.
    settings->allKeys();
    return settings;
}

bool lockCanBeTaken(const QString& storeFile)
{
    const QString lockName = storeFile + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockName))
        return true;
    // Taking the lock also clears a stale one left by a process that died while writing.
    QLockFile lock(lockName);
    if (!lock.tryLock(kLockWaitMs))
        return false;
    lock.unlock();
    return true;
}

} // namespace

QString EncodeSettingText(const QString& text)
{
    return shifted(text, kShift);
}

QString DecodeSettingText(const QString& text)
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
    waitForBackgroundWrite();
    return QSettings(QSettings::IniFormat, QSettings::UserScope, m_applicationName).fileName();
}

bool SettingsStore::usable(const QSettings& settings) const
{
    if (settings.status() == QSettings::FormatError)
        m_unparsable = true;
    return !m_unparsable && settings.status() == QSettings::NoError;
}

std::optional<QString> SettingsStore::ReadSetting(const QString& key) const
{
    waitForBackgroundWrite();
    const auto settings = openStore(m_applicationName);
    if (!usable(*settings))
        return std::nullopt;
    const QVariant stored = settings->value(sectionKey(key));
    // A value edited by hand with a comma in it comes back from the INI reader as a list;
    // the comma and the blanks around it would not survive decoding anyway.
    const QString text = stored.userType() == QMetaType::QStringList
                             ? stored.toStringList().join(QString())
                             : stored.toString();
    return DecodeSettingText(text);
}

bool SettingsStore::WriteSetting(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    const auto settings = openStore(m_applicationName);
    // Writing over a file QSettings could not parse would silently drop what it could not
    // understand; leave such a file alone.
    if (!usable(*settings))
        return false;
    if (!lockCanBeTaken(settings->fileName()))
        return false;
    // With atomic sync required (QSettings' default) the file is written to a temporary
    // file beside it and renamed over it; should that be impossible, sync fails instead of
    // rewriting the file in place.
    settings->setAtomicSyncRequired(true);
    settings->setValue(sectionKey(key), EncodeSettingText(value));
    settings->sync();
    return settings->status() == QSettings::NoError;
}

void SettingsStore::WriteSettingInBackground(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    // The worker writes through a store of its own, so that nothing here is shared with it;
    // it starts from what this store knows of the file, and tells what it found out.
    auto worker = std::make_unique<SettingsStore>(m_applicationName);
    worker->m_unparsable = m_unparsable;
    try {
        m_backgroundWrite =
            std::async(std::launch::async, [worker = std::move(worker), key, value] {
                const bool stored = worker->WriteSetting(key, value);
                return BackgroundResult{stored, worker->m_unparsable};
            });
    } catch (const std::system_error&) {
        const bool stored = WriteSetting(key, value);
        std::promise<BackgroundResult> done;
        done.set_value(BackgroundResult{stored, m_unparsable});
        m_backgroundWrite = done.get_future();
    }
}

bool SettingsStore::waitForBackgroundWrite() const
{
    if (!m_backgroundWrite.valid())
        return true;
    const BackgroundResult result = m_backgroundWrite.get();
    m_unparsable = m_unparsable || result.unparsable;
    return result.stored;
}

} // namespace corvella
