#include "platform/safewrite.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <signal.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvella {

namespace {

// As many links as the kernel itself follows before it calls the chain a loop.
constexpr int kMostLinks = 40;

// A temporary file that needed a name while it was written is "<file>.partial-<pid>-<n>".
const QByteArray kPartialMark = QByteArrayLiteral(".partial-");

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray fileNameOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// Follows the chain of symbolic links at path to the name at its end, which need not exist.
// False when the chain loops or a step of it cannot be read.
bool followLinks(QByteArray& path)
{
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0)
            return errno == ENOENT;
        if (!S_ISLNK(info.st_mode))
            return true;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (size < 0 || size >= target.size())
            return false;
        target.truncate(size);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    errno = ELOOP;
    return false;
}

// Removes what an earlier write that was ended half-way left beside the file: a named
// temporary file of a process that no longer runs.
void removeLeftovers(const QByteArray& folder, const QByteArray& fileName)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const QByteArray prefix = fileName + kPartialMark;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QByteArray rest = name.mid(prefix.size());
        bool isNumber = false;
        const qint64 pid = rest.left(rest.indexOf('-')).toLongLong(&isNumber);
        // A live writer, this process included, may still be about to rename its file.
        if (!isNumber || pid <= 0 || pid == ::getpid() ||
            !(::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
            continue;
        struct stat info;
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// A name for the temporary file that nothing else in the folder has yet.
QByteArray partialName(const QByteArray& target)
{
    static std::atomic<unsigned> counter{0};
    return target + kPartialMark + QByteArray::number(qint64(::getpid())) + '-' +
           QByteArray::number(counter++);
}

bool writeAll(const FileWriteCalls& calls, int fd, const QByteArray& content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t wrote =
            calls.write(fd, content.constData() + done, static_cast<size_t>(content.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

// Gives the nameless file open at fd a name in the folder; false when that cannot be done
// here (no /proc, say), and the file is then still nameless.
bool nameOpenFile(int fd, QByteArray& name, const QByteArray& target)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 10; ++attempt) {
        name = partialName(target);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            return true;
        if (errno != EEXIST)
            break;
    }
    name.clear();
    return false;
}

// Writes content into a new file in the target's folder, synced and closed, and leaves its
// name in temporary. Made without a name first where the file system allows, so that a process
// ended half-way leaves nothing behind; it gets one only once it is complete.
bool writeTemporary(const QByteArray& target, const QByteArray& content, mode_t mode,
                    const FileWriteCalls& calls, QByteArray& temporary)
{
    for (const bool nameless : {true, false}) {
        temporary.clear();
        int fd = -1;
        if (nameless) {
            fd = ::open(folderOf(target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (fd < 0)
                continue;
        } else {
            temporary = partialName(target) + "XXXXXX";
            fd = ::mkostemp(temporary.data(), O_CLOEXEC);
            if (fd < 0)
                return false;
        }
        const auto abandon = [&temporary](int open) {
            if (open >= 0)
                ::close(open);
            if (!temporary.isEmpty())
                ::unlink(temporary.constData());
            temporary.clear();
            return false;
        };
        if (::fchmod(fd, mode) != 0 || !writeAll(calls, fd, content) || calls.fsync(fd) != 0)
            return abandon(fd);
        if (nameless && !nameOpenFile(fd, temporary, target)) {
            // Written in vain; the next round writes a file that has a name from the start.
            ::close(fd);
            continue;
        }
        // The descriptor is gone after close whatever it returns; a failure there can still
        // mean that data never reached the disk.
        if (calls.close(fd) != 0)
            return abandon(-1);
        return true;
    }
    return false;
}

} // namespace

FileWriteCalls FileWriteCalls::system()
{
    return FileWriteCalls{::write, ::fsync, ::close, ::rename, &syncFolderOnDisk};
}

int FileWriteCalls::syncFolderOnDisk(const char* path)
{
    const int dir = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return -1;
    const int synced = ::fsync(dir);
    ::close(dir);
    return synced;
}

bool replaceFileContents(const QString& path, const QByteArray& content,
                         const FileWriteCalls& calls)
{
    // A link to the real file (a dotfile manager's, say), or a chain of them, stays as it is:
    // the file at the end of the chain is the one replaced.
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || !followLinks(target))
        return false;

    mode_t mode = 0600;
    struct stat info;
    if (::lstat(target.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return false;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        // Not knowing what is there is not knowing that nothing is.
        return false;
    }
    const QByteArray folder = folderOf(target);
    if (!QDir().mkpath(QFile::decodeName(folder)))
        return false;
    removeLeftovers(folder, fileNameOf(target));

    QByteArray temporary;
    if (!writeTemporary(target, content, mode, calls, temporary))
        return false;
    if (calls.rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // So that the rename itself survives a power cut. The new content is in place whatever
    // this answers, so the write counts as done.
    calls.syncFolder(folder.constData());
    return true;
}

} // namespace corvella
