// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

// The about box: the program's name and version, its icons and where its data comes from.
class CAboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDialog)

public:
    // useDatabase: the clocks follow the computer's time-zone database, not the built-in table.
    explicit CAboutDialog(bool useDatabase, QWidget *parent = nullptr);

    static QString VersionText();
    // Names where the offsets and rules in use come from: the database (with its version where
    // the database states one) or the table.
    static QString CreditsText(bool useDatabase);
    // "2025b" from the database's own statement of its version; empty when there is none.
    static QString DatabaseVersion();
};
