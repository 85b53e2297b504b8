#include "practice/progress.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvella;
using namespace corvella::practice;
using Status = ProgressRead::Status;

Q_DECLARE_METATYPE(corvella::practice::ProgressRead::Status)

namespace {

const QDate Today(2026, 12, 7);

// A progress with something of every kind, texts included that a line-based file must guard
// against: line breaks, blanks, percent signs, "=", non-Latin letters, the empty text.
CardState card(double stability, double difficulty, const QDate& last, const QDate& due, int right,
               int wrong, bool missed = false, bool relearning = false)
{
    return CardState{stability, difficulty, last, due, right, wrong, missed, relearning};
}

Progress sampleProgress(int variant = 0)
{
    Progress p;
    p.days.insert(Today.addDays(-1), DayCounts{10, 10, 3});
    p.days.insert(Today, DayCounts{4 + variant, 0, 2});
    p.settings = SchedulerSettings{0.85, 12, 80};
    p.cards.insert(QStringLiteral("significance/3"),
                   card(2.5, 5.2824, Today.addDays(-1), Today.addDays(2), 3, 1));
    p.cards.insert(QStringLiteral("meaning/9/22"),
                   card(0.4026, 7.1949, Today, Today, 0, 2, true, true));
    p.cards.insert(QStringLiteral("sum/0"),
                   card(16, 4.5, Today.addDays(-1), Today.addDays(16), 9 + variant, 0));
    p.cards.insert(QStringLiteral("meaning/4/31"), CardState{});
    p.tests.append(FinishedTest{Today.addDays(-3), true, 12, 15});
    p.tests.append(FinishedTest{Today, false, 0, 25});
    p.lastTest.append(TestQuestion{QStringLiteral("Pinnacle Number 3"),
                                   QStringLiteral("A long paragraph,\nwith two lines\r\nand 100% = "
                                                  "all; \"quoted\" \t tab"),
                                   QStringLiteral("Ünïcödé – “curly” ✓ 𝄞"),
                                   CardId{CardKind::Meaning, 9, 3}});
    p.lastTest.append(TestQuestion{QString(), QStringLiteral(" "), QStringLiteral("end"),
                                   CardId{CardKind::Significance, 14, 0}});
    return p;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The names in the folder, in order, parted by blanks.
QString entriesOf(const QString& folder)
{
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                   QDir::Name)
        .join(u' ');
}

// Injected failures: each step of a write fails in turn.
ssize_t failingWrite(int, const void*, size_t)
{
    errno = ENOSPC;
    return -1;
}
ssize_t shortWrite(int fd, const void* data, size_t size)
{
    return ::write(fd, data, size > 1 ? size / 2 : size) > 0 ? 0 : -1;
}
int failingSync(int)
{
    errno = EIO;
    return -1;
}
int failingClose(int fd)
{
    ::close(fd);
    errno = EIO;
    return -1;
}
int failingRename(const char*, const char*)
{
    errno = EXDEV;
    return -1;
}

} // namespace

class TestPracticeProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenTextReadsBack()
    {
        const Progress p = sampleProgress();
        const QByteArray text = writeProgress(p);
        QVERIFY(text.startsWith("CorvellaFreeLearnNumerology progress 2\n"));
        QVERIFY(text.endsWith("\nend\n"));
        // One record per line, whatever the texts hold.
        QCOMPARE(text.count('\n'), 2 + 1 + 2 + 4 + 2 + 2 + 1);
        QVERIFY(text.contains("card key=meaning/9/22 stability=0.4026 difficulty=7.1949 "
                              "last=2026-12-07 due=2026-12-07 right=0 wrong=2 missed=1 "
                              "relearning=1\n"));
        QVERIFY(text.contains("settings retention=0.85 new=12 reviews=80\n"));
        QVERIFY(text.contains("day date=2026-12-06 new=10 more=10 reviews=3\n"));
        QVERIFY(text.contains("test date=2026-12-07 kind=interpretation score=0 of=25\n"));
        const ProgressRead read = parseProgress(text);
        QCOMPARE(read.status, Status::Read);
        QVERIFY(read.message.isEmpty());
        QVERIFY(read.progress == p);
        QCOMPARE(writeProgress(read.progress), text);
        QCOMPARE(parseProgress(writeProgress(Progress{})).status, Status::Read);
    }

    // Whatever the program holds, what it writes reads back: values a file cannot name are left
    // out or written plainly, never as a line that would make the whole file unreadable.
    void oddValuesStillWriteAReadableFile()
    {
        Progress p = sampleProgress();
        p.cards.insert(QStringLiteral("not a card"), card(1, 5, Today, Today, 0, 0));
        p.cards.insert(QStringLiteral("sum/1"), card(1e9, 12, QDate(), QDate(999, 1, 2), -4, 1));
        p.cards.insert(QStringLiteral("sum/2"), card(1, 5, Today, QDate(12345, 1, 2), 0, 0));
        p.cards.insert(QStringLiteral("sum/3"), card(std::nan(""), -1, Today, Today, 0, 0));
        p.settings = SchedulerSettings{std::nan(""), 99, -5};
        p.tests.append(FinishedTest{QDate(), true, 30, 20});
        p.lastTest.append(TestQuestion{QStringLiteral("q"), QStringLiteral("a"),
                                       QStringLiteral("b"), CardId{CardKind::Meaning, 99, -3}});
        const ProgressRead read = parseProgress(writeProgress(p));
        QCOMPARE(read.status, Status::Read);
        QVERIFY(!read.progress.cards.contains(QStringLiteral("not a card")));
        QCOMPARE(read.progress.cards.value(QStringLiteral("sum/1")),
                 card(MaximumIntervalDays, 10, QDate(), QDate(999, 1, 2), 0, 1));
        QVERIFY(read.progress.cards.value(QStringLiteral("sum/3")).isNew());
        QCOMPARE(read.progress.settings, (SchedulerSettings{0.9, 50, 0}));
        QCOMPARE(read.progress.cards.value(QStringLiteral("sum/2")).due, QDate());
        QCOMPARE(read.progress.tests.last(), (FinishedTest{QDate(), true, 20, 20}));
        QCOMPARE(read.progress.lastTest.size(), p.lastTest.size() - 1);
    }

    // Lines a person may add or an editor may change: comments, blank lines, CR LF.
    void humanEditsAreRead()
    {
        QByteArray text = writeProgress(sampleProgress());
        text.replace("\ncard", "\n# a note\n\n  \ncard");
        QCOMPARE(parseProgress(text).status, Status::SetAside); // "  " is not a record
        text = writeProgress(sampleProgress());
        text.replace("\ncard", "\n# a note\n\ncard");
        text.replace("\n", "\r\n");
        const ProgressRead read = parseProgress(text);
        QCOMPARE(read.status, Status::Read);
        QVERIFY(read.progress == sampleProgress());
    }

    void textsThatAreNotProgress_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        const QByteArray good = writeProgress(sampleProgress());
        const QByteArray head = "CorvellaFreeLearnNumerology progress 1\n";
        const QByteArray head2 = "CorvellaFreeLearnNumerology progress 2\n";
        const QByteArray card2 = "card key=sum/0 stability=%1 difficulty=%2 last= due= right=0 "
                                 "wrong=0 missed=0 relearning=0\n";
        QTest::newRow("empty: nothing to lose") << QByteArray() << Status::NoFile;
        QTest::newRow("another program's file")
            << QByteArray("[Settings]\nx=1\n") << Status::SetAside;
        QTest::newRow("binary") << QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10)
                                << Status::SetAside;
        QTest::newRow("NUL inside")
            << QByteArray(good).replace("stability=2.5", QByteArray("stability=\0", 11))
            << Status::SetAside;
        QTest::newRow("version 0")
            << QByteArray("CorvellaFreeLearnNumerology progress 0\nend\n") << Status::SetAside;
        QTest::newRow("version not a number")
            << QByteArray("CorvellaFreeLearnNumerology progress one\nend\n") << Status::SetAside;
        QTest::newRow("newer version") << QByteArray("CorvellaFreeLearnNumerology progress 3\n"
                                                     "card key=x/1 shape=unknown\n")
                                       << Status::NewerFormat;
        QTest::newRow("much newer, no end")
            << QByteArray("CorvellaFreeLearnNumerology progress 17") << Status::NewerFormat;
        QTest::newRow("unknown record") << head + "colour blue\nend\n" << Status::SetAside;
        QTest::newRow("box 6") << head + "card key=sum/0 box=6 due= right=0 wrong=0 missed=0\nend\n"
                               << Status::SetAside;
        QTest::newRow("fields out of order")
            << head + "card key=sum/0 due= box=1 right=0 wrong=0 missed=0\nend\n"
            << Status::SetAside;
        QTest::newRow("a field missing")
            << head + "card key=sum/0 box=1 due= right=0 wrong=0\nend\n"
            << Status::SetAside;
        QTest::newRow("two blanks") << head + "card key=sum/0  box=1 due= right=0 wrong=0 "
                                              "missed=0\nend\n"
                                    << Status::SetAside;
        QTest::newRow("not a card") << head + "card key=sum/15 box=1 due= right=0 wrong=0 "
                                              "missed=0\nend\n"
                                    << Status::SetAside;
        QTest::newRow("30 February") << head + "test date=2026-02-30 kind=significance score=1 "
                                               "of=2\nend\n"
                                     << Status::SetAside;
        QTest::newRow("score above the count")
            << head + "test date=2026-02-03 kind=significance score=3 of=2\nend\n"
            << Status::SetAside;
        QTest::newRow("count too large") << head + "test date=2026-02-03 kind=significance "
                                                   "score=3 of=9999999999\nend\n"
                                         << Status::SetAside;
        QTest::newRow("raw blank in a text")
            << head + "question card=sum/0 asked=a b chosen= correct=\nend\n"
            << Status::SetAside;
        QTest::newRow("bad percent")
            << head + "question card=sum/0 asked=%4 chosen= correct=\nend\n"
            << Status::SetAside;
        QTest::newRow("not UTF-8 inside a text")
            << head + "question card=sum/0 asked=%FF chosen= correct=\nend\n"
            << Status::SetAside;
        QTest::newRow("records after the end")
            << good + QByteArray(card2).replace("%1", "1").replace("%2", "5") << Status::SetAside;
        // Format 2's numbers: plain decimals in range, nothing a locale or printf could add.
        const char* const badNumbers[][2] = {
            {"-1", "5"},  {"1e3", "5"}, {"nan", "5"}, {"1,5", "5"}, {"36501", "5"}, {"1", "10.5"},
            {"1", "0.5"}, {".5", "5"},  {"1.", "5"},  {"1", ""},    {"1.2.3", "5"}};
        for (const auto& bad : badNumbers)
            QTest::addRow("stability %s, difficulty %s", bad[0], bad[1])
                << head2 + QByteArray(card2).replace("%1", bad[0]).replace("%2", bad[1]) + "end\n"
                << Status::SetAside;
        QTest::newRow("retention above 1")
            << head2 + "settings retention=1.5 new=10 reviews=100\nend\n"
            << Status::SetAside;
        QTest::newRow("blank space after the end") << good + "\n \n" << Status::Read;
        QTest::newRow("a byte-order mark first") << "\xEF\xBB\xBF" + good << Status::Read;
        QTest::newRow("a byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << Status::NoFile;
    }
    void textsThatAreNotProgress()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Status, status);
        const ProgressRead read = parseProgress(bytes);
        QCOMPARE(read.status, status);
        QCOMPARE(read.message.isEmpty(), status == Status::Read || status == Status::NoFile);
        QVERIFY(!read.cutShort);
        if (status != Status::Read)
            QVERIFY(read.progress == Progress{});
    }

    // Every cut of a whole file: before the end of the first line it is not a progress file; after,
    // the complete records before the cut are kept and the file is still set aside.
    void everyCutOfAFile()
    {
        const QByteArray whole = writeProgress(sampleProgress());
        const qsizetype headerEnd = whole.indexOf('\n');
        for (qsizetype cut = 1; cut < whole.size(); ++cut) {
            const ProgressRead read = parseProgress(whole.left(cut));
            QCOMPARE(read.status, Status::SetAside);
            QCOMPARE(read.cutShort, cut >= headerEnd);
            QVERIFY(!read.message.isEmpty());
            if (!read.cutShort)
                continue;
            // What was kept is what a file of the complete lines says.
            const QByteArray complete =
                whole.left(std::max(whole.lastIndexOf('\n', cut - 1) + 1, headerEnd + 1));
            const ProgressRead completeRead = parseProgress(complete + "end\n");
            QCOMPARE(completeRead.status, Status::Read);
            QVERIFY(read.progress == completeRead.progress);
        }
    }

    // ---- the file ----

    void savedAndLoaded()
    {
        QTemporaryDir home;
        const QString folder = home.path() + QStringLiteral("/data/CorvellaFreeLearnNumerology");
        const QString path = folder + QStringLiteral("/progress.txt");
        QCOMPARE(loadProgress(path).status, Status::NoFile);
        QVERIFY(saveProgress(path, sampleProgress()));
        // The program's folder and the missing one above it are the user's alone.
        for (const QString& f : {folder, home.path() + QStringLiteral("/data")}) {
            struct stat info;
            QCOMPARE(::stat(QFile::encodeName(f).constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 0777), 0700);
        }
        QCOMPARE(entriesOf(folder), QStringLiteral("progress.txt"));
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::Read);
        QVERIFY(read.progress == sampleProgress());
        QVERIFY(saveProgress(path, sampleProgress(1)));
        QVERIFY(loadProgress(path).progress == sampleProgress(1));
        QCOMPARE(entriesOf(folder), QStringLiteral("progress.txt"));
    }

    void progressFileIsInTheProgramsDataFolder()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QCOMPARE(progressFilePath(),
                 data.path() + QStringLiteral("/CorvellaFreeLearnNumerology/progress.txt"));
        qunsetenv("XDG_DATA_HOME");
    }

    void aFailedWriteLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("write fails") << 0;
        QTest::newRow("short writes") << 1;
        QTest::newRow("sync fails") << 2;
        QTest::newRow("close fails") << 3;
        QTest::newRow("rename fails") << 4;
    }
    void aFailedWriteLeavesTheOldFile()
    {
        QFETCH(int, step);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(saveProgress(path, sampleProgress()));
        const QByteArray before = readAll(path);
        FileWriteCalls calls = FileWriteCalls::system();
        switch (step) {
        case 0:
            calls.write = failingWrite;
            break;
        case 1:
            calls.write = shortWrite;
            break;
        case 2:
            calls.fsync = failingSync;
            break;
        case 3:
            calls.close = failingClose;
            break;
        default:
            calls.rename = failingRename;
            break;
        }
        QVERIFY(!saveProgress(path, sampleProgress(1), nullptr, calls));
        QCOMPARE(readAll(path), before);
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt"));
    }

    void aFolderThatCannotBeMade()
    {
        QTemporaryDir home;
        // A file stands where the data folder should be.
        QVERIFY(writeFile(home.filePath(QStringLiteral("data")), "a file"));
        const QString path =
            home.filePath(QStringLiteral("data/CorvellaFreeLearnNumerology/progress.txt"));
        QVERIFY(!saveProgress(path, sampleProgress()));
        QCOMPARE(readAll(home.filePath(QStringLiteral("data"))), QByteArray("a file"));
        QCOMPARE(loadProgress(path).status, Status::Unusable);
    }

    void aFolderThatCannotBeWritten()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("progress.txt"));
        QVERIFY(saveProgress(path, sampleProgress()));
        const QByteArray before = readAll(path);
        QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool saved = saveProgress(path, sampleProgress(1));
        QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(readAll(path), before);
    }

    // A folder, a FIFO, a device: never opened for reading, never replaced.
    void notAnOrdinaryFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device") << "device";
    }
    void notAnOrdinaryFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("progress.txt"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        // A FIFO opened for reading would wait here for a writer that never comes.
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::Unusable);
        QVERIFY2(read.message.contains(QStringLiteral("not an ordinary file")),
                 qPrintable(read.message));
        QVERIFY(!saveProgress(path, sampleProgress()));
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(path).isDir());
    }

    // A chain of links: read from the file at its end, written through it, every link kept.
    void aChainOfSymbolicLinks()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("real/deeper")));
        const QString target = folder.filePath(QStringLiteral("real/deeper/mine.txt"));
        const QString middle = folder.filePath(QStringLiteral("real/middle"));
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QCOMPARE(::symlink("deeper/mine.txt", QFile::encodeName(middle).constData()), 0);
        QCOMPARE(::symlink("real/middle", QFile::encodeName(path).constData()), 0);
        // Dangling at first: the first save makes the file at the end.
        QCOMPARE(loadProgress(path).status, Status::NoFile);
        QVERIFY(saveProgress(path, sampleProgress()));
        QVERIFY(saveProgress(path, sampleProgress(1)));
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(QFileInfo(middle).isSymLink());
        QCOMPARE(readAll(target), writeProgress(sampleProgress(1)));
        QVERIFY(loadProgress(path).progress == sampleProgress(1));
        // Garbled at the end of the chain: the file there is set aside, the links stay.
        QVERIFY(writeFile(target, "garbage\n"));
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::SetAside);
        QVERIFY(read.setAsidePath.startsWith(target + QStringLiteral(".unreadable-")));
        QCOMPARE(readAll(read.setAsidePath), QByteArray("garbage\n"));
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(QFileInfo(middle).isSymLink());
    }

    void aLoopOfSymbolicLinks()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QCOMPARE(::symlink("other", QFile::encodeName(path).constData()), 0);
        QCOMPARE(::symlink("progress.txt",
                           QFile::encodeName(folder.filePath(QStringLiteral("other"))).constData()),
                 0);
        QCOMPARE(loadProgress(path).status, Status::Unusable);
        QVERIFY(!saveProgress(path, sampleProgress()));
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("other progress.txt"));
    }

    // Garbled files are kept under names of their own, never over one another.
    void garbledFilesAreKeptAside()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QStringList kept;
        for (int i = 0; i < 3; ++i) {
            const QByteArray garbage =
                QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) + QByteArray::number(i);
            QVERIFY(writeFile(path, garbage));
            const ProgressRead read = loadProgress(path);
            QCOMPARE(read.status, Status::SetAside);
            QVERIFY(read.progress == Progress{});
            QVERIFY2(read.message.contains(read.setAsidePath), qPrintable(read.message));
            QVERIFY(!kept.contains(read.setAsidePath));
            QCOMPARE(readAll(read.setAsidePath), garbage);
            QVERIFY(!QFileInfo::exists(path));
            kept << read.setAsidePath;
        }
        // Practice starts afresh in a file of its own.
        QVERIFY(saveProgress(path, sampleProgress()));
        QCOMPARE(entriesOf(folder.path()).count(u' '), 3);
    }

    void aFileCutShortKeepsWhatItCan()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        const QByteArray whole = writeProgress(sampleProgress());
        const QByteArray cut = whole.left(whole.indexOf("test date=") + 20);
        QVERIFY(writeFile(path, cut));
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::SetAside);
        QVERIFY(read.cutShort);
        QCOMPARE(read.progress.cards, sampleProgress().cards);
        QVERIFY(read.progress.tests.isEmpty());
        QCOMPARE(readAll(read.setAsidePath), cut);
        QVERIFY(saveProgress(path, read.progress));
    }

    // Larger than 10 MB: set aside without being read into memory.
    void aHugeFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(writeProgress(sampleProgress())) > 0);
            QVERIFY(f.resize(MaximumProgressFileSize + 1)); // sparse: costs no disk
        }
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::SetAside);
        QVERIFY(read.message.contains(QStringLiteral("10 MB")));
        QCOMPARE(QFileInfo(read.setAsidePath).size(), MaximumProgressFileSize + 1);
        // Exactly 10 MB is read (and, being padded with NUL bytes, set aside as garbled).
        QVERIFY(writeFile(path, QByteArray()));
        QVERIFY(QFile(path).resize(MaximumProgressFileSize));
        const ProgressRead limit = loadProgress(path);
        QCOMPARE(limit.status, Status::SetAside);
        QVERIFY(!limit.message.contains(QStringLiteral("10 MB")));
    }

    // A file from a newer version is left exactly as it is: read, save and read again.
    void aNewerFormatIsNeverWrittenOver()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        const QByteArray newer = "CorvellaFreeLearnNumerology progress 3\nstar key=x\n";
        QVERIFY(writeFile(path, newer));
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::NewerFormat);
        QVERIFY(!read.message.isEmpty());
        QVERIFY(!saveProgress(path, sampleProgress()));
        QCOMPARE(readAll(path), newer);
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt"));
    }

    // A file that cannot be read is not replaced by one that knows nothing of it.
    void anUnreadableFileIsLeftAlone()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(saveProgress(path, sampleProgress()));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QCOMPARE(loadProgress(path).status, Status::Unusable);
        QVERIFY(!saveProgress(path, sampleProgress(1)));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readAll(path), writeProgress(sampleProgress()));
    }

    // An empty file (made by hand, never by a save) holds nothing: read as no file, written over.
    void anEmptyFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        QVERIFY(writeFile(path, QByteArray()));
        QCOMPARE(loadProgress(path).status, Status::NoFile);
        QVERIFY(saveProgress(path, sampleProgress()));
        QCOMPARE(loadProgress(path).status, Status::Read);
    }

    // A writer killed at random moments, again and again: the file is always the old whole
    // progress or the new one.
    void killedWhileWriting()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        // Large enough that a kill often lands inside a write.
        Progress a = sampleProgress(0);
        Progress b = sampleProgress(1);
        for (int i = 0; i < 3000; ++i)
            b.tests.append(FinishedTest{Today, i % 2 == 0, i % 15, 15});
        const QByteArray textA = writeProgress(a);
        const QByteArray textB = writeProgress(b);
        QVERIFY(saveProgress(path, a));
        QRandomGenerator random(20261207);
        int sawA = 0;
        int sawB = 0;
        for (int round = 0; round < 150; ++round) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (int n = 0;; ++n)
                    saveProgress(path, n % 2 == 0 ? b : a);
            }
            ::usleep(random.bounded(200, 30000));
            ::kill(child, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status));
            const QByteArray now = readAll(path);
            QVERIFY2(now == textA || now == textB,
                     qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
            (now == textA ? sawA : sawB)++;
            QCOMPARE(loadProgress(path).status, Status::Read);
        }
        qInfo("after 150 kills: the first progress %d times, the second %d times", sawA, sawB);
    }

    // ---- format 1, and two copies of the program ----

    // A file of the old boxes is read as starting stabilities; the first save over it keeps it
    // beside the new file, and no later save touches that copy.
    void formatOneIsConvertedAndKeptOnce()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        const QByteArray old = "CorvellaFreeLearnNumerology progress 1\n"
                               "new-cards day=2026-12-07 shown=3\n"
                               "card key=sum/0 box=3 due=2026-12-09 right=3 wrong=1 missed=0\n"
                               "card key=meaning/9/22 box=1 due=2026-12-07 right=0 wrong=2 "
                               "missed=1\n"
                               "test date=2026-12-07 kind=significance score=12 of=15\n"
                               "end\n";
        QVERIFY(writeFile(path, old));
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::Read);
        QCOMPARE(read.format, 1);
        const CardState sum = read.progress.cards.value(QStringLiteral("sum/0"));
        QCOMPARE(sum, card(4, 5.282434422319005, Today.addDays(-2), Today.addDays(2), 3, 1));
        const CardState missed = read.progress.cards.value(QStringLiteral("meaning/9/22"));
        QVERIFY(missed.missedInTest && missed.relearning);
        QCOMPARE(missed.stability, 1.0);
        QCOMPARE(read.progress.days.value(Today), (DayCounts{3, 0, 0}));

        QVERIFY(saveProgress(path, read.progress));
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt progress.txt.format-1"));
        QCOMPARE(readAll(path + QStringLiteral(".format-1")), old);
        const ProgressRead converted = loadProgress(path);
        QCOMPARE(converted.format, ProgressFormatVersion);
        // Another format-1 file later (an older copy of the program wrote it): converted
        // again, but the copy kept is still the first.
        QVERIFY(writeFile(path, QByteArray(old).replace("box=3", "box=5")));
        QVERIFY(saveProgress(path, loadProgress(path).progress));
        QCOMPARE(readAll(path + QStringLiteral(".format-1")), old);
        QCOMPARE(loadProgress(path).progress.cards.value(QStringLiteral("sum/0")).stability, 16.0);
    }

    // Merging what the writer holds with what the file holds: nothing either answered is lost.
    void mergeKeepsBoth()
    {
        Progress mine = sampleProgress(0);
        Progress theirs = sampleProgress(0);
        // Theirs answered sum/0 a day later; mine answered significance/3 more that same day.
        theirs.cards[QStringLiteral("sum/0")] = card(20, 4, Today, Today.addDays(20), 10, 0);
        mine.cards[QStringLiteral("significance/3")].right += 1;
        theirs.cards.insert(QStringLiteral("sum/5"), CardState{});
        mine.cards.insert(QStringLiteral("sum/6"), CardState{});
        // Each finished one test since; theirs the later one. An equal test twice stays twice.
        mine.tests.append(FinishedTest{Today, true, 3, 3});
        theirs.tests.append(FinishedTest{Today.addDays(1), true, 2, 3});
        theirs.tests.append(FinishedTest{Today.addDays(1), true, 2, 3});
        theirs.lastTest = {TestQuestion{QStringLiteral("q"), QStringLiteral("a"),
                                        QStringLiteral("a"), CardId{CardKind::Sum, 1, 0}}};
        theirs.settings = SchedulerSettings{0.95, 20, 200};
        theirs.days[Today] = DayCounts{3, 10, 9};

        const Progress merged = mergeProgress(mine, theirs);
        QCOMPARE(merged.cards.value(QStringLiteral("sum/0")),
                 theirs.cards.value(QStringLiteral("sum/0")));
        QCOMPARE(merged.cards.value(QStringLiteral("significance/3")),
                 mine.cards.value(QStringLiteral("significance/3")));
        QCOMPARE(merged.cards.size(), 6); // sum/5 and sum/6 too
        QCOMPARE(merged.tests.size(), 5);
        QCOMPARE(merged.tests.count(FinishedTest{Today.addDays(1), true, 2, 3}), 2);
        QCOMPARE(merged.tests.last().date, Today.addDays(1)); // still oldest first
        QCOMPARE(merged.lastTest, theirs.lastTest);
        QCOMPARE(merged.settings, mine.settings);
        QCOMPARE(merged.days.value(Today), (DayCounts{4, 10, 9}));
        // Nothing new on either side: the writer's last test stays.
        QCOMPARE(mergeProgress(mine, sampleProgress(0)).lastTest, mine.lastTest);
    }

    // Two copies of the program, each holding its own progress and saving after every answer,
    // in turn and at once: the file ends with every answer of both.
    void twoCopiesAnsweringInTurn()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        constexpr int Answers = 40;
        QList<pid_t> children;
        for (int copy = 0; copy < 2; ++copy) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                // Opened at the start, as the window reads the file when it opens.
                Progress mine = loadProgress(path).progress;
                bool ok = true;
                for (int n = 0; n < Answers; ++n) {
                    recordCardAnswer(mine, CardId{CardKind::Meaning, copy, n % 20 + 1}, n < 20,
                                     Today.addDays(n / 20));
                    if (n == Answers / 2)
                        recordFinishedTest(mine, FinishedTest{Today, copy == 0, copy, 1}, {});
                    ok = saveProgress(path, mine, &mine) && ok;
                    ::usleep(500);
                }
                ::_exit(ok ? 0 : 1);
            }
            children << child;
        }
        for (pid_t child : children) {
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const ProgressRead read = loadProgress(path);
        QCOMPARE(read.status, Status::Read);
        QCOMPARE(read.progress.cards.size(), 40);
        for (auto it = read.progress.cards.cbegin(); it != read.progress.cards.cend(); ++it) {
            QCOMPARE(it->right, 1);
            QCOMPARE(it->wrong, 1);
        }
        QCOMPARE(read.progress.tests.size(), 2);
        // Per date the larger count, each copy counting on from the merged one: between one
        // copy's 20 and both copies' 40, whatever the turns.
        const int newShown = read.progress.days.value(Today).newShown;
        QVERIFY2(newShown >= 20 && newShown <= 40, qPrintable(QString::number(newShown)));
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt"));
    }

    // Two writers at once: whole files only, and in the end what both wrote.
    void twoWritersRacing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.txt"));
        const Progress a = sampleProgress(0);
        const Progress b = sampleProgress(1);
        QList<pid_t> children;
        for (int w = 0; w < 2; ++w) {
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                bool ok = true;
                for (int n = 0; n < 200; ++n)
                    ok = saveProgress(path, w == 0 ? a : b) && ok;
                ::_exit(ok ? 0 : 1);
            }
            children << child;
        }
        for (int n = 0; n < 200; ++n) {
            const ProgressRead read = loadProgress(path);
            QVERIFY(read.status == Status::Read || read.status == Status::NoFile);
        }
        for (pid_t child : children) {
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const ProgressRead last = loadProgress(path);
        QVERIFY(last.progress == mergeProgress(a, b));
        QCOMPARE(entriesOf(folder.path()), QStringLiteral("progress.txt"));
    }
};

QTEST_GUILESS_MAIN(TestPracticeProgress)
#include "tst_practiceprogress.moc"
