// SPDX-License-Identifier: MIT

#include "app/clockapp.h"

#include "app/autostart.h"
#include "app/language.h"
#include "app/maindialog.h"
#include "app/sessioninstance.h"
#include "res/resources.h"

#include <QDialog>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Written by the signal handler, read in the event loop: the only thing a
// handler may do safely is write a byte.
int g_signalPipe[2] = {-1, -1};

void SignalHandler(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

CClockApp::CClockApp(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("orbiclock"));
    setApplicationDisplayName(QStringLiteral("Orbiclock"));
    setOrganizationName(QStringLiteral("Brambleway"));
    // The launcher entry it was started from, so a Wayland compositor finds its name and icon.
    setDesktopFileName(QStringLiteral("io.github.brambleway.orbiclock"));
#ifdef ORBICLOCK_VERSION
    setApplicationVersion(QStringLiteral(ORBICLOCK_VERSION));
#endif
    // The window is hidden, not closed, while the program runs in the tray; only
    // the dialog's end stops the program.
    setQuitOnLastWindowClosed(false);
    InstallTranslations(*this);
    const QIcon icon = AppIcon(WindowIconLargest);
    if (!icon.availableSizes().isEmpty())
        setWindowIcon(icon);
}

CClockApp::~CClockApp()
{
    if (m_signalNotifier) {
        for (int sig : {SIGTERM, SIGINT, SIGHUP})
            std::signal(sig, SIG_DFL);
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
}

bool CClockApp::InstallSignalHandlers()
{
    if (m_signalNotifier)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return false;
    m_signalNotifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &CClockApp::OnSignal);
    struct sigaction action = {};
    action.sa_handler = SignalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
    return true;
}

void CClockApp::OnSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[1], &byte, 1);
    // A sheet, a pop-up menu or the exit question may be running its own loop above the
    // main window's: end those first, without asking them, so the main window's end is
    // reached.
    while (QWidget *popup = activePopupWidget())
        popup->close();
    const QWidgetList windows = topLevelWidgets();
    for (QWidget *w : windows) {
        auto *dialog = qobject_cast<QDialog *>(w);
        if (dialog && dialog != m_pMainWnd && dialog->isVisible() && dialog->isModal())
            dialog->QDialog::done(QDialog::Rejected);
    }
    if (m_pMainWnd)
        m_pMainWnd->EndNow();
    else
        quit();
}

int CClockApp::InitInstance(bool newInstance, bool atLogin)
{
    auto *session = new CSessionInstance(this);
    if (!newInstance) {
        switch (session->ClaimSession()) {
        case CSessionInstance::Claim::HandedOver:
            return 0;
        case CSessionInstance::Claim::Unanswered:
            std::fputs(qPrintable(tr("%1: a copy runs in this session but does not answer; "
                                     "start with --new-instance to run another.\n")
                                      .arg(applicationName())),
                       stderr);
            return 1;
        case CSessionInstance::Claim::Owner:
        case CSessionInstance::Claim::NoBus:
            break;
        }
    }
    InstallSignalHandlers();
    // An entry written before the login start said so would show the window at every login.
    UpdateStartAtLoginEntry();
    CMainDialog dialog(nullptr,
                       atLogin ? CMainDialog::StartedBy::Login : CMainDialog::StartedBy::Person);
    // Started again from the launcher or a terminal: the window comes up.
    connect(session, &CSessionInstance::Activated, &dialog, &CMainDialog::ActivateMainWindow);
    m_pMainWnd = &dialog;
    // The session is ending: keep what the user set; the session manager's
    // default answer (agree) stands.
    connect(this, &QGuiApplication::commitDataRequest, &dialog,
            [&dialog](QSessionManager &) { dialog.SaveSettings(); });
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return 0;
}
