#include "practice/progress.h"

#include <QStringDecoder>

#include <algorithm>
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
QByteArray dateText(const QDate& date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QByteArray();
    return QByteArray::number(date.year()).rightJustified(4, '0') + '-' +
           QByteArray::number(date.month()).rightJustified(2, '0') + '-' +
           QByteArray::number(date.day()).rightJustified(2, '0');
}

QByteArray encoded(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

// A plain whole number 0..MaximumCount: digits only, no sign, no leading zero.
std::optional<int> count(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 9 || (text.size() > 1 && text.startsWith('0')))
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Digits only, leading zeros allowed, as the parts of a date are written.
std::optional<int> digits(const QByteArray& text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "yyyy-MM-dd" and a real day; the empty text is no date.
std::optional<QDate> date(const QByteArray& text)
{
    if (text.isEmpty())
        return QDate();
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = digits(text.left(4));
    const auto month = digits(text.mid(5, 2));
    const auto day = digits(text.mid(8, 2));
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
std::optional<QString> text(const QByteArray& field)
{
    for (int i = 0; i < field.size(); ++i) {
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
    const QByteArray bytes = QByteArray::fromPercentEncoding(field);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString result = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        return std::nullopt;
    return result;
}

// The fields of a record, "name=value" each, in the order given; nothing when a field is
// missing, repeated, unknown or out of order.
std::optional<QList<QByteArray>> fields(const QList<QByteArray>& tokens,
                                        std::initializer_list<const char*> names)
{
    if (tokens.size() != static_cast<qsizetype>(names.size()) + 1)
        return std::nullopt;
    QList<QByteArray> values;
    int i = 1;
    for (const char* name : names) {
        const QByteArray& token = tokens.at(i++);
        const QByteArray prefix = QByteArray(name) + '=';
        if (!token.startsWith(prefix))
            return std::nullopt;
        values.append(token.mid(prefix.size()));
    }
    return values;
}

std::optional<CardId> card(const QByteArray& key)
{
    for (const char c : key) {
        if (static_cast<unsigned char>(c) > 0x7e)
            return std::nullopt;
    }
    return cardFromKey(QString::fromLatin1(key));
}

// Reads one record into the progress; false when the line is not a record of this version.
bool readRecord(const QByteArray& line, Progress& progress)
{
    const QList<QByteArray> tokens = line.split(' ');
    const QByteArray& kind = tokens.first();
    if (kind == "card") {
        const auto f = fields(tokens, {"key", "box", "due", "right", "wrong", "missed"});
        if (!f)
            return false;
        const auto id = card(f->at(0));
        const auto box = count(f->at(1));
        const auto due = date(f->at(2));
        const auto right = count(f->at(3));
        const auto wrong = count(f->at(4));
        const QByteArray& missed = f->at(5);
        if (!id || !box || *box > BoxCount || !due || !right || !wrong ||
            (missed != "0" && missed != "1"))
            return false;
        progress.cards.insert(cardKey(*id), CardState{*box, *due, *right, *wrong, missed == "1"});
        return true;
    }
    if (kind == "test") {
        const auto f = fields(tokens, {"date", "kind", "score", "of"});
        if (!f)
            return false;
        const auto day = date(f->at(0));
        const QByteArray& which = f->at(1);
        const auto score = count(f->at(2));
        const auto outOf = count(f->at(3));
        if (!day || (which != "significance" && which != "interpretation") || !score || !outOf ||
            *score > *outOf)
            return false;
        progress.tests.append(FinishedTest{*day, which == "significance", *score, *outOf});
        return true;
    }
    if (kind == "question") {
        const auto f = fields(tokens, {"card", "asked", "chosen", "correct"});
        if (!f)
            return false;
        const auto id = card(f->at(0));
        const auto asked = text(f->at(1));
        const auto chosen = text(f->at(2));
        const auto correct = text(f->at(3));
        if (!id || !asked || !chosen || !correct)
            return false;
        progress.lastTest.append(TestQuestion{*asked, *chosen, *correct, *id});
        return true;
    }
    if (kind == "new-cards") {
        const auto f = fields(tokens, {"day", "shown"});
        if (!f)
            return false;
        const auto day = date(f->at(0));
        const auto shown = count(f->at(1));
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
    out.reserve(4096 + progress.cards.size() * 64 + progress.tests.size() * 56);
    out += Magic + QByteArray::number(ProgressFormatVersion) + '\n';
    out += "# Corvella Learn Numerology: what you have practised. Texts are percent-encoded "
           "UTF-8.\n";
    out += "new-cards day=" + dateText(progress.newCardsDay) +
           " shown=" + QByteArray::number(std::clamp(progress.newCardsShown, 0, MaximumCount)) +
           '\n';
    QStringList keys = progress.cards.keys();
    std::sort(keys.begin(), keys.end());
    for (const QString& key : keys) {
        // Only what the reader takes for a card: anything else would make the file unreadable.
        if (!cardFromKey(key) || cardKey(*cardFromKey(key)) != key)
            continue;
        const CardState& state = progress.cards.value(key);
        out += "card key=" + key.toLatin1() +
               " box=" + QByteArray::number(std::clamp(state.box, 0, BoxCount)) +
               " due=" + dateText(state.due) +
               " right=" + QByteArray::number(std::clamp(state.right, 0, MaximumCount)) +
               " wrong=" + QByteArray::number(std::clamp(state.wrong, 0, MaximumCount)) +
               " missed=" + (state.missedInTest ? "1" : "0") + '\n';
    }
    for (const FinishedTest& test : progress.tests) {
        const int outOf = std::clamp(test.outOf, 0, MaximumCount);
        out += "test date=" + dateText(test.date) +
               " kind=" + (test.bySignificance ? "significance" : "interpretation") +
               " score=" + QByteArray::number(std::clamp(test.score, 0, outOf)) +
               " of=" + QByteArray::number(outOf) + '\n';
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
        QByteArray line = bytes.mid(start, lineBreak - start);
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
