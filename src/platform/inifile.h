#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// The settings file's INI form. A rewrite changes only the line of the key written and keeps
// every other line, comment and section exactly as a user or another program left them.

namespace corvella {

// Key and section names in the INI file: letters, digits and _-. as they are, "/" as "\\",
// every other character as %XX (or %UXXXX above code 255).
QString escapedKey(const QString& key);
QString unescapedKey(QStringView text);

// Values: backslash escapes and double quotes as usual in INI files. A value written by hand
// as a list (items split by commas) reads as its items joined; an unquoted ";" starts a
// comment.
QString unescapedValue(QStringView text);
QString escapedValue(const QString& value);

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
bool parseIni(const QByteArray& bytes, IniFile& ini);

// The file with the key set to the value in the section and nothing else changed: the key's
// last line is replaced (earlier lines for the key go), or a new line follows the section's
// first header, or the section is added at the end.
QByteArray withValue(const IniFile& ini, const QString& section, const QString& key,
                     const QString& value);

} // namespace corvella
