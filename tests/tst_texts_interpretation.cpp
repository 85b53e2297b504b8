// The interpretation paragraphs as a test question sees them: the five options of a question
// are paragraphs of one number, so nothing in a paragraph may tell its value apart from the
// number's other values except what the value means.

#include "content/modLearnNumerology.h"
#include "support/lessontexts.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace corvella;

namespace {

// Filled once by initTestCase.
const ContentTables& catalogue()
{
    return corvella::testing::loadedContent();
}

QString labelOf(int entry)
{
    return entryHeading(catalogue(), entry);
}

// Lower-case words, a possessive "'s" dropped ("Soul's" is "soul").
QStringList wordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[a-z]+(?:'[a-z]+)*"));
    QStringList words;
    for (const auto& match : word.globalMatch(text.toLower())) {
        QString w = match.captured();
        if (w.endsWith(QLatin1String("'s")))
            w.chop(2);
        words << w;
    }
    return words;
}

QList<int> entriesOf(int subject)
{
    QList<int> entries;
    for (int i = catalogue().FirstInterpretation[subject];
         i <= catalogue().LastInterpretation[subject]; ++i)
        entries << i;
    return entries;
}

// The subjects whose paragraphs an entry's text is shown for: the bridges' shared texts stand
// for both bridge numbers.
QList<int> subjectsShowing(int entry)
{
    QList<int> subjects;
    for (int s = 0; s < SubjectCount; ++s) {
        for (int i : entriesOf(s)) {
            if (catalogue().InterpretationText[i] == catalogue().InterpretationText[entry] &&
                !subjects.contains(s))
                subjects << s;
        }
    }
    return subjects;
}

} // namespace

class TestTextsInterpretation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordingAbsent_data();
    void wordingAbsent();
    void ownNameNotEchoed();
    void noKeySentenceShared();
    void openingsVary();
    void wellFormedSentences();
};

// Digits and number words are ruled out for every text in tst_content. The first rows here are
// the other ways a paragraph can point at its value instead of at what the value means.
void TestTextsInterpretation::wordingAbsent_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::newRow("ordinal") << QStringLiteral(
        "\\b(first|second|third|fourth|fifth|sixth|seventh|eighth|ninth|tenth|eleventh|twelfth|"
        "[a-z]+teenth|twentieth|thirtieth|firstly|secondly)\\b");
    QTest::newRow("master number") << QStringLiteral("\\bmasters?\\b|\\bmastery\\b");
    QTest::newRow("the figure's look")
        << QStringLiteral("\\b(digits?|circles?|rings?|zeros?|noughts?|nil|ciphers?|double|"
                          "doubled|twins?|twinned|twice|pairs?|repeated)\\b");
    QTest::newRow("a count") << QStringLiteral(
        "\\b(once|single|solo|sole|lone|trio|triple|dozen|half|none|nothing|nobody)\\b");
    QTest::newRow("how it is worked out")
        << QStringLiteral("\\b(reduc[a-z]*|sums?|totals?|differences?|subtract[a-z]*|"
                          "calculat[a-z]*|adds? up|comes? down to)\\b");
}

void TestTextsInterpretation::wordingAbsent()
{
    QFETCH(QString, pattern);
    const QRegularExpression form(pattern, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(form.isValid());
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        const QRegularExpressionMatch found = form.match(catalogue().InterpretationText[i]);
        QVERIFY2(!found.hasMatch(),
                 qPrintable(QStringLiteral("%1: \"%2\"").arg(labelOf(i), found.captured())));
    }
}

// A paragraph that repeats the words of its number's name ("path" in a Life Path paragraph,
// "this Pinnacle") reads as a template and lets a reader match names instead of meanings.
void TestTextsInterpretation::ownNameNotEchoed()
{
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        const QStringList words = wordsOf(catalogue().InterpretationText[i]);
        for (int s : subjectsShowing(i)) {
            for (const QString& nameWord : wordsOf(catalogue().SubjectName[s])) {
                QVERIFY2(!words.contains(nameWord) && !words.contains(nameWord + QLatin1Char('s')),
                         qPrintable(QStringLiteral("%1 says \"%2\"").arg(labelOf(i), nameWord)));
            }
        }
    }
}

// Two values of one number that share a phrase of six words or more ("the lesson is to trust
// the ... knowing") are told apart by the rest, and the shared phrase becomes a clue.
void TestTextsInterpretation::noKeySentenceShared()
{
    constexpr int RunLength = 6;
    for (int s = 0; s < SubjectCount; ++s) {
        QHash<QString, int> firstSeenIn;
        for (int i : entriesOf(s)) {
            const QStringList words = wordsOf(catalogue().InterpretationText[i]);
            QSet<QString> runs;
            for (int k = 0; k + RunLength <= words.size(); ++k)
                runs.insert(words.mid(k, RunLength).join(QLatin1Char(' ')));
            for (const QString& run : runs) {
                const int seenIn = firstSeenIn.value(run, -1);
                QVERIFY2(seenIn < 0, qPrintable(QStringLiteral("%1 and %2 share \"%3\"")
                                                    .arg(labelOf(seenIn), labelOf(i), run)));
                firstSeenIn.insert(run, i);
            }
        }
    }
}

// Within one number the paragraphs open in different ways: no three-word opening serves more
// than two values, and no two-word opening more than a third of them.
void TestTextsInterpretation::openingsVary()
{
    for (int s = 0; s < SubjectCount; ++s) {
        const QList<int> entries = entriesOf(s);
        QHash<QString, int> threeWords;
        QHash<QString, int> twoWords;
        for (int i : entries) {
            const QStringList words = wordsOf(catalogue().InterpretationText[i]);
            QVERIFY(words.size() >= 3);
            ++threeWords[words.mid(0, 3).join(QLatin1Char(' '))];
            ++twoWords[words.mid(0, 2).join(QLatin1Char(' '))];
        }
        for (auto it = threeWords.cbegin(); it != threeWords.cend(); ++it) {
            QVERIFY2(it.value() <= 2, qPrintable(QStringLiteral("%1: \"%2\" opens %3 paragraphs")
                                                     .arg(catalogue().SubjectName[s], it.key())
                                                     .arg(it.value())));
        }
        for (auto it = twoWords.cbegin(); it != twoWords.cend(); ++it) {
            QVERIFY2(it.value() * 3 <= entries.size(),
                     qPrintable(QStringLiteral("%1: \"%2\" opens %3 paragraphs")
                                    .arg(catalogue().SubjectName[s], it.key())
                                    .arg(it.value())));
        }
    }
}

// Two to four whole sentences: each opens with a capital letter and ends with a full stop (or
// a question or exclamation mark), and a paragraph ends on one.
void TestTextsInterpretation::wellFormedSentences()
{
    static const QRegularExpression sentence(QStringLiteral("[^.!?]+[.!?](?= |$)"));
    for (int i = 0; i < InterpretationEntryCount; ++i) {
        const QString text = catalogue().InterpretationText[i];
        QStringList sentences;
        for (const auto& match : sentence.globalMatch(text))
            sentences << match.captured().trimmed();
        QCOMPARE(sentences.join(QLatin1Char(' ')), text);
        QVERIFY2(
            sentences.size() >= 2 && sentences.size() <= 4,
            qPrintable(QStringLiteral("%1: %2 sentences").arg(labelOf(i)).arg(sentences.size())));
        for (const QString& s : sentences) {
            QVERIFY2(s.at(0).isUpper(), qPrintable(QStringLiteral("%1: %2").arg(labelOf(i), s)));
            QVERIFY2(wordsOf(s).size() >= 5,
                     qPrintable(QStringLiteral("%1: fragment \"%2\"").arg(labelOf(i), s)));
        }
    }
}

QTEST_GUILESS_MAIN(TestTextsInterpretation)
#include "tst_texts_interpretation.moc"
