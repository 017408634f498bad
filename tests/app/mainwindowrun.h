// SPDX-License-Identifier: MIT

#pragma once

#include "app/maindialog.h"

#include <QGroupBox>
#include <QSettings>
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

// Leaves a store behind whose general values are those given.
inline void StoreGeneral(const GeneralSettings &values)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brambleway"),
              QStringLiteral("Orbiclock"))
        .clear();
    CMainDialog writer;
    writer.SetSetHomeRun([](QWidget *, SetHomeValues &) { return false; });
    RunWith(writer, [&] {
        writer.SetGeneralSettings(values);
        writer.SaveSettings();
    });
}
