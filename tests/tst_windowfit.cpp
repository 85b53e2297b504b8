#include "support/mainwindowfixture.h"

#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "platform/windowplaces.h"
#include "shell/practicewindow.h"
#include "shell/windowlook.h"
#include "shell/yournumbers.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLineEdit>
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

    static QDialog* openSecondary(const MainWindowFixture& f, const QString& menu)
    {
        f.window->findChild<QAction*>(menu)->trigger();
        QDialog* window = f.window->findChild<YourNumbers*>();
        return window ? window : f.window->findChild<PracticeWindow*>();
    }

private Q_SLOTS:
    void init() { QFile::remove(windowPlacesFile()); }

    void besideTopLeft_data()
    {
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QRect>("room");
        QTest::addColumn<QPoint>("expected");
        const QRect room(0, 0, 1920, 1050);
        QTest::newRow("room on the right") << QRect(100, 200, 660, 470) << room << QPoint(760, 200);
        QTest::newRow("room on the left only")
            << QRect(1200, 200, 660, 470) << room << QPoint(540, 200);
        QTest::newRow("no room: over the main window at the roomier side")
            << QRect(20, 100, 660, 470) << QRect(0, 0, 1024, 768) << QPoint(364, 100);
    }
    // For a frame of 660 x 540.
    void besideTopLeft()
    {
        QFETCH(QRect, mainFrame);
        QFETCH(QRect, room);
        QFETCH(QPoint, expected);
        QCOMPARE(corvella::besideTopLeft(QSize(660, 540), mainFrame, room), expected);
    }

    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        // Two screens' rooms: 0..1279 and 1280..2079 wide (see main below).
        QTest::newRow("on the first screen") << QRect(10, 10, 600, 500) << QRect(10, 10, 600, 500);
        QTest::newRow("mostly off the right, title bar reachable")
            << QRect(2000, 100, 600, 500) << QRect(2000, 100, 600, 500);
        QTest::newRow("far off every screen")
            << QRect(9000, 9000, 600, 500) << QRect(680, 524, 600, 500);
        QTest::newRow("larger than the screen it is on")
            << QRect(1300, -50, 900, 700) << QRect(1280, 0, 800, 600);
    }
    void keptOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        const QList<QRect> rooms = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 800, 600)};
        QCOMPARE(corvella::keptOnScreen(frame, rooms, rooms[0]), expected);
    }

    void windowPlacesRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("places");
        const QByteArray header = "CorvellaFreeLearnNumerology windows 1\n";
        const QByteArray line = "window name=practice x=-20 y=40 width=640 height=520\n";
        QTest::newRow("one window") << header + line + "end\n" << 1;
        QTest::newRow("cut short") << header + line << 0;
        QTest::newRow("a number that is not")
            << header + "window name=practice x=0 y=0 width=6e2 height=520\nend\n"
            << 0;
    }
    void windowPlacesRead()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, places);
        const WindowPlaces read = readWindowPlaces(text);
        QCOMPARE(read.size(), places);
        if (places > 0) {
            QCOMPARE(read.value(QStringLiteral("practice")), QRect(-20, 40, 640, 520));
            QCOMPARE(windowPlacesText(read), text);
        }
    }

    // Opening touches no file; a move is kept once the window rests, and the next window opens
    // there at that size.
    void secondaryWindowsComeBackWhereLeft_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("Your Numbers") << QStringLiteral("mnuYourNumbers");
        QTest::newRow("Practice") << QStringLiteral("mnuPractise");
    }
    void secondaryWindowsComeBackWhereLeft()
    {
        QFETCH(QString, menu);
        const QString file = windowPlacesFile();
        MainWindowFixture f;
        f.window->show();
        QDialog* window = openSecondary(f, menu);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(1000);
        QVERIFY(!QFileInfo::exists(file));
        window->move(window->pos() + QPoint(-30, 20));
        window->resize(window->size() + QSize(40, 30));
        QTRY_VERIFY(QFileInfo::exists(file));
        const QRect left(window->pos(), window->size());
        window->close();
        MainWindowFixture g;
        g.window->show();
        QDialog* again = openSecondary(g, menu);
        QCOMPARE(QRect(again->pos(), again->size()), left);
    }

    // At a 20 pt font on the 640 x 480 screen: the window lies on the screen, and no control is
    // given less than it asks for.
    void secondaryWindowsAtTwentyPoints_data() { secondaryWindowsComeBackWhereLeft_data(); }
    void secondaryWindowsAtTwentyPoints()
    {
        QFETCH(QString, menu);
        // With a person charted, Practice shows its widest row: the tick for sums about them.
        QVERIFY(saveRememberedPerson(
            {QStringLiteral("Kathryn Oakley"), QStringLiteral("1985-10-24"), QString()}));
        const QFont usual = QApplication::font();
        QFont large = usual;
        large.setPointSizeF(20);
        QApplication::setFont(large);
        MainWindowFixture f;
        f.window->move(QGuiApplication::screens().at(2)->geometry().topLeft());
        f.window->show();
        QDialog* window = openSecondary(f, menu);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::setFont(usual);
        QCOMPARE(window->font().pointSizeF(), 20.0);
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        // A field's icon, and a spin box's text, are placed and drawn by their field.
        QStringList clipped;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QSize wanted = w->minimumSizeHint();
            if (w->isVisible() && !w->layout() && !qobject_cast<QLineEdit*>(w->parentWidget()) &&
                !qobject_cast<QAbstractSpinBox*>(w->parentWidget()) && wanted.isValid() &&
                (w->width() < wanted.width() || w->height() < wanted.height()))
                clipped << QString::fromLatin1(w->metaObject()->className());
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
    }

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
        QCOMPARE(screens.size(), 3);
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

// Three screens side by side, 1280 x 1024 (primary, named first), 800 x 600 and 640 x 480, for
// a platform that draws window frames.
int main(int argc, char* argv[])
{
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/tst_windowfit-XXXXXX.json"));
    if (!config.open())
        return 2;
    config.write(R"({"windowFrameMargins": true, "screens": [
        {"name": "a-large", "x": 0, "y": 0, "width": 1280, "height": 1024},
        {"name": "b-small", "x": 1280, "y": 0, "width": 800, "height": 600},
        {"name": "c-smallest", "x": 2080, "y": 0, "width": 640, "height": 480}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowFit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowfit.moc"
