#include "practice/progress.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cmath>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

// The progress file's text, written and read. Version 2, one record per line, fields parted by
// single spaces; every text is percent-encoded UTF-8, so no field holds a blank or a line
// break:
//
//   CorvellaFreeLearnNumerology progress 2
//   # comment lines and blank lines are passed over
//   settings retention=0.90 new=10 reviews=100
//   day date=2026-12-07 new=3 more=0 reviews=12
//   card key=meaning/9/22 stability=3.1730 difficulty=5.2825 last=2026-12-07 due=2026-12-10
//        right=3 wrong=1 missed=0 relearning=0            (one line)
//   test date=2026-12-07 kind=significance score=12 of=15
//   question card=significance/3 asked=... chosen=... correct=...
//   end
//
// A stability of 0 is a card never answered. Version 1 had "new-cards day=... shown=..." and
// "card key=... box=0..5 due=... right=... wrong=... missed=..."; it is read and converted (a box
// becomes its interval as stability). "end" closes every file this program writes, so a file cut
// short at a line break is told from a whole one. A UTF-8 byte-order mark before the first line
// is passed over.

namespace corvella::practice {

namespace {

const QByteArray Magic = QByteArrayLiteral("CorvellaFreeLearnNumerology progress ");
const QByteArray EndLine = QByteArrayLiteral("end");
constexpr int MaximumCount = 999999999;

// "yyyy-MM-dd"; the empty text for no date, and for a date whose year has not four digits.
void appendDate(QByteArray& out, const QDate& date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return;
    char text[16];
    const int length =
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year(), date.month(), date.day());
    out.append(text, length);
}

QByteArray encoded(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

// Digits only, leading zeros allowed, at most nine of them.
std::optional<int> digits(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A plain whole number 0..MaximumCount: digits only, no sign, no leading zero.
std::optional<int> count(QByteArrayView text)
{
    if (text.size() > 1 && text.front() == '0')
        return std::nullopt;
    return digits(text);
}

// "yyyy-MM-dd" and a real day; the empty text is no date.
std::optional<QDate> date(QByteArrayView text)
{
    if (text.isEmpty())
        return QDate();
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = digits(text.first(4));
    const auto month = digits(text.sliced(5, 2));
    const auto day = digits(text.sliced(8, 2));
    if (!year || !month || !day || *year < 1)
        return std::nullopt;
    const QDate d(*year, *month, *day);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

// A plain decimal "123" or "123.4567", at most 12 characters, within 0..maximum.
std::optional<double> decimal(QByteArrayView text, double maximum)
{
    if (text.isEmpty() || text.size() > 12 || text.front() == '.' || text.back() == '.')
        return std::nullopt;
    int points = 0;
    for (const char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return std::nullopt;
    }
    if (points > 1)
        return std::nullopt;
    bool ok = false;
    const double value = QByteArray(text.data(), text.size()).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<bool> flag(QByteArrayView text)
{
    if (text == QByteArrayView("0"))
        return false;
    if (text == QByteArrayView("1"))
        return true;
    return std::nullopt;
}

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Percent-encoded UTF-8, as encoded() writes it (either case of hex digits is taken).
std::optional<QString> text(QByteArrayView field)
{
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '%') {
            if (i + 2 >= field.size() || !isHex(field[i + 1]) || !isHex(field[i + 2]))
                return std::nullopt;
            i += 2;
        } else if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '.' || c == '_' || c == '~')) {
            return std::nullopt;
        }
    }
    const QByteArray bytes = QByteArray::fromPercentEncoding(field.toByteArray());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return std::nullopt;
    return result;
}

constexpr int MaximumFields = 9;
using Fields = std::array<QByteArrayView, MaximumFields>;

// The values of a record's fields, "name=value" each, parted by single blanks, in the order
// given; false when a field is missing, unknown, out of order, or more follow.
bool fields(QByteArrayView rest, std::initializer_list<const char*> names, Fields& values)
{
    size_t i = 0;
    qsizetype at = 0;
    for (const char* name : names) {
        if (at > rest.size() || i >= values.size())
            return false;
        qsizetype end = at;
        while (end < rest.size() && rest[end] != ' ')
            ++end;
        const QByteArrayView token = rest.sliced(at, end - at);
        const QByteArrayView prefix(name);
        if (token.size() <= prefix.size() || !token.startsWith(prefix) ||
            token[prefix.size()] != '=')
            return false;
        values[i++] = token.sliced(prefix.size() + 1);
        at = end + 1; // past the blank, or past the end of the line
    }
    return at == rest.size() + 1;
}

std::optional<CardId> card(QByteArrayView key)
{
    for (const char c : key) {
        if (static_cast<unsigned char>(c) > 0x7e)
            return std::nullopt;
    }
    return cardFromKey(QString::fromLatin1(key));
}

bool readFormatOneCard(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"key", "box", "due", "right", "wrong", "missed"}, f))
        return false;
    const auto id = card(f[0]);
    const auto box = count(f[1]);
    const auto due = date(f[2]);
    const auto right = count(f[3]);
    const auto wrong = count(f[4]);
    const auto missed = flag(f[5]);
    if (!id || !box || *box > LevelCount || !due || !right || !wrong || !missed)
        return false;
    progress.cards.insert(cardKey(*id), stateFromBox(*box, *due, *right, *wrong, *missed));
    return true;
}

bool readCard(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest,
                {"key", "stability", "difficulty", "last", "due", "right", "wrong", "missed",
                 "relearning"},
                f))
        return false;
    const auto id = card(f[0]);
    const auto stability = decimal(f[1], MaximumIntervalDays);
    const auto difficulty = decimal(f[2], 10);
    const auto last = date(f[3]);
    const auto due = date(f[4]);
    const auto right = count(f[5]);
    const auto wrong = count(f[6]);
    const auto missed = flag(f[7]);
    const auto relearning = flag(f[8]);
    if (!id || !stability || !difficulty || !last || !due || !right || !wrong || !missed ||
        !relearning || (*stability > 0 && *difficulty < 1))
        return false;
    CardState state;
    state.stability = *stability;
    state.difficulty = *difficulty;
    state.lastReview = *last;
    state.due = *due;
    state.right = *right;
    state.wrong = *wrong;
    state.missedInTest = *missed;
    state.relearning = *relearning;
    progress.cards.insert(cardKey(*id), state);
    return true;
}

bool readTest(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"date", "kind", "score", "of"}, f))
        return false;
    const auto day = date(f[0]);
    const QByteArrayView which = f[1];
    const bool bySignificance = which == QByteArrayView("significance");
    const auto score = count(f[2]);
    const auto outOf = count(f[3]);
    if (!day || (!bySignificance && which != QByteArrayView("interpretation")) || !score ||
        !outOf || *score > *outOf)
        return false;
    progress.tests.append(FinishedTest{*day, bySignificance, *score, *outOf});
    return true;
}

bool readQuestion(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"card", "asked", "chosen", "correct"}, f))
        return false;
    const auto id = card(f[0]);
    const auto asked = text(f[1]);
    const auto chosen = text(f[2]);
    const auto correct = text(f[3]);
    if (!id || !asked || !chosen || !correct)
        return false;
    progress.lastTest.append(TestQuestion{*asked, *chosen, *correct, *id});
    return true;
}

bool readNewCards(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"day", "shown"}, f))
        return false;
    const auto day = date(f[0]);
    const auto shown = count(f[1]);
    if (!day || !shown)
        return false;
    if (day->isValid())
        progress.days[*day].newShown = *shown;
    return true;
}

bool readDay(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"date", "new", "more", "reviews"}, f))
        return false;
    const auto day = date(f[0]);
    const auto shown = count(f[1]);
    const auto more = count(f[2]);
    const auto reviews = count(f[3]);
    if (!day || !day->isValid() || !shown || !more || !reviews)
        return false;
    progress.days.insert(*day, DayCounts{*shown, *more, *reviews});
    return true;
}

bool readSettings(QByteArrayView rest, Progress& progress)
{
    Fields f;
    if (!fields(rest, {"retention", "new", "reviews"}, f))
        return false;
    const auto retention = decimal(f[0], 1);
    const auto perDay = count(f[1]);
    const auto reviews = count(f[2]);
    if (!retention || !perDay || !reviews)
        return false;
    progress.settings = boundedSettings(SchedulerSettings{*retention, *perDay, *reviews});
    return true;
}

// Reads one record of a file of that version into the progress; false when the line is not
// one.
bool readRecord(QByteArrayView line, int version, Progress& progress)
{
    const qsizetype blank = line.indexOf(' ');
    if (blank < 0)
        return false;
    const QByteArrayView kind = line.first(blank);
    const QByteArrayView rest = line.sliced(blank + 1);
    if (kind == QByteArrayView("card") && version == 1)
        return readFormatOneCard(rest, progress);
    if (kind == QByteArrayView("card") && version >= 2)
        return readCard(rest, progress);
    if (kind == QByteArrayView("test"))
        return readTest(rest, progress);
    if (kind == QByteArrayView("question"))
        return readQuestion(rest, progress);
    if (kind == QByteArrayView("new-cards") && version == 1)
        return readNewCards(rest, progress);
    if (kind == QByteArrayView("day") && version >= 2)
        return readDay(rest, progress);
    if (kind == QByteArrayView("settings") && version >= 2)
        return readSettings(rest, progress);
    return false;
}

ProgressRead garbled()
{
    ProgressRead read;
    read.status = ProgressRead::Status::SetAside;
    read.message = QCoreApplication::translate(
        "Progress",
        "Your practice record could not be read, so it was kept aside and practice starts afresh.");
    return read;
}

} // namespace

bool operator==(const TestQuestion& a, const TestQuestion& b)
{
    return a.asked == b.asked && a.chosen == b.chosen && a.correct == b.correct && a.card == b.card;
}

bool operator==(const FinishedTest& a, const FinishedTest& b)
{
    return a.date == b.date && a.bySignificance == b.bySignificance && a.score == b.score &&
           a.outOf == b.outOf;
}

bool operator==(const Progress& a, const Progress& b)
{
    return a.cards == b.cards && a.tests == b.tests && a.lastTest == b.lastTest &&
           a.days == b.days && a.settings == b.settings;
}

QByteArray writeProgress(const Progress& progress)
{
    QByteArray out;
    out.reserve(4096 + progress.cards.size() * 80 + progress.tests.size() * 64);
    out += Magic + QByteArray::number(ProgressFormatVersion) + '\n';
    out += "# Corvella Learn Numerology: what you have practised. Texts are percent-encoded "
           "UTF-8.\n";
    const SchedulerSettings settings = boundedSettings(progress.settings);
    char numbers[160];
    // QByteArray::number, not printf: the program runs under the user's locale, whose decimal
    // point may be a comma.
    out += "settings retention=" + QByteArray::number(settings.desiredRetention, 'f', 2) +
           " new=" + QByteArray::number(settings.newCardsPerDay) +
           " reviews=" + QByteArray::number(settings.reviewsPerDay) + '\n';
    for (auto it = progress.days.cbegin(); it != progress.days.cend(); ++it) {
        if (!it.key().isValid() || it.key().year() < 1 || it.key().year() > 9999)
            continue;
        out += "day date=";
        appendDate(out, it.key());
        out.append(numbers, std::snprintf(numbers, sizeof numbers, " new=%d more=%d reviews=%d\n",
                                          std::clamp(it->newShown, 0, MaximumCount),
                                          std::clamp(it->moreNew, 0, MaximumCount),
                                          std::clamp(it->reviews, 0, MaximumCount)));
    }
    QStringList keys = progress.cards.keys();
    std::sort(keys.begin(), keys.end());
    for (const QString& key : keys) {
        // Only what the reader takes for a card: anything else would make the file unreadable.
        const std::optional<CardId> id = cardFromKey(key);
        if (!id || cardKey(*id) != key)
            continue;
        const CardState& state = progress.cards.value(key);
        // Four decimals, as the reader takes them back; a card never answered has no model.
        const double stability = std::isfinite(state.stability)
                                     ? std::clamp(state.stability, 0.0, double(MaximumIntervalDays))
                                     : 0.0;
        const bool answered = stability >= 0.00005;
        const double difficulty = answered && std::isfinite(state.difficulty)
                                      ? std::clamp(state.difficulty, 1.0, 10.0)
                                      : 0.0;
        out += "card key=" + key.toLatin1() +
               " stability=" + QByteArray::number(answered ? stability : 0.0, 'f', 4) +
               " difficulty=" + QByteArray::number(difficulty, 'f', 4) + " last=";
        appendDate(out, state.lastReview);
        out += " due=";
        appendDate(out, state.due);
        out.append(numbers, std::snprintf(numbers, sizeof numbers,
                                          " right=%d wrong=%d missed=%d relearning=%d\n",
                                          std::clamp(state.right, 0, MaximumCount),
                                          std::clamp(state.wrong, 0, MaximumCount),
                                          state.missedInTest ? 1 : 0, state.relearning ? 1 : 0));
    }
    for (const FinishedTest& test : progress.tests) {
        const int outOf = std::clamp(test.outOf, 0, MaximumCount);
        out += "test date=";
        appendDate(out, test.date);
        out.append(numbers, std::snprintf(numbers, sizeof numbers, " kind=%s score=%d of=%d\n",
                                          test.bySignificance ? "significance" : "interpretation",
                                          std::clamp(test.score, 0, outOf), outOf));
    }
    for (const TestQuestion& q : progress.lastTest) {
        if (!cardFromKey(cardKey(q.card)))
            continue;
        out += "question card=" + cardKey(q.card).toLatin1() + " asked=" + encoded(q.asked) +
               " chosen=" + encoded(q.chosen) + " correct=" + encoded(q.correct) + '\n';
    }
    out += EndLine + '\n';
    return out;
}

ProgressRead parseProgress(const QByteArray& bytes)
{
    ProgressRead read;
    // An editor may have put a byte-order mark before the first line.
    const qsizetype skip = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (bytes.size() == skip)
        return read; // NoFile: an empty file holds nothing to lose
    const qsizetype firstBreak = bytes.indexOf('\n', skip);
    QByteArray header = firstBreak < 0 ? bytes.mid(skip) : bytes.mid(skip, firstBreak - skip);
    if (header.endsWith('\r'))
        header.chop(1);
    if (!header.startsWith(Magic))
        return garbled();
    const auto version = count(header.mid(Magic.size()));
    if (!version || *version < 1)
        return garbled();
    if (*version > ProgressFormatVersion) {
        read.status = ProgressRead::Status::NewerFormat;
        read.message = QCoreApplication::translate(
            "Progress",
            "Your practice record was written by a newer version of Corvella Learn Numerology, so "
            "it is left as it is and today's practice will not be saved.");
        return read;
    }
    if (bytes.contains('\0'))
        return garbled();

    // Only lines that end in a line break count; whatever follows the last one was cut off.
    Progress progress;
    bool ended = false;
    qsizetype start = firstBreak < 0 ? bytes.size() : firstBreak + 1;
    while (start < bytes.size()) {
        const qsizetype lineBreak = bytes.indexOf('\n', start);
        if (lineBreak < 0)
            break;
        QByteArrayView line(bytes.constData() + start, lineBreak - start);
        start = lineBreak + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == EndLine) {
            ended = true;
            break;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!readRecord(line, *version, progress))
            return garbled();
    }
    read.progress = std::move(progress);
    read.format = *version;
    if (ended) {
        // Nothing but blank space may follow the end.
        if (!bytes.mid(start).trimmed().isEmpty())
            return garbled();
        read.status = ProgressRead::Status::Read;
        return read;
    }
    read.status = ProgressRead::Status::SetAside;
    read.cutShort = true;
    read.message = QCoreApplication::translate(
        "Progress", "Your practice record ends part-way through, so it was kept "
                    "aside and practice carries on from what could be read.");
    return read;
}

} // namespace corvella::practice
