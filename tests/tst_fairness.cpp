#include "quiz/quizengine.h"
#include "session/quizsizes.h"
#include "support/fakequestionscreen.h"
#include "support/fakes.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <array>
#include <random>

using namespace corvella;
using corvella::testing::FakeClock;
using corvella::testing::FakeQuestionScreen;
using corvella::testing::ScriptedRandom;

// A test passes for knowledge only if a reader who knows no numerology cannot pass it. This
// reader reads the question's heading and picks the answer that shares the most words with it:
// the words of the number's name and, for an interpretation question, the words a layman
// links with the value itself (its digits, its name, "master" for 11 and 22, "nothing" for 0).
// It plays whole tests through the real engine and the program's own texts.

namespace {

// Words that say nothing about which answer is meant.
const QSet<QString>& stopWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        const char* const list[] = {
            "a",     "about", "after",   "all",   "also",  "an",     "and",   "are",   "as",
            "at",    "be",    "been",    "but",   "by",    "can",    "do",    "does",  "each",
            "for",   "from",  "has",     "have",  "he",    "her",    "his",   "how",   "i",
            "if",    "in",    "into",    "is",    "it",    "its",    "just",  "me",    "more",
            "most",  "much",  "my",      "no",    "not",   "number", "of",    "on",    "or",
            "other", "our",   "out",     "over",  "own",   "she",    "so",    "some",  "such",
            "than",  "that",  "the",     "their", "them",  "then",   "there", "these", "they",
            "this",  "those", "to",      "too",   "up",    "very",   "was",   "way",   "we",
            "well",  "what",  "when",    "where", "which", "while",  "who",   "will",  "with",
            "you",   "your",  "yourself"};
        for (const char* w : list)
            set.insert(QString::fromLatin1(w));
        return set;
    }();
    return words;
}

// One spelling per word: lower case, no plural s, British -ise for -ize.
QString normalised(QString word)
{
    word = word.toLower();
    if (word.endsWith(QLatin1String("'s")))
        word.chop(2);
    word.remove(QLatin1Char('\''));
    word.replace(QLatin1String("iz"), QLatin1String("is"));
    if (word.size() > 4 && word.endsWith(QLatin1String("ies")))
        word = word.left(word.size() - 3) + QLatin1Char('y');
    else if (word.size() > 2 && word.endsWith(QLatin1Char('s')) &&
             !word.endsWith(QLatin1String("ss")))
        word.chop(1);
    return word;
}

// The distinct words of a text that carry meaning. Hyphens and slashes split words, so
// "twenty-two" is "twenty" and "two".
QSet<QString> meaningfulWords(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9']+"));
    QSet<QString> words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString raw = it.next().captured().toLower();
        const QString w = normalised(raw);
        if (!w.isEmpty() && !stopWords().contains(raw) && !stopWords().contains(w))
            words.insert(w);
    }
    return words;
}

const char* const Cardinals[20] = {"zero",    "one",     "two",       "three",    "four",
                                   "five",    "six",     "seven",     "eight",    "nine",
                                   "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                   "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char* const Ordinals[20] = {
    "zeroth",     "first",     "second",    "third",       "fourth",     "fifth",     "sixth",
    "seventh",    "eighth",    "ninth",     "tenth",       "eleventh",   "twelfth",   "thirteenth",
    "fourteenth", "fifteenth", "sixteenth", "seventeenth", "eighteenth", "nineteenth"};

// What anyone who counts knows of a digit, beyond its name.
QString everydayWords(int value)
{
    switch (value) {
    case 0:
        return QStringLiteral("nought nothing none empty void circle same equal identical");
    case 1:
        return QStringLiteral("single once");
    case 2:
        return QStringLiteral("pair couple twice double");
    case 3:
        return QStringLiteral("triple thrice trio");
    case 4:
        return QStringLiteral("square quarter");
    case 11:
    case 22:
        return QStringLiteral("master double twin");
    case 12:
        return QStringLiteral("dozen");
    default:
        return QString();
    }
}

QString spokenValue(int value, bool ordinal)
{
    const char* const* small = ordinal ? Ordinals : Cardinals;
    if (value < 20)
        return QString::fromLatin1(small[value]);
    const QString tens = value < 30 ? QStringLiteral("twenty") : QStringLiteral("thirty");
    if (value % 10 == 0)
        return ordinal ? tens.chopped(1) + QStringLiteral("ieth") : tens;
    return tens + QLatin1Char('-') + QString::fromLatin1(small[value % 10]);
}

// The words a reader who has only learnt to count links with a value 0..31: its digits, its
// cardinal and ordinal names and the everyday words above; for a value of two digits also the
// digits alone, so that a text that talks of "the 1 and the 4" or an "open circle" of 0 shows.
QSet<QString> valueWords(int value)
{
    QString text = QString::number(value) + QLatin1Char(' ') + spokenValue(value, false) +
                   QLatin1Char(' ') + spokenValue(value, true) + QLatin1Char(' ') +
                   everydayWords(value);
    if (value >= 10) {
        for (int digit : {value / 10, value % 10}) {
            text += QLatin1Char(' ') + QString::number(digit) + QLatin1Char(' ') +
                    QString::fromLatin1(Cardinals[digit]);
            if (digit == 0)
                text += QStringLiteral(" nought circle");
        }
    }
    // Meaningful, but kept even where a word such as "one" is common.
    QSet<QString> words;
    static const QRegularExpression word(QStringLiteral("[A-Za-z0-9']+"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        words.insert(normalised(it.next().captured()));
    return words;
}

class WordMatchingReader
{
public:
    explicit WordMatchingReader(quint32 seed) : m_ties(seed) {}

    struct Pick
    {
        int box = 0;
        int score = 0;
        bool alone = false; // no other box scored as high
    };

    // The box whose text shares the most words with the cue; a tie is settled at random.
    Pick pick(const QSet<QString>& cue, const std::array<QString, AnswerBoxCount>& options)
    {
        std::array<int, AnswerBoxCount> scores{};
        for (int box = 0; box < AnswerBoxCount; ++box)
            scores[box] = static_cast<int>(shared(cue, options[box]).size());
        const int best = *std::max_element(scores.begin(), scores.end());
        QList<int> tied;
        for (int box = 0; box < AnswerBoxCount; ++box) {
            if (scores[box] == best)
                tied << box;
        }
        const int chosen = tied[static_cast<int>(
            std::uniform_int_distribution<qsizetype>(0, tied.size() - 1)(m_ties))];
        return {chosen, best, tied.size() == 1};
    }

    QSet<QString> shared(const QSet<QString>& cue, const QString& text)
    {
        auto found = m_words.constFind(text);
        if (found == m_words.constEnd())
            found = m_words.insert(text, meaningfulWords(text));
        return QSet<QString>(*found).intersect(cue);
    }

    // The words of the cue that the text in `box` holds and no other option does.
    QSet<QString> ownWords(const QSet<QString>& cue, int box,
                           const std::array<QString, AnswerBoxCount>& options)
    {
        QSet<QString> words = shared(cue, options[box]);
        for (int other = 0; other < AnswerBoxCount; ++other) {
            if (other != box)
                words.subtract(shared(cue, options[other]));
        }
        return words;
    }

private:
    std::mt19937 m_ties;
    QHash<QString, QSet<QString>> m_words;
};

// How often the reader was right on one kind of question, and which words won it those
// answers: words of the cue that the correct answer held and no other option did.
struct Tally
{
    qint64 asked = 0;
    qint64 right = 0;
    QHash<QString, qint64> winningWords;

    void add(bool correct, bool alone, const QSet<QString>& words)
    {
        ++asked;
        right += correct ? 1 : 0;
        if (correct && alone) {
            for (const QString& w : words)
                ++winningWords[w];
        }
    }
    double share() const { return asked == 0 ? 0.0 : double(right) / asked; }
    QString line(const QString& label) const
    {
        QList<QPair<qint64, QString>> words;
        for (auto it = winningWords.cbegin(); it != winningWords.cend(); ++it)
            words.append({it.value(), it.key()});
        std::sort(words.begin(), words.end(), std::greater<>());
        QStringList top;
        for (qsizetype i = 0; i < std::min<qsizetype>(words.size(), 6); ++i)
            top << QStringLiteral("%1 (%2)").arg(words[i].second).arg(words[i].first);
        return QStringLiteral("%1: %2 of %3 = %4%5")
            .arg(label)
            .arg(right)
            .arg(asked)
            .arg(share(), 0, 'f', 3)
            .arg(top.isEmpty() ? QString()
                               : QStringLiteral("; won on ") + top.join(QStringLiteral(", ")));
    }
};

// The engine with the program's own texts, a fixed clock and a seeded source.
struct Rig
{
    explicit Rig(quint32 seed) : random(seed) {}

    StudySession session;
    TestState& test = session.test;
    ContentTables content;
    FakeClock clock;
    ScriptedRandom random;
    RandomDraw draw{random, clock};
    FakeQuestionScreen screen;
    QuizEngine engine{session, content, draw};

    // The reader answers the question on screen; each tally counts the answer.
    void readerAnswers(WordMatchingReader& reader, const QSet<QString>& cue, const QString& correct,
                       std::initializer_list<Tally*> tallies)
    {
        const auto pick = reader.pick(cue, screen.answers);
        const bool right = screen.answers[pick.box] == correct;
        const QSet<QString> words = reader.ownWords(cue, pick.box, screen.answers);
        for (Tally* tally : tallies)
            tally->add(right, pick.alone, words);
        screen.selected = pick.box;
        engine.takeAnswer(screen);
    }
};

constexpr double InterpretationLimit = 0.25;
constexpr double SignificanceLimit = 0.30;
// A reader's share above this on one subject or value is reported as a give-away.
constexpr double GiveAwayShare = 0.35;

} // namespace

class TestFairness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readerWords_data();
    void readerWords();
    void readerPicksTheSharedWords_data();
    void readerPicksTheSharedWords();
    void interpretationReader();
    void significanceReader();
};

void TestFairness::readerWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("stop words and plurals")
        << QStringLiteral("The days of your Birthdays, and the Path's end.")
        << QStringList{QStringLiteral("day"), QStringLiteral("birthday"), QStringLiteral("path"),
                       QStringLiteral("end")};
    QTest::newRow("slashes, hyphens and spellings")
        << QStringLiteral("Maturity / Realization: a twenty-two, realisation")
        << QStringList{QStringLiteral("maturity"), QStringLiteral("realisation"),
                       QStringLiteral("twenty"), QStringLiteral("two")};
    QTest::newRow("possessives") << QStringLiteral("Soul's Urge/ Heart's Desire Number")
                                 << QStringList{QStringLiteral("soul"), QStringLiteral("urge"),
                                                QStringLiteral("heart"), QStringLiteral("desire")};
}

void TestFairness::readerWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(meaningfulWords(text), QSet<QString>(words.begin(), words.end()));
}

void TestFairness::readerPicksTheSharedWords_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("value"); // -1: a significance question
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("expected");

    const QString plain = QStringLiteral("A calm and patient nature that builds slowly.");
    QTest::newRow("master") << QStringLiteral("Life Path Number") << 11
                            << QStringList{plain, plain, QStringLiteral("A master of insight."),
                                           plain, plain}
                            << 2;
    QTest::newRow("digits of a day of the month")
        << QStringLiteral("Birthday Number") << 14
        << QStringList{plain, QStringLiteral("The 1 and the 4 together."), plain, plain, plain}
        << 1;
    QTest::newRow("an open circle")
        << QStringLiteral("Birthday Number") << 20
        << QStringList{QStringLiteral("An open circle beside it."), plain, plain, plain, plain}
        << 0;
    QTest::newRow("the same digit")
        << QStringLiteral("Challenge Number") << 0
        << QStringList{plain, plain, plain, plain, QStringLiteral("Both come to the same digit.")}
        << 4;
    QTest::newRow("the name, in the plural")
        << QStringLiteral("Personal Day Number") << -1
        << QStringList{plain, plain, plain, QStringLiteral("Some days are for rest."), plain} << 3;
    QTest::newRow("more shared words win")
        << QStringLiteral("Life Path / Expression Bridge Number") << -1
        << QStringList{QStringLiteral("Your path."), QStringLiteral("The bridge of your path."),
                       QStringLiteral("A path of expression and a bridge."), plain, plain}
        << 2;
}

void TestFairness::readerPicksTheSharedWords()
{
    QFETCH(QString, heading);
    QFETCH(int, value);
    QFETCH(QStringList, options);
    QFETCH(int, expected);

    QSet<QString> cue = meaningfulWords(heading);
    if (value >= 0)
        cue.unite(valueWords(value));
    std::array<QString, AnswerBoxCount> boxes;
    std::copy(options.begin(), options.end(), boxes.begin());
    // Whatever the tie-breaker draws, a single best option is picked.
    for (quint32 seed = 1; seed <= 20; ++seed) {
        WordMatchingReader reader(seed);
        QCOMPARE(reader.pick(cue, boxes).box, expected);
    }
    // Options without a shared word are a coin toss over all five boxes.
    boxes.fill(options.at(expected == 0 ? 1 : 0));
    WordMatchingReader reader(7);
    std::array<int, AnswerBoxCount> picked{};
    for (int i = 0; i < 5000; ++i)
        ++picked[reader.pick(cue, boxes).box];
    for (int count : picked)
        QVERIFY2(count > 800 && count < 1200, qPrintable(QString::number(count)));
}

// 20,000 questions of interpretation tests with every subject ticked.
void TestFairness::interpretationReader()
{
    Rig rig(20261207u);
    WordMatchingReader reader(19u);
    constexpr int Wanted = 20000;
    Tally all;
    std::array<Tally, SubjectCount> bySubject;
    std::array<Tally, InterpretationEntryCount> byEntry;

    while (all.asked < Wanted) {
        rig.session.BySignificance = false;
        rig.session.SubjectTicked.fill(false);
        std::fill_n(rig.session.SubjectTicked.begin(), SubjectCount, true);
        rig.session.startActivity();
        rig.engine.showInterpretationQuestion(rig.screen);
        for (int q = 0; q < rig.engine.questionCount(); ++q) {
            const int entry = rig.test.InterpretationQuestions.at(q);
            const int subject = subjectOfEntry(rig.content, entry);
            QSet<QString> cue = meaningfulWords(rig.content.SubjectName[subject]);
            cue.unite(valueWords(rig.content.InterpretationValue[entry]));
            rig.readerAnswers(reader, cue, rig.content.InterpretationText[entry],
                              {&all, &bySubject[subject], &byEntry[entry]});
            if (all.asked == Wanted)
                break;
        }
        rig.session.finishTest();
    }

    qInfo().noquote() << all.line(QStringLiteral("Interpretation: the reader who knows no "
                                                 "numerology scored"));
    for (int s = 0; s < SubjectCount; ++s)
        qInfo().noquote() << "  " << bySubject[s].line(rig.content.SubjectName[s]);
    qInfo().noquote() << "Values that give the answer away (the reader scored over" << GiveAwayShare
                      << "on them):";
    for (int e = 0; e < InterpretationEntryCount; ++e) {
        if (byEntry[e].share() > GiveAwayShare)
            qInfo().noquote() << "  " << byEntry[e].line(entryHeading(rig.content, e));
    }
    QVERIFY2(all.share() <= InterpretationLimit, qPrintable(QString::number(all.share(), 'f', 3)));
}

// 2,000 significance tests, 20,000 questions.
void TestFairness::significanceReader()
{
    Rig rig(20261208u);
    WordMatchingReader reader(23u);
    constexpr int Tests = 2000;
    Tally all;
    std::array<Tally, SubjectCount> bySubject;

    rig.session.BySignificance = true;
    for (int t = 0; t < Tests; ++t) {
        rig.session.startActivity();
        rig.engine.showSignificanceQuestion(rig.screen);
        for (int q = 0; q < SignificanceQuestionCount; ++q) {
            const int subject = rig.test.SignificanceOrder[q];
            const QSet<QString> cue = meaningfulWords(rig.content.SubjectName[subject]);
            rig.readerAnswers(reader, cue, rig.content.SubjectSignificance[subject],
                              {&all, &bySubject[subject]});
        }
        rig.session.finishTest();
    }

    qInfo().noquote() << all.line(QStringLiteral("Significance: the reader who knows no "
                                                 "numerology scored"));
    for (int s = 0; s < SubjectCount; ++s)
        qInfo().noquote() << "  " << bySubject[s].line(rig.content.SubjectName[s]);
    QVERIFY2(all.share() <= SignificanceLimit, qPrintable(QString::number(all.share(), 'f', 3)));
}

QTEST_GUILESS_MAIN(TestFairness)
#include "tst_fairness.moc"
