#pragma once

#include "practice/cards.h"

#include <QDate>
#include <QList>

// When each card comes back. Each card carries a small memory model, the Free Spaced
// Repetition Scheduler, version 5 (FSRS-5, its 19 published default weights): a stability (the
// days after which recall has fallen to 90%), a difficulty (1..10) and the day of its last
// review. A card comes back on the day its estimated recall falls to the learner's target.
// There are two grades: right counts as "Good" and wrong as "Again".

namespace corvella::practice {

struct Progress;

// What the learner may change, kept in the progress file.
struct SchedulerSettings
{
    double desiredRetention = 0.9; // the recall a card is brought back at, 0.70..0.97
    int newCardsPerDay = 10;       // 0..MaximumNewCardsPerDay
    int reviewsPerDay = 100;       // at most this many due reviews a day, most overdue first
};

constexpr double MinimumRetention = 0.70;
constexpr double MaximumRetention = 0.97;
constexpr int MaximumNewCardsPerDay = 50;
constexpr int MaximumReviewsPerDay = 9999;
constexpr int MaximumIntervalDays = 36500;
// Levels of the progress picture: 0 = new, 1..LevelCount read from stability.
constexpr int LevelCount = 5;

bool operator==(const SchedulerSettings& a, const SchedulerSettings& b);
// The settings brought into their ranges (a retention that is not a number becomes 0.9).
SchedulerSettings boundedSettings(const SchedulerSettings& settings);

struct CardState
{
    double stability = 0;  // days; 0 = never answered (a new card)
    double difficulty = 0; // 1..10 once answered
    QDate lastReview;      // the day of the last answer that moved the model
    QDate due;             // the day it comes back
    int right = 0;
    int wrong = 0;
    bool missedInTest = false; // missed in a finished test and not answered right since
    bool relearning = false;   // answered wrong and not yet right again: comes back the same day

    bool isNew() const { return stability <= 0; }
};

bool operator==(const CardState& a, const CardState& b);

// The counts of one calendar date.
struct DayCounts
{
    int newShown = 0; // new cards answered for the first time on that date
    int moreNew = 0;  // extra new cards allowed by "More new cards" on that date
    int reviews = 0;  // due reviews answered on that date
};

bool operator==(const DayCounts& a, const DayCounts& b);

// --- The model itself (pure, for the answers below and for tests) ---

// Estimated recall of a card of this stability after elapsedDays (0..1).
double retrievability(double elapsedDays, double stability);
// Days until recall falls to desiredRetention, rounded, 1..MaximumIntervalDays.
int intervalDays(double stability, double desiredRetention);

// --- Answers. Each moves right/wrong and sets lastReview and due. ---

enum class AnswerKind {
    New,        // never answered
    Review,     // due today or earlier (or its due date was lost)
    Relearning, // answered wrong and not yet right again
    Cramming,   // answered before it is due ("Practise these")
};

AnswerKind answerKindOf(const CardState& state, const QDate& today);

// A new card's first answer, or a due card's review. Right: stability grows (or starts at
// Good's), due after its interval. Wrong: a lapse, stability falls, the card relearns today
// (relearning set, due today).
void reviewCard(CardState& state, bool right, const QDate& today,
                const SchedulerSettings& settings);

// A same-day step of a card that is relearning: the short-term stability change. Right ends
// relearning and gives the next date; wrong keeps it relearning today.
void relearnCard(CardState& state, bool right, const QDate& today,
                 const SchedulerSettings& settings);

// A card answered before it is due. Wrong is a lapse like reviewCard's. Right never moves it on
// as if it had waited: on the day of its last review nothing but the count changes; later, the
// model sees the real (short) time since the last review, and the due date never comes earlier.
void cramCard(CardState& state, bool right, const QDate& today, const SchedulerSettings& settings);

// An answer in a finished main-window test. Right: as a right answer of the card's kind (a due
// or new card a review, a card not yet due cramming). Wrong: a lapse, and missedInTest is set.
void recordTestAnswer(CardState& state, bool right, const QDate& today,
                      const SchedulerSettings& settings);

// The answer of whichever kind answerKindOf says (missedInTest is cleared).
void recordAnswer(CardState& state, bool right, const QDate& today,
                  const SchedulerSettings& settings);

// The same for a card of the progress, with the progress's settings; a new card counts against
// today's new cards and a due review against today's reviews.
void recordCardAnswer(Progress& progress, const CardId& card, bool right, const QDate& today);

// --- What to offer ---

// The cards to offer now, in order: every card missedInTest (lesson order); then the cards
// relearning today; then due reviews, most overdue first (then lesson order), at most
// reviewsPerDay less today's reviews; then new cards in lesson order, as many as
// newCardsLeftToday allows. Cards not in lessonOrder are left out. Due dates further ahead
// than a card's interval from today count as today + that interval.
QList<CardId> cardsToOffer(const Progress& progress, const QList<CardId>& lessonOrder,
                           const QDate& today);

// New cards still to be offered on that date: newCardsPerDay + moreNew less newShown, >= 0.
// Counted per calendar date, so a clock moved back and forth never gives a date more.
int newCardsLeftToday(const Progress& progress, const QDate& today);
// Due reviews still to be offered on that date: reviewsPerDay less today's reviews, >= 0.
int reviewsLeftToday(const Progress& progress, const QDate& today);
// "More new cards": from now, another newCardsPerDay new cards allowed today.
void allowMoreNewCards(Progress& progress, const QDate& today);

// The due date that counts: due, but never later than today + the card's interval (the days
// from its last review to its due date). A clock once set far ahead thus parks nothing.
QDate effectiveDue(const CardState& state, const QDate& today);
// Brings every stored due date (and a last review later than today) back as effectiveDue
// says. True when something changed.
bool bringBackFarAheadDates(Progress& progress, const QDate& today);

struct DueSummary
{
    int due = 0;      // seen cards due today or earlier (relearning ones included)
    int overdue = 0;  // of those, due before today
    int tomorrow = 0; // due tomorrow
    int thisWeek = 0; // due in the next seven days, tomorrow included
};

// Counts over the cards of the progress that are in lessonOrder (all of them when it is empty).
DueSummary dueSummary(const Progress& progress, const QDate& today,
                      const QList<CardId>& lessonOrder = {});

// The level in the progress picture: 0 for a new card, else 1..5 by stability (under 2 days,
// under 4, under 8, under 16, and 16 or more: the intervals of the old five boxes).
int levelOf(const CardState& state);

// The starting state of a card kept in an older file in box 1..5 (due on that date): the box's
// interval (1, 2, 4, 8, 16 days) as stability, a middling difficulty, and its last review that
// interval before its due date.
CardState stateFromBox(int box, const QDate& due, int right, int wrong, bool missedInTest);

} // namespace corvella::practice
