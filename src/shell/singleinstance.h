#pragma once

#include <QString>

namespace corvella {

// One running copy per logged-on user: a lock file in a folder of the user's own (the runtime
// folder, else the user's cache folder), held with a kernel lock that ends with the process
// that took it. So only a live copy can hold it: a copy that crashed or was killed leaves no
// block, and whatever the file holds (nothing, noise, the id of a process long gone) does not
// matter. Something other than a file at the lock's path is cleared away and the lock taken.
class SingleInstance
{
public:
    enum class Result {
        Acquired,          // this process now holds the lock
        HeldByAnotherCopy, // a live copy holds it
        Unavailable,       // no per-user folder, or the lock could not be made there
    };

    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result acquire();
    // Empty when the user has no folder of their own to keep it in.
    QString lockPath() const { return m_path; }

    // The folder the lock goes in: the runtime folder when it is the user's own and private,
    // else a folder in the user's cache. Empty when neither can be had.
    static QString lockFolder();

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace corvella
