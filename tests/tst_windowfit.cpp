#include "support/mainwindowfixture.h"

#include "platform/richtextpane.h"

#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

using namespace corvella;
using namespace corvella::testing;

// How the main window sits on the screen and how the question screen's texts fit their places.
class TestWindowFit : public QObject
{
    Q_OBJECT

private:
    static QString counter(const MainWindowFixture& f) { return f.label("lblQuestionNo")->text(); }

private Q_SLOTS:

    void instructionAndCounterStayApart_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::addColumn<int>("ticked");
        QTest::addColumn<QString>("lastCounter");
        QTest::newRow("significance, 10 questions")
            << true << 0 << QStringLiteral("Question 10 of 10");
        QTest::newRow("interpretation, 75 questions")
            << false << 15 << QStringLiteral("Question 75 of 75");
    }

    void instructionAndCounterStayApart()
    {
        QFETCH(bool, bySignificance);
        QFETCH(int, ticked);
        QFETCH(QString, lastCounter);
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(bySignificance);
        if (!bySignificance) {
            for (int s = 0; s < ticked; ++s)
                f.subject(s)->setChecked(true);
            f.click("cmdNext3");
        }
        while (counter(f) != lastCounter && f.window->currentScreen() == 4) {
            f.radio("optChoice0")->setChecked(true);
            f.click("cmdNextQuestion");
        }
        QCOMPARE(counter(f), lastCounter);
        const QRect instruction = f.label("lblCaption6")->geometry();
        const QRect questionNo = f.label("lblQuestionNo")->geometry();
        // The labels take the width of their text, so their rectangles are what is drawn.
        const int gap = questionNo.left() - (instruction.right() + 1);
        QVERIFY2(gap >= 6, qPrintable(QStringLiteral("%1 px apart").arg(gap)));
        // Clear of the two-pixel groove along the screen's edge.
        QVERIFY(questionNo.right() < f.frame(4)->width() - 2);
    }
};

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
