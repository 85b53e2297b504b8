#pragma once

#include <QByteArray>

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

// Whether Qt shows windows through an X server, given QT_QPA_PLATFORM: the default platform
// when it is empty, else when "xcb" (with or without ":options") comes first in its list.
bool showsThroughX(const QByteArray& platforms);

// The one line, ending in a line break, that the program ends with when it cannot open the
// desktop, given QT_QPA_PLATFORM, DISPLAY and whether the X server answers now.
QByteArray noDesktopLine(const QByteArray& platforms, const QByteArray& display, bool xAnswers);

// The program: single-instance check, seeding, update reminder, main window, banner draw,
// then the event loop. Returns the process exit code. Ends with a one-line message and
// status 1, instead of Qt's abort, when it cannot open the desktop: no display, one that
// refuses the connection, or a platform that is not installed.
int runApplication(int argc, char* argv[]);

} // namespace corvella
