// SPDX-License-Identifier: MIT

#include "app/clockapp.h"
#include "app/commandline.h"
#include "app/sessionbusprobe.h"
#include "settings/userpaths.h"

#include <QtGlobal>

#include <cstdio>
#include <malloc.h>

int main(int argc, char *argv[])
{
    // Large blocks (pictures, files read whole) go back to the system when freed. By default the
    // allocator raises this bound to the largest block freed, after which blocks as large stay
    // in the heap for good.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    SettleUserPaths();
    SetAsideSilentSessionBus();
    // On X11, Qt hands each repaint over in shared memory and then waits for the server's
    // answer before it may paint into it again: a second wake-up of two threads at every tick
    // of the clocks. Their few changed pixels go as well over the socket.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Without a display Qt would abort before the command line is read (a terminal over ssh):
    // the offscreen platform stands in, so --help and --version answer and a start says why it
    // cannot run.
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                           !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (noDisplay)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CClockApp app(argc, argv);
    const CommandLine commandLine = ParseCommandLine(CClockApp::arguments());
    if (commandLine.exitStatus >= 0) {
        std::fputs(commandLine.output.toLocal8Bit().constData(),
                   commandLine.exitStatus == 0 ? stdout : stderr);
        return commandLine.exitStatus;
    }
    if (noDisplay) {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "CommandLine", "%1: no display to show the window on (neither "
                                                 "DISPLAY nor WAYLAND_DISPLAY is set).\n")
                                  .arg(CClockApp::applicationName())),
                   stderr);
        return 1;
    }
    return app.InitInstance(commandLine.newInstance, commandLine.atLogin);
}
