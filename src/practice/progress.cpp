#include "practice/progress.h"

#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvella::practice {

namespace {

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
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

// Whether the file found at a path may be replaced: absent, empty, or a progress file of this
// version or an older one. Anything else (a newer format, a file that cannot be read, a folder,
// a FIFO, a link that is not followed) is left alone.
bool mayReplace(const UserFileRead& read)
{
    if (read.status == UserFileRead::Status::Absent)
        return true;
    if (read.status != UserFileRead::Status::Read && read.status != UserFileRead::Status::TooLarge)
        return false;
    const QByteArray& head = read.bytes;
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

// Keeps the bytes of a format-1 file in a copy beside it, unless something is there already:
// the first copy is the one kept. False when the copy could not be written.
bool keepFormatOneCopy(const QString& path, const QByteArray& bytes)
{
    const QString copy = path + QStringLiteral(".format-1");
    if (readUserFile(copy, 0).status != UserFileRead::Status::Absent)
        return true;
    return replaceFileContents(copy, bytes);
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
    const UserFileRead file = readUserFile(path, MaximumProgressFileSize);
    const QString target = file.path;
    ProgressRead read;
    switch (file.status) {
    case UserFileRead::Status::Absent:
        return {};
    case UserFileRead::Status::Refused:
        if (file.error == ELOOP)
            return unusable(QCoreApplication::translate(
                                "Progress", "Your practice record %1 is a loop of symbolic links, "
                                            "so today's practice will not be saved.")
                                .arg(path));
        return unusable(QCoreApplication::translate(
                            "Progress", "Your practice record %1 is a symbolic link that another "
                                        "user could have made, so it is left alone and today's "
                                        "practice will not be saved.")
                            .arg(path));
    case UserFileRead::Status::NotRegular:
        return unusable(QCoreApplication::translate(
                            "Progress", "Your practice record %1 is not an ordinary file, so it is "
                                        "left alone and today's practice will not be saved.")
                            .arg(target));
    case UserFileRead::Status::Failed:
        return unusable(QCoreApplication::translate(
                            "Progress", "Your practice record %1 cannot be read (%2), so it is "
                                        "left alone and today's practice will not be saved.")
                            .arg(target.isEmpty() ? path : target, errorText(file.error)));
    case UserFileRead::Status::TooLarge:
        read.status = ProgressRead::Status::SetAside;
        break;
    case UserFileRead::Status::Read:
        read = parseProgress(file.bytes);
        break;
    }
    if (read.status != ProgressRead::Status::SetAside)
        return read;

    read.setAsidePath = setAside(target);
    if (read.setAsidePath.isEmpty())
        return unusable(QCoreApplication::translate(
                            "Progress", "Your practice record %1 could not be read, nor kept aside "
                                        "under another name, so it is left as it is and today's "
                                        "practice will not be saved.")
                            .arg(target));
    if (read.cutShort)
        read.message = QCoreApplication::translate(
                           "Progress", "Your practice record ended part-way through, so it was "
                                       "kept as %1 and practice carries on from what could be "
                                       "read.")
                           .arg(read.setAsidePath);
    else if (file.status == UserFileRead::Status::TooLarge)
        read.message = QCoreApplication::translate(
                           "Progress", "Your practice record was larger than 10 MB, far more than "
                                       "practice ever writes, so it was kept as %1 and practice "
                                       "starts afresh.")
                           .arg(read.setAsidePath);
    else
        read.message = QCoreApplication::translate(
                           "Progress", "Your practice record could not be read, so it was kept as "
                                       "%1 and practice starts afresh.")
                           .arg(read.setAsidePath);
    return read;
}

bool saveProgress(const QString& path, const Progress& progress, Progress* merged,
                  const FileWriteCalls& calls)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!makeUserFolder(folder))
        return false;
    // Read, merge and write in one turn: another copy of the program saving at the same time
    // waits here, and then merges what this one wrote.
    const FolderLock lock(folder);
    const UserFileRead file = readUserFile(path, MaximumProgressFileSize);
    if (!mayReplace(file))
        return false;
    Progress result = progress;
    if (file.status == UserFileRead::Status::Read) {
        const ProgressRead onDisk = parseProgress(file.bytes);
        if (onDisk.status == ProgressRead::Status::Read || onDisk.cutShort) {
            result = mergeProgress(progress, onDisk.progress);
            if (onDisk.format == 1 && !keepFormatOneCopy(file.path, file.bytes))
                return false;
        }
    }
    // The end of a chain of links is the file replaced, so that every link stays as it was.
    if (!replaceFileContents(path, writeProgress(result), calls))
        return false;
    if (merged)
        *merged = std::move(result);
    return true;
}

} // namespace corvella::practice
