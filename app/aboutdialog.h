#pragma once

#include <QDialog>

// The about box: the program's name and version, its icons and where its data comes from.
class CAboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDialog)

public:
    explicit CAboutDialog(QWidget *parent = nullptr);

    static QString VersionText();
    static QString CreditsText();
};
