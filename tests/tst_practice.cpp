#include "practice/progress.h"
#include "practice/scheduler.h"
#include "practice/sums.h"
#include "shell/translations.h"
#include "support/fakes.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace corvella;
using namespace corvella::practice;
using corvella::testing::FakeClock;
using corvella::testing::ScriptedRandom;
namespace num = corvella::numerology;

Q_DECLARE_METATYPE(corvella::practice::Progress)

namespace {

QString valuesText(const QList<int>& values)
{
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts.join(QLatin1String(", "));
}

// Texts written as plain literals in the tables below.
QStringList names(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

const QDate Today(2026, 12, 7);

CardId meaning(int subject, int value)
{
    return CardId{CardKind::Meaning, subject, value};
}
CardId significance(int subject)
{
    return CardId{CardKind::Significance, subject, 0};
}

QStringList keysOf(const QList<CardId>& cards)
{
    QStringList keys;
    for (const CardId& c : cards)
        keys << cardKey(c);
    return keys;
}

// A card seen before, as an old box of that number would have left it, due on the given day.
void seen(Progress& p, const CardId& card, int box, const QDate& due)
{
    p.cards.insert(cardKey(card), stateFromBox(box, due, 1, 0, false));
}

CardState missedCard()
{
    return stateFromBox(1, Today, 0, 1, true);
}

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT

private:
    ContentTables m_content;

private Q_SLOTS:
    void initTestCase()
    {
        loadContent(m_content);
        // As the program does: the sum input's "You typed one value" needs the English forms.
        QVERIFY(installEnglishForms(QFileInfo(QStringLiteral(CORVELLA_ENGLISH_QM)).path()));
    }

    // ---- cards ----

    void everyCardInLessonOrderWithAStableKey()
    {
        const QList<CardId> cards = allCards(m_content);
        QCOMPARE(cards.size(), SubjectCount * 2 + InterpretationEntryCount);
        QCOMPARE(cardKey(cards.first()), QStringLiteral("significance/0"));
        QCOMPARE(cardKey(cards.at(1)), QStringLiteral("meaning/0/1"));
        QCOMPARE(cardKey(cards.last()), QStringLiteral("sum/14"));
        QSet<QString> keys;
        int lastEntry = -1;
        for (const CardId& card : cards) {
            const QString key = cardKey(card);
            QVERIFY2(!keys.contains(key), qPrintable(key));
            keys.insert(key);
            const std::optional<CardId> back = cardFromKey(key);
            QVERIFY2(back && *back == card, qPrintable(key));
            if (card.kind == CardKind::Meaning) {
                // Meaning cards walk the catalogue's entries one by one.
                QCOMPARE(entryOfCard(card, m_content), lastEntry + 1);
                lastEntry = entryOfCard(card, m_content);
            }
        }
        QCOMPARE(lastEntry, InterpretationEntryCount - 1);
    }

    void keysThatNameNoCard_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* key :
             {"", "significance", "significance/", "significance/15", "significance/-1",
              "significance/03", "significance/3/1", "sum/0/0", "meaning/9", "meaning/9/",
              "meaning/9/+3", "meaning/9/3/", "Meaning/9/3", "meaning/9/12345", "card/1",
              "significance/3 ", "sum/1x"})
            QTest::newRow(key) << QString::fromLatin1(key);
    }
    void keysThatNameNoCard()
    {
        QFETCH(QString, key);
        QVERIFY(!cardFromKey(key).has_value());
    }

    void questionsAndAnswers()
    {
        QCOMPARE(cardQuestion(meaning(num::Pinnacle, 3), m_content),
                 QStringLiteral("What does Pinnacle Number 3 mean?"));
        QCOMPARE(cardQuestion(significance(num::Birthday), m_content),
                 QStringLiteral("What does the Birthday Number stand for?"));
        QCOMPARE(cardQuestion(CardId{CardKind::Sum, num::LifePath, 0}, m_content),
                 QStringLiteral("Work out the Life Path Number."));
        // Pinnacle Number 3: the entry of value 3 in the pinnacle run.
        const int entry = entryOfCard(meaning(num::Pinnacle, 3), m_content);
        QCOMPARE(m_content.InterpretationValue[entry], 3);
        QCOMPARE(subjectOfEntry(m_content, entry), int(num::Pinnacle));
        QCOMPARE(cardAnswer(meaning(num::Pinnacle, 3), m_content),
                 m_content.InterpretationText[entry]);
        // Life Path has no value 10: no entry, no question.
        QCOMPARE(entryOfCard(meaning(num::LifePath, 10), m_content), -1);
        QVERIFY(cardQuestion(meaning(num::LifePath, 10), m_content).isEmpty());
    }

    // Every meaning card, drawn many times: the right text in the right box, the others distinct,
    // all from the same number, entry 170 never offered as a wrong answer.
    void meaningOptionsComeFromTheSameNumber()
    {
        ScriptedRandom random(7);
        FakeClock clock;
        RandomDraw draw(random, clock);
        for (const CardId& card : allCards(m_content)) {
            if (card.kind != CardKind::Meaning)
                continue;
            const int entry = entryOfCard(card, m_content);
            QSet<QString> sameNumber;
            for (int e = m_content.FirstInterpretation[card.subject];
                 e <= m_content.LastInterpretation[card.subject]; ++e)
                sameNumber.insert(m_content.InterpretationText[e]);
            for (int round = 0; round < 20; ++round) {
                const AnswerOptions options = drawCardOptions(card, m_content, draw);
                QCOMPARE(options.texts[options.correctBox], m_content.InterpretationText[entry]);
                QSet<QString> distinct;
                for (const QString& text : options.texts) {
                    QVERIFY(!text.isEmpty());
                    QVERIFY(sameNumber.contains(text));
                    distinct.insert(text);
                }
                QCOMPARE(distinct.size(), AnswerBoxCount);
                if (entry != InterpretationEntryCount - 1) {
                    for (int box = 0; box < AnswerBoxCount; ++box)
                        QVERIFY(options.texts[box] !=
                                    m_content.InterpretationText[InterpretationEntryCount - 1] ||
                                box == options.correctBox);
                }
            }
        }
        // Personal Year 9 is entry 170: asked, it still gets four wrong answers.
        QVERIFY(!interpretationCandidates(m_content, InterpretationEntryCount - 1)
                     .contains(m_content.InterpretationText[InterpretationEntryCount - 1]));
        QCOMPARE(interpretationCandidates(m_content, 162).size(), 7);
    }

    void significanceOptionsAndAUniformCorrectBox()
    {
        ScriptedRandom random(11);
        FakeClock clock;
        RandomDraw draw(random, clock);
        const QSet<QString> significances(m_content.SubjectSignificance.begin(),
                                          m_content.SubjectSignificance.begin() + SubjectCount);
        std::array<int, AnswerBoxCount> boxes{};
        const int rounds = 5000;
        for (int round = 0; round < rounds; ++round) {
            const CardId card = significance(round % SubjectCount);
            const AnswerOptions options = drawCardOptions(card, m_content, draw);
            QCOMPARE(options.texts[options.correctBox],
                     m_content.SubjectSignificance[card.subject]);
            QSet<QString> distinct(options.texts.begin(), options.texts.end());
            QCOMPARE(distinct.size(), AnswerBoxCount);
            QVERIFY(distinct.subtract(significances).isEmpty());
            ++boxes[options.correctBox];
        }
        // 1000 expected in each box; 5 standard deviations either side.
        for (int count : boxes)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
    }

    // ---- the scheduler ----

    // Figures worked by hand from the published FSRS-5 formulas and default weights. Answers:
    // R right, W wrong, each after the days its number says (none: the same day as the one
    // before); the first is on Today.
    void answersFollowTheModel_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<double>("retention");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("dueInDays"); // after the last answer
        QTest::addColumn<bool>("relearning");
        // S0(3) = w2; D0(3) = w4 - e^(2 w5) + 1; interval at 90% = S.
        QTest::newRow("new, right") << "R" << 0.9 << 3.173 << 5.2824 << 3 << false;
        // I = S / (19/81) * (0.8^-2 - 1) = 7.61.
        QTest::newRow("new, right, 80% aimed at") << "R" << 0.8 << 3.173 << 5.2824 << 8 << false;
        QTest::newRow("new, wrong: relearns today") << "W" << 0.9 << 0.4026 << 7.1949 << 0 << true;
        // Short-term: S e^(w17 (G - 3 + w18)); D pulled 0.46% towards D0(4) = 3.2273.
        QTest::newRow("wrong, then right the same day")
            << "W R" << 0.9 << 0.5667 << 7.1766 << 1 << false;
        QTest::newRow("wrong twice the same day") << "W W" << 0.9 << 0.2017 << 8.0828 << 0 << true;
        // After 3 days R = (1 + 19/81 * 3/3.173)^-0.5 = 0.9047.
        QTest::newRow("right, right on the day due")
            << "R 3R" << 0.9 << 10.7389 << 5.2730 << 11 << false;
        QTest::newRow("right, wrong on the day due: a lapse")
            << "R 3W" << 0.9 << 1.0556 << 6.7969 << 0 << true;
        // After 10 days R = 0.7583: a later success grows more.
        QTest::newRow("right, right a week late")
            << "R 10R" << 0.9 << 23.8959 << 5.2730 << 24 << false;
        // Practise these: right again the same day moves nothing; a day later, only what one
        // day of waiting shows (R = 0.9650): due 7 days on, not the 14 a wait would have earned.
        QTest::newRow("crammed three times the same day")
            << "R R R R" << 0.9 << 3.173 << 5.2824 << 3 << false;
        QTest::newRow("crammed a day later") << "R 1R" << 0.9 << 5.8691 << 5.2730 << 6 << false;
        QTest::newRow("crammed and missed: a lapse")
            << "R 1W" << 0.9 << 0.9206 << 6.7969 << 0 << true;
    }
    void answersFollowTheModel()
    {
        QFETCH(QString, answers);
        QFETCH(double, retention);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, dueInDays);
        QFETCH(bool, relearning);
        SchedulerSettings settings;
        settings.desiredRetention = retention;
        CardState state;
        state.missedInTest = true;
        QDate day = Today;
        int right = 0;
        for (const QString& step : answers.split(u' ')) {
            day = day.addDays(step.chopped(1).toInt());
            right += step.endsWith(u'R');
            recordAnswer(state, step.endsWith(u'R'), day, settings);
        }
        // To the four decimals worked by hand.
        QCOMPARE(std::round(state.stability * 1e4) / 1e4, stability);
        QCOMPARE(std::round(state.difficulty * 1e4) / 1e4, difficulty);
        QCOMPARE(state.due, day.addDays(dueInDays));
        QCOMPARE(state.relearning, relearning);
        QCOMPARE(state.right, right);
        QCOMPARE(state.wrong, int(answers.count(u'W')));
        QVERIFY(!state.missedInTest);
    }

    void cardsToOffer_data()
    {
        // The lesson order: significance/0, meaning/0/1 .. meaning/0/9, 11, 22, sum/0, ...
        QTest::addColumn<Progress>("progress");
        QTest::addColumn<QStringList>("firstOffered");
        QTest::addColumn<int>("count");
        const int newCardsPerDay = SchedulerSettings().newCardsPerDay;
        QTest::newRow("nothing seen: ten new cards in lesson order")
            << Progress{} << names({"significance/0", "meaning/0/1", "meaning/0/2"})
            << newCardsPerDay;
        {
            Progress p;
            seen(p, meaning(3, 5), 2, Today.addDays(-1));
            seen(p, meaning(1, 5), 1, Today);
            seen(p, meaning(0, 4), 3, Today.addDays(-3));
            seen(p, meaning(0, 1), 1, Today.addDays(1)); // not due yet
            QTest::newRow("due cards first, earliest due first, then lesson order")
                << p
                << names({"meaning/0/4", "meaning/3/5", "meaning/1/5", "significance/0",
                          "meaning/0/2"})
                << 3 + newCardsPerDay;
            p.settings.reviewsPerDay = 5;
            p.days[Today].reviews = 3;
            QTest::newRow("reviews capped by the day's limit, most overdue kept")
                << p << names({"meaning/0/4", "meaning/3/5", "significance/0"})
                << 2 + newCardsPerDay;
            // A date of 2036 from a clock once far ahead counts as the card's interval (4 days
            // for box 3) from today.
            seen(p, meaning(0, 4), 3, QDate(2036, 1, 1));
            QTest::newRow("a far-ahead date is not due yet")
                << p << names({"meaning/3/5", "meaning/1/5", "significance/0"})
                << 2 + newCardsPerDay;
        }
        {
            Progress p;
            seen(p, meaning(2, 2), 4, Today.addDays(-2));
            p.cards[QStringLiteral("meaning/5/3")] = missedCard();
            p.cards[QStringLiteral("significance/4")] = missedCard();
            p.cards[QStringLiteral("meaning/7/1")] = stateFromBox(1, Today, 0, 1, false);
            p.cards[QStringLiteral("meaning/7/1")].relearning = true;
            QTest::newRow("missed in a test first, then relearning, then due")
                << p << names({"significance/4", "meaning/5/3", "meaning/7/1", "meaning/2/2"})
                << 4 + newCardsPerDay;
        }
        {
            Progress p;
            p.days[Today].newShown = 7;
            QTest::newRow("three new cards left today") << p << names({"significance/0"}) << 3;
            p.days[Today].newShown = 12;
            QTest::newRow("none left today") << p << names({}) << 0;
            allowMoreNewCards(p, Today);
            QTest::newRow("More new cards: another ten") << p << names({"significance/0"}) << 10;
            p.settings.newCardsPerDay = 25;
            p.days.clear();
            p.days[Today.addDays(-1)].newShown = 25;
            QTest::newRow("yesterday's count does not hold today")
                << p << names({"significance/0"}) << 25;
        }
        {
            Progress p;
            ContentTables tables;
            loadContent(tables);
            for (const CardId& card : allCards(tables))
                seen(p, card, 5, Today.addDays(16));
            seen(p, significance(14), 5, Today);
            p.cards.insert(QStringLiteral("meaning/0/10"), missedCard());
            QTest::newRow("all seen, one due; a card the catalogue lacks is left out")
                << p << names({"significance/14"}) << 1;
        }
    }
    void cardsToOffer()
    {
        QFETCH(Progress, progress);
        QFETCH(QStringList, firstOffered);
        QFETCH(int, count);
        const QStringList offered =
            keysOf(practice::cardsToOffer(progress, allCards(m_content), Today));
        QCOMPARE(offered.mid(0, firstOffered.size()), firstOffered);
        QCOMPARE(offered.size(), count);
        QCOMPARE(QSet<QString>(offered.begin(), offered.end()).size(), offered.size());
    }

    // New cards count per calendar date: a clock put back and forth gives no date more than its
    // allowance, and cards seen before count as reviews, not new cards.
    void newCardsAreCountedPerDate()
    {
        Progress p;
        const int perDay = p.settings.newCardsPerDay;
        const QList<CardId> order = allCards(m_content);
        const auto answerAllOffered = [&](const QDate& day) {
            const QList<CardId> offered = practice::cardsToOffer(p, order, day);
            for (const CardId& card : offered)
                recordCardAnswer(p, card, true, day);
            return int(offered.size());
        };
        QCOMPARE(answerAllOffered(Today), perDay);
        QCOMPARE(answerAllOffered(Today.addDays(-1)), perDay); // the clock put back a day
        QCOMPARE(answerAllOffered(Today), 0);                  // and forward again
        QCOMPARE(p.days.value(Today).newShown, perDay);
        recordCardAnswer(p, order.first(), false, Today.addDays(3));
        QCOMPARE(p.days.value(Today.addDays(3)), (DayCounts{0, 0, 1}));
    }

    // A finished test: its wrong answers are lapses and come back first, also cards never seen
    // and cards that were not due; a right answer is a review like a right card.
    void missedTestQuestionsComeFirst()
    {
        Progress p;
        seen(p, significance(6), 5, Today.addDays(10));
        seen(p, significance(2), 3, Today.addDays(3));
        seen(p, significance(1), 1, Today.addDays(-1)); // due
        const QList<TestQuestion> questions = {
            {QStringLiteral("Balance Number"), QStringLiteral("b"), QStringLiteral("a"),
             cardOfSignificanceQuestion(7)},
            {QStringLiteral("Heart Desire"), QStringLiteral("x"), QStringLiteral("y"),
             cardOfSignificanceQuestion(6)},
            {QStringLiteral("Soul's Urge"), QStringLiteral("s"), QStringLiteral("s"),
             cardOfSignificanceQuestion(2)},
        };
        recordFinishedTest(p, FinishedTest{Today, true, 1, 3}, questions);
        QCOMPARE(p.tests.size(), 1);
        QCOMPARE(p.lastTest, questions);
        // significance/2 (stability 4, last seen yesterday) was due in 3 days: right now counts
        // what one day shows, S 4 -> 6.64, so 7 days on, not the 4 -> 13.76 a wait would give.
        QCOMPARE(p.cards.value(QStringLiteral("significance/2")).due, Today.addDays(7));
        QCOMPARE(levelOf(p.cards.value(QStringLiteral("significance/7"))), 1);
        const QStringList offered = keysOf(practice::cardsToOffer(p, allCards(m_content), Today));
        QCOMPARE(offered.mid(0, 3),
                 (names({"significance/6", "significance/7", "significance/1"})));
        // Answered right now, a missed card leaves the head of the queue.
        recordCardAnswer(p, significance(6), true, Today);
        QCOMPARE(keysOf(practice::cardsToOffer(p, allCards(m_content), Today)).first(),
                 QStringLiteral("significance/7"));
        // A test's missed cards do not use up the day's new cards.
        QCOMPARE(newCardsLeftToday(p, Today), p.settings.newCardsPerDay);
        // A right answer of a test is a first review of a card never seen.
        recordFinishedTest(p, FinishedTest{Today, true, 1, 1},
                           {{QStringLiteral("Life Path"), QStringLiteral("l"), QStringLiteral("l"),
                             cardOfSignificanceQuestion(0)}});
        QCOMPARE(p.cards.value(QStringLiteral("significance/0")).due, Today.addDays(3));
    }

    // What the window tells: due, overdue, the days ahead; and dates from a clock once set far
    // ahead brought back to the card's interval from today.
    void dueCountsAndFarAheadDates()
    {
        Progress p;
        seen(p, meaning(0, 1), 1, Today.addDays(-2)); // overdue
        seen(p, meaning(0, 2), 2, Today);             // due
        seen(p, meaning(0, 3), 2, Today.addDays(1));  // tomorrow
        seen(p, meaning(0, 4), 4, Today.addDays(7));  // this week
        seen(p, meaning(0, 5), 5, Today.addDays(8));  // later
        seen(p, meaning(0, 6), 3, QDate(2036, 3, 1)); // 4-day interval, from a clock in 2036
        p.cards[QStringLiteral("meaning/0/7")] = missedCard();
        p.cards[QStringLiteral("meaning/0/8")] = CardState{};
        const DueSummary summary = dueSummary(p, Today);
        QCOMPARE(summary.due, 3);
        QCOMPARE(summary.overdue, 1);
        QCOMPARE(summary.tomorrow, 1);
        QCOMPARE(summary.thisWeek, 3);
        QVERIFY(bringBackFarAheadDates(p, Today));
        const CardState brought = p.cards.value(QStringLiteral("meaning/0/6"));
        QCOMPARE(brought.due, Today.addDays(4));
        QCOMPARE(brought.lastReview, Today);
        QVERIFY(!bringBackFarAheadDates(p, Today));
        QCOMPARE(levelOf(p.cards.value(QStringLiteral("meaning/0/5"))), 5);
    }

    void cardsOfTestQuestions()
    {
        QCOMPARE(cardKey(cardOfSignificanceQuestion(9)), QStringLiteral("significance/9"));
        QCOMPARE(cardKey(cardOfInterpretationEntry(m_content, 0)), QStringLiteral("meaning/0/1"));
        QCOMPARE(cardKey(cardOfInterpretationEntry(m_content, 10)), QStringLiteral("meaning/0/22"));
        QCOMPARE(cardKey(cardOfInterpretationEntry(m_content, 44)), QStringLiteral("meaning/4/1"));
        QCOMPARE(cardKey(cardOfInterpretationEntry(m_content, 170)),
                 QStringLiteral("meaning/14/9"));
    }

    // ---- sums ----

    void inventedPeople()
    {
        ScriptedRandom random(3);
        FakeClock clock;
        RandomDraw draw(random, clock);
        QSet<QString> names;
        for (int i = 0; i < 500; ++i) {
            const Person p = inventPerson(draw, Today);
            const QStringList parts = p.name.split(u' ');
            QCOMPARE(parts.size(), 3);
            QVERIFY(parts.at(0) != parts.at(1));
            QVERIFY(p.birth >= QDate(1940, 1, 1));
            QVERIFY(p.birth <= Today.addYears(-16));
            QCOMPARE(p.lookAt, Today);
            const num::NameReading reading = num::readName(p.name);
            QVERIFY2(reading.problem.isEmpty(), qPrintable(p.name));
            QVERIFY2(num::calculateChart(reading.parts, p.birth, p.lookAt).problem.isEmpty(),
                     qPrintable(p.name));
            names.insert(p.name);
        }
        QVERIFY(names.size() > 450);
        // The far ends of the range can be drawn.
        ScriptedRandom low(QList<double>{0.0});
        RandomDraw lowDraw(low, clock);
        QCOMPARE(inventPerson(lowDraw, Today).birth, QDate(1940, 1, 1));
        ScriptedRandom high(QList<double>{0.999999999});
        RandomDraw highDraw(high, clock);
        QCOMPARE(inventPerson(highDraw, Today).birth, Today.addYears(-16));
    }

    void readSumInput_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QString>("problem"); // a part of the message, or empty
        const int lp = num::LifePath;
        const int pin = num::Pinnacle;
        const int per = num::LifePathPeriod;
        QTest::newRow("one value") << lp << "7" << QList<int>{7} << "";
        QTest::newRow("blanks around") << lp << "  11 " << QList<int>{11} << "";
        QTest::newRow("commas") << pin << "3, 7, 1, 11" << QList<int>{3, 7, 1, 11} << "";
        QTest::newRow("spaces") << pin << "3 7 1 11" << QList<int>{3, 7, 1, 11} << "";
        QTest::newRow("tight commas") << pin << "3,7,1,0" << QList<int>{3, 7, 1, 0} << "";
        QTest::newRow("three periods") << per << "2 , 11 ,6" << QList<int>{2, 11, 6} << "";
        QTest::newRow("empty") << pin << "" << QList<int>{}
                               << "Please type the four Pinnacle Numbers";
        QTest::newRow("blank") << lp << "   " << QList<int>{} << "Please type one number";
        QTest::newRow("too few") << pin << "3, 7, 1" << QList<int>{}
                                 << "You typed three values; please type the four Pinnacle";
        QTest::newRow("too many") << lp << "3 4" << QList<int>{}
                                  << "You typed two values; please type one number";
        QTest::newRow("one for three")
            << per << "4" << QList<int>{} << "You typed one value; please type the three";
        QTest::newRow("a word") << lp << "seven" << QList<int>{}
                                << "\"seven\" is not a whole number";
        QTest::newRow("negative") << pin << "3, -7, 1, 1" << QList<int>{}
                                  << "\"-7\" is not a whole number";
        QTest::newRow("fraction") << lp << "7.5" << QList<int>{} << "\"7.5\" is not a whole number";
        QTest::newRow("huge") << lp << "99999999999999999999" << QList<int>{}
                              << "is not a whole number of up to four digits";
        QTest::newRow("gap between commas")
            << pin << "3, , 1, 11" << QList<int>{} << "A value is missing between two commas";
        QTest::newRow("trailing comma")
            << lp << "7," << QList<int>{} << "A value is missing between two commas";
    }
    void readSumInput()
    {
        QFETCH(int, subject);
        QFETCH(QString, typed);
        QFETCH(QList<int>, values);
        QFETCH(QString, problem);
        const SumInput input = practice::readSumInput(typed, num::Subject(subject));
        QCOMPARE(input.values, values);
        if (problem.isEmpty())
            QVERIFY2(input.problem.isEmpty(), qPrintable(input.problem));
        else
            QVERIFY2(input.problem.contains(problem), qPrintable(input.problem));
    }

    void checkSum_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QList<int>>("typed");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QString>("slip"); // the start of the line naming a method or slip
        const QString alda = QStringLiteral("Alda Verity Marlowe");
        const QString masterReduced = QStringLiteral("That is the value with 11 or 22 reduced");
        const QString masterKept = QStringLiteral("That is the value with 11 or 22 kept");
        const int right = int(SumMark::Right);
        const int byMethod = int(SumMark::RightByAnotherMethod);
        const int wrong = int(SumMark::Wrong);

        QTest::newRow("right") << alda << QDate(1971, 2, 2) << int(num::LifePath) << QList<int>{22}
                               << QList<int>{22} << right << "";
        // 1 + 1 + 0 + 2 + 1 + 9 + 8 + 0 = 22, and by parts 11 + 2 + 9 = 22 as well.
        QTest::newRow("Life Path: 22 reduced to 4")
            << alda << QDate(1980, 11, 2) << int(num::LifePath) << QList<int>{4} << QList<int>{22}
            << wrong << masterReduced;
        QTest::newRow("Life Path: simply wrong") << alda << QDate(1971, 2, 2) << int(num::LifePath)
                                                 << QList<int>{5} << QList<int>{22} << wrong << "";
        QTest::newRow("Life Path: month, day and year reduced first")
            << alda << QDate(2008, 4, 6) << int(num::LifePath) << QList<int>{11} << QList<int>{2}
            << byMethod << "The other common method reduces the month, the day and the year";
        // The Y of VERITY is a vowel by its sound as well: no method counts it otherwise.
        QTest::newRow("Soul's Urge: Y the other way")
            << alda << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{6} << QList<int>{4}
            << wrong << "That is what counting Y the other way gives";
        QTest::newRow("Soul's Urge: W the other way")
            << alda << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{8} << QList<int>{4}
            << byMethod << "Many teachers never count W as a vowel";
        QTest::newRow("Soul's Urge: simply wrong")
            << alda << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{5} << QList<int>{4}
            << wrong << "";
        // E and O: 5 + 6 = 11 at once and part by part.
        QTest::newRow("Soul's Urge: 11 reduced to 2")
            << "Ben Ross" << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{2}
            << QList<int>{11} << wrong << masterReduced;
        QTest::newRow("Soul's Urge: name by name")
            << "Bryony Kay Shaw" << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{11}
            << QList<int>{2} << byMethod << "Many teachers work the Soul's Urge one part";
        // The Y of KAY sounds as a vowel: 6 + 7 + 1 + 7 + 1 + 5 = 27 -> 9.
        QTest::newRow("Soul's Urge: Y by its sound")
            << "Bryony Kay Shaw" << QDate(1950, 2, 2) << int(num::SoulsUrge) << QList<int>{9}
            << QList<int>{2} << byMethod << "Many teachers decide Y by its sound";
        QTest::newRow("Personality: W the other way")
            << alda << QDate(1950, 2, 2) << int(num::Personality) << QList<int>{7} << QList<int>{2}
            << byMethod << "Many teachers never count W as a vowel";
        QTest::newRow("Personality: Y the other way")
            << alda << QDate(1950, 2, 2) << int(num::Personality) << QList<int>{9} << QList<int>{2}
            << wrong << "That is what counting Y the other way gives";
        QTest::newRow("Personality: added all at once")
            << alda << QDate(1950, 2, 2) << int(num::Personality) << QList<int>{11} << QList<int>{2}
            << byMethod << "Many teachers add all the consonants of the name at once";
        QTest::newRow("Personality: 11 reduced to 2")
            << "Tamsin Greer Birchall" << QDate(1950, 2, 2) << int(num::Personality)
            << QList<int>{2} << QList<int>{11} << wrong << masterReduced;
        QTest::newRow("Expression: name by name")
            << "Alda Dorin Brantley" << QDate(1950, 2, 2) << int(num::Expression) << QList<int>{22}
            << QList<int>{4} << byMethod << "Many teachers work the Expression one part";
        QTest::newRow("Maturity: 11 reduced to 2")
            << alda << QDate(1999, 2, 2) << int(num::Maturity) << QList<int>{2} << QList<int>{11}
            << wrong << masterReduced;
        // Life Path 11 and Expression 11: 2 + 2 = 4, or 11 + 11 = 22 as they stand.
        QTest::newRow("Maturity: as they stand")
            << "Byron Wyeth" << QDate(1909, 5, 5) << int(num::Maturity) << QList<int>{22}
            << QList<int>{4} << byMethod
            << "Many teachers add the Life Path and the Expression as they stand";
        QTest::newRow("Pinnacles: 11 kept in month and day")
            << alda << QDate(1950, 11, 11) << int(num::Pinnacle) << QList<int>{22, 8, 3, 8}
            << QList<int>{4, 8, 3, 8} << byMethod << "Many teachers keep 11 and 22 in the month";
        QTest::newRow("Pinnacles: one value wrong, no slip")
            << alda << QDate(1950, 11, 11) << int(num::Pinnacle) << QList<int>{4, 8, 3, 9}
            << QList<int>{4, 8, 3, 8} << wrong << "";
        QTest::newRow("Balance: 11 kept")
            << "Tamsin Greer Birchall" << QDate(1950, 2, 2) << int(num::Balance) << QList<int>{11}
            << QList<int>{2} << wrong << masterKept;
        QTest::newRow("Periods: 11 reduced to 2")
            << alda << QDate(1950, 11, 11) << int(num::LifePathPeriod) << QList<int>{2, 11, 6}
            << QList<int>{11, 11, 6} << wrong << masterReduced;
        QTest::newRow("Periods: both reduced")
            << alda << QDate(1950, 11, 11) << int(num::LifePathPeriod) << QList<int>{2, 2, 6}
            << QList<int>{11, 11, 6} << wrong << masterReduced;
        QTest::newRow("Periods: one reduced, one simply wrong")
            << alda << QDate(1950, 11, 11) << int(num::LifePathPeriod) << QList<int>{2, 11, 7}
            << QList<int>{11, 11, 6} << wrong << "";
        QTest::newRow("Periods: right")
            << alda << QDate(1950, 11, 11) << int(num::LifePathPeriod) << QList<int>{11, 11, 6}
            << QList<int>{11, 11, 6} << right << "";
    }
    // A value the lessons give is right; one that another common method gives is right by that
    // method, with the lessons' values and working beside it; a slip no method makes is wrong.
    void checkSum()
    {
        QFETCH(QString, name);
        QFETCH(QDate, birth);
        QFETCH(int, subject);
        QFETCH(QList<int>, typed);
        QFETCH(QList<int>, expected);
        QFETCH(int, mark);
        QFETCH(QString, slip);
        const Person person{name, birth, Today};
        const SumVerdict verdict = practice::checkSum(person, num::Subject(subject), typed);
        QCOMPARE(verdict.expected, expected);
        QCOMPARE(int(verdict.mark), mark);
        QCOMPARE(verdict.right, verdict.mark != SumMark::Wrong);
        // The working is the core's own.
        const num::Chart chart =
            num::calculateChart(num::readName(name).parts, birth, Today, num::taughtRules());
        QCOMPARE(verdict.working, chart.numbers.at(subject).working);
        QVERIFY(!verdict.working.isEmpty());
        if (slip.isEmpty())
            QVERIFY2(verdict.slip.isEmpty(), qPrintable(verdict.slip));
        else
            QVERIFY2(verdict.slip.startsWith(slip), qPrintable(verdict.slip));
        // Right by another method: the method's sentence is the chart's note for it, and its
        // working leads to the learner's values.
        QCOMPARE(verdict.method.isEmpty(), verdict.mark != SumMark::RightByAnotherMethod);
        if (verdict.mark != SumMark::RightByAnotherMethod)
            return;
        QCOMPARE(verdict.method, verdict.slip);
        const QString note =
            QStringLiteral("%1. Worked that way: %2. It gives %3.")
                .arg(verdict.method, verdict.methodWorking.join(QLatin1String("; ")),
                     valuesText(typed));
        QVERIFY2(chart.numbers.at(subject).otherMethods.contains(note), qPrintable(note));
    }

    void sumInputExample_data()
    {
        QTest::addColumn<int>("subject");
        for (int s = 0; s < num::NumberCount; ++s)
            QTest::newRow(qPrintable(m_content.SubjectName[s])) << s;
    }
    // The example the input shows is read as the number's answer, and every value is one the
    // number can take: a Challenge is never 11.
    void sumInputExample()
    {
        QFETCH(int, subject);
        const QString example = practice::sumInputExample(num::Subject(subject));
        const SumInput input = practice::readSumInput(example, num::Subject(subject));
        QVERIFY2(input.problem.isEmpty(), qPrintable(input.problem));
        QCOMPARE(input.values.size(), valueCountOf(num::Subject(subject)));
        QSet<int> interpreted;
        for (int i = m_content.FirstInterpretation[subject];
             i <= m_content.LastInterpretation[subject]; ++i)
            interpreted.insert(m_content.InterpretationValue[i]);
        for (int v : input.values)
            QVERIFY2(interpreted.contains(v), qPrintable(example));
        // The values of several go together: some birth date gives them all.
        if (input.values.size() == 1)
            return;
        bool given = false;
        for (QDate birth(1940, 1, 1); !given && birth.year() < 2010; birth = birth.addDays(1)) {
            const num::Chart chart =
                num::chartByRules({QStringLiteral("ANN")}, birth, Today, num::taughtRules(), false);
            given = chart.numbers.at(subject).values == input.values;
        }
        QVERIFY2(given, qPrintable(example));
    }
};

QTEST_GUILESS_MAIN(TestPractice)
#include "tst_practice.moc"
