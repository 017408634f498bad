// firstmap: starts a program and reports how long it took to map its first top-level window.
//
//   firstmap TIMEOUT_SECONDS PROGRAM [ARG...]
//
// Prints "PID MILLISECONDS" (or "PID timeout") and exits, leaving the program running. The clock
// starts just before fork() and stops at the MapNotify of the first window that is a child of
// the root, not override-redirect (menus and tips are), and whose _NET_WM_PID, when the program
// sets one, is the started process. Without a window manager, top-level windows stay children
// of the root, so the root's SubstructureNotify sees every map as the server performs it.
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double Now(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The window's _NET_WM_PID, or 0 when it has none.
static long WindowPid(Display *display, Window window, Atom netWmPid)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = NULL;
    long pid = 0;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        pid = (long)*(unsigned long *)data;
    if (data)
        XFree(data);
    return pid;
}

static int IgnoreErrors(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0; // a window may be gone before we look at it
}

int main(int argc, char *argv[])
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s TIMEOUT_SECONDS PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    const double timeoutMs = atof(argv[1]) * 1000.0;
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "firstmap: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = Now();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        setsid(); // its own session: it outlives us and is signalled on its own
        execvp(argv[2], argv + 2);
        perror("execvp");
        _exit(127);
    }

    struct pollfd pfd = {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect)
                continue;
            const double mapped = Now();
            const long owner = WindowPid(display, event.xmap.window, netWmPid);
            if (owner != 0 && owner != pid)
                continue;
            printf("%d %.1f\n", (int)pid, mapped - start);
            return 0;
        }
        const double left = timeoutMs - (Now() - start);
        if (left <= 0)
            break;
        if (poll(&pfd, 1, (int)left + 1) < 0 && errno != EINTR)
            break;
    }
    printf("%d timeout\n", (int)pid);
    return 1;
}
