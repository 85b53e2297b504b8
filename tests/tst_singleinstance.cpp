#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstring>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvella;

namespace {

// The folders a user's session may come with, as the environment names them.
struct Session
{
    QByteArray home;    // empty: HOME unset
    QByteArray runtime; // empty: XDG_RUNTIME_DIR unset
    QByteArray cache;   // empty: XDG_CACHE_HOME unset
};

// Puts a session's variables in place for as long as it lives.
class SessionEnvironment
{
public:
    explicit SessionEnvironment(const Session& session)
    {
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"})
            m_saved.append({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        set("HOME", session.home);
        set("XDG_RUNTIME_DIR", session.runtime);
        set("XDG_CACHE_HOME", session.cache);
    }
    ~SessionEnvironment()
    {
        for (const Saved& saved : std::as_const(m_saved))
            set(saved.name, saved.wasSet ? saved.value : QByteArray());
    }

private:
    static void set(const char* name, const QByteArray& value)
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    struct Saved
    {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> m_saved;
};

// Binds the abstract name in a child process, as the given user, and listens on it after
// listenAfter milliseconds (never when negative); the child waits to be killed. Returns its
// process id, or -1.
pid_t bindInChild(const QByteArray& name, uid_t uid, int listenAfter)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        if (uid != ::geteuid() && (::setgid(65534) != 0 || ::setuid(uid) != 0))
            ::_exit(2);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0)
            ::_exit(3);
        (void)!::write(ready[1], "k", 1);
        if (listenAfter >= 0) {
            ::usleep(useconds_t(listenAfter) * 1000);
            if (::listen(fd, 4) != 0)
                ::_exit(4);
        }
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char said = 0;
    const bool bound = child > 0 && ::read(ready[0], &said, 1) == 1;
    ::close(ready[0]);
    if (!bound && child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        return -1;
    }
    return child;
}

void endChild(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

// Two real processes compete for the lock: this test binary starts a copy of itself in
// "holder" mode, which takes the lock, says so, and waits to be killed.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString m_name = QStringLiteral("CorvellaSingleInstanceTest");

    QProcess* startHolder()
    {
        auto* holder = new QProcess(this);
        holder->setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        holder->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), m_name});
        if (!holder->waitForReadyRead(10000))
            return nullptr;
        const QByteArray said = holder->readAllStandardOutput().trimmed();
        return said == "locked" ? holder : nullptr;
    }

    static void stop(QProcess* holder)
    {
        holder->terminate();
        holder->waitForFinished(5000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // A name of this run's own, so that test runs at the same time do not meet.
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }

    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance second(m_name);
        QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        stop(holder);
        SingleInstance after(m_name);
        QCOMPARE(after.acquire(), SingleInstance::Result::Acquired);
    }

    void killedFirstCopyDoesNotBlockTheNextStart()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance blocked(m_name);
        QCOMPARE(blocked.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(5000));
        SingleInstance next(m_name);
        QCOMPARE(next.acquire(), SingleInstance::Result::Acquired);
    }

    void lockIsFreedWhenTheHolderEnds()
    {
        {
            SingleInstance first(m_name);
            QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
            QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
            SingleInstance second(m_name);
            QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        }
        SingleInstance again(m_name);
        QCOMPARE(again.acquire(), SingleInstance::Result::Acquired);
    }

    // Whatever the user's folders are like, and whatever lies where a lock file could be,
    // a running copy keeps the second one out, and nothing but a running copy does.
    void secondCopyIsRefusedWhateverTheFolders_data()
    {
        QTest::addColumn<QString>("setup");
        for (const char* setup :
             {"private runtime folder", "no runtime folder, cache folder mode 775",
              "no runtime folder, home folder missing", "no runtime folder, HOME unset",
              "runtime folder mode 770", "runtime folder of another user",
              "runtime folder everyone writes", "lock's path a folder with files in it",
              "lock's path a FIFO", "lock's path a file nobody may read"})
            QTest::newRow(setup) << QString::fromLatin1(setup);
    }

    void secondCopyIsRefusedWhateverTheFolders()
    {
        QFETCH(QString, setup);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        QVERIFY(QFile::setPermissions(
            base.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QByteArray root = QFile::encodeName(base.path());
        Session session{root + "/home", root + "/run", {}};
        QVERIFY(QDir().mkpath(QFile::decodeName(session.home)));
        QCOMPARE(::mkdir(session.runtime.constData(), 0700), 0);
        const QByteArray lockFile = session.runtime + '/' + m_name.toUtf8() + ".lock";

        if (setup.contains(QLatin1String("no runtime folder")))
            session.runtime.clear();
        if (setup.endsWith(QLatin1String("mode 775"))) {
            QCOMPARE(::mkdir(session.home + "/.cache", 0775), 0);
            QCOMPARE(::chmod(session.home + "/.cache", 0775), 0);
        } else if (setup.endsWith(QLatin1String("home folder missing"))) {
            session.home = root + "/gone";
        } else if (setup.endsWith(QLatin1String("HOME unset"))) {
            session.home.clear();
        } else if (setup.endsWith(QLatin1String("mode 770"))) {
            QCOMPARE(::chmod(session.runtime.constData(), 0770), 0);
        } else if (setup.endsWith(QLatin1String("another user"))) {
            if (::geteuid() != 0)
                QSKIP("only root can give a folder to another user");
            QCOMPARE(::chown(session.runtime.constData(), 65534, 65534), 0);
        } else if (setup.endsWith(QLatin1String("everyone writes"))) {
            QCOMPARE(::chmod(session.runtime.constData(), 01777), 0);
        } else if (setup.endsWith(QLatin1String("files in it"))) {
            QVERIFY(QDir().mkpath(QFile::decodeName(lockFile + "/inner")));
        } else if (setup.endsWith(QLatin1String("FIFO"))) {
            QCOMPARE(::mkfifo(lockFile.constData(), 0600), 0);
        } else if (setup.endsWith(QLatin1String("nobody may read"))) {
            QFile file(QFile::decodeName(lockFile));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setPermissions({}));
        }

        const SessionEnvironment environment(session);
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance second(m_name);
        const SingleInstance::Result whileHeld = second.acquire();
        stop(holder);
        SingleInstance afterwards(m_name);
        const SingleInstance::Result afterHolder = afterwards.acquire();
        ::chmod(session.runtime.constData(), 0700);

        QCOMPARE(whileHeld, SingleInstance::Result::HeldByAnotherCopy);
        QCOMPARE(afterHolder, SingleInstance::Result::Acquired);
    }

    // Many refused copies in a row: the holder takes their knocks off its queue, so that the
    // next one still finds a holder that answers.
    void manyRefusedCopiesStillFindTheHolder()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        int refused = 0;
        for (int copy = 0; copy < 400; ++copy) {
            SingleInstance again(m_name);
            refused += again.acquire() == SingleInstance::Result::HeldByAnotherCopy ? 1 : 0;
        }
        stop(holder);
        QCOMPARE(refused, 400);
    }

    // A first copy counts whether it answers or not: stopped, with its queue of knocks full,
    // it still holds the name.
    void stoppedCopyKeepsTheNextOut_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<int>("knocks");
        QTest::newRow("running, 200 knocks") << false << 200;
        QTest::newRow("stopped") << true << 0;
        QTest::newRow("stopped, 200 knocks waiting") << true << 200;
    }

    void stoppedCopyKeepsTheNextOut()
    {
        QFETCH(bool, stopped);
        QFETCH(int, knocks);
        QProcess* holder = startHolder();
        QVERIFY(holder);
        const pid_t pid = pid_t(holder->processId());
        if (stopped)
            QCOMPARE(::kill(pid, SIGSTOP), 0);
        SingleInstance next(m_name);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = next.socketName();
        std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        QList<int> open;
        for (int knock = 0; knock < knocks; ++knock) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), length);
            open.append(fd);
        }
        const SingleInstance::Result result = next.acquire();
        for (int fd : std::as_const(open))
            ::close(fd);
        ::kill(pid, SIGCONT);
        stop(holder);
        QCOMPARE(result, SingleInstance::Result::HeldByAnotherCopy);
    }

    // A home reached through a symbolic link is the same home, and the same name.
    void homeThroughALinkIsTheSameHome_data()
    {
        QTest::addColumn<int>("links");
        QTest::newRow("one link") << 1;
        QTest::newRow("a link to a link") << 2;
    }

    void homeThroughALinkIsTheSameHome()
    {
        QFETCH(int, links);
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QByteArray real = QFile::encodeName(base.filePath(QStringLiteral("home")));
        QCOMPARE(::mkdir(real.constData(), 0700), 0);
        QByteArray through = real;
        for (int link = 0; link < links; ++link) {
            const QByteArray next = real + "-link" + QByteArray::number(link);
            QCOMPARE(::symlink(through.constData(), next.constData()), 0);
            through = next;
        }
        const SessionEnvironment byRealPath({real, {}, {}});
        const QByteArray name = SingleInstance(m_name).socketName();
        const SessionEnvironment byLink({through, {}, {}});
        QCOMPARE(SingleInstance(m_name).socketName(), name);
    }

    // Two sessions with homes of their own (two test runs side by side, say) do not meet.
    void anotherHomeIsAnotherUser()
    {
        SingleInstance first(m_name);
        QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
        QTemporaryDir otherHome;
        QVERIFY(otherHome.isValid());
        const SessionEnvironment other({QFile::encodeName(otherHome.path()), {}, {}});
        SingleInstance second(m_name);
        QVERIFY(second.socketName() != first.socketName());
        QCOMPARE(second.acquire(), SingleInstance::Result::Acquired);
    }

    // Anyone may bind an abstract name. One held by another user's process, or bound by a
    // process that does not answer as the program does, is no copy of the program: it keeps
    // nobody out, and it is not waited for long.
    void nameTakenByAStrangerKeepsNobodyOut_data()
    {
        QTest::addColumn<bool>("otherUser");
        QTest::addColumn<int>("listenAfter");
        QTest::addColumn<SingleInstance::Result>("result");
        const auto out = SingleInstance::Result::Unavailable;
        QTest::newRow("another user's, answering") << true << 0 << out;
        QTest::newRow("another user's, silent") << true << -1 << out;
        QTest::newRow("this user's, silent") << false << -1 << out;
        // A copy caught between binding the name and listening on it is a copy all the same.
        QTest::newRow("this user's, answering a moment later")
            << false << 300 << SingleInstance::Result::HeldByAnotherCopy;
    }

    void nameTakenByAStrangerKeepsNobodyOut()
    {
        QFETCH(bool, otherUser);
        QFETCH(int, listenAfter);
        QFETCH(SingleInstance::Result, result);
        if (otherUser && ::geteuid() != 0)
            QSKIP("only root can start a process as another user");
        SingleInstance instance(m_name);
        const pid_t stranger =
            bindInChild(instance.socketName(), otherUser ? 65534 : ::geteuid(), listenAfter);
        QVERIFY(stranger > 0);
        QElapsedTimer clock;
        clock.start();
        const SingleInstance::Result acquired = instance.acquire();
        const qint64 took = clock.elapsed();
        endChild(stranger);
        QCOMPARE(acquired, result);
        QVERIFY2(took < 3000, qPrintable(QString::number(took)));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        std::puts(instance.acquire() == SingleInstance::Result::Acquired ? "locked" : "refused");
        std::fflush(stdout);
        return app.exec();
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
