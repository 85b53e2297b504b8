#include "practice/sums.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <iterator>

namespace corvella::practice {

using numerology::Rules;
using numerology::Subject;

namespace {

// Invented names, ordinary to the ear; none belongs to anyone in particular.
const char* const FirstNames[] = {
    "Alda",   "Brennor",  "Calla",   "Dorin",  "Elsbeth",  "Fenna",  "Garrow",  "Hollis",
    "Ilsa",   "Jorun",    "Kestra",  "Lowell", "Marris",   "Nella",  "Orrin",   "Perrin",
    "Quenna", "Rosalind", "Silvan",  "Tamsin", "Ulla",     "Verity", "Wendell", "Yarrow",
    "Zelda",  "Arlen",    "Bettany", "Corin",  "Delphine", "Edric",  "Fenwick", "Greer",
    "Halden", "Imogen",   "Jessamy", "Kellan", "Linnea",   "Maddox", "Noreen",  "Oswin",
};
const char* const LastNames[] = {
    "Ashcombe", "Brantley",  "Calloway", "Dunmore",   "Elsworth",  "Farrant",   "Galloway",
    "Hartwell", "Ingleby",   "Jessop",   "Kettering", "Larkmoor",  "Marlowe",   "Northcote",
    "Oakhurst", "Pennick",   "Quarrie",  "Redfern",   "Stillwell", "Thornbury", "Underhill",
    "Varley",   "Whitcombe", "Yeoford",  "Alderney",  "Birchall",  "Coverdale", "Drayfield",
    "Emberton", "Fallowby",  "Greywell", "Hollins",   "Ivesley",   "Kempton",   "Lyndell",
    "Merriott", "Netherby",  "Ormsby",   "Pellow",    "Rainsford",
};

template <typename T, size_t N> QString pick(RandomDraw& draw, T (&names)[N])
{
    return QString::fromLatin1(names[draw.below(static_cast<int>(N))]);
}

const QDate EarliestBirth(1940, 1, 1);

QString countWord(int n)
{
    static const char* const words[] = {"no", "one", "two", "three", "four", "five"};
    return n >= 0 && n <= 5 ? QString::fromLatin1(words[n]) : QString::number(n);
}

// What the learner types for the number: "the Pinnacle Numbers, four values".
QString expectedInput(Subject subject)
{
    switch (subject) {
    case numerology::Pinnacle:
        return QStringLiteral("the four Pinnacle Numbers, first to fourth");
    case numerology::Challenge:
        return QStringLiteral("the four Challenge Numbers, first to fourth");
    case numerology::LifePathPeriod:
        return QStringLiteral("the three Life Path Period Numbers, first to third");
    default:
        return QStringLiteral("one number");
    }
}

// The number by these rules: its values and working; no values when the name cannot be worked
// that way.
numerology::Number numberBy(const QStringList& parts, const Person& person, Subject subject,
                            const Rules& rules)
{
    const numerology::Chart chart =
        numerology::chartByRules(parts, person.birth, person.lookAt, rules, false);
    if (!chart.problem.isEmpty() || subject < 0 || subject >= chart.numbers.size())
        return {};
    return chart.numbers.at(subject);
}

// Every Y of the name, counted from 0 through all its parts.
QList<int> everyY(const QStringList& parts)
{
    QList<int> ys;
    for (const QString& part : parts) {
        for (QChar letter : part) {
            if (letter == u'Y')
                ys << static_cast<int>(ys.size());
        }
    }
    return ys;
}

// Slips that no common method makes: the rules a learner who slipped would have worked by, and
// the line that names the slip.
struct Slip
{
    Rules rules;
    QString message;
};

QList<Slip> slipsFor(const QStringList& parts)
{
    const Rules& taught = numerology::taughtRules();
    Slip mastersReduced{taught, QCoreApplication::translate(
                                    "Sums", "That is the value with 11 or 22 reduced on to 2 or "
                                            "4; here the lessons keep 11 and 22 as master "
                                            "numbers.")};
    mastersReduced.rules.lifePathKeepsMasters = false;
    mastersReduced.rules.nameNumbersKeepMasters = false;
    mastersReduced.rules.maturityKeepsMasters = false;
    mastersReduced.rules.periodsKeepMasters = false;
    Slip mastersKept{taught, QCoreApplication::translate(
                                 "Sums", "That is the value with 11 or 22 kept; here the lessons "
                                         "reduce them on to 2 or 4.")};
    mastersKept.rules.balanceKeepsMasters = true;
    mastersKept.rules.personalCyclesKeepMasters = true;
    Slip ysTurned{taught, QCoreApplication::translate(
                              "Sums", "That is what counting Y the other way gives; the lessons "
                                      "count Y as a vowel only when no vowel stands beside it.")};
    ysTurned.rules.ysCountedOtherWay = everyY(parts);
    return {mastersReduced, mastersKept, ysTurned};
}

} // namespace

Person inventPerson(RandomDraw& draw, const QDate& today)
{
    Person person;
    // The middle name from the other first names: one draw, whatever the random source gives.
    constexpr int firstCount = static_cast<int>(std::size(FirstNames));
    const int first = draw.below(firstCount);
    int middle = draw.below(firstCount - 1);
    if (middle >= first)
        ++middle;
    person.name = QString::fromLatin1(FirstNames[first]) + u' ' +
                  QString::fromLatin1(FirstNames[middle]) + u' ' + pick(draw, LastNames);
    const QDate latest = std::max(today.addYears(-16), EarliestBirth);
    const qint64 span = EarliestBirth.daysTo(latest);
    person.birth = EarliestBirth.addDays(draw.below(static_cast<int>(span + 1)));
    person.lookAt = today;
    return person;
}

int valueCountOf(Subject subject)
{
    switch (subject) {
    case numerology::Pinnacle:
    case numerology::Challenge:
        return 4;
    case numerology::LifePathPeriod:
        return 3;
    default:
        return 1;
    }
}

QString sumInputExample(Subject subject)
{
    switch (subject) {
    case numerology::Pinnacle:
        return QStringLiteral("3, 7, 1, 11"); // born August 4, 1983: month 8, day 4, year 3
    case numerology::Challenge:
        return QStringLiteral("4, 3, 1, 7"); // born September 5, 1991: month 9, day 5, year 2
    case numerology::LifePathPeriod:
        return QStringLiteral("3, 7, 1"); // born March 7, 1990
    default:
        return QStringLiteral("7");
    }
}

QString sumMarkText(SumMark mark)
{
    switch (mark) {
    case SumMark::Right:
        return QCoreApplication::translate("Sums", "Right");
    case SumMark::RightByAnotherMethod:
        return QCoreApplication::translate("Sums", "Right by another method");
    case SumMark::Wrong:
        break;
    }
    return QCoreApplication::translate("Sums", "Wrong");
}

SumInput readSumInput(const QString& typed, Subject subject)
{
    SumInput input;
    const int wanted = valueCountOf(subject);
    const QString example = u'"' + sumInputExample(subject) + u'"';
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty()) {
        input.problem =
            QStringLiteral("Please type %1, for example %2.").arg(expectedInput(subject), example);
        return input;
    }
    static const QRegularExpression separator(QStringLiteral("\\s*,\\s*|\\s+"));
    const QStringList parts = trimmed.split(separator);
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            input.problem = QStringLiteral("A value is missing between two commas; please type "
                                           "%1, for example %2.")
                                .arg(expectedInput(subject), example);
            input.values.clear();
            return input;
        }
        bool digitsOnly = part.size() <= 4;
        for (const QChar c : part)
            digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
        if (!digitsOnly) {
            input.problem =
                QStringLiteral("\"%1\" is not a whole number of up to four digits; please type "
                               "%2, for example %3.")
                    .arg(part.left(20), expectedInput(subject), example);
            input.values.clear();
            return input;
        }
        input.values << part.toInt();
    }
    if (input.values.size() != wanted) {
        input.problem = QStringLiteral("You typed %1 values; please type %2, for example %3.")
                            .arg(countWord(static_cast<int>(input.values.size())),
                                 expectedInput(subject), example);
        if (input.values.size() == 1)
            input.problem.replace(QStringLiteral("one values"), QStringLiteral("one value"));
        input.values.clear();
    }
    return input;
}

SumVerdict checkSum(const Person& person, Subject subject, const QList<int>& values)
{
    SumVerdict verdict;
    const QStringList parts = numerology::readName(person.name).parts;
    const Rules& taught = numerology::taughtRules();
    const numerology::Chart chart =
        numerology::chartByRules(parts, person.birth, person.lookAt, taught, false);
    if (!chart.problem.isEmpty() || subject < 0 || subject >= chart.numbers.size()) {
        verdict.working << chart.problem;
        return verdict;
    }
    const numerology::Number& number = chart.numbers.at(subject);
    verdict.expected = number.values;
    verdict.working = number.working;
    verdict.right = values == number.values;
    if (verdict.right) {
        verdict.mark = SumMark::Right;
        return verdict;
    }

    const QList<numerology::MethodForName> methods = numerology::methodsFor(parts, taught);
    for (const numerology::MethodForName& method : methods) {
        const numerology::Number theirs = numberBy(parts, person, subject, method.rules);
        if (!theirs.values.isEmpty() && theirs.values == values) {
            verdict.mark = SumMark::RightByAnotherMethod;
            verdict.right = true;
            verdict.method = method.sentence;
            verdict.methodWorking = theirs.working;
            verdict.slip = method.sentence;
            return verdict;
        }
    }

    // A number of several values: a method or a slip may touch some of them and not others;
    // every value the learner has wrong must be the one it gives. Values that mix the lessons'
    // and a method's are no one method's, so they stay wrong, with the method named.
    const auto explains = [&](const QList<int>& other) {
        if (other.size() != values.size() || values.size() != number.values.size())
            return false;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (values[i] != number.values[i] && values[i] != other[i])
                return false;
        }
        return true;
    };
    QList<Slip> slips;
    for (const numerology::MethodForName& method : methods)
        slips << Slip{method.rules, method.sentence};
    slips << slipsFor(parts);
    for (const Slip& slip : slips) {
        if (explains(numberBy(parts, person, subject, slip.rules).values)) {
            verdict.slip = slip.message;
            break;
        }
    }
    return verdict;
}

} // namespace corvella::practice
