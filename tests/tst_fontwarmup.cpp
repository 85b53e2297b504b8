#include "platform/fontwarmup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#ifdef CORVELLA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <memory>

using namespace corvella;

namespace {

// Made before the application object, as the program makes it.
std::unique_ptr<FontConfigurationWarmUp> g_startWarmUp;

} // namespace

class TestFontWarmUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtUsesTheConfigurationLoadedBeforeIt();
    void laterWarmUpsFindItLoaded();
};

void TestFontWarmUp::qtUsesTheConfigurationLoadedBeforeIt()
{
#ifndef CORVELLA_HAVE_FONTCONFIG
    QSKIP("built without fontconfig: the warm-up does nothing");
#else
    QVERIFY(g_startWarmUp->wait());
    FcConfig* const loaded = FcConfigGetCurrent();
    QVERIFY(loaded);

    // Qt's font database fills itself from that same configuration rather than loading one of
    // its own, and finds the program's fonts in it.
    const QStringList families = QFontDatabase::families();
    QCOMPARE(FcConfigGetCurrent(), loaded);
    QVERIFY(families.contains(QStringLiteral("DejaVu Sans")));
    QVERIFY(families.contains(QStringLiteral("DejaVu Sans Mono")));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family(),
             QStringLiteral("DejaVu Sans"));
#endif
}

void TestFontWarmUp::laterWarmUpsFindItLoaded()
{
#ifndef CORVELLA_HAVE_FONTCONFIG
    QSKIP("built without fontconfig: the warm-up does nothing");
#else
    FcConfig* const loaded = FcConfigGetCurrent();
    {
        FontConfigurationWarmUp again;
        QVERIFY(again.wait());
        QVERIFY(again.wait()); // waiting twice is harmless
    }
    {
        // Gone without being waited for: it still ends its thread.
        FontConfigurationWarmUp unwaited;
    }
    QCOMPARE(FcConfigGetCurrent(), loaded);
#endif
}

int main(int argc, char* argv[])
{
    g_startWarmUp = std::make_unique<FontConfigurationWarmUp>();
    QApplication app(argc, argv);
    TestFontWarmUp test;
    const int failed = QTest::qExec(&test, argc, argv);
    g_startWarmUp.reset();
    return failed;
}

#include "tst_fontwarmup.moc"
