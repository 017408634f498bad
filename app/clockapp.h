// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>

class CMainDialog;
class QSocketNotifier;

// The program: one main window run modally, whose loop is the program's loop.
// The session's end and SIGTERM, SIGINT and SIGHUP save the settings and end
// the run cleanly.
class CClockApp final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClockApp)

public:
    CClockApp(int &argc, char **argv);
    ~CClockApp() override;

    // Builds the main window, runs it until it ends and returns the process's
    // exit code. Unless newInstance is set, a copy that runs already in this session is asked to
    // show its window instead, and this one ends at once. A start at login (atLogin) shows the
    // window only when "Show At Startup" is ticked; a person's start always shows it.
    int InitInstance(bool newInstance = false, bool atLogin = false);

    // Routes the termination signals into the event loop; false when that cannot
    // be set up.
    bool InstallSignalHandlers();

private:
    void OnSignal();

    CMainDialog *m_pMainWnd = nullptr;
    QSocketNotifier *m_signalNotifier = nullptr;
};
