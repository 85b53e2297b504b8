#include "platform/userfile.h"
#include "practice/progress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvella;
using Status = UserFileRead::Status;

Q_DECLARE_METATYPE(corvella::UserFileRead::Status)

namespace {

constexpr uid_t kNobody = 65534;

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// What the fake open does to the file before it fails as a writer's rename would make it fail.
enum class Meanwhile { Renamed, Removed };
Meanwhile g_meanwhile = Meanwhile::Renamed;
int g_opens = 0;

int openMeetingARename(const char* path, int flags)
{
    if (g_opens++ == 0) {
        const QByteArray fresh = QByteArray(path) + ".new";
        if (g_meanwhile == Meanwhile::Renamed) {
            QFile file(QFile::decodeName(fresh));
            if (file.open(QIODevice::WriteOnly))
                file.write("written meanwhile\n");
            file.close();
            ::rename(fresh.constData(), path);
        } else {
            ::unlink(path);
        }
        errno = ENOENT;
        return -1;
    }
    return ::open(path, flags);
}

} // namespace

Q_DECLARE_METATYPE(Meanwhile)

class TestUserFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linkAnotherUserCouldHaveLaid_data();
    void linkAnotherUserCouldHaveLaid();
    void ownerAndGroupAreKept_data();
    void ownerAndGroupAreKept();
    void aRenameBetweenLookingAndOpening_data();
    void aRenameBetweenLookingAndOpening();
};

void TestUserFile::linkAnotherUserCouldHaveLaid_data()
{
    QTest::addColumn<bool>("folderOfAnother");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("linkOfAnother");
    QTest::addColumn<bool>("followed");
    QTest::newRow("another user's folder, their link") << true << 0755 << true << false;
    QTest::newRow("a folder everyone writes, another user's link")
        << false << 01777 << true << false;
    QTest::newRow("another user's folder, the learner's link") << true << 0777 << false << false;
    QTest::newRow("the learner's folder and link") << false << 0700 << false << true;
}

// A link laid by another user, or in a folder another user owns, points the program nowhere:
// the learner's file it points at is neither moved aside nor written, and the caller is told.
void TestUserFile::linkAnotherUserCouldHaveLaid()
{
    QFETCH(bool, folderOfAnother);
    QFETCH(int, folderMode);
    QFETCH(bool, linkOfAnother);
    QFETCH(bool, followed);
    if ((folderOfAnother || linkOfAnother) && ::geteuid() != 0)
        QSKIP("only root can give a folder or a link to another user");
    const uid_t folderOwner = folderOfAnother ? kNobody : ::geteuid();
    const uid_t linkOwner = linkOfAnother ? kNobody : ::geteuid();
    QTemporaryDir home;
    QVERIFY(::chmod(QFile::encodeName(home.path()).constData(), 0755) == 0);
    const QString own = home.filePath(QStringLiteral(".bashrc"));
    put(own, "the learner's own\n");
    const QString shared = home.filePath(QStringLiteral("shared"));
    const QByteArray folder = QFile::encodeName(shared);
    QCOMPARE(::mkdir(folder.constData(), 0700), 0);
    const QString path = shared + QStringLiteral("/progress.txt");
    const QByteArray link = QFile::encodeName(path);
    QCOMPARE(::symlink(QFile::encodeName(own).constData(), link.constData()), 0);
    QCOMPARE(::lchown(link.constData(), linkOwner, linkOwner), 0);
    QCOMPARE(::chown(folder.constData(), folderOwner, folderOwner), 0);
    QCOMPARE(::chmod(folder.constData(), mode_t(folderMode)), 0);

    const UserFileRead read = readUserFile(path, 1024);
    const practice::ProgressRead progress = practice::loadProgress(path);
    const bool saved = practice::saveProgress(path, practice::Progress());
    QString why;
    const bool replaced = replaceFileContents(path, "written\n", FileWriteCalls::system(), &why);

    QCOMPARE(QFileInfo(path).isSymLink(), true);
    if (followed) {
        QCOMPARE(read.status, Status::Read);
        QVERIFY(replaced);
        QCOMPARE(contentOf(own), QByteArray("written\n"));
        return;
    }
    QCOMPARE(read.status, Status::Refused);
    QCOMPARE(progress.status, practice::ProgressRead::Status::Unusable);
    QVERIFY(!progress.message.isEmpty());
    QVERIFY(!saved);
    QVERIFY(!replaced);
    QVERIFY(!why.isEmpty());
    QCOMPARE(contentOf(own), QByteArray("the learner's own\n"));
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral(".bashrc"), QStringLiteral("shared")}));
}

void TestUserFile::ownerAndGroupAreKept_data()
{
    QTest::addColumn<uid_t>("owner");
    QTest::addColumn<gid_t>("group");
    QTest::addColumn<int>("mode");
    QTest::newRow("another user's file") << kNobody << gid_t(kNobody) << 0640;
    QTest::newRow("root's file in another group") << uid_t(0) << gid_t(kNobody) << 0660;
}

// Root saving a user's file (a program run with sudo, say) leaves it the user's.
void TestUserFile::ownerAndGroupAreKept()
{
    QFETCH(uid_t, owner);
    QFETCH(gid_t, group);
    QFETCH(int, mode);
    if (::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.txt"));
    put(path, "old\n");
    const QByteArray native = QFile::encodeName(path);
    QCOMPARE(::chown(native.constData(), owner, group), 0);
    QCOMPARE(::chmod(native.constData(), mode_t(mode)), 0);
    QVERIFY(replaceFileContents(path, "new\n"));
    struct stat info;
    QCOMPARE(::stat(native.constData(), &info), 0);
    QCOMPARE(contentOf(path), QByteArray("new\n"));
    QCOMPARE(info.st_uid, owner);
    QCOMPARE(info.st_gid, group);
    QCOMPARE(int(info.st_mode & 07777), mode);
}

void TestUserFile::aRenameBetweenLookingAndOpening_data()
{
    QTest::addColumn<Meanwhile>("meanwhile");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a writer's rename")
        << Meanwhile::Renamed << Status::Read << QByteArray("written meanwhile\n");
    QTest::newRow("removed") << Meanwhile::Removed << Status::Absent << QByteArray();
}

// A file found and then gone when opened (a writer's rename on a file system that shows the
// gap) is looked for once more before that counts.
void TestUserFile::aRenameBetweenLookingAndOpening()
{
    QFETCH(Meanwhile, meanwhile);
    QFETCH(Status, status);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.txt"));
    put(path, "old\n");
    g_meanwhile = meanwhile;
    g_opens = 0;
    const UserFileRead read = readUserFile(path, 1024, FileReadCalls{&openMeetingARename});
    QCOMPARE(read.status, status);
    QCOMPARE(read.bytes, bytes);
}

QTEST_GUILESS_MAIN(TestUserFile)
#include "tst_userfile.moc"
