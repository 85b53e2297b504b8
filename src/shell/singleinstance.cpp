#include "shell/singleinstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace corvella {

SingleInstance::SingleInstance(const QString& name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = dir + QLatin1Char('/') + name + QLatin1String(".lock");
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes the lock stale: a long-running first copy keeps it. A holder that
    // no longer runs is detected by its process id.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    // tryLock removes a lock whose holder no longer runs before it gives up.
    return m_lock->tryLock(0);
}

} // namespace corvella
