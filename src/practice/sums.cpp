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

// How many values were typed, in words ("You typed two values").
const char* const CountWords[][2] = {
    QT_TRANSLATE_NOOP3("Sums", "no", "how many values were typed"),
    QT_TRANSLATE_NOOP3("Sums", "one", "how many values were typed"),
    QT_TRANSLATE_NOOP3("Sums", "two", "how many values were typed"),
    QT_TRANSLATE_NOOP3("Sums", "three", "how many values were typed"),
    QT_TRANSLATE_NOOP3("Sums", "four", "how many values were typed"),
    QT_TRANSLATE_NOOP3("Sums", "five", "how many values were typed"),
};

QString countWord(int n)
{
    if (n < 0 || n >= static_cast<int>(std::size(CountWords)))
        return QString::number(n);
    return QCoreApplication::translate("Sums", CountWords[n][0], CountWords[n][1]);
}

// What the learner is told when the typed values cannot be read, each sentence whole for each
// kind of number: one value, or the four Pinnacles, the four Challenges, the three periods.
struct InputMessages
{
    const char* blank[2];      // %1: the example
    const char* emptyValue[2]; // %1: the example
    const char* notANumber[2]; // %1: what was typed, %2: the example
    const char* wrongCount[2]; // %1: how many were typed, in words; %2: the example; counts by n
};

const InputMessages OneValue = {
    QT_TRANSLATE_NOOP3("Sums", "Please type one number, for example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "A value is missing between two commas; please type one number, for "
                       "example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "\"%1\" is not a whole number of up to four digits; please type one "
                       "number, for example \"%2\".",
                       "%1: what was typed; %2: an example of the input"),
    QT_TRANSLATE_N_NOOP3("Sums",
                         "You typed %1 value(s); please type one number, for example \"%2\".",
                         "%1: how many values were typed, in words; %2: an example of the input"),
};
const InputMessages Pinnacles = {
    QT_TRANSLATE_NOOP3("Sums",
                       "Please type the four Pinnacle Numbers, first to fourth, for example "
                       "\"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "A value is missing between two commas; please type the four Pinnacle "
                       "Numbers, first to fourth, for example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "\"%1\" is not a whole number of up to four digits; please type the four "
                       "Pinnacle Numbers, first to fourth, for example \"%2\".",
                       "%1: what was typed; %2: an example of the input"),
    QT_TRANSLATE_N_NOOP3("Sums",
                         "You typed %1 value(s); please type the four Pinnacle Numbers, first "
                         "to fourth, for example \"%2\".",
                         "%1: how many values were typed, in words; %2: an example of the input"),
};
const InputMessages Challenges = {
    QT_TRANSLATE_NOOP3("Sums",
                       "Please type the four Challenge Numbers, first to fourth, for example "
                       "\"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "A value is missing between two commas; please type the four Challenge "
                       "Numbers, first to fourth, for example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "\"%1\" is not a whole number of up to four digits; please type the four "
                       "Challenge Numbers, first to fourth, for example \"%2\".",
                       "%1: what was typed; %2: an example of the input"),
    QT_TRANSLATE_N_NOOP3("Sums",
                         "You typed %1 value(s); please type the four Challenge Numbers, first "
                         "to fourth, for example \"%2\".",
                         "%1: how many values were typed, in words; %2: an example of the input"),
};
const InputMessages Periods = {
    QT_TRANSLATE_NOOP3("Sums",
                       "Please type the three Life Path Period Numbers, first to third, for "
                       "example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "A value is missing between two commas; please type the three Life Path "
                       "Period Numbers, first to third, for example \"%1\".",
                       "%1: an example of the input"),
    QT_TRANSLATE_NOOP3("Sums",
                       "\"%1\" is not a whole number of up to four digits; please type the "
                       "three Life Path Period Numbers, first to third, for example \"%2\".",
                       "%1: what was typed; %2: an example of the input"),
    QT_TRANSLATE_N_NOOP3("Sums",
                         "You typed %1 value(s); please type the three Life Path Period "
                         "Numbers, first to third, for example \"%2\".",
                         "%1: how many values were typed, in words; %2: an example of the input"),
};

const InputMessages& inputMessages(Subject subject)
{
    switch (subject) {
    case numerology::Pinnacle:
        return Pinnacles;
    case numerology::Challenge:
        return Challenges;
    case numerology::LifePathPeriod:
        return Periods;
    default:
        return OneValue;
    }
}

QString say(const char* const (&message)[2], int n = -1)
{
    return QCoreApplication::translate("Sums", message[0], message[1], n);
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
    const InputMessages& messages = inputMessages(subject);
    const QString example = sumInputExample(subject);
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty()) {
        input.problem = say(messages.blank).arg(example);
        return input;
    }
    static const QRegularExpression separator(QStringLiteral("\\s*,\\s*|\\s+"));
    const QStringList parts = trimmed.split(separator);
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            input.problem = say(messages.emptyValue).arg(example);
            input.values.clear();
            return input;
        }
        bool digitsOnly = part.size() <= 4;
        for (const QChar c : part)
            digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
        if (!digitsOnly) {
            input.problem = say(messages.notANumber).arg(part.left(20), example);
            input.values.clear();
            return input;
        }
        input.values << part.toInt();
    }
    if (input.values.size() != wanted) {
        const int count = static_cast<int>(input.values.size());
        input.problem = say(messages.wrongCount, count).arg(countWord(count), example);
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
