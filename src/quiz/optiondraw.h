#pragma once

#include "content/modLearnNumerology.h"
#include "platform/randomdraw.h"
#include "session/quizsizes.h"

#include <QString>
#include <QStringList>
#include <array>

namespace corvella {

// The five answers of a multiple-choice question: the correct text in one box, a wrong one in
// each of the others.
struct AnswerOptions
{
    std::array<QString, AnswerBoxCount> texts;
    int correctBox = 0;
};

// Draws the four wrong answers from the candidates, then the box of the correct text. Choices
// are told apart by text: a candidate whose text is the correct one never enters the draw, and
// once a wrong answer is drawn every candidate with its text leaves the draw. Each draw is
// uniform over the candidates left, in their order; the correct box is uniform over all five,
// and the wrong answers fill the other boxes in the order they were drawn. When the candidates
// hold fewer than four other texts, the boxes left over stay empty.
AnswerOptions drawAnswerOptions(RandomDraw& draw, const QString& correct,
                                const QStringList& candidates);

// The wrong answers an interpretation question on `entry` may offer: the texts of the other
// entries of the same number, in entry order, so that the five answers all speak of the number
// asked and only knowing what its values mean tells them apart. The last entry of the
// catalogue is never among them. Empty for an entry that no subject owns.
QStringList interpretationCandidates(const ContentTables& tables, int entry);

} // namespace corvella
