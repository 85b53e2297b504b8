#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace corvella;

// Two real processes compete for the lock: this test binary starts a copy of itself in
// "holder" mode, which takes the lock, says so, and waits to be killed.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;
    QString m_name = QStringLiteral("CorvellaSingleInstanceTest");

    QProcess* startHolder()
    {
        auto* holder = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        holder->setProcessEnvironment(env);
        holder->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), m_name});
        if (!holder->waitForReadyRead(10000))
            return nullptr;
        const QByteArray said = holder->readAllStandardOutput().trimmed();
        return said == "locked" ? holder : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    // Each test starts with nothing at the lock's path, whatever the one before left there.
    void init()
    {
        const QString path = m_runtime.filePath(m_name + QStringLiteral(".lock"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }

    void lockSitsInTheRuntimeFolder()
    {
        SingleInstance instance(m_name);
        QCOMPARE(QFileInfo(instance.lockPath()).absolutePath(), m_runtime.path());
        QCOMPARE(QFileInfo(instance.lockPath()).fileName(), m_name + QStringLiteral(".lock"));
        QCOMPARE(instance.acquire(), SingleInstance::Result::Acquired);
        QVERIFY(QFileInfo(instance.lockPath()).isFile());
    }

    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance second(m_name);
        QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        holder->terminate();
        QVERIFY(holder->waitForFinished(5000));
    }

    void killedFirstCopyDoesNotBlockTheNextStart()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance blocked(m_name);
        QCOMPARE(blocked.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(5000));
        QVERIFY(QFile::exists(blocked.lockPath())); // the killed copy left its lock behind
        SingleInstance next(m_name);
        QCOMPARE(next.acquire(), SingleInstance::Result::Acquired);
    }

    // Whatever is left at the lock's path, no live copy holds it: it is taken over.
    void leftoverAtTheLockPathIsTakenOver_data()
    {
        QTest::addColumn<QString>("leftover");
        for (const char* kind :
             {"empty file", "garbled file", "id of a live process", "id of no process", "folder",
              "FIFO", "dangling link", "file nobody may write"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void leftoverAtTheLockPathIsTakenOver()
    {
        QFETCH(QString, leftover);
        const QString path = m_runtime.filePath(m_name + QStringLiteral(".lock"));
        const QByteArray name = QFile::encodeName(path);
        const auto plant = [&path](const QByteArray& bytes) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(bytes) == bytes.size();
        };
        if (leftover == QLatin1String("empty file"))
            QVERIFY(plant({}));
        else if (leftover == QLatin1String("garbled file"))
            QVERIFY(plant(QByteArray("\x01\xff\x80 noise\n\n\xc3", 12)));
        else if (leftover == QLatin1String("id of a live process"))
            QVERIFY(plant("1\ninit\nlocalhost\n"));
        else if (leftover == QLatin1String("id of no process"))
            QVERIFY(plant("2147483600\nCorvellaFreeLearnNumerology\nlocalhost\n"));
        else if (leftover == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (leftover == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (leftover == QLatin1String("dangling link"))
            QVERIFY(QFile::link(m_runtime.filePath(QStringLiteral("nowhere")), path));
        else if (leftover == QLatin1String("file nobody may write")) {
            QVERIFY(plant("garbage"));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        }

        SingleInstance instance(m_name);
        const SingleInstance::Result result = instance.acquire();
        QCOMPARE(result, SingleInstance::Result::Acquired);
        // And while it is held, it keeps the next copy out.
        SingleInstance second(m_name);
        QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path);
    }

    // The lock only ever lives in a folder of the user's own; when the runtime folder cannot
    // be trusted it goes to the user's cache folder, never to a folder other users share.
    void lockFolderIsTheUsersOwn_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<bool>("runtimeUsed");
        QTest::newRow("private runtime folder") << QStringLiteral("private") << true;
        QTest::newRow("runtime folder unset") << QString() << false;
        QTest::newRow("runtime folder relative") << QStringLiteral("relative") << false;
        QTest::newRow("runtime folder missing") << QStringLiteral("missing") << false;
        QTest::newRow("runtime folder everyone writes") << QStringLiteral("shared") << false;
        QTest::newRow("runtime folder is a file") << QStringLiteral("file") << false;
    }

    void lockFolderIsTheUsersOwn()
    {
        QFETCH(QString, runtime);
        QFETCH(bool, runtimeUsed);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QString runtimePath;
        if (runtime == QLatin1String("private")) {
            runtimePath = home.filePath(QStringLiteral("run"));
            QVERIFY(QDir().mkdir(runtimePath));
            QVERIFY(QFile::setPermissions(runtimePath,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        } else if (runtime == QLatin1String("relative")) {
            runtimePath = QStringLiteral("run");
        } else if (runtime == QLatin1String("missing")) {
            runtimePath = home.filePath(QStringLiteral("gone"));
        } else if (runtime == QLatin1String("shared")) {
            runtimePath = home.filePath(QStringLiteral("tmp"));
            QVERIFY(QDir().mkdir(runtimePath));
            QCOMPARE(::chmod(QFile::encodeName(runtimePath).constData(), 01777), 0);
        } else if (runtime == QLatin1String("file")) {
            runtimePath = home.filePath(QStringLiteral("file"));
            QFile file(runtimePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimePath));
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CACHE_HOME");

        SingleInstance instance(m_name);
        const SingleInstance::Result result = instance.acquire();
        const QString path = instance.lockPath();

        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("HOME", savedHome);
        if (!savedCache.isEmpty())
            qputenv("XDG_CACHE_HOME", savedCache);

        QCOMPARE(result, SingleInstance::Result::Acquired);
        const QString expected =
            runtimeUsed ? runtimePath : home.filePath(QStringLiteral(".cache"));
        QCOMPARE(QFileInfo(path).absolutePath(), expected);
        QCOMPARE(QFileInfo(path).fileName(), m_name + QStringLiteral(".lock"));
        QVERIFY(QFileInfo(path).isFile());
    }

    // With no folder of the user's own to be had, the lock cannot be checked at all; the
    // caller starts the program all the same.
    void noFolderOfTheUsersOwnIsUnavailable()
    {
        QTemporaryDir other;
        QVERIFY(other.isValid());
        const QString shared = other.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkdir(shared));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared));
        // A cache folder everyone may write to is no place for it either.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(shared));

        SingleInstance instance(m_name);
        const SingleInstance::Result result = instance.acquire();

        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        if (savedCache.isEmpty())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", savedCache);
        QCOMPARE(result, SingleInstance::Result::Unavailable);
        QVERIFY(instance.lockPath().isEmpty());
        QVERIFY(QDir(shared).isEmpty());
    }

    void lockIsFreedWhenTheHolderEnds()
    {
        {
            SingleInstance first(m_name);
            QCOMPARE(first.acquire(), SingleInstance::Result::Acquired);
            SingleInstance second(m_name);
            QCOMPARE(second.acquire(), SingleInstance::Result::HeldByAnotherCopy);
        }
        SingleInstance again(m_name);
        QCOMPARE(again.acquire(), SingleInstance::Result::Acquired);
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
