#pragma once

#include <QtGlobal>

#include <array>

namespace corvella {

// What the wizard has chosen so far. Written by the navigation handlers, read by the learn
// views and the quiz engine. Starts zeroed with every run of the main window.
struct NavigationState
{
    bool LearnSelected = false;  // true: Learn, false: Test
    bool BySignificance = false; // true: by Significance, false: by Interpretation
    // On the learn screen the subject index of the record shown; during a test the 0-based
    // number of the question on screen.
    qint16 CurrentRecord = 0;
    // Which subjects were ticked at the last successful Next of the subject screen. Slot 15
    // has no check box and is never set.
    std::array<bool, 16> SubjectTicked{};
};

} // namespace corvella
