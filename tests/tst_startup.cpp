#include "shell/startup.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

#include <cstring>
#include <vector>

using namespace corvella;

// Qt's own options given to the program: the QApplication made from qtCommandLine() must not
// see them.
namespace {
char kProgram[] = "CorvellaFreeLearnNumerology";
char kReverse[] = "-reverse";
char kStyle[] = "-style";
char kWindows[] = "windows";
char kStyleSheet[] = "-stylesheet";
char kNowhere[] = "/nonexistent.qss";
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtGetsTheProgramNameOnly_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("no arguments") << 1;
        QTest::newRow("-reverse") << 2;
        QTest::newRow("-reverse -style windows") << 4;
        QTest::newRow("every option") << 6;
    }

    void qtGetsTheProgramNameOnly()
    {
        QFETCH(int, count);
        char* given[] = {kProgram, kReverse, kStyle, kWindows, kStyleSheet, kNowhere, nullptr};
        const QtCommandLine line = qtCommandLine(count, given);
        QCOMPARE(line.argc, 1);
        QCOMPARE(line.argv[0], given[0]);
        QCOMPARE(line.argv[1], nullptr);
    }

    void startedWithoutAnyNameStillHasOne()
    {
        char* none[] = {nullptr};
        const QtCommandLine line = qtCommandLine(0, none);
        QCOMPARE(line.argc, 1);
        QVERIFY(line.argv[0] && std::strlen(line.argv[0]) > 0);
        QCOMPARE(line.argv[1], nullptr);
    }

    // The one line the program ends with when it cannot open the desktop names what is wrong,
    // for every form the platform variable takes.
    void noDesktopLineSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("platforms");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<bool>("xAnswers");
        QTest::addColumn<QByteArray>("why");
        const QByteArray unset = "no display was found (DISPLAY is not set)";
        const QByteArray silent = "no display was found (DISPLAY is \":99\")";
        QTest::newRow("default platform, no DISPLAY")
            << QByteArray() << QByteArray() << false << unset;
        QTest::newRow("xcb, no DISPLAY") << QByteArray("xcb") << QByteArray() << false << unset;
        QTest::newRow("xcb with an option, no DISPLAY")
            << QByteArray("xcb:nograb") << QByteArray() << false << unset;
        QTest::newRow("xcb first in a list, no DISPLAY")
            << QByteArray("xcb:nograb;wayland") << QByteArray() << false << unset;
        QTest::newRow("xcb with an option, silent display")
            << QByteArray("xcb:nograb") << QByteArray(":99") << false << silent;
        QTest::newRow("default platform, silent display")
            << QByteArray() << QByteArray(":99") << false << silent;
        QTest::newRow("a display that refused, then answered")
            << QByteArray() << QByteArray(":99") << true
            << QByteArray("the display \":99\" refused the connection");
        QTest::newRow("wayland") << QByteArray("wayland") << QByteArray(":99") << true
                                 << QByteArray("the platform \"wayland\" named in QT_QPA_PLATFORM "
                                               "could not be started");
        QTest::newRow("wayland first in a list")
            << QByteArray("wayland;xcb") << QByteArray() << false
            << QByteArray("the platform \"wayland;xcb\" named in QT_QPA_PLATFORM could not be "
                          "started");
    }

    void noDesktopLineSaysWhy()
    {
        QFETCH(QByteArray, platforms);
        QFETCH(QByteArray, display);
        QFETCH(bool, xAnswers);
        QFETCH(QByteArray, why);
        const QByteArray line = noDesktopLine(platforms, display, xAnswers);
        QCOMPARE(line, "Corvella Learn Numerology needs a graphical desktop, but " + why + ".\n");
        QCOMPARE(line.count('\n'), 1);
    }

    // This process's QApplication was made from a command line holding -reverse, -style
    // windows and a style sheet (see main below).
    void qtOptionsGivenChangeNothing()
    {
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(QApplication::arguments().size(), 1);
        QVERIFY(qApp->styleSheet().isEmpty());
        QVERIFY(QApplication::style()->name().compare(QStringLiteral("windows"),
                                                      Qt::CaseInsensitive) != 0);
    }
};

int main(int argc, char* argv[])
{
    char* given[] = {argv[0], kReverse, kStyle, kWindows, kStyleSheet, kNowhere, nullptr};
    QtCommandLine line = qtCommandLine(6, given);
    QApplication app(line.argc, line.argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
