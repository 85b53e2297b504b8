#include "platform/userfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
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

QString shown(const QByteArray& path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path));
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void tell(QString* why, const QString& sentence)
{
    if (why)
        *why = sentence;
}

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

// The user, or root: the only owners whose links and folders are trusted.
bool trustedOwner(uid_t owner)
{
    return owner == ::geteuid() || owner == 0;
}

enum class Chain {
    Followed, // path now names the end of the chain, which need not exist
    Loop,
    Untrusted, // a link, or the folder it lies in, belongs to another user
    Failed,    // a step could not be looked at (errno set)
};

// Follows the chain of symbolic links at path to the name at its end. A link is followed only
// when it and the folder it lies in belong to the user or to root: another user who may write
// to the folder (a shared or world-writable one) could have laid it to point anywhere.
Chain followLinks(QByteArray& path)
{
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0)
            return errno == ENOENT ? Chain::Followed : Chain::Failed;
        if (!S_ISLNK(info.st_mode))
            return Chain::Followed;
        struct stat folder;
        if (::stat(folderOf(path).constData(), &folder) != 0)
            return Chain::Failed;
        if (!trustedOwner(info.st_uid) || !trustedOwner(folder.st_uid))
            return Chain::Untrusted;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (size < 0)
            return Chain::Failed;
        if (size >= target.size()) {
            errno = ENAMETOOLONG;
            return Chain::Failed;
        }
        target.truncate(size);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    return Chain::Loop;
}

// Follows the chain at path; false with the reason told when it cannot be.
bool followChain(QByteArray& path, QString* why, int* error)
{
    const QByteArray asked = path;
    const Chain chain = followLinks(path);
    const int failure = errno;
    switch (chain) {
    case Chain::Followed:
        return true;
    case Chain::Loop:
        *error = ELOOP;
        tell(why,
             QCoreApplication::translate("UserFile", "The file %1 is a loop of symbolic links.")
                 .arg(shown(asked)));
        return false;
    case Chain::Untrusted:
        *error = EPERM;
        tell(why, QCoreApplication::translate(
                      "UserFile",
                      "The file %1 is a symbolic link that another user could have made, so it is "
                      "not followed and the file is left alone.")
                      .arg(shown(asked)));
        return false;
    case Chain::Failed:
        *error = failure;
        tell(why, QCoreApplication::translate("UserFile", "The file %1 cannot be looked at (%2).")
                      .arg(shown(asked), systemError(failure)));
        return false;
    }
    return false;
}

struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

enum class Attempt {
    Done,
    Again, // the file went between being found and being opened
};

Attempt readOnce(const QByteArray& asked, qint64 mostBytes, const FileReadCalls& calls,
                 UserFileRead& read)
{
    read = UserFileRead{};
    QByteArray target = asked;
    if (!followChain(target, &read.why, &read.error)) {
        read.status = read.error == ELOOP || read.error == EPERM ? UserFileRead::Status::Refused
                                                                 : UserFileRead::Status::Failed;
        return Attempt::Done;
    }
    read.path = QFile::decodeName(target);
    const auto failed = [&read, &target](int error) {
        read.status = UserFileRead::Status::Failed;
        read.error = error;
        read.why = QCoreApplication::translate("UserFile", "The file %1 cannot be read (%2).")
                       .arg(shown(target), systemError(error));
        return Attempt::Done;
    };
    const auto notRegular = [&read, &target] {
        read.status = UserFileRead::Status::NotRegular;
        read.why = QCoreApplication::translate("UserFile", "The file %1 is not an ordinary file.")
                       .arg(shown(target));
        return Attempt::Done;
    };
    struct stat info;
    if (::lstat(target.constData(), &info) != 0) {
        if (errno == ENOENT)
            return Attempt::Done; // Absent
        return failed(errno);
    }
    if (S_ISLNK(info.st_mode))
        return Attempt::Again; // laid since the chain was followed
    if (!S_ISREG(info.st_mode))
        return notRegular();
    // O_NONBLOCK: should a FIFO or a device have taken the file's place since, opening it must
    // not wait; O_NOFOLLOW: nor may a link laid there meanwhile be followed unchecked.
    Descriptor file{
        calls.open(target.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW)};
    if (file.fd < 0)
        return errno == ENOENT || errno == ELOOP ? Attempt::Again : failed(errno);
    if (::fstat(file.fd, &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular();
    const qint64 limit = info.st_size > mostBytes ? mostBytes : mostBytes + 1;
    char buffer[65536];
    while (read.bytes.size() < limit) {
        const ssize_t got =
            ::read(file.fd, buffer, size_t(qMin<qint64>(sizeof buffer, limit - read.bytes.size())));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            break;
        read.bytes.append(buffer, got);
    }
    if (info.st_size > mostBytes || read.bytes.size() > mostBytes) {
        read.bytes.truncate(mostBytes);
        read.status = UserFileRead::Status::TooLarge;
        read.why = QCoreApplication::translate(
                       "UserFile", "The file %1 is larger than any this program writes.")
                       .arg(shown(target));
        return Attempt::Done;
    }
    read.status = UserFileRead::Status::Read;
    return Attempt::Done;
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
        if (wrote == 0)
            errno = ENOSPC;
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

// What the new file takes over from the old one.
struct Kept
{
    mode_t mode = 0600;
    // Set when the old file belongs to another owner or group than this process makes files
    // with (root saving a user's file, say).
    bool owner = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

// Writes content into a new file in the target's folder, synced and closed, and leaves its
// name in temporary. Made without a name first where the file system allows, so that a process
// ended half-way leaves nothing behind; it gets one only once it is complete. errno tells why
// when it fails.
bool writeTemporary(const QByteArray& target, const QByteArray& content, const Kept& kept,
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
            const int error = errno;
            if (open >= 0)
                ::close(open);
            if (!temporary.isEmpty())
                ::unlink(temporary.constData());
            temporary.clear();
            errno = error;
            return false;
        };
        // The owner first: changing it may clear the mode's set-id bits. Only a process with
        // the right to gives a file away; without it the file stays this user's own.
        if (kept.owner)
            (void)!::fchown(fd, kept.uid, kept.gid);
        if (::fchmod(fd, kept.mode) != 0 || !writeAll(calls, fd, content) || calls.fsync(fd) != 0)
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

FileReadCalls FileReadCalls::system()
{
    return FileReadCalls{[](const char* path, int flags) { return ::open(path, flags); }};
}

UserFileRead readUserFile(const QString& path, qint64 mostBytes, const FileReadCalls& calls)
{
    UserFileRead read;
    if (path.isEmpty()) {
        read.status = UserFileRead::Status::Failed;
        read.error = ENOENT;
        read.why = QCoreApplication::translate(
            "UserFile", "There is no folder to keep the file in: the home folder is unknown.");
        return read;
    }
    const QByteArray asked = QFile::encodeName(path);
    // Once more when the file went between being found and being opened: a writer's rename.
    if (readOnce(asked, mostBytes, calls, read) == Attempt::Again &&
        readOnce(asked, mostBytes, calls, read) == Attempt::Again) {
        read.status = UserFileRead::Status::Failed;
        read.error = EAGAIN;
        read.why = QCoreApplication::translate("UserFile", "The file %1 changed while it was read.")
                       .arg(shown(asked));
    }
    return read;
}

bool replaceFileContents(const QString& path, const QByteArray& content,
                         const FileWriteCalls& calls, QString* why)
{
    // A link to the real file (a dotfile manager's, say), or a chain of them, stays as it is:
    // the file at the end of the chain is the one replaced.
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty()) {
        tell(why, QCoreApplication::translate(
                      "UserFile",
                      "There is no folder to keep the file in: the home folder is unknown."));
        return false;
    }
    int error = 0;
    if (!followChain(target, why, &error))
        return false;
    const auto failed = [why, &target](int failure) {
        tell(why, QCoreApplication::translate("UserFile", "The file %1 could not be written (%2).")
                      .arg(shown(target), systemError(failure)));
        return false;
    };

    Kept kept;
    struct stat info;
    if (::lstat(target.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            tell(why, QCoreApplication::translate(
                          "UserFile", "The file %1 is not an ordinary file, so it is left alone.")
                          .arg(shown(target)));
            return false;
        }
        kept.mode = info.st_mode & 07777;
        kept.owner = info.st_uid != ::geteuid() || info.st_gid != ::getegid();
        kept.uid = info.st_uid;
        kept.gid = info.st_gid;
    } else if (errno != ENOENT) {
        // Not knowing what is there is not knowing that nothing is.
        return failed(errno);
    }
    const QByteArray folder = folderOf(target);
    if (!makeUserFolder(QFile::decodeName(folder), why))
        return false;
    removeLeftovers(folder, fileNameOf(target));

    QByteArray temporary;
    if (!writeTemporary(target, content, kept, calls, temporary))
        return failed(errno);
    if (calls.rename(temporary.constData(), target.constData()) != 0) {
        const int failure = errno;
        ::unlink(temporary.constData());
        return failed(failure);
    }
    // So that the rename itself survives a power cut. The new content is in place whatever
    // this answers, so the write counts as done.
    calls.syncFolder(folder.constData());
    return true;
}

bool removeUserFile(const QString& path, QString* why)
{
    if (path.isEmpty())
        return true;
    const QByteArray native = QFile::encodeName(path);
    // ENOTDIR: a file in the place of a folder on the way, so no file can be there.
    if (::unlink(native.constData()) == 0 || errno == ENOENT || errno == ENOTDIR)
        return true;
    tell(why, QCoreApplication::translate("UserFile", "The file %1 could not be removed (%2).")
                  .arg(shown(native), systemError(errno)));
    return false;
}

bool makeUserFolder(const QString& path, QString* why)
{
    const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
    const auto isFolder = [&native] {
        struct stat info;
        return ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    };
    if (native.isEmpty()) {
        tell(why, QCoreApplication::translate(
                      "UserFile",
                      "There is no folder to keep the file in: the home folder is unknown."));
        return false;
    }
    if (isFolder())
        return true;
    const QByteArray parent = folderOf(native);
    if (parent != native && !makeUserFolder(QFile::decodeName(parent), why))
        return false;
    if (::mkdir(native.constData(), 0700) == 0 || (errno == EEXIST && isFolder()))
        return true;
    tell(why, QCoreApplication::translate("UserFile", "The folder %1 could not be made (%2).")
                  .arg(shown(native), systemError(errno == EEXIST ? ENOTDIR : errno)));
    return false;
}

QByteArray withoutByteOrderMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

} // namespace corvella
