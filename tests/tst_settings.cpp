#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

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
    void nothingStoredInPlainText();
    void otherProgramNameSeesEmptyStore();
    void defaultNameIsProgramFileName();
    void handEditedValueIsDecodedAllTheSame();

    void unparsableStoreIsReportedAndLeftAlone_data();
    void unparsableStoreIsReportedAndLeftAlone();
    void unreadableStoreIsReported();
    void unwritableStoreIsReportedPromptly();
    void writeReplacesFileWhole();

    void backgroundWriteIsSeenByEveryLaterUse();
    void backgroundWriteEndsBeforeTheStoreGoesAway();
    void writesStayInTheOrderStarted();
    void failedBackgroundWriteIsReported();
    void backgroundWriteTellsOfAnUnparsableStore();

private:
    // A store of its own for every test, so that tests do not see each other's files.
    SettingsStore freshStore();

    int m_stores = 0;
    QStringList m_leftovers;
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
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
    QCOMPARE(EncodeSettingText(plain), encoded);
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
    QCOMPARE(DecodeSettingText(stored), plain);
}

void TestSettings::roundTripKeepsEveryCodeUpTo170()
{
    const QString all = codeRange(0, 170);
    QCOMPARE(DecodeSettingText(EncodeSettingText(all)), all);
    // And only those: the rest of ISO 8859-1 is lost on the way in.
    QCOMPARE(DecodeSettingText(EncodeSettingText(codeRange(0, 255))), all);
}

void TestSettings::missingKeyReadsEmpty()
{
    SettingsStore store = freshStore();
    const auto before = store.ReadSetting(QStringLiteral("Duration"));
    QVERIFY(before.has_value());
    QVERIFY(before->isEmpty());

    QVERIFY(store.WriteSetting(QStringLiteral("Other"), QStringLiteral("x")));
    const auto after = store.ReadSetting(QStringLiteral("Duration"));
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
    QVERIFY(writer.WriteSetting(key, value));
    // A second store of the same name, as the next run of the program would open it.
    const SettingsStore reader(writer.applicationName());
    QCOMPARE(reader.ReadSetting(key), std::optional<QString>(value));
}

void TestSettings::laterWriteReplacesEarlier()
{
    SettingsStore store = freshStore();
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    QVERIFY(store.WriteSetting(QStringLiteral("Other"), QStringLiteral("kept")));
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("2/1/2026")));
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("2/1/2026")));
    QCOMPARE(store.ReadSetting(QStringLiteral("Other")),
             std::optional<QString>(QStringLiteral("kept")));
}

void TestSettings::nothingStoredInPlainText()
{
    SettingsStore store = freshStore();
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    const QByteArray bytes = readFile(store.fileName());
    QVERIFY(bytes.contains("[Settings]"));
    QVERIFY(!bytes.contains("Duration"));
    QVERIFY(!bytes.contains("12/6/2026"));
}

void TestSettings::otherProgramNameSeesEmptyStore()
{
    SettingsStore original = freshStore();
    SettingsStore copy = freshStore();
    QVERIFY(original.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QVERIFY(original.fileName() != copy.fileName());
    QCOMPARE(copy.ReadSetting(QStringLiteral("Duration")), std::optional<QString>(QString()));
}

void TestSettings::defaultNameIsProgramFileName()
{
    const SettingsStore store;
    QCOMPARE(store.applicationName(), QStringLiteral("tst_settings"));
    // Under the test location, never in the user's real configuration.
    QVERIFY(store.fileName().contains(QStringLiteral(".qttest")));
}

void TestSettings::handEditedValueIsDecodedAllTheSame()
{
    SettingsStore store = freshStore();
    QVERIFY(store.WriteSetting(QStringLiteral("Other"), QStringLiteral("x")));
    const QByteArray key = "%99%CA%C7%B6%C9%BE%C4%C3"; // Duration, encoded and INI-escaped
    // Digits (codes below 85) vanish; a comma makes the INI reader see a list.
    writeFile(store.fileName(), "[Settings]\n" + key + "=\xc2\xb6\xc2\xb7, 12\xc2\xb8\n");
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("abc")));
}

void TestSettings::unparsableStoreIsReportedAndLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("writeFirst");

    QByteArray noise;
    for (int i = 0; i < 600; ++i)
        noise.append(char((i * 37 + 11) % 256));
    const QList<std::pair<const char*, QByteArray>> files = {
        {"binary noise", noise},
        {"unclosed section", QByteArray("[Settings\n%99%CA=\xc2\xb6\n")},
        {"line without =", QByteArray("[Settings]\nhalf a line\n")},
        {"junk before the section", QByteArray("junk\n[Settings]\n%99=\xc2\xb6\n")},
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
        QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QCOMPARE(readFile(store.fileName()), content);
}

void TestSettings::unreadableStoreIsReported()
{
    SettingsStore store = freshStore();
    // A directory where the file should be can be neither read nor replaced, whoever runs
    // the test.
    QVERIFY(QDir().mkpath(store.fileName()));
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/6/2026")));
    QVERIFY(QFileInfo(store.fileName()).isDir());
}

void TestSettings::unwritableStoreIsReportedPromptly()
{
    SettingsStore store = freshStore();
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());
    // A lock that can never be taken: QSettings alone would wait for it for ever.
    QVERIFY(QDir().mkpath(store.fileName() + QStringLiteral(".lock")));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("2/1/2026")));
    QVERIFY2(timer.elapsed() < 10000, "a blocked store must not hold up startup");

    QCOMPARE(readFile(store.fileName()), before);
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("1/1/2026")));
}

void TestSettings::writeReplacesFileWhole()
{
    SettingsStore store = freshStore();
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("1/1/2026")));
    const QByteArray before = readFile(store.fileName());

    // A reader that opened the file before the write still sees the old file complete: the
    // new content went into a new file that was renamed over the old one, so there was
    // never a moment with a half-written store under that name.
    QFile earlier(store.fileName());
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("22/11/2027")));
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

    store.WriteSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/7/2026")));

    store.WriteSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/8/2026"));
    QVERIFY(store.waitForBackgroundWrite());
    const SettingsStore reader(store.applicationName());
    QCOMPARE(reader.ReadSetting(QStringLiteral("Duration")),
             std::optional<QString>(QStringLiteral("12/8/2026")));
}

void TestSettings::backgroundWriteEndsBeforeTheStoreGoesAway()
{
    QString name;
    {
        SettingsStore store = freshStore();
        name = store.applicationName();
        store.WriteSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    }
    // The file is complete as soon as the store is gone, as the next run would find it.
    const SettingsStore reader(name);
    QCOMPARE(reader.ReadSetting(QStringLiteral("Duration")),
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
        store.WriteSettingInBackground(QStringLiteral("Duration"), first);
        if (round % 2)
            QVERIFY(store.WriteSetting(QStringLiteral("Duration"), second));
        else
            store.WriteSettingInBackground(QStringLiteral("Duration"), second);
        QVERIFY(store.waitForBackgroundWrite());
        const SettingsStore reader(store.applicationName());
        QCOMPARE(reader.ReadSetting(QStringLiteral("Duration")), std::optional<QString>(second));
    }
}

void TestSettings::failedBackgroundWriteIsReported()
{
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(store.fileName()));
    store.WriteSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QVERIFY(!store.waitForBackgroundWrite());
    QVERIFY(QFileInfo(store.fileName()).isDir());
    // Reported once: nothing is under way any more.
    QVERIFY(store.waitForBackgroundWrite());
}

void TestSettings::backgroundWriteTellsOfAnUnparsableStore()
{
    SettingsStore store = freshStore();
    QVERIFY(QDir().mkpath(QFileInfo(store.fileName()).absolutePath()));
    const QByteArray content("[Settings\n%99%CA=\xc2\xb6\n");
    writeFile(store.fileName(), content);

    // The worker is the first in this process to read the file, and the only one told that it
    // cannot be parsed; the store keeps saying so afterwards.
    store.WriteSettingInBackground(QStringLiteral("Duration"), QStringLiteral("12/7/2026"));
    QVERIFY(!store.waitForBackgroundWrite());
    QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), std::nullopt);
    QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/7/2026")));
    QCOMPARE(readFile(store.fileName()), content);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
