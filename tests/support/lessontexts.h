#pragma once

#include "content/modLearnNumerology.h"

#include <QRegularExpression>
#include <QStringList>

// What the tests of the teaching texts share.

namespace corvella::testing {

// The catalogue, loaded once for the whole test.
inline const ContentTables& loadedContent()
{
    static const ContentTables tables = [] {
        ContentTables t;
        loadContent(t);
        return t;
    }();
    return tables;
}

// Every "a + b - c = d" as a text writes it, in order.
inline QStringList equationsIn(const QString& text)
{
    static const QRegularExpression equation(
        QStringLiteral("\\d+(?:\\s*[-+]\\s*\\d+)+\\s*=\\s*\\d+"));
    QStringList found;
    for (const auto& match : equation.globalMatch(text))
        found << match.captured();
    return found;
}

// The first of the fragments that the text does not hold after the ones before it; empty when
// it holds them all, in this order.
inline QString missingInOrder(const QString& text, const QStringList& fragments)
{
    int from = 0;
    for (const QString& fragment : fragments) {
        const int at = text.indexOf(fragment, from);
        if (at < 0)
            return fragment;
        from = at + fragment.size();
    }
    return QString();
}

} // namespace corvella::testing
