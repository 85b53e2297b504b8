// Fuzzes the settings file's reader and rewriter: the file may hold anything a user or another
// program left there, and a rewrite must change only the line of the key written.
//
// Input: "key NUL value NUL file". With fewer than two NUL bytes the whole input is the file
// and a fixed key and value are written. Key and value bytes are read as Latin-1, which covers
// every character the store puts in its file (encoded texts use codes 85..255 only).

#include "platform/inifile.h"
#include "platform/settingsstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QPair>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include <unistd.h>

namespace {

using corvella::IniFile;

const QString kSection = QStringLiteral("Settings");
const QString kApplication = QStringLiteral("fuzzsettings");

QByteArray g_input;

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "fuzz_settingsfile: %s; input as hex: %s\n", what,
                 g_input.toHex(' ').constData());
    std::abort();
}

void check(bool holds, const char* what)
{
    if (!holds)
        broken(what);
}

// The characters of text whose codes lie in [low, high], in order.
QString keepCodes(const QString& text, int low, int high)
{
    QString kept;
    for (const QChar ch : text) {
        if (ch.unicode() >= low && ch.unicode() <= high)
            kept.append(ch);
    }
    return kept;
}

QList<QByteArray> rawLines(const IniFile& ini)
{
    QList<QByteArray> raws;
    for (const corvella::IniLine& line : ini.lines)
        raws.append(line.raw);
    return raws;
}

bool isKeyLine(const corvella::IniLine& line, const QString& key)
{
    return line.isEntry && line.section == kSection && line.key == key;
}

// What a reader finds for every section and key: the value of the key's last line.
QHash<QPair<QString, QString>, QString> valuesOf(const IniFile& ini)
{
    QHash<QPair<QString, QString>, QString> values;
    for (const corvella::IniLine& line : ini.lines) {
        if (line.isEntry)
            values.insert({line.section, line.key}, corvella::unescapedValue(line.value));
    }
    return values;
}

// The file's own folder, in memory where that can be had: every input writes it once.
QString storeFolder()
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        QByteArray name = QFile::encodeName(base) + "/fuzz_settingsfile.XXXXXX";
        if (!::mkdtemp(name.data()))
            broken("cannot make a folder for the settings file");
        return QFile::decodeName(name);
    }();
    return folder;
}

// A fuzz run has no use for the disk; the store's other calls are the real ones.
int noSync(int)
{
    return 0;
}

int noFolderSync(const char*)
{
    return 0;
}

void checkStore(const QByteArray& file, bool parsed, const QString& key, const QString& value)
{
    corvella::SettingsStore store(kApplication);
    store.setFileWriteCalls(
        corvella::FileWriteCalls{::write, noSync, ::close, ::rename, noFolderSync});
    const QString path = store.fileName();
    {
        QFile out(path);
        check(out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  out.write(file) == file.size(),
              "cannot write the settings file");
    }
    const auto readBack = [&path] {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            broken("cannot read the settings file back");
        return in.readAll();
    };
    // The store keeps its keys and values encoded; a key as the program passes it reads as
    // the INI key encodeSettingText gives.
    const QString logicalKey = corvella::decodeSettingText(key);
    const QString logicalValue = corvella::decodeSettingText(value);
    const std::optional<QString> before = store.readSetting(logicalKey);
    if (key.isEmpty()) {
        // No INI line can hold an empty key: the store refuses it and leaves the file alone.
        check(!store.writeSetting(logicalKey, logicalValue), "an empty key was written");
        check(readBack() == file, "refusing an empty key changed the file");
        return;
    }
    if (!parsed) {
        check(!before.has_value(), "a file that is not text reads as a value");
        check(!store.writeSetting(logicalKey, logicalValue), "a file that is not text was written");
        check(readBack() == file, "a file that is not text changed");
        return;
    }
    check(before.has_value(), "a text file reads as unreadable");
    check(store.writeSetting(logicalKey, logicalValue), "writing a text file failed");
    IniFile ini;
    corvella::parseIni(file, ini);
    check(readBack() == corvella::withValue(ini, kSection, corvella::encodeSettingText(logicalKey),
                                            corvella::encodeSettingText(logicalValue)),
          "the store wrote other bytes than the rewrite gives");
    const std::optional<QString> after = store.readSetting(logicalKey);
    check(after.has_value() && *after == logicalValue, "the store does not read back its value");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The store's file lives under XDG_CONFIG_HOME.
    ::setenv("XDG_CONFIG_HOME", QFile::encodeName(storeFolder()).constData(), 1);
    std::atexit([] { QDir(storeFolder()).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corvella;
    g_input = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString defaultKey = QStringLiteral("\u0099\u00ca\u00c7\u00b6\u00c9\u00be\u00c4\u00c3");
    QString key = defaultKey;
    QString value = QStringLiteral("\u0086\u0085\u0086\u0085");
    QByteArray file = g_input;
    const qsizetype keyEnd = g_input.indexOf('\0');
    const qsizetype valueEnd = keyEnd < 0 ? -1 : g_input.indexOf('\0', keyEnd + 1);
    if (valueEnd >= 0) {
        key = QString::fromLatin1(g_input.left(keyEnd));
        value = QString::fromLatin1(g_input.mid(keyEnd + 1, valueEnd - keyEnd - 1));
        file = g_input.mid(valueEnd + 1);
    }
    // The store refuses an empty key (checked in checkStore); the rewrite is never asked for it.
    const QString rewrittenKey = key.isEmpty() ? defaultKey : key;

    IniFile ini;
    const bool parsed = parseIni(file, ini);
    checkStore(file, parsed, keepCodes(key, 85, 255), keepCodes(value, 85, 255));
    if (!parsed)
        return 0;

    // A byte-order mark before the first line, or line ends written as CR LF, change
    // nothing the reader finds.
    const auto sameValues = [&ini](const QByteArray& variant, const char* what) {
        IniFile other;
        check(parseIni(variant, other), what);
        check(valuesOf(other) == valuesOf(ini), what);
    };
    if (!file.startsWith("\xef\xbb\xbf"))
        sameValues("\xef\xbb\xbf" + file, "a byte-order mark changed what the file holds");
    sameValues(QByteArray(file).replace("\n", "\r\n"),
               "CR LF line ends changed what the file holds");

    // The lines are the file, whole.
    QByteArray joined = rawLines(ini).join('\n');
    if (!ini.lines.isEmpty() && file.endsWith('\n'))
        joined += '\n';
    check(joined == file, "the lines read are not the file");

    const QByteArray rewritten = withValue(ini, kSection, rewrittenKey, value);
    IniFile after;
    check(parseIni(rewritten, after), "a rewritten file is not text");

    // Round trip: the key reads as exactly the value written.
    const qsizetype keyLine = after.find(kSection, rewrittenKey);
    check(keyLine >= 0, "the key written is not found");
    check(unescapedValue(after.lines.at(keyLine).value) == value,
          "the key written reads as another value");

    // Every other line survives byte for byte and in order; after them come, at most, a blank
    // line and the section's header for a key the file did not hold.
    QList<QByteArray> kept;
    for (const IniLine& line : ini.lines) {
        if (!isKeyLine(line, rewrittenKey))
            kept.append(line.raw);
    }
    QList<QByteArray> others;
    for (qsizetype i = 0; i < after.lines.size(); ++i) {
        check(i == keyLine || !isKeyLine(after.lines.at(i), rewrittenKey),
              "the rewritten file holds the key twice");
        if (i != keyLine)
            others.append(after.lines.at(i).raw);
    }
    check(others.mid(0, kept.size()) == kept, "a line other than the key's was changed or lost");
    const QList<QByteArray> added = others.mid(kept.size());
    const QByteArray header = '[' + kSection.toUtf8() + ']';
    check(added.isEmpty() || added == QList<QByteArray>{header} ||
              added == (QList<QByteArray>{QByteArray(), header}),
          "the rewrite added lines other than the section's header");

    // Every other key reads as it did.
    auto valuesBefore = valuesOf(ini);
    auto valuesAfter = valuesOf(after);
    valuesBefore.remove({kSection, rewrittenKey});
    valuesAfter.remove({kSection, rewrittenKey});
    check(valuesBefore == valuesAfter, "the rewrite changed another key's value");

    // Writing the same value again changes nothing.
    check(withValue(after, kSection, rewrittenKey, value) == rewritten,
          "rewriting with the same value changed the file");
    return 0;
}
