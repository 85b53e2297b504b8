#include "numerology/numerology.h"

#include <QLocale>
#include <QRegularExpression>

#include <cstdlib>

namespace corvella::numerology {

namespace {

const QString Plus = QStringLiteral(" + ");

bool isMaster(int n)
{
    return n == 11 || n == 22;
}

bool stops(int n, bool keepMasters)
{
    return n <= 9 || (keepMasters && isMaster(n));
}

bool isPlainVowel(QChar c)
{
    return c == QLatin1Char('A') || c == QLatin1Char('E') || c == QLatin1Char('I') ||
           c == QLatin1Char('O') || c == QLatin1Char('U');
}

QList<int> digitsOf(int n)
{
    QList<int> digits;
    for (QChar c : QString::number(n))
        digits << c.digitValue();
    return digits;
}

QList<int> digitsOf(std::initializer_list<int> numbers)
{
    QList<int> digits;
    for (int n : numbers)
        digits << digitsOf(n);
    return digits;
}

int sumOf(const QList<int>& numbers)
{
    int sum = 0;
    for (int n : numbers)
        sum += n;
    return sum;
}

QString num(int n)
{
    return QString::number(n);
}

// "8 + 5 = 13"; a single number stands alone.
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

// Each addition of digits on the way from n to its reduced form: "6 + 6 = 12", "1 + 2 = 3".
QStringList reductionSteps(int n, bool keepMasters)
{
    QStringList steps;
    while (!stops(n, keepMasters)) {
        const QList<int> digits = digitsOf(n);
        steps << added(digits);
        n = sumOf(digits);
    }
    return steps;
}

QString masterNote(int n)
{
    return QStringLiteral("%1 is a master number, so it is left as %1").arg(n);
}

const QString KeptMaster = QStringLiteral(", a master number, so it is left as %1");

// What follows a total on the same line: nothing, ", 1 + 4 = 5", or the kept master number.
QString continuation(int total, bool keepMasters)
{
    QString text;
    for (const QString& step : reductionSteps(total, keepMasters))
        text += QLatin1String(", ") + step;
    const int result = reduce(total, keepMasters);
    if (keepMasters && isMaster(result))
        text += KeptMaster.arg(result);
    return text;
}

// "24 = 2 + 4 = 6"-like text for inline use: "2 + 4 = 6", "1 + 9 + 8 + 0 = 18, 1 + 8 = 9",
// or just the number when there is nothing to add. A kept master number says so.
QString reducedInline(int n, bool keepMasters)
{
    QStringList steps = reductionSteps(n, keepMasters);
    const int result = reduce(n, keepMasters);
    if (keepMasters && isMaster(result)) {
        if (steps.isEmpty())
            return masterNote(result);
        steps.last() += KeptMaster.arg(result);
    }
    return steps.isEmpty() ? num(n) : steps.join(QLatin1String(", "));
}

// The lines that follow a total: one per step, the last naming a kept master number.
QStringList reductionLines(int total, bool keepMasters)
{
    QStringList lines = reductionSteps(total, keepMasters);
    const int result = reduce(total, keepMasters);
    if (keepMasters && isMaster(result)) {
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

enum class Letters { All, Vowels, Consonants };

QList<int> valuesIn(const QString& word, Letters which, QStringList* letters = nullptr)
{
    QList<int> values;
    for (int i = 0; i < word.size(); ++i) {
        const bool vowel = isVowelAt(word, i);
        if (which == Letters::All || (which == Letters::Vowels) == vowel) {
            values << letterValue(word.at(i));
            if (letters)
                *letters << QString(word.at(i));
        }
    }
    return values;
}

struct NameNumber
{
    int value = 0;
    QStringList working;
};

// Expression, Soul's Urge or Personality: the chosen letters of the whole name added, or each
// part's total reduced first and the parts then added.
NameNumber nameNumber(const QStringList& parts, Letters which, bool partsFirst, bool keep)
{
    NameNumber result;
    const QString name = parts.join(QLatin1Char(' '));
    QStringList letters;
    QList<int> all;
    for (const QString& part : parts)
        all << valuesIn(part, which, &letters);
    if (which == Letters::Vowels)
        result.working
            << QStringLiteral("The vowels of %1: %2").arg(name, letters.join(QLatin1String(", ")));
    else if (which == Letters::Consonants)
        result.working << QStringLiteral("The consonants of %1: %2")
                              .arg(name, letters.join(QLatin1String(", ")));

    if (!partsFirst || parts.size() == 1) {
        result.working << name + QLatin1String(": ") + added(all);
        result.working << reductionLines(sumOf(all), keep);
        result.value = reduce(sumOf(all), keep);
        return result;
    }
    QList<int> partValues;
    for (const QString& part : parts) {
        const QList<int> values = valuesIn(part, which);
        if (values.isEmpty()) {
            result.working << part + QLatin1String(": none, so 0");
            partValues << 0;
            continue;
        }
        // A part goes into the sum as its single digit: 11 counts as 2 and 22 as 4.
        const int total = sumOf(values);
        result.working << part + QLatin1String(": ") + added(values) + continuation(total, false);
        partValues << reduce(total, false);
    }
    const int total = sumOf(partValues);
    result.working << QLatin1String("Together: ") + added(partValues) + continuation(total, keep);
    result.value = reduce(total, keep);
    return result;
}

// "month 10: 1 + 0 = 1", or "month 7" when there is nothing to reduce.
QString labelled(const char* label, int n, bool keepMasters)
{
    const QString reduction = reducedInline(n, keepMasters);
    if (reduction == num(n))
        return QLatin1String(label) + num(n);
    return QLatin1String(label) + num(n) + QLatin1String(": ") + reduction;
}

// "month 10: 1 + 0 = 1; day 24: 2 + 4 = 6; year 1980: 1 + 9 + 8 + 0 = 18, 1 + 8 = 9"
QString reducedDateLine(const QDate& birth)
{
    const auto part = [](const char* label, int n) { return labelled(label, n, false); };
    return spelledDate(birth) + QLatin1String(" reduced: ") + part("month ", birth.month()) +
           QLatin1String("; ") + part("day ", birth.day()) + QLatin1String("; ") +
           part("year ", birth.year());
}

// "Life Path 11, which counts here as 1 + 1 = 2"
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

struct Pinnacles
{
    QList<int> values;
    QStringList working;
};

// The month, day and year go in as single digits, or (the other common method) keep 11 and
// 22. Each Pinnacle keeps 11 and 22; the first two go into the third as single digits.
Pinnacles pinnacles(const QDate& birth, bool partsKeepMasters)
{
    const int month = reduce(birth.month(), partsKeepMasters);
    const int day = reduce(birth.day(), partsKeepMasters);
    const int year = reduce(birth.year(), partsKeepMasters);
    const auto pinnacle = [](const QString& label, int a, int b, int* value) {
        *value = reduce(a + b, true);
        return label + added({a, b}) + continuation(a + b, true);
    };
    int first = 0;
    int second = 0;
    int third = 0;
    int fourth = 0;
    Pinnacles result;
    result.working << reducedDateLine(birth);
    result.working << pinnacle(QStringLiteral("First Pinnacle = month + day: "), month, day,
                               &first);
    result.working << pinnacle(QStringLiteral("Second Pinnacle = day + year: "), day, year,
                               &second);
    result.working << pinnacle(
        QStringLiteral("Third Pinnacle = First Pinnacle + Second Pinnacle: "), reduce(first, false),
        reduce(second, false), &third);
    result.working << pinnacle(QStringLiteral("Fourth Pinnacle = month + year: "), month, year,
                               &fourth);
    result.values = {first, second, third, fourth};
    return result;
}

Number lifePathNumber(const QDate& birth, const Rules& rules, bool fromEveryDigit, int* value)
{
    Number n{LifePath, {}, {}, {}};
    const bool keep = rules.lifePathKeepsMasters;
    if (fromEveryDigit) {
        const QList<int> digits = digitsOf({birth.month(), birth.day(), birth.year()});
        n.working << spelledDate(birth) + QLatin1String(": ") + added(digits);
        n.working << reductionLines(sumOf(digits), keep);
        *value = reduce(sumOf(digits), keep);
    } else {
        const auto part = [keep](const char* label, int x) { return labelled(label, x, keep); };
        n.working << spelledDate(birth) + QLatin1String(", each part reduced first: ") +
                         part("month ", birth.month()) + QLatin1String("; ") +
                         part("day ", birth.day()) + QLatin1String("; ") +
                         part("year ", birth.year());
        const QList<int> parts = {reduce(birth.month(), keep), reduce(birth.day(), keep),
                                  reduce(birth.year(), keep)};
        n.working << added(parts);
        n.working << reductionLines(sumOf(parts), keep);
        *value = reduce(sumOf(parts), keep);
    }
    n.values = {*value};
    return n;
}

} // namespace

const Rules& taughtRules()
{
    static const Rules rules;
    return rules;
}

int letterValue(QChar letter)
{
    const char16_t c = letter.toUpper().unicode();
    if (c < u'A' || c > u'Z')
        return 0;
    return (c - u'A') % 9 + 1;
}

int digitSum(int n)
{
    int sum = 0;
    for (n = std::abs(n); n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

int reduce(int n, bool keepMasters)
{
    while (!stops(n, keepMasters))
        n = digitSum(n);
    return n;
}

bool isVowelAt(const QString& word, int i)
{
    const QChar c = word.at(i);
    if (isPlainVowel(c))
        return true;
    const bool vowelBefore = i > 0 && isPlainVowel(word.at(i - 1));
    const bool vowelAfter = i + 1 < word.size() && isPlainVowel(word.at(i + 1));
    if (c == QLatin1Char('Y'))
        return !vowelBefore && !vowelAfter;
    if (c == QLatin1Char('W'))
        return vowelBefore;
    return false;
}

NameReading readName(const QString& typed)
{
    NameReading reading;
    // Composed first, so that a letter typed with a separate accent is one character.
    // Blanks at either end are not part of the name.
    QString name = typed.normalized(QString::NormalizationForm_C);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    if (name.size() > MaximumNameLength) {
        reading.problem = QStringLiteral("The full name at birth can be at most %1 characters "
                                         "long; this one has %2.")
                              .arg(MaximumNameLength)
                              .arg(name.size());
        return reading;
    }
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty())
            reading.parts << word;
        word.clear();
    };
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char(' ')) {
            endWord();
            continue;
        }
        if (c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019))
            continue;
        const QChar upper = c.toUpper();
        if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z')) {
            word += upper;
            continue;
        }
        // An accented Latin letter: its decomposition is a plain letter and marks only.
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        const QChar base = decomposed.at(0).toUpper();
        bool marksOnly = decomposed.size() > 1;
        for (int k = 1; k < decomposed.size(); ++k)
            marksOnly = marksOnly && decomposed.at(k).isMark();
        if (c.isLetter() && marksOnly && base >= QLatin1Char('A') && base <= QLatin1Char('Z')) {
            word += base;
            const QString note = QString(c) + QLatin1String(" as ") + base;
            if (!reading.readAs.contains(note))
                reading.readAs << note;
            continue;
        }
        QString shown = QString(c);
        if (c.isHighSurrogate() && i + 1 < name.size())
            shown += name.at(i + 1);
        const QString code =
            QStringLiteral("U+%1").arg(shown.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
        const QString what = c.isPrint() && !c.isSpace() && !c.isMark()
                                 ? QStringLiteral("\"%1\" (%2)").arg(shown, code)
                                 : QStringLiteral("the character %1").arg(code);
        reading.problem =
            QStringLiteral("The full name at birth can hold only letters, spaces, hyphens and "
                           "apostrophes; %1 is not one of them, so nothing was calculated.")
                .arg(what);
        reading.parts.clear();
        reading.readAs.clear();
        return reading;
    }
    endWord();
    if (reading.parts.isEmpty()) {
        reading.problem =
            QStringLiteral("Please type the full name at birth: at least one letter.");
        reading.readAs.clear();
    }
    return reading;
}

QDate readDate(const QString& typed)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = form.match(typed);
    if (!match.hasMatch())
        return {};
    const int year = match.captured(1).toInt();
    if (year < 1)
        return {};
    return QDate(year, match.captured(2).toInt(), match.captured(3).toInt());
}

Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules)
{
    Chart chart;
    const QString name = nameParts.join(QLatin1Char(' '));
    QList<int> vowels;
    QList<int> consonants;
    for (const QString& part : nameParts) {
        vowels << valuesIn(part, Letters::Vowels);
        consonants << valuesIn(part, Letters::Consonants);
    }
    if (vowels.isEmpty() || consonants.isEmpty()) {
        chart.problem =
            QStringLiteral("%1 has no %2, so its %3 Number cannot be worked out. The chart needs "
                           "at least one vowel and one consonant in the full name at birth.")
                .arg(name, vowels.isEmpty() ? QStringLiteral("vowel") : QStringLiteral("consonant"),
                     vowels.isEmpty() ? QStringLiteral("Soul's Urge")
                                      : QStringLiteral("Personality"));
        return chart;
    }

    // Life Path, and the other common method's value where it differs.
    int lifePath = 0;
    Number lifePathNo = lifePathNumber(birth, rules, rules.lifePathFromEveryDigit, &lifePath);
    int otherLifePath = 0;
    lifePathNumber(birth, rules, !rules.lifePathFromEveryDigit, &otherLifePath);
    if (otherLifePath != lifePath) {
        lifePathNo.otherMethod =
            rules.lifePathFromEveryDigit
                ? QStringLiteral("Another common method reduces the month, day and year first "
                                 "and then adds them; for this date it gives %1.")
                      .arg(otherLifePath)
                : QStringLiteral("Another common method adds every digit of the date at once; "
                                 "for this date it gives %1.")
                      .arg(otherLifePath);
    }
    chart.numbers << lifePathNo;

    const bool keepName = rules.nameNumbersKeepMasters;
    const NameNumber expression =
        nameNumber(nameParts, Letters::All, rules.expressionPartsFirst, keepName);
    chart.numbers << Number{Expression, {expression.value}, expression.working, {}};
    const NameNumber soulsUrge =
        nameNumber(nameParts, Letters::Vowels, rules.soulsUrgePartsFirst, keepName);
    chart.numbers << Number{SoulsUrge, {soulsUrge.value}, soulsUrge.working, {}};
    const NameNumber personality =
        nameNumber(nameParts, Letters::Consonants, rules.personalityPartsFirst, keepName);
    chart.numbers << Number{Personality, {personality.value}, personality.working, {}};

    chart.numbers << Number{Birthday,
                            {birth.day()},
                            {QStringLiteral("%1 %2: the day of the month, not reduced, is %2")
                                 .arg(QLocale::c().monthName(birth.month()))
                                 .arg(birth.day())},
                            {}};

    const auto bridge = [](Subject subject, const QString& firstLabel, int first,
                           const QString& secondLabel, int second) {
        const int a = reduce(first, false);
        const int b = reduce(second, false);
        return Number{subject,
                      {std::abs(a - b)},
                      {asSingleDigit(firstLabel, first) +
                           QLatin1String(first > 9 ? ", and " : " and ") +
                           asSingleDigit(secondLabel, second),
                       difference(a, b)},
                      {}};
    };
    chart.numbers << bridge(LifePathExpressionBridge, QStringLiteral("Life Path"), lifePath,
                            QStringLiteral("Expression"), expression.value);
    chart.numbers << bridge(HeartDesirePersonalityBridge, QStringLiteral("Personality"),
                            personality.value, QStringLiteral("Heart's Desire"), soulsUrge.value);

    {
        QStringList initials;
        QStringList valued;
        QList<int> values;
        for (const QString& part : nameParts) {
            initials << QString(part.at(0));
            values << letterValue(part.at(0));
            valued << QString(part.at(0)) + QLatin1String(" = ") + num(values.last());
        }
        Number balance{Balance, {}, {}, {}};
        balance.working << (initials.size() == 1 ? QStringLiteral("The initial of %1 is %2: %3")
                                                 : QStringLiteral("The initials of %1 are %2: %3"))
                               .arg(name, listed(initials), valued.join(QLatin1String(", ")));
        if (values.size() > 1)
            balance.working << added(values);
        balance.working << reductionLines(sumOf(values), rules.balanceKeepsMasters);
        balance.values = {reduce(sumOf(values), rules.balanceKeepsMasters)};
        chart.numbers << balance;
    }

    {
        // Both go in as single digits: 11 counts as 2 and 22 as 4.
        const int a = reduce(lifePath, false);
        const int b = reduce(expression.value, false);
        const int total = a + b;
        Number maturity{Maturity, {}, {}, {}};
        maturity.working << asSingleDigit(QStringLiteral("Life Path"), lifePath) +
                                QLatin1String(" plus ") +
                                asSingleDigit(QStringLiteral("Destiny"), expression.value) +
                                QLatin1String(": ") + added({a, b});
        maturity.working << reductionLines(total, rules.maturityKeepsMasters);
        maturity.values = {reduce(total, rules.maturityKeepsMasters)};
        chart.numbers << maturity;
    }

    {
        const Pinnacles taught = pinnacles(birth, rules.pinnaclesKeepMasters);
        const Pinnacles other = pinnacles(birth, !rules.pinnaclesKeepMasters);
        Number pinnacle{Pinnacle, taught.values, taught.working, {}};
        if (other.values != taught.values) {
            pinnacle.otherMethod =
                (rules.pinnaclesKeepMasters
                     ? QStringLiteral("Another common method reduces 11 and 22 in the month, "
                                      "day and year as well; for this date it gives %1.")
                     : QStringLiteral("Another common method keeps 11 and 22 in the month, day "
                                      "and year; for this date it gives %1."))
                    .arg(valuesText(other.values));
        }
        chart.numbers << pinnacle;
    }

    {
        const int month = reduce(birth.month(), false);
        const int day = reduce(birth.day(), false);
        const int year = reduce(birth.year(), false);
        const int first = std::abs(month - day);
        const int second = std::abs(day - year);
        Number challenge{
            Challenge, {first, second, std::abs(first - second), std::abs(month - year)}, {}, {}};
        challenge.working
            << reducedDateLine(birth)
            << QLatin1String("First Challenge, from month and day: ") + difference(month, day)
            << QLatin1String("Second Challenge, from day and year: ") + difference(day, year)
            << QLatin1String("Third Challenge, the main one, from the first two: ") +
                   difference(first, second)
            << QLatin1String("Fourth Challenge, from month and year: ") + difference(month, year);
        chart.numbers << challenge;
    }

    {
        const bool keep = rules.periodsKeepMasters;
        Number periods{
            LifePathPeriod,
            {reduce(birth.month(), keep), reduce(birth.day(), keep), reduce(birth.year(), keep)},
            {},
            {}};
        periods.working << QLatin1String("First period, from the birth ") +
                               labelled("month ", birth.month(), keep)
                        << QLatin1String("Second period, from the birth ") +
                               labelled("day ", birth.day(), keep)
                        << QLatin1String("Third period, from the birth ") +
                               labelled("year ", birth.year(), keep);
        chart.numbers << periods;
    }

    const bool keepCycles = rules.personalCyclesKeepMasters;
    const auto cycle = [keepCycles](Subject subject, const QString& inputs,
                                    const QList<int>& digits) {
        Number n{subject, {reduce(sumOf(digits), keepCycles)}, {inputs, added(digits)}, {}};
        n.working << reductionLines(sumOf(digits), keepCycles);
        return n;
    };
    const QString born =
        QStringLiteral("Birth day %1, birth month %2").arg(birth.day()).arg(birth.month());
    chart.numbers << cycle(
        PersonalDay,
        born + QStringLiteral("; %1: day %2, month %3, year %4")
                   .arg(spelledDate(lookAt))
                   .arg(lookAt.day())
                   .arg(lookAt.month())
                   .arg(lookAt.year()),
        digitsOf({birth.day(), birth.month(), lookAt.day(), lookAt.month(), lookAt.year()}));
    chart.numbers << cycle(PersonalMonth,
                           born + QStringLiteral("; %1 %2: month %3, year %4")
                                      .arg(QLocale::c().monthName(lookAt.month()))
                                      .arg(lookAt.year())
                                      .arg(lookAt.month())
                                      .arg(lookAt.year()),
                           digitsOf({birth.day(), birth.month(), lookAt.month(), lookAt.year()}));
    chart.numbers << cycle(PersonalYear, born + QStringLiteral("; the year %1").arg(lookAt.year()),
                           digitsOf({birth.day(), birth.month(), lookAt.year()}));
    return chart;
}

QString spelledDate(const QDate& date)
{
    return QLocale::c().monthName(date.month()) + QLatin1Char(' ') + QString::number(date.day()) +
           QLatin1String(", ") + QString::number(date.year());
}

} // namespace corvella::numerology
