#include "support/mainwindowfixture.h"
#include "version.h"

#include "shell/windowlook.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QTest>

using namespace corvella;
using namespace corvella::testing;

class TestNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void startsOnTheStartScreenWithNothingChosen()
    {
        MainWindowFixture f;
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
        QVERIFY(!f.radio("optMain0")->isChecked());
        QVERIFY(!f.radio("optMain1")->isChecked());
        QVERIFY(!f.radio("optOption0")->isChecked());
        QVERIFY(!f.radio("optOption1")->isChecked());
        for (int i = 0; i < 15; ++i)
            QVERIFY(!f.subject(i)->isChecked());
        // Only the screen in front is visible; the placeholders of the others never show.
        for (int i = 1; i < 6; ++i) {
            QVERIFY(f.frame(i)->isHidden());
            QCOMPARE(f.frame(i)->title(), QString::number(i));
        }
        QVERIFY(f.frame(0)->title().isEmpty());
    }

    void windowHasTheFixedClientArea()
    {
        MainWindowFixture f;
        f.window->show();
        QCOMPARE(f.window->windowTitle(),
                 QStringLiteral("Corvella Learn Numerology v" CORVELLA_VERSION));
        QCOMPARE(f.window->centralWidget()->size(), QSize(641, 393));
        QVERIFY(!(f.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.frame(i)->geometry(), QRect(4, 30, 633, 317));
    }

    void proceedWithoutAChoiceIsRefused_data()
    {
        QTest::addColumn<bool>("onMethodScreen");
        QTest::newRow("start screen") << false;
        QTest::newRow("method screen") << true;
    }
    void proceedWithoutAChoiceIsRefused()
    {
        QFETCH(bool, onMethodScreen);
        MainWindowFixture f;
        if (onMethodScreen)
            f.chooseActivity(true);
        const int screen = f.window->currentScreen();
        f.click(onMethodScreen ? "cmdNext2" : "cmdNext");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Please select an option")});
        QCOMPARE(f.fakes.messages.shown.first().kind, QStringLiteral("error"));
        QCOMPARE(f.window->currentScreen(), screen);
    }

    void methodScreenCaptionsFollowTheActivity_data()
    {
        QTest::addColumn<bool>("learn");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("frame");
        QTest::newRow("learn") << true << "Learn By Significance of Numbers"
                               << "Learn By Interpretation of Numbers"
                               << "Learn Options";
        QTest::newRow("test") << false << "Test By Significance of Numbers"
                              << "Test By Interpretation of Numbers"
                              << "Test Options";
    }
    void methodScreenCaptionsFollowTheActivity()
    {
        QFETCH(bool, learn);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, frame);
        MainWindowFixture f;
        f.chooseActivity(learn);
        QCOMPARE(f.window->currentScreen(), frmMain::MethodScreen);
        QCOMPARE(f.window->session().LearnSelected, learn);
        QCOMPARE(f.radio("optOption0")->text(), first);
        QCOMPARE(f.radio("optOption1")->text(), second);
        QCOMPARE(f.frame(1)->title(), frame);
    }

    void backFromTheMethodScreenClearsAllFourOptions()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.radio("optOption1")->setChecked(true);
        f.click("cmdBack2");
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
        QVERIFY(!f.radio("optMain0")->isChecked() && !f.radio("optMain1")->isChecked());
        f.click("cmdNext");
        QCOMPARE(f.messages().size(), 1); // a new choice is needed
        f.chooseActivity(false);
        QVERIFY(!f.radio("optOption0")->isChecked() && !f.radio("optOption1")->isChecked());
        QVERIFY(!f.window->session().LearnSelected);
    }

    void eachMethodLeadsToItsScreen_data()
    {
        QTest::addColumn<bool>("learn");
        QTest::addColumn<bool>("bySignificance");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("captionedFrame");
        QTest::addColumn<QString>("caption");
        QTest::newRow("learn by significance") << true << true << 2 << 2 << "Learn By Significance";
        QTest::newRow("learn by interpretation")
            << true << false << 3 << 3 << "Learn By Interpretation";
        QTest::newRow("test by significance") << false << true << 4 << 4 << "Test By Significance";
        QTest::newRow("test by interpretation")
            << false << false << 3 << 3 << "Test By Interpretation";
    }
    void eachMethodLeadsToItsScreen()
    {
        QFETCH(bool, learn);
        QFETCH(bool, bySignificance);
        QFETCH(int, screen);
        QFETCH(int, captionedFrame);
        QFETCH(QString, caption);
        MainWindowFixture f;
        f.chooseActivity(learn);
        f.chooseMethod(bySignificance);
        QCOMPARE(f.window->currentScreen(), screen);
        QCOMPARE(f.frame(captionedFrame)->title(), caption);
        QCOMPARE(f.window->session().BySignificance, bySignificance);
        QCOMPARE(f.window->session().CurrentRecord, qint16(0));
        QVERIFY(f.messages().isEmpty());
        if (screen == 3) {
            QCOMPARE(f.label("lblCaption5")->text(),
                     learn ? QStringLiteral("Select the options which you would like to memorize.")
                           : QStringLiteral(
                                 "Select the options which you would like to take the test in."));
        }
        if (!learn) {
            QCOMPARE(f.label("lblCaption6")->text(),
                     bySignificance
                         ? QStringLiteral("Select one option from the given choices below.")
                         : QStringLiteral("Select the correct interpretation for the number "
                                          "displayed at the bottom."));
        }
    }

    void subjectScreenRefusesNoTicks()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(false);
        f.click("cmdNext3");
        QCOMPARE(f.messages(), QStringList{QStringLiteral("Please select at least one option")});
        QCOMPARE(f.window->currentScreen(), frmMain::SubjectScreen);
    }

    void backFromTheSubjectScreenKeepsMethodAndTicks()
    {
        MainWindowFixture f;
        f.chooseActivity(false);
        f.chooseMethod(false);
        f.subject(3)->setChecked(true);
        f.subject(9)->setChecked(true);
        f.click("cmdBack3");
        QCOMPARE(f.window->currentScreen(), frmMain::MethodScreen);
        QVERIFY(f.radio("optOption1")->isChecked());
        f.click("cmdNext2");
        QCOMPARE(f.window->currentScreen(), frmMain::SubjectScreen);
        QVERIFY(f.subject(3)->isChecked() && f.subject(9)->isChecked());
        QVERIFY(!f.subject(0)->isChecked());
    }

    void nextOnTheSubjectScreenRecordsAndUnticks_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("firstRecord");
        QTest::newRow("only the last") << QList<int>{14} << 14;
        QTest::newRow("destiny and challenge") << QList<int>{1, 10} << 1;
        QTest::newRow("first and last") << QList<int>{0, 14} << 0;
    }
    void nextOnTheSubjectScreenRecordsAndUnticks()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(int, firstRecord);
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(false);
        for (int s : ticked)
            f.subject(s)->setChecked(true);
        f.click("cmdNext3");
        QCOMPARE(f.window->currentScreen(), frmMain::LearnScreen);
        QCOMPARE(f.frame(2)->title(), QStringLiteral("Learn By Interpretation"));
        QCOMPARE(int(f.window->session().CurrentRecord), firstRecord);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(f.window->session().SubjectTicked[i], ticked.contains(i));
        for (int i = 0; i < 15; ++i)
            QVERIFY(!f.subject(i)->isChecked());
        // The next visit of the subject screen starts with no box ticked.
        f.click("cmdBackToMain");
        f.click("cmdNext");
        f.click("cmdNext2");
        QCOMPARE(f.window->currentScreen(), frmMain::SubjectScreen);
        for (int i = 0; i < 15; ++i)
            QVERIFY(!f.subject(i)->isChecked());
    }

    void backToMainKeepsTheChoices()
    {
        MainWindowFixture f;
        f.chooseActivity(true);
        f.chooseMethod(true);
        QCOMPARE(f.window->currentScreen(), frmMain::LearnScreen);
        f.click("cmdBackToMain");
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
        QVERIFY(f.radio("optMain0")->isChecked());
        f.click("cmdNext");
        QCOMPARE(f.window->currentScreen(), frmMain::MethodScreen);
        QVERIFY(f.radio("optOption0")->isChecked());
        // Switching to Test rewrites the captions but keeps the method chosen last time.
        f.click("cmdBack2");
        f.chooseActivity(true);
        f.chooseMethod(true);
        f.click("cmdBackToMain");
        f.radio("optMain1")->setChecked(true);
        f.click("cmdNext");
        QCOMPARE(f.radio("optOption0")->text(), QStringLiteral("Test By Significance of Numbers"));
        QVERIFY(f.radio("optOption0")->isChecked());
    }

    void bannerDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("inFront");
        // 6r + 1 rounded half to even: 1.5 -> 2, 2.5 -> 2, 7 only at the very top.
        QTest::newRow("1") << 0.0 << 1 << "lblCobrand";
        QTest::newRow("2 from 1.5") << 0.5 / 6 << 2 << "lblFullBrand";
        QTest::newRow("2 from 2.5") << 1.5 / 6 << 2 << "lblFullBrand";
        QTest::newRow("3") << 2.0 / 6 << 3 << "lblCobrand";
        QTest::newRow("4") << 3.0 / 6 << 4 << "lblFullBrand";
        QTest::newRow("5") << 4.0 / 6 << 5 << "lblCobrand";
        QTest::newRow("6") << 5.0 / 6 << 6 << "lblFullBrand";
        QTest::newRow("7") << 0.95 << 7 << "";
    }
    void bannerDraw()
    {
        QFETCH(double, r);
        QFETCH(int, number);
        QFETCH(QString, inFront);
        MainWindowFixture f;
        QWidget* full = f.find(QStringLiteral("lblFullBrand"));
        QWidget* cobrand = f.find(QStringLiteral("lblCobrand"));
        QCOMPARE(full->geometry(), cobrand->geometry());
        const QObjectList before = full->parent()->children();
        f.window->coBrandRandomize(r);
        QCOMPARE(f.window->coBrandRandomNumber(), number);
        const QObjectList after = full->parent()->children();
        // The last child of the strip is the one drawn on top.
        QWidget* top = qobject_cast<QWidget*>(after.last());
        if (inFront.isEmpty())
            QCOMPARE(after, before);
        else
            QCOMPARE(top->objectName(), inFront);
    }

    void menuBar()
    {
        MainWindowFixture f;
        const QList<QAction*> top = f.window->menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top.at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(top.at(1)->text(), QStringLiteral("&Help"));
        QCOMPARE(top.at(2)->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!top.at(2)->isEnabled());
        QStringList help;
        for (QAction* a : top.at(1)->menu()->actions())
            help << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(help,
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                              QStringLiteral("-"), QStringLiteral("Check for Software &Update"),
                              QStringLiteral("-"), QStringLiteral("&About Software")}));
    }

    void fontsAndColoursAsDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("text");
        const QColor orange(255, 180, 4);
        const QColor instruction(108, 177, 253);
        QTest::newRow("instruction") << "lblCaption2" << 9.0 << true << false << instruction;
        QTest::newRow("activity option") << "optMain1" << 9.75 << true << false << orange;
        QTest::newRow("method option") << "optOption0" << 9.75 << true << false << orange;
        QTest::newRow("subject box") << "chkSubject7" << 8.25 << false << false << orange;
        QTest::newRow("answer option") << "optChoice3" << 8.25 << false << false << orange;
        QTest::newRow("learn subject") << "lblLearnSubject" << 8.25 << true << true << orange;
        QTest::newRow("question counter") << "lblQuestionNo" << 8.25 << true << false << orange;
        QTest::newRow("subject name") << "lblSubjectName" << 9.75 << true << true << orange;
        QTest::newRow("link") << "Label14" << 8.25 << true << true << QColor(0, 0, 255);
        QTest::newRow("banner") << "lblCobrand" << 8.25 << true << true << QColor(0, 0, 255);
        QTest::newRow("button") << "cmdNext2" << 8.25 << true << false << QColor();
        QTest::newRow("print button") << "cmdPrint" << 9.75 << true << false << QColor();
        QTest::newRow("frame caption") << "fraOption3" << 9.0 << true << false << QColor();
    }
    void fontsAndColoursAsDesigned()
    {
        QFETCH(QString, control);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, text);
        MainWindowFixture f;
        QWidget* w = f.find(control);
        QVERIFY(w);
        QCOMPARE(w->font().family(), windowFontFamily());
        // Drawn in Verdana where it is installed, and in DejaVu Sans, its stand-in, elsewhere.
        const bool hasVerdana = QFontDatabase::hasFamily(QStringLiteral("Verdana"));
        QCOMPARE(QFontInfo(w->font()).family(),
                 hasVerdana ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans"));
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().underline(), underline);
        if (text.isValid())
            QCOMPARE(w->palette().color(QPalette::WindowText), text);
    }

    void panesAsDesigned()
    {
        MainWindowFixture f;
        const QColor pink(255, 192, 255);
        const QColor purple(64, 0, 64);
        auto* learn = f.find(QStringLiteral("RTBLearn"));
        auto* answer = f.find(QStringLiteral("txtOption2"));
        // The lessons read in the window's font, as the result does.
        QCOMPARE(learn->font(), f.find(QStringLiteral("RTBTestResult"))->font());
        QCOMPARE(learn->palette().color(QPalette::Base), pink);
        QCOMPARE(f.find(QStringLiteral("RTBTestResult"))->palette().color(QPalette::Base), pink);
        QCOMPARE(answer->palette().color(QPalette::Base), purple);
        QCOMPARE(answer->palette().color(QPalette::Text), QColor(255, 180, 4));
        // The window's background, and a screen's inside, as drawn.
        f.window->show();
        const QImage shot = f.window->centralWidget()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(20, 10)), QColor(255, 180, 4));
        QCOMPARE(QColor(shot.pixel(320, 340)), purple);
    }

    void everyInteractiveControlHasAnAccessibleName()
    {
        MainWindowFixture f;
        for (QAbstractButton* b : f.window->centralWidget()->findChildren<QAbstractButton*>()) {
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
            QVERIFY2(!b->accessibleName().contains(QLatin1Char('&')) ||
                         b->objectName() == QLatin1String("lblCobrand"),
                     qPrintable(b->objectName()));
        }
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
