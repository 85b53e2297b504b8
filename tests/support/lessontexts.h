#pragma once

#include "content/modLearnNumerology.h"

#include <QList>
#include <QPair>
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

// A text without the window's fixed names, whole or in part: "Heart Desire / Personality Bridge
// Number" and "Realization" keep their form and are not words of the prose.
inline QString withoutFixedNames(QString text)
{
    const ContentTables& t = loadedContent();
    for (int s = 0; s < SubjectCount; ++s) {
        text.remove(t.SubjectName[s]);
        for (const QString& part : t.SubjectName[s].split(QLatin1Char('/')))
            text.remove(part.trimmed());
    }
    return text;
}

// American forms that our British texts must not hold, as (label, case-insensitive pattern).
inline QList<QPair<QString, QString>> americanSpellings()
{
    return {
        {QStringLiteral("toward"), QStringLiteral("\\b(after|to)ward\\b")},
        {QStringLiteral("judgment"), QStringLiteral("\\bjudgment")},
        {QStringLiteral("-or"),
         QStringLiteral("\\b(colo|behavio|favo|hono|humo|labo|neighbo|endeavo|flavo|rumo|vigo|"
                        "valo|harbo|armo|parlo)r(s|ed|ing|ful|able|ite|ites|hood)?\\b")},
        {QStringLiteral("center"), QStringLiteral("\\bcent(er|ers|ered|ering)\\b")},
        {QStringLiteral("-ize"),
         QStringLiteral("\\b[a-z]{3,}iz(e|es|ed|er|ers|ing|ation|ations)\\b")},
        {QStringLiteral("-yze"), QStringLiteral("lyz(e|es|ed|ing)\\b")},
        {QStringLiteral("single l"),
         QStringLiteral("\\b(travel|counsel|model|cancel|label|signal|level|fuel|marvel|"
                        "quarrel|jewel)(ed|ing|er|ers|or|ors)\\b")},
        {QStringLiteral("fulfill"), QStringLiteral("\\b(fulfill|fulfills|fulfillment|enroll)\\b")},
        {QStringLiteral("-ful"), QStringLiteral("\\b(skill|will)ful")},
        {QStringLiteral("-ense"), QStringLiteral("\\b(defense|offense|pretense)\\b")},
        {QStringLiteral("learnt"), QStringLiteral("\\b(learn|spell|smell|spill|dwell)ed\\b")},
        {QStringLiteral("practise as a verb"),
         QStringLiteral("\\bpractic(ed|ing)\\b|\\b(to|you|can|must|should|will|and|then) "
                        "practice\\b")},
        {QStringLiteral("others"),
         QStringLiteral("\\b(gray|catalog|dialog|aging|jewelry|program|programs|theater|mold|"
                        "plow|mom|math|gotten|cozy|maneuver[a-z]*|skeptic[a-z]*|mustache|"
                        "percent|aluminum|installment|enrollment|artifact|fiber|meager|somber|"
                        "luster|caliber|saber|specter|analog)\\b")},
    };
}

} // namespace corvella::testing
