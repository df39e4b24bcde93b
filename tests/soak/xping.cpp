// Asks a window whether its program still handles events: sends the window manager's ping
// (_NET_WM_PING) and waits for the answer on the root window. Exits 0 when the answer
// came within the time given, 1 when it did not, 2 on bad arguments or no display.
// Usage: xping <window id> <milliseconds>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsPong(const XEvent& event, Atom protocols, Atom ping, long stamp, Window window) {
    return event.type == ClientMessage && event.xclient.message_type == protocols &&
           event.xclient.format == 32 && static_cast<Atom>(event.xclient.data.l[0]) == ping &&
           event.xclient.data.l[1] == stamp &&
           static_cast<Window>(event.xclient.data.l[2]) == window;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xping <window id> <milliseconds>\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const long limitMs = std::strtol(argv[2], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window root = DefaultRootWindow(display);
    // The answer is sent to the root window for the substructure masks; any client that
    // selects one of them receives it.
    XSelectInput(display, root, SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const long stamp = static_cast<long>(now & 0x7FFFFFFF);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = protocols;
    request.xclient.format = 32;
    request.xclient.data.l[0] = static_cast<long>(ping);
    request.xclient.data.l[1] = stamp;
    request.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &request);
    XFlush(display);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (IsPong(event, protocols, ping, stamp, window)) {
                XCloseDisplay(display);
                return 0;
            }
        }
        poll(&connection, 1, 50);
    }
    XCloseDisplay(display);
    return 1;
}
