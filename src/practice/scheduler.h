#pragma once

#include "practice/cards.h"

#include <QDate>
#include <QList>

// When each card comes back: five Leitner boxes, each with its own interval.

namespace corvella::practice {

struct Progress;

constexpr int BoxCount = 5; // box 1..5; 0 = never seen (new)
constexpr int NewCardsPerDay = 10;

// 1, 2, 4, 8, 16 for boxes 1..5 (box 0 and anything above 5 are taken as the nearest box).
int daysUntilDue(int box);

struct CardState
{
    int box = 0;
    QDate due;
    int right = 0;
    int wrong = 0;
    bool missedInTest = false;
};

bool operator==(const CardState& a, const CardState& b);

// Right: one box up (at most 5), due today + daysUntilDue(new box). Wrong: box 1, due tomorrow.
// Either way missedInTest is cleared and the counts move.
void recordAnswer(CardState& state, bool right, const QDate& today);

// The same for a card of the progress, and a card seen for the first time counts against
// today's new cards.
void recordCardAnswer(Progress& progress, const CardId& card, bool right, const QDate& today);

// The cards to offer now, in order: first every card missedInTest (in lesson order), then every
// seen card whose due date is today or earlier (earliest due first, then lesson order), then new
// cards in lesson order, as many as newCardsLeftToday allows. Cards of the progress that are
// not in the lesson order are left out.
QList<CardId> cardsToOffer(const Progress& progress, const QList<CardId>& lessonOrder,
                           const QDate& today);

// How many new cards may still be shown today: NewCardsPerDay less those shown today.
int newCardsLeftToday(const Progress& progress, const QDate& today);

} // namespace corvella::practice
