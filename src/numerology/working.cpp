#include "numerology/working.h"

#include "numerology/ordinals.h"

#include "numerology/letters.h"

#include <cstdlib>

namespace corvella::numerology::working {

namespace {

const QString Plus = QStringLiteral(" + ");
const QString KeptMaster = QStringLiteral(", a master number, so it is left as %1");

QString masterNote(int n)
{
    return QStringLiteral("%1 is a master number, so it is left as %1").arg(n);
}

// "2 + 4 = 6", "1 + 9 + 8 + 0 = 18, 1 + 8 = 9", or just the number when there is nothing to
// add. A kept master number says so.
QString reducedInline(int n, Keep keep)
{
    QStringList steps = reductionSteps(n, keep);
    const int result = reduced(n, keep);
    if (isMaster(result, keep)) {
        if (steps.isEmpty())
            return masterNote(result);
        steps.last() += KeptMaster.arg(result);
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

QString continuation(int total, Keep keep)
{
    QString text;
    for (const QString& step : reductionSteps(total, keep))
        text += QLatin1String(", ") + step;
    const int result = reduced(total, keep);
    if (isMaster(result, keep))
        text += KeptMaster.arg(result);
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
            lines.last() += KeptMaster.arg(result);
    }
    return lines;
}

QString listed(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QLatin1String(", ")) + QLatin1String(" and ") +
           items.last();
}

QString labelled(const char* label, int n, Keep keep)
{
    const QString reduction = reducedInline(n, keep);
    if (reduction == num(n))
        return QLatin1String(label) + num(n);
    return QLatin1String(label) + num(n) + QLatin1String(": ") + reduction;
}

QString reducedDateLine(const QDate& birth, Keep keep)
{
    const auto part = [keep](const char* label, int n) { return labelled(label, n, keep); };
    return spelledDate(birth) + QLatin1String(" reduced: ") + part("month ", birth.month()) +
           QLatin1String("; ") + part("day ", birth.day()) + QLatin1String("; ") +
           part("year ", birth.year());
}

QString asSingleDigit(const QString& label, int value)
{
    if (value <= 9)
        return label + QLatin1Char(' ') + num(value);
    return QStringLiteral("%1 %2, which counts here as %3")
        .arg(label, num(value), reductionSteps(value, false).join(QLatin1String(", ")));
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

QString ordinal(int k)
{
    return ordinalWord(k);
}

} // namespace corvella::numerology::working
