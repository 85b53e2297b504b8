#include "platform/datetext.h"

#include <QTest>

using namespace corvella;

class TestDateText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fourDigitYearFormat_data();
    void fourDigitYearFormat();
    void roundTripGivesSameDay_data();
    void roundTripGivesSameDay();
    void usesLocaleShortFormat_data();
    void usesLocaleShortFormat();
    void notADateIsInvalid_data();
    void notADateIsInvalid();
};

void TestDateText::fourDigitYearFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widened");

    QTest::newRow("two digits") << QStringLiteral("M/d/yy") << QStringLiteral("M/d/yyyy");
    QTest::newRow("already four") << QStringLiteral("dd/MM/yyyy") << QStringLiteral("dd/MM/yyyy");
    QTest::newRow("leading year") << QStringLiteral("yy. M. d.") << QStringLiteral("yyyy. M. d.");
    QTest::newRow("single y") << QStringLiteral("d.M.y") << QStringLiteral("d.M.yyyy");
    QTest::newRow("quoted y untouched")
        << QStringLiteral("d 'of' MMMM, 'year' yy") << QStringLiteral("d 'of' MMMM, 'year' yyyy");
    QTest::newRow("escaped quote") << QStringLiteral("yy''d") << QStringLiteral("yyyy''d");
    QTest::newRow("no year") << QStringLiteral("d/M") << QStringLiteral("d/M");
}

void TestDateText::fourDigitYearFormat()
{
    QFETCH(QString, format);
    QFETCH(QString, widened);
    QCOMPARE(corvella::fourDigitYearFormat(format), widened);
}

void TestDateText::roundTripGivesSameDay_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QDate>("date");

    const QList<QDate> dates = {QDate(1999, 12, 31), QDate(2026, 1, 1), QDate(2026, 12, 6),
                                QDate(2024, 2, 29),  QDate(2069, 7, 4), QDate(2070, 3, 9)};
    // Two-digit short formats (en_US, de_DE, ko_KR, th_TH), four-digit ones, year first,
    // month names (C), and native digits (fa_IR, ar_SA).
    const QStringList locales = {QStringLiteral("en_US"), QStringLiteral("en_GB"),
                                 QStringLiteral("de_DE"), QStringLiteral("fr_FR"),
                                 QStringLiteral("ja_JP"), QStringLiteral("C"),
                                 QStringLiteral("ko_KR"), QStringLiteral("th_TH"),
                                 QStringLiteral("fa_IR"), QStringLiteral("ar_SA")};
    for (const QString& name : locales) {
        for (const QDate& date : dates)
            QTest::addRow("%s %s", qPrintable(name), qPrintable(date.toString(Qt::ISODate)))
                << name << date;
    }
}

void TestDateText::roundTripGivesSameDay()
{
    QFETCH(QString, localeName);
    QFETCH(QDate, date);

    const QLocale locale(localeName);
    const QString text = dateToText(date, locale);
    QCOMPARE(textToDate(text, locale), date);
    // The year is written out in full, in the locale's own digits.
    QVERIFY2(text.contains(locale.toString(date.year()).remove(locale.groupSeparator())),
             qPrintable(text));
}

void TestDateText::usesLocaleShortFormat_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("text");

    QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("12/6/2026");
    QTest::newRow("en_GB") << QStringLiteral("en_GB") << QStringLiteral("06/12/2026");
    QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("06.12.2026");
    QTest::newRow("ja_JP") << QStringLiteral("ja_JP") << QStringLiteral("2026/12/06");
}

void TestDateText::usesLocaleShortFormat()
{
    QFETCH(QString, localeName);
    QFETCH(QString, text);
    QCOMPARE(dateToText(QDate(2026, 12, 6), QLocale(localeName)), text);
}

void TestDateText::notADateIsInvalid_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QStringLiteral("en_US") << QString();
    QTest::newRow("words") << QStringLiteral("en_US") << QStringLiteral("not a date");
    QTest::newRow("no such day") << QStringLiteral("en_US") << QStringLiteral("2/30/2026");
    QTest::newRow("no such month") << QStringLiteral("en_US") << QStringLiteral("13/1/2026");
    QTest::newRow("other locale's format")
        << QStringLiteral("en_US") << QStringLiteral("06.12.2026");
    QTest::newRow("digits lost") << QStringLiteral("en_US") << QStringLiteral("//");
    // Found by fuzzing: the format also reads a signed year, which cannot be written back.
    QTest::newRow("negative year") << QStringLiteral("he_IL") << QStringLiteral("6.12.-2026");
    QTest::newRow("negative year, US") << QStringLiteral("en_US") << QStringLiteral("12/6/-2026");
}

void TestDateText::notADateIsInvalid()
{
    QFETCH(QString, localeName);
    QFETCH(QString, text);
    QVERIFY(!textToDate(text, QLocale(localeName)).isValid());
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
