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
