#pragma once

#include "content/modLearnNumerology.h"
#include "quiz/optiondraw.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The cards of the practice window: one for each number's significance, one for each value a
// number can take, and one sum per number. No widgets here.

namespace corvella::practice {

enum class CardKind { Significance, Meaning, Sum };

struct CardId
{
    CardKind kind = CardKind::Significance;
    int subject = 0;
    int value = 0; // the interpretation value for a Meaning card, 0 otherwise
};

bool operator==(const CardId& a, const CardId& b);
inline bool operator!=(const CardId& a, const CardId& b)
{
    return !(a == b);
}

// "significance/3", "meaning/9/22", "sum/0": stable, the progress file stores cards by it.
QString cardKey(const CardId& card);
// The card a key names; nothing for a text that is not a key. Subject and value are checked
// only for their form here (a subject 0..14), not against the catalogue.
std::optional<CardId> cardFromKey(const QString& key);

// Every card in lesson order: for each subject in catalogue order its significance card, then
// its meaning cards in entry order, then its sum card.
QList<CardId> allCards(const ContentTables& tables);

// The interpretation entry a Meaning card asks about; -1 for any other card, or for a value
// the subject does not take.
int entryOfCard(const CardId& card, const ContentTables& tables);

// "What does Pinnacle Number 3 mean?", "What does the Birthday Number stand for?", or for a sum
// card "Work out the Life Path Number." (the window names the person).
QString cardQuestion(const CardId& card, const ContentTables& tables);
// The text that answers a Significance or Meaning card; empty for a sum card.
QString cardAnswer(const CardId& card, const ContentTables& tables);

// A Meaning card's wrong answers are drawn as the test's are (interpretationCandidates).

// Five options for a Significance or Meaning card, wrong ones from the same number, drawn by
// drawAnswerOptions so that texts are distinct and the correct box uniform. A sum card has no
// options: every box is empty.
AnswerOptions drawCardOptions(const CardId& card, const ContentTables& tables, RandomDraw& draw);

} // namespace corvella::practice
