#include "practice/sums.h"

#include <QRegularExpression>

#include <functional>
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

QList<int> valuesBy(const QStringList& parts, const Person& person, Subject subject,
                    const Rules& rules)
{
    const numerology::Chart chart =
        numerology::calculateChart(parts, person.birth, person.lookAt, rules);
    if (!chart.problem.isEmpty() || subject < 0 || subject >= chart.numbers.size())
        return {};
    return chart.numbers.at(subject).values;
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

struct Slip
{
    // The learner's values under the other rule or method; empty when it does not apply.
    std::function<QList<int>()> values;
    QString message;
};

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

SumInput readSumInput(const QString& typed, Subject subject)
{
    SumInput input;
    const int wanted = valueCountOf(subject);
    const QString example = wanted == 4   ? QStringLiteral("\"3, 7, 1, 11\"")
                            : wanted == 3 ? QStringLiteral("\"3, 7, 1\"")
                                          : QStringLiteral("\"7\"");
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
        numerology::calculateChart(parts, person.birth, person.lookAt, taught);
    if (!chart.problem.isEmpty() || subject < 0 || subject >= chart.numbers.size()) {
        verdict.working << chart.problem;
        return verdict;
    }
    const numerology::Number& number = chart.numbers.at(subject);
    verdict.expected = number.values;
    verdict.working = number.working;
    verdict.right = values == number.values;
    if (verdict.right)
        return verdict;

    const auto varied = [&](auto change) {
        return [&, change] {
            Rules rules = taught;
            change(rules);
            return valuesBy(parts, person, subject, rules);
        };
    };
    const QList<Slip> slips = {
        {varied([](Rules& r) {
             r.lifePathKeepsMasters = false;
             r.nameNumbersKeepMasters = false;
             r.maturityKeepsMasters = false;
             r.periodsKeepMasters = false;
         }),
         QStringLiteral("That is the value with 11 or 22 reduced on to 2 or 4; here the lessons "
                        "keep 11 and 22 as master numbers.")},
        {varied([](Rules& r) {
             r.pinnaclesKeepMasters = true;
             r.balanceKeepsMasters = true;
             r.personalCyclesKeepMasters = true;
         }),
         QStringLiteral("That is the value with 11 or 22 kept; here the lessons reduce them on "
                        "to 2 or 4.")},
        {varied([](Rules& r) { r.lifePathFromEveryDigit = !r.lifePathFromEveryDigit; }),
         QStringLiteral("That comes from a Life Path worked out with the month, day and year "
                        "reduced first; the lessons add every digit of the birth date at once.")},
        {varied([](Rules& r) { r.personalityPartsFirst = !r.personalityPartsFirst; }),
         QStringLiteral("That comes from a Personality with every consonant added all at once; "
                        "the lessons total and reduce each name first, then add them.")},
        {varied([](Rules& r) { r.expressionPartsFirst = !r.expressionPartsFirst; }),
         QStringLiteral("That comes from an Expression worked out name by name; the lessons add "
                        "every letter of the full name at once.")},
        {varied([](Rules& r) { r.soulsUrgePartsFirst = !r.soulsUrgePartsFirst; }),
         QStringLiteral("That comes from a Soul's Urge worked out name by name; the lessons add "
                        "every vowel of the full name at once.")},
        {varied([ys = everyY(parts)](Rules& r) { r.ysCountedOtherWay = ys; }),
         QStringLiteral("That is what counting Y the other way gives; the lessons count Y as a "
                        "vowel only when no vowel stands beside it.")},
        {varied([](Rules& r) { r.wVowelAfterVowel = false; }),
         QStringLiteral("That is what never counting W as a vowel gives; the lessons count W as a "
                        "vowel straight after A, E, I, O or U.")},
    };
    // A number of several values: the slip may touch some of them and not others; every value
    // the learner has wrong must be the one the slip gives.
    const auto explains = [&](const QList<int>& other) {
        if (other.size() != values.size() || values.size() != number.values.size())
            return false;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (values[i] != number.values[i] && values[i] != other[i])
                return false;
        }
        return true;
    };
    for (const Slip& slip : slips) {
        if (explains(slip.values())) {
            verdict.slip = slip.message;
            break;
        }
    }
    return verdict;
}

} // namespace corvella::practice
