#include "platform/weblauncher.h"
#include "shell/frmAbout.h"
#include "shell/linklabel.h"
#include "shell/windowlook.h"
#include "support/fakes.h"
#include "version.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace corvella;
using namespace corvella::testing;

namespace {

const QColor kBackground(64, 0, 64);
const QColor kLightBlue(103, 203, 255);
const QColor kOrange(255, 180, 4);

void clickThroughWindow(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(window, widget->rect().center()));
}

template <typename T = QWidget> T* control(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void webPageAddresses_data();
    void webPageAddresses();

    void window();
    void controlPlaces_data();
    void controlPlaces();
    void fonts_data();
    void fonts();
    void colours_data();
    void colours();
    void rendersItsColours();
    void accessibleNames();
    void wrappedTextsFitTheirPlaces_data();
    void wrappedTextsFitTheirPlaces();
    void okHasFocusAndIsDefault();

    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void linkClickRules();

    void closes_data();
    void closes();
    void shownModalAndBuiltAfresh();
};

void TestAbout::initTestCase()
{
    substituteForVerdana();
}

void TestAbout::webPageAddresses_data()
{
    QTest::addColumn<WebPage>("page");
    QTest::addColumn<QString>("key");

    QTest::newRow("home") << WebPage::HomePage << QStringLiteral("home-page");
    QTest::newRow("help") << WebPage::HelpWebPage << QStringLiteral("help-web-page");
    QTest::newRow("download") << WebPage::DownloadWebPage << QStringLiteral("download-web-page");
    QTest::newRow("full brand") << WebPage::FullyBranded << QStringLiteral("fully-branded");
    QTest::newRow("co-brand") << WebPage::CoBrand << QStringLiteral("co-brand");
}

void TestAbout::webPageAddresses()
{
    QFETCH(WebPage, page);
    QFETCH(QString, key);

    QCOMPARE(webPageKey(page), key);
    const QUrl address = webPageAddress(page);
    QVERIFY(address.isValid());
    QCOMPARE(address.toString(QUrl::FullyEncoded),
             QStringLiteral("https://www.corvella-software.example"
                            "/corvella-free-learn-numerology/ssd.php?page=") +
                 key);

    FakeWebLauncher web;
    openWebPage(web, page);
    QCOMPARE(web.opened, QList<QUrl>{address});
}

void TestAbout::window()
{
    FakeWebLauncher web;
    frmAbout about(web);

    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("Corvella Learn Numerology v" CORVELLA_VERSION));
    QCOMPARE(about.size(), QSize(469, 217));
    QCOMPARE(about.minimumSize(), QSize(469, 217));
    QCOMPARE(about.maximumSize(), QSize(469, 217));
    QVERIFY(about.isModal());
    QVERIFY(!about.isSizeGripEnabled());

    const Qt::WindowFlags flags = about.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    const auto* icon = control<QLabel>(about, "picIcon");
    QVERIFY(icon);
    QVERIFY(icon->hasScaledContents());
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(!about.windowIcon().pixmap(32, 32).isNull());

    // Centred on the screen, not over a parent.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2((about.geometry().center() - screen.center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("window at %1,%2")
                            .arg(about.geometry().center().x())
                            .arg(about.geometry().center().y())));
}

void TestAbout::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("sizesToText");

    QTest::newRow("picIcon") << "picIcon"
                             << "QLabel" << QRect(8, 10, 32, 32) << false;
    QTest::newRow("Label2") << "Label2"
                            << "QLabel" << QRect(48, 19, 305, 23) << true;
    QTest::newRow("Label1") << "Label1"
                            << "QLabel" << QRect(8, 50, 459, 57) << false;
    QTest::newRow("lblHomePage") << "lblHomePage"
                                 << "corvella::LinkLabel" << QRect(197, 107, 270, 13) << true;
    QTest::newRow("Label3") << "Label3"
                            << "QLabel" << QRect(8, 128, 459, 29) << false;
    QTest::newRow("lblCoBrand") << "lblCoBrand"
                                << "corvella::LinkLabel" << QRect(310, 157, 157, 13) << true;
    // From x = -1 to x = 472 inclusive, two pixels thick.
    QTest::newRow("Line2") << "Line2"
                           << "QFrame" << QRect(-1, 184, 474, 2) << false;
    QTest::newRow("cmdOK") << "cmdOK"
                           << "QPushButton" << QRect(383, 192, 84, 23) << false;
}

void TestAbout::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, place);
    QFETCH(bool, sizesToText);

    FakeWebLauncher web;
    frmAbout about(web);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* widget = about.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
    QVERIFY(widget->isVisible());
    if (!sizesToText) {
        QCOMPARE(widget->geometry(), place);
        return;
    }
    // Placed by its top left corner and as large as its text, which must not run past the
    // right margin that Label1 and Label3 keep.
    QCOMPARE(widget->pos(), place.topLeft());
    QCOMPARE(widget->size(), widget->sizeHint());
    QVERIFY2(widget->geometry().right() < 467,
             qPrintable(QStringLiteral("ends at %1").arg(widget->geometry().right())));
}

void TestAbout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    QTest::newRow("window") << "frmAbout" << 8.25 << false << false;
    QTest::newRow("Label2") << "Label2" << 14.25 << true << false;
    QTest::newRow("Label1") << "Label1" << 8.25 << false << false;
    QTest::newRow("lblHomePage") << "lblHomePage" << 8.25 << false << true;
    QTest::newRow("Label3") << "Label3" << 8.25 << true << false;
    QTest::newRow("lblCoBrand") << "lblCoBrand" << 8.25 << false << true;
    QTest::newRow("cmdOK") << "cmdOK" << 8.25 << false << false;
}

void TestAbout::fonts()
{
    QFETCH(QString, name);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    FakeWebLauncher web;
    frmAbout about(web);
    QWidget* widget = name == about.objectName() ? &about : about.findChild<QWidget*>(name);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.family(), QStringLiteral("Verdana"));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    QVERIFY(!font.italic());
}

void TestAbout::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("Label2") << "Label2" << kLightBlue;
    QTest::newRow("Label1") << "Label1" << kOrange;
    QTest::newRow("lblHomePage") << "lblHomePage" << kLightBlue;
    QTest::newRow("Label3") << "Label3" << kOrange;
    QTest::newRow("lblCoBrand") << "lblCoBrand" << kLightBlue;
}

void TestAbout::colours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);

    FakeWebLauncher web;
    frmAbout about(web);
    QCOMPARE(about.palette().color(QPalette::Active, QPalette::Window), kBackground);
    QCOMPARE(about.palette().color(QPalette::Inactive, QPalette::Window), kBackground);

    auto* label = about.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Inactive, QPalette::WindowText), colour);
    // Transparent: the window's purple shows through.
    QVERIFY(!label->autoFillBackground());
    QVERIFY(!label->testAttribute(Qt::WA_OpaquePaintEvent));

    auto* line = control<QFrame>(about, "Line2");
    QVERIFY(line->autoFillBackground());
    QCOMPARE(line->palette().color(QPalette::Active, QPalette::Window), kLightBlue);
    QCOMPARE(line->frameShape(), QFrame::NoFrame);
}

void TestAbout::rendersItsColours()
{
    FakeWebLauncher web;
    frmAbout about(web);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage image = about.grab().toImage();
    QCOMPARE(image.size(), QSize(469, 217));

    QCOMPARE(QColor(image.pixel(2, 2)), kBackground);
    // Label1's last line is short, so its bottom right corner shows the window through.
    QCOMPARE(QColor(image.pixel(465, 105)), kBackground);
    // The rule crosses the whole window on rows 184 and 185 and nowhere else.
    for (const int x : {0, 234, 468}) {
        QCOMPARE(QColor(image.pixel(x, 183)), kBackground);
        QCOMPARE(QColor(image.pixel(x, 184)), kLightBlue);
        QCOMPARE(QColor(image.pixel(x, 185)), kLightBlue);
        QCOMPARE(QColor(image.pixel(x, 186)), kBackground);
    }
    // Some of Label2's heading is drawn in light blue.
    bool headingSeen = false;
    for (int x = 48; x < 200 && !headingSeen; ++x)
        for (int y = 19; y < 42 && !headingSeen; ++y)
            headingSeen = QColor(image.pixel(x, y)) == kLightBlue;
    QVERIFY(headingSeen);
}

void TestAbout::accessibleNames()
{
    FakeWebLauncher web;
    frmAbout about(web);
    for (const char* name : {"Label2", "Label1", "lblHomePage", "Label3", "lblCoBrand"}) {
        auto* label = control<QLabel>(about, name);
        QVERIFY2(!label->text().isEmpty(), name);
        QCOMPARE(label->accessibleName(), label->text());
    }
    QCOMPARE(control(about, "cmdOK")->accessibleName(), QStringLiteral("OK"));
    QVERIFY(!control(about, "picIcon")->accessibleName().isEmpty());
    QVERIFY(!control(about, "Line2")->accessibleName().isEmpty());

    QCOMPARE(control<QLabel>(about, "Label2")->text(),
             QStringLiteral("Corvella Learn Numerology v" CORVELLA_VERSION));
    QCOMPARE(control<QLabel>(about, "lblCoBrand")->text(),
             QStringLiteral("Click here for more details."));
    QCOMPARE(control<QLabel>(about, "Label3")->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website."));
    const QString label1 = control<QLabel>(about, "Label1")->text();
    QVERIFY(label1.startsWith(QStringLiteral(
        "Corvella Learn Numerology is a learn-and-test yourself numerology learning software. "
        "This software is a simple and useful aid in the study of numerology. This can help "
        "beginners learn and test their understanding of the subject. ")));
    QVERIFY(label1.contains(QStringLiteral("web site")));
}

void TestAbout::wrappedTextsFitTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Label3") << "Label3";
}

void TestAbout::wrappedTextsFitTheirPlaces()
{
    // With Verdana standing in as DejaVu Sans, as it does when the program runs.
    QFETCH(QString, name);
    FakeWebLauncher web;
    frmAbout about(web);
    auto* label = about.findChild<QLabel*>(name);
    QVERIFY(label);
    QVERIFY(label->wordWrap());
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    QVERIFY2(needed.height() <= label->height(),
             qPrintable(QStringLiteral("needs %1 px").arg(needed.height())));
}

void TestAbout::okHasFocusAndIsDefault()
{
    FakeWebLauncher web;
    frmAbout about(web);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    auto* ok = control<QPushButton>(about, "cmdOK");
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(ok->isDefault());
    for (const char* name : {"lblHomePage", "lblCoBrand"})
        QCOMPARE(control(about, name)->focusPolicy(), Qt::NoFocus);
}

void TestAbout::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<WebPage>("page");

    QTest::newRow("lblHomePage") << "lblHomePage" << WebPage::HomePage;
    // The full-branding offer of Label3, not the co-branding page.
    QTest::newRow("lblCoBrand") << "lblCoBrand" << WebPage::FullyBranded;
}

void TestAbout::linksOpenTheirPages()
{
    QFETCH(QString, name);
    QFETCH(WebPage, page);

    FakeWebLauncher web;
    frmAbout about(web);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<LinkLabel*>(name);
    QVERIFY(link);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(web.opened, QList<QUrl>{webPageAddress(page)});
    // Quick repeats are not suppressed, and the window stays open.
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(web.opened.size(), 2);
    QVERIFY(about.isVisible());
}

void TestAbout::linkClickRules()
{
    QWidget window;
    window.resize(200, 100);
    auto* link = new LinkLabel(QStringLiteral("a link"), &window);
    link->setGeometry(10, 10, 100, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int clicks = 0;
    connect(link, &LinkLabel::clicked, this, [&clicks] { ++clicks; });
    const QPoint inside(50, 10);

    QTest::mouseClick(link, Qt::RightButton, {}, inside);
    QCOMPARE(clicks, 0);

    // Released away from the label: no click.
    QTest::mousePress(link, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(150, 10));
    QCOMPARE(clicks, 0);

    // A release with no press on the label (pressed elsewhere, dragged in): no click.
    QTest::mouseRelease(link, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks, 0);

    QTest::mouseClick(link, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks, 1);

    // A double click is two clicks.
    QTest::mouseDClick(link, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(link, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks, 2);
}

void TestAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Return") << "return";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void TestAbout::closes()
{
    QFETCH(QString, how);

    FakeWebLauncher web;
    frmAbout about(web);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(about.isVisible());

    if (how == QLatin1String("click"))
        QTest::mouseClick(control(about, "cmdOK"), Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(&about, Qt::Key_Enter);
    else if (how == QLatin1String("return"))
        QTest::keyClick(&about, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&about, Qt::Key_Escape);
    else
        QVERIFY(about.close());

    QVERIFY(!about.isVisible());
    QVERIFY(web.opened.isEmpty());
}

void TestAbout::shownModalAndBuiltAfresh()
{
    FakeWebLauncher web;
    QWidget owner;
    owner.resize(300, 200);
    auto* ownerButton = new QPushButton(QStringLiteral("behind"), &owner);
    int ownerClicks = 0;
    connect(ownerButton, &QPushButton::clicked, this, [&ownerClicks] { ++ownerClicks; });
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    struct Seen
    {
        QPointer<QWidget> window;
        QString className;
        bool modal = false;
    };
    QList<Seen> seen;
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        // Closed from inside the modal loop; the checks come after it has returned, so a
        // failure cannot leave the window open.
        QTimer::singleShot(0, this, [&seen, ownerButton, key] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen.append(
                {modal, QString::fromLatin1(modal->metaObject()->className()), modal->isModal()});
            // The window behind takes no input while the About window is open. The click
            // goes in through the window system, where modal blocking happens.
            clickThroughWindow(ownerButton);
            QTest::keyClick(modal, key);
        });
        showAboutWindow(web, &owner);
    }

    QCOMPARE(seen.size(), 2);
    for (const Seen& s : std::as_const(seen)) {
        QCOMPARE(s.className, QStringLiteral("corvella::frmAbout"));
        QVERIFY(s.modal);
        QVERIFY2(s.window.isNull(), "the About window is gone once it has closed");
    }
    QCOMPARE(ownerClicks, 0);
    // Once it has closed, the window behind works again.
    clickThroughWindow(ownerButton);
    QCOMPARE(ownerClicks, 1);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
