// The program under the pseudo-translation (scripts/pseudo-translate.py): every text of ours
// comes out "[...]" and a third longer, so a visible text that is not bracketed never went
// through the translation functions, and a control too narrow for a longer language clips.
// Numbers may stand unbracketed. With CORVELLA_PSEUDO_PICTURES set to a folder, each window
// inspected is saved there as a picture.
#include "support/mainwindowfixture.h"

#include "shell/fittext.h"
#include "shell/frmAbout.h"
#include "shell/translations.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>

using namespace corvella;
using namespace corvella::testing;

namespace {

bool translated(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[\\d\\s.,:/()+\\-]*$"));
    const QString shown =
        (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text)
            .trimmed();
    return number.match(shown).hasMatch() ||
           (shown.startsWith(QLatin1Char('[')) && shown.endsWith(QLatin1Char(']')));
}

// What escapes the translation, and what does not fit, among the visible texts of windows.
struct Inspection
{
    QStringList findings;

    void check(const QObject* owner, const QString& text, bool fits = true)
    {
        const QString who = QString::fromLatin1(owner->metaObject()->className()) +
                            QLatin1Char(' ') + owner->objectName() + QStringLiteral(" \"") +
                            text.left(60) + QLatin1Char('"');
        for (const QString& finding :
             {translated(text) ? QString() : who + QStringLiteral(" not translated"),
              fits ? QString() : who + QStringLiteral(" clipped")}) {
            if (!finding.isEmpty() && !findings.contains(finding))
                findings << finding;
        }
    }
    void window(QWidget* window)
    {
        QCoreApplication::processEvents();
        check(window, window->windowTitle());
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window) || child->window() != window)
                continue;
            if (const auto* label = qobject_cast<const QLabel*>(child))
                check(label, label->text(), textFits(label));
            else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
                check(button, button->text(), textFits(button));
            else if (const auto* box = qobject_cast<const QGroupBox*>(child))
                check(box, box->title());
            else if (const auto* tabs = qobject_cast<const QTabBar*>(child))
                for (int i = 0; i < tabs->count(); ++i)
                    check(tabs, tabs->tabText(i));
        }
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            for (const QAction* menu : main->menuBar()->actions()) {
                check(menu, menu->text());
                for (const QAction* item :
                     menu->menu() ? menu->menu()->actions() : QList<QAction*>())
                    check(item, item->text());
            }
        }
        if (const QString folder = qEnvironmentVariable("CORVELLA_PSEUDO_PICTURES");
            !folder.isEmpty() && QDir().mkpath(folder)) {
            static int picture = 0;
            window->grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(folder)
                                    .arg(++picture)
                                    .arg(window->objectName()));
        }
    }
    // Each finding on a line of its own: a failure's message is cut short.
    bool clean() const
    {
        for (const QString& finding : findings)
            qWarning().noquote() << finding;
        return findings.isEmpty();
    }
};

} // namespace

class TestPseudoTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Found as the program finds a translation: by the learner's language (LANGUAGE=en_XA).
        const QString installed =
            installTranslations(QLocale(), QFileInfo(QStringLiteral(CORVELLA_PSEUDO_QM)).path());
        QCOMPARE(installed, QStringLiteral(CORVELLA_PSEUDO_QM));
        QVERIFY(!translated(QStringLiteral("Next")));
        QVERIFY(translated(QStringLiteral("1990")));
    }

    // In English, too, a text that counts has a singular and a plural: "%n card(s)" is never
    // shown as written.
    void englishFormsOfPlurals_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("shown");
        const auto due = QStringLiteral("%n card(s) due now, %1 of them overdue.");
        const auto places = QStringLiteral("Check the value(s) in place(s) %1.");
        const auto score = QStringLiteral("%1 Correct out of %n Questions");
        const auto window = QStringLiteral("corvella::PracticeWindow");
        QTest::newRow("one card") << window << due << 1
                                  << QStringLiteral("%n card due now, %1 of them overdue.");
        QTest::newRow("three cards")
            << window << due << 3 << QStringLiteral("%n cards due now, %1 of them overdue.");
        QTest::newRow("one place") << QStringLiteral("AnswerFeedback") << places << 1
                                   << QStringLiteral("Check the value in place %1.");
        QTest::newRow("two places") << QStringLiteral("AnswerFeedback") << places << 2
                                    << QStringLiteral("Check the values in places %1.");
        QTest::newRow("the score keeps its words")
            << QStringLiteral("TestReport") << score << 1 << score;
        const auto typed = QStringLiteral("You typed %1 value(s); please type the four Pinnacle "
                                          "Numbers, first to fourth, for example \"%2\".");
        QTest::newRow("one value typed")
            << QStringLiteral("Sums") << typed << 1
            << QStringLiteral("You typed %1 value; please type the four Pinnacle Numbers, first "
                              "to fourth, for example \"%2\".");
        const auto tests = QStringLiteral("%n finished test(s), from %1 to %2: the first scored "
                                          "%3%, the last %4%, the best %5%.");
        QTest::newRow("one finished test")
            << QStringLiteral("corvella::ProgressChart") << tests << 1
            << QStringLiteral("%n finished test, from %1 to %2: the first scored %3%, the last "
                              "%4%, the best %5%.");
    }
    void englishFormsOfPlurals()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(int, n);
        QFETCH(QString, shown);
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(CORVELLA_ENGLISH_QM)));
        QCOMPARE(english.translate(qPrintable(context), qPrintable(source), nullptr, n), shown);
    }

    // Every text of the catalogue, a calculation whole with its lines still apart.
    void catalogue()
    {
        ContentTables tables;
        loadContent(tables);
        QStringList texts{entryHeading(tables, 50)};
        for (int s = 0; s < SubjectCount; ++s)
            texts << tables.SubjectName[s] << tables.SubjectSignificance[s]
                  << tables.SubjectCalculation[s];
        texts.append(
            QStringList(tables.InterpretationText.begin(), tables.InterpretationText.end()));
        for (const QString& text : std::as_const(texts))
            QVERIFY2(translated(text), qPrintable(text.left(80)));
        QVERIFY(tables.SubjectCalculation[0].contains(QStringLiteral("\r\n")));
        QVERIFY(
            !tables.SubjectCalculation[0].contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }

    // Every screen of the main window, its menus and its messages.
    void mainWindow()
    {
        MainWindowFixture f;
        f.window->show();
        Inspection seen;
        seen.window(f.window.get());
        f.click("cmdNext"); // nothing chosen: a message
        f.chooseActivity(true);
        seen.window(f.window.get());
        f.chooseMethod(true);
        seen.window(f.window.get());
        f.click("cmdBackLearn"); // at the first record: a message
        f.click("cmdBackToMain");
        f.chooseActivity(true);
        f.chooseMethod(false);
        seen.window(f.window.get());
        f.click("cmdNext3"); // nothing ticked: a message
        f.tickAndGo({4, 6});
        seen.window(f.window.get());
        f.click("cmdBackToMain");
        f.chooseActivity(false);
        f.chooseMethod(false);
        f.tickAndGo({6});
        seen.window(f.window.get());
        f.click("cmdGoToMain");
        f.chooseActivity(false);
        f.chooseMethod(true);
        f.click("cmdNextQuestion"); // nothing chosen: a message
        while (f.window->currentScreen() == frmMain::QuestionScreenIndex) {
            f.radio("optChoice2")->setChecked(true);
            f.click("cmdNextQuestion");
        }
        seen.window(f.window.get());
        QCOMPARE(f.fakes.messages.shownCount, 4);
        for (const QString& message : f.messages())
            seen.check(f.window.get(), message);
        frmAbout about(f.fakes.web, f.window.get());
        about.show();
        seen.window(&about);
        QVERIFY(seen.clean());
    }

    void windowsOfTheFileMenu_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Your Numbers") << QStringLiteral("mnuYourNumbers");
        QTest::newRow("Practice") << QStringLiteral("mnuPractise");
    }
    void windowsOfTheFileMenu()
    {
        QFETCH(QString, command);
        MainWindowFixture f;
        f.window->setProgressFile(
            QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(QStringLiteral("progress.txt")));
        f.window->show();
        f.window->findChild<QAction*>(command)->trigger();
        auto* opened = f.window->findChild<QDialog*>();
        QVERIFY(opened);
        Inspection seen;
        auto* tabs = opened->findChild<QTabWidget*>();
        for (int i = 0; i < (tabs ? tabs->count() : 1); ++i) {
            if (tabs)
                tabs->setCurrentIndex(i);
            seen.window(opened);
        }
        QVERIFY(seen.clean());
    }
};

QTEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
