#include "support/mainwindowfixture.h"

#include "platform/richtextpane.h"

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <cstdlib>

using namespace corvella;
using namespace corvella::testing;

// How the main window sits on the screen and how the question screen's texts fit their places.
class TestWindowFit : public QObject
{
    Q_OBJECT

private:
    static QString counter(const MainWindowFixture& f) { return f.label("lblQuestionNo")->text(); }
    // The text a rich-text tooltip shows. Plain text gives the table that holds it a line
    // break on either side; those are the table's, not the text's.
    static QString shownText(const QString& toolTip)
    {
        QTextDocument shown;
        shown.setHtml(toolTip);
        QString text = shown.toPlainText();
        if (text.startsWith(QLatin1Char('\n')) && text.endsWith(QLatin1Char('\n')))
            text = text.mid(1, text.size() - 2);
        return text;
    }

private Q_SLOTS:

    void centredTopLeft_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        const QSize window(647, 431);
        QTest::newRow("1280 x 1024") << window << QRect(0, 0, 1280, 1024) << QPoint(316, 296);
        QTest::newRow("800 x 600") << window << QRect(0, 0, 800, 600) << QPoint(76, 84);
        QTest::newRow("panel along the top")
            << window << QRect(0, 28, 1280, 996) << QPoint(316, 310);
        QTest::newRow("panel on the left of a second screen")
            << window << QRect(1328, 0, 1872, 1200) << QPoint(1940, 384);
        QTest::newRow("screen smaller than the window")
            << window << QRect(0, 24, 640, 456) << QPoint(0, 36);
        QTest::newRow("narrower and lower than the window")
            << window << QRect(100, 50, 600, 400) << QPoint(100, 50);
    }

    void centredTopLeft()
    {
        QFETCH(QSize, outer);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(corvella::centredTopLeft(outer, available), expected);
    }

    // The test's platform offers two screens of different sizes (see main below).
    void windowOpensCentredOnItsScreen_data()
    {
        QTest::addColumn<int>("screenIndex");
        QTest::addColumn<QRect>("screenGeometry");
        QTest::newRow("1280 x 1024, primary") << 0 << QRect(0, 0, 1280, 1024);
        QTest::newRow("800 x 600, beside it") << 1 << QRect(1280, 0, 800, 600);
    }

    void windowOpensCentredOnItsScreen()
    {
        QFETCH(int, screenIndex);
        QFETCH(QRect, screenGeometry);
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        QScreen* screen = screens.at(screenIndex);
        QCOMPARE(screen->geometry(), screenGeometry);

        MainWindowFixture f;
        // A window belongs to the screen that holds its centre.
        f.window->move(screenGeometry.topLeft());
        QCOMPARE(f.window->screen(), screen);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QRect frame = f.window->frameGeometry();
        // The platform draws a frame, and the frame is what is centred.
        QVERIFY(frame.width() > f.window->width());
        const QRect available = screen->availableGeometry();
        QVERIFY(available.contains(frame));
        const QPoint offset = frame.center() - available.center();
        QVERIFY2(
            std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
            qPrintable(
                QStringLiteral("frame centre is off by (%1, %2)").arg(offset.x()).arg(offset.y())));
    }

    void placedOnlyWhenFirstShown()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QPoint elsewhere = f.window->pos() + QPoint(-40, 25);
        f.window->move(elsewhere);
        f.window->hide();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QCOMPARE(f.window->pos(), elsewhere);
    }

    void answerToolTipsFollowTheQuestions_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::newRow("test by significance") << true;
        QTest::newRow("test by interpretation") << false;
    }

    void answerToolTipsFollowTheQuestions()
    {
        QFETCH(bool, bySignificance);
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(bySignificance);
        if (!bySignificance)
            f.tickAndGo({0, 4});
        QStringList previous;
        for (int question = 1; question <= 4; ++question) {
            QCOMPARE(counter(f), QStringLiteral("Question %1 of 10").arg(question));
            QStringList tips;
            for (int i = 0; i < 5; ++i) {
                auto* box = f.find<RichTextPane>(QStringLiteral("txtOption%1").arg(i));
                const QString tip = box->toolTip();
                QVERIFY(Qt::mightBeRichText(tip));
                QCOMPARE(shownText(tip), RichTextPane::fromCrLf(box->wholeText()));
                tips << tip;
            }
            QVERIFY(tips != previous);
            previous = tips;
            f.radio("optChoice0")->setChecked(true);
            f.click("cmdNextQuestion");
        }
    }

    void toolTipShowsMarkupCharactersAsText()
    {
        const QString text = QStringLiteral("1 < 2 && 3 > 2\r\n<b>not bold</b> &amp; \"quoted\"");
        const QString tip = RichTextPane::wrappingToolTip(text, 300);
        QVERIFY(Qt::mightBeRichText(tip));
        QCOMPARE(shownText(tip), RichTextPane::fromCrLf(text));
    }

    void restingPointerShowsTheWholeAnswer()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.chooseActivity(false);
        f.chooseMethod(false);
        f.tickAndGo({4});
        auto* box = f.find<RichTextPane>(QStringLiteral("txtOption3"));
        QWidget* viewport = box->viewport();
        const QPoint at = viewport->rect().center();
        QHelpEvent rest(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &rest);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), box->toolTip());
        QWidget* tipLabel = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("qtooltip_label"))
                tipLabel = w;
        QVERIFY(tipLabel);
        // Lines as long as the box's, and all of them: more than the box's two.
        QVERIFY2(tipLabel->width() >= box->contentsRect().width() &&
                     tipLabel->width() <= box->width() + 20,
                 qPrintable(QString::number(tipLabel->width())));
        QVERIFY(tipLabel->height() > box->viewport()->height());
        QVERIFY(box->document()->size().height() > box->viewport()->height());
        QToolTip::hideText();
    }

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

// Two screens side by side, 1280 x 1024 (primary, named first) and 800 x 600, for a platform
// that draws window frames.
int main(int argc, char* argv[])
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/tst_windowfit-XXXXXX.json"));
    if (!config.open())
        return 2;
    config.write(R"({"windowFrameMargins": true, "screens": [
        {"name": "a-large", "x": 0, "y": 0, "width": 1280, "height": 1024},
        {"name": "b-small", "x": 1280, "y": 0, "width": 800, "height": 600}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowFit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowfit.moc"
