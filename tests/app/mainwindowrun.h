// SPDX-License-Identifier: MIT

#pragma once

#include "app/maindialog.h"

#include <QGroupBox>
#include <QTimer>

#include <functional>

// Runs the window's loop, calls check inside it once everything posted at start-up has run,
// then ends the run. Returns what DoModal returned.
inline int RunWith(CMainDialog &dialog, const std::function<void()> &check)
{
    QTimer::singleShot(20, &dialog, [&dialog, check] {
        check();
        if (dialog.IsRunning())
            dialog.done(QDialog::Rejected);
    });
    return dialog.DoModal();
}

inline QString GroupTitle(const CMainDialog &dialog, int id)
{
    return qobject_cast<QGroupBox *>(dialog.Control(id))->title();
}
