#pragma once

#include "support/fakes.h"

#include "shell/frmMain.h"
#include "shell/windowlook.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace corvella::testing {

// A main window wired to fakes, with short ways to reach its controls by object name.
struct MainWindowFixture
{
    FakeServices fakes;
    std::unique_ptr<frmMain> window;

    MainWindowFixture()
    {
        // As the program does at startup.
        substituteForVerdana();
        window = std::make_unique<frmMain>(fakes.services());
    }

    template <typename T = QWidget> T* find(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QPushButton* button(const char* name) const
    {
        return find<QPushButton>(QString::fromLatin1(name));
    }
    QRadioButton* radio(const char* name) const
    {
        return find<QRadioButton>(QString::fromLatin1(name));
    }
    QCheckBox* subject(int i) const
    {
        return find<QCheckBox>(QStringLiteral("chkSubject%1").arg(i));
    }
    QGroupBox* frame(int i) const { return find<QGroupBox>(QStringLiteral("fraOption%1").arg(i)); }
    QLabel* label(const char* name) const { return find<QLabel>(QString::fromLatin1(name)); }
    void click(const char* name) const { button(name)->click(); }

    // Start screen -> method screen with Learn (true) or Test (false) chosen.
    void chooseActivity(bool learn) const
    {
        radio(learn ? "optMain0" : "optMain1")->setChecked(true);
        click("cmdNext");
    }
    // Method screen -> next screen with by Significance (true) or by Interpretation (false).
    void chooseMethod(bool bySignificance) const
    {
        radio(bySignificance ? "optOption0" : "optOption1")->setChecked(true);
        click("cmdNext2");
    }
    // Subject screen -> next screen with these subjects ticked.
    void tickAndGo(std::initializer_list<int> subjects) const
    {
        for (int s : subjects)
            subject(s)->setChecked(true);
        click("cmdNext3");
    }
    QStringList messages() const { return fakes.messages.texts(); }
};

} // namespace corvella::testing
