#include "support/mainwindowfixture.h"

#include "platform/richtextpane.h"
#include "shell/clipboardguard.h"

#include <QTest>
#include <QTextBlock>

using namespace corvella;
using namespace corvella::testing;

class TestClipboardGuard : public QObject
{
    Q_OBJECT

private:
    enum Event { Change, Click, MouseDown, MouseMove, MouseUp };

    static void raise(RichTextPane* pane, Event event)
    {
        const QPoint inside(20, 20);
        switch (event) {
        case Change:
            pane->setWholeText(QStringLiteral("changed"));
            break;
        case Click:
            QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, inside);
            break;
        case MouseDown:
            QTest::mousePress(pane->viewport(), Qt::RightButton, {}, inside);
            break;
        case MouseMove: {
            // Movement with no button held: merely passing over the pane.
            QMouseEvent move(QEvent::MouseMove, inside, pane->viewport()->mapToGlobal(inside),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pane->viewport(), &move);
            break;
        }
        case MouseUp: {
            // A release alone, with no press before it.
            QMouseEvent release(QEvent::MouseButtonRelease, inside,
                                pane->viewport()->mapToGlobal(inside), Qt::RightButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pane->viewport(), &release);
            break;
        }
        }
    }

private Q_SLOTS:

    void everyEventOfEveryPaneEmptiesWhatThisProgramOwns_data()
    {
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("event");
        for (const char* pane : {"RTBLearn", "RTBTestResult", "txtOption0", "txtOption4"}) {
            const char* names[] = {"Change", "Click", "MouseDown", "MouseMove", "MouseUp"};
            for (int e = Change; e <= MouseUp; ++e)
                QTest::addRow("%s %s", pane, names[e]) << QString::fromLatin1(pane) << e;
        }
    }
    void everyEventOfEveryPaneEmptiesWhatThisProgramOwns()
    {
        QFETCH(QString, pane);
        QFETCH(int, event);
        MainWindowFixture f;
        auto* target = f.find<RichTextPane>(pane);
        QVERIFY(target);
        // Show the pane's screen so that it receives mouse events.
        f.window->show();
        target->parentWidget()->show();

        FakeClipboard& clip = f.fakes.clipboard;
        clip.hasClipboard = clip.ownClipboard = true;
        clip.hasSelection = clip.ownSelection = true;
        raise(target, Event(event));
        QVERIFY(!clip.hasClipboard);
        QVERIFY(!clip.hasSelection);
    }

    void contentFromAnotherProgramIsKept_data()
    {
        everyEventOfEveryPaneEmptiesWhatThisProgramOwns_data();
    }
    void contentFromAnotherProgramIsKept()
    {
        QFETCH(QString, pane);
        QFETCH(int, event);
        MainWindowFixture f;
        auto* target = f.find<RichTextPane>(pane);
        f.window->show();
        target->parentWidget()->show();

        FakeClipboard& clip = f.fakes.clipboard;
        clip.hasClipboard = clip.hasSelection = true; // put there by someone else
        raise(target, Event(event));
        QVERIFY(clip.hasClipboard);
        QVERIFY(clip.hasSelection);
        QCOMPARE(clip.clipboardClears + clip.selectionClears, 0);
    }

    void theHiddenPrintBufferIsNotWatched()
    {
        MainWindowFixture f;
        FakeClipboard& clip = f.fakes.clipboard;
        clip.hasClipboard = clip.ownClipboard = true;
        f.find<RichTextPane>(QStringLiteral("RTB1"))->setWholeText(QStringLiteral("printed copy"));
        QVERIFY(clip.hasClipboard);
    }

    void pressingOnSelectedTextDoesNotStartADrag()
    {
        RichTextPane pane;
        pane.resize(300, 100);
        pane.show();
        pane.setWholeText(QStringLiteral("Some teaching text that must stay in the pane."));
        QTextCursor all(pane.document());
        all.select(QTextCursor::Document);
        pane.setTextCursor(all);
        QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        // The press dropped the selection, so nothing is there to drag.
        QVERIFY(!pane.textCursor().hasSelection());
        QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    }

    void paneTextRoundTripsWithCrLf()
    {
        RichTextPane pane;
        const QString text = QStringLiteral("one\r\ntwo\r\n\r\nthree");
        pane.setWholeText(text);
        QCOMPARE(pane.wholeText(), text);
        pane.setWholeText(QString());
        pane.insertAtCaret(QStringLiteral("a\r\n"));
        pane.setEmphasis(true);
        pane.insertAtCaret(QStringLiteral("b"));
        pane.setEmphasis(false);
        pane.insertAtCaret(QStringLiteral("\r\nc"));
        QCOMPARE(pane.wholeText(), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(pane.document()->findBlockByNumber(1).begin().fragment().charFormat().fontWeight(),
                 int(QFont::Bold));
        QVERIFY(pane.document()->findBlockByNumber(2).begin().fragment().charFormat().fontWeight() <
                QFont::Bold);
    }
};

QTEST_MAIN(TestClipboardGuard)
#include "tst_clipboardguard.moc"
