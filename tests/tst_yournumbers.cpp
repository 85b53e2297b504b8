#include "support/mainwindowfixture.h"

#include "content/cyclemeanings.h"
#include "learn/chartreport.h"
#include "numerology/numerology.h"
#include "platform/rememberedperson.h"
#include "platform/richtextpane.h"
#include "platform/userfolders.h"
#include "platform/windowplaces.h"
#include "quiz/printcopy.h"
#include "shell/yournumbers.h"

#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QThread>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvella;
using namespace corvella::testing;

namespace {

// The main window with the Your Numbers window opened from its menu.
struct Opened
{
    MainWindowFixture f;
    YourNumbers* window = nullptr;

    Opened()
    {
        f.window->show();
        f.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
        window = f.window->findChild<YourNumbers*>();
    }
    QLineEdit* field(const char* name) const
    {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    RichTextPane* pane() const
    {
        return window->findChild<RichTextPane*>(QStringLiteral("RTBChart"));
    }
    // Types into a field with the keyboard, replacing what it held.
    void type(const char* name, const QString& text) const
    {
        QLineEdit* edit = field(name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, char(c.unicode()));
            } else { // a letter from another keyboard layout: the key event carries its text
                QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), {});
                QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), {});
            }
        }
    }
    QStringList lines() const { return pane()->toPlainText().split(QLatin1Char('\n')); }
};

QStringList headingLines(const QTextDocument* document)
{
    QStringList headings;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty() &&
            block.begin().fragment().charFormat().fontWeight() == QFont::Bold)
            headings << block.text();
    }
    return headings;
}

} // namespace

class TestYourNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void fileMenuGainsTheEntry();
    void opensBesideTheMainWindowOnceAtATime();
    void staysOnTheScreen();
    void chartByKeyboard();
    void enterInAnyFieldCalculates_data();
    void enterInAnyFieldCalculates();
    void badInput_data();
    void badInput();
    void lookingOnTheBirthDayIsAccepted();
    void accentsAreNamed();
    void tabOrderAndNames();
    void escapeCloses();
    void coloursAndFonts();
    void calendarFillsTheField();
    void printOffersTheDialog();
    void paneFollowsTheClipboardRule();
    void rememberedFile_data();
    void rememberedFile();
    void remembersWhatWasTyped_data();
    void remembersWhatWasTyped();
    void forgetClearsFieldsAndFile();
    void openingNeverWaitsOnTheFile_data();
    void openingNeverWaitsOnTheFile();
    void personNotKeptIsSaidOnce_data();
    void personNotKeptIsSaidOnce();

private:
    QTemporaryDir m_data;
};

// The remembered name goes to a folder of the test's own, and each test starts without one.
void TestYourNumbers::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path() + QStringLiteral("/data")));
}

void TestYourNumbers::init()
{
    QVERIFY(forgetRememberedPerson());
    QFile::remove(windowPlacesFile());
}

void TestYourNumbers::fileMenuGainsTheEntry()
{
    MainWindowFixture f;
    auto* file = f.window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    const QList<QAction*> items = file->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("&Your Numbers..."));
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_Y));
    QCOMPARE(items[1]->text(), QStringLiteral("&Practise..."));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("E&xit"));
}

void TestYourNumbers::opensBesideTheMainWindowOnceAtATime()
{
    MainWindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const QRect screen = f.window->screen()->availableGeometry();
    QRect placed = f.window->frameGeometry();
    placed.moveCenter(screen.center());
    f.window->move(placed.topLeft());
    QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
    auto* window = f.window->findChild<YourNumbers*>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Your Numbers"));
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // On the screen, beside the main window: the test's screen leaves room on neither side, so
    // it lies against the roomier side.
    QVERIFY(screen.contains(window->frameGeometry()));
    QCOMPARE(window->frameGeometry().right(), screen.right());

    // The main window carries on: the wizard still moves.
    f.chooseActivity(true);
    QCOMPARE(f.window->currentScreen(), frmMain::MethodScreen);

    // The menu brings the open window forward instead of opening another.
    window->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
    f.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
    QCOMPARE(f.window->findChildren<YourNumbers*>().size(), 1);
    QCOMPARE(f.window->findChild<YourNumbers*>(), window);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtName"))->text(),
             QStringLiteral("Ann"));
}

// A main window in the corner of the screen: centring on it would put the top of the window,
// with its fields, above the screen.
void TestYourNumbers::staysOnTheScreen()
{
    MainWindowFixture f;
    f.window->move(0, 0);
    f.window->show();
    f.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
    auto* window = f.window->findChild<YourNumbers*>();
    QVERIFY(f.window->screen()->availableGeometry().contains(window->geometry()));
}

void TestYourNumbers::chartByKeyboard()
{
    Opened o;
    QCOMPARE(o.field("txtLookAt")->text(), QStringLiteral("2026-12-07")); // the fake clock's day
    o.type("txtName", QStringLiteral("Holly Norris"));
    QTest::keyClick(o.field("txtName"), Qt::Key_Tab);
    QCOMPARE(o.window->focusWidget(), o.field("txtBirth"));
    QTest::keyClicks(o.field("txtBirth"), QStringLiteral("1980-10-24"));
    o.type("txtLookAt", QStringLiteral("2025-03-17"));
    QTest::keyClick(o.field("txtLookAt"), Qt::Key_Return);
    QVERIFY(o.f.messages().isEmpty());

    const numerology::Chart chart =
        numerology::calculateChart({QStringLiteral("HOLLY"), QStringLiteral("NORRIS")},
                                   QDate(1980, 10, 24), QDate(2025, 3, 17));
    const ContentTables& content = o.f.window->content();
    ContentTables loaded;
    loadContent(loaded);
    QStringList expected;
    for (const numerology::Number& number : chart.numbers) {
        QStringList values;
        for (int v : number.values)
            values << QString::number(v);
        expected << loaded.SubjectName[number.subject] + QLatin1String(": ") +
                        values.join(QLatin1String(", "));
    }
    Q_UNUSED(content);
    // Exactly the fifteen headings are bold, in the catalogue's order.
    QCOMPARE(headingLines(o.pane()->document()), expected);
    QCOMPARE(expected.first(), QStringLiteral("Life Path Number: 7"));
    QCOMPARE(expected[numerology::Pinnacle], QStringLiteral("Pinnacle Number: 7, 6, 4, 1"));

    // Each heading is followed by its working, when each value runs, the other methods' values
    // and then by the meanings of its values.
    const QStringList lines = o.lines();
    for (const numerology::Number& number : chart.numbers) {
        int at = lines.indexOf(expected[number.subject]);
        QVERIFY(at >= 0);
        for (const QString& working : number.working + number.timing + number.otherMethods)
            QCOMPARE(lines.value(++at), working);
        if (number.values.size() == 1) {
            QCOMPARE(lines.value(++at), QLatin1String("Meaning: ") +
                                            meaningOf(loaded, number.subject, number.values[0]));
        } else {
            const char* ordinals[] = {"First", "Second", "Third", "Fourth"};
            for (int k = 0; k < number.values.size(); ++k)
                QCOMPARE(lines.value(++at),
                         QStringLiteral("%1 (%2): %3")
                             .arg(QLatin1String(ordinals[k]))
                             .arg(number.values[k])
                             .arg(meaningOf(loaded, number.subject, number.values[k])));
        }
        QVERIFY(!meaningOf(loaded, number.subject, number.values[0]).isEmpty());
        if (number.subject != numerology::PersonalYear)
            continue;
        // Under the Personal Year, the year ahead: two years, then the twelve months.
        QCOMPARE(lines.value(++at), QStringLiteral("The year ahead:"));
        for (const numerology::CycleAhead& cycle : number.ahead) {
            if (cycle.month == 1)
                QVERIFY(lines.value(++at).startsWith(QLatin1String("The Personal Months of 2025")));
            const QString line = lines.value(++at);
            const QString meaning = QLatin1String(": ") + shortMeaningOfCycle(cycle.value);
            QVERIFY2(line.endsWith(meaning), qPrintable(line));
            if (cycle.month == 0)
                QCOMPARE(line, QStringLiteral("%1, Personal Year %2 (%3)")
                                       .arg(cycle.year)
                                       .arg(cycle.value)
                                       .arg(cycle.working) +
                                   meaning);
            else
                QCOMPARE(line,
                         QStringLiteral("%1, %2%3")
                                 .arg(QLocale::c().monthName(cycle.month))
                                 .arg(cycle.value)
                                 .arg(cycle.month == 3 ? QStringLiteral(" (now)") : QString()) +
                             meaning);
        }
    }
    // The Pinnacle in force on March 17, 2025, at 44 for Life Path 7 (until 29, 38, 47): the
    // third.
    QVERIFY(lines.contains(QStringLiteral("Third Pinnacle (4): from age 38 until age 47, October "
                                          "24, 2018 to October 23, 2027 (now)")));
    // It opens at its top, and keyboard scrolling starts there too.
    QCOMPARE(o.pane()->textCursor().position(), 0);
    QCOMPARE(o.pane()->verticalScrollBar()->value(), o.pane()->verticalScrollBar()->minimum());
    QVERIFY(o.pane()->verticalScrollBar()->maximum() > 0);
    // The fields keep what was typed.
    QCOMPARE(o.field("txtName")->text(), QStringLiteral("Holly Norris"));
}

void TestYourNumbers::enterInAnyFieldCalculates_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("name") << "txtName";
    QTest::newRow("date of birth") << "txtBirth";
    QTest::newRow("date to look at") << "txtLookAt";
}

void TestYourNumbers::enterInAnyFieldCalculates()
{
    QFETCH(QString, field);
    Opened o;
    o.type("txtName", QStringLiteral("Lynn"));
    o.type("txtBirth", QStringLiteral("1990-11-29"));
    QLineEdit* edit = o.field(qPrintable(field));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Enter);
    QVERIFY(o.f.messages().isEmpty());
    QVERIFY(o.lines().contains(QStringLiteral("Birthday Number: 29")));
}

void TestYourNumbers::badInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("lookAt");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("focused");
    QTest::newRow("digit in the name") << "Ann 2nd"
                                       << "1990-01-01"
                                       << "2026-01-01"
                                       << "\"2\""
                                       << "txtName";
    QTest::newRow("no name") << ""
                             << "1990-01-01"
                             << "2026-01-01"
                             << "at least one letter"
                             << "txtName";
    QTest::newRow("name too long") << QString(121, QLatin1Char('a')) << "1990-01-01"
                                   << "2026-01-01"
                                   << "121"
                                   << "txtName";
    QTest::newRow("no vowel") << "Brr"
                              << "1990-01-01"
                              << "2026-01-01"
                              << "no vowel"
                              << "txtName";
    QTest::newRow("no date of birth") << "Ann Lee"
                                      << ""
                                      << "2026-01-01"
                                      << "date of birth"
                                      << "txtBirth";
    QTest::newRow("29 February 2023") << "Ann Lee"
                                      << "2023-02-29"
                                      << "2026-01-01"
                                      << "\"2023-02-29\""
                                      << "txtBirth";
    QTest::newRow("year 0") << "Ann Lee"
                            << "0000-05-05"
                            << "2026-01-01"
                            << "1 to 9999"
                            << "txtBirth";
    QTest::newRow("bad date to look at") << "Ann Lee"
                                         << "1990-01-01"
                                         << "2026-13-01"
                                         << "date to look at"
                                         << "txtLookAt";
    QTest::newRow("looking before the birth") << "Ann Lee"
                                              << "1990-01-01"
                                              << "1989-12-31"
                                              << "before the date of birth"
                                              << "txtLookAt";
}

void TestYourNumbers::badInput()
{
    QFETCH(QString, name);
    QFETCH(QString, birth);
    QFETCH(QString, lookAt);
    QFETCH(QString, named);
    QFETCH(QString, focused);
    Opened o;
    // A good chart first: a refused input leaves it on screen, untouched, beside the message.
    o.type("txtName", QStringLiteral("Holly Norris"));
    o.type("txtBirth", QStringLiteral("1980-10-24"));
    QTest::keyClick(o.field("txtBirth"), Qt::Key_Return);
    const QString chart = o.pane()->toPlainText();
    QVERIFY(chart.startsWith(QLatin1String("HOLLY NORRIS, born October 24, 1980")));

    o.type("txtName", name);
    o.type("txtBirth", birth);
    o.type("txtLookAt", lookAt);
    QTest::keyClick(o.field("txtLookAt"), Qt::Key_Return);
    QCOMPARE(o.f.fakes.messages.shown.size(), 1);
    QCOMPARE(o.f.fakes.messages.shown[0].kind, QStringLiteral("error"));
    QVERIFY2(o.f.messages()[0].contains(named), qPrintable(o.f.messages()[0]));
    QCOMPARE(o.pane()->toPlainText(), chart);
    QCOMPARE(headingLines(o.pane()->document()).size(), int(numerology::NumberCount));
    QCOMPARE(o.field("txtName")->text(), name);
    QCOMPARE(o.field("txtBirth")->text(), birth);
    QCOMPARE(o.field("txtLookAt")->text(), lookAt);
    QCOMPARE(o.window->focusWidget()->objectName(), focused);
}

// The first day of a life is a day to look at like any other: only a day before it is refused.
void TestYourNumbers::lookingOnTheBirthDayIsAccepted()
{
    Opened o;
    o.type("txtName", QStringLiteral("Lynn"));
    o.type("txtBirth", QStringLiteral("1990-11-29"));
    o.type("txtLookAt", QStringLiteral("1990-11-29"));
    QTest::keyClick(o.field("txtLookAt"), Qt::Key_Return);
    QVERIFY2(o.f.messages().isEmpty(), qPrintable(o.f.messages().join(QLatin1Char('\n'))));
    QVERIFY(o.lines().contains(QStringLiteral("Birthday Number: 29")));
}

void TestYourNumbers::accentsAreNamed()
{
    Opened o;
    o.type("txtName", QString::fromUtf8("Zoë Núñez"));
    o.type("txtBirth", QStringLiteral("2000-02-29"));
    QTest::keyClick(o.field("txtBirth"), Qt::Key_Return);
    QVERIFY(o.f.messages().isEmpty());
    QVERIFY(o.lines().contains(
        QString::fromUtf8("Letters read as plain ones: ë as E, ú as U, ñ as N.")));
    QVERIFY(o.lines().contains(QStringLiteral("Destiny / Expression Number: 9")));
}

void TestYourNumbers::tabOrderAndNames()
{
    Opened o;
    QVERIFY(QTest::qWaitForWindowActive(o.window));
    o.field("txtName")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int k = 0; k < 7; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral(
                 "txtName txtBirth txtLookAt cmdCalculate RTBChart cmdPrint cmdForget cmdClose"));

    QCOMPARE(o.field("txtName")->accessibleName(), QStringLiteral("Full name at birth"));
    QCOMPARE(o.field("txtBirth")->accessibleName(), QStringLiteral("Date of birth"));
    QCOMPARE(o.field("txtLookAt")->accessibleName(), QStringLiteral("Date to look at"));
    QCOMPARE(o.pane()->accessibleName(), QStringLiteral("Your numbers"));
    for (QWidget* control : o.window->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus || qobject_cast<QLabel*>(control)) {
            if (control->isVisibleTo(o.window) && control->parentWidget() == o.window)
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }
}

void TestYourNumbers::escapeCloses()
{
    Opened o;
    QPointer<YourNumbers> window = o.window;
    QTest::keyClick(o.field("txtName"), Qt::Key_Escape);
    QVERIFY(!window || !window->isVisible());
    QTRY_VERIFY(window.isNull());
    // The next opening builds a fresh window.
    o.f.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
    QVERIFY(o.f.window->findChild<YourNumbers*>());
    QVERIFY(o.f.window->findChild<YourNumbers*>()->isVisible());
}

// The main window's colours: purple behind, light blue captions, the pink pane; the learner's
// own font.
void TestYourNumbers::coloursAndFonts()
{
    Opened o;
    QCOMPARE(o.window->palette().color(QPalette::Window), QColor(64, 0, 64));
    QCOMPARE(o.pane()->palette().color(QPalette::Base), QColor(255, 192, 255));
    QCOMPARE(o.pane()->palette().color(QPalette::Text), QColor(0, 0, 0));
    const QList<QLabel*> labels = o.window->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 4);
    for (const QLabel* label : labels) {
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(108, 177, 253));
        QVERIFY(label->font().bold());
    }
    QCOMPARE(o.window->font(), QApplication::font(o.window));
    QCOMPARE(o.pane()->font(), QApplication::font(o.window));
}

void TestYourNumbers::calendarFillsTheField()
{
    Opened o;
    QVERIFY(QTest::qWaitForWindowActive(o.window));
    o.type("txtBirth", QStringLiteral("1962-07-03"));
    QTest::keyClick(o.field("txtBirth"), Qt::Key_Down, Qt::AltModifier);
    auto* calendar = o.window->findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(1962, 7, 3));
    // A screen reader meets the pop-up through its focused grid of days, named for the field.
    QWidget* grid = QApplication::focusWidget();
    QVERIFY(grid);
    QVERIFY(calendar->isAncestorOf(grid));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(read);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Choose the date of birth"));
    QCOMPARE(calendar->accessibleName(), QStringLiteral("Choose the date of birth"));
    // One day on with the arrow key, and Enter takes it.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(o.field("txtBirth")->text(), QStringLiteral("1962-07-04"));
    QTRY_VERIFY(!o.window->findChild<QCalendarWidget*>());
}

void TestYourNumbers::printOffersTheDialog()
{
    Opened o;
    QVERIFY(QTest::qWaitForWindowActive(o.window));
    // An access key animates the press and clicks a moment later.
    QTest::keyClick(o.field("txtName"), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(o.f.messages().size(), 1); // nothing to print yet
    QVERIFY(o.f.fakes.printer.dialogJobs.isEmpty());

    o.type("txtName", QStringLiteral("Holly Norris"));
    o.type("txtBirth", QStringLiteral("1980-10-24"));
    QTest::keyClick(o.field("txtBirth"), Qt::Key_Return);
    QTest::keyClick(o.field("txtBirth"), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(o.f.fakes.printer.dialogJobs.size(), 1);
    QCOMPARE(o.f.fakes.printer.dialogParents, QList<QWidget*>{o.window});
    const QString printed = o.f.fakes.printer.dialogJobs[0];
    const QString attribution = attributionLine();
    QCOMPARE(printed, attribution + QLatin1String("\n\n") + o.pane()->toPlainText() +
                          QLatin1String("\n\n") + attribution);
    QVERIFY(o.f.fakes.printer.jobs.isEmpty()); // never straight to the default printer
    // The page keeps the screen's headings in bold, and only them.
    const auto* copy = o.window->findChild<RichTextPane*>(QStringLiteral("RTBPrintCopy"));
    QCOMPARE(headingLines(copy->document()), headingLines(o.pane()->document()));
    QCOMPARE(headingLines(copy->document()).size(), int(numerology::NumberCount));
}

void TestYourNumbers::paneFollowsTheClipboardRule()
{
    Opened o;
    FakeClipboard& clipboard = o.f.fakes.clipboard;
    clipboard.hasClipboard = clipboard.ownClipboard = true;
    o.type("txtName", QStringLiteral("Holly Norris"));
    o.type("txtBirth", QStringLiteral("1980-10-24"));
    QTest::keyClick(o.field("txtBirth"), Qt::Key_Return);
    QVERIFY(clipboard.clipboardClears > 0); // the pane changed
    clipboard.hasClipboard = true;
    QTest::mouseMove(o.pane()->viewport(), QPoint(20, 20));
    QVERIFY(!clipboard.hasClipboard);
}

void TestYourNumbers::rememberedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("name");
    QTest::newRow("as written") << QByteArray(
                                       "# a comment\nformat=1\nname=Zoë Núñez\nbirth=2000-02-29\n"
                                       "lookAt=\n")
                                << true << QString::fromUtf8("Zoë Núñez");
    QTest::newRow("a byte-order mark first") << QByteArray("\xef\xbb\xbf"
                                                           "format=1\nname=Ann\n")
                                             << true << "Ann";
    QTest::newRow("an equals sign in the name")
        << QByteArray("format=1\nname=A=B\nbirth=2000-02-29\nlookAt=2026-01-01\n") << true << "A=B";
    QTest::newRow("another format") << QByteArray("format=2\nname=Ann\n") << false << "";
    QTest::newRow("no format line") << QByteArray("name=Ann\n") << false << "";
    QTest::newRow("not UTF-8") << QByteArray("format=1\nname=\xff\xfe\n") << false << "";
    QTest::newRow("a NUL byte") << QByteArray("format=1\nname=A\0nn\n", 19) << false << "";
    QTest::newRow("too large") << QByteArray("format=1\nname=") + QByteArray(20000, 'a') << false
                               << "";
}

// The file is read as written, and anything else is passed over as absent.
void TestYourNumbers::rememberedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, read);
    QFETCH(QString, name);
    QVERIFY(QDir().mkpath(programDataFolder()));
    QFile file(programDataFolder() + QStringLiteral("/your-numbers.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const std::optional<RememberedPerson> person = loadRememberedPerson();
    QCOMPARE(person.has_value(), read);
    if (read)
        QCOMPARE(person->name, name);
}

void TestYourNumbers::remembersWhatWasTyped_data()
{
    QTest::addColumn<QString>("lookAt");
    QTest::addColumn<QString>("reopensWith");
    // Today's date (the fake clock's) is not kept: the next opening looks at its own today.
    QTest::newRow("today") << "2026-12-07"
                           << "";
    QTest::newRow("another day") << "2030-01-01"
                                 << "2030-01-01";
}

void TestYourNumbers::remembersWhatWasTyped()
{
    QFETCH(QString, lookAt);
    QFETCH(QString, reopensWith);
    {
        Opened o;
        QVERIFY(!loadRememberedPerson()); // nothing before a chart is calculated
        o.type("txtName", QString::fromUtf8("Zoë Núñez"));
        o.type("txtBirth", QStringLiteral("2000-02-29"));
        QVERIFY(!loadRememberedPerson()); // nor while typing
        o.type("txtLookAt", lookAt);
        QTest::keyClick(o.field("txtLookAt"), Qt::Key_Return);
        QVERIFY(o.f.messages().isEmpty());
    }
    const std::optional<RememberedPerson> person = loadRememberedPerson();
    QVERIFY(person);
    QCOMPARE(person->name, QString::fromUtf8("Zoë Núñez"));
    QCOMPARE(person->birth, QStringLiteral("2000-02-29"));
    QCOMPARE(person->lookAt, reopensWith);
    QFile file(programDataFolder() + QStringLiteral("/your-numbers.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nname=Zo\xc3\xab N\xc3\xba\xc3\xb1"
                                    "ez\n"));
    QCOMPARE(QFileInfo(programDataFolder()).permissions() & 0x0077, QFileDevice::Permissions());

    // A refused input is not remembered, nor is the same again written again.
    Opened o;
    QCOMPARE(o.field("txtName")->text(), QString::fromUtf8("Zoë Núñez"));
    QCOMPARE(o.field("txtBirth")->text(), QStringLiteral("2000-02-29"));
    QCOMPARE(o.field("txtLookAt")->text(), reopensWith.isEmpty() ? lookAt : reopensWith);
    o.type("txtName", QStringLiteral("Ann 2nd"));
    QTest::keyClick(o.field("txtName"), Qt::Key_Return);
    QCOMPARE(o.f.messages().size(), 1);
    QCOMPARE(loadRememberedPerson()->name, QString::fromUtf8("Zoë Núñez"));
    const QString path = programDataFolder() + QStringLiteral("/your-numbers.txt");
    const auto inode = [&path] {
        struct stat status;
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
    };
    o.type("txtName", QStringLiteral("Ann Lee"));
    QTest::keyClick(o.field("txtName"), Qt::Key_Return);
    QTRY_COMPARE(loadRememberedPerson()->name, QStringLiteral("Ann Lee"));
    const auto written = inode();
    QTest::keyClick(o.field("txtName"), Qt::Key_Return);
    QTest::qWait(200);
    QCOMPARE(inode(), written);
    // Each write is a new file renamed over the old one, so a write would have shown.
    o.type("txtName", QStringLiteral("Ann Roe"));
    QTest::keyClick(o.field("txtName"), Qt::Key_Return);
    QTRY_COMPARE(loadRememberedPerson()->name, QStringLiteral("Ann Roe"));
    QVERIFY(inode() != written);
}

void TestYourNumbers::forgetClearsFieldsAndFile()
{
    Opened o;
    QVERIFY(QTest::qWaitForWindowActive(o.window));
    o.type("txtName", QStringLiteral("Holly Norris"));
    o.type("txtBirth", QStringLiteral("1980-10-24"));
    o.type("txtLookAt", QStringLiteral("2030-01-01"));
    QTest::keyClick(o.field("txtLookAt"), Qt::Key_Return);
    QTRY_VERIFY(loadRememberedPerson()); // written on a thread of its own
    QTest::keyClick(o.field("txtName"), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(!QFile::exists(programDataFolder() + QStringLiteral("/your-numbers.txt")));
    QCOMPARE(o.field("txtName")->text(), QString());
    QCOMPARE(o.field("txtBirth")->text(), QString());
    QCOMPARE(o.field("txtLookAt")->text(), QStringLiteral("2026-12-07"));
    QCOMPARE(o.pane()->toPlainText(), QString());
    QCOMPARE(o.window->focusWidget(), o.field("txtName"));
    QVERIFY(o.f.messages().isEmpty());
}

void TestYourNumbers::openingNeverWaitsOnTheFile_data()
{
    QTest::addColumn<bool>("throughALink");
    QTest::newRow("a FIFO") << false;
    QTest::newRow("a link to a FIFO") << true;
}

// A FIFO where the remembered person should be never holds the window up: it opens at once,
// with empty fields.
void TestYourNumbers::openingNeverWaitsOnTheFile()
{
    QFETCH(bool, throughALink);
    QVERIFY(QDir().mkpath(programDataFolder()));
    const QByteArray path =
        QFile::encodeName(programDataFolder() + QStringLiteral("/your-numbers.txt"));
    const QByteArray fifo =
        throughALink ? QFile::encodeName(m_data.filePath(QStringLiteral("fifo"))) : path;
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    if (throughALink)
        QCOMPARE(::symlink(fifo.constData(), path.constData()), 0);
    // Should the window wait on the FIFO, a writer lets it go after a while, so that the test
    // fails rather than hangs.
    std::atomic<bool> opened{false};
    std::thread writer([&fifo, &opened] {
        for (int tick = 0; tick < 200 && !opened; ++tick) {
            QThread::msleep(25);
            const int fd = tick < 80 ? -1 : ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                break;
            }
        }
    });
    QElapsedTimer clock;
    clock.start();
    Opened o;
    const qint64 took = clock.elapsed();
    opened = true;
    writer.join();
    ::unlink(path.constData());
    ::unlink(fifo.constData());
    QVERIFY2(took < 1500, qPrintable(QString::number(took)));
    QCOMPARE(o.field("txtName")->text(), QString());
    QCOMPARE(o.field("txtBirth")->text(), QString());
}

void TestYourNumbers::personNotKeptIsSaidOnce_data()
{
    QTest::addColumn<QString>("inTheWay");
    QTest::newRow("the data folder a file") << programDataFolder();
    QTest::newRow("your-numbers.txt a folder")
        << programDataFolder() + QStringLiteral("/your-numbers.txt");
}

// With nowhere to keep the person, the learner is told so once: not after every chart, and not
// again after Forget.
void TestYourNumbers::personNotKeptIsSaidOnce()
{
    QFETCH(QString, inTheWay);
    QDir(programDataFolder()).removeRecursively();
    QFile::remove(programDataFolder());
    QVERIFY(QDir().mkpath(QFileInfo(inTheWay).absolutePath()));
    if (inTheWay == programDataFolder())
        QVERIFY(QFile(inTheWay).open(QIODevice::WriteOnly));
    else
        QVERIFY(QDir().mkpath(inTheWay));
    {
        Opened o;
        for (const char* name : {"Ann Lee", "Ann Roe", "", "Ann Lee"}) {
            if (!*name) {
                QTest::keyClick(o.field("txtName"), Qt::Key_F, Qt::AltModifier);
                continue;
            }
            o.type("txtName", QString::fromLatin1(name));
            o.type("txtBirth", QStringLiteral("1980-10-24"));
            QTest::keyClick(o.field("txtBirth"), Qt::Key_Return);
            QTRY_VERIFY(!o.f.messages().isEmpty());
            QTest::qWait(100);
        }
        // A folder in the file's place cannot be forgotten either, and Forget says so.
        const QStringList said =
            o.f.messages().filter(QStringLiteral("could not be kept for the next time"));
        QCOMPARE(said.size(), 1);
    }
}

QTEST_MAIN(TestYourNumbers)
#include "tst_yournumbers.moc"
