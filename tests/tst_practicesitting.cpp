// A sitting at the practice window without the window: relearning, practice before a card is
// due, dates moved back and forth, undo, the cards that tell the numbers apart, and a finished
// test that leaves no file behind.
#include "support/fakes.h"

#include "practice/sitting.h"

#include <QFile>
#include <QMultiHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace corvella;
using namespace corvella::practice;
using namespace corvella::testing;

namespace {

const QDate Day(2026, 12, 7);

struct Sitting
{
    QTemporaryDir folder;
    FakeClock clock;
    ScriptedRandom random{7};
    RandomDraw draw{random, clock};
    ContentTables content;
    std::unique_ptr<PracticeSitting> s;

    Sitting()
    {
        clock.date = Day;
        loadContent(content);
        reopen();
    }
    QString file() const { return folder.filePath(QStringLiteral("progress.txt")); }
    // A new sitting on the same file, as when the window is closed and opened again.
    void reopen()
    {
        if (s)
            s->save();
        s = std::make_unique<PracticeSitting>(content, draw, clock, file());
        s->open();
    }
    CardState state(const CardId& card) const { return s->progress().cards.value(cardKey(card)); }
    // Sums are answered right with the core's own values, wrong with 99.
    void answer(bool right)
    {
        const CardId card = s->currentCard();
        const int correct = s->currentOptions().correctBox;
        if (card.kind != CardKind::Sum) {
            QVERIFY(s->chooseAnswer(right ? correct : (correct + 1) % AnswerBoxCount));
            return;
        }
        const auto subject = static_cast<numerology::Subject>(card.subject);
        QStringList typed;
        for (int v : checkSum(s->currentPerson(), subject, {}).expected)
            typed << (right ? QString::number(v) : QStringLiteral("99"));
        QVERIFY(s->answerSum(typed.join(QLatin1Char(' '))).isEmpty());
    }
};

CardId meaning(int subject, int value)
{
    return CardId{CardKind::Meaning, subject, value};
}

} // namespace

class TestPracticeSitting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void relearningUntilRight_data();
    void relearningUntilRight();
    void practiseTheseIsCramming_data();
    void practiseTheseIsCramming();
    void newCardsCountedPerDate_data();
    void newCardsCountedPerDate();
    void undoTakesTheAnswerBack_data();
    void undoTakesTheAnswerBack();
    void whichNumberOptionsAllOfOneValue();
    void whichNumberCardsJoinWhenMeaningsLearnt();
    void testNotWrittenWhenNoFile_data();
    void testNotWrittenWhenNoFile();
};

// A card answered wrongly comes back after RelearnGap other cards (or at the end) until it is
// right, stays due today meanwhile, and only the right answer gives it a later date.
void TestPracticeSitting::relearningUntilRight_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("others");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("wrong, right") << QList<bool>{false, true} << 5 << QList<int>{0, 4};
    QTest::newRow("wrong twice, then right")
        << QList<bool>{false, false, true} << 5 << QList<int>{0, 4, 7};
    QTest::newRow("one other card") << QList<bool>{false, false, true} << 1 << QList<int>{0, 2, 3};
}

void TestPracticeSitting::relearningUntilRight()
{
    QFETCH(QList<bool>, answers);
    QFETCH(int, others);
    QFETCH(QList<int>, positions);
    Sitting t;
    const CardId target = meaning(0, 1);
    QList<CardId> cards{target};
    for (int v = 2; v < 2 + others; ++v)
        cards << meaning(0, v);
    t.s->practise(cards);
    QList<int> seenAt;
    int next = 0;
    while (t.s->state() == PracticeSitting::State::Asking) {
        if (t.s->currentCard() == target) {
            seenAt << t.s->position();
            QVERIFY(next < answers.size());
            t.answer(answers[next++]);
            const CardState state = t.state(target);
            const bool done = next == answers.size();
            QCOMPARE(state.relearning, !done);
            QVERIFY2(done ? state.due > Day : state.due == Day, qPrintable(state.due.toString()));
        } else {
            t.answer(true);
        }
        t.s->next();
    }
    QCOMPARE(seenAt, positions);
    QCOMPARE(t.state(target).wrong, int(answers.count(false)));
}

// "Practise these" on cards that are not due: a right answer never moves a card on as if it had
// waited, however often it is pressed; a wrong one counts and the card relearns.
void TestPracticeSitting::practiseTheseIsCramming_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<QList<bool>>("answers");
    QTest::newRow("same day, right three times") << 0 << QList<bool>{true, true, true};
    QTest::newRow("next day, right three times") << 1 << QList<bool>{true, true, true};
    QTest::newRow("next day, wrong") << 1 << QList<bool>{false};
}

void TestPracticeSitting::practiseTheseIsCramming()
{
    QFETCH(int, daysLater);
    QFETCH(QList<bool>, answers);
    Sitting t;
    const CardId card = meaning(0, 3);
    t.s->practise({card});
    t.answer(true);
    t.clock.date = Day.addDays(daysLater);
    t.reopen();
    const CardState learnt = t.state(card);
    QVERIFY(learnt.due > t.clock.date);
    // What one review on its due date would give: the most any practice before it may give.
    CardState waited = learnt;
    reviewCard(waited, true, learnt.due, t.s->progress().settings);
    for (const bool right : answers) {
        t.s->practise({card});
        t.answer(right);
        QCOMPARE(t.s->lastAnswer().kind, AnswerKind::Cramming);
    }
    const CardState after = t.state(card);
    QCOMPARE(after.right, learnt.right + int(answers.count(true)));
    if (answers.contains(false)) {
        QVERIFY(after.relearning);
        QCOMPARE(after.due, t.clock.date);
        QCOMPARE(t.s->offered().count(card), 2); // asked again in the same sitting
        return;
    }
    QVERIFY(!after.relearning && after.due >= learnt.due);
    QVERIFY(after.stability < waited.stability);
    if (daysLater == 0) {
        CardState same = after;
        same.right = learnt.right;
        QCOMPARE(same, learnt);
    }
}

// New cards are counted per calendar date: moving the clock back and forth never offers a date
// more than its limit, and the counts are kept in the file between sittings.
void TestPracticeSitting::newCardsCountedPerDate_data()
{
    QTest::addColumn<QList<int>>("dayOffsets");
    QTest::addColumn<QList<int>>("newOffered");
    QTest::newRow("same day twice") << QList<int>{0, 0} << QList<int>{10, 0};
    QTest::newRow("back one day, then forward")
        << QList<int>{0, -1, 0, -1} << QList<int>{10, 10, 0, 0};
    QTest::newRow("ahead one day, then back") << QList<int>{0, 1, 0} << QList<int>{10, 10, 0};
}

void TestPracticeSitting::newCardsCountedPerDate()
{
    QFETCH(QList<int>, dayOffsets);
    QFETCH(QList<int>, newOffered);
    Sitting t;
    for (int i = 0; i < dayOffsets.size(); ++i) {
        t.clock.date = Day.addDays(dayOffsets[i]);
        t.reopen();
        int fresh = 0;
        while (t.s->state() == PracticeSitting::State::Asking) {
            fresh += t.s->currentKind() == AnswerKind::New ? 1 : 0;
            t.answer(true);
            t.s->next();
        }
        QCOMPARE(fresh, newOffered[i]);
    }
}

// Undo while the verdict is on show: the card, the day's counts and the sitting's counts are as
// before, in memory and in the file, and the same card is asked with the same answers. Once
// saved, an answer stays.
void TestPracticeSitting::undoTakesTheAnswerBack_data()
{
    QTest::addColumn<int>("daysLater"); // 0: a new card; later: a due review
    QTest::addColumn<bool>("sum");
    QTest::addColumn<bool>("right");
    QTest::newRow("new card, right") << 0 << false << true;
    QTest::newRow("new card, wrong") << 0 << false << false;
    QTest::newRow("due review, wrong") << 40 << false << false;
    QTest::newRow("sum card, right") << 0 << true << true;
}

void TestPracticeSitting::undoTakesTheAnswerBack()
{
    QFETCH(int, daysLater);
    QFETCH(bool, sum);
    QFETCH(bool, right);
    Sitting t;
    if (daysLater > 0) {
        t.answer(true);
        t.clock.date = Day.addDays(daysLater);
        t.reopen();
        QCOMPARE(t.s->currentKind(), AnswerKind::Review);
    }
    if (sum)
        t.s->practise({CardId{CardKind::Sum, 0, 0}});
    const Progress before = t.s->progress();
    const QList<CardId> queue = t.s->offered();
    const CardId card = t.s->currentCard();
    const AnswerOptions options = t.s->currentOptions();
    const Person person = t.s->currentPerson();
    t.answer(right);
    QVERIFY(!(t.s->progress() == before));
    QVERIFY(t.s->undo());
    QVERIFY(!t.s->undo()); // once
    QCOMPARE(t.s->state(), PracticeSitting::State::Asking);
    QCOMPARE(t.s->progress(), before);
    QCOMPARE(t.s->offered(), queue);
    QCOMPARE(t.s->currentOptions().texts, options.texts);
    QCOMPARE(t.s->currentOptions().correctBox, options.correctBox);
    QCOMPARE(t.s->currentPerson().name, person.name);
    QCOMPARE(t.s->answered(), 0);
    t.s->save();
    const Progress kept = loadProgress(t.file()).progress;
    QCOMPARE(kept.cards.value(cardKey(card)), before.cards.value(cardKey(card)));
    QCOMPARE(kept.days, before.days);
    t.answer(true);
    QVERIFY(t.s->save());
    QVERIFY(!t.s->canUndo());
}

// "Which is the Soul's Urge 7?": every option is the paragraph of that one value, each of a
// different number, so that only knowing the numbers apart tells the answer.
void TestPracticeSitting::whichNumberOptionsAllOfOneValue()
{
    Sitting t;
    QMultiHash<QString, QPair<int, int>> owners; // a paragraph's (number, value)
    for (int s = 0; s < SubjectCount; ++s) {
        for (int e = t.content.FirstInterpretation[s]; e <= t.content.LastInterpretation[s]; ++e)
            owners.insert(t.content.InterpretationText[e], {s, t.content.InterpretationValue[e]});
    }
    int cards = 0;
    for (const CardId& card : practiceOrder(t.content)) {
        if (card.kind != CardKind::WhichNumber)
            continue;
        ++cards;
        // The Birthday's own values above 9 belong to no other number.
        QVERIFY(card.value <= 9 || card.value == 11 || card.value == 22);
        QCOMPARE(cardFromKey(cardKey(card)), std::optional<CardId>(card));
        const AnswerOptions options = drawCardOptions(card, t.content, t.draw);
        QCOMPARE(options.texts[size_t(options.correctBox)], cardAnswer(card, t.content));
        QSet<int> subjects;
        for (const QString& text : options.texts) {
            for (const auto& [subject, value] : owners.values(text))
                subjects << (value == card.value ? subject : -1);
        }
        QVERIFY2(!subjects.contains(-1) && subjects.size() >= 5 && subjects.contains(card.subject),
                 qPrintable(cardKey(card)));
    }
    QVERIFY(cards > 50);
}

// A number's WhichNumber cards come among the new cards once its own meaning cards are learnt,
// and not before.
void TestPracticeSitting::whichNumberCardsJoinWhenMeaningsLearnt()
{
    Sitting t;
    Progress learnt;
    learnt.settings.newCardsPerDay = MaximumNewCardsPerDay;
    for (const CardId& card : allCards(t.content)) {
        if (card.subject <= 2)
            learnt.cards[cardKey(card)] = stateFromBox(3, Day.addDays(3), 2, 0, false);
    }
    QVERIFY(saveProgress(t.file(), learnt));
    t.reopen();
    QSet<int> whichOf;
    bool ownCardsOfThree = false;
    for (const CardId& card : t.s->offered()) {
        if (card.kind == CardKind::WhichNumber)
            whichOf << card.subject;
        else
            ownCardsOfThree = ownCardsOfThree || card.subject == 3;
    }
    QCOMPARE(whichOf, (QSet<int>{0, 1, 2}));
    QVERIFY(ownCardsOfThree);
}

// A test finished while no progress file is there leaves none behind; the sitting still offers
// its missed questions first, and the first answer writes the file with the test in it.
void TestPracticeSitting::testNotWrittenWhenNoFile_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::newRow("no file") << false;
    QTest::newRow("a file") << true;
}

void TestPracticeSitting::testNotWrittenWhenNoFile()
{
    QFETCH(bool, fileThere);
    Sitting t;
    if (fileThere)
        QVERIFY(saveProgress(t.file(), Progress{}));
    const CardId missed = meaning(4, 14);
    PractisedTest finished;
    finished.test = FinishedTest{Day, false, 0, 1};
    finished.questions << TestQuestion{QStringLiteral("q"), QStringLiteral("a"),
                                       QStringLiteral("b"), missed};
    QCOMPARE(keepTestInFile(t.file(), finished).written, fileThere);
    QCOMPARE(loadProgress(t.file()).progress.tests.size(), fileThere ? 1 : 0);

    t.reopen();
    if (!fileThere)
        t.s->takeUnkeptTest(finished);
    QCOMPARE(t.s->currentCard(), missed);
    QVERIFY(t.s->currentMissedInTest());
    QCOMPARE(t.s->save(), fileThere);
    QCOMPARE(QFile::exists(t.file()), fileThere);
    t.answer(true);
    QVERIFY(t.s->save());
    const Progress read = loadProgress(t.file()).progress;
    QCOMPARE(read.tests.size(), 1);
    QCOMPARE(read.cards.value(cardKey(missed)).right, 1);
}

QTEST_MAIN(TestPracticeSitting)
#include "tst_practicesitting.moc"
