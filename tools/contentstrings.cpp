// Writes the texts of the content catalogue as QT_TRANSLATE_NOOP("Content", ...) lines into the
// file named by the first argument, for lupdate: the catalogue keeps its texts in tables that
// loadContent looks up by these very strings, and this list puts them before translators in
// the form they are looked up in (a calculation's lines joined by "\n").
#include "content/modLearnNumerology.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <cstdio>

namespace {

QByteArray cLiteral(const QString& text)
{
    QByteArray literal = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            literal += "\\\\";
            break;
        case '"':
            literal += "\\\"";
            break;
        case '\n':
            literal += "\\n";
            break;
        default:
            literal += c;
        }
    }
    return literal + '"';
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: corvella_contentstrings <output.cpp>\n", stderr);
        return 2;
    }
    // Without an application object loadContent translates nothing: the tables hold the
    // English texts.
    corvella::ContentTables tables;
    corvella::loadContent(tables);
    QStringList texts;
    for (int s = 0; s < corvella::SubjectCount; ++s)
        texts << tables.SubjectName[s] << tables.SubjectSignificance[s]
              << corvella::calculationSourceText(tables.SubjectCalculation[s]);
    for (const QString& text : tables.InterpretationText)
        texts << text;

    QByteArray out = "// Made by corvella_contentstrings at build time, for lupdate only.\n"
                     "#include <QtGlobal>\n"
                     "static const char* const contentTexts[] = {\n";
    QSet<QString> seen;
    for (const QString& text : std::as_const(texts)) {
        if (text.isEmpty() || seen.contains(text))
            continue;
        seen.insert(text);
        out += "    QT_TRANSLATE_NOOP(\"Content\", " + cLiteral(text) + "),\n";
    }
    out += "};\n";
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        std::fprintf(stderr, "corvella_contentstrings: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
