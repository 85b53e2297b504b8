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
#include <sys/file.h>
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

// Whether a's state comes from a later review than b's; on the same day, the one with more
// answers.
bool newerReview(const CardState& a, const CardState& b)
{
    if (a.lastReview != b.lastReview)
        return !b.lastReview.isValid() || (a.lastReview.isValid() && a.lastReview > b.lastReview);
    return qint64(a.right) + a.wrong > qint64(b.right) + b.wrong;
}

// The tests of `from` that `in` does not hold, counting repeats: two equal tests in `from` and
// one in `in` leave one.
QList<FinishedTest> testsNotIn(const QList<FinishedTest>& from, const QList<FinishedTest>& in)
{
    QList<FinishedTest> left = in;
    QList<FinishedTest> extra;
    for (const FinishedTest& test : from) {
        const qsizetype at = left.indexOf(test);
        if (at >= 0)
            left.removeAt(at);
        else
            extra.append(test);
    }
    return extra;
}

// Holds an exclusive lock on a folder for as long as it lives; the lock goes with the
// descriptor, so nothing is left behind, not even by a copy that is killed.
class FolderLock
{
public:
    explicit FolderLock(const QString& folder)
        : m_fd(::open(nativeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd < 0)
            return;
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

// What a file the save is about to replace holds: Read (possibly cutShort) to be merged, or
// NoFile when there is none or nothing complete in it.
ProgressRead readBack(const QString& path, QByteArray& bytes)
{
    struct stat info;
    const int fd = openRegular(path, info);
    if (fd < 0)
        return {};
    const bool complete = readUpTo(fd, MaximumProgressFileSize, bytes);
    ::close(fd);
    if (!complete || bytes.size() > MaximumProgressFileSize)
        return {};
    return parseProgress(bytes);
}

// Writes the bytes of a format-1 file to a copy beside it, unless a copy is there already: the
// first copy is the one kept. False when the copy could not be written.
bool keepFormatOneCopy(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = nativeName(path + QStringLiteral(".format-1"));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    const bool ok = written == bytes.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok)
        ::unlink(name.constData());
    return ok;
}

} // namespace

Progress mergeProgress(const Progress& writer, const Progress& onDisk)
{
    Progress merged = writer;
    for (auto it = onDisk.cards.cbegin(); it != onDisk.cards.cend(); ++it) {
        const auto mine = merged.cards.find(it.key());
        if (mine == merged.cards.end())
            merged.cards.insert(it.key(), *it);
        else if (newerReview(*it, *mine))
            *mine = *it;
    }
    const QList<FinishedTest> theirs = testsNotIn(onDisk.tests, writer.tests);
    const QList<FinishedTest> ours = testsNotIn(writer.tests, onDisk.tests);
    merged.tests.append(theirs);
    std::stable_sort(merged.tests.begin(), merged.tests.end(),
                     [](const FinishedTest& a, const FinishedTest& b) { return a.date < b.date; });
    // The last test is the one of whichever finished a test the other has not seen, the later
    // one when both did.
    if (!theirs.isEmpty() && (ours.isEmpty() || theirs.last().date > ours.last().date))
        merged.lastTest = onDisk.lastTest;
    for (auto it = onDisk.days.cbegin(); it != onDisk.days.cend(); ++it) {
        DayCounts& day = merged.days[it.key()];
        day.newShown = std::max(day.newShown, it->newShown);
        day.moreNew = std::max(day.moreNew, it->moreNew);
        day.reviews = std::max(day.reviews, it->reviews);
    }
    return merged;
}

void recordFinishedTest(Progress& progress, const FinishedTest& test,
                        const QList<TestQuestion>& questions)
{
    progress.tests.append(test);
    progress.lastTest = questions;
    for (const TestQuestion& q : questions) {
        recordTestAnswer(progress.cards[cardKey(q.card)], q.chosen == q.correct, test.date,
                         progress.settings);
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

bool saveProgress(const QString& path, const Progress& progress, Progress* merged,
                  const FileWriteCalls& calls)
{
    // The end of a chain of links is the file replaced, so that every link stays as it was.
    const QString target = finalTarget(path);
    if (target.isEmpty() || !makeFolder(QFileInfo(target).absolutePath()))
        return false;
    // Read, merge and write in one turn: another copy of the program saving at the same time
    // waits here, and then merges what this one wrote.
    const FolderLock lock(QFileInfo(target).absolutePath());
    if (!mayReplace(target))
        return false;
    Progress result = progress;
    QByteArray bytes;
    const ProgressRead onDisk = readBack(target, bytes);
    if (onDisk.status == ProgressRead::Status::Read || onDisk.cutShort) {
        result = mergeProgress(progress, onDisk.progress);
        if (onDisk.format == 1 && !keepFormatOneCopy(target, bytes))
            return false;
    }
    if (!replaceFileContents(target, writeProgress(result), calls))
        return false;
    if (merged)
        *merged = std::move(result);
    return true;
}

} // namespace corvella::practice
