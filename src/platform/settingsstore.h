#pragma once

#include <QString>

#include <future>
#include <optional>

class QSettings;

namespace corvella {

// Keys and values never reach the store as typed: every character is shifted up by 85 in
// ISO 8859-1. A character that has no ISO 8859-1 code, or whose shifted code would leave
// the 0..255 range, is dropped, so only texts made of codes 0..170 survive a round trip.
QString EncodeSettingText(const QString& text);
QString DecodeSettingText(const QString& text);

// The program's few settings, kept per user in an INI file named after the program file,
// under section "Settings". A copy of the program under another file name has its own,
// empty, store.
//
// The file is replaced as a whole through a temporary file and a rename, so a crash in the
// middle of a write leaves the previous file in place. A store that cannot be read, that
// holds something other than INI text, or that cannot be written is reported to the caller
// instead of being repaired: callers at startup skip their work silently.
//
// A write can also go to a worker thread, for a caller that must not wait for the disk. Every
// other use of the store, and its destruction, first waits for that write to end, so the store
// is never seen half-written by this program and a write started is never dropped.
class SettingsStore
{
public:
    // Named after the running program file, without its extension.
    SettingsStore();
    explicit SettingsStore(const QString& applicationName);
    ~SettingsStore();
    SettingsStore(SettingsStore&&) = default;
    SettingsStore& operator=(SettingsStore&&) = default;

    QString applicationName() const { return m_applicationName; }
    // Where the store lives on disk; it need not exist yet.
    QString fileName() const;

    // The empty text when the key was never written; nothing when the store cannot be read.
    std::optional<QString> ReadSetting(const QString& key) const;
    // False when the value could not be stored; the store is then as it was before.
    bool WriteSetting(const QString& key, const QString& value);

    // Starts writing the value on a worker thread and returns at once. Without a thread to
    // be had, writes it before returning; waitForBackgroundWrite() tells the outcome either way.
    void WriteSettingInBackground(const QString& key, const QString& value);
    // Waits for the background write, if one is under way; false when it could not store its
    // value. True when there is none.
    bool waitForBackgroundWrite() const;

private:
    bool usable(const QSettings& settings) const;

    struct BackgroundResult
    {
        bool stored;
        bool unparsable;
    };

    QString m_applicationName;
    mutable std::future<BackgroundResult> m_backgroundWrite;
    // QSettings keeps files it has parsed in a process-wide cache and reports a parse error
    // only to the first reader; later readers get what it could make of the file. So once a
    // file is found unparsable, this store keeps saying so.
    mutable bool m_unparsable = false;
};

} // namespace corvella
