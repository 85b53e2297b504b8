#include "practice/cards.h"

#include <QCoreApplication>

#include <algorithm>

namespace corvella::practice {

namespace {

// A WhichNumber card needs four wrong answers of other numbers.
constexpr int WhichNumberWrongAnswers = AnswerBoxCount - 1;

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

QList<CardId> whichNumberCards(const ContentTables& tables, int subject)
{
    QList<CardId> cards;
    if (!isSubject(subject))
        return cards;
    for (int e = tables.FirstInterpretation[subject]; e <= tables.LastInterpretation[subject];
         ++e) {
        if (whichNumberCandidates(tables, e).size() >= WhichNumberWrongAnswers)
            cards.append(CardId{CardKind::WhichNumber, subject, tables.InterpretationValue[e]});
    }
    return cards;
}

QList<CardId> practiceOrder(const ContentTables& tables)
{
    QList<CardId> order;
    for (const CardId& card : allCards(tables)) {
        order.append(card);
        if (card.kind == CardKind::Sum)
            order.append(whichNumberCards(tables, card.subject));
    }
    return order;
}

QStringList whichNumberCandidates(const ContentTables& tables, int entry)
{
    QStringList candidates;
    const int subject = subjectOfEntry(tables, entry);
    if (subject < 0)
        return candidates;
    const int value = tables.InterpretationValue[entry];
    const QString& own = tables.InterpretationText[entry];
    for (int s = 0; s < SubjectCount; ++s) {
        if (s == subject)
            continue;
        const int last = std::min<int>(tables.LastInterpretation[s], InterpretationEntryCount - 2);
        for (int e = tables.FirstInterpretation[s]; e <= last; ++e) {
            const QString& text = tables.InterpretationText[e];
            if (tables.InterpretationValue[e] == value && text != own && !candidates.contains(text))
                candidates.append(text);
        }
    }
    return candidates;
}

int entryOfCard(const CardId& card, const ContentTables& tables)
{
    if ((card.kind != CardKind::Meaning && card.kind != CardKind::WhichNumber) ||
        !isSubject(card.subject))
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
        return QCoreApplication::translate("corvella::practice::Cards",
                                           "What does the %1 stand for?")
            .arg(name);
    case CardKind::Meaning: {
        const int entry = entryOfCard(card, tables);
        return entry < 0
                   ? QString()
                   : QCoreApplication::translate("corvella::practice::Cards", "What does %1 mean?")
                         .arg(entryHeading(tables, entry));
    }
    case CardKind::WhichNumber: {
        const int entry = entryOfCard(card, tables);
        return entry < 0
                   ? QString()
                   : QCoreApplication::translate("corvella::practice::Cards", "Which is the %1?")
                         .arg(entryHeading(tables, entry));
    }
    case CardKind::Sum:
        break;
    }
    return QCoreApplication::translate("corvella::practice::Cards", "Work out the %1.").arg(name);
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
    case CardKind::WhichNumber: {
        const int entry = entryOfCard(card, tables);
        if (entry < 0)
            return {};
        return drawAnswerOptions(draw, tables.InterpretationText[entry],
                                 whichNumberCandidates(tables, entry));
    }
    case CardKind::Sum:
        break;
    }
    return {};
}

} // namespace corvella::practice
