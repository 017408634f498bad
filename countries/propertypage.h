// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class CPropertySheet;

// One tab of a CPropertySheet. The sheet tells the page when it is first shown, when it becomes
// active or inactive, and how the sheet ends.
class CPropertyPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPropertyPage)

public:
    explicit CPropertyPage(const QString &title, QWidget *parent = nullptr);

    QString Title() const { return m_title; }
    // The sheet holding the page, or nullptr before it is added.
    CPropertySheet *GetSheet() const { return m_pSheet; }
    bool IsInitialised() const { return m_bInitialised; }

    // Once, before the page is first shown.
    virtual void OnInitDialog() {}
    // The page becomes the shown one; false keeps the previous page.
    virtual bool OnSetActive() { return true; }
    // The page is about to be left (another tab, or OK); false keeps it shown.
    virtual bool OnKillActive() { return true; }
    // The sheet ends with OK, or with Cancel (only pages that were shown are told).
    virtual void OnOK() {}
    virtual void OnCancel() {}

private:
    friend class CPropertySheet;
    QString m_title;
    CPropertySheet *m_pSheet = nullptr;
    bool m_bInitialised = false;
};
