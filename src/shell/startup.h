#pragma once

namespace corvella {

// What Qt is given of the command line: the program's own name and nothing else. The program
// takes no arguments and ignores any it is given; handed on, Qt's own options (-reverse,
// -style, -platform and the like) would change its window. argv stays valid while this does.
struct QtCommandLine
{
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
};
QtCommandLine qtCommandLine(int argc, char* argv[]);

// The program: single-instance check, seeding, update reminder, main window, banner draw,
// then the event loop. Returns the process exit code. Ends with a one-line message and
// status 1, instead of Qt's abort, when there is no display to show the window on.
int runApplication(int argc, char* argv[]);

} // namespace corvella
