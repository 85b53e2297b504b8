#include "platform/inifile.h"
#include "platform/settingsstore.h"
#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <future>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvella;

namespace {

QString codes(std::initializer_list<int> list)
{
    QString text;
    for (int code : list)
        text.append(QChar(code));
    return text;
}

QString codeRange(int first, int last)
{
    QString text;
    for (int code = first; code <= last; ++code)
        text.append(QChar(code));
    return text;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void roundTripKeepsEveryCodeUpTo170();

    void missingKeyReadsEmpty();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void laterWriteReplacesEarlier();
    void keyWithNothingToStoreIsRefused_data();
    void keyWithNothingToStoreIsRefused();
    void nothingStoredInPlainText();
    void otherProgramNameSeesEmptyStore();
    void defaultNameIsProgramFileName();
    void handEditedValueIsDecodedAllTheSame();
    void sharesItsFileWithQSettings_data();
    void sharesItsFileWithQSettings();

    void unparsableStoreIsReportedAndLeftAlone_data();
    void unparsableStoreIsReportedAndLeftAlone();
    void unreadableStoreIsReported();
    void unwritableStoreIsReportedPromptly();
    void writeReplacesFileWhole();

    void backgroundWriteIsSeenByEveryLaterUse();
    void backgroundWriteEndsBeforeTheStoreGoesAway();
    void writesStayInTheOrderStarted();
    void failedBackgroundWriteIsReported();
    void failedBackgroundWriteOutlivesOtherUses_data();
    void failedBackgroundWriteOutlivesOtherUses();
    void backgroundWriteTellsOfAnUnparsableStore();

    void strayLinesDoNotHideTheStoredDate_data();
    void strayLinesDoNotHideTheStoredDate();
    void systemWideFileDoesNotAnswerForTheUser();
    void nonRegularStoreIsNeverOpened();
    void fullDiskLeavesTheOldFile();
    void failedWriteStepLeavesTheOldFile_data();
    void failedWriteStepLeavesTheOldFile();

    void storeFollowsTheBaseDirectoryRules_data();
    void storeFollowsTheBaseDirectoryRules();
    void chainOfLinksIsWrittenThrough_data();
    void chainOfLinksIsWrittenThrough();
    void aWriteEndedHalfWayLeavesNothingBehind_data();
    void aWriteEndedHalfWayLeavesNothingBehind();
    void fileModeIsKept_data();
    void fileModeIsKept();
    void folderIsSyncedAfterTheRename();
    void aLiveWritersFileIsLeftAlone();
    void noHomeAtAllIsNoStore();
    void interruptedWriteIsResumed();
    void onlyARegularFileIsReplaced_data();
    void onlyARegularFileIsReplaced();
    void pathThatCannotBeLookedAtIsNotTakenForAbsent_data();
    void pathThatCannotBeLookedAtIsNotTakenForAbsent();
    void fileTheStoreWouldNotReadIsNotWrittenOver_data();
    void fileTheStoreWouldNotReadIsNotWrittenOver();
    void valueEscapesRead_data();
    void valueEscapesRead();
    void rewriteChangesOnlyTheKeysLine_data();
    void rewriteChangesOnlyTheKeysLine();

private:
    // A store of its own for every test, so that tests do not see each other's files.
    SettingsStore freshStore();

    int m_stores = 0;
    QStringList m_leftovers;
    // The user's configuration folder for every store made here.
    QTemporaryDir m_config;
};

void TestSettings::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

SettingsStore TestSettings::freshStore()
{
    SettingsStore store(QStringLiteral("tst_settings_%1_%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(++m_stores));
    m_leftovers << store.fileName() << store.fileName() + QStringLiteral(".lock");
    return store;
}

void TestSettings::cleanup()
{
    for (const QString& path : std::as_const(m_leftovers)) {
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
    m_leftovers.clear();
}

void TestSettings::encode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("encoded");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("abc") << QStringLiteral("abc") << codes({182, 183, 184});
    QTest::newRow("Duration") << QStringLiteral("Duration")
                              << codes({153, 202, 199, 182, 201, 190, 196, 195});
    QTest::newRow("date") << QStringLiteral("12/6/2026")
                          << codes({134, 135, 132, 139, 132, 135, 133, 135, 139});
    QTest::newRow("code 0") << codes({0}) << codes({85});
    QTest::newRow("code 170 is the last kept") << codes({170}) << codes({255});
    QTest::newRow("code 171 dropped") << codes({'a', 171, 'b'}) << codes({182, 183});
    QTest::newRow("code 255 dropped") << codes({255}) << QString();
    QTest::newRow("no ISO 8859-1 code") << QStringLiteral("a\u20acb\u0416") << codes({182, 183});
}

void TestSettings::encode()
{
    QFETCH(QString, plain);
    QFETCH(QString, encoded);
    QCOMPARE(encodeSettingText(plain), encoded);
}

void TestSettings::decode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("abc") << codes({182, 183, 184}) << QStringLiteral("abc");
    QTest::newRow("Duration") << codes({153, 202, 199, 182, 201, 190, 196, 195})
                              << QStringLiteral("Duration");
    QTest::newRow("code 85 is the first kept") << codes({85}) << codes({0});
    QTest::newRow("below 85 vanishes") << QStringLiteral("T\u00b6 \u00b7") << QStringLiteral("ab");
    QTest::newRow("no ISO 8859-1 code") << QStringLiteral("\u00b6\u20ac") << QStringLiteral("a");
}

void TestSettings::decode()
{
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QCOMPARE(decodeSettingText(stored), plain);
}

void TestSettings::roundTripKeepsEveryCodeUpTo170()
{
    const QString all = codeRange(0, 170);
    QCOMPARE(decodeSettingText(encodeSettingText(all)), all);
    // And only those: the rest of ISO 8859-1 is lost on the way in.
    QCOMPARE(decodeSettingText(encodeSettingText(codeRange(0, 255))), all);
}

void TestSettings::missingKeyReadsEmpty()
{
    SettingsStore store = freshStore();
    const auto before = store.readSetting(QStringLiteral("Duration"));
    QVERIFY(before.has_value());
    QVERIFY(before->isEmpty());

    QVERIFY(store.writeSetting(QStringLiteral("Other"), QStringLiteral("x")));
    const auto after = store.readSetting(QStringLiteral("Duration"));
    QVERIFY(after.has_value());
    QVERIFY(after->isEmpty());
}

void TestSettings::writtenValueReadsBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("date") << QStringLiteral("Duration") << QStringLiteral("12/6/2026");
    QTest::newRow("dotted date") << QStringLiteral("Duration") << QStringLiteral("06.12.2026");
    QTest::newRow("text date") << QStringLiteral("Duration") << QStringLiteral("6 Dec 2026");
    QTest::newRow("empty value") << QStringLiteral("Duration") << QString();
    // Every character the encoding keeps, in the value and in the key: shifted, they are
    // all above 84 and include the INI file's special characters and C1 controls.
    QTest::newRow("every kept code") << codeRange(0, 170) << codeRange(0, 170);
}

void TestSettings::writtenValueReadsBack()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    SettingsStore writer = freshStore();
    QVERIFY(writer.writeSetting(key, value));
    // A second store of the same name, as the next run of the program would open it.
    const SettingsStore reader(writer.applicationName());
    QCOMPARE(reader.readSetting(key), std::optional<QString>(value));
}

void TestSettings::laterWriteReplacesEarlier()
{
    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    QVERIFY(store.writeSetting(QStringLiteral("Other"), QStringLiteral("kept")));
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("2/1/2026")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("2/1/2026")));
    QCOMPARE(store.readSetting(QStringLiteral("Other")),
             std::optional<QString>(QStringLiteral("kept")));
}

void TestSettings::keyWithNothingToStoreIsRefused_data()
{
    QTest::addColumn<QString>("key");

    // Every character of these is dropped by the encoding, and an INI line "=value" has no
    // key: such a value could never be read back.
    QTest::newRow("empty") << QString();
    QTest::newRow("codes above 170") << codes({171, 233, 255});
    QTest::newRow("no ISO 8859-1 code") << codes({0x4e2d, 0x20ac});
}

void TestSettings::keyWithNothingToStoreIsRefused()
{
    QFETCH(QString, key);

    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    const QByteArray before = readFile(store.fileName());
    QVERIFY(!store.writeSetting(key, QStringLiteral("x")));
    QVERIFY(!store.writeSetting(key, QStringLiteral("x")));
    QCOMPARE(readFile(store.fileName()), before);
    QCOMPARE(store.readSetting(key), std::optional<QString>(QString()));
}

void TestSettings::nothingStoredInPlainText()
{
    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    const QByteArray bytes = readFile(store.fileName());
    QVERIFY(bytes.contains("[Settings]"));
    QVERIFY(!bytes.contains("Duration"));
    QVERIFY(!bytes.contains("12/6/2026"));
}

void TestSettings::otherProgramNameSeesEmptyStore()
{
    SettingsStore original = freshStore();
    SettingsStore copy = freshStore();
    QVERIFY(original.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QVERIFY(original.fileName() != copy.fileName());
    QCOMPARE(copy.readSetting(QStringLiteral("Duration")), std::optional<QString>(QString()));
}

void TestSettings::defaultNameIsProgramFileName()
{
    const SettingsStore store;
    QCOMPARE(store.applicationName(), QStringLiteral("tst_settings"));
    QCOMPARE(store.fileName(), m_config.filePath(QStringLiteral("tst_settings.ini")));
}

// Earlier versions of the program kept the file through QSettings: what they wrote is read, and
// what the store writes, they read the same.
void TestSettings::sharesItsFileWithQSettings_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("a date") << QStringLiteral("12/7/2026");
    QTest::newRow("blanks and a comma") << QStringLiteral(" 7 Dec, 2026 ");
    QTest::newRow("INI's own characters") << QStringLiteral("a=b;c#d[e]\\f\"g%h");
    QTest::newRow("Latin-1 signs") << QStringLiteral("\u00a9 \u00a7 \u00aa");
    QTest::newRow("empty") << QString();
}

void TestSettings::sharesItsFileWithQSettings()
{
    QFETCH(QString, value);
    SettingsStore store = freshStore();
    const QString key = QStringLiteral("Settings/") + encodeSettingText(QStringLiteral("Duration"));
    {
        QSettings earlier(QSettings::IniFormat, QSettings::UserScope, store.applicationName());
        QCOMPARE(earlier.fileName(), store.fileName());
        earlier.setValue(QStringLiteral("Other/kept"), QStringLiteral("as it was"));
        earlier.setValue(key, encodeSettingText(value));
        earlier.sync();
        QCOMPARE(earlier.status(), QSettings::NoError);
    }
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::optional<QString>(value));

    const QString later = value + QStringLiteral("1/1/2027");
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), later));
    QSettings earlier(QSettings::IniFormat, QSettings::UserScope, store.applicationName());
    QCOMPARE(earlier.status(), QSettings::NoError);
    QCOMPARE(decodeSettingText(earlier.value(key).toString()), later);
    QCOMPARE(earlier.value(QStringLiteral("Other/kept")).toString(), QStringLiteral("as it was"));
}

void TestSettings::handEditedValueIsDecodedAllTheSame()
{
    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Other"), QStringLiteral("x")));
    const QByteArray key = "%99%CA%C7%B6%C9%BE%C4%C3"; // Duration, encoded and INI-escaped
    // Digits (codes below 85) vanish; a comma makes the INI reader see a list.
    writeFile(store.fileName(), "[Settings]\n" + key + "=\xc2\xb6\xc2\xb7, 12\xc2\xb8\n");
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("abc")));
}

void TestSettings::unparsableStoreIsReportedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("writeFirst");

    QByteArray noise;
    for (int i = 0; i < 600; ++i)
        noise.append(char((i * 37 + 11) % 256));
    // Not text: nothing an INI file holds, and nothing to write over.
    const QList<std::pair<const char*, QByteArray>> files = {
        {"binary noise", noise},
        {"not UTF-8", QByteArray("[Settings]\n%99%CA=\xb6\xb7\n")},
        {"NUL byte", QByteArray("[Settings]\n%99%CA=\xc2\xb6\0\n", 22)},
    };
    for (const auto& [name, content] : files) {
        QTest::addRow("%s, read first", name) << content << false;
        QTest::addRow("%s, write first", name) << content << true;
    }
}

void TestSettings::unparsableStoreIsReportedAndLeftAlone()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, writeFirst);

    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    writeFile(store.fileName(), content);

    if (writeFirst)
        QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QCOMPARE(readFile(store.fileName()), content);
}

void TestSettings::unreadableStoreIsReported()
{
    SettingsStore store = freshStore();
    // A directory where the file should be can be neither read nor replaced, whoever runs
    // the test.
    QVERIFY(QDir().mkpath(store.fileName()));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QVERIFY(QFileInfo(store.fileName()).isDir());
}

void TestSettings::unwritableStoreIsReportedPromptly()
{
    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    // A lock left by an older version that kept one beside the file (here one that can
    // never be taken) neither blocks nor delays a write.
    QVERIFY(QDir().mkpath(store.fileName() + QStringLiteral(".lock")));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("2/1/2026")));
    QVERIFY2(timer.elapsed() < 2000, "a blocked store must not hold up startup");
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("2/1/2026")));

    // A file in a folder that cannot be made (a file stands in its way) is reported at once.
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    writeFile(parent.filePath(QStringLiteral("file")), "x");
    QVERIFY(!replaceFileContents(parent.filePath(QStringLiteral("file/below/store.ini")), "x"));
}

void TestSettings::writeReplacesFileWhole()
{
    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());

    // A reader that opened the file before the write still sees the old file complete: the
    // new content went into a new file that was renamed over the old one, so there was
    // never a moment with a half-written store under that name.
    QFile earlier(store.fileName());
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("22/11/2027")));
    QCOMPARE(earlier.readAll(), before);
    QVERIFY(readFile(store.fileName()) != before);

    // No temporary files are left beside it.
    const QFileInfo info(store.fileName());
    const QStringList beside =
        info.dir().entryList({info.fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    QCOMPARE(beside, QStringList{info.fileName()});
}

void TestSettings::backgroundWriteIsSeenByEveryLaterUse()
{
    SettingsStore store = freshStore();
    QVERIFY(store.waitForBackgroundWrite()); // none under way yet

    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/7/2026")));

    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/8/2026"));
    QVERIFY(store.waitForBackgroundWrite());
    const SettingsStore reader(store.applicationName());
    QCOMPARE(reader.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/8/2026")));
}

void TestSettings::backgroundWriteEndsBeforeTheStoreGoesAway()
{
    QString name;
    {
        SettingsStore store = freshStore();
        name = store.applicationName();
        store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    }
    // The file is complete as soon as the store is gone, as the next run would find it.
    const SettingsStore reader(name);
    QCOMPARE(reader.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/7/2026")));
    QCOMPARE(QDir(QFileInfo(reader.fileName()).absolutePath())
                 .entryList({QFileInfo(reader.fileName()).fileName() + QLatin1Char('*')},
                            QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(reader.fileName()).fileName()});
}

void TestSettings::writesStayInTheOrderStarted()
{
    // A write started later, in the background or not, always wins over an earlier one that
    // was still under way.
    SettingsStore store = freshStore();
    for (int round = 0; round < 20; ++round) {
        const QString first = QStringLiteral("1/%1/2026").arg(round + 1);
        const QString second = QStringLiteral("2/%1/2026").arg(round + 1);
        store.writeSettingInBackground(QStringLiteral("Duration"), first);
        if (round % 2)
            QVERIFY(store.writeSetting(QStringLiteral("Duration"), second));
        else
            store.writeSettingInBackground(QStringLiteral("Duration"), second);
        QVERIFY(store.waitForBackgroundWrite());
        const SettingsStore reader(store.applicationName());
        QCOMPARE(reader.readSetting(QStringLiteral("Duration")), std::optional<QString>(second));
    }
}

void TestSettings::failedBackgroundWriteIsReported()
{
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(store.fileName()));
    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QVERIFY(!store.waitForBackgroundWrite());
    QVERIFY(QFileInfo(store.fileName()).isDir());
    // Reported once: nothing is under way any more.
    QVERIFY(store.waitForBackgroundWrite());
}

void TestSettings::failedBackgroundWriteOutlivesOtherUses_data()
{
    QTest::addColumn<QString>("meanwhile");
    for (const char* use : {"a read", "a write"})
        QTest::newRow(use) << QString::fromLatin1(use);
}

// Another use of the store waits for the failed write too, but the failure is still told to
// the one who asks.
void TestSettings::failedBackgroundWriteOutlivesOtherUses()
{
    QFETCH(QString, meanwhile);
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(store.fileName()));
    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    if (meanwhile == QLatin1String("a read"))
        QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    else
        QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));
    QVERIFY(!store.waitForBackgroundWrite());
    QVERIFY(store.waitForBackgroundWrite());
}

void TestSettings::backgroundWriteTellsOfAnUnparsableStore()
{
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    const QByteArray content("[Settings]\n%99%CA=\xb6\xb7\n");
    writeFile(store.fileName(), content);

    // The worker finds the file is not text and leaves it alone; so does the store afterwards.
    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QVERIFY(!store.waitForBackgroundWrite());
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/7/2026")));
    QCOMPARE(readFile(store.fileName()), content);
}

void TestSettings::strayLinesDoNotHideTheStoredDate_data()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray duration = "%99%CA%C7%B6%C9%BE%C4%C3=\xc2\x86\xc2\x87\xc2\x84\xc2\x8b\xc2\x84"
                                "\xc2\x87\xc2\x85\xc2\x87\xc2\x8b\n"; // 12/6/2026
    QTest::newRow("line without =") << "[Settings]\nhalf a line\n" + duration;
    QTest::newRow("junk before the section") << "junk\n[Settings]\n" + duration;
    QTest::newRow("stray line after the value") << "[Settings]\n" + duration + "stray\n";
    QTest::newRow("unknown sections around")
        << "[Window]\nwidth=641\n\n[Settings]\n" + duration + "\n[Other]\nnoise\nx=1\n";
    QTest::newRow("unclosed section before") << "[Window\nx=1\n[Settings]\n" + duration;
    QTest::newRow("byte order mark") << "\xef\xbb\xbf[Settings]\n" + duration;
    QTest::newRow("comments and CRLF")
        << "; kept by hand\r\n[Settings]\r\n# note\r\n" + duration.chopped(1) + "\r\n";
}

void TestSettings::strayLinesDoNotHideTheStoredDate()
{
    QFETCH(QByteArray, content);

    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    writeFile(store.fileName(), content);
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/6/2026")));

    // A rewrite replaces the date and keeps every other section and key.
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/2/2027")));
    const SettingsStore reader(store.applicationName());
    QCOMPARE(reader.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("1/2/2027")));
    const QByteArray after = readFile(store.fileName());
    for (const QByteArray& kept : {QByteArray("[Window]\nwidth=641"), QByteArray("x=1")}) {
        if (content.contains(kept))
            QVERIFY2(after.contains(kept), after.constData());
    }
}

void TestSettings::systemWideFileDoesNotAnswerForTheUser()
{
    // A system-wide file of the same name holds a date; the user never wrote one.
    QTemporaryDir system;
    QVERIFY(system.isValid());
    SettingsStore store = freshStore();
    writeFile(system.filePath(store.applicationName() + QStringLiteral(".ini")),
              "[Settings]\n%99%CA%C7%B6%C9%BE%C4%C3=\xc2\x86\xc2\x84\xc2\x86\xc2\x84\xc2\x87"
              "\xc2\x85\xc2\x87\xc2\x86\n");
    const QByteArray saved = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", system.path().toLocal8Bit());
    const auto read = store.readSetting(QStringLiteral("Duration"));
    qputenv("XDG_CONFIG_DIRS", saved);
    QCOMPARE(read, std::optional<QString>(QString()));
}

void TestSettings::nonRegularStoreIsNeverOpened()
{
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    const QByteArray fifo = QFile::encodeName(store.fileName());
    QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);

    // Opening a FIFO for reading waits for a writer; the store must not.
    auto read = std::async(std::launch::async,
                           [&store] { return store.readSetting(QStringLiteral("Duration")); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Release the reader so that the test can end.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        read.wait();
        ::close(writer);
        QFAIL("reading a store that is a FIFO never returned");
    }
    QCOMPARE(read.get(), std::nullopt);

    auto write = std::async(std::launch::async, [&store] {
        return store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026"));
    });
    if (write.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        write.wait();
        ::close(writer);
        QFAIL("writing a store that is a FIFO never returned");
    }
    QVERIFY(!write.get());
    struct stat info;
    QVERIFY(::lstat(fifo.constData(), &info) == 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

void TestSettings::fullDiskLeavesTheOldFile()
{
    // A real full disk: a tmpfs of a few pages, filled up after the first write.
    QTemporaryDir mountPoint;
    QVERIFY(mountPoint.isValid());
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=16k,nr_inodes=64") != 0)
        QSKIP("skipped: a tmpfs cannot be mounted here (needs root and mount rights)");
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{where};

    qputenv("XDG_CONFIG_HOME", where + "/config");
    struct RestoreConfig
    {
        QByteArray config;
        ~RestoreConfig() { qputenv("XDG_CONFIG_HOME", config); }
    } restoreConfig{QFile::encodeName(m_config.path())};

    SettingsStore store(QStringLiteral("tst_settings_full"));
    QVERIFY(store.fileName().startsWith(mountPoint.path()));
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());
    QVERIFY(!before.isEmpty());

    QFile filler(mountPoint.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();

    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("22/11/2027")));
    QCOMPARE(readFile(store.fileName()), before);
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("1/1/2026")));
    // Nothing is left beside the file either.
    QCOMPARE(QDir(QFileInfo(store.fileName()).absolutePath())
                 .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(store.fileName()).fileName()});
}

namespace {

// The step a faulty write fails at, and how.
enum class Fault {
    NoSpaceAtOnce,
    NoSpaceHalfWay,
    WriteStopsShort,
    SyncFails,
    CloseFails,
    RenameFails,
};
Fault g_fault;

ssize_t faultyWrite(int fd, const void* data, size_t size)
{
    switch (g_fault) {
    case Fault::NoSpaceAtOnce:
        errno = ENOSPC;
        return -1;
    case Fault::NoSpaceHalfWay: {
        // The first call gets half the bytes down, the next finds the disk full.
        static bool first = true;
        first = !first;
        if (!first) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size / 2 + 1);
    }
    case Fault::WriteStopsShort:
        return 0;
    default:
        return ::write(fd, data, size);
    }
}

int faultySync(int fd)
{
    if (g_fault == Fault::SyncFails) {
        errno = EIO;
        return -1;
    }
    return ::fsync(fd);
}

int faultyClose(int fd)
{
    const int closed = ::close(fd);
    if (g_fault == Fault::CloseFails) {
        errno = EIO;
        return -1;
    }
    return closed;
}

int faultyRename(const char* from, const char* to)
{
    if (g_fault == Fault::RenameFails) {
        errno = EXDEV;
        return -1;
    }
    return ::rename(from, to);
}

} // namespace

void TestSettings::failedWriteStepLeavesTheOldFile_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("disk full at once") << Fault::NoSpaceAtOnce;
    QTest::newRow("disk full half way") << Fault::NoSpaceHalfWay;
    QTest::newRow("write takes nothing") << Fault::WriteStopsShort;
    QTest::newRow("sync fails") << Fault::SyncFails;
    QTest::newRow("close fails") << Fault::CloseFails;
    QTest::newRow("rename fails") << Fault::RenameFails;
}

void TestSettings::failedWriteStepLeavesTheOldFile()
{
    QFETCH(Fault, fault);

    SettingsStore store = freshStore();
    QVERIFY(store.writeSetting(QStringLiteral("Window"), QStringLiteral("kept as it was")));
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());

    g_fault = fault;
    store.setFileWriteCalls({faultyWrite, faultySync, faultyClose, faultyRename});
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("22/11/2027")));
    store.writeSettingInBackground(QStringLiteral("Duration"), QStringLiteral("23/11/2027"));
    QVERIFY(!store.waitForBackgroundWrite());

    QCOMPARE(readFile(store.fileName()), before);
    const QFileInfo info(store.fileName());
    QCOMPARE(info.dir().entryList({info.fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden),
             QStringList{info.fileName()});

    // With the disk well again the next write goes through.
    store.setFileWriteCalls(FileWriteCalls::system());
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("24/11/2027")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("24/11/2027")));
}

namespace {

// Every name in the file's folder that starts with the file's name: the file, and whatever a
// write left beside it.
QStringList besideTheFile(const QString& path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + QLatin1Char('*')},
                                QDir::Files | QDir::Hidden | QDir::System);
}

bool isLink(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Restores an environment variable when it goes.
struct SavedVariable
{
    explicit SavedVariable(const char* n)
        : name(n), wasSet(qEnvironmentVariableIsSet(n)), value(qgetenv(n))
    {}
    ~SavedVariable()
    {
        if (wasSet)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    const char* name;
    bool wasSet;
    QByteArray value;
};

// How a write is ended half-way in a child process.
enum class EndAt {
    Writing,
    Renaming,
};

ssize_t writeHalfThenDie(int fd, const void* data, size_t size)
{
    (void)!::write(fd, data, size / 2);
    ::raise(SIGKILL);
    return -1;
}

int dieAtRename(const char*, const char*)
{
    ::raise(SIGKILL);
    return -1;
}

QStringList g_events;

// Every other call is interrupted by a signal before it writes anything.
ssize_t interruptedWrite(int fd, const void* data, size_t size)
{
    static bool interrupt = false;
    interrupt = !interrupt;
    if (interrupt) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, data, std::min<size_t>(size, 7));
}

int noteRename(const char* from, const char* to)
{
    g_events << QStringLiteral("rename");
    return ::rename(from, to);
}

int noteFolderSync(const char* path)
{
    g_events << QStringLiteral("sync ") + QFile::decodeName(path);
    return FileWriteCalls::syncFolderOnDisk(path);
}

} // namespace

void TestSettings::storeFollowsTheBaseDirectoryRules_data()
{
    QTest::addColumn<QString>("home");    // "absolute", "relative" or "unset"
    QTest::addColumn<QString>("folders"); // XDG_CONFIG_HOME and XDG_DATA_HOME alike
    QTest::addColumn<bool>("foldersUsed");

    QTest::newRow("absolute folders") << "absolute"
                                      << "absolute" << true;
    QTest::newRow("relative folders are ignored") << "absolute"
                                                  << "relative" << false;
    QTest::newRow("empty folders") << "absolute"
                                   << "empty" << false;
    QTest::newRow("folders unset") << "absolute"
                                   << "unset" << false;
    QTest::newRow("HOME unset") << "unset"
                                << "unset" << false;
    QTest::newRow("HOME relative") << "relative"
                                   << "unset" << false;
    QTest::newRow("HOME unset, absolute folders") << "unset"
                                                  << "absolute" << true;
}

void TestSettings::storeFollowsTheBaseDirectoryRules()
{
    QFETCH(QString, home);
    QFETCH(QString, folders);
    QFETCH(bool, foldersUsed);

    QTemporaryDir base;
    QVERIFY(base.isValid());
    const SavedVariable savedHome("HOME");
    const SavedVariable savedConfig("XDG_CONFIG_HOME");
    const SavedVariable savedData("XDG_DATA_HOME");
    const passwd* entry = ::getpwuid(::getuid());
    QVERIFY(entry);
    QString homeFolder = QDir::cleanPath(QFile::decodeName(entry->pw_dir));
    if (home == QLatin1String("absolute")) {
        homeFolder = base.filePath(QStringLiteral("home"));
        qputenv("HOME", QFile::encodeName(homeFolder));
    } else if (home == QLatin1String("relative")) {
        qputenv("HOME", "home");
    } else {
        qunsetenv("HOME");
    }
    if (folders == QLatin1String("absolute")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(base.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(base.filePath(QStringLiteral("data"))));
    } else if (folders == QLatin1String("relative")) {
        qputenv("XDG_CONFIG_HOME", "config");
        qputenv("XDG_DATA_HOME", "data");
    } else if (folders == QLatin1String("empty")) {
        qputenv("XDG_CONFIG_HOME", "");
        qputenv("XDG_DATA_HOME", "");
    } else {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    const QString config = foldersUsed ? base.filePath(QStringLiteral("config"))
                                       : homeFolder + QStringLiteral("/.config");
    const QString data = foldersUsed ? base.filePath(QStringLiteral("data"))
                                     : homeFolder + QStringLiteral("/.local/share");
    QCOMPARE(userHomeFolder(), homeFolder);
    QCOMPARE(userConfigFolder(), config);
    QCOMPARE(userDataFolder(), data);
    QCOMPARE(programDataFolder(), data + QStringLiteral("/CorvellaFreeLearnNumerology"));
    SettingsStore store(QStringLiteral("tst_settings_rules"));
    QCOMPARE(store.fileName(), config + QStringLiteral("/tst_settings_rules.ini"));

    // Written for real where that is a folder of this test's own: never under the current one.
    if (home == QLatin1String("absolute")) {
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(base.path()));
        const bool written = store.writeSetting(QStringLiteral("Duration"), QStringLiteral("x"));
        QDir::setCurrent(current);
        QVERIFY(written);
        QVERIFY(QFileInfo::exists(config + QStringLiteral("/tst_settings_rules.ini")));
        QVERIFY(
            !QFileInfo::exists(base.filePath(QStringLiteral("config/tst_settings_rules.ini"))) ||
            foldersUsed);
    }
}

void TestSettings::chainOfLinksIsWrittenThrough_data()
{
    QTest::addColumn<int>("links");
    QTest::addColumn<bool>("relative");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("one link") << 1 << false << true;
    QTest::newRow("two links, relative") << 2 << true << true;
    QTest::newRow("three links, absolute") << 3 << false << true;
    QTest::newRow("two links to a file yet to be made") << 2 << true << false;
}

void TestSettings::chainOfLinksIsWrittenThrough()
{
    QFETCH(int, links);
    QFETCH(bool, relative);
    QFETCH(bool, targetExists);

    // The real file in a folder of its own, the links between it and the store's name in
    // others: a dotfile manager's layout.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(elsewhere.filePath(QStringLiteral("real"))));
    const QString target = elsewhere.filePath(QStringLiteral("real/settings.ini"));
    if (targetExists)
        writeFile(target, "[Other]\nkept=1\n");
    QStringList chain{store.fileName()};
    for (int link = 1; link < links; ++link) {
        QVERIFY(QDir().mkpath(elsewhere.filePath(QStringLiteral("links%1").arg(link))));
        chain << elsewhere.filePath(QStringLiteral("links%1/link.ini").arg(link));
    }
    chain << target;
    for (int i = 0; i + 1 < chain.size(); ++i) {
        const QString to = relative ? QFileInfo(chain.at(i)).dir().relativeFilePath(chain.at(i + 1))
                                    : chain.at(i + 1);
        QCOMPARE(::symlink(QFile::encodeName(to).constData(),
                           QFile::encodeName(chain.at(i)).constData()),
                 0);
    }

    for (const QString& date : {QStringLiteral("1/1/2027"), QStringLiteral("2/2/2027")}) {
        QVERIFY(store.writeSetting(QStringLiteral("Duration"), date));
        for (int i = 0; i + 1 < chain.size(); ++i)
            QVERIFY2(isLink(chain.at(i)), qPrintable(chain.at(i)));
        QCOMPARE(SettingsStore(store.applicationName()).readSetting(QStringLiteral("Duration")),
                 std::optional<QString>(date));
        const QByteArray real = readFile(target);
        QVERIFY(real.contains(encodeSettingText(date).toUtf8()));
        QCOMPARE(real.contains("kept=1"), targetExists);
        QCOMPARE(besideTheFile(target), QStringList{QStringLiteral("settings.ini")});
    }
}

void TestSettings::aWriteEndedHalfWayLeavesNothingBehind_data()
{
    QTest::addColumn<EndAt>("endAt");
    QTest::addColumn<bool>("firstWrite");
    QTest::newRow("killed while writing the first file") << EndAt::Writing << true;
    QTest::newRow("killed while writing over a file") << EndAt::Writing << false;
    QTest::newRow("killed before the rename") << EndAt::Renaming << false;
}

void TestSettings::aWriteEndedHalfWayLeavesNothingBehind()
{
    QFETCH(EndAt, endAt);
    QFETCH(bool, firstWrite);

    SettingsStore store = freshStore();
    if (!firstWrite)
        QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());

    FileWriteCalls dying = FileWriteCalls::system();
    if (endAt == EndAt::Writing)
        dying.write = writeHalfThenDie;
    else
        dying.rename = dieAtRename;
    QByteArray content(20000, 'x');
    content.prepend("[Settings]\n; ");
    const pid_t child = ::fork();
    if (child == 0) {
        replaceFileContents(store.fileName(), content, dying);
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));

    QCOMPARE(readFile(store.fileName()), before);
    // A file without a name while it is written: a process ended then leaves nothing.
    if (endAt == EndAt::Writing)
        QCOMPARE(besideTheFile(store.fileName()),
                 firstWrite ? QStringList() : QStringList{QFileInfo(store.fileName()).fileName()});
    // Whatever it left once it had a name, the next write removes.
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("2/1/2026")));
    QCOMPARE(besideTheFile(store.fileName()), QStringList{QFileInfo(store.fileName()).fileName()});
}

void TestSettings::fileModeIsKept_data()
{
    QTest::addColumn<int>("mode"); // -1: no file yet
    QTest::addColumn<int>("expected");
    QTest::newRow("0644") << 0644 << 0644;
    QTest::newRow("0664") << 0664 << 0664;
    QTest::newRow("0640") << 0640 << 0640;
    QTest::newRow("0600") << 0600 << 0600;
    QTest::newRow("0444") << 0444 << 0444;
    QTest::newRow("a new file is the user's alone") << -1 << 0600;
}

void TestSettings::fileModeIsKept()
{
    QFETCH(int, mode);
    QFETCH(int, expected);
    SettingsStore store = freshStore();
    const QByteArray name = QFile::encodeName(store.fileName());
    if (mode >= 0) {
        writeFile(store.fileName(), "[Settings]\n");
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
    }
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    struct stat info;
    QCOMPARE(::stat(name.constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), expected);
}

void TestSettings::folderIsSyncedAfterTheRename()
{
    // Through a link, so that the folder synced must be the real file's, not the link's.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    SettingsStore store = freshStore();
    const QString target = elsewhere.filePath(QStringLiteral("settings.ini"));
    QVERIFY(QFile::link(target, store.fileName()));
    FileWriteCalls noting = FileWriteCalls::system();
    noting.rename = noteRename;
    noting.syncFolder = noteFolderSync;
    store.setFileWriteCalls(noting);
    g_events.clear();
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    QCOMPARE(g_events,
             (QStringList{QStringLiteral("rename"), QStringLiteral("sync ") + elsewhere.path()}));
}

void TestSettings::aLiveWritersFileIsLeftAlone()
{
    // What a writer that was ended half-way left goes; what a live one (process 1 here) is
    // about to rename, and the user's own files beside the store, stay.
    SettingsStore store = freshStore();
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    QCOMPARE(::waitpid(gone, nullptr, 0), gone);
    const QString dead = store.fileName() + QStringLiteral(".partial-%1-0").arg(gone);
    const QString live = store.fileName() + QStringLiteral(".partial-1-0");
    const QString own = store.fileName() + QStringLiteral(".backup");
    m_leftovers << dead << live << own;
    for (const QString& path : {dead, live, own})
        writeFile(path, "[Settings]\n");
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    QVERIFY(!QFileInfo::exists(dead));
    QVERIFY(QFileInfo::exists(live));
    QVERIFY(QFileInfo::exists(own));
}

void TestSettings::noHomeAtAllIsNoStore()
{
    // A user the password database does not know, with HOME unset: there is no folder to keep
    // the store in, and it must not be sought at the top of the file system.
    const uid_t stranger = 54321;
    if (::geteuid() != 0)
        QSKIP("only root can become a user the password database does not know");
    if (::getpwuid(stranger))
        QSKIP("the password database knows the user id this test uses");
    const pid_t child = ::fork();
    if (child == 0) {
        qunsetenv("HOME");
        qunsetenv("XDG_CONFIG_HOME");
        if (::setgid(stranger) != 0 || ::setuid(stranger) != 0)
            ::_exit(2);
        SettingsStore store(QStringLiteral("tst_settings_nohome"));
        const bool none = store.fileName().isEmpty() &&
                          !store.readSetting(QStringLiteral("Duration")).has_value() &&
                          !store.writeSetting(QStringLiteral("Duration"), QStringLiteral("x"));
        ::_exit(none ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TestSettings::interruptedWriteIsResumed()
{
    SettingsStore store = freshStore();
    FileWriteCalls interrupted = FileWriteCalls::system();
    interrupted.write = interruptedWrite;
    store.setFileWriteCalls(interrupted);
    QVERIFY(store.writeSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QVERIFY(store.writeSetting(QStringLiteral("Other"), QStringLiteral("kept")));
    QCOMPARE(store.readSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/6/2026")));
    QCOMPARE(store.readSetting(QStringLiteral("Other")),
             std::optional<QString>(QStringLiteral("kept")));
}

void TestSettings::onlyARegularFileIsReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("link to a FIFO") << QStringLiteral("link");
}

void TestSettings::onlyARegularFileIsReplaced()
{
    // Every caller's file, not only the store's (which never gets this far with such a path).
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("kept"));
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QCOMPARE(
            ::mkfifo(QFile::encodeName(kind == QLatin1String("fifo") ? path : fifo).constData(),
                     0600),
            0);
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(fifo, path));
    }
    QVERIFY(!replaceFileContents(path, "[Settings]\n"));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(kind == QLatin1String("folder") ? S_ISDIR(info.st_mode) : S_ISFIFO(info.st_mode));
    QCOMPARE(isLink(path), kind == QLatin1String("link"));
}

void TestSettings::pathThatCannotBeLookedAtIsNotTakenForAbsent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to itself") << QStringLiteral("self");
    QTest::newRow("two links in a loop") << QStringLiteral("loop");
    QTest::newRow("a chain longer than the system follows") << QStringLiteral("long");
}

void TestSettings::pathThatCannotBeLookedAtIsNotTakenForAbsent()
{
    QFETCH(QString, kind);
    SettingsStore store = freshStore();
    const QString path = store.fileName();
    QStringList links{path};
    if (kind == QLatin1String("self")) {
        QVERIFY(QFile::link(path, path));
    } else if (kind == QLatin1String("loop")) {
        links << path + QStringLiteral(".other");
        m_leftovers << links.last();
        QVERIFY(QFile::link(links.last(), path));
        QVERIFY(QFile::link(path, links.last()));
    } else {
        for (int i = 1; i <= 45; ++i) {
            links << path + QStringLiteral(".%1").arg(i);
            m_leftovers << links.last();
            QVERIFY(QFile::link(links.last(), links.at(i - 1)));
        }
        writeFile(links.last(), "[Settings]\n");
        links.removeLast();
    }
    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    QVERIFY(!replaceFileContents(path, "[Settings]\n"));
    for (const QString& link : std::as_const(links))
        QVERIFY2(isLink(link), qPrintable(link));
}

void TestSettings::fileTheStoreWouldNotReadIsNotWrittenOver_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("larger than a settings file gets") << QStringLiteral("large");
    QTest::newRow("unreadable to its owner") << QStringLiteral("unreadable");
}

void TestSettings::fileTheStoreWouldNotReadIsNotWrittenOver()
{
    QFETCH(QString, kind);
    if (kind == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("root reads every file; the run as an ordinary user checks this");
    SettingsStore store = freshStore();
    QByteArray content = "[Settings]\n";
    if (kind == QLatin1String("large")) {
        while (content.size() <= (1 << 20))
            content += "; a comment line that only makes the file larger than any of ours\n";
    }
    writeFile(store.fileName(), content);
    const QByteArray name = QFile::encodeName(store.fileName());
    if (kind == QLatin1String("unreadable"))
        QCOMPARE(::chmod(name.constData(), 0), 0);

    QCOMPARE(store.readSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.writeSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    ::chmod(name.constData(), 0600);
    QCOMPARE(readFile(store.fileName()), content);
}

void TestSettings::valueEscapesRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("value");
    QTest::newRow("\\x with two digits") << QStringLiteral("\\x41") << QStringLiteral("A");
    QTest::newRow("\\x with four digits") << QStringLiteral("\\x0041") << QStringLiteral("A");
    QTest::newRow("\\x above Latin-1") << QStringLiteral("\\x20AC") << QStringLiteral("\u20ac");
    QTest::newRow("\\x stops after four")
        << QStringLiteral("\\x00e9f") << QStringLiteral("\u00e9f");
    QTest::newRow("\\x stops at a non-digit")
        << QStringLiteral("\\x4g") << QStringLiteral("\u0004g");
    QTest::newRow("octal") << QStringLiteral("\\101") << QStringLiteral("A");
    QTest::newRow("octal stops after three") << QStringLiteral("\\1011") << QStringLiteral("A1");
    QTest::newRow("control escapes")
        << QStringLiteral("\\a\\b\\f\\n\\r\\t\\v") << QStringLiteral("\a\b\f\n\r\t\v");
    QTest::newRow("backslash and others") << QStringLiteral("\\\\\\q") << QStringLiteral("\\q");
    QTest::newRow("backslash at the end") << QStringLiteral("a\\") << QStringLiteral("a\\");
    QTest::newRow("quoted ; and ,") << QStringLiteral("\"a;b,c\"") << QStringLiteral("a;b,c");
    QTest::newRow("comment after ;") << QStringLiteral("ab;cd") << QStringLiteral("ab");
    QTest::newRow("list items joined") << QStringLiteral("a,b, c") << QStringLiteral("ab c");
}

void TestSettings::valueEscapesRead()
{
    QFETCH(QString, stored);
    QFETCH(QString, value);
    QCOMPARE(unescapedValue(stored), value);
}

void TestSettings::rewriteChangesOnlyTheKeysLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("the key once") << QByteArray("[Settings]\nA=1\nK=old\nB=2\n")
                                  << QByteArray("[Settings]\nA=1\nK=new\nB=2\n");
    QTest::newRow("the key three times") << QByteArray("[Settings]\nK=1\nA=1\nK=2\nK=3\nB=2\n")
                                         << QByteArray("[Settings]\nA=1\nK=new\nB=2\n");
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[Settings]\nK=old\n")
                                     << QByteArray("\xef\xbb\xbf[Settings]\nK=new\n");
    QTest::newRow("byte-order mark before the key")
        << QByteArray("\xef\xbb\xbfK=old\n[Settings]\nK=1\n")
        << QByteArray("\xef\xbb\xbfK=old\n[Settings]\nK=new\n");
    QTest::newRow("key absent") << QByteArray("[Settings]\nA=1\n")
                                << QByteArray("[Settings]\nK=new\nA=1\n");
    QTest::newRow("key in another section only")
        << QByteArray("[Other]\nK=1\n[Settings]\nA=1\n")
        << QByteArray("[Other]\nK=1\n[Settings]\nK=new\nA=1\n");
    QTest::newRow("tabs around the key")
        << QByteArray("[Settings]\n\tK\t=\told\t\nA=1\n") << QByteArray("[Settings]\nK=new\nA=1\n");
    QTest::newRow("section twice, key absent")
        << QByteArray("[Settings]\nA=1\n[Settings]\nB=1\n")
        << QByteArray("[Settings]\nK=new\nA=1\n[Settings]\nB=1\n");
    QTest::newRow("a header without a name ends the section")
        << QByteArray("[Settings]\nK=old\n[]\nK=x\n") << QByteArray("[Settings]\nK=new\n[]\nK=x\n");
    QTest::newRow("section twice") << QByteArray("[Settings]\nA=1\n[Settings]\nK=1\n")
                                   << QByteArray("[Settings]\nA=1\n[Settings]\nK=new\n");
    QTest::newRow("no section") << QByteArray("A=1\n") << QByteArray("A=1\n\n[Settings]\nK=new\n");
    QTest::newRow("no section, blank line last")
        << QByteArray("A=1\n\n") << QByteArray("A=1\n\n[Settings]\nK=new\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Settings]\nK=new\n");
    QTest::newRow("no line break at the end")
        << QByteArray("[Settings]\nK=old") << QByteArray("[Settings]\nK=new\n");
    QTest::newRow("spaces and CR kept elsewhere")
        << QByteArray("[Settings]\r\n  A = 1 \r\n K = old\r\n")
        << QByteArray("[Settings]\r\n  A = 1 \r\nK=new\n");
}

void TestSettings::rewriteChangesOnlyTheKeysLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    IniFile ini;
    QVERIFY(parseIni(before, ini));
    QCOMPARE(withValue(ini, QStringLiteral("Settings"), QStringLiteral("K"), QStringLiteral("new")),
             after);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
