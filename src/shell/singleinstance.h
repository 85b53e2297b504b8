#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace corvella {

// One running copy per logged-on user: a lock file in the user's runtime directory. The lock
// records the holder's process id, so a copy that crashed or was killed leaves no lasting
// block: the next start finds the holder gone and takes the lock over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance();

    // True when this process now holds the lock; false when another running copy does.
    bool acquire();
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace corvella
