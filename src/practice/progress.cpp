#include "practice/progress.h"

#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
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

// Whether a file already at the path may be replaced: absent, empty, or a progress file of
// this version or an older one. Anything else (a newer format, a file that cannot be read, a
// folder, a FIFO, a link that is not followed) is left alone.
bool mayReplace(const QString& path)
{
    const UserFileRead read = readUserFile(path, 256);
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
    const UserFileRead file = readUserFile(path, MaximumProgressFileSize);
    const QString target = file.path;
    ProgressRead read;
    switch (file.status) {
    case UserFileRead::Status::Absent:
        return {};
    case UserFileRead::Status::Refused:
        if (file.error == ELOOP)
            return unusable(QStringLiteral("Your practice record %1 is a loop of symbolic links, "
                                           "so today's practice will not be saved.")
                                .arg(path));
        return unusable(QCoreApplication::translate(
                            "Progress", "Your practice record %1 is a symbolic link that another "
                                        "user could have made, so it is left alone and today's "
                                        "practice will not be saved.")
                            .arg(path));
    case UserFileRead::Status::NotRegular:
        return unusable(QStringLiteral("Your practice record %1 is not an ordinary file, so it is "
                                       "left alone and today's practice will not be saved.")
                            .arg(target));
    case UserFileRead::Status::Failed:
        return unusable(QStringLiteral("Your practice record %1 cannot be read (%2), so it is "
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
        return unusable(QStringLiteral("Your practice record %1 could not be read, nor kept aside "
                                       "under another name, so it is left as it is and today's "
                                       "practice will not be saved.")
                            .arg(target));
    if (read.cutShort)
        read.message = QStringLiteral("Your practice record ended part-way through, so it was "
                                      "kept as %1 and practice carries on from what could be "
                                      "read.")
                           .arg(read.setAsidePath);
    else if (file.status == UserFileRead::Status::TooLarge)
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
    return mayReplace(path) && replaceFileContents(path, writeProgress(progress), calls);
}

QString progressNotSavedMessage(const QString& path)
{
    return QStringLiteral("Your practice could not be saved in %1, so it is kept only until the "
                          "program closes.")
        .arg(path);
}

} // namespace corvella::practice
