#include "platform/inifile.h"

#include <QStringDecoder>

namespace corvella {

namespace {

bool isBlank(QChar ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\f' || ch == u'\v';
}

// Trims ASCII blanks only: a no-break space (code 160) is a character an encoded text uses.
QStringView blankTrimmed(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text.at(first)))
        ++first;
    while (end > first && isBlank(text.at(end - 1)))
        --end;
    return text.mid(first, end - first);
}

int hexValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isPlainKeyCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-' || c == u'.';
}

} // namespace

QString escapedKey(const QString& key)
{
    QString result;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == u'/')
            result += QLatin1Char('\\');
        else if (isPlainKeyCharacter(c))
            result += ch;
        else if (c <= 0xff)
            result += QStringLiteral("%%1").arg(int(c), 2, 16, QLatin1Char('0')).toUpper();
        else
            result += QStringLiteral("%U%1").arg(int(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

QString unescapedKey(QStringView text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\\') {
            result += QLatin1Char('/');
            continue;
        }
        if (ch == u'%') {
            const bool wide = i + 1 < text.size() && text.at(i + 1) == u'U';
            const qsizetype digits = wide ? 4 : 2;
            const qsizetype from = wide ? i + 2 : i + 1;
            int code = 0;
            bool ok = from + digits <= text.size();
            for (qsizetype d = 0; ok && d < digits; ++d) {
                const int v = hexValue(text.at(from + d));
                ok = v >= 0;
                code = code * 16 + v;
            }
            if (ok) {
                result += QChar(char16_t(code));
                i = from + digits - 1;
                continue;
            }
        }
        result += ch;
    }
    return result;
}

QString unescapedValue(QStringView text)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'"') {
            quoted = !quoted;
        } else if (!quoted && ch == u';') {
            break;
        } else if (!quoted && ch == u',') {
            // the list separator itself is not part of any item
        } else if (ch == u'\\' && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            switch (next.unicode()) {
            case u'a':
                result += QChar(7);
                break;
            case u'b':
                result += QChar(8);
                break;
            case u'f':
                result += QChar(12);
                break;
            case u'n':
                result += QChar(10);
                break;
            case u'r':
                result += QChar(13);
                break;
            case u't':
                result += QChar(9);
                break;
            case u'v':
                result += QChar(11);
                break;
            case u'x': {
                int code = 0;
                int digits = 0;
                while (digits < 4 && i + 1 < text.size() && hexValue(text.at(i + 1)) >= 0) {
                    code = code * 16 + hexValue(text.at(++i));
                    ++digits;
                }
                result += QChar(char16_t(code));
                break;
            }
            default:
                if (next >= u'0' && next <= u'7') {
                    int code = next.unicode() - u'0';
                    for (int digits = 1; digits < 3 && i + 1 < text.size() &&
                                         text.at(i + 1) >= u'0' && text.at(i + 1) <= u'7';
                         ++digits)
                        code = code * 8 + (text.at(++i).unicode() - u'0');
                    result += QChar(char16_t(code));
                } else {
                    result += next;
                }
            }
        } else {
            result += ch;
        }
    }
    return result;
}

QString escapedValue(const QString& value)
{
    QString result;
    bool escapeHexDigit = false;
    for (const QChar ch : value) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || c == u'"' || c == u';' || c == u',' ||
            (escapeHexDigit && hexValue(ch) >= 0)) {
            result += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
            escapeHexDigit = true;
            continue;
        }
        escapeHexDigit = false;
        if (c == u'\\')
            result += QStringLiteral("\\\\");
        else
            result += ch;
    }
    // Blanks at either end would be trimmed away when read back.
    if (!result.isEmpty() && (isBlank(result.front()) || isBlank(result.back())))
        return QLatin1Char('"') + result + QLatin1Char('"');
    return result;
}

bool parseIni(const QByteArray& bytes, IniFile& ini)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    ini.text = decoder(bytes);
    if (decoder.hasError())
        return false;

    QString section;
    // A line break is the same single unit in the bytes and in the text, so the two split
    // alike.
    const QList<QByteArray> raws = bytes.split('\n');
    const QList<QStringView> texts = QStringView(ini.text).split(u'\n');
    if (raws.size() != texts.size())
        return false;
    for (qsizetype n = 0; n < raws.size(); ++n) {
        // The last piece is what follows the final line break: usually nothing.
        if (n == raws.size() - 1 && raws.at(n).isEmpty())
            break;
        IniLine line;
        line.raw = raws.at(n);
        // Views into ini.text, which is not changed afterwards.
        QStringView text = texts.at(n);
        if (n == 0 && text.startsWith(QChar(0xfeff)))
            text = text.mid(1);
        text = blankTrimmed(text);
        if (text.startsWith(u'[')) {
            const qsizetype close = text.lastIndexOf(u']');
            if (close > 0) {
                section = unescapedKey(blankTrimmed(text.mid(1, close - 1)));
                line.isSectionHeader = true;
            }
        } else if (!text.startsWith(u';') && !text.startsWith(u'#')) {
            const qsizetype equals = text.indexOf(u'=');
            if (equals > 0) {
                line.isEntry = true;
                line.key = unescapedKey(blankTrimmed(text.left(equals)));
                line.value = blankTrimmed(text.mid(equals + 1));
            }
        }
        line.section = section;
        ini.lines.append(line);
    }
    return true;
}

QByteArray withValue(const IniFile& ini, const QString& section, const QString& key,
                     const QString& value)
{
    const QByteArray entry = (escapedKey(key) + QLatin1Char('=') + escapedValue(value)).toUtf8();
    QList<QByteArray> lines;
    lines.reserve(ini.lines.size() + 3);
    const qsizetype replaced = ini.find(section, key);
    bool written = false;
    for (qsizetype i = 0; i < ini.lines.size(); ++i) {
        const IniLine& line = ini.lines.at(i);
        if (i == replaced) {
            lines.append(entry);
            written = true;
            continue;
        }
        // Earlier lines for the same key were hidden by the last one; they go.
        if (line.isEntry && line.section == section && line.key == key)
            continue;
        lines.append(line.raw);
        if (replaced < 0 && !written && line.isSectionHeader && line.section == section) {
            lines.append(entry);
            written = true;
        }
    }
    if (!written) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + escapedKey(section).toUtf8() + ']');
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

} // namespace corvella
