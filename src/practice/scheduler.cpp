#include "practice/scheduler.h"

#include "practice/progress.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace corvella::practice {

namespace {

// The published default weights of FSRS-5, w0..w18.
constexpr std::array<double, 19> W = {0.40255, 1.18385, 3.173,  15.69105, 7.1949, 0.5345, 1.4604,
                                      0.0046,  1.54575, 0.1192, 1.01925,  1.9395, 0.11,   0.29605,
                                      2.2698,  0.2315,  2.9898, 0.51655,  0.6621};
// The forgetting curve R(t, S) = (1 + Factor * t / S)^Decay, with R(S, S) = 90%.
constexpr double Decay = -0.5;
constexpr double Factor = 19.0 / 81.0;
constexpr double MinimumStability = 0.01;
constexpr double MaximumStability = MaximumIntervalDays;
constexpr int Again = 1;
constexpr int Good = 3;

double boundedStability(double s)
{
    return std::clamp(s, MinimumStability, MaximumStability);
}

double initialDifficulty(int grade)
{
    return W[4] - std::exp(W[5] * (grade - 1)) + 1;
}

// Linear damping of the change towards 10, then a small pull back towards Easy's start.
double nextDifficulty(double d, int grade)
{
    const double change = -W[6] * (grade - 3);
    const double damped = d + change * (10 - d) / 9;
    const double reverted = W[7] * initialDifficulty(4) + (1 - W[7]) * damped;
    return std::clamp(reverted, 1.0, 10.0);
}

double stabilityAfterSuccess(double s, double d, double r)
{
    // Right is Good: neither the Hard penalty (w15) nor the Easy bonus (w16) applies.
    return s *
           (std::exp(W[8]) * (11 - d) * std::pow(s, -W[9]) * (std::exp(W[10] * (1 - r)) - 1) + 1);
}

double stabilityAfterLapse(double s, double d, double r)
{
    const double fallen =
        W[11] * std::pow(d, -W[12]) * (std::pow(s + 1, W[13]) - 1) * std::exp(W[14] * (1 - r));
    return std::min(fallen, s);
}

double shortTermStability(double s, int grade)
{
    return s * std::exp(W[17] * (grade - 3 + W[18]));
}

int elapsedDays(const CardState& state, const QDate& today)
{
    if (!state.lastReview.isValid())
        return 0;
    return static_cast<int>(std::max<qint64>(0, state.lastReview.daysTo(today)));
}

void count(CardState& state, bool right)
{
    if (right)
        state.right = std::min(state.right + 1, 999999999);
    else
        state.wrong = std::min(state.wrong + 1, 999999999);
}

// The card's next date after a right answer, or today for a wrong one (it relearns).
void schedule(CardState& state, bool right, const QDate& today, const SchedulerSettings& settings)
{
    state.lastReview = today;
    state.relearning = !right;
    state.due =
        right ? today.addDays(intervalDays(state.stability, settings.desiredRetention)) : today;
}

void firstAnswer(CardState& state, bool right)
{
    const int grade = right ? Good : Again;
    state.stability = W[grade - 1];
    state.difficulty = std::clamp(initialDifficulty(grade), 1.0, 10.0);
}

void lapse(CardState& state, const QDate& today, const SchedulerSettings& settings)
{
    if (state.isNew()) {
        firstAnswer(state, false);
    } else {
        const double r = retrievability(elapsedDays(state, today), state.stability);
        state.stability =
            boundedStability(stabilityAfterLapse(state.stability, state.difficulty, r));
        state.difficulty = nextDifficulty(state.difficulty, Again);
    }
    count(state, false);
    schedule(state, false, today, settings);
}

qint64 intervalOf(const CardState& state)
{
    if (state.lastReview.isValid() && state.due.isValid())
        return std::max<qint64>(1, state.lastReview.daysTo(state.due));
    return std::clamp<qint64>(std::llround(state.stability), 1, MaximumIntervalDays);
}

// Brings a due date later than today + the card's interval back to that, and a last review
// later than today back with it.
bool bringBack(CardState& state, const QDate& today)
{
    if (state.isNew() || !state.due.isValid())
        return false;
    const qint64 interval = intervalOf(state);
    const QDate due = std::min(state.due, today.addDays(interval));
    const bool lastAhead = state.lastReview.isValid() && state.lastReview > today;
    if (due == state.due && !lastAhead)
        return false;
    state.due = due;
    if (state.lastReview.isValid())
        state.lastReview = std::min(today, due.addDays(-interval));
    return true;
}

DayCounts& countsOf(Progress& progress, const QDate& today)
{
    return progress.days[today];
}

} // namespace

bool operator==(const SchedulerSettings& a, const SchedulerSettings& b)
{
    return a.desiredRetention == b.desiredRetention && a.newCardsPerDay == b.newCardsPerDay &&
           a.reviewsPerDay == b.reviewsPerDay;
}

SchedulerSettings boundedSettings(const SchedulerSettings& settings)
{
    SchedulerSettings b = settings;
    b.desiredRetention =
        std::isfinite(settings.desiredRetention)
            ? std::clamp(settings.desiredRetention, MinimumRetention, MaximumRetention)
            : SchedulerSettings().desiredRetention;
    b.newCardsPerDay = std::clamp(settings.newCardsPerDay, 0, MaximumNewCardsPerDay);
    b.reviewsPerDay = std::clamp(settings.reviewsPerDay, 0, MaximumReviewsPerDay);
    return b;
}

bool operator==(const CardState& a, const CardState& b)
{
    return a.stability == b.stability && a.difficulty == b.difficulty &&
           a.lastReview == b.lastReview && a.due == b.due && a.right == b.right &&
           a.wrong == b.wrong && a.missedInTest == b.missedInTest && a.relearning == b.relearning;
}

bool operator==(const DayCounts& a, const DayCounts& b)
{
    return a.newShown == b.newShown && a.moreNew == b.moreNew && a.reviews == b.reviews;
}

double retrievability(double elapsedDays, double stability)
{
    if (stability <= 0)
        return 0;
    return std::pow(1 + Factor * std::max(0.0, elapsedDays) / stability, Decay);
}

int intervalDays(double stability, double desiredRetention)
{
    const double r = std::clamp(desiredRetention, MinimumRetention, MaximumRetention);
    const double days = stability / Factor * (std::pow(r, 1 / Decay) - 1);
    if (!std::isfinite(days))
        return 1;
    return static_cast<int>(std::clamp<double>(std::round(days), 1, MaximumIntervalDays));
}

AnswerKind answerKindOf(const CardState& state, const QDate& today)
{
    if (state.isNew())
        return AnswerKind::New;
    if (state.relearning)
        return AnswerKind::Relearning;
    if (!state.due.isValid() || state.due <= today)
        return AnswerKind::Review;
    return AnswerKind::Cramming;
}

void reviewCard(CardState& state, bool right, const QDate& today, const SchedulerSettings& settings)
{
    if (!right) {
        lapse(state, today, settings);
        return;
    }
    if (state.isNew()) {
        firstAnswer(state, true);
    } else {
        const int t = elapsedDays(state, today);
        state.stability =
            boundedStability(t == 0 ? shortTermStability(state.stability, Good)
                                    : stabilityAfterSuccess(state.stability, state.difficulty,
                                                            retrievability(t, state.stability)));
        state.difficulty = nextDifficulty(state.difficulty, Good);
    }
    count(state, true);
    schedule(state, true, today, settings);
}

void relearnCard(CardState& state, bool right, const QDate& today,
                 const SchedulerSettings& settings)
{
    if (state.isNew()) {
        reviewCard(state, right, today, settings);
        return;
    }
    const int grade = right ? Good : Again;
    state.stability = boundedStability(shortTermStability(state.stability, grade));
    state.difficulty = nextDifficulty(state.difficulty, grade);
    count(state, right);
    schedule(state, right, today, settings);
}

void cramCard(CardState& state, bool right, const QDate& today, const SchedulerSettings& settings)
{
    if (!right || state.isNew()) {
        reviewCard(state, right, today, settings);
        return;
    }
    count(state, true);
    const int t = elapsedDays(state, today);
    if (t == 0)
        return; // asked again the same day: nothing learnt that waiting would have shown
    const QDate due = state.due;
    state.stability = boundedStability(stabilityAfterSuccess(state.stability, state.difficulty,
                                                             retrievability(t, state.stability)));
    state.difficulty = nextDifficulty(state.difficulty, Good);
    schedule(state, true, today, settings);
    if (due.isValid() && due > state.due)
        state.due = due;
}

void recordAnswer(CardState& state, bool right, const QDate& today,
                  const SchedulerSettings& settings)
{
    const SchedulerSettings bounded = boundedSettings(settings);
    switch (answerKindOf(state, today)) {
    case AnswerKind::New:
    case AnswerKind::Review:
        reviewCard(state, right, today, bounded);
        break;
    case AnswerKind::Relearning:
        relearnCard(state, right, today, bounded);
        break;
    case AnswerKind::Cramming:
        cramCard(state, right, today, bounded);
        break;
    }
    state.missedInTest = false;
}

void recordTestAnswer(CardState& state, bool right, const QDate& today,
                      const SchedulerSettings& settings)
{
    if (right) {
        recordAnswer(state, true, today, settings);
        return;
    }
    lapse(state, today, boundedSettings(settings));
    state.missedInTest = true;
}

void recordCardAnswer(Progress& progress, const CardId& card, bool right, const QDate& today)
{
    CardState& state = progress.cards[cardKey(card)];
    // A date from a clock once far ahead would make a due card look crammed.
    bringBack(state, today);
    const AnswerKind kind = answerKindOf(state, today);
    if (kind == AnswerKind::New)
        ++countsOf(progress, today).newShown;
    else if (kind == AnswerKind::Review)
        ++countsOf(progress, today).reviews;
    recordAnswer(state, right, today, progress.settings);
}

int newCardsLeftToday(const Progress& progress, const QDate& today)
{
    const SchedulerSettings settings = boundedSettings(progress.settings);
    const DayCounts counts = progress.days.value(today);
    return std::max(0, settings.newCardsPerDay + counts.moreNew - counts.newShown);
}

int reviewsLeftToday(const Progress& progress, const QDate& today)
{
    const SchedulerSettings settings = boundedSettings(progress.settings);
    return std::max(0, settings.reviewsPerDay - progress.days.value(today).reviews);
}

void allowMoreNewCards(Progress& progress, const QDate& today)
{
    // A full batch from now on, counted from the new cards answered so far today.
    DayCounts& counts = countsOf(progress, today);
    counts.moreNew = std::max(counts.moreNew, counts.newShown);
}

QDate effectiveDue(const CardState& state, const QDate& today)
{
    if (!state.due.isValid())
        return state.due;
    return std::min(state.due, today.addDays(intervalOf(state)));
}

bool bringBackFarAheadDates(Progress& progress, const QDate& today)
{
    bool changed = false;
    for (CardState& state : progress.cards)
        changed = bringBack(state, today) || changed;
    return changed;
}

QList<CardId> cardsToOffer(const Progress& progress, const QList<CardId>& lessonOrder,
                           const QDate& today)
{
    QList<CardId> missed;
    QList<CardId> relearning;
    struct Due
    {
        QDate due;
        int place;
    };
    std::vector<Due> due;
    QList<CardId> fresh;
    int newLeft = newCardsLeftToday(progress, today);
    for (int place = 0; place < lessonOrder.size(); ++place) {
        const CardId& card = lessonOrder.at(place);
        const auto found = progress.cards.constFind(cardKey(card));
        if (found != progress.cards.cend() && found->missedInTest) {
            missed.append(card);
        } else if (found == progress.cards.cend() || found->isNew()) {
            if (newLeft > 0) {
                fresh.append(card);
                --newLeft;
            }
        } else if (found->relearning) {
            relearning.append(card);
        } else {
            const QDate when = effectiveDue(*found, today);
            if (!when.isValid() || when <= today)
                due.push_back({when, place});
        }
    }
    // An invalid due date sorts first: a card whose date was lost is better asked at once.
    std::stable_sort(due.begin(), due.end(),
                     [](const Due& a, const Due& b) { return a.due < b.due; });
    QList<CardId> offer = missed + relearning;
    const size_t reviews = static_cast<size_t>(reviewsLeftToday(progress, today));
    for (size_t i = 0; i < due.size() && i < reviews; ++i)
        offer.append(lessonOrder.at(due[i].place));
    offer.append(fresh);
    return offer;
}

DueSummary dueSummary(const Progress& progress, const QDate& today,
                      const QList<CardId>& lessonOrder)
{
    QSet<QString> wanted;
    for (const CardId& card : lessonOrder)
        wanted.insert(cardKey(card));
    DueSummary summary;
    for (auto it = progress.cards.cbegin(); it != progress.cards.cend(); ++it) {
        if (it->isNew() || (!wanted.isEmpty() && !wanted.contains(it.key())))
            continue;
        const QDate when = effectiveDue(*it, today);
        if (it->relearning || it->missedInTest || !when.isValid() || when <= today) {
            ++summary.due;
            if (when.isValid() && when < today)
                ++summary.overdue;
        } else if (when <= today.addDays(7)) {
            ++summary.thisWeek;
            if (when == today.addDays(1))
                ++summary.tomorrow;
        }
    }
    return summary;
}

int levelOf(const CardState& state)
{
    if (state.isNew())
        return 0;
    int level = 1;
    for (double bound = 2; level < LevelCount && state.stability >= bound; bound *= 2)
        ++level;
    return level;
}

CardState stateFromBox(int box, const QDate& due, int right, int wrong, bool missedInTest)
{
    CardState state;
    state.right = right;
    state.wrong = wrong;
    state.missedInTest = missedInTest;
    state.due = due;
    if (box <= 0) {
        state.due = QDate();
        return state;
    }
    const int interval = 1 << (std::clamp(box, 1, LevelCount) - 1);
    state.stability = interval;
    state.difficulty = initialDifficulty(Good);
    if (due.isValid())
        state.lastReview = due.addDays(-interval);
    state.relearning = missedInTest;
    return state;
}

} // namespace corvella::practice
