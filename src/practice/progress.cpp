#include "practice/progress.h"

#include "platform/userfolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvella::practice {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaximumLinks = 40;

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

// The file a path names at the end of its chain of symbolic links (it need not exist); empty
// for a loop or a chain too long to follow.
QString finalTarget(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int step = 0; step <= MaximumLinks; ++step) {
        struct stat info;
        if (::lstat(nativeName(current).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length =
            ::readlink(nativeName(current).constData(), target.data(), target.size());
        if (length <= 0 || length >= target.size())
            return {};
        target.truncate(length);
        const QString next = QFile::decodeName(target);
        current = QDir::cleanPath(
            QDir::isAbsolutePath(next) ? next : QFileInfo(current).absolutePath() + u'/' + next);
    }
    return {};
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens a regular file for reading without waiting on a FIFO or a device: -1 (errno set) when
// it cannot be opened or is not a regular file (then errno is 0).
int openRegular(const QString& path, struct stat& info)
{
    const int fd = ::open(nativeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISREG(info.st_mode) ? errno : 0;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Reads at most limit bytes; false on a read error. A file longer than limit gives limit + 1.
bool readUpTo(int fd, qint64 limit, QByteArray& bytes)
{
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    if (bytes.size() > limit)
        bytes.truncate(limit + 1);
    return true;
}

// Moves the file to a name of its own beside it: progress.txt.unreadable-20261207-153000, with
// -2, -3, ... added when that is taken. Never replaces a file already there.
QString setAside(const QString& path)
{
    const QString stem = path + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? stem : stem + QStringLiteral("-%1").arg(n);
        const QByteArray from = nativeName(path);
        const QByteArray to = nativeName(name);
        // A hard link fails when the name is taken; then the old name goes.
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return name;
        }
        if (errno == EEXIST)
            continue;
        // A file system without hard links: rename, but only onto a name that is free.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) ==
            0)
            return name;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

ProgressRead unusable(const QString& message)
{
    ProgressRead read;
    read.status = ProgressRead::Status::Unusable;
    read.message = message;
    return read;
}

// Creates the folder and any missing folder above it, readable by the user alone.
bool makeFolder(const QString& folder)
{
    struct stat info;
    if (::stat(nativeName(folder).constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !makeFolder(parent))
        return false;
    return ::mkdir(nativeName(folder).constData(), 0700) == 0 || errno == EEXIST;
}

// Whether a file already at the path may be replaced: absent, empty, or a progress file of
// this version or an older one. Anything else (a newer format, a file that cannot be read, a
// folder, a FIFO) is left alone.
bool mayReplace(const QString& path)
{
    struct stat info;
    if (::lstat(nativeName(path).constData(), &info) != 0)
        return errno == ENOENT;
    const int fd = openRegular(path, info);
    if (fd < 0)
        return false;
    QByteArray head;
    const bool read = readUpTo(fd, 256, head);
    ::close(fd);
    if (!read)
        return false;
    if (head.isEmpty())
        return true;
    const qsizetype lineEnd = head.indexOf('\n');
    if (lineEnd < 0)
        return false;
    const ProgressRead header = parseProgress(head.left(lineEnd + 1) + "end\n");
    return header.status == ProgressRead::Status::Read;
}

} // namespace

void recordFinishedTest(Progress& progress, const FinishedTest& test,
                        const QList<TestQuestion>& questions)
{
    progress.tests.append(test);
    progress.lastTest = questions;
    for (const TestQuestion& q : questions) {
        if (q.chosen == q.correct)
            continue;
        CardState& state = progress.cards[cardKey(q.card)];
        state.box = 1;
        state.due = test.date;
        state.missedInTest = true;
    }
}

CardId cardOfSignificanceQuestion(int subject)
{
    return CardId{CardKind::Significance, subject, 0};
}

CardId cardOfInterpretationEntry(const ContentTables& tables, int entry)
{
    const int subject = subjectOfEntry(tables, entry);
    if (subject < 0)
        return CardId{CardKind::Meaning, 0, 0};
    return CardId{CardKind::Meaning, subject, tables.InterpretationValue[entry]};
}

QString progressFilePath()
{
    return programDataFolder() + QStringLiteral("/progress.txt");
}

ProgressRead loadProgress(const QString& path)
{
    const QString target = finalTarget(path);
    if (target.isEmpty())
        return unusable(QStringLiteral("Your practice record %1 is a loop of symbolic links, so "
                                       "today's practice will not be saved.")
                            .arg(path));
    struct stat info;
    if (::lstat(nativeName(target).constData(), &info) != 0) {
        if (errno == ENOENT)
            return {};
        return unusable(QStringLiteral("Your practice record %1 cannot be reached (%2), so "
                                       "today's practice will not be saved.")
                            .arg(target, errorText(errno)));
    }
    if (!S_ISREG(info.st_mode))
        return unusable(QStringLiteral("Your practice record %1 is not an ordinary file, so it is "
                                       "left alone and today's practice will not be saved.")
                            .arg(target));

    ProgressRead read;
    if (info.st_size > MaximumProgressFileSize) {
        read.status = ProgressRead::Status::SetAside;
    } else {
        const int fd = openRegular(target, info);
        if (fd < 0) {
            if (errno == 0)
                return unusable(QStringLiteral("Your practice record %1 is not an ordinary file, "
                                               "so it is left alone and today's practice will "
                                               "not be saved.")
                                    .arg(target));
            return unusable(QStringLiteral("Your practice record %1 cannot be read (%2), so it is "
                                           "left alone and today's practice will not be saved.")
                                .arg(target, errorText(errno)));
        }
        QByteArray bytes;
        const bool complete = readUpTo(fd, MaximumProgressFileSize, bytes);
        const int error = errno;
        ::close(fd);
        if (!complete)
            return unusable(QStringLiteral("Your practice record %1 cannot be read (%2), so it is "
                                           "left alone and today's practice will not be saved.")
                                .arg(target, errorText(error)));
        // The file grew past the limit while it was read.
        if (bytes.size() > MaximumProgressFileSize)
            read.status = ProgressRead::Status::SetAside;
        else
            read = parseProgress(bytes);
    }
    if (read.status != ProgressRead::Status::SetAside)
        return read;

    read.setAsidePath = setAside(target);
    if (read.setAsidePath.isEmpty())
        return unusable(QStringLiteral("Your practice record %1 could not be read, nor kept aside "
                                       "under another name, so it is left as it is and today's "
                                       "practice will not be saved.")
                            .arg(target));
    if (read.cutShort)
        read.message = QStringLiteral("Your practice record ended part-way through, so it was "
                                      "kept as %1 and practice carries on from what could be "
                                      "read.")
                           .arg(read.setAsidePath);
    else if (info.st_size > MaximumProgressFileSize)
        read.message = QStringLiteral("Your practice record was larger than 10 MB, far more than "
                                      "practice ever writes, so it was kept as %1 and practice "
                                      "starts afresh.")
                           .arg(read.setAsidePath);
    else
        read.message = QStringLiteral("Your practice record could not be read, so it was kept as "
                                      "%1 and practice starts afresh.")
                           .arg(read.setAsidePath);
    return read;
}

bool saveProgress(const QString& path, const Progress& progress, const FileWriteCalls& calls)
{
    // The end of a chain of links is the file replaced, so that every link stays as it was.
    const QString target = finalTarget(path);
    if (target.isEmpty() || !makeFolder(QFileInfo(target).absolutePath()) || !mayReplace(target))
        return false;
    return replaceFileContents(target, writeProgress(progress), calls);
}

QString progressNotSavedMessage(const QString& path)
{
    return QStringLiteral("Your practice could not be saved in %1, so it is kept only until the "
                          "program closes.")
        .arg(path);
}

} // namespace corvella::practice
