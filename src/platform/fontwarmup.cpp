#include "platform/fontwarmup.h"

#include <system_error>

#ifdef CORVELLA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace corvella {

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
#ifdef CORVELLA_HAVE_FONTCONFIG
    try {
        // FcInit() loads the configuration once per process and keeps it; Qt's own call to it
        // later returns at once.
        m_worker = std::thread([this] { m_loaded = FcInit() == FcTrue; });
    } catch (const std::system_error&) {
        // No thread to be had: Qt loads the configuration when it first needs it.
    }
#endif
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    wait();
}

bool FontConfigurationWarmUp::wait()
{
    if (m_worker.joinable())
        m_worker.join();
    return m_loaded;
}

} // namespace corvella
