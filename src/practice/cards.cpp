#include "practice/cards.h"

namespace corvella::practice {

namespace {

// Entry 170 closes the catalogue; the test never offers it as a wrong answer, and the practice
// cards follow it.

bool isSubject(int subject)
{
    return subject >= 0 && subject < SubjectCount;
}

} // namespace

QList<CardId> allCards(const ContentTables& tables)
{
    QList<CardId> cards;
    for (int s = 0; s < SubjectCount; ++s) {
        cards.append(CardId{CardKind::Significance, s, 0});
        for (int e = tables.FirstInterpretation[s]; e <= tables.LastInterpretation[s]; ++e)
            cards.append(CardId{CardKind::Meaning, s, tables.InterpretationValue[e]});
        cards.append(CardId{CardKind::Sum, s, 0});
    }
    return cards;
}

int entryOfCard(const CardId& card, const ContentTables& tables)
{
    if (card.kind != CardKind::Meaning || !isSubject(card.subject))
        return -1;
    for (int e = tables.FirstInterpretation[card.subject];
         e <= tables.LastInterpretation[card.subject]; ++e) {
        if (e >= 0 && e < InterpretationEntryCount && tables.InterpretationValue[e] == card.value)
            return e;
    }
    return -1;
}

QString cardQuestion(const CardId& card, const ContentTables& tables)
{
    if (!isSubject(card.subject))
        return {};
    const QString& name = tables.SubjectName[card.subject];
    switch (card.kind) {
    case CardKind::Significance:
        return QStringLiteral("What does the %1 stand for?").arg(name);
    case CardKind::Meaning: {
        const int entry = entryOfCard(card, tables);
        return entry < 0 ? QString()
                         : QStringLiteral("What does %1 mean?").arg(entryHeading(tables, entry));
    }
    case CardKind::Sum:
        break;
    }
    return QStringLiteral("Work out the %1.").arg(name);
}

QString cardAnswer(const CardId& card, const ContentTables& tables)
{
    if (!isSubject(card.subject))
        return {};
    if (card.kind == CardKind::Significance)
        return tables.SubjectSignificance[card.subject];
    const int entry = entryOfCard(card, tables);
    return entry < 0 ? QString() : tables.InterpretationText[entry];
}

AnswerOptions drawCardOptions(const CardId& card, const ContentTables& tables, RandomDraw& draw)
{
    switch (card.kind) {
    case CardKind::Significance: {
        if (!isSubject(card.subject))
            return {};
        QStringList all;
        for (int s = 0; s < SubjectCount; ++s)
            all.append(tables.SubjectSignificance[s]);
        return drawAnswerOptions(draw, tables.SubjectSignificance[card.subject], all);
    }
    case CardKind::Meaning: {
        const int entry = entryOfCard(card, tables);
        if (entry < 0)
            return {};
        return drawAnswerOptions(draw, tables.InterpretationText[entry],
                                 interpretationCandidates(tables, entry));
    }
    case CardKind::Sum:
        break;
    }
    return {};
}

} // namespace corvella::practice
