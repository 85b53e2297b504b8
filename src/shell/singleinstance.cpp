#include "shell/singleinstance.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvella {

namespace {

// A folder only this user can change: owned by them, written by no one else.
bool isPrivateFolder(const QByteArray& path)
{
    struct stat info;
    return !path.isEmpty() && path.startsWith('/') && ::lstat(path.constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A folder the user owns, made when absent; other users' permissions do not matter for the
// lock, which only needs a place nobody else can put a file first.
bool ownFolder(const QByteArray& path, mode_t mode)
{
    if (::mkdir(path.constData(), mode) != 0 && errno != EEXIST)
        return false;
    return isPrivateFolder(path);
}

QByteArray homeFolder()
{
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return QByteArray(home);
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QByteArray(entry->pw_dir);
    return {};
}

bool isRegularFile(int fd)
{
    struct stat info;
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// True when fd is still the file at path, not one that has been removed or replaced.
bool stillAtPath(int fd, const QByteArray& path)
{
    struct stat open;
    struct stat named;
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Clears what is not a regular file from the lock's path: an empty folder, a FIFO, a link.
void clearAway(const QByteArray& path)
{
    if (::unlink(path.constData()) != 0 && errno == EISDIR)
        ::rmdir(path.constData());
}

} // namespace

QString SingleInstance::lockFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return QFile::decodeName(runtime);

    // Never a folder shared between users, such as the temporary folder, where another user
    // could make the lock first.
    QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.startsWith('/')) {
        const QByteArray home = homeFolder();
        if (home.isEmpty())
            return {};
        cache = home + "/.cache";
    }
    if (!ownFolder(cache, 0700))
        return {};
    return QFile::decodeName(cache);
}

SingleInstance::SingleInstance(const QString& name)
{
    const QString folder = lockFolder();
    if (!folder.isEmpty())
        m_path = folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance()
{
    // Closing the file ends the kernel lock. The file stays: removing it while another copy
    // may just have opened it would let two copies lock two different files.
    if (m_fd >= 0)
        ::close(m_fd);
}

SingleInstance::Result SingleInstance::acquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    if (m_path.isEmpty())
        return Result::Unavailable;
    const QByteArray path = QFile::encodeName(m_path);

    // Another start may clear away or replace the file at the same moment; a few rounds
    // settle it.
    for (int round = 0; round < 5; ++round) {
        const int fd =
            ::open(path.constData(),
                   O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
        if (fd < 0) {
            // A folder or a link in the file's place, or a file this user may not open: no
            // copy of the program made it, so none holds it.
            if (errno == EISDIR || errno == ELOOP || errno == EACCES) {
                clearAway(path);
                continue;
            }
            return Result::Unavailable;
        }
        if (!isRegularFile(fd)) {
            ::close(fd);
            clearAway(path);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return Result::HeldByAnotherCopy;
            return Result::Unavailable;
        }
        if (!stillAtPath(fd, path)) {
            ::close(fd);
            continue;
        }
        // For whoever looks: the holder's process id. Nothing reads it back.
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        if (::ftruncate(fd, 0) == 0)
            (void)!::write(fd, pid.constData(), size_t(pid.size()));
        m_fd = fd;
        return Result::Acquired;
    }
    return Result::Unavailable;
}

} // namespace corvella
