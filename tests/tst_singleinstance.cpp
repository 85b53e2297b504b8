#include "shell/singleinstance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstring>

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

    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance second(m_name);
        QVERIFY(!second.acquire());
        holder->terminate();
        QVERIFY(holder->waitForFinished(5000));
    }

    void killedFirstCopyDoesNotBlockTheNextStart()
    {
        QProcess* holder = startHolder();
        QVERIFY(holder);
        SingleInstance blocked(m_name);
        QVERIFY(!blocked.acquire());
        ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(5000));
        QVERIFY(QFile::exists(blocked.lockPath())); // the killed copy left its lock behind
        SingleInstance next(m_name);
        QVERIFY(next.acquire());
    }

    void lockIsFreedWhenTheHolderEnds()
    {
        {
            SingleInstance first(m_name);
            QVERIFY(first.acquire());
            SingleInstance second(m_name);
            QVERIFY(!second.acquire());
        }
        SingleInstance again(m_name);
        QVERIFY(again.acquire());
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        std::puts(instance.acquire() ? "locked" : "refused");
        std::fflush(stdout);
        return app.exec();
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
