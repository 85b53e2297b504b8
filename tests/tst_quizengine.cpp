#include "quiz/optiondraw.h"
#include "quiz/quizengine.h"
#include "support/fakequestionscreen.h"
#include "support/fakes.h"
#include "support/syntheticcatalogue.h"

#include <QSet>
#include <QtTest>

#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>

using namespace corvella;
using corvella::testing::FakeClock;
using corvella::testing::FakeQuestionScreen;
using corvella::testing::fillSyntheticContent;
using corvella::testing::firstEntryOf;
using corvella::testing::lastEntryOf;
using corvella::testing::ScriptedRandom;
using corvella::testing::subjectOwningEntry;

namespace {

QString expectedHeading(const ContentTables& tables, int entry)
{
    return tables.SubjectName[subjectOwningEntry(entry)] + QLatin1Char(' ') +
           QString::number(tables.InterpretationValue[entry]);
}

// Script values: a draw below n that yields `value`, and a range draw that rounds to `entry`.
double rBelow(int value, int n)
{
    return (value + 0.5) / n;
}

double rEntry(int entry)
{
    const int s = subjectOwningEntry(entry);
    const int offset = entry - firstEntryOf(s);
    return offset == 0 ? 0.0 : (offset - 0.25) / (lastEntryOf(s) - firstEntryOf(s));
}

QList<double> subjectDraws(const QList<int>& subjects)
{
    QList<double> values;
    for (int s : subjects)
        values << rBelow(s, SubjectCount);
    return values;
}

QList<double> entryDraws(const QList<int>& entries)
{
    QList<double> values;
    for (int e : entries)
        values << rEntry(e);
    return values;
}

// Script values that make the distractor draw pick these subjects or entries, in tables whose
// texts all differ: each pick is a draw below the number of candidates left, the candidates
// being `pool` in order, without the one asked and without those picked before.
QList<double> picksFrom(QList<int> pool, const QList<int>& picks, int asked)
{
    pool.removeAll(asked);
    QList<double> values;
    for (int pick : picks) {
        const int index = static_cast<int>(pool.indexOf(pick));
        Q_ASSERT(index >= 0);
        values << rBelow(index, static_cast<int>(pool.size()));
        pool.removeAt(index);
    }
    return values;
}

// A significance question: the candidates are the subjects 0 to count - 1.
QList<double> distractorDraws(const QList<int>& picks, int asked, int count)
{
    QList<int> pool;
    for (int c = 0; c < count; ++c)
        pool << c;
    return picksFrom(pool, picks, asked);
}

// An interpretation question: the candidates are the entries of the asked one's subject,
// entry 170 left out.
QList<double> sameNumberDraws(const QList<int>& picks, int asked)
{
    const int subject = subjectOwningEntry(asked);
    QList<int> pool;
    for (int e = firstEntryOf(subject); e <= std::min(lastEntryOf(subject), 169); ++e)
        pool << e;
    return picksFrom(pool, picks, asked);
}

QList<double> correctBoxDraw(int box)
{
    return {rBelow(box, 5)};
}

// One engine over synthetic tables, a fixed clock and a scripted or seeded source. Records
// how many values had been drawn each time the tables were loaded.
struct Rig
{
    explicit Rig(quint32 seed) : random(seed) {}
    explicit Rig(QList<double> script) : random(std::move(script)) {}

    void startSignificance()
    {
        session.BySignificance = true;
        session.startActivity();
        engine.showSignificanceQuestion(screen);
    }

    void startInterpretation(const QList<int>& ticked)
    {
        session.BySignificance = false;
        session.SubjectTicked.fill(false);
        for (int s : ticked)
            session.SubjectTicked[s] = true;
        session.startActivity();
        engine.showInterpretationQuestion(screen);
    }

    // What the result screen leaves behind when it ends a test.
    void endTest() { session.finishTest(); }

    StudySession session;
    TestState& test = session.test;
    ContentTables content;
    FakeClock clock;
    ScriptedRandom random;
    RandomDraw draw{random, clock};
    QList<int> drawsAtLoad;
    // The program's own tables instead of the synthetic ones.
    bool programTexts = false;
    // Changes the tables after each load.
    std::function<void(ContentTables&)> afterLoad;
    FakeQuestionScreen screen;
    QuizEngine engine{session, content, draw, [this](ContentTables& tables) {
                          drawsAtLoad << random.draws;
                          if (programTexts)
                              loadContent(tables);
                          else
                              fillSyntheticContent(tables);
                          if (afterLoad)
                              afterLoad(tables);
                      }};
};

QList<int> toIntList(const QList<qint16>& values)
{
    return QList<int>(values.begin(), values.end());
}

QStringList strs(std::initializer_list<const char*> items)
{
    QStringList result;
    for (const char* item : items)
        result << QString::fromLatin1(item);
    return result;
}

QStringList boxTexts(const FakeQuestionScreen& screen)
{
    return QStringList(screen.answers.begin(), screen.answers.end());
}

} // namespace

class TestQuizEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundHalfToEven_data();
    void roundHalfToEven();
    void significancePlacement_data();
    void significancePlacement();
    void significanceLaterQuestionKeepsOrder();
    void interpretationPlacement_data();
    void interpretationPlacement();
    void interpretationRounding_data();
    void interpretationRounding();
    void significanceManyRuns();
    void interpretationManyRuns();
    void rangeEndsComeUpHalfAsOften();
    void fiveDifferentAnswers_data();
    void fiveDifferentAnswers();
    void realContent();
    void interpretationCandidates_data();
    void interpretationCandidates();
    void fewerTextsThanBoxes_data();
    void fewerTextsThanBoxes();
    void nothingSelectedChangesNothing_data();
    void nothingSelectedChangesNothing();
    void acceptedAnswer_data();
    void acceptedAnswer();
    void counters_data();
    void counters();
};

void TestQuizEngine::roundHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5 down to even 0") << 0.5 << 0;
    QTest::newRow("1.5 up to even 2") << 1.5 << 2;
    QTest::newRow("2.5 down to even 2") << 2.5 << 2;
    QTest::newRow("144.5") << 144.5 << 144;
    QTest::newRow("75.5") << 75.5 << 76;
    QTest::newRow("just below a half") << 2.4999999 << 2;
    QTest::newRow("just above a half") << 2.5000001 << 3;
    QTest::newRow("whole number") << 7.0 << 7;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("close to the top") << 169.9999 << 170;
}

void TestQuizEngine::roundHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(corvella::roundHalfToEven(value), expected);
}

void TestQuizEngine::significancePlacement_data()
{
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("drawsBeforeLoad");

    // Order draws (with repeats that must be drawn again), four distractor draws, then the
    // box of the correct answer; the distractors fill the other boxes in the order drawn.
    QTest::newRow("repeats in the order redrawn, correct in box 2")
        << (subjectDraws({3, 3, 7, 0, 14, 7, 1, 2, 4, 5, 6, 8}) +
            distractorDraws({9, 10, 11, 12}, 3, SubjectCount) + correctBoxDraw(2))
        << QList<int>{3, 7, 0, 14, 1, 2, 4, 5, 6, 8} << strs({"G9", "G10", "G3", "G11", "G12"})
        << 12;
    // With subject 0 asked, the lowest draw gives subject 1: the asked one is no candidate.
    QTest::newRow("highest and lowest candidates, correct in the fifth box")
        << (subjectDraws({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) +
            distractorDraws({14, 1, 13, 2}, 0, SubjectCount) + correctBoxDraw(4))
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << strs({"G14", "G1", "G13", "G2", "G0"}) << 10;
    QTest::newRow("correct in the first box")
        << (subjectDraws({14, 13, 12, 11, 10, 9, 8, 7, 6, 5}) +
            distractorDraws({0, 13, 1, 12}, 14, SubjectCount) + correctBoxDraw(0))
        << QList<int>{14, 13, 12, 11, 10, 9, 8, 7, 6, 5} << strs({"G14", "G0", "G13", "G1", "G12"})
        << 10;
}

void TestQuizEngine::significancePlacement()
{
    QFETCH(QList<double>, script);
    QFETCH(QList<int>, order);
    QFETCH(QStringList, boxes);
    QFETCH(int, drawsBeforeLoad);

    Rig rig(script);
    rig.startSignificance();

    QVERIFY(rig.test.QuestionsDrawn);
    QCOMPARE(
        QList<int>(rig.test.SignificanceOrder.begin(), rig.test.SignificanceOrder.begin() + 10),
        order);
    QCOMPARE(boxTexts(rig.screen), boxes);
    QCOMPARE(rig.screen.subjectName, QStringLiteral("S%1").arg(order.first()));
    QCOMPARE(rig.screen.questionNo, QStringLiteral("Question 1 of 10"));
    // The tables are loaded once, after the order and before the distractors.
    QCOMPARE(rig.drawsAtLoad, QList<int>{drawsBeforeLoad});
    QCOMPARE(rig.random.draws, script.size());
    QCOMPARE(rig.random.reseeds, rig.random.draws);
    // Option buttons belong to the answering step.
    QVERIFY(!rig.screen.events.contains(QStringLiteral("clear")));
}

void TestQuizEngine::significanceLaterQuestionKeepsOrder()
{
    const QList<int> order{4, 9, 1, 0, 14, 2, 3, 5, 6, 7};
    QList<double> script = subjectDraws(order) +
                           distractorDraws({10, 11, 12, 13}, 4, SubjectCount) + correctBoxDraw(1);
    // Second question: distractors, then the position. No new order.
    script += distractorDraws({3, 4, 5, 6}, 9, SubjectCount) + correctBoxDraw(0);
    Rig rig(script);
    rig.startSignificance();

    rig.screen.selected = 4;
    QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::NextQuestionShown);

    QCOMPARE(
        QList<int>(rig.test.SignificanceOrder.begin(), rig.test.SignificanceOrder.begin() + 10),
        order);
    QCOMPARE(rig.test.SignificanceAnswers[0], QStringLiteral("G13"));
    QCOMPARE(boxTexts(rig.screen), strs({"G9", "G3", "G4", "G5", "G6"}));
    QCOMPARE(rig.screen.subjectName, QStringLiteral("S9"));
    QCOMPARE(rig.screen.questionNo, QStringLiteral("Question 2 of 10"));
    QCOMPARE(rig.drawsAtLoad, (QList<int>{10, 15}));
    QCOMPARE(rig.random.draws, script.size());
}

void TestQuizEngine::interpretationPlacement_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QList<int>>("questions");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("counter");

    // Ticks in any order: blocks follow the subject index, and a repeated entry is drawn again.
    QTest::newRow("subjects 3 and 0")
        << QList<int>{3, 0}
        << (entryDraws({7, 7, 0, 10, 3, 5, 33, 43, 38, 43, 40, 41}) +
            sameNumberDraws({10, 0, 3, 9}, 7) + correctBoxDraw(1))
        << QList<int>{7, 0, 10, 3, 5, 33, 43, 38, 40, 41} << strs({"T10", "T7", "T0", "T3", "T9"})
        << QStringLiteral("S0 8") << QStringLiteral("Question 1 of 10");
    // With entry 169 asked, the highest draw gives entry 168; the correct text goes last.
    QTest::newRow("highest candidate, correct in the fifth box")
        << QList<int>{14}
        << (entryDraws({169, 162, 166, 165, 163}) + sameNumberDraws({168, 162, 163, 164}, 169) +
            correctBoxDraw(4))
        << QList<int>{169, 162, 166, 165, 163} << strs({"T168", "T162", "T163", "T164", "T169"})
        << QStringLiteral("S14 8") << QStringLiteral("Question 1 of 5");
    QTest::newRow("last entry of all asked, correct in box 3")
        << QList<int>{14}
        << (entryDraws({170, 162, 166, 165, 163}) + sameNumberDraws({162, 163, 164, 169}, 170) +
            correctBoxDraw(3))
        << QList<int>{170, 162, 166, 165, 163} << strs({"T162", "T163", "T164", "T170", "T169"})
        << QStringLiteral("S14 9") << QStringLiteral("Question 1 of 5");
    QTest::newRow("bridge number value 0")
        << QList<int>{5}
        << (entryDraws({75, 83, 80, 76, 77}) + sameNumberDraws({83, 76, 79, 81}, 75) +
            correctBoxDraw(2))
        << QList<int>{75, 83, 80, 76, 77} << strs({"T83", "T76", "T75", "T79", "T81"})
        << QStringLiteral("S5 0") << QStringLiteral("Question 1 of 5");
    QTest::newRow("birthday 31, three subjects")
        << QList<int>{13, 4, 12}
        << (entryDraws({74, 44, 60, 61, 62}) + entryDraws({144, 145, 146, 147, 148}) +
            entryDraws({153, 154, 155, 156, 161}) + sameNumberDraws({44, 45, 73, 60}, 74) +
            correctBoxDraw(0))
        << QList<int>{74, 44, 60, 61, 62, 144, 145, 146, 147, 148, 153, 154, 155, 156, 161}
        << strs({"T74", "T44", "T45", "T73", "T60"}) << QStringLiteral("S4 31")
        << QStringLiteral("Question 1 of 15");
}

void TestQuizEngine::interpretationPlacement()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QList<double>, script);
    QFETCH(QList<int>, questions);
    QFETCH(QStringList, boxes);
    QFETCH(QString, caption);
    QFETCH(QString, counter);

    Rig rig(script);
    rig.startInterpretation(ticked);

    QVERIFY(rig.test.QuestionsDrawn);
    QCOMPARE(toIntList(rig.test.InterpretationQuestions), questions);
    QCOMPARE(rig.test.InterpretationAnswers, QList<QString>(questions.size()));
    QCOMPARE(boxTexts(rig.screen), boxes);
    QCOMPARE(rig.screen.subjectName, caption);
    QCOMPARE(rig.screen.questionNo, counter);
    QCOMPARE(rig.engine.questionCount(), questions.size());
    // Loaded first, before any draw.
    QCOMPARE(rig.drawsAtLoad, QList<int>{0});
    QCOMPARE(rig.random.draws, script.size());
    QCOMPARE(rig.random.reseeds, rig.random.draws);
}

void TestQuizEngine::interpretationRounding_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("entry");

    // first + (last - first) * r lands on an exact half; the half goes to the even entry.
    QTest::newRow("144 + 0.5") << 12 << 1.0 / 16 << 144;
    QTest::newRow("144 + 1.5") << 12 << 3.0 / 16 << 146;
    QTest::newRow("75 + 0.5") << 5 << 1.0 / 16 << 76;
    QTest::newRow("75 + 1.5") << 5 << 3.0 / 16 << 76;
    QTest::newRow("75 + 2.5") << 5 << 5.0 / 16 << 78;
    QTest::newRow("0 + 2.5") << 0 << 0.25 << 2;
    QTest::newRow("0 + 7.5") << 0 << 0.75 << 8;
    QTest::newRow("44 + 7.5") << 4 << 0.25 << 52;
    QTest::newRow("44 + 22.5") << 4 << 0.75 << 66;
    QTest::newRow("below a half") << 14 << 0.06 << 162;
    QTest::newRow("above a half") << 14 << 0.07 << 163;
}

void TestQuizEngine::interpretationRounding()
{
    QFETCH(int, subject);
    QFETCH(double, r);
    QFETCH(int, entry);

    // The other four places take entries away from the expected one, so that a draw rounded
    // the wrong way cannot collide with them and loop.
    QList<int> others;
    for (int e = lastEntryOf(subject); others.size() < 4; --e) {
        if (std::abs(e - entry) > 1)
            others << e;
    }
    // Distractor draws of 0 take the lowest candidates left, whatever was asked.
    Rig rig(QList<double>{r} + entryDraws(others) + QList<double>(4, 0.0) + correctBoxDraw(0));
    rig.startInterpretation({subject});

    QCOMPARE(rig.test.InterpretationQuestions.first(), entry);
    QCOMPARE(rig.screen.answers[0], QStringLiteral("T%1").arg(entry));
}

void TestQuizEngine::significanceManyRuns()
{
    Rig rig(20261207u);
    constexpr int Runs = 300;
    QSet<int> asked;
    QSet<QString> fifthBoxTexts;

    for (int run = 0; run < Runs; ++run) {
        rig.startSignificance();
        const auto& order = rig.test.SignificanceOrder;
        QSet<int> distinct(order.begin(), order.begin() + 10);
        QCOMPARE(distinct.size(), 10);
        for (int q = 0; q < 10; ++q) {
            QVERIFY(order[q] >= 0 && order[q] < SubjectCount);
            asked.insert(order[q]);
        }

        for (int q = 0; q < 10; ++q) {
            const QString correct = QStringLiteral("G%1").arg(order[q]);
            QCOMPARE(rig.screen.subjectName, QStringLiteral("S%1").arg(order[q]));
            QCOMPARE(rig.screen.questionNo, QStringLiteral("Question %1 of 10").arg(q + 1));
            // Where the correct text stands and what beside it: fiveDifferentAnswers.
            const QStringList texts = boxTexts(rig.screen);
            for (const QString& text : texts)
                QVERIFY2(text.startsWith(QLatin1Char('G')), qPrintable(text));
            QVERIFY2(texts.contains(correct), qPrintable(texts.join(QLatin1Char(','))));
            fifthBoxTexts.insert(texts[4]);

            rig.screen.selected = q % 5;
            const auto result = rig.engine.takeAnswer(rig.screen);
            QCOMPARE(result, q == 9 ? QuizEngine::AnswerResult::TestFinished
                                    : QuizEngine::AnswerResult::NextQuestionShown);
        }
        rig.endTest();
    }

    QCOMPARE(asked.size(), SubjectCount);
    QCOMPARE(fifthBoxTexts.size(), SubjectCount);
}

void TestQuizEngine::interpretationManyRuns()
{
    Rig rig(7u);
    std::mt19937 ticks(99);
    QSet<QString> fifthBoxTexts;

    for (int run = 0; run < 200; ++run) {
        QList<int> ticked;
        for (int s = 0; s < SubjectCount; ++s) {
            if (ticks() % 2)
                ticked << s;
        }
        if (ticked.isEmpty())
            ticked << static_cast<int>(ticks() % SubjectCount);
        rig.startInterpretation(ticked);

        const QList<qint16> questions = rig.test.InterpretationQuestions;
        QCOMPARE(questions.size(), 5 * ticked.size());
        QCOMPARE(rig.test.InterpretationAnswers.size(), questions.size());
        // Blocks of five different entries, one block per ticked subject, lowest index first.
        for (int b = 0; b < ticked.size(); ++b) {
            const QList<qint16> block = questions.mid(5 * b, 5);
            QCOMPARE(QSet<qint16>(block.begin(), block.end()).size(), 5);
            for (qint16 e : block)
                QCOMPARE(subjectOwningEntry(e), ticked[b]);
        }

        const int n = static_cast<int>(questions.size());
        for (int q = 0; q < n; ++q) {
            const int entry = questions[q];
            const QString correct = QStringLiteral("T%1").arg(entry);
            QCOMPARE(rig.screen.subjectName, expectedHeading(rig.content, entry));
            QCOMPARE(rig.screen.questionNo, QStringLiteral("Question %1 of %2").arg(q + 1).arg(n));
            const QStringList texts = boxTexts(rig.screen);
            for (const QString& text : texts) {
                QVERIFY2(text.startsWith(QLatin1Char('T')), qPrintable(text));
                QVERIFY2(text == correct || texts.count(text) == 1,
                         qPrintable(texts.join(QLatin1Char(','))));
                QVERIFY2(text != QLatin1String("T170") || entry == 170,
                         qPrintable(texts.join(QLatin1Char(','))));
                // Every answer speaks of the number asked.
                QVERIFY2(subjectOwningEntry(text.mid(1).toInt()) == ticked[q / 5],
                         qPrintable(texts.join(QLatin1Char(','))));
            }
            QVERIFY2(texts.contains(correct), qPrintable(texts.join(QLatin1Char(','))));
            fifthBoxTexts.insert(texts[4]);

            rig.screen.selected = 3;
            const auto result = rig.engine.takeAnswer(rig.screen);
            QCOMPARE(result, q == n - 1 ? QuizEngine::AnswerResult::TestFinished
                                        : QuizEngine::AnswerResult::NextQuestionShown);
            QCOMPARE(rig.test.InterpretationAnswers[q], texts[3]);
        }
        rig.endTest();
    }

    // Any entry below 170 can be a wrong answer, the first and the last of them included.
    QVERIFY(fifthBoxTexts.contains(QStringLiteral("T0")));
    QVERIFY(fifthBoxTexts.contains(QStringLiteral("T169")));
}

void TestQuizEngine::rangeEndsComeUpHalfAsOften()
{
    Rig rig(12345u);
    QList<int> all;
    for (int s = 0; s < SubjectCount; ++s)
        all << s;

    // The first entry of each block is never redrawn, so it shows the raw draw.
    std::array<int, InterpretationEntryCount> hits{};
    constexpr int Lists = 3000;
    for (int run = 0; run < Lists; ++run) {
        rig.startInterpretation(all);
        for (int b = 0; b < SubjectCount; ++b)
            ++hits[rig.test.InterpretationQuestions[5 * b]];
        rig.endTest();
    }

    QVERIFY(hits[0] > 0);
    QVERIFY(hits[170] > 0);
    double firstRatio = 0;
    double lastRatio = 0;
    for (int s = 0; s < SubjectCount; ++s) {
        int inner = 0;
        for (int e = firstEntryOf(s) + 1; e < lastEntryOf(s); ++e)
            inner += hits[e];
        const double innerMean = double(inner) / (lastEntryOf(s) - firstEntryOf(s) - 1);
        firstRatio += hits[firstEntryOf(s)] / innerMean / SubjectCount;
        lastRatio += hits[lastEntryOf(s)] / innerMean / SubjectCount;
    }
    QVERIFY2(firstRatio > 0.4 && firstRatio < 0.6, qPrintable(QString::number(firstRatio)));
    QVERIFY2(lastRatio > 0.4 && lastRatio < 0.6, qPrintable(QString::number(lastRatio)));
}

void TestQuizEngine::fiveDifferentAnswers_data()
{
    QTest::addColumn<bool>("bySignificance");
    QTest::addColumn<bool>("programTexts");
    QTest::addColumn<quint32>("seed");

    QTest::newRow("significance, texts naming their subject") << true << false << 41u;
    QTest::newRow("significance, the program's texts") << true << true << 42u;
    QTest::newRow("interpretation, texts naming their entry") << false << false << 43u;
    // The program's bridge numbers share three texts between two subjects.
    QTest::newRow("interpretation, the program's texts") << false << true << 44u;
}

// Walks many whole tests (interpretation tests with every subject ticked) and looks at every
// question: five different texts, the correct one exactly once, in any box alike, and every
// text that may be a wrong answer does turn up as one. CORVELLA_DRAW_QUESTIONS raises the
// number of questions for a longer measurement; the figures are printed either way.
void TestQuizEngine::fiveDifferentAnswers()
{
    QFETCH(bool, bySignificance);
    QFETCH(bool, programTexts);
    QFETCH(quint32, seed);

    const int wanted = qEnvironmentVariableIntValue("CORVELLA_DRAW_QUESTIONS") > 0
                           ? qEnvironmentVariableIntValue("CORVELLA_DRAW_QUESTIONS")
                           : 20000;
    Rig rig(seed);
    rig.programTexts = programTexts;
    QList<int> all;
    for (int s = 0; s < SubjectCount; ++s)
        all << s;

    std::array<qint64, 5> correctIn{};
    qint64 questions = 0;
    qint64 repeatedText = 0;
    qint64 correctNotOnce = 0;
    qint64 repeatedWrongAnswer = 0;
    qint64 showingSharedText = 0;
    qint64 fromAnotherNumber = 0;
    QHash<QString, qint64> asDistractor;
    QSet<QString> sharedTexts; // texts that belong to more than one entry
    QHash<QString, QSet<int>> subjectsOfText;

    while (questions < wanted) {
        if (bySignificance)
            rig.startSignificance();
        else
            rig.startInterpretation(all);
        if (subjectsOfText.isEmpty() && !bySignificance) {
            for (int e = 0; e < InterpretationEntryCount; ++e) {
                const QString& text = rig.content.InterpretationText[e];
                if (subjectsOfText.contains(text))
                    sharedTexts.insert(text);
                subjectsOfText[text].insert(subjectOwningEntry(e));
            }
        }
        const int n = rig.engine.questionCount();
        for (int q = 0; q < n; ++q) {
            const QString correct =
                bySignificance
                    ? rig.content.SubjectSignificance[rig.test.SignificanceOrder[q]]
                    : rig.content.InterpretationText[rig.test.InterpretationQuestions[q]];
            const QStringList texts = boxTexts(rig.screen);
            if (QSet<QString>(texts.begin(), texts.end()).size() != texts.size())
                ++repeatedText;
            if (texts.count(correct) != 1)
                ++correctNotOnce;
            for (const QString& text : texts) {
                if (text != correct && texts.count(text) > 1) {
                    ++repeatedWrongAnswer;
                    break;
                }
            }
            ++correctIn[texts.indexOf(correct)];
            bool shared = false;
            for (const QString& text : texts) {
                if (text != correct)
                    ++asDistractor[text];
                shared = shared || sharedTexts.contains(text);
            }
            showingSharedText += shared ? 1 : 0;
            if (!bySignificance) {
                const int asked = subjectOwningEntry(rig.test.InterpretationQuestions[q]);
                for (const QString& text : texts) {
                    if (!subjectsOfText.value(text).contains(asked)) {
                        ++fromAnotherNumber;
                        break;
                    }
                }
            }
            ++questions;

            rig.screen.selected = q % 5;
            rig.engine.takeAnswer(rig.screen);
        }
        rig.endTest();
    }

    QString shares;
    for (qint64 hits : correctIn)
        shares += QStringLiteral(" %1 %").arg(100.0 * hits / questions, 0, 'f', 2);
    qInfo("%lld questions; correct text in boxes 1 to 5:%s; questions with a repeated text: "
          "%lld; with the correct text not exactly once: %lld; with a wrong answer twice: %lld; "
          "with an answer of another number: %lld",
          questions, qPrintable(shares), repeatedText, correctNotOnce, repeatedWrongAnswer,
          fromAnotherNumber);

    QCOMPARE(repeatedText, 0);
    QCOMPARE(correctNotOnce, 0);
    QCOMPARE(repeatedWrongAnswer, 0);
    QCOMPARE(fromAnotherNumber, 0);
    // Each box holds the correct text about one time in five.
    for (int box = 0; box < 5; ++box) {
        QVERIFY2(correctIn[box] > questions * 0.17 && correctIn[box] < questions * 0.23,
                 qPrintable(QStringLiteral("box %1:%2").arg(box + 1).arg(shares)));
    }
    // Every subject, and every entry but the last, can be a wrong answer; the last never is.
    QSet<QString> candidates;
    if (bySignificance) {
        candidates = QSet<QString>(rig.content.SubjectSignificance.begin(),
                                   rig.content.SubjectSignificance.begin() + SubjectCount);
    } else {
        candidates = QSet<QString>(rig.content.InterpretationText.begin(),
                                   rig.content.InterpretationText.end() - 1);
    }
    const QStringList offered = asDistractor.keys();
    QCOMPARE(QSet<QString>(offered.begin(), offered.end()), candidates);
    // The shared texts did come up, and the checks above saw each at most once per question.
    if (programTexts && !bySignificance) {
        QCOMPARE(sharedTexts.size(), 3);
        QVERIFY(showingSharedText > 0);
    }
}

void TestQuizEngine::realContent()
{
    // The program's own tables, as loaded by the engine itself.
    StudySession session;
    ContentTables content;
    FakeClock clock;
    // Entry 90 shares its text with entry 81 of the other bridge number; the wrong answers
    // come from its own number, entries 84 to 92.
    ScriptedRandom random(entryDraws({90, 84, 85, 86, 87}) + sameNumberDraws({92, 84, 91, 85}, 90) +
                          correctBoxDraw(4));
    RandomDraw draw(random, clock);
    QuizEngine engine(session, content, draw);
    FakeQuestionScreen screen;

    session.SubjectTicked[6] = true;
    session.startActivity();
    engine.showInterpretationQuestion(screen);

    QCOMPARE(content.SubjectName[6], QStringLiteral("Heart Desire / Personality Bridge Number"));
    QCOMPARE(screen.subjectName, entryHeading(content, 90));
    QCOMPARE(screen.subjectName, content.SubjectName[6] + QStringLiteral(" 6"));
    QCOMPARE(content.InterpretationText[81], content.InterpretationText[90]);
    const QStringList expected{content.InterpretationText[92], content.InterpretationText[84],
                               content.InterpretationText[91], content.InterpretationText[85],
                               content.InterpretationText[90]};
    QCOMPARE(boxTexts(screen), expected);

    session.BySignificance = true;
    session.startActivity();
    ScriptedRandom subjects(subjectDraws({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) +
                            distractorDraws({14, 13, 12, 11}, 0, SubjectCount) + correctBoxDraw(1));
    RandomDraw subjectDraw(subjects, clock);
    QuizEngine significance(session, content, subjectDraw);
    significance.showSignificanceQuestion(screen);
    QCOMPARE(screen.subjectName, QStringLiteral("Life Path Number"));
    QCOMPARE(screen.answers[0], content.SubjectSignificance[14]);
    QCOMPARE(screen.answers[1], content.SubjectSignificance[0]);
    QCOMPARE(screen.answers[4], content.SubjectSignificance[11]);
}

void TestQuizEngine::interpretationCandidates_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QList<int>>("candidates");
    QTest::newRow("first entry of all") << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("inner entry") << 5 << QList<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
    QTest::newRow("bridge value 0") << 84 << QList<int>{85, 86, 87, 88, 89, 90, 91, 92};
    // Entry 170 is asked, but never offered.
    QTest::newRow("last entry of all") << 170 << QList<int>{162, 163, 164, 165, 166, 167, 168, 169};
    QTest::newRow("next to the last") << 169 << QList<int>{162, 163, 164, 165, 166, 167, 168};
    QTest::newRow("below the table") << -1 << QList<int>{};
    QTest::newRow("beyond the table") << 171 << QList<int>{};
}

void TestQuizEngine::interpretationCandidates()
{
    QFETCH(int, entry);
    QFETCH(QList<int>, candidates);
    ContentTables tables;
    fillSyntheticContent(tables);
    QStringList expected;
    for (int e : candidates)
        expected << QStringLiteral("T%1").arg(e);
    QCOMPARE(corvella::interpretationCandidates(tables, entry), expected);
}

void TestQuizEngine::fewerTextsThanBoxes_data()
{
    QTest::addColumn<int>("distinct");
    QTest::newRow("one text") << 1;
    QTest::newRow("two texts") << 2;
    QTest::newRow("four texts") << 4;
    QTest::newRow("five texts") << 5;
}

// A number whose nine entries share fewer than five texts: the answers it can offer run out,
// the boxes left over stay empty, and nothing is read beyond the texts there are.
void TestQuizEngine::fewerTextsThanBoxes()
{
    QFETCH(int, distinct);
    constexpr int Balance = 7; // entries 93 to 101
    Rig rig(77u + distinct);
    rig.afterLoad = [distinct](ContentTables& tables) {
        for (int e = firstEntryOf(Balance); e <= lastEntryOf(Balance); ++e)
            tables.InterpretationText[e] = QStringLiteral("T%1").arg(93 + (e - 93) % distinct);
    };
    std::array<int, 5> correctIn{};
    for (int run = 0; run < 100; ++run) {
        rig.startInterpretation({Balance});
        for (int q = 0; q < 5; ++q) {
            const int entry = rig.test.InterpretationQuestions[q];
            const QString correct = rig.content.InterpretationText[entry];
            const QStringList texts = boxTexts(rig.screen);
            const QString shown = texts.join(QLatin1Char(','));
            QCOMPARE(texts.count(correct), 1);
            QCOMPARE(texts.count(QString()), 5 - std::min(distinct, 5));
            for (const QString& text : texts) {
                QVERIFY2(text.isEmpty() || texts.count(text) == 1, qPrintable(shown));
                QVERIFY2(text.isEmpty() || subjectOwningEntry(text.mid(1).toInt()) == Balance,
                         qPrintable(shown));
            }
            ++correctIn[texts.indexOf(correct)];
            // An empty box may be chosen too; it is stored as the empty text it shows.
            rig.screen.selected = (q + run) % 5;
            const QString chosen = texts[rig.screen.selected];
            rig.engine.takeAnswer(rig.screen);
            QCOMPARE(rig.test.InterpretationAnswers.at(q), chosen);
        }
        rig.endTest();
    }
    // The correct text still stands in any of the five boxes.
    for (int hits : correctIn)
        QVERIFY2(hits > 50, qPrintable(QString::number(hits)));
}

void TestQuizEngine::nothingSelectedChangesNothing_data()
{
    QTest::addColumn<bool>("bySignificance");
    QTest::newRow("significance") << true;
    QTest::newRow("interpretation") << false;
}

void TestQuizEngine::nothingSelectedChangesNothing()
{
    QFETCH(bool, bySignificance);
    Rig rig(5u);
    if (bySignificance)
        rig.startSignificance();
    else
        rig.startInterpretation({2, 9});
    rig.screen.selected = 1;
    QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::NextQuestionShown);

    const auto screenBefore = boxTexts(rig.screen);
    const QString subjectBefore = rig.screen.subjectName;
    const QString counterBefore = rig.screen.questionNo;
    const int drawsBefore = rig.random.draws;
    const int loadsBefore = static_cast<int>(rig.drawsAtLoad.size());
    const auto significanceAnswers = rig.test.SignificanceAnswers;
    const auto interpretationAnswers = rig.test.InterpretationAnswers;
    rig.screen.events.clear();

    QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::NothingSelected);

    QCOMPARE(rig.test.CurrentQuestion, 1);
    QCOMPARE(boxTexts(rig.screen), screenBefore);
    QCOMPARE(rig.screen.subjectName, subjectBefore);
    QCOMPARE(rig.screen.questionNo, counterBefore);
    QCOMPARE(rig.random.draws, drawsBefore);
    QCOMPARE(rig.drawsAtLoad.size(), loadsBefore);
    QVERIFY(rig.test.SignificanceAnswers == significanceAnswers);
    QCOMPARE(rig.test.InterpretationAnswers, interpretationAnswers);
    QVERIFY(rig.screen.events.isEmpty());
}

void TestQuizEngine::acceptedAnswer_data()
{
    QTest::addColumn<bool>("bySignificance");
    QTest::addColumn<int>("box");
    for (int box = 0; box < 5; ++box) {
        QTest::addRow("significance, box %d", box) << true << box;
        QTest::addRow("interpretation, box %d", box) << false << box;
    }
}

void TestQuizEngine::acceptedAnswer()
{
    QFETCH(bool, bySignificance);
    QFETCH(int, box);
    Rig rig(11u + box);
    if (bySignificance)
        rig.startSignificance();
    else
        rig.startInterpretation({0, 14});
    const QString chosen = rig.screen.answers[box];
    rig.screen.selected = box;
    rig.screen.events.clear();

    QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::NextQuestionShown);

    QCOMPARE(rig.test.CurrentQuestion, 1);
    QCOMPARE(bySignificance ? rig.test.SignificanceAnswers[0] : rig.test.InterpretationAnswers[0],
             chosen);
    QCOMPARE(rig.screen.selected, -1);
    // The options are cleared before the next question fills the screen.
    QCOMPARE(rig.screen.events.first(), QStringLiteral("clear"));
    QCOMPARE(rig.screen.events.count(QStringLiteral("clear")), 1);
    // Two ticked subjects make ten questions, as many as a significance test has.
    QCOMPARE(rig.screen.questionNo, QStringLiteral("Question 2 of 10"));
    QCOMPARE(rig.drawsAtLoad.size(), 2);
}

void TestQuizEngine::counters_data()
{
    QTest::addColumn<int>("ticks"); // 0: a significance test
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("counter");
    QTest::newRow("first of 10") << 0 << 1 << QStringLiteral("Question 1 of 10");
    QTest::newRow("last of 10") << 0 << 10 << QStringLiteral("Question 10 of 10");
    QTest::newRow("first of 5") << 1 << 1 << QStringLiteral("Question 1 of 5");
    QTest::newRow("last of 5") << 1 << 5 << QStringLiteral("Question 5 of 5");
    QTest::newRow("sixth of 15") << 3 << 6 << QStringLiteral("Question 6 of 15");
    QTest::newRow("last of 75") << 15 << 75 << QStringLiteral("Question 75 of 75");
}

void TestQuizEngine::counters()
{
    QFETCH(int, ticks);
    QFETCH(int, number);
    QFETCH(QString, counter);

    Rig rig(31u);
    if (ticks == 0) {
        rig.startSignificance();
    } else {
        QList<int> ticked;
        for (int s = 0; s < ticks; ++s)
            ticked << 14 - s;
        rig.startInterpretation(ticked);
    }
    const int count = ticks == 0 ? 10 : 5 * ticks;
    QCOMPARE(rig.engine.questionCount(), count);
    for (int q = 1; q < number; ++q) {
        rig.screen.selected = 2;
        QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::NextQuestionShown);
    }
    QCOMPARE(rig.screen.questionNo, counter);
    QCOMPARE(rig.drawsAtLoad.size(), number);

    if (number == count) {
        // The last answer ends the test without preparing another question.
        const int drawsBefore = rig.random.draws;
        rig.screen.selected = 0;
        const QString last = rig.screen.answers[0];
        QCOMPARE(rig.engine.takeAnswer(rig.screen), QuizEngine::AnswerResult::TestFinished);
        QCOMPARE(rig.test.CurrentQuestion, count);
        QCOMPARE(rig.random.draws, drawsBefore);
        QCOMPARE(rig.drawsAtLoad.size(), number);
        QCOMPARE(rig.screen.selected, -1);
        QCOMPARE(ticks == 0 ? rig.test.SignificanceAnswers[count - 1]
                            : rig.test.InterpretationAnswers[count - 1],
                 last);
    }
}

QTEST_GUILESS_MAIN(TestQuizEngine)
#include "tst_quizengine.moc"
