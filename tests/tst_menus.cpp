#include "support/mainwindowfixture.h"

#include "platform/qtservices.h"
#include "shell/frmAbout.h"
#include "shell/linklabel.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace corvella;
using namespace corvella::testing;

namespace {
QUrl page(const char* key)
{
    return QUrl(
        QStringLiteral(
            "https://www.corvella-software.example/corvella-free-learn-numerology/ssd.php?page=") +
        QLatin1String(key));
}
} // namespace

// Receives the addresses that QDesktopServices would hand to the browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

class TestMenus : public QObject
{
    Q_OBJECT

private:
    static void clickLabel(QWidget* label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    }

private Q_SLOTS:

    void everyCommandOpensItsPage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("expected");
        QTest::newRow("Online Help") << "mnuOnline" << page("help-web-page");
        QTest::newRow("Visit Us Online") << "mnuVisit" << page("home-page");
        QTest::newRow("Check for Software Update") << "mnuUpdate" << page("download-web-page");
        QTest::newRow("forum line") << "Label14" << page("home-page");
        QTest::newRow("full branding banner") << "lblFullBrand" << page("fully-branded");
        QTest::newRow("co-branding banner") << "lblCobrand" << page("co-brand");
    }
    void everyCommandOpensItsPage()
    {
        QFETCH(QString, control);
        QFETCH(QUrl, expected);
        MainWindowFixture f;
        f.window->show();
        if (auto* action = f.window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = f.find<LinkLabel>(control);
            QVERIFY(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            label->raise(); // whichever banner lies in front takes the click
            clickLabel(label);
        }
        QCOMPARE(f.fakes.web.opened, QList<QUrl>{expected});
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
    }

    void twoQuickClicksOpenThePageTwice()
    {
        MainWindowFixture f;
        f.window->show();
        auto* label = f.find<LinkLabel>(QStringLiteral("Label14"));
        clickLabel(label);
        clickLabel(label);
        QCOMPARE(f.fakes.web.opened.size(), 2);
    }

    void desktopLauncherHandsTheAddressToTheDesktop()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        DesktopWebLauncher launcher;
        launcher.open(page("download-web-page"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{page("download-web-page")});
    }

    void makeMoneyCannotBeChosen()
    {
        MainWindowFixture f;
        auto* action = f.window->findChild<QAction*>(QStringLiteral("mnuMakeMoney"));
        QVERIFY(!action->isEnabled());
        f.window->show();
        // A click on the greyed item in the menu bar does nothing.
        QMenuBar* bar = f.window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        QVERIFY(f.fakes.web.opened.isEmpty());
    }

    void aboutIsModalAndBuiltAfreshEachTime()
    {
        MainWindowFixture f;
        f.window->show();
        QList<QPointer<QDialog>> seen;
        bool modal = true;
        for (int i = 0; i < 2; ++i) {
            // Close first, check afterwards: a failing check here would leave the box open.
            QTimer::singleShot(0, [&] {
                auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!about)
                    return;
                seen << about;
                modal = modal && about->isModal();
                about->reject();
            });
            f.window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        }
        QCOMPARE(seen.size(), 2);
        QVERIFY(modal);
        // Each showing built its own window, and each is gone once closed.
        QVERIFY(seen.at(0).isNull() && seen.at(1).isNull());
        QVERIFY(f.window->findChildren<frmAbout*>().isEmpty());
        QCOMPARE(f.window->currentScreen(), frmMain::StartScreen);
    }

    void exitClosesTheWindowWithoutAQuestion()
    {
        MainWindowFixture f;
        f.window->show();
        f.chooseActivity(false);
        f.chooseMethod(true); // in the middle of a test
        f.window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.messages().isEmpty());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
