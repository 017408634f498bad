// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>
#include <QPoint>

#include <optional>

class QEventLoop;

// A dialog whose modal run is the program's event loop and which may run while invisible:
// with the visible-at-start flag cleared it is created, initialised and run without ever being
// shown, until a command shows it.
class CHideableDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHideableDialog)

public:
    explicit CHideableDialog(QWidget *parent = nullptr);
    ~CHideableDialog() override;

    // Only has an effect before DoModal.
    void SetVisibleAtStart(bool visible) { m_bVisibleAtStart = visible; }
    bool IsVisibleAtStart() const { return m_bVisibleAtStart; }

    // Initialises the dialog, runs its own event loop until done() and returns the result
    // given to done(). Shows the window first only when it is visible at start.
    int DoModal();

    // The dialog's loop is running.
    bool IsRunning() const { return m_loop && !m_bEnded; }

    void done(int result) override;

    // Into the notification area, or minimised where there is none; shown again where it was,
    // raised and active, with any sheet open over it on top.
    void HideOrMinimise();
    void ShowMainWindow();
    // The same at another program's request over org.freedesktop.Application (a second start,
    // a launcher), with the activation token that lets the window come forward on Wayland.
    void ActivateMainWindow(const QString &activationToken);
    // Escape and Cancel only put the window away.
    void reject() override;

protected:
    // Runs once, before the loop starts and before the window is first shown.
    virtual void OnInitDialog() {}

private:
    bool m_bVisibleAtStart = true;
    bool m_bEnded = false;
    QEventLoop *m_loop = nullptr;
    // Where the window's inside was when it was hidden, so Show brings it back there.
    std::optional<QPoint> m_ptHidden;
};
