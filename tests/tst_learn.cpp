#include "support/mainwindowfixture.h"

#include "learn/learnviews.h"
#include "platform/richtextpane.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace corvella;
using namespace corvella::testing;

// The text of a significance record, kept here since only this suite asks for it whole.
namespace corvella::learn {
QString significanceRecordText(const ContentTables& content, int subject)
{
    const QString crLf = QStringLiteral("\r\n");
    return QStringLiteral("Significance") + crLf + content.SubjectSignificance[subject] + crLf +
           crLf + QStringLiteral("Calculation") + crLf + content.SubjectCalculation[subject];
}
} // namespace corvella::learn

namespace {

const QString CrLf = QStringLiteral("\r\n");

RichTextPane* learnPane(const MainWindowFixture& f)
{
    return f.find<RichTextPane>(QStringLiteral("RTBLearn"));
}

const ContentTables& c(const MainWindowFixture& f)
{
    return f.window->content();
}

// The headings of an interpretation record: every line that is followed by a paragraph.
QStringList headings(const QString& record)
{
    QStringList result;
    const QStringList blocks = record.split(CrLf + CrLf, Qt::SkipEmptyParts);
    for (const QString& block : blocks)
        result << block.section(CrLf, 0, 0);
    return result;
}

// Where a character is drawn: the middle of its place on the first line of its block.
qreal centreOf(const QTextBlock& block, int at)
{
    const QTextLine line = block.layout()->lineAt(0);
    return (line.cursorToX(at) + line.cursorToX(at + 1)) / 2;
}

bool isChartFiller(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-');
}

} // namespace

class TestLearn : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void significanceRecordIsExact()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(true);
        const ContentTables& c = f.window->content();
        QCOMPARE(f.label("lblLearnSubject")->text(), QStringLiteral("Life Path Number"));
        const QString expected = QStringLiteral("Significance") + CrLf + c.SubjectSignificance[0] +
                                 CrLf + CrLf + QStringLiteral("Calculation") + CrLf +
                                 c.SubjectCalculation[0];
        QCOMPARE(learnPane(f)->wholeText(), expected);
        // No formatting anywhere in a learn record.
        for (QTextBlock b = learnPane(f)->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QVERIFY(it.fragment().charFormat().fontWeight() <= QFont::Normal);
        }
        // The view opens at the top, with the caret at the start for the keyboard.
        QCOMPARE(learnPane(f)->textCursor().position(), 0);
    }

    // The lessons read in the window's proportional font; a letter chart reads as columns as it
    // is drawn: every letter (or "--") stands over its digit, its middle within half a digit's
    // width of the digit's middle.
    void lessonsInTheWindowFontWithChartsInColumns()
    {
        MainWindowFixture f;
        f.window->show();
        f.chooseActivity(true);
        f.chooseMethod(true);
        RichTextPane* pane = learnPane(f);
        QCOMPARE(pane->font().family(), f.window->font().family());
        QVERIFY(!QFontInfo(pane->font()).fixedPitch());
        int charts = 0;
        for (int s = 0; s < SubjectCount; ++s) {
            if (s > 0)
                f.click("cmdNextLearn");
            QTextDocument* document = pane->document();
            document->documentLayout()->documentSize(); // lays the whole record out
            for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
                QString digits;
                for (QChar c : block.text()) {
                    if (!isChartFiller(c))
                        digits += c;
                }
                if (digits != QLatin1String("123456789")) {
                    // Prose keeps the pane's font: no family of its own on any fragment.
                    for (auto it = block.begin(); !it.atEnd(); ++it)
                        QVERIFY2(it.fragment().charFormat().fontFamilies().toStringList().isEmpty(),
                                 qPrintable(block.text()));
                    continue;
                }
                ++charts;
                const QTextBlock digitsRow = block;
                for (int r = 1; r <= 3; ++r) {
                    block = block.next();
                    const QString row = block.text();
                    for (int at = 0; at < row.size(); ++at) {
                        if (isChartFiller(row.at(at)) || (at > 0 && !isChartFiller(row.at(at - 1))))
                            continue;
                        const qreal digitWidth = digitsRow.layout()->lineAt(0).cursorToX(at + 1) -
                                                 digitsRow.layout()->lineAt(0).cursorToX(at);
                        const qreal off = centreOf(block, at) - centreOf(digitsRow, at);
                        QVERIFY2(qAbs(off) <= digitWidth / 2,
                                 qPrintable(QStringLiteral("%1: \"%2\" at %3 is %4 px off")
                                                .arg(c(f).SubjectName[s], row)
                                                .arg(at)
                                                .arg(off)));
                    }
                }
            }
        }
        QCOMPARE(charts, 4);
    }

    void walkingBySignificance()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(true);
        const ContentTables& c = f.window->content();
        f.click("cmdBackLearn");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("You are at the first record")});
        QCOMPARE(f.label("lblLearnSubject")->text(), c.SubjectName[0]);
        // Each record as the pane shows it: the paragraph, a blank line, "Calculation" and
        // exactly the lines its calculation has.
        const int calculationLines[15] = {3, 7, 7, 7, 1, 3, 3, 11, 6, 6, 5, 8, 9, 3, 3};
        for (int s = 0; s < 15; ++s) {
            if (s > 0)
                f.click("cmdNextLearn");
            QCOMPARE(f.label("lblLearnSubject")->text(), c.SubjectName[s]);
            QCOMPARE(learnPane(f)->wholeText(), learn::significanceRecordText(c, s));
            const QStringList shown = learnPane(f)->wholeText().split(CrLf);
            QCOMPARE(shown.mid(0, 4),
                     (QStringList{QStringLiteral("Significance"), c.SubjectSignificance[s],
                                  QString(), QStringLiteral("Calculation")}));
            QCOMPARE(shown.size(), 4 + calculationLines[s]);
        }
        QCOMPARE(f.messages().size(), 1);
        f.click("cmdNextLearn");
        QCOMPARE(f.messages().last(), QStringLiteral("You are at the last record"));
        QCOMPARE(f.window->session().CurrentRecord, qint16(14));
        QCOMPARE(f.label("lblLearnSubject")->text(), QStringLiteral("Personal Year Number"));
        QCOMPARE(learnPane(f)->wholeText(), learn::significanceRecordText(c, 14));
        // No text accumulates after any sequence of Next and Back.
        for (int i = 0; i < 20; ++i)
            f.click(i % 3 == 0 ? "cmdNextLearn" : "cmdBackLearn");
        const int s = f.window->session().CurrentRecord;
        QCOMPARE(learnPane(f)->wholeText(), learn::significanceRecordText(c, s));
        QCOMPARE(learnPane(f)->wholeText().count(QStringLiteral("Significance")), 1);
    }

    void walkingByInterpretation_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("2, 7, 12") << QList<int>{2, 7, 12};
        QTest::newRow("only 0") << QList<int>{0};
        QTest::newRow("only 14") << QList<int>{14};
        QTest::newRow("0 and 14") << QList<int>{0, 14};
    }
    void walkingByInterpretation()
    {
        QFETCH(QList<int>, ticked);
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(false);
        for (int s : ticked)
            f.subject(s)->setChecked(true);
        f.click("cmdNext3");
        const ContentTables& c = f.window->content();
        QCOMPARE(int(f.window->session().CurrentRecord), ticked.first());

        f.click("cmdBackLearn");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("You are at the first record")});
        QCOMPARE(int(f.window->session().CurrentRecord), ticked.first());
        for (int k = 1; k < ticked.size(); ++k) {
            f.click("cmdNextLearn");
            QCOMPARE(int(f.window->session().CurrentRecord), ticked.at(k));
            QCOMPARE(f.label("lblLearnSubject")->text(), c.SubjectName[ticked.at(k)]);
        }
        const QString last = learnPane(f)->wholeText();
        f.click("cmdNextLearn");
        QCOMPARE(f.messages().last(), QStringLiteral("You are at the last record"));
        QCOMPARE(learnPane(f)->wholeText(), last);
        QCOMPARE(int(f.window->session().CurrentRecord), ticked.last());
        QCOMPARE(f.messages().size(), 2);
        // And back again, down to the first.
        for (int k = ticked.size() - 2; k >= 0; --k) {
            f.click("cmdBackLearn");
            QCOMPARE(int(f.window->session().CurrentRecord), ticked.at(k));
        }
    }

    void interpretationRecordText_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<QStringList>("values");
        QStringList birthday, bridge, master;
        for (int v = 1; v <= 31; ++v)
            birthday << QString::number(v);
        for (int v = 0; v <= 8; ++v)
            bridge << QString::number(v);
        for (int v = 1; v <= 9; ++v)
            master << QString::number(v);
        master << QStringLiteral("11") << QStringLiteral("22");
        QTest::newRow("birthday") << 4 << birthday;
        QTest::newRow("life path / expression bridge") << 5 << bridge;
        QTest::newRow("heart desire / personality bridge") << 6 << bridge;
        QTest::newRow("challenge") << 10 << bridge;
        for (int s : {0, 1, 2, 3, 8, 9, 11})
            QTest::addRow("master numbers, subject %d", s) << s << master;
    }
    void interpretationRecordText()
    {
        QFETCH(int, subject);
        QFETCH(QStringList, values);
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(false);
        f.tickAndGo({subject});
        const ContentTables& c = f.window->content();
        const QString record = learnPane(f)->wholeText();

        QString expected;
        for (int i = c.FirstInterpretation[subject]; i <= c.LastInterpretation[subject]; ++i)
            expected += c.SubjectName[subject] + QLatin1Char(' ') +
                        QString::number(c.InterpretationValue[i]) + CrLf + c.InterpretationText[i] +
                        CrLf + CrLf;
        QCOMPARE(record, expected);

        QStringList expectedHeadings;
        for (const QString& v : values)
            expectedHeadings << c.SubjectName[subject] + QLatin1Char(' ') + v;
        QCOMPARE(headings(record), expectedHeadings);
        QVERIFY(!record.contains(QStringLiteral("Significance")));
        QVERIFY(!record.contains(QStringLiteral("Calculation") + CrLf));
    }

    void bridgesShareTheirLastThreeParagraphs()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(false);
        f.tickAndGo({5, 6});
        const QStringList first = learnPane(f)->wholeText().split(CrLf + CrLf);
        f.click("cmdNextLearn");
        const QStringList second = learnPane(f)->wholeText().split(CrLf + CrLf);
        for (int v = 6; v <= 8; ++v)
            QCOMPARE(first.at(v).section(CrLf, 1), second.at(v).section(CrLf, 1));
        QVERIFY(first.at(5).section(CrLf, 1) != second.at(5).section(CrLf, 1));
    }

    void longRecordOpensAtTheTop()
    {
        MainWindowFixture f;
        f.window->show();
        f.chooseActivity(true);
        f.chooseMethod(false);
        f.tickAndGo({4});
        QCoreApplication::processEvents();
        auto* bar = learnPane(f)->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
    }
};

QTEST_MAIN(TestLearn)
#include "tst_learn.moc"
