#include "quiz/optiondraw.h"

#include <algorithm>
#include <vector>

namespace corvella {

AnswerOptions drawAnswerOptions(RandomDraw& draw, const QString& correct,
                                const QStringList& candidates)
{
    std::vector<int> left;
    left.reserve(static_cast<size_t>(candidates.size()));
    for (int i = 0; i < candidates.size(); ++i) {
        if (candidates[i] != correct)
            left.push_back(i);
    }
    QStringList wrong;
    while (wrong.size() < AnswerBoxCount - 1 && !left.empty()) {
        const QString drawn = candidates[left[draw.below(static_cast<int>(left.size()))]];
        wrong.append(drawn);
        left.erase(
            std::remove_if(left.begin(), left.end(), [&](int i) { return candidates[i] == drawn; }),
            left.end());
    }

    AnswerOptions options;
    options.correctBox = draw.below(AnswerBoxCount);
    auto next = wrong.cbegin();
    for (int box = 0; box < AnswerBoxCount; ++box) {
        if (box == options.correctBox)
            options.texts[box] = correct;
        else if (next != wrong.cend())
            options.texts[box] = *next++;
    }
    return options;
}

QStringList interpretationCandidates(const ContentTables& tables, int entry)
{
    QStringList candidates;
    const int subject = subjectOfEntry(tables, entry);
    if (subject < 0)
        return candidates;
    // The last entry of all stands as a question only, never as a wrong answer.
    const int last =
        std::min<int>(tables.LastInterpretation[subject], InterpretationEntryCount - 2);
    for (int e = tables.FirstInterpretation[subject]; e <= last; ++e) {
        if (e != entry)
            candidates.append(tables.InterpretationText[e]);
    }
    return candidates;
}

} // namespace corvella
