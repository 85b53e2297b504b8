#include "platform/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QStringDecoder>

#include <cerrno>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvella {

namespace {

constexpr int kShift = 85;
constexpr int kHighestCode = 255;

QString shifted(const QString& text, int shift)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode();
        if (code > kHighestCode)
            continue; // no ISO 8859-1 code
        const int moved = code + shift;
        if (moved < 0 || moved > kHighestCode)
            continue;
        result.append(QChar(moved));
    }
    return result;
}

const QString kSection = QStringLiteral("Settings");

// Far more than the program ever writes; a larger file is not one of ours and is not read.
constexpr qint64 kMostBytes = 1 << 20;

enum class FileState {
    Read,
    Absent,
    Unreadable,
};

// Reads a regular file whole. Anything else at the path (a folder, a FIFO that would wait for
// a writer, a device) is never opened for reading.
FileState readRegularFile(const QString& path, QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? FileState::Absent : FileState::Unreadable;
    if (!S_ISREG(info.st_mode) || info.st_size > kMostBytes)
        return FileState::Unreadable;
    // O_NONBLOCK: should something else have taken the file's place since, opening it must
    // not wait either.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? FileState::Absent : FileState::Unreadable;
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return FileState::Unreadable;
    bytes.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileState::Unreadable;
        if (got == 0)
            return FileState::Read;
        bytes.append(buffer, got);
        if (bytes.size() > kMostBytes)
            return FileState::Unreadable;
    }
}

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

// Key and section names in the INI file: letters, digits and _-. as they are, every other
// character as %XX (or %UXXXX above code 255).
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

// Values: backslash escapes and double quotes as usual in INI files. A value written by hand
// as a list (items split by commas) reads as its items joined; an unquoted ";" starts a
// comment.
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

// The file as lines, each kept as it was for a rewrite, with the section it lies in and, for
// a "key=value" line, its key and value.
struct IniLine
{
    QByteArray raw;
    QString section;
    QString key;
    QStringView value;
    bool isEntry = false;
    bool isSectionHeader = false;
};

struct IniFile
{
    QString text;
    QList<IniLine> lines;

    // The last line that sets the key in the section, or -1.
    qsizetype find(const QString& section, const QString& key) const
    {
        for (qsizetype i = lines.size() - 1; i >= 0; --i) {
            if (lines.at(i).isEntry && lines.at(i).section == section && lines.at(i).key == key)
                return i;
        }
        return -1;
    }
};

// False when the bytes are not text: not UTF-8, or holding a NUL byte (no INI file does).
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

// The file with the key set to the value and nothing else changed.
QByteArray withValue(const IniFile& ini, const QString& key, const QString& value)
{
    const QByteArray entry = (escapedKey(key) + QLatin1Char('=') + escapedValue(value)).toUtf8();
    QList<QByteArray> lines;
    lines.reserve(ini.lines.size() + 3);
    const qsizetype replaced = ini.find(kSection, key);
    bool written = false;
    for (qsizetype i = 0; i < ini.lines.size(); ++i) {
        const IniLine& line = ini.lines.at(i);
        if (i == replaced) {
            lines.append(entry);
            written = true;
            continue;
        }
        // Earlier lines for the same key were hidden by the last one; they go.
        if (line.isEntry && line.section == kSection && line.key == key)
            continue;
        lines.append(line.raw);
        if (replaced < 0 && !written && line.isSectionHeader && line.section == kSection) {
            lines.append(entry);
            written = true;
        }
    }
    if (!written) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + escapedKey(kSection).toUtf8() + ']');
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

bool writeAll(const FileWriteCalls& calls, int fd, const QByteArray& content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t wrote =
            calls.write(fd, content.constData() + done, static_cast<size_t>(content.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace

QString encodeSettingText(const QString& text)
{
    return shifted(text, kShift);
}

QString decodeSettingText(const QString& text)
{
    return shifted(text, -kShift);
}

FileWriteCalls FileWriteCalls::system()
{
    return FileWriteCalls{::write, ::fsync, ::close, ::rename};
}

bool replaceFileContents(const QString& path, const QByteArray& content,
                         const FileWriteCalls& calls)
{
    // A link to the real file (a dotfile manager's, say) stays a link: the file it points
    // to is the one replaced.
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink())
        target = link.symLinkTarget();

    const QByteArray targetName = QFile::encodeName(target);
    mode_t mode = 0600;
    struct stat info;
    if (::stat(targetName.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return false;
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return false;

    QByteArray temporary = targetName + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto abandon = [&temporary](int open) {
        if (open >= 0)
            ::close(open);
        ::unlink(temporary.constData());
        return false;
    };
    if (::fchmod(fd, mode) != 0 || !writeAll(calls, fd, content) || calls.fsync(fd) != 0)
        return abandon(fd);
    // The descriptor is gone after close whatever it returns; a failure there can still mean
    // that data never reached the disk.
    if (calls.close(fd) != 0)
        return abandon(-1);
    if (calls.rename(temporary.constData(), targetName.constData()) != 0)
        return abandon(-1);
    // So that the rename itself survives a power cut.
    const int dir =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

SettingsStore::SettingsStore()
    : m_applicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
{}

SettingsStore::SettingsStore(const QString& applicationName) : m_applicationName(applicationName) {}

SettingsStore::~SettingsStore()
{
    waitForBackgroundWrite();
}

QString SettingsStore::fileName() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + m_applicationName + QStringLiteral(".ini");
}

std::optional<QString> SettingsStore::readSetting(const QString& key) const
{
    waitForBackgroundWrite();
    QByteArray bytes;
    switch (readRegularFile(fileName(), bytes)) {
    case FileState::Absent:
        return QString();
    case FileState::Unreadable:
        return std::nullopt;
    case FileState::Read:
        break;
    }
    IniFile ini;
    if (!parseIni(bytes, ini))
        return std::nullopt;
    const qsizetype line = ini.find(kSection, encodeSettingText(key));
    if (line < 0)
        return QString();
    return decodeSettingText(unescapedValue(ini.lines.at(line).value));
}

bool SettingsStore::writeSetting(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    const QString path = fileName();
    QByteArray bytes;
    // Writing over a file that could not be read, or is not text, would lose what it holds;
    // leave such a file alone.
    if (readRegularFile(path, bytes) == FileState::Unreadable)
        return false;
    IniFile ini;
    if (!parseIni(bytes, ini))
        return false;
    return replaceFileContents(
        path, withValue(ini, encodeSettingText(key), encodeSettingText(value)), m_calls);
}

void SettingsStore::writeSettingInBackground(const QString& key, const QString& value)
{
    waitForBackgroundWrite();
    // The worker writes through a store of its own, so that nothing here is shared with it.
    auto worker = std::make_unique<SettingsStore>(m_applicationName);
    worker->m_calls = m_calls;
    try {
        m_backgroundWrite =
            std::async(std::launch::async, [worker = std::move(worker), key, value] {
                return worker->writeSetting(key, value);
            });
    } catch (const std::system_error&) {
        std::promise<bool> done;
        done.set_value(writeSetting(key, value));
        m_backgroundWrite = done.get_future();
    }
}

bool SettingsStore::waitForBackgroundWrite() const
{
    if (!m_backgroundWrite.valid())
        return true;
    return m_backgroundWrite.get();
}

} // namespace corvella
