// A learner over 30 days, fifteen minutes a day, under the old Leitner boxes and under the
// scheduler the program has now: how many cards are seen by day 21, how much is remembered on
// day 30, and how many answers each day takes. It prints figures; nothing passes or fails.
//
// The learner: about 10 s a card, so at most 90 answers a day. Whether a card is remembered is
// drawn at random (seeded) from a forgetting curve taken as the truth: each card's memory
// follows the FSRS-5 model with its default weights, updated by every answer the learner gives,
// and its recall after t days is (1 + 19/81 * t / (h * S))^-0.5, where S is the model's
// stability and h the card's own hardness for this learner, drawn once per card from a
// log-normal spread (sigma 0.4, so most cards between 0.55 and 1.8 times the model). The
// scheduler under test never sees h. Every figure is the mean over 40 learners (seeds 1..40).

#include "content/modLearnNumerology.h"
#include "practice/cards.h"
#include "practice/progress.h"
#include "practice/scheduler.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace corvella;
using namespace corvella::practice;

namespace {

constexpr int Days = 30;
constexpr int SeenByDay = 21;
constexpr int AnswersPerDay = 90; // 15 minutes at about 10 s a card
constexpr int Learners = 40;
// A card missed in the sitting comes back after this many others.
constexpr int RelearnGap = 3;

const QDate FirstDay(2027, 1, 4);

// The learner's true memory of one card.
struct Truth
{
    CardState memory; // the FSRS-5 model, moved by every answer
    double hardness = 1;
    QDate lastSeen;
};

class Learner
{
public:
    Learner(int cards, unsigned seed) : m_random(seed), m_truth(static_cast<size_t>(cards))
    {
        std::lognormal_distribution<double> spread(0.0, 0.4);
        for (Truth& t : m_truth)
            t.hardness = spread(m_random);
    }

    // Answers card i on that day: right with the card's true recall, then its memory moves.
    bool answer(int i, const QDate& day)
    {
        Truth& t = m_truth[static_cast<size_t>(i)];
        const double recall = recallOf(t, day);
        const bool right = std::uniform_real_distribution<double>(0, 1)(m_random) < recall;
        reviewCard(t.memory, right, day, SchedulerSettings{});
        t.lastSeen = day;
        return right;
    }

    // The mean recall over every card at the end of that day (a card never seen: 0).
    double expectedRecall(const QDate& day) const
    {
        double sum = 0;
        for (const Truth& t : m_truth)
            sum += recallOf(t, day);
        return sum / double(m_truth.size());
    }

    int seen() const
    {
        return int(std::count_if(m_truth.begin(), m_truth.end(),
                                 [](const Truth& t) { return t.lastSeen.isValid(); }));
    }

private:
    static double recallOf(const Truth& t, const QDate& day)
    {
        if (!t.lastSeen.isValid())
            return 0;
        return retrievability(double(t.lastSeen.daysTo(day)), t.memory.stability * t.hardness);
    }

    std::mt19937 m_random;
    std::vector<Truth> m_truth;
};

struct Run
{
    double seenBy21 = 0;
    double allSeenOn = 0; // the day on which the last card was first answered (31: not by day 30)
    double recallOn30 = 0;
    double answers[Days] = {};
    double reviews[Days] = {}; // answers to cards seen on an earlier day
};

void noteSeen(const Learner& learner, int cards, int d, Run& run)
{
    if (d + 1 == SeenByDay)
        run.seenBy21 = learner.seen();
    if (run.allSeenOn == 0 && learner.seen() == cards)
        run.allSeenOn = d + 1;
    if (d + 1 == Days && run.allSeenOn == 0)
        run.allSeenOn = Days + 1;
}

// The rule the program had before: five boxes, 1, 2, 4, 8, 16 days; right one box up, wrong
// back to box 1 and due tomorrow; due cards (earliest first) then ten new cards a day; a card
// missed is not asked again that day.
void leitnerDay(std::vector<int>& box, std::vector<QDate>& due, Learner& learner, const QDate& day,
                int newPerDay, Run& run, int d)
{
    std::vector<int> offer;
    for (size_t i = 0; i < box.size(); ++i) {
        if (box[i] > 0 && due[i] <= day)
            offer.push_back(int(i));
    }
    std::stable_sort(offer.begin(), offer.end(), [&](int a, int b) { return due[a] < due[b]; });
    int fresh = 0;
    for (size_t i = 0; i < box.size() && fresh < newPerDay; ++i) {
        if (box[i] == 0) {
            offer.push_back(int(i));
            ++fresh;
        }
    }
    int answered = 0;
    for (int i : offer) {
        if (answered == AnswersPerDay)
            break;
        if (box[size_t(i)] > 0)
            ++run.reviews[d];
        const bool right = learner.answer(i, day);
        box[size_t(i)] = right ? std::min(box[size_t(i)] + 1, 5) : 1;
        due[size_t(i)] = day.addDays(1 << (box[size_t(i)] - 1));
        ++answered;
    }
    run.answers[d] += answered;
}

Run leitner(const QList<CardId>& order, unsigned seed, int newPerDay)
{
    Learner learner(int(order.size()), seed);
    std::vector<int> box(size_t(order.size()), 0);
    std::vector<QDate> due(size_t(order.size()));
    Run run;
    for (int d = 0; d < Days; ++d) {
        const QDate day = FirstDay.addDays(d);
        leitnerDay(box, due, learner, day, newPerDay, run, d);
        noteSeen(learner, int(order.size()), d, run);
    }
    run.recallOn30 = learner.expectedRecall(FirstDay.addDays(Days - 1));
    return run;
}

// The program now: the cards the scheduler offers, a card missed coming back in the sitting
// after a few others until it is right, and (when moreOnce) "More new cards" pressed once when
// the cards run out.
Run scheduled(const QList<CardId>& order, unsigned seed, bool moreOnce)
{
    Learner learner(int(order.size()), seed);
    QHash<QString, int> index;
    for (int i = 0; i < order.size(); ++i)
        index.insert(cardKey(order[i]), i);
    Progress progress;
    Run run;
    for (int d = 0; d < Days; ++d) {
        const QDate day = FirstDay.addDays(d);
        QList<CardId> queue = cardsToOffer(progress, order, day);
        bool pressed = !moreOnce;
        int answered = 0;
        while (answered < AnswersPerDay) {
            if (queue.isEmpty()) {
                if (pressed)
                    break;
                allowMoreNewCards(progress, day);
                pressed = true;
                queue = cardsToOffer(progress, order, day);
                continue;
            }
            const CardId card = queue.takeFirst();
            const QString key = cardKey(card);
            const bool seenBefore = progress.cards.contains(key) &&
                                    progress.cards.value(key).lastReview.isValid() &&
                                    progress.cards.value(key).lastReview < day;
            if (seenBefore)
                ++run.reviews[d];
            recordCardAnswer(progress, card, learner.answer(index.value(key), day), day);
            ++answered;
            if (progress.cards.value(key).relearning)
                queue.insert(std::min<qsizetype>(RelearnGap, queue.size()), card);
        }
        run.answers[d] += answered;
        noteSeen(learner, int(order.size()), d, run);
    }
    run.recallOn30 = learner.expectedRecall(FirstDay.addDays(Days - 1));
    return run;
}

template <typename F> Run mean(F&& oneLearner)
{
    Run total;
    for (int s = 1; s <= Learners; ++s) {
        const Run r = oneLearner(unsigned(s));
        total.seenBy21 += r.seenBy21 / Learners;
        total.allSeenOn += r.allSeenOn / Learners;
        total.recallOn30 += r.recallOn30 / Learners;
        for (int d = 0; d < Days; ++d) {
            total.answers[d] += r.answers[d] / Learners;
            total.reviews[d] += r.reviews[d] / Learners;
        }
    }
    return total;
}

void print(const char* name, const Run& run, int cards)
{
    const double mostAnswers = *std::max_element(std::begin(run.answers), std::end(run.answers));
    double allReviews = 0;
    for (double r : run.reviews)
        allReviews += r;
    std::printf("%s\n  cards seen by day %d: %.1f of %d (all of them by day %.1f)\n  expected "
                "recall over all %d cards on "
                "day %d: %.1f%%\n  reviews a day (cards seen on an earlier day): %.1f on average, "
                "answers a day at most %.1f\n  answers (reviews) day by day:",
                name, SeenByDay, run.seenBy21, cards, run.allSeenOn, cards, Days,
                100 * run.recallOn30, allReviews / Days, mostAnswers);
    for (int d = 0; d < Days; ++d)
        std::printf("%s%.0f (%.0f)", d % 10 == 0 ? "\n   " : " ", run.answers[d], run.reviews[d]);
    std::printf("\n\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ContentTables content;
    loadContent(content);
    const QList<CardId> order = allCards(content);
    const int cards = int(order.size());
    std::printf("A learner over %d days, at most %d answers a day, mean of %d learners\n\n", Days,
                AnswersPerDay, Learners);
    print("BEFORE: Leitner boxes, 10 new cards a day",
          mean([&](unsigned s) { return leitner(order, s, 10); }), cards);
    print("AFTER: FSRS-5 at 90%, 10 new cards a day, \"More new cards\" pressed once a day",
          mean([&](unsigned s) { return scheduled(order, s, true); }), cards);
    print("AFTER, without \"More new cards\": FSRS-5 at 90%, 10 new cards a day",
          mean([&](unsigned s) { return scheduled(order, s, false); }), cards);
    return 0;
}
