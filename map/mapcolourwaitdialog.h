// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QWidget;

// "Changing Map Colours": a small modeless window asking the user to wait while the map is
// recoloured.
class CMapColourWaitDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMapColourWaitDialog)

public:
    static constexpr int TemplateId = 176;

    explicit CMapColourWaitDialog(QWidget *parent = nullptr);
    ~CMapColourWaitDialog() override;

    // Builds the window, modeless, without showing it. False when it was built before.
    virtual bool Create();
    // Centres the window over widget (the screen's middle when null), shows it and paints it
    // at once, so it is seen before the caller goes on with the work.
    void ShowOver(const QWidget *widget);

private:
    bool m_bCreated = false;
};
