#include "numerology/letters.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace corvella::numerology {

namespace {

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

// The plain letters c is read as: itself in capitals, its plain reading, or the base of an
// accented Latin letter. Empty for anything else.
QString plainLetters(QChar c)
{
    const QChar upper = c.toUpper();
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z'))
        return QString(upper);
    // Letters with a plain reading of their own that no decomposition gives.
    const QString plain = plainReading(c);
    if (!plain.isEmpty())
        return plain;
    // An accented Latin letter: its decomposition is a plain letter and marks only.
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    const QChar base = decomposed.at(0).toUpper();
    bool marksOnly = decomposed.size() > 1;
    for (int k = 1; k < decomposed.size(); ++k)
        marksOnly = marksOnly && decomposed.at(k).isMark();
    if (c.isLetter() && marksOnly && base >= QLatin1Char('A') && base <= QLatin1Char('Z'))
        return QString(base);
    return QString();
}

// Why the character at i stops the name from being read, naming it.
QString refusal(const QString& name, int i)
{
    const QChar c = name.at(i);
    QString shown = QString(c);
    if (c.isHighSurrogate() && i + 1 < name.size())
        shown += name.at(i + 1);
    const QString code =
        QStringLiteral("U+%1").arg(shown.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
    if (c.isPrint() && !c.isSpace() && !c.isMark())
        return QCoreApplication::translate(
                   "Numerology",
                   "The full name at birth can hold only letters, spaces, hyphens "
                   "and apostrophes; \"%1\" (%2) is not one of them, so nothing was "
                   "calculated.",
                   "%1: the character; %2: its code, as U+00E9")
            .arg(shown, code);
    return QCoreApplication::translate(
               "Numerology",
               "The full name at birth can hold only letters, spaces, hyphens and "
               "apostrophes; the character %1 is not one of them, so nothing was "
               "calculated.",
               "%1: the character's code, as U+00A0")
        .arg(code);
}

} // namespace

int letterValue(QChar letter)
{
    const char16_t c = letter.toUpper().unicode();
    if (c < u'A' || c > u'Z')
        return 0;
    return (c - u'A') % 9 + 1;
}

bool isPlainVowel(QChar c)
{
    return c == QLatin1Char('A') || c == QLatin1Char('E') || c == QLatin1Char('I') ||
           c == QLatin1Char('O') || c == QLatin1Char('U');
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

bool ySoundsAsVowelAt(const QString& word, int i)
{
    return !(i + 1 < word.size() && isPlainVowel(word.at(i + 1)));
}

QList<QList<bool>> vowelsOf(const QStringList& parts, const Rules& rules)
{
    QList<QList<bool>> result;
    int y = 0;
    for (const QString& part : parts) {
        QList<bool> vowels;
        for (int i = 0; i < part.size(); ++i) {
            const bool isY = part.at(i) == QLatin1Char('Y');
            bool vowel = isY && rules.ysBySound ? ySoundsAsVowelAt(part, i)
                                                : isVowelAt(part, i, rules.wVowelAfterVowel);
            if (isY && rules.ysCountedOtherWay.contains(y++))
                vowel = !vowel;
            vowels << vowel;
        }
        result << vowels;
    }
    return result;
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
        reading.problem = QCoreApplication::translate("Numerology",
                                                      "The full name at birth can be at most %n "
                                                      "characters long; this one has %1.",
                                                      nullptr, MaximumNameLength)
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
        const QString plain = plainLetters(c);
        if (plain.isEmpty()) {
            reading = NameReading();
            reading.problem = refusal(name, i);
            return reading;
        }
        word += plain;
        const QString note =
            QCoreApplication::translate("Numerology", "%1 as %2",
                                        "a letter of the name and the plain letters it counts as")
                .arg(QString(c), plain);
        if (plain != QString(c.toUpper()) && !reading.readAs.contains(note))
            reading.readAs << note;
    }
    endWord();
    if (reading.parts.isEmpty()) {
        reading.problem = QCoreApplication::translate(
            "Numerology", "Please type the full name at birth: at least one letter.");
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

QString monthName(int month)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Numerology", "January"),   QT_TRANSLATE_NOOP("Numerology", "February"),
        QT_TRANSLATE_NOOP("Numerology", "March"),     QT_TRANSLATE_NOOP("Numerology", "April"),
        QT_TRANSLATE_NOOP("Numerology", "May"),       QT_TRANSLATE_NOOP("Numerology", "June"),
        QT_TRANSLATE_NOOP("Numerology", "July"),      QT_TRANSLATE_NOOP("Numerology", "August"),
        QT_TRANSLATE_NOOP("Numerology", "September"), QT_TRANSLATE_NOOP("Numerology", "October"),
        QT_TRANSLATE_NOOP("Numerology", "November"),  QT_TRANSLATE_NOOP("Numerology", "December"),
    };
    return month >= 1 && month <= 12 ? QCoreApplication::translate("Numerology", names[month - 1])
                                     : QString();
}

QString spelledDate(const QDate& date)
{
    // In the language the program speaks, as the lessons write their dates: a translation
    // gives its own month names and order.
    return QCoreApplication::translate("Numerology", "%1 %2, %3",
                                       "a date: the month's name, the day, the year")
        .arg(monthName(date.month()))
        .arg(date.day())
        .arg(date.year());
}

} // namespace corvella::numerology
