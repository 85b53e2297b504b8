#include "practice/progress.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

// The progress file's text, written and read. Version 1, one record per line, fields parted by
// single spaces; every text is percent-encoded UTF-8, so no field holds a blank or a line
// break:
//
//   CorvellaFreeLearnNumerology progress 1
//   # comment lines and blank lines are passed over
//   new-cards day=2026-12-07 shown=3
//   card key=meaning/9/22 box=2 due=2026-12-09 right=3 wrong=1 missed=0
//   test date=2026-12-07 kind=significance score=12 of=15
//   question card=significance/3 asked=... chosen=... correct=...
//   end
//
// "end" closes every file this program writes, so a file cut short at a line break is told
// from a whole one.

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

constexpr int MaximumFields = 6;
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

// Reads one record into the progress; false when the line is not a record of this version.
bool readRecord(QByteArrayView line, Progress& progress)
{
    const qsizetype blank = line.indexOf(' ');
    if (blank < 0)
        return false;
    const QByteArrayView kind = line.first(blank);
    const QByteArrayView rest = line.sliced(blank + 1);
    Fields f;
    if (kind == QByteArrayView("card")) {
        if (!fields(rest, {"key", "box", "due", "right", "wrong", "missed"}, f))
            return false;
        const auto id = card(f[0]);
        const auto box = count(f[1]);
        const auto due = date(f[2]);
        const auto right = count(f[3]);
        const auto wrong = count(f[4]);
        const QByteArrayView missed = f[5];
        if (!id || !box || *box > BoxCount || !due || !right || !wrong ||
            (missed != QByteArrayView("0") && missed != QByteArrayView("1")))
            return false;
        progress.cards.insert(cardKey(*id),
                              CardState{*box, *due, *right, *wrong, missed == QByteArrayView("1")});
        return true;
    }
    if (kind == QByteArrayView("test")) {
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
    if (kind == QByteArrayView("question")) {
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
    if (kind == QByteArrayView("new-cards")) {
        if (!fields(rest, {"day", "shown"}, f))
            return false;
        const auto day = date(f[0]);
        const auto shown = count(f[1]);
        if (!day || !shown)
            return false;
        progress.newCardsDay = *day;
        progress.newCardsShown = *shown;
        return true;
    }
    return false;
}

ProgressRead garbled()
{
    ProgressRead read;
    read.status = ProgressRead::Status::SetAside;
    read.message = QStringLiteral(
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
           a.newCardsDay == b.newCardsDay && a.newCardsShown == b.newCardsShown;
}

QByteArray writeProgress(const Progress& progress)
{
    QByteArray out;
    out.reserve(4096 + progress.cards.size() * 80 + progress.tests.size() * 64);
    out += Magic + QByteArray::number(ProgressFormatVersion) + '\n';
    out += "# Corvella Learn Numerology: what you have practised. Texts are percent-encoded "
           "UTF-8.\n";
    out += "new-cards day=";
    appendDate(out, progress.newCardsDay);
    out +=
        " shown=" + QByteArray::number(std::clamp(progress.newCardsShown, 0, MaximumCount)) + '\n';
    QStringList keys = progress.cards.keys();
    std::sort(keys.begin(), keys.end());
    char numbers[96];
    for (const QString& key : keys) {
        // Only what the reader takes for a card: anything else would make the file unreadable.
        const std::optional<CardId> id = cardFromKey(key);
        if (!id || cardKey(*id) != key)
            continue;
        const CardState& state = progress.cards.value(key);
        out += "card key=" + key.toLatin1() +
               " box=" + QByteArray::number(std::clamp(state.box, 0, BoxCount)) + " due=";
        appendDate(out, state.due);
        out.append(numbers, std::snprintf(numbers, sizeof numbers, " right=%d wrong=%d missed=%d\n",
                                          std::clamp(state.right, 0, MaximumCount),
                                          std::clamp(state.wrong, 0, MaximumCount),
                                          state.missedInTest ? 1 : 0));
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
    if (bytes.isEmpty())
        return read; // NoFile: an empty file holds nothing to lose
    const qsizetype firstBreak = bytes.indexOf('\n');
    QByteArray header = firstBreak < 0 ? bytes : bytes.left(firstBreak);
    if (header.endsWith('\r'))
        header.chop(1);
    if (!header.startsWith(Magic))
        return garbled();
    const auto version = count(header.mid(Magic.size()));
    if (!version || *version < 1)
        return garbled();
    if (*version > ProgressFormatVersion) {
        read.status = ProgressRead::Status::NewerFormat;
        read.message = QStringLiteral(
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
        if (!readRecord(line, progress))
            return garbled();
    }
    read.progress = std::move(progress);
    if (ended) {
        // Nothing but blank space may follow the end.
        if (!bytes.mid(start).trimmed().isEmpty())
            return garbled();
        read.status = ProgressRead::Status::Read;
        return read;
    }
    read.status = ProgressRead::Status::SetAside;
    read.cutShort = true;
    read.message = QStringLiteral("Your practice record ends part-way through, so it was kept "
                                  "aside and practice carries on from what could be read.");
    return read;
}

} // namespace corvella::practice
