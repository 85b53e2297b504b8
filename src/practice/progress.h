#pragma once

#include "platform/userfile.h"
#include "practice/cards.h"
#include "practice/scheduler.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

// What the learner has practised, and the file it is kept in.

namespace corvella::practice {

// One question of a finished main-window test.
struct TestQuestion
{
    QString asked;
    QString chosen;
    QString correct;
    CardId card;
};

struct FinishedTest
{
    QDate date;
    bool bySignificance = false;
    int score = 0;
    int outOf = 0;
};

struct Progress
{
    QHash<QString, CardState> cards; // by cardKey; a card absent is new
    QList<FinishedTest> tests;       // oldest first
    QList<TestQuestion> lastTest;    // the last finished test, question by question
    QMap<QDate, DayCounts> days;     // new cards and reviews answered, per calendar date
    SchedulerSettings settings;
};

bool operator==(const TestQuestion& a, const TestQuestion& b);
bool operator==(const FinishedTest& a, const FinishedTest& b);
bool operator==(const Progress& a, const Progress& b);

// A finished main-window test: appends the FinishedTest, replaces lastTest, and gives every
// question's card recordTestAnswer on the test's day (a wrong one is a lapse and missedInTest).
void recordFinishedTest(Progress& progress, const FinishedTest& test,
                        const QList<TestQuestion>& questions);

// The card a test question asked: significance/<subject> for the significance test,
// meaning/<subject>/<value> for the interpretation test.
CardId cardOfSignificanceQuestion(int subject);
CardId cardOfInterpretationEntry(const ContentTables& tables, int entry);

// Format 2 keeps each card's stability, difficulty and last review, the settings and the counts
// per date. A format-1 file (Leitner boxes) is read and converted; the first save over it keeps
// the old file beside the new one as progress.txt.format-1, once.
constexpr int ProgressFormatVersion = 2;
// A progress file larger than this is not read (and set aside).
constexpr qint64 MaximumProgressFileSize = 10 * 1024 * 1024;

// programDataFolder() + "/progress.txt"
QString progressFilePath();

// The human-readable text, with the format version on line 1.
QByteArray writeProgress(const Progress& progress);

struct ProgressRead
{
    enum class Status { NoFile, Read, SetAside, NewerFormat, Unusable };
    Status status = Status::NoFile;
    Progress progress;
    QString message;      // for the learner, one sentence; empty for NoFile and Read
    QString setAsidePath; // where a garbled file was moved (SetAside)
    // SetAside only: the file ended part-way through a record. The progress holds every
    // complete record before the cut, and practice carries on from it.
    bool cutShort = false;
    int format = 0; // the format version the text was written in (Read and cutShort)
};

// Reads the text of a progress file. Pure, never throws: Read, NewerFormat, or SetAside for a
// text that is not a progress file (the caller moves the file; setAsidePath stays empty).
ProgressRead parseProgress(const QByteArray& bytes);

// Reads the file at path through readUserFile (a symbolic link, or a chain of them, followed
// where no other user could have laid it). A garbled file is moved aside under a new name and
// practice starts afresh; a file of a newer format is left as it is; a path that is not a
// regular file, that cannot be read, or that is a link not followed, is Unusable.
ProgressRead loadProgress(const QString& path);

// Both progresses kept: per card the state of the newest review (the writer's on a tie), every
// finished test once (a test in both counts once), lastTest of whichever holds the newer test,
// the writer's settings, and per date the larger of each count.
Progress mergeProgress(const Progress& writer, const Progress& onDisk);

// Writes through replaceFileContents, which makes the folder (0700) when needed. Under an
// exclusive lock on the folder (so two copies of the program take turns), the file's current
// content is read back and merged with progress, so nothing another copy saved is lost; the
// merged progress is given back in merged. Refuses to write over a file of a newer format or
// over anything but a regular file. Writing over a format-1 file first keeps it as
// path + ".format-1" (never replaced once there).
bool saveProgress(const QString& path, const Progress& progress, Progress* merged = nullptr,
                  const FileWriteCalls& calls = FileWriteCalls::system());

} // namespace corvella::practice
