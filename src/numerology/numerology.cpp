#include "numerology/numerology.h"

#include <QLocale>
#include <QRegularExpression>

#include <cstdlib>

namespace corvella::numerology {

namespace {

const QString Plus = QStringLiteral(" + ");

// Which totals a reduction stops at besides single digits: 11 and 22, and 33 when with33.
struct Keep
{
    bool masters = false;
    bool with33 = false;
    Keep(bool keepMasters) : masters(keepMasters) {} // NOLINT: a plain bool means 11 and 22
    Keep(bool keepMasters, bool keep33) : masters(keepMasters), with33(keepMasters && keep33) {}
    explicit operator bool() const { return masters; }
};

bool isMaster(int n, Keep keep)
{
    return keep.masters && (n == 11 || n == 22 || (keep.with33 && n == 33));
}

bool stops(int n, Keep keep)
{
    return n <= 9 || isMaster(n, keep);
}

int reduced(int n, Keep keep)
{
    while (!stops(n, keep))
        n = digitSum(n);
    return n;
}

bool isPlainVowel(QChar c)
{
    return c == QLatin1Char('A') || c == QLatin1Char('E') || c == QLatin1Char('I') ||
           c == QLatin1Char('O') || c == QLatin1Char('U');
}

// Ł as L, Ø as O, ß as SS, Æ as AE, Œ as OE, Đ and Ð as D, Þ as TH, in either case.
QString plainReading(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 0x0141:
        return QStringLiteral("L");
    case 0x00D8:
        return QStringLiteral("O");
    case 0x1E9E:
        return QStringLiteral("SS");
    case 0x00C6:
        return QStringLiteral("AE");
    case 0x0152:
        return QStringLiteral("OE");
    case 0x0110:
    case 0x00D0:
        return QStringLiteral("D");
    case 0x00DE:
        return QStringLiteral("TH");
    default:
        break;
    }
    // ß has no single upper-case letter of its own in QChar's tables.
    return c == QChar(0x00DF) ? QStringLiteral("SS") : QString();
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

QString masterNote(int n)
{
    return QStringLiteral("%1 is a master number, so it is left as %1").arg(n);
}

const QString KeptMaster = QStringLiteral(", a master number, so it is left as %1");

// What follows a total on the same line: nothing, ", 1 + 4 = 5", or the kept master number.
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

// "24 = 2 + 4 = 6"-like text for inline use: "2 + 4 = 6", "1 + 9 + 8 + 0 = 18, 1 + 8 = 9",
// or just the number when there is nothing to add. A kept master number says so.
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

// The lines that follow a total: one per step, the last naming a kept master number.
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

enum class Letters { All, Vowels, Consonants };

// For each letter of each part, whether it counts as a vowel under these rules.
QList<QList<bool>> vowelsOf(const QStringList& parts, const Rules& rules)
{
    QList<QList<bool>> result;
    int y = 0;
    for (const QString& part : parts) {
        QList<bool> vowels;
        for (int i = 0; i < part.size(); ++i) {
            bool vowel = isVowelAt(part, i, rules.wVowelAfterVowel);
            if (part.at(i) == QLatin1Char('Y') && rules.ysCountedOtherWay.contains(y++))
                vowel = !vowel;
            vowels << vowel;
        }
        result << vowels;
    }
    return result;
}

QList<int> valuesIn(const QString& word, const QList<bool>& vowels, Letters which,
                    QStringList* letters = nullptr)
{
    QList<int> values;
    for (int i = 0; i < word.size(); ++i) {
        if (which == Letters::All || (which == Letters::Vowels) == vowels.at(i)) {
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
NameNumber nameNumber(const QStringList& parts, const QList<QList<bool>>& vowels, Letters which,
                      bool partsFirst, Keep keep)
{
    NameNumber result;
    const QString name = parts.join(QLatin1Char(' '));
    QStringList letters;
    QList<int> all;
    for (int p = 0; p < parts.size(); ++p)
        all << valuesIn(parts[p], vowels[p], which, &letters);
    if (which == Letters::Vowels)
        result.working
            << QStringLiteral("The vowels of %1: %2").arg(name, letters.join(QLatin1String(", ")));
    else if (which == Letters::Consonants)
        result.working << QStringLiteral("The consonants of %1: %2")
                              .arg(name, letters.join(QLatin1String(", ")));

    if (!partsFirst || parts.size() == 1) {
        result.working << name + QLatin1String(": ") + added(all);
        result.working << reductionLines(sumOf(all), keep);
        result.value = reduced(sumOf(all), keep);
        return result;
    }
    QList<int> partValues;
    for (int p = 0; p < parts.size(); ++p) {
        const QList<int> values = valuesIn(parts[p], vowels[p], which);
        if (values.isEmpty()) {
            result.working << parts[p] + QLatin1String(": none, so 0");
            partValues << 0;
            continue;
        }
        // A part goes into the sum as its single digit: 11 counts as 2 and 22 as 4.
        const int total = sumOf(values);
        result.working << parts[p] + QLatin1String(": ") + added(values) +
                              continuation(total, false);
        partValues << reduce(total, false);
    }
    const int total = sumOf(partValues);
    result.working << QLatin1String("Together: ") + added(partValues) + continuation(total, keep);
    result.value = reduced(total, keep);
    return result;
}

// "month 10: 1 + 0 = 1", or "month 7" when there is nothing to reduce.
QString labelled(const char* label, int n, Keep keep)
{
    const QString reduction = reducedInline(n, keep);
    if (reduction == num(n))
        return QLatin1String(label) + num(n);
    return QLatin1String(label) + num(n) + QLatin1String(": ") + reduction;
}

// "month 10: 1 + 0 = 1; day 24: 2 + 4 = 6; year 1980: 1 + 9 + 8 + 0 = 18, 1 + 8 = 9"
QString reducedDateLine(const QDate& birth, Keep keep)
{
    const auto part = [keep](const char* label, int n) { return labelled(label, n, keep); };
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

// The month, day and year go in as single digits, or (the other common method) keep 11 and
// 22. Each Pinnacle keeps 11 and 22; the first two go into the third as single digits, or as
// they stand.
Number pinnacles(const QDate& birth, const Rules& rules)
{
    const Keep parts = rules.pinnaclesKeepMasters;
    const Keep results(true, rules.keeps33);
    const int month = reduced(birth.month(), parts);
    const int day = reduced(birth.day(), parts);
    const int year = reduced(birth.year(), parts);
    const auto pinnacle = [results](const QString& label, int a, int b, int* value) {
        *value = reduced(a + b, results);
        return label + added({a, b}) + continuation(a + b, results);
    };
    int first = 0;
    int second = 0;
    int third = 0;
    int fourth = 0;
    Number n{Pinnacle, {}, {}, {}, {}, {}, -1, {}};
    n.working << reducedDateLine(birth, parts);
    n.working << pinnacle(QStringLiteral("First Pinnacle = month + day: "), month, day, &first);
    n.working << pinnacle(QStringLiteral("Second Pinnacle = day + year: "), day, year, &second);
    const bool single = rules.thirdPinnacleFromSingleDigits;
    n.working << pinnacle(QStringLiteral("Third Pinnacle = First Pinnacle + Second Pinnacle: "),
                          single ? reduce(first, false) : first,
                          single ? reduce(second, false) : second, &third);
    n.working << pinnacle(QStringLiteral("Fourth Pinnacle = month + year: "), month, year, &fourth);
    n.values = {first, second, third, fourth};
    return n;
}

Number lifePathNumber(const QDate& birth, const Rules& rules)
{
    Number n{LifePath, {}, {}, {}, {}, {}, -1, {}};
    const Keep keep(rules.lifePathKeepsMasters, rules.keeps33);
    if (rules.lifePathFromEveryDigit) {
        const QList<int> digits = digitsOf({birth.month(), birth.day(), birth.year()});
        n.working << spelledDate(birth) + QLatin1String(": ") + added(digits);
        n.working << reductionLines(sumOf(digits), keep);
        n.values = {reduced(sumOf(digits), keep)};
    } else {
        const auto part = [keep](const char* label, int x) { return labelled(label, x, keep); };
        n.working << spelledDate(birth) + QLatin1String(", each part reduced first: ") +
                         part("month ", birth.month()) + QLatin1String("; ") +
                         part("day ", birth.day()) + QLatin1String("; ") +
                         part("year ", birth.year());
        const QList<int> parts = {reduced(birth.month(), keep), reduced(birth.day(), keep),
                                  reduced(birth.year(), keep)};
        n.working << added(parts);
        n.working << reductionLines(sumOf(parts), keep);
        n.values = {reduced(sumOf(parts), keep)};
    }
    return n;
}

QList<Span> spansEnding(const QDate& birth, const QList<int>& ends)
{
    QList<Span> spans;
    int from = 0;
    for (int end : ends) {
        Span span;
        span.fromAge = from;
        span.untilAge = end;
        span.from = birth.addYears(from);
        if (end >= 0)
            span.until = birth.addYears(end);
        spans << span;
        from = end;
    }
    return spans;
}

const char* const Ordinals[] = {"First", "Second", "Third", "Fourth"};

// "Third Pinnacle (1): from age 39 until age 48, August 31, 2022 to August 30, 2031 (now)"
QString spanLine(int k, const QString& noun, int value, const Span& span, bool now)
{
    const QString ages = span.fromAge == 0 ? QStringLiteral("from birth")
                                           : QStringLiteral("from age %1").arg(span.fromAge);
    QString line =
        QStringLiteral("%1 %2 (%3): %4").arg(QLatin1String(Ordinals[k]), noun).arg(value).arg(ages);
    if (span.untilAge < 0)
        line += QStringLiteral(" for the rest of life, from %1").arg(spelledDate(span.from));
    else
        line += QStringLiteral(" until age %1, %2 to %3")
                    .arg(span.untilAge)
                    .arg(spelledDate(span.from), spelledDate(span.until.addDays(-1)));
    if (now)
        line += QLatin1String(" (now)");
    return line;
}

void setSpans(Number& n, const QString& noun, const QList<Span>& spans, const QDate& lookAt,
              const QString& lead)
{
    n.spans = spans;
    n.timing << lead;
    for (int k = 0; k < spans.size(); ++k) {
        const bool now = spans[k].contains(lookAt);
        if (now)
            n.current = k;
        n.timing << spanLine(k, noun, n.values.value(k), spans[k], now);
    }
}

// "3 + 1 + 8 + 2 + 0 + 2 + 7 = 23, 2 + 3 = 5"
QString cycleWorking(const QList<int>& digits, Keep keep)
{
    return added(digits) + continuation(sumOf(digits), keep);
}

QList<int> personalYearDigits(const QDate& birth, int year)
{
    return digitsOf({birth.day(), birth.month(), year});
}

QList<int> personalMonthDigits(const QDate& birth, int year, int month)
{
    return digitsOf({birth.day(), birth.month(), month, year});
}

// A method other teachers use: the rules turned one way, and what to call it.
struct OtherMethod
{
    Rules rules;
    QString name;
};

QString quoted(const QList<int>& values)
{
    return valuesText(values);
}

// Each Y of the name, as "the Y of KATHRYN" or "the second Y of YARDLEY", with whether the letter
// rule made it a vowel and why.
struct YReading
{
    QString which;
    bool vowel = false;
    QString why;
};

QList<YReading> ysOf(const QStringList& parts, bool wVowelAfterVowel)
{
    QList<YReading> ys;
    for (const QString& part : parts) {
        const int count = int(part.count(QLatin1Char('Y')));
        int k = 0;
        for (int i = 0; i < part.size(); ++i) {
            if (part.at(i) != QLatin1Char('Y'))
                continue;
            YReading y;
            y.which = count == 1
                          ? QStringLiteral("the Y of %1").arg(part)
                          : QStringLiteral("the %1 Y of %2")
                                .arg(QString::fromLatin1(Ordinals[qMin(k, 3)]).toLower(), part);
            ++k;
            y.vowel = isVowelAt(part, i, wVowelAfterVowel);
            if (y.vowel)
                y.why = QStringLiteral("no vowel beside it");
            else if (i > 0 && isPlainVowel(part.at(i - 1)))
                y.why = QStringLiteral("it follows %1").arg(part.at(i - 1));
            else
                y.why = QStringLiteral("%1 follows it").arg(part.at(i + 1));
            ys << y;
        }
    }
    return ys;
}

QList<OtherMethod> otherMethods(const QStringList& parts, const Rules& rules)
{
    QList<OtherMethod> methods;
    const auto flipped = [&](bool Rules::*rule, const QString& whenTrue, const QString& whenFalse) {
        Rules other = rules;
        other.*rule = !(rules.*rule);
        methods << OtherMethod{other, other.*rule ? whenTrue : whenFalse};
    };
    flipped(&Rules::lifePathFromEveryDigit,
            QStringLiteral("Another common method adds every digit of the date at once"),
            QStringLiteral("Another common method reduces the month, the day and the year first "
                           "and then adds them"));
    QStringList ws;
    for (const QString& part : parts) {
        for (int i = 0; i < part.size(); ++i) {
            if (part.at(i) == QLatin1Char('W') && isVowelAt(part, i, true) && !ws.contains(part))
                ws << part;
        }
    }
    if (!ws.isEmpty() || !rules.wVowelAfterVowel)
        flipped(
            &Rules::wVowelAfterVowel,
            QStringLiteral("Many teachers count W as a vowel straight after A, E, I, O or U"),
            QStringLiteral("Many teachers never count W as a vowel, so the W after a vowel in %1 "
                           "is a consonant")
                .arg(listed(ws)));
    flipped(&Rules::expressionPartsFirst,
            QStringLiteral("Some teachers work the Expression one part of the name at a time, "
                           "each part reduced to a single digit before the parts are added"),
            QStringLiteral("Many teachers add the letters of the whole name at once"));
    flipped(&Rules::soulsUrgePartsFirst,
            QStringLiteral("Some teachers work the Soul's Urge one part of the name at a time, "
                           "each part reduced to a single digit before the parts are added"),
            QStringLiteral("Many teachers add the vowels of the whole name at once"));
    flipped(&Rules::personalityPartsFirst,
            QStringLiteral("Some teachers work the Personality one part of the name at a time, "
                           "each part reduced to a single digit before the parts are added"),
            QStringLiteral("Many teachers add all the consonants of the name at once"));
    flipped(&Rules::pinnaclesKeepMasters,
            QStringLiteral("Another common method keeps 11 and 22 in the month, day and year"),
            QStringLiteral("Another common method reduces 11 and 22 in the month, day and year "
                           "as well"));
    flipped(&Rules::thirdPinnacleFromSingleDigits,
            QStringLiteral("Many teachers add the First and Second Pinnacles as single digits for "
                           "the Third"),
            QStringLiteral("Some teachers add the First and Second Pinnacles as they stand, 11 and "
                           "22 included, for the Third"));
    flipped(&Rules::keeps33, QStringLiteral("Some teachers keep 33 as a master number as well"),
            QStringLiteral("Many teachers reduce 33 like any other number"));

    const QList<YReading> ys = ysOf(parts, rules.wVowelAfterVowel);
    for (int k = 0; k < ys.size(); ++k) {
        Rules other = rules;
        const bool vowel = ys[k].vowel != rules.ysCountedOtherWay.contains(k);
        if (other.ysCountedOtherWay.contains(k))
            other.ysCountedOtherWay.removeAll(k);
        else
            other.ysCountedOtherWay << k;
        methods << OtherMethod{
            other,
            QStringLiteral("This chart decides each Y by the letter rule, not by its sound: it "
                           "counted %1 as a %2 (%3). A teacher who goes by the sound and hears it "
                           "as a %4 would count it the other way")
                .arg(ys[k].which, vowel ? QStringLiteral("vowel") : QStringLiteral("consonant"),
                     ys[k].why, vowel ? QStringLiteral("consonant") : QStringLiteral("vowel"))};
    }
    return methods;
}

} // namespace

QList<Span> pinnacleSpans(const QDate& birth, int lifePath)
{
    const int first = 36 - reduce(lifePath, false);
    return spansEnding(birth, {first, first + 9, first + 18, -1});
}

QList<Span> periodSpans(const QDate& birth, int lifePath, const Rules& rules)
{
    if (rules.periodsFollowPinnacles) {
        const int first = 36 - reduce(lifePath, false);
        return spansEnding(birth, {first, first + 27, -1});
    }
    return spansEnding(birth, {rules.firstPeriodEnds, rules.secondPeriodEnds, -1});
}

int personalYear(const QDate& birth, int year, const Rules& rules)
{
    return reduced(sumOf(personalYearDigits(birth, year)), rules.personalCyclesKeepMasters);
}

int personalMonth(const QDate& birth, int year, int month, const Rules& rules)
{
    return reduced(sumOf(personalMonthDigits(birth, year, month)), rules.personalCyclesKeepMasters);
}

namespace {

// The chart by these rules; without withTimes, the values and working alone (what another
// method is compared by): no spans, no year ahead.
Chart workChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                const Rules& rules, bool withTimes)
{
    Chart chart;
    const QString name = nameParts.join(QLatin1Char(' '));
    const QList<QList<bool>> vowelFlags = vowelsOf(nameParts, rules);
    QList<int> vowels;
    QList<int> consonants;
    for (int p = 0; p < nameParts.size(); ++p) {
        vowels << valuesIn(nameParts[p], vowelFlags[p], Letters::Vowels);
        consonants << valuesIn(nameParts[p], vowelFlags[p], Letters::Consonants);
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

    chart.numbers << lifePathNumber(birth, rules);
    const int lifePath = chart.numbers.last().values[0];

    const Keep keepName(rules.nameNumbersKeepMasters, rules.keeps33);
    const auto nameNo = [&](Subject subject, Letters which, bool partsFirst, int* value) {
        const NameNumber number = nameNumber(nameParts, vowelFlags, which, partsFirst, keepName);
        *value = number.value;
        return Number{subject, {number.value}, number.working, {}, {}, {}, -1, {}};
    };
    int expression = 0;
    int soulsUrge = 0;
    int personality = 0;
    chart.numbers << nameNo(Expression, Letters::All, rules.expressionPartsFirst, &expression);
    chart.numbers << nameNo(SoulsUrge, Letters::Vowels, rules.soulsUrgePartsFirst, &soulsUrge);
    chart.numbers << nameNo(Personality, Letters::Consonants, rules.personalityPartsFirst,
                            &personality);

    chart.numbers << Number{Birthday,
                            {birth.day()},
                            {QStringLiteral("%1 %2: the day of the month, not reduced, is %2")
                                 .arg(QLocale::c().monthName(birth.month()))
                                 .arg(birth.day())},
                            {},
                            {},
                            {},
                            -1,
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
                      {},
                      {},
                      {},
                      -1,
                      {}};
    };
    chart.numbers << bridge(LifePathExpressionBridge, QStringLiteral("Life Path"), lifePath,
                            QStringLiteral("Expression"), expression);
    chart.numbers << bridge(HeartDesirePersonalityBridge, QStringLiteral("Personality"),
                            personality, QStringLiteral("Soul's Urge"), soulsUrge);

    {
        QStringList initials;
        QStringList valued;
        QList<int> values;
        for (const QString& part : nameParts) {
            initials << QString(part.at(0));
            values << letterValue(part.at(0));
            valued << QString(part.at(0)) + QLatin1String(" = ") + num(values.last());
        }
        Number balance{Balance, {}, {}, {}, {}, {}, -1, {}};
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
        const int b = reduce(expression, false);
        const int total = a + b;
        const Keep keep(rules.maturityKeepsMasters, rules.keeps33);
        Number maturity{Maturity, {}, {}, {}, {}, {}, -1, {}};
        maturity.working << asSingleDigit(QStringLiteral("Life Path"), lifePath) +
                                QLatin1String(" plus ") +
                                asSingleDigit(QStringLiteral("Expression"), expression) +
                                QLatin1String(": ") + added({a, b});
        maturity.working << reductionLines(total, keep);
        maturity.values = {reduced(total, keep)};
        chart.numbers << maturity;
    }

    const QList<Span> spans = withTimes ? pinnacleSpans(birth, lifePath) : QList<Span>();
    const QString rule = withTimes ? QStringLiteral("36 - %1 = %2 (%3)")
                                         .arg(reduce(lifePath, false))
                                         .arg(spans[0].untilAge)
                                         .arg(asSingleDigit(QStringLiteral("Life Path"), lifePath))
                                   : QString();
    {
        Number pinnacle = pinnacles(birth, rules);
        if (withTimes)
            setSpans(
                pinnacle, QStringLiteral("Pinnacle"), spans, lookAt,
                QStringLiteral("When each runs: the first from birth until age %1, the next two "
                               "nine years each, the fourth for the rest of life.")
                    .arg(rule));
        chart.numbers << pinnacle;
    }

    {
        const int month = reduce(birth.month(), false);
        const int day = reduce(birth.day(), false);
        const int year = reduce(birth.year(), false);
        const int first = std::abs(month - day);
        const int second = std::abs(day - year);
        Number challenge{
            Challenge, {first, second, std::abs(first - second), std::abs(month - year)},
            {},        {},
            {},        {},
            -1,        {}};
        challenge.working
            << reducedDateLine(birth, false)
            << QLatin1String("First Challenge, from month and day: ") + difference(month, day)
            << QLatin1String("Second Challenge, from day and year: ") + difference(day, year)
            << QLatin1String("Third Challenge, the main one, from the first two: ") +
                   difference(first, second)
            << QLatin1String("Fourth Challenge, from month and year: ") + difference(month, year);
        if (withTimes)
            setSpans(
                challenge, QStringLiteral("Challenge"), spans, lookAt,
                QStringLiteral("When each runs: on the spans of the Pinnacles, the first from "
                               "birth until age %1, the next two nine years each, the fourth for "
                               "the rest of life.")
                    .arg(rule));
        chart.numbers << challenge;
    }

    {
        const Keep keep(rules.periodsKeepMasters, rules.keeps33);
        Number periods{
            LifePathPeriod,
            {reduced(birth.month(), keep), reduced(birth.day(), keep), reduced(birth.year(), keep)},
            {},
            {},
            {},
            {},
            -1,
            {}};
        periods.working << QLatin1String("First period, from the birth ") +
                               labelled("month ", birth.month(), keep)
                        << QLatin1String("Second period, from the birth ") +
                               labelled("day ", birth.day(), keep)
                        << QLatin1String("Third period, from the birth ") +
                               labelled("year ", birth.year(), keep);
        const QList<Span> periodAges = periodSpans(birth, lifePath, rules);
        if (withTimes)
            setSpans(
                periods, QStringLiteral("period"), periodAges, lookAt,
                rules.periodsFollowPinnacles
                    ? QStringLiteral("When each runs: the first from birth until the First "
                                     "Pinnacle ends, at age %1, the second for the next 27 years, "
                                     "the third for the rest of life.")
                          .arg(periodAges[0].untilAge)
                    : QStringLiteral("When each runs: the first from birth until age %1, the "
                                     "second until age %2, the third for the rest of life.")
                          .arg(periodAges[0].untilAge)
                          .arg(periodAges[1].untilAge));
        chart.numbers << periods;
    }

    const Keep keepCycles = rules.personalCyclesKeepMasters;
    const auto cycle = [keepCycles](Subject subject, const QString& inputs,
                                    const QList<int>& digits) {
        Number n{
            subject, {reduced(sumOf(digits), keepCycles)}, {inputs, added(digits)}, {}, {}, {}, -1,
            {}};
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
                           personalMonthDigits(birth, lookAt.year(), lookAt.month()));
    Number year = cycle(PersonalYear, born + QStringLiteral("; the year %1").arg(lookAt.year()),
                        personalYearDigits(birth, lookAt.year()));
    for (int later = 1; withTimes && later <= 2; ++later) {
        const QList<int> digits = personalYearDigits(birth, lookAt.year() + later);
        year.ahead << CycleAhead{PersonalYear, lookAt.year() + later, 0,
                                 reduced(sumOf(digits), keepCycles),
                                 cycleWorking(digits, keepCycles)};
    }
    for (int month = 1; withTimes && month <= 12; ++month) {
        const QList<int> digits = personalMonthDigits(birth, lookAt.year(), month);
        year.ahead << CycleAhead{PersonalMonth,
                                 lookAt.year(),
                                 month,
                                 reduced(sumOf(digits), keepCycles),
                                 cycleWorking(digits, keepCycles),
                                 month == lookAt.month()};
    }
    chart.numbers << year;
    return chart;
}

} // namespace

Chart chartByRules(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                   const Rules& rules, bool withTimes)
{
    return workChart(nameParts, birth, lookAt, rules, withTimes);
}

Chart calculateChart(const QStringList& nameParts, const QDate& birth, const QDate& lookAt,
                     const Rules& rules)
{
    Chart chart = chartByRules(nameParts, birth, lookAt, rules);
    if (!chart.problem.isEmpty())
        return chart;
    for (const OtherMethod& method : otherMethods(nameParts, rules)) {
        const Chart other = workChart(nameParts, birth, lookAt, method.rules, false);
        if (!other.problem.isEmpty())
            continue; // another reading of the letters that leaves no vowel or no consonant
        for (int s = 0; s < chart.numbers.size(); ++s) {
            const Number& theirs = other.numbers[s];
            if (theirs.values == chart.numbers[s].values)
                continue;
            chart.numbers[s].otherMethods
                << QStringLiteral("%1. Worked that way: %2. It gives %3.")
                       .arg(method.name, theirs.working.join(QLatin1String("; ")),
                            quoted(theirs.values));
        }
    }
    // The other common timing of the periods: the first ends with the First Pinnacle.
    Rules otherPeriods = rules;
    otherPeriods.periodsFollowPinnacles = !rules.periodsFollowPinnacles;
    Number& periods = chart.numbers[LifePathPeriod];
    const QList<Span> theirs = periodSpans(birth, chart.numbers[LifePath].values[0], otherPeriods);
    if (theirs[0].untilAge != periods.spans[0].untilAge ||
        theirs[1].untilAge != periods.spans[1].untilAge) {
        int current = 0;
        for (int k = 0; k < theirs.size(); ++k) {
            if (theirs[k].contains(lookAt))
                current = k;
        }
        const char* const names[] = {"first", "second", "third"};
        periods.otherMethods
            << (otherPeriods.periodsFollowPinnacles
                    ? QStringLiteral("Some teachers end the first period with the First Pinnacle, "
                                     "at age %1, and the second 27 years later, at age %2")
                    : QStringLiteral("Many teachers end the first period at age %1 and the second "
                                     "at age %2"))
                       .arg(theirs[0].untilAge)
                       .arg(theirs[1].untilAge) +
                   QStringLiteral("; then on %1 the %2 period is in force.")
                       .arg(spelledDate(lookAt), QLatin1String(names[current]));
    }
    return chart;
}

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

int reduce(int n, bool keepMasters, bool keep33)
{
    return reduced(n, Keep(keepMasters, keep33));
}

bool isVowelAt(const QString& word, int i, bool wVowelAfterVowel)
{
    const QChar c = word.at(i);
    if (isPlainVowel(c))
        return true;
    const bool vowelBefore = i > 0 && isPlainVowel(word.at(i - 1));
    const bool vowelAfter = i + 1 < word.size() && isPlainVowel(word.at(i + 1));
    if (c == QLatin1Char('Y'))
        return !vowelBefore && !vowelAfter;
    if (c == QLatin1Char('W'))
        return wVowelAfterVowel && vowelBefore;
    return false;
}

NameReading readName(const QString& typed)
{
    NameReading reading;
    // Composed first, so that a letter typed with a separate accent is one character.
    // Blanks at either end are not part of the name.
    QString name = typed.normalized(QString::NormalizationForm_C);
    while (!name.isEmpty() && name.back().isSpace())
        name.chop(1);
    while (!name.isEmpty() && name.front().isSpace())
        name.remove(0, 1);
    if (name.size() > MaximumNameLength) {
        reading.problem = QStringLiteral("The full name at birth can be at most %1 characters "
                                         "long; this one has %2.")
                              .arg(MaximumNameLength)
                              .arg(name.size());
        return reading;
    }
    QString word;
    QString asTyped;
    const auto endWord = [&] {
        if (!word.isEmpty())
            reading.parts << word;
        if (!word.isEmpty() && asTyped.contains(QLatin1Char('-')))
            reading.hyphenated << asTyped;
        word.clear();
        asTyped.clear();
    };
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        // A tab or a no-break space, as a pasted name may hold, parts the name like a space.
        if (c.isSpace()) {
            endWord();
            continue;
        }
        asTyped += c;
        if (c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019))
            continue;
        const QChar upper = c.toUpper();
        if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z')) {
            word += upper;
            continue;
        }
        // Letters with a plain reading of their own that no decomposition gives.
        const QString plain = plainReading(c);
        if (!plain.isEmpty()) {
            word += plain;
            const QString note = QString(c) + QLatin1String(" as ") + plain;
            if (!reading.readAs.contains(note))
                reading.readAs << note;
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
        reading.hyphenated.clear();
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

QString spelledDate(const QDate& date)
{
    return QLocale::c().monthName(date.month()) + QLatin1Char(' ') + QString::number(date.day()) +
           QLatin1String(", ") + QString::number(date.year());
}

} // namespace corvella::numerology
