#include "practice/scheduler.h"

#include "practice/progress.h"

#include <algorithm>
#include <vector>

namespace corvella::practice {

int daysUntilDue(int box)
{
    return 1 << (std::clamp(box, 1, BoxCount) - 1);
}

bool operator==(const CardState& a, const CardState& b)
{
    return a.box == b.box && a.due == b.due && a.right == b.right && a.wrong == b.wrong &&
           a.missedInTest == b.missedInTest;
}

void recordAnswer(CardState& state, bool right, const QDate& today)
{
    if (right) {
        state.box = std::clamp(state.box + 1, 1, BoxCount);
        ++state.right;
    } else {
        state.box = 1;
        ++state.wrong;
    }
    state.due = today.addDays(daysUntilDue(state.box));
    state.missedInTest = false;
}

int newCardsLeftToday(const Progress& progress, const QDate& today)
{
    const int shown = progress.newCardsDay == today ? progress.newCardsShown : 0;
    return std::max(0, NewCardsPerDay - shown);
}

void recordCardAnswer(Progress& progress, const CardId& card, bool right, const QDate& today)
{
    CardState& state = progress.cards[cardKey(card)];
    if (state.box == 0) {
        if (progress.newCardsDay != today) {
            progress.newCardsDay = today;
            progress.newCardsShown = 0;
        }
        ++progress.newCardsShown;
    }
    recordAnswer(state, right, today);
}

QList<CardId> cardsToOffer(const Progress& progress, const QList<CardId>& lessonOrder,
                           const QDate& today)
{
    QList<CardId> missed;
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
        if (found == progress.cards.cend() || found->box == 0) {
            if (found != progress.cards.cend() && found->missedInTest)
                missed.append(card);
            else if (newLeft > 0) {
                fresh.append(card);
                --newLeft;
            }
        } else if (found->missedInTest) {
            missed.append(card);
        } else if (!found->due.isValid() || found->due <= today) {
            due.push_back({found->due, place});
        }
    }
    // An invalid due date sorts first: a card whose date was lost is better asked at once.
    std::stable_sort(due.begin(), due.end(),
                     [](const Due& a, const Due& b) { return a.due < b.due; });
    QList<CardId> offer = missed;
    for (const Due& d : due)
        offer.append(lessonOrder.at(d.place));
    offer.append(fresh);
    return offer;
}

} // namespace corvella::practice
