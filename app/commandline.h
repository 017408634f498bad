// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of a start: run the program, or answer in the terminal and end.
struct CommandLine
{
    // -1 runs the program; otherwise the process ends at once with this status, after printing
    // output (to standard output for 0, to standard error otherwise).
    int exitStatus = -1;
    QString output;
    // Run beside a copy that runs already in this session instead of handing over to it.
    bool newInstance = false;
    // Started by the autostart entry at login, not by a person.
    bool atLogin = false;
};

// The usual answers of a Qt program: --help, --version (from the application's version), and
// status 2 with a pointer to --help for an unknown option or an argument the program does not
// take. arguments starts with the program's name, as QCoreApplication::arguments() does.
CommandLine ParseCommandLine(const QStringList &arguments);
