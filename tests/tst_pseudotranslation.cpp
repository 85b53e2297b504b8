// The program under the pseudo-translation (scripts/pseudo-translate.py): every text of ours
// comes out "[...]" and a third longer, so a visible text that is not bracketed never went
// through the translation functions, and a control too narrow for a longer language clips.
// Numbers and other data may stand unbracketed. With CORVELLA_PSEUDO_PICTURES set to a folder,
// each window inspected is saved there as a picture.
#include "support/mainwindowfixture.h"

#include "shell/frmAbout.h"
#include "shell/practicewindow.h"
#include "shell/translations.h"
#include "shell/yournumbers.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QtMath>

using namespace corvella;
using namespace corvella::testing;

namespace {

QString plain(const QString& text)
{
    const QString shown =
        Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    return shown.trimmed();
}

bool translated(const QString& text)
{
    static const QRegularExpression data(QStringLiteral("^[\\d\\s.,:;/()+\\-%=]*$"));
    const QString shown = plain(text);
    return data.match(shown).hasMatch() ||
           (shown.startsWith(QLatin1Char('[')) && shown.endsWith(QLatin1Char(']')));
}

QString describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// What escapes the translation, and what does not fit, among the visible texts of a window.
struct Inspection
{
    QStringList untranslated;
    QStringList clipped;

    void text(const QWidget* widget, const QString& shown)
    {
        if (!translated(shown) && !untranslated.contains(describe(widget, shown)))
            untranslated << describe(widget, shown);
    }
    void fits(const QWidget* widget, const QString& shown, int needed, int available)
    {
        const QString finding = describe(widget, shown) +
                                QStringLiteral(" needs %1 px, has %2").arg(needed).arg(available);
        if (needed > available && !clipped.contains(finding))
            clipped << finding;
    }

    void label(const QLabel* label)
    {
        const QString shown = label->text();
        if (shown.isEmpty())
            return;
        text(label, shown);
        const QRect room = label->contentsRect();
        // Measured in fractions of a pixel, as the text is drawn: whole-pixel metrics can put a
        // word on a line that drawing then breaks off onto one more.
        const QFontMetricsF metrics(label->font());
        const int margin = 2 * label->margin();
        if (label->wordWrap()) {
            const QRectF drawn = metrics.boundingRect(QRectF(0, 0, room.width() - margin, 1e6),
                                                      Qt::TextWordWrap, plain(shown));
            fits(label, shown, qCeil(drawn.height()), room.height() - margin);
        } else {
            fits(label, shown, qCeil(metrics.boundingRect(plain(shown)).width()),
                 room.width() - margin);
        }
    }
    void button(const QAbstractButton* button)
    {
        QString shown = button->text();
        if (shown.isEmpty())
            return;
        text(button, shown);
        // A button that shows its icon alone (the calendar in a date field) draws no text.
        if (const auto* tool = qobject_cast<const QToolButton*>(button);
            tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool isCheck = qobject_cast<const QCheckBox*>(button) != nullptr;
        const bool isRadio = qobject_cast<const QRadioButton*>(button) != nullptr;
        const QStyle::SubElement contents = isCheck   ? QStyle::SE_CheckBoxContents
                                            : isRadio ? QStyle::SE_RadioButtonContents
                                                      : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        fits(button, shown, widestLine(button->fontMetrics(), shown), room.width());
    }
    void actions(const QWidget* owner, const QList<QAction*>& list)
    {
        for (const QAction* action : list) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            text(owner, action->text());
            if (action->menu())
                actions(action->menu(), action->menu()->actions());
        }
    }

    void window(QWidget* window)
    {
        QCoreApplication::processEvents();
        text(window, window->windowTitle());
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window) || child->window() != window)
                continue;
            if (auto* l = qobject_cast<QLabel*>(child))
                label(l);
            else if (auto* b = qobject_cast<QAbstractButton*>(child))
                button(b);
            else if (auto* box = qobject_cast<QGroupBox*>(child); box && !box->title().isEmpty())
                text(box, box->title());
            else if (auto* tabs = qobject_cast<QTabBar*>(child)) {
                for (int i = 0; i < tabs->count(); ++i)
                    text(tabs, tabs->tabText(i));
            }
        }
        if (auto* main = qobject_cast<QMainWindow*>(window))
            actions(main->menuBar(), main->menuBar()->actions());
        if (const QString folder = qEnvironmentVariable("CORVELLA_PSEUDO_PICTURES");
            !folder.isEmpty()) {
            QDir().mkpath(folder);
            static int picture = 0;
            window->grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(folder)
                                    .arg(++picture, 2, 10, QLatin1Char('0'))
                                    .arg(window->objectName()));
        }
    }

    // Each finding on a line of its own (a failure's message is cut short), then the counts.
    QString report() const
    {
        for (const QString& text : untranslated)
            qWarning().noquote() << "not translated:" << text.left(120);
        for (const QString& text : clipped)
            qWarning().noquote() << "clipped:" << text.left(60)
                                 << text.section(QLatin1Char('"'), -1);
        return QStringLiteral("%1 text(s) not translated, %2 clipped")
            .arg(untranslated.size())
            .arg(clipped.size());
    }
    bool clean() const { return untranslated.isEmpty() && clipped.isEmpty(); }
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
        // The check itself: an English text is caught, a pseudo-translated one and a number pass.
        QVERIFY(!translated(QStringLiteral("Next")));
        QVERIFY(translated(
            QCoreApplication::translate("corvella::frmMain", "Please select an option")));
        QVERIFY(translated(QStringLiteral("1990")));
    }

    // Every text of the catalogue reaches the translation, a calculation whole, its lines
    // still apart.
    void catalogue()
    {
        ContentTables tables;
        loadContent(tables);
        QStringList texts;
        for (int s = 0; s < SubjectCount; ++s)
            texts << tables.SubjectName[s] << tables.SubjectSignificance[s]
                  << tables.SubjectCalculation[s];
        for (const QString& text : tables.InterpretationText)
            texts << text;
        texts << entryHeading(tables, 50);
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
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
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
        seen.window(f.window.get());
        while (f.window->currentScreen() == frmMain::QuestionScreenIndex) {
            f.radio("optChoice2")->setChecked(true);
            f.click("cmdNextQuestion");
        }
        seen.window(f.window.get());
        const QStringList messages = f.messages();
        QVERIFY(messages.size() >= 4);
        for (const QString& message : messages)
            seen.text(f.window.get(), message);
        QVERIFY2(seen.clean(), qPrintable(seen.report()));
    }

    void aboutWindow()
    {
        FakeServices fakes;
        frmAbout about(fakes.web);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        Inspection seen;
        seen.window(&about);
        QVERIFY2(seen.clean(), qPrintable(seen.report()));
    }

    void yourNumbersWindow()
    {
        MainWindowFixture f;
        f.window->show();
        f.window->findChild<QAction*>(QStringLiteral("mnuYourNumbers"))->trigger();
        auto* numbers = f.window->findChild<YourNumbers*>();
        QVERIFY(numbers);
        QVERIFY(QTest::qWaitForWindowExposed(numbers));
        Inspection seen;
        seen.window(numbers);
        // Until this window's own texts go through tr(); once they do, this check passes and the
        // expected failure must go (Qt Test fails on an unexpected pass).
        QEXPECT_FAIL("", "the Your Numbers window's texts are not translatable yet", Continue);
        QVERIFY2(seen.clean(), qPrintable(seen.report()));
    }

    void practiceWindow()
    {
        MainWindowFixture f;
        const QString progress = QDir(qEnvironmentVariable("XDG_DATA_HOME"))
                                     .filePath(QStringLiteral("pseudo-progress.txt"));
        QFile::remove(progress);
        f.window->setProgressFile(progress);
        f.window->show();
        f.window->findChild<QAction*>(QStringLiteral("mnuPractise"))->trigger();
        auto* practice = f.window->findChild<PracticeWindow*>();
        QVERIFY(practice);
        QVERIFY(QTest::qWaitForWindowExposed(practice));
        Inspection seen;
        auto* tabs = practice->findChild<QTabWidget*>();
        for (int i = 0; i < (tabs ? tabs->count() : 1); ++i) {
            if (tabs)
                tabs->setCurrentIndex(i);
            seen.window(practice);
        }
        // Until this window's own texts go through tr(); see yourNumbersWindow.
        QEXPECT_FAIL("", "the Practice window's texts are not translatable yet", Continue);
        QVERIFY2(seen.clean(), qPrintable(seen.report()));
    }
};

QTEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
