#include "practice/cards.h"

#include <QStringList>

// The card keys on their own, so that the progress file's reader needs nothing of the
// catalogue.

namespace corvella::practice {

namespace {

// A whole number written plainly: digits only, no sign, no leading zero, at most four digits.
std::optional<int> plainNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text.startsWith(u'0')))
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

bool operator==(const CardId& a, const CardId& b)
{
    return a.kind == b.kind && a.subject == b.subject && a.value == b.value;
}

QString cardKey(const CardId& card)
{
    switch (card.kind) {
    case CardKind::Significance:
        return QStringLiteral("significance/%1").arg(card.subject);
    case CardKind::Meaning:
        return QStringLiteral("meaning/%1/%2").arg(card.subject).arg(card.value);
    case CardKind::WhichNumber:
        return QStringLiteral("which/%1/%2").arg(card.subject).arg(card.value);
    case CardKind::Sum:
        break;
    }
    return QStringLiteral("sum/%1").arg(card.subject);
}

std::optional<CardId> cardFromKey(const QString& key)
{
    const QStringList parts = key.split(u'/');
    if (parts.size() < 2)
        return std::nullopt;
    const std::optional<int> subject = plainNumber(parts.at(1));
    if (!subject || *subject >= SubjectCount)
        return std::nullopt;
    const QString& kind = parts.at(0);
    if (parts.size() == 2 && kind == QLatin1String("significance"))
        return CardId{CardKind::Significance, *subject, 0};
    if (parts.size() == 2 && kind == QLatin1String("sum"))
        return CardId{CardKind::Sum, *subject, 0};
    if (parts.size() == 3 && (kind == QLatin1String("meaning") || kind == QLatin1String("which"))) {
        if (const std::optional<int> value = plainNumber(parts.at(2)))
            return CardId{kind == QLatin1String("meaning") ? CardKind::Meaning
                                                           : CardKind::WhichNumber,
                          *subject, *value};
    }
    return std::nullopt;
}

} // namespace corvella::practice
