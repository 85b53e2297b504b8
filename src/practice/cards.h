#pragma once

#include "content/modLearnNumerology.h"
#include "quiz/optiondraw.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The cards of the practice window: one for each number's significance, one for each value a
// number can take, one sum per number, and for a value that several numbers take, one card that
// asks which of their paragraphs is this number's. No widgets here.

namespace corvella::practice {

enum class CardKind {
    Significance,
    Meaning,
    Sum,
    // "Which is the Soul's Urge 7?": five numbers' paragraphs for one value, so that knowing
    // what a digit means in general is not enough.
    WhichNumber,
};

struct CardId
{
    CardKind kind = CardKind::Significance;
    int subject = 0;
    int value = 0; // the interpretation value of a Meaning or WhichNumber card, 0 otherwise
};

bool operator==(const CardId& a, const CardId& b);
inline bool operator!=(const CardId& a, const CardId& b)
{
    return !(a == b);
}

// "significance/3", "meaning/9/22", "sum/0", "which/2/7": stable, the progress file stores cards
// by it.
QString cardKey(const CardId& card);
// The card a key names; nothing for a text that is not a key. Subject and value are checked
// only for their form here (a subject 0..14), not against the catalogue.
std::optional<CardId> cardFromKey(const QString& key);

// Every card of the first round in lesson order: for each subject in catalogue order its
// significance card, then its meaning cards in entry order, then its sum card.
QList<CardId> allCards(const ContentTables& tables);

// The WhichNumber cards of a subject, in entry order: one for each of its values that at least
// four other numbers take with a paragraph of their own.
QList<CardId> whichNumberCards(const ContentTables& tables, int subject);

// The order practice offers new cards in: allCards with each subject's WhichNumber cards after
// its sum card.
QList<CardId> practiceOrder(const ContentTables& tables);

// The interpretation entry a Meaning or WhichNumber card asks about; -1 for any other card, or
// for a value the subject does not take.
int entryOfCard(const CardId& card, const ContentTables& tables);

// The paragraphs a WhichNumber card on `entry` may offer as wrong answers: the entries of the
// other numbers with the same value, in entry order, each text once and never the closing entry
// of the catalogue (which the tests never offer as a wrong answer either).
QStringList whichNumberCandidates(const ContentTables& tables, int entry);

// "What does Pinnacle Number 3 mean?", "What does the Birthday Number stand for?", "Which is the
// Soul's Urge/ Heart's Desire Number 7?", or for a sum card "Work out the Life Path Number."
// (the window names the person).
QString cardQuestion(const CardId& card, const ContentTables& tables);
// The text that answers a Significance, Meaning or WhichNumber card; empty for a sum card.
QString cardAnswer(const CardId& card, const ContentTables& tables);

// Five options for a Significance, Meaning or WhichNumber card, drawn by drawAnswerOptions so
// that texts are distinct and the correct box uniform. A Meaning card's wrong answers come from
// the same number, as the test's do (interpretationCandidates); a WhichNumber card's are the
// same value of other numbers (whichNumberCandidates). A sum card has no options: every box is
// empty.
AnswerOptions drawCardOptions(const CardId& card, const ContentTables& tables, RandomDraw& draw);

} // namespace corvella::practice
