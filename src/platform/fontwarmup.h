#pragma once

#include <thread>

namespace corvella {

// Loads the system's font configuration (its files and font caches) on a worker thread. That
// is the largest single piece of work in a start, and it needs no display, so it can run while
// QApplication connects to the display; the first text the window measures then finds it
// ready. Made before QApplication; wait() before anything can draw text, so that Qt never
// starts loading the same configuration alongside.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    // True once a configuration has been loaded here. False when this build has no fontconfig,
    // when no thread could be started, or when the configuration could not be loaded: Qt then
    // loads it itself, as it would have anyway.
    bool wait();

private:
    std::thread m_worker;
    bool m_loaded = false;
};

} // namespace corvella
