#include "platform/datetext.h"
#include "platform/settingsstore.h"
#include "platform/weblauncher.h"
#include "shell/updatereminder.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace corvella;
using namespace corvella::testing;

namespace {

const QString kDuration = QStringLiteral("Duration");
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);

// Answers the question, noting what the store holds while the question is still open.
class StoreWatchingMessages : public FakeMessageBoxes
{
public:
    explicit StoreWatchingMessages(const SettingsStore& store) : m_store(store) {}
    bool askYesNo(const QString& text) override
    {
        durationWhileAsking.append(m_store.readSetting(kDuration).value_or(QStringLiteral("?")));
        return FakeMessageBoxes::askYesNo(text);
    }

    QStringList durationWhileAsking;

private:
    const SettingsStore& m_store;
};

// Notes what the store holds at the moment a page is opened.
class StoreWatchingWeb : public WebLauncher
{
public:
    explicit StoreWatchingWeb(const SettingsStore& store) : m_store(store) {}
    void open(const QUrl& url) override
    {
        opened.append(url);
        durationWhenOpened.append(m_store.readSetting(kDuration).value_or(QStringLiteral("?")));
    }

    QList<QUrl> opened;
    QStringList durationWhenOpened;

private:
    const SettingsStore& m_store;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartWritesTodayAndAsksNothing();
    void firstStartDateIsOnDiskOnceTheStoreIsGone();
    void asksOnlyOutsideFortnight_data();
    void asksOnlyOutsideFortnight();
    void questionText();
    void noRestartsIntervalAndOpensNothing();
    void yesWritesTodayThenOpensDownloadPageOnce();
    void laterRunsFollowTheInterval();
    void unreadableDateIsTakenAsAFirstStart_data();
    void unreadableDateIsTakenAsAFirstStart();
    void storeThatCannotBeReadStaysSilent_data();
    void storeThatCannotBeReadStaysSilent();
    void failedWriteStillOpensThePageAskedFor();
    void dateIsWrittenOnlyOnceAnswered();
    void nativeDigitLocalesStillRoundTrip_data();
    void nativeDigitLocalesStillRoundTrip();

private:
    QString storeName() const;

    FakeMessageBoxes m_messages;
    FakeClock m_clock;
    int m_run = 0;
    QTemporaryDir m_config;
};

void TestUpdateReminder::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

QString TestUpdateReminder::storeName() const
{
    return QStringLiteral("tst_updatereminder_%1_%2")
        .arg(QCoreApplication::applicationPid())
        .arg(m_run);
}

void TestUpdateReminder::init()
{
    ++m_run;
    m_messages = FakeMessageBoxes();
    m_clock = FakeClock();
    m_clock.date = QDate(2026, 12, 7);
}

void TestUpdateReminder::cleanup()
{
    const QString file = SettingsStore(storeName()).fileName();
    for (const QString& path : {file, file + QStringLiteral(".lock")}) {
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

void TestUpdateReminder::firstStartWritesTodayAndAsksNothing()
{
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(web.opened.isEmpty());
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(QStringLiteral("12/7/2026")));
}

void TestUpdateReminder::firstStartDateIsOnDiskOnceTheStoreIsGone()
{
    {
        SettingsStore store(storeName());
        StoreWatchingWeb web(store);
        remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);
    }
    // As the next start of the program finds it.
    const SettingsStore next(storeName());
    QCOMPARE(next.readSetting(kDuration), std::optional<QString>(QStringLiteral("12/7/2026")));
    m_clock.date = QDate(2026, 12, 22);
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestUpdateReminder::asksOnlyOutsideFortnight_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("storedOffset"); // days from today to the stored date
    QTest::addColumn<bool>("asked");

    const QDate december(2026, 12, 7);
    QTest::newRow("15 days ago") << december << -15 << true;
    QTest::newRow("14 days ago") << december << -14 << false;
    QTest::newRow("yesterday") << december << -1 << false;
    QTest::newRow("today") << december << 0 << false;
    QTest::newRow("14 days ahead") << december << 14 << false;
    QTest::newRow("15 days ahead (clock set back)") << december << 15 << true;
    QTest::newRow("years ago") << december << -800 << true;
    QTest::newRow("across new year, 14") << QDate(2027, 1, 4) << -14 << false;
    QTest::newRow("across new year, 15") << QDate(2027, 1, 4) << -15 << true;
    QTest::newRow("across leap day, 15") << QDate(2028, 3, 10) << -15 << true;
}

void TestUpdateReminder::asksOnlyOutsideFortnight()
{
    QFETCH(QDate, today);
    QFETCH(int, storedOffset);
    QFETCH(bool, asked);

    m_clock.date = today;
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    const QString stored = dateToText(today.addDays(storedOffset), kUnitedStates);
    QVERIFY(store.writeSetting(kDuration, stored));
    m_messages.answers = {false};

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(m_messages.shown.size(), asked ? 1 : 0);
    const QString expected = asked ? dateToText(today, kUnitedStates) : stored;
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(expected));
    QVERIFY(web.opened.isEmpty());
}

void TestUpdateReminder::questionText()
{
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    QVERIFY(store.writeSetting(kDuration, QStringLiteral("11/1/2026")));
    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.first().kind, QStringLiteral("yesno"));
    QCOMPARE(m_messages.shown.first().text,
             QStringLiteral("There maybe an update to this software available\r"
                            "Do you want to check for an update?"));
    QCOMPARE(m_messages.shown.first().text, updateReminderText());
}

void TestUpdateReminder::noRestartsIntervalAndOpensNothing()
{
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    QVERIFY(store.writeSetting(kDuration, QStringLiteral("11/1/2026")));
    m_messages.answers = {false};

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(web.opened.isEmpty());
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(QStringLiteral("12/7/2026")));
}

void TestUpdateReminder::yesWritesTodayThenOpensDownloadPageOnce()
{
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    QVERIFY(store.writeSetting(kDuration, QStringLiteral("11/1/2026")));
    m_messages.answers = {true};

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(web.opened, QList<QUrl>{webPageAddress(WebPage::DownloadWebPage)});
    QCOMPARE(web.durationWhenOpened, QStringList{QStringLiteral("12/7/2026")});
}

void TestUpdateReminder::laterRunsFollowTheInterval()
{
    // Daily use from the first start: the question comes on the fifteenth day and then
    // fifteen days after each answer.
    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    m_messages.answers = {false, true, false};
    QList<int> askedOn;
    const QDate first(2026, 12, 1);
    for (int day = 0; day <= 45; ++day) {
        m_clock.date = first.addDays(day);
        const qint64 before = m_messages.shownCount;
        SettingsStore thisRun(storeName());
        remindOfUpdate(m_messages, m_clock, web, thisRun, kUnitedStates);
        if (m_messages.shownCount != before)
            askedOn << day;
    }
    QCOMPARE(askedOn, (QList<int>{15, 30, 45}));
    QCOMPARE(web.opened.size(), 1);
}

void TestUpdateReminder::unreadableDateIsTakenAsAFirstStart_data()
{
    QTest::addColumn<QString>("stored");

    QTest::newRow("words") << QStringLiteral("some day");
    QTest::newRow("another locale's format") << QStringLiteral("07.11.2026");
    QTest::newRow("another locale's month names") << QStringLiteral("7 d\u00e9c. 2026");
    QTest::newRow("digits lost") << QStringLiteral("//");
}

// A date written before a change of locale no longer reads. The reminder starts its fortnight
// again from today, as on a first start, instead of never asking again.
void TestUpdateReminder::unreadableDateIsTakenAsAFirstStart()
{
    QFETCH(QString, stored);

    SettingsStore store(storeName());
    StoreWatchingWeb web(store);
    QVERIFY(store.writeSetting(kDuration, stored));

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);
    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(web.opened.isEmpty());
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(QStringLiteral("12/7/2026")));

    m_clock.date = m_clock.date.addDays(14);
    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);
    QVERIFY(m_messages.shown.isEmpty());
    m_clock.date = m_clock.date.addDays(1);
    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestUpdateReminder::storeThatCannotBeReadStaysSilent_data()
{
    QTest::addColumn<bool>("directoryInPlace");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("corrupt file") << false << QByteArray("[Settings\n\x01\x02\xff garbage\n");
    QTest::newRow("directory in its place") << true << QByteArray();
}

void TestUpdateReminder::storeThatCannotBeReadStaysSilent()
{
    QFETCH(bool, directoryInPlace);
    QFETCH(QByteArray, content);

    SettingsStore store(storeName());
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    if (directoryInPlace) {
        QVERIFY(QDir().mkpath(store.fileName()));
    } else {
        QFile file(store.fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    FakeWebLauncher web;

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(web.opened.isEmpty());
    if (directoryInPlace)
        QVERIFY(QFileInfo(store.fileName()).isDir());
    else
        QCOMPARE(readFile(store.fileName()), content);
}

void TestUpdateReminder::failedWriteStillOpensThePageAskedFor()
{
    SettingsStore store(storeName());
    QVERIFY(store.writeSetting(kDuration, QStringLiteral("11/1/2026")));
    // The store can still be read, but the disk is full.
    FileWriteCalls full = FileWriteCalls::system();
    full.write = [](int, const void*, size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    store.setFileWriteCalls(full);
    FakeWebLauncher web;
    m_messages.answers = {true};

    remindOfUpdate(m_messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(web.opened, QList<QUrl>{webPageAddress(WebPage::DownloadWebPage)});
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(QStringLiteral("11/1/2026")));
}

void TestUpdateReminder::dateIsWrittenOnlyOnceAnswered()
{
    // A program ended while the question is open (logged off, killed) must ask again at the
    // next start: nothing is written before the answer.
    SettingsStore store(storeName());
    QVERIFY(store.writeSetting(kDuration, QStringLiteral("11/1/2026")));
    StoreWatchingMessages messages(store);
    messages.answers = {false};
    FakeWebLauncher web;

    remindOfUpdate(messages, m_clock, web, store, kUnitedStates);

    QCOMPARE(messages.durationWhileAsking, QStringList{QStringLiteral("11/1/2026")});
    QCOMPARE(store.readSetting(kDuration), std::optional<QString>(QStringLiteral("12/7/2026")));
}

void TestUpdateReminder::nativeDigitLocalesStillRoundTrip_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::newRow("fa_IR") << QStringLiteral("fa_IR");
    QTest::newRow("ar_SA") << QStringLiteral("ar_SA");
    QTest::newRow("fr_FR") << QStringLiteral("fr_FR");
}

void TestUpdateReminder::nativeDigitLocalesStillRoundTrip()
{
    // The store drops characters above code 170; a date must still come back readable, or
    // the reminder would never ask again.
    QFETCH(QString, localeName);
    const QLocale locale(localeName);

    SettingsStore store(storeName());
    FakeWebLauncher web;
    remindOfUpdate(m_messages, m_clock, web, store, locale);
    QVERIFY(m_messages.shown.isEmpty());

    m_clock.date = m_clock.date.addDays(14);
    remindOfUpdate(m_messages, m_clock, web, store, locale);
    QVERIFY(m_messages.shown.isEmpty());

    m_clock.date = m_clock.date.addDays(1);
    remindOfUpdate(m_messages, m_clock, web, store, locale);
    QCOMPARE(m_messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
