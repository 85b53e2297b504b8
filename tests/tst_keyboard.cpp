#include "support/mainwindowfixture.h"

#include "platform/richtextpane.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

using namespace corvella;
using namespace corvella::testing;

// The window worked from the keyboard alone.
class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    static void activate(MainWindowFixture& f)
    {
        f.window->show();
        QApplication::setActiveWindow(f.window.get());
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    }
    static QStringList names(std::initializer_list<const char*> list)
    {
        QStringList result;
        for (const char* n : list)
            result << QString::fromLatin1(n);
        return result;
    }
    static QString focused()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        // A button's access key animates the press and clicks a moment later.
        if (modifiers & Qt::AltModifier)
            QTest::qWait(250);
    }
    // The declared focus chain of a screen: its controls that take Tab focus, in order.
    static QStringList declaredChain(QWidget* window, QWidget* screen)
    {
        QStringList chain;
        QWidget* w = window;
        for (int i = 0; i < 500; ++i) {
            w = w->nextInFocusChain();
            if (w == window)
                break;
            if (screen->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus && !w->isHidden())
                chain << w->objectName();
        }
        return chain;
    }
    // The names met by pressing Tab from the first control until the focus comes back. An
    // option group is one stop: the arrow keys move within it.
    static QStringList tabChain()
    {
        QStringList chain{focused()};
        for (int i = 0; i < 30; ++i) {
            key(Qt::Key_Tab);
            if (focused() == chain.first())
                break;
            chain << focused();
        }
        return chain;
    }

private Q_SLOTS:

    void tabOrderOfEveryScreen()
    {
        MainWindowFixture f;
        activate(f);
        QCOMPARE(declaredChain(f.window.get(), f.frame(0)),
                 names({"optMain0", "optMain1", "cmdNext"}));
        QCOMPARE(tabChain(), names({"optMain0", "cmdNext"}));

        f.chooseActivity(true);
        QCOMPARE(declaredChain(f.window.get(), f.frame(1)),
                 names({"optOption0", "optOption1", "cmdNext2", "cmdBack2"}));
        QCOMPARE(tabChain(), names({"optOption0", "cmdNext2", "cmdBack2"}));

        f.chooseMethod(true);
        QCOMPARE(tabChain(), names({"RTBLearn", "cmdNextLearn", "cmdBackLearn", "cmdBackToMain"}));

        f.click("cmdBackToMain");
        f.click("cmdNext");
        f.radio("optOption1")->setChecked(true);
        f.click("cmdNext2");
        QStringList subjects;
        for (int i = 0; i < 15; ++i)
            subjects << QStringLiteral("chkSubject%1").arg(i);
        QCOMPARE(tabChain(), subjects + names({"cmdNext3", "cmdBack3"}));

        f.tickAndGo({0});
        f.click("cmdBackToMain");
        f.click("cmdBack2");
        f.click("cmdBackToMain"); // harmless on the start screen's hidden sibling
        f.chooseActivity(false);
        f.chooseMethod(true);
        QCOMPARE(tabChain(), names({"optChoice0", "txtOption0", "txtOption1", "txtOption2",
                                    "txtOption3", "txtOption4", "cmdNextQuestion"}));
        for (int q = 0; q < 10; ++q) {
            f.radio("optChoice0")->setChecked(true);
            f.click("cmdNextQuestion");
        }
        QCOMPARE(tabChain(), names({"RTBTestResult", "cmdGoToMain", "cmdPrint"}));
    }

    void aWholeLearnWalkWithoutTheMouse()
    {
        MainWindowFixture f;
        activate(f);
        key(Qt::Key_Space); // Learn Numerology
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("cmdNext"));
        key(Qt::Key_Space);
        QCOMPARE(f.window->currentScreen(), frmMain::MethodScreen);
        key(Qt::Key_Down); // arrows move within the option group
        QCOMPARE(focused(), QStringLiteral("optOption1"));
        key(Qt::Key_Space);
        QVERIFY(f.radio("optOption1")->isChecked());
        key(Qt::Key_N, Qt::AltModifier); // &Next of the method screen
        QCOMPARE(f.window->currentScreen(), frmMain::SubjectScreen);
        key(Qt::Key_Space); // tick Life Path Number
        key(Qt::Key_Tab);
        key(Qt::Key_Space);              // and Destiny / Expression Number
        key(Qt::Key_N, Qt::AltModifier); // &Next of the subject screen, not of another screen
        QCOMPARE(f.window->currentScreen(), frmMain::LearnScreen);
        QCOMPARE(f.window->session().CurrentRecord, qint16(0));
        key(Qt::Key_N, Qt::AltModifier); // &Next of the learn screen
        QCOMPARE(f.window->session().CurrentRecord, qint16(1));
        key(Qt::Key_B, Qt::AltModifier);
        QCOMPARE(f.window->session().CurrentRecord, qint16(0));
        key(Qt::Key_M, Qt::AltModifier); // Back To &Main
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
        QVERIFY(f.messages().isEmpty());
    }

    void digitKeysChooseTheAnswerRow()
    {
        MainWindowFixture f;
        activate(f);
        f.chooseActivity(false);
        f.chooseMethod(true);
        QCOMPARE(f.window->currentScreen(), frmMain::QuestionScreenIndex);
        f.find<RichTextPane>(QStringLiteral("txtOption1"))->setFocus();
        for (int row = 0; row < 5; ++row) {
            key(Qt::Key(Qt::Key_1 + row));
            for (int i = 0; i < 5; ++i)
                QCOMPARE(f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)))->isChecked(),
                         i == row);
        }
        // Tab leaves an answer box instead of being swallowed by it.
        f.find<RichTextPane>(QStringLiteral("txtOption1"))->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("txtOption2"));
        key(Qt::Key_Q, Qt::AltModifier); // Next &Question
        QCOMPARE(f.label("lblQuestionNo")->text(), QStringLiteral("Question 2 of 10"));
    }

    // After each answer the keyboard is back on the options, where a screen reader reads the
    // new question's first answer.
    void nextQuestionPutsTheKeyboardOnTheOptions_data()
    {
        QTest::addColumn<bool>("bySignificance");
        QTest::newRow("significance") << true;
        QTest::newRow("interpretation") << false;
    }
    void nextQuestionPutsTheKeyboardOnTheOptions()
    {
        QFETCH(bool, bySignificance);
        MainWindowFixture f;
        activate(f);
        f.chooseActivity(false);
        f.chooseMethod(bySignificance);
        if (!bySignificance)
            f.tickAndGo({9});
        const auto heard = [] {
            QAccessibleInterface* focus =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            return focus ? focus->text(QAccessible::Name) : QString();
        };
        for (int q = 1; q <= 4; ++q) {
            QCOMPARE(f.label("lblQuestionNo")->text().section(QLatin1Char(' '), 1, 1),
                     QString::number(q));
            QCOMPARE(focused(), QStringLiteral("optChoice0"));
            QCOMPARE(heard(),
                     QStringLiteral("Choice 1: ") +
                         f.find<RichTextPane>(QStringLiteral("txtOption0"))->toPlainText());
            key(Qt::Key(Qt::Key_1 + q)); // the row chosen takes the keyboard
            QCOMPARE(focused(), QStringLiteral("optChoice%1").arg(q));
            QVERIFY(heard().startsWith(QStringLiteral("Choice %1: ").arg(q + 1)));
            // Next Question pressed with the space bar, as a keyboard user does.
            f.button("cmdNextQuestion")->setFocus();
            key(Qt::Key_Space);
        }
    }

    // Once a record or a report is drawn, the arrow and page keys start from its top.
    void keysScrollFromTheTop_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("pressed");
        const QList<std::pair<const char*, Qt::Key>> keys = {{"Page Down", Qt::Key_PageDown},
                                                             {"Down", Qt::Key_Down}};
        for (const char* where : {"Personal Year record", "report of 10", "report of 75"}) {
            for (const auto& [name, pressed] : keys)
                QTest::addRow("%s, %s", where, name) << QString::fromLatin1(where) << int(pressed);
        }
    }

    void keysScrollFromTheTop()
    {
        QFETCH(QString, where);
        QFETCH(int, pressed);
        MainWindowFixture f;
        activate(f);
        const bool learn = where.endsWith(QStringLiteral("record"));
        f.chooseActivity(learn);
        if (learn) {
            f.chooseMethod(false);
            f.tickAndGo({14});
            QCOMPARE(f.label("lblLearnSubject")->text(), QStringLiteral("Personal Year Number"));
        } else {
            const bool all = where == QStringLiteral("report of 75");
            f.chooseMethod(!all);
            if (all) {
                for (int s = 0; s < 15; ++s)
                    f.subject(s)->setChecked(true);
                f.click("cmdNext3");
            }
            while (f.window->currentScreen() == 4) {
                f.radio("optChoice2")->setChecked(true);
                f.click("cmdNextQuestion");
            }
        }
        auto* pane = f.find<RichTextPane>(learn ? QStringLiteral("RTBLearn")
                                                : QStringLiteral("RTBTestResult"));
        QVERIFY(pane->isVisible());
        QCOMPARE(pane->textCursor().position(), 0);
        QScrollBar* bar = pane->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        // Long enough that one page down is not the end.
        QVERIFY2(bar->maximum() > bar->pageStep(),
                 qPrintable(QStringLiteral("%1 of %2").arg(bar->maximum()).arg(bar->pageStep())));
        QTest::keyClick(pane, Qt::Key(pressed));
        QVERIFY(pane->textCursor().position() > 0);
        if (pressed == Qt::Key_PageDown)
            QCOMPARE(bar->value(), bar->pageStep());
        else
            QVERIFY2(bar->value() < bar->pageStep(), qPrintable(QString::number(bar->value())));
    }

    void digitKeysDoNothingOffTheQuestionScreen()
    {
        MainWindowFixture f;
        activate(f);
        f.chooseActivity(false);
        f.chooseMethod(true);
        f.click("cmdNextQuestion"); // refused: nothing chosen
        f.window->showScreen(frmMain::StartScreen);
        key(Qt::Key_3);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!f.radio(qPrintable(QStringLiteral("optChoice%1").arg(i)))->isChecked());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
