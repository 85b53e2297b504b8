#pragma once

#include "platform/backgroundworker.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace corvella {

// The name and dates last typed into Your Numbers, kept in the program's data folder so that
// they come back when the window opens next time.
struct RememberedPerson
{
    QString name;
    QString birth;  // as typed, "yyyy-MM-dd"
    QString lookAt; // as typed, "yyyy-MM-dd"; empty when the chart looked at the day it was made

    bool operator==(const RememberedPerson& other) const
    {
        return name == other.name && birth == other.birth && lookAt == other.lookAt;
    }
};

// programDataFolder() + "/your-numbers.txt", read through readUserFile (a FIFO or a device
// there never holds the window up; a leading byte-order mark is passed over); nothing when it
// is absent or cannot be read (not this format, too large, not text). Read only when asked,
// never at start-up.
std::optional<RememberedPerson> loadRememberedPerson();
// Written through replaceFileContents, the folder made by makeUserFolder when missing. False,
// with why set, when it could not be stored; the file is then as it was.
bool saveRememberedPerson(const RememberedPerson& person, QString* why = nullptr);
// Removes the file; true when none is left.
bool forgetRememberedPerson(QString* why = nullptr);

// Keeps the person last charted without holding up the window: the file is synced to the disk,
// which can take a while on a busy one, so it is written on a worker thread. One write runs at
// a time; what comes meanwhile waits, and only the latest of it is written; the same again is
// not written at all. Every write handed over is done before the keeper is gone.
class PersonKeeper
{
public:
    // failed(why) runs on this thread when a write could not be done, once until a later
    // write succeeds again: one word that the person is not kept, not one per chart.
    explicit PersonKeeper(std::function<void(const QString& why)> failed);
    ~PersonKeeper();
    PersonKeeper(const PersonKeeper&) = delete;
    PersonKeeper& operator=(const PersonKeeper&) = delete;

    void keep(const RememberedPerson& person);
    // Waits for the writes handed over, then removes the file; after it the same person is
    // written again when kept.
    bool forget(QString* why);

private:
    struct Pending;
    std::function<void(const QString&)> m_failed;
    std::shared_ptr<Pending> m_pending;
    std::optional<RememberedPerson> m_last;
    bool m_told = false;
    // Last, so that it ends, and finishes its writes, before the rest goes.
    BackgroundWorker m_worker;
};

} // namespace corvella
