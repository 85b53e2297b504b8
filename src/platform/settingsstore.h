#pragma once

#include "platform/userfile.h"

#include <QString>

#include <future>
#include <memory>
#include <optional>

namespace corvella {

class BackgroundWorker;

// Keys and values never reach the store as typed: every character is shifted up by 85 in
// ISO 8859-1. A character that has no ISO 8859-1 code, or whose shifted code would leave
// the 0..255 range, is dropped, so only texts made of codes 0..170 survive a round trip.
QString encodeSettingText(const QString& text);
QString decodeSettingText(const QString& text);

// The program's few settings, kept per user in an INI file named after the program file,
// under section "Settings". A copy of the program under another file name has its own,
// empty, store. Only the user's own file counts: no system-wide file answers for a key the
// user never wrote.
//
// The reader is lenient: lines it does not understand (a line without "=", a comment, an
// unclosed section name) are passed over, and a rewrite keeps them and every other section
// as they were, changing only the line of the key written. A file that is not text (not
// UTF-8, or holding NUL bytes), that is not a regular file, or that cannot be read is
// reported to the caller and never written over: callers at startup skip their work
// silently. A write that cannot be completed leaves the previous file whole (see
// replaceFileContents).
//
// A write can also go to a worker thread, for a caller that must not wait for the disk. Every
// other use of the store, and its destruction, first waits for that write to end, so the store
// is never seen half-written by this program and a write started is never dropped; a failure
// of it is kept until waitForBackgroundWrite() tells it.
class SettingsStore
{
public:
    // Named after the running program file, without its extension.
    SettingsStore();
    explicit SettingsStore(const QString& applicationName);
    ~SettingsStore();
    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;

    QString applicationName() const { return m_applicationName; }
    // Where the store lives on disk, in the user's configuration folder (see userfolders.h);
    // it need not exist yet. Empty when the user has no home folder at all: such a store can
    // be neither read nor written.
    QString fileName() const;

    // The empty text when the key was never written; nothing when the store cannot be read.
    std::optional<QString> readSetting(const QString& key) const;
    // False when the value could not be stored, also for a key the encoding leaves nothing of;
    // the store is then as it was before.
    bool writeSetting(const QString& key, const QString& value);

    // Starts writing the value on a worker thread and returns at once. Without a thread to
    // be had, writes it before returning; waitForBackgroundWrite() tells the outcome either way.
    void writeSettingInBackground(const QString& key, const QString& value);
    // Waits for the background write, if one is under way; false when a background write
    // since the last call could not store its value, even one another use of the store has
    // waited for meanwhile. True when there was none.
    bool waitForBackgroundWrite() const;

    // The system calls later writes go through.
    void setFileWriteCalls(const FileWriteCalls& calls) { m_calls = calls; }

private:
    // Waits for the background write under way and keeps its failure for the next
    // waitForBackgroundWrite().
    void settleBackgroundWrite() const;

    QString m_applicationName;
    FileWriteCalls m_calls = FileWriteCalls::system();
    std::unique_ptr<BackgroundWorker> m_worker; // made with the first background write
    mutable std::future<bool> m_backgroundWrite;
    mutable bool m_backgroundFailed = false;
};

} // namespace corvella
