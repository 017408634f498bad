// SPDX-License-Identifier: MIT

#include "app/hideabledialog.h"

#include "app/trayicon.h"

#include <QApplication>
#include <QEventLoop>

CHideableDialog::CHideableDialog(QWidget *parent) : QDialog(parent) {}

CHideableDialog::~CHideableDialog()
{
    if (m_loop)
        m_loop->exit(Rejected);
}

int CHideableDialog::DoModal()
{
    m_bEnded = false;
    setResult(0);
    OnInitDialog();
    // A dialog that ended while it was initialised never runs.
    if (!m_bEnded) {
        if (m_bVisibleAtStart)
            show();
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    hide();
    return result();
}

void CHideableDialog::done(int result)
{
    m_bEnded = true;
    QDialog::done(result);
    if (m_loop)
        m_loop->exit(result);
}

void CHideableDialog::HideOrMinimise()
{
    if (CTrayIcon::IsAvailable()) {
        m_ptHidden = geometry().topLeft();
        hide();
    } else {
        showMinimized();
    }
}

void CHideableDialog::reject()
{
    // Escape and Cancel only put the window away; the program goes on.
    HideOrMinimise();
}

void CHideableDialog::ShowMainWindow()
{
    // A dialog shown again is centred anew unless it was placed: put it back where it was. The
    // inside's corner, not the frame's, which the window manager may not have told yet.
    // A maximised window comes back maximised.
    if (!isVisible() && m_ptHidden && !isMaximized())
        setGeometry(QRect(*m_ptHidden, size()));
    if (!isVisible() || isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    }
    raise();
    activateWindow();
    // A sheet open over the window stays on top of it.
    if (QWidget *sheet = QApplication::activeModalWidget(); sheet && sheet != this) {
        sheet->raise();
        sheet->activateWindow();
    }
}

void CHideableDialog::ActivateMainWindow(const QString &activationToken)
{
    // On Wayland the compositor raises and focuses a window only with the token of the launch or
    // click that asked for it; Qt hands on the one in the environment at the next activation.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    ShowMainWindow();
    // A token is good once: where nothing took it (X11), no program started later inherits it.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
