#include "numerology/working.h"

#include "numerology/letters.h"

#include <QCoreApplication>

#include <cstdlib>

namespace corvella::numerology::working {

namespace {

const QString Plus = QStringLiteral(" + ");

QString masterNote(int n)
{
    return QCoreApplication::translate("Numerology", "%1 is a master number, so it is left as %1")
        .arg(n);
}

// "2 + 9 = 11, a master number, so it is left as 11": sums that end on a kept master number.
QString keptMaster(const QString& sums, int n)
{
    return QCoreApplication::translate("Numerology", "%1, a master number, so it is left as %2",
                                       "%1: the sums that end on the master number %2")
        .arg(sums, num(n));
}

// "2 + 4 = 6", "1 + 9 + 8 + 0 = 18, 1 + 8 = 9", or just the number when there is nothing to
// add. A kept master number says so.
QString reducedInline(int n, Keep keep)
{
    const QStringList steps = reductionSteps(n, keep);
    const int result = reduced(n, keep);
    if (isMaster(result, keep)) {
        if (steps.isEmpty())
            return masterNote(result);
        return keptMaster(steps.join(QLatin1String(", ")), result);
    }
    return steps.isEmpty() ? num(n) : steps.join(QLatin1String(", "));
}

} // namespace

QString num(int n)
{
    return QString::number(n);
}

QString added(const QList<int>& numbers)
{
    if (numbers.size() == 1)
        return num(numbers.first());
    QStringList terms;
    for (int n : numbers)
        terms << num(n);
    return terms.join(Plus) + QLatin1String(" = ") + num(sumOf(numbers));
}

QString difference(int a, int b)
{
    return QStringLiteral("%1 - %2 = %3").arg(qMax(a, b)).arg(qMin(a, b)).arg(std::abs(a - b));
}

QStringList reductionSteps(int n, Keep keep)
{
    QStringList steps;
    while (!stops(n, keep)) {
        const QList<int> digits = digitsOf(n);
        steps << added(digits);
        n = sumOf(digits);
    }
    return steps;
}

QString carriedOn(const QString& sums, int total, Keep keep)
{
    QString text = sums;
    for (const QString& step : reductionSteps(total, keep))
        text += QLatin1String(", ") + step;
    const int result = reduced(total, keep);
    if (isMaster(result, keep))
        return keptMaster(text, result);
    return text;
}

QStringList reductionLines(int total, Keep keep)
{
    QStringList lines = reductionSteps(total, keep);
    const int result = reduced(total, keep);
    if (isMaster(result, keep)) {
        if (lines.isEmpty())
            lines << masterNote(result);
        else
            lines.last() = keptMaster(lines.last(), result);
    }
    return lines;
}

QString listed(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return QCoreApplication::translate("Numerology", "%1 and %2",
                                       "a list: the items before the last, and the last")
        .arg(items.mid(0, items.size() - 1).join(QLatin1String(", ")), items.last());
}

QString withReduction(int n, Keep keep)
{
    const QString reduction = reducedInline(n, keep);
    if (reduction == num(n))
        return num(n);
    return QCoreApplication::translate("Numerology", "%1: %2", "a number: how it is reduced")
        .arg(num(n), reduction);
}

QString labelled(DatePart part, int n, Keep keep)
{
    const QString value = withReduction(n, keep);
    switch (part) {
    case DatePart::Month:
        return QCoreApplication::translate("Numerology", "month %1", "%1: the month's number")
            .arg(value);
    case DatePart::Day:
        return QCoreApplication::translate("Numerology", "day %1", "%1: the day's number")
            .arg(value);
    case DatePart::Year:
        break;
    }
    return QCoreApplication::translate("Numerology", "year %1", "%1: the year's number").arg(value);
}

QString reducedDateLine(const QDate& birth, Keep keep)
{
    return QCoreApplication::translate("Numerology", "%1 reduced: %2; %3; %4",
                                       "%1: the date of birth; then its month, day and year")
        .arg(spelledDate(birth), labelled(DatePart::Month, birth.month(), keep),
             labelled(DatePart::Day, birth.day(), keep),
             labelled(DatePart::Year, birth.year(), keep));
}

QString asSingleDigit(const QString& name, int value)
{
    if (value <= 9)
        return QCoreApplication::translate("Numerology", "%1 %2", "a number's name and its value")
            .arg(name, num(value));
    return QCoreApplication::translate("Numerology", "%1 %2, which counts here as %3",
                                       "a number's name, its value, and the sums that reduce it")
        .arg(name, num(value), reductionSteps(value, false).join(QLatin1String(", ")));
}

QString lifePathName()
{
    return QCoreApplication::translate("Numerology", "Life Path", "a number's name in a sum");
}

QString valuesText(const QList<int>& values)
{
    QStringList texts;
    for (int v : values)
        texts << num(v);
    return texts.join(QLatin1String(", "));
}

QString valuedLetters(const QStringList& letters)
{
    QStringList valued;
    for (const QString& letter : letters)
        valued << letter + QLatin1String(" = ") + num(letterValue(letter.at(0)));
    return valued.join(QLatin1String(", "));
}

} // namespace corvella::numerology::working
