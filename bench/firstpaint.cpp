// Starts a program and watches it from outside, through the X server that DISPLAY names, for the
// moment its main window first holds painted content. The same watcher serves the real program
// and the floor program, so neither needs any code of its own for the measurement.
//
//   bench_first_paint [--title TEXT] [--settle-ms N] [--timeout-s N] -- program [arguments...]
//
// How it decides:
// - Every top-level window the program creates gets a DAMAGE object at once, before it can be
//   mapped, so no drawing into it is missed.
// - At each damage report of a mapped window (with the wanted title, when --title is given) it
//   reads the window's pixels back. The window counts as painted once it holds at least two
//   different pixel values: a bare background fill by the server is one colour, a drawn menu
//   bar and text are many. The time is taken when the report arrived, before the read-back.
// - After the settling time it closes the window as a window manager would (WM_DELETE_WINDOW),
//   waits for the program to end and takes its peak resident memory and the processor time it
//   used (user and system, the whole run) from wait4(), which counts the program's own children
//   too (so a /usr/bin/time wrapper is looked through).
//
// Prints one line of key=value pairs. Exits 0 when the window was painted (and seen in time) and
// the program then ended by itself with status 0, 1 otherwise (the program is then killed if it
// still runs), 2 when the X server cannot be used.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

struct Atoms
{
    xcb_atom_t wmProtocols;
    xcb_atom_t wmDeleteWindow;
    xcb_atom_t netWmName;
    xcb_atom_t utf8String;
};

std::string readTextProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                             xcb_atom_t type)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    std::string text;
    if (reply && reply->format == 8) {
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return text;
}

std::string windowTitle(xcb_connection_t* c, xcb_window_t window, const Atoms& atoms)
{
    std::string title = readTextProperty(c, window, atoms.netWmName, atoms.utf8String);
    if (title.empty())
        title = readTextProperty(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    return title;
}

// How many different pixel values the window holds, counting no further than 16.
int distinctPixelValues(xcb_connection_t* c, xcb_window_t window, int width, int height)
{
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, width, height, ~0u), nullptr);
    if (!reply)
        return 0;
    const uint8_t* data = xcb_get_image_data(reply);
    const int length = xcb_get_image_data_length(reply);
    const bool fourBytes = length >= width * height * 4;
    const int step = fourBytes ? 4 : 1;
    // The fourth byte of a 24-bit pixel stored in 32 bits is padding, not colour.
    const uint32_t mask = reply->depth == 24 ? 0x00ffffffu : 0xffffffffu;
    uint32_t seen[16];
    int count = 0;
    for (int i = 0; i + step <= length && count < 16; i += step) {
        uint32_t value = data[i];
        if (fourBytes) {
            std::memcpy(&value, data + i, 4);
            value &= mask;
        }
        bool known = false;
        for (int k = 0; k < count && !known; ++k)
            known = seen[k] == value;
        if (!known)
            seen[count++] = value;
    }
    std::free(reply);
    return count;
}

void closeWindow(xcb_connection_t* c, xcb_window_t window, const Atoms& atoms)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.wmProtocols;
    message.data.data32[0] = atoms.wmDeleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

struct Watched
{
    bool mapped = false;
};

void usage()
{
    std::fprintf(stderr, "usage: bench_first_paint [--title TEXT] [--settle-ms N] [--timeout-s N] "
                         "-- program [arguments...]\n");
}

} // namespace

int main(int argc, char* argv[])
{
    std::string wantedTitle;
    bool titleGiven = false;
    double settleMs = 1000;
    double timeoutS = 30;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc) {
            usage();
            return 2;
        }
        if (arg == "--title") {
            wantedTitle = argv[++first];
            titleGiven = true;
        } else if (arg == "--settle-ms") {
            settleMs = std::atof(argv[++first]);
        } else if (arg == "--timeout-s") {
            timeoutS = std::atof(argv[++first]);
        } else {
            usage();
            return 2;
        }
    }
    if (first >= argc) {
        usage();
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_first_paint: cannot open the display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damageExtension = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present) {
        std::fprintf(stderr, "bench_first_paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const uint8_t damageNotify = damageExtension->first_event + XCB_DAMAGE_NOTIFY;

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootEvents);
    const Atoms atoms{internAtom(c, "WM_PROTOCOLS"), internAtom(c, "WM_DELETE_WINDOW"),
                      internAtom(c, "_NET_WM_NAME"), internAtom(c, "UTF8_STRING")};
    // A round trip, so that the server is watching the root before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    std::map<xcb_window_t, Watched> windows;
    xcb_window_t painted = XCB_WINDOW_NONE;
    double mappedAt = -1;
    double paintedAt = -1;
    bool late = false;
    double lastLateCheck = 0;
    int colours = 0;
    int width = 0;
    int height = 0;
    std::string title;
    bool closeSent = false;
    bool reaped = false;
    bool killed = false;
    int status = 0;
    rusage usage{};
    const int fd = xcb_get_file_descriptor(c);

    // Records the window as painted when it has the wanted title and more than one colour.
    auto checkPainted = [&](xcb_window_t window, double at, int w, int h) {
        const std::string name = windowTitle(c, window, atoms);
        if (titleGiven && name != wantedTitle)
            return false;
        const int n = distinctPixelValues(c, window, w, h);
        if (n < 2)
            return false;
        paintedAt = at - start;
        painted = window;
        colours = n;
        width = w;
        height = h;
        title = name;
        return true;
    };

    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const double at = nowMs();
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (e->parent == root && !e->override_redirect) {
                    xcb_damage_create(c, xcb_generate_id(c), e->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    windows[e->window] = Watched{};
                    xcb_flush(c);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                auto it = windows.find(e->window);
                if (e->event == root && it != windows.end()) {
                    it->second.mapped = true;
                    if (mappedAt < 0)
                        mappedAt = at - start;
                }
            } else if (type == XCB_UNMAP_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_unmap_notify_event_t*>(event);
                auto it = windows.find(e->window);
                if (it != windows.end())
                    it->second.mapped = false;
            } else if (type == damageNotify) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                // Emptied at each report, so that the next drawing reports again.
                xcb_damage_subtract(c, e->damage, XCB_NONE, XCB_NONE);
                auto it = windows.find(e->drawable);
                if (paintedAt < 0 && it != windows.end() && it->second.mapped)
                    checkPainted(e->drawable, at, e->geometry.width, e->geometry.height);
                xcb_flush(c);
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "bench_first_paint: lost the X server\n");
            break;
        }

        if (wait4(child, &status, WNOHANG, &usage) == child) {
            reaped = true;
            break;
        }
        const double now = nowMs();
        const double elapsed = now - start;
        // Should this watcher have been too slow to set up the damage watch before the first
        // drawing, no report comes; a mapped window is then looked at directly, and the run is
        // marked late, as its time is no better than the moment of that look.
        if (paintedAt < 0 && mappedAt >= 0 && elapsed > mappedAt + 300 &&
            now - lastLateCheck > 100) {
            lastLateCheck = now;
            for (const auto& [window, watched] : windows) {
                if (!watched.mapped)
                    continue;
                xcb_get_geometry_reply_t* geometry =
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
                const bool found =
                    geometry && checkPainted(window, now, geometry->width, geometry->height);
                std::free(geometry);
                if (found) {
                    late = true;
                    break;
                }
            }
        }
        if (paintedAt >= 0 && !closeSent && elapsed >= paintedAt + settleMs) {
            closeWindow(c, painted, atoms);
            closeSent = true;
        }
        if (elapsed > timeoutS * 1000) {
            std::fprintf(stderr, "bench_first_paint: timed out\n");
            break;
        }
        pollfd wake{fd, POLLIN, 0};
        poll(&wake, 1, 5);
    }
    if (!reaped) {
        kill(child, SIGKILL);
        wait4(child, &status, 0, &usage);
        killed = true;
    }

    const int exitCode = killed ? -1 : (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    auto ms = [](double value) {
        char text[32];
        if (value < 0)
            std::snprintf(text, sizeof text, "NA");
        else
            std::snprintf(text, sizeof text, "%.1f", value);
        return std::string(text);
    };
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("first_paint_ms=%s mapped_ms=%s maxrss_kb=%ld cpu_ms=%.1f exit=%d late=%d "
                "colours=%d window=%dx%d title=\"%s\"\n",
                ms(paintedAt).c_str(), ms(mappedAt).c_str(), usage.ru_maxrss, cpuMs, exitCode,
                late ? 1 : 0, colours, width, height, title.c_str());
    xcb_disconnect(c);
    return paintedAt >= 0 && !late && closeSent && exitCode == 0 ? 0 : 1;
}
