// SPDX-License-Identifier: MIT

// firstmap: starts a program and reports when its first top-level window was mapped and when it
// was first painted completely.
//
//   firstmap [-q QUIET_MS] TIMEOUT_SECONDS PROGRAM [ARG...]
//
// Prints "PID MAP_MS PAINT_MS" (either may read "timeout") and exits, leaving the program
// running. The clock starts just before fork(). MAP_MS is the MapNotify of the first window that
// is a child of the root, not override-redirect (menus and tips are), and whose _NET_WM_PID, when
// the program sets one, is the started process. PAINT_MS is when drawing (X DAMAGE extension)
// has covered that whole window for the first time: the frame after the first expose. A program
// that never covers it is taken at the end of its first burst of drawing instead, the last
// damage before a pause longer than QUIET_MS (default 100). A window is mapped before anything
// is drawn in it, so the map alone says nothing of when a person sees its content; and what
// moves after the first frame (a map gliding into place) is not part of it. Without a
// window manager, top-level windows stay children of the root, so the root's SubstructureNotify
// sees every creation and map as the server performs it, and each new top-level window is
// watched for damage from its creation on, before it can be drawn.
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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

static void PrintMs(double ms)
{
    if (ms < 0)
        printf(" timeout");
    else
        printf(" %.1f", ms);
}

int main(int argc, char *argv[])
{
    double quietMs = 100.0;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-q") == 0) {
        quietMs = atof(argv[2]);
        first = 3;
    }
    if (argc - first < 2 || quietMs <= 0) {
        fprintf(stderr, "usage: %s [-q QUIET_MS] TIMEOUT_SECONDS PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    const double timeoutMs = atof(argv[first]) * 1000.0;
    char **command = argv + first + 1;
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "firstmap: cannot open display\n");
        return 2;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "firstmap: the X server has no DAMAGE extension\n");
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
        execvp(command[0], command);
        perror("execvp");
        _exit(127);
    }

    Window shown = None; // the first top-level window mapped
    double mapped = -1, lastDamage = -1, covered = -1;
    // Which cells of Cell x Cell pixels of the window drawing has reached, and how many are left.
    enum
    {
        Cell = 4
    };
    unsigned char *cells = NULL;
    int columns = 0, rows = 0;
    long left = 0;
    struct pollfd pfd = {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = Now();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
                !event.xcreatewindow.override_redirect && shown == None) {
                // Raw rectangles: an event for every drawing, not only the first of a region.
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (event.type == MapNotify && shown == None && event.xmap.event == root &&
                       !event.xmap.override_redirect) {
                const long owner = WindowPid(display, event.xmap.window, netWmPid);
                if (owner != 0 && owner != pid)
                    continue;
                shown = event.xmap.window;
                mapped = at - start;
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, shown, &attributes) && attributes.width > 0 &&
                    attributes.height > 0) {
                    columns = (attributes.width + Cell - 1) / Cell;
                    rows = (attributes.height + Cell - 1) / Cell;
                    cells = calloc((size_t)columns * rows, 1);
                    left = cells ? (long)columns * rows : 0;
                }
            } else if (event.type == damageEvent + XDamageNotify && shown != None) {
                const XDamageNotifyEvent *damage = (const XDamageNotifyEvent *)&event;
                if (damage->drawable != shown)
                    continue;
                lastDamage = at - start;
                const XRectangle *r = &damage->area;
                for (int y = r->y / Cell; cells && y < rows && y <= (r->y + r->height - 1) / Cell;
                     ++y)
                    for (int x = r->x / Cell; x < columns && x <= (r->x + r->width - 1) / Cell; ++x)
                        if (!cells[y * columns + x]) {
                            cells[y * columns + x] = 1;
                            --left;
                        }
                if (cells && left == 0 && covered < 0)
                    covered = at - start;
            }
        }
        if (covered >= 0)
            break;
        const double now = Now() - start;
        // A window drawing has not covered yet gets ten pauses before it counts as done.
        const double quiet = cells ? 10 * quietMs : quietMs;
        if (lastDamage >= 0 && now - lastDamage >= quiet)
            break;
        const double left = timeoutMs - now;
        if (left <= 0)
            break;
        double wait = left;
        if (lastDamage >= 0 && lastDamage + quiet - now < wait)
            wait = lastDamage + quiet - now;
        if (poll(&pfd, 1, (int)wait + 1) < 0 && errno != EINTR)
            break;
    }
    printf("%d", (int)pid);
    PrintMs(mapped);
    // Never covered: the end of the first burst, when there was one.
    if (covered < 0 && lastDamage >= 0 && Now() - start - lastDamage >= quietMs)
        covered = lastDamage;
    PrintMs(covered);
    printf("\n");
    free(cells);
    return covered >= 0 ? 0 : 1;
}
