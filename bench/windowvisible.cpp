// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Starts a program and prints the milliseconds from the fork to the moment a top-level window
// with the given title is viewable, then ends the program and waits until its window is gone.
// The X connection is watched for the root's substructure events (and for property changes
// of each new top-level, in case the title comes after the map), so the moment is taken when
// the server reports it, not at the next tick of a polling loop.
// Usage: windowvisible <title> <program> [arguments...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

constexpr double timeoutMs = 20000;

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A window may be gone by the time it is asked about; that is not an error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

std::string textProperty(Display *display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &items, &remaining, &data) == Success &&
        data) {
        if (format == 8)
            text.assign(reinterpret_cast<const char *>(data), items);
        XFree(data);
    }
    return text;
}

bool isTarget(Display *display, Window window, const std::string &title, Atom netWmName)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    return textProperty(display, window, netWmName) == title ||
           textProperty(display, window, XA_WM_NAME) == title;
}

// Waits up to the deadline for the connection to have data.
bool waitForEvents(Display *display, double deadline)
{
    while (XPending(display) == 0) {
        const double left = deadline - nowMs();
        if (left <= 0)
            return false;
        timeval wait{static_cast<time_t>(left / 1e3),
                     static_cast<suseconds_t>(static_cast<long>(left * 1e3) % 1000000)};
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        if (select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &wait) < 0 &&
            errno != EINTR)
            return false;
    }
    return true;
}

// Asks the program to end, and ends it for good when it has not within a second.
void endProgram(pid_t child)
{
    kill(child, SIGTERM);
    const double killAt = nowMs() + 1000;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (nowMs() > killAt) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return;
        }
        usleep(1000);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: windowvisible <title> <program> [arguments...]\n", stderr);
        return 2;
    }
    const std::string title = argv[1];
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("windowvisible: cannot open the display\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("windowvisible: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("windowvisible: exec");
        _exit(127);
    }

    Window found = None;
    double visibleAt = 0;
    const double deadline = start + timeoutMs;
    while (found == None && waitForEvents(display, deadline)) {
        XEvent event;
        XNextEvent(display, &event);
        Window candidate = None;
        if (event.type == CreateNotify) {
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
        } else if (event.type == MapNotify) {
            candidate = event.xmap.window;
        } else if (event.type == PropertyNotify &&
                   (event.xproperty.atom == netWmName || event.xproperty.atom == XA_WM_NAME)) {
            candidate = event.xproperty.window;
        }
        if (candidate != None && isTarget(display, candidate, title, netWmName)) {
            visibleAt = nowMs();
            found = candidate;
        }
    }

    endProgram(child);
    if (found == None) {
        std::fprintf(stderr, "windowvisible: no viewable window titled \"%s\" within %.0f ms\n",
                     title.c_str(), timeoutMs);
        XCloseDisplay(display);
        return 1;
    }
    // The next measurement must not find this window still on the screen.
    const double goneBy = nowMs() + 5000;
    bool gone = false;
    while (!gone && waitForEvents(display, goneBy)) {
        XEvent event;
        XNextEvent(display, &event);
        gone = event.type == DestroyNotify && event.xdestroywindow.window == found;
    }
    XCloseDisplay(display);
    std::printf("%.2f\n", visibleAt - start);
    return 0;
}
