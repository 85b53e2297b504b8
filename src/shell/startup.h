#pragma once

namespace corvella {

// The program: single-instance check, seeding, update reminder, main window, banner draw,
// then the event loop. Returns the process exit code.
int runApplication(int argc, char* argv[]);

} // namespace corvella
