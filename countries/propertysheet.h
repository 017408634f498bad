// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>
#include <QList>

class CPropertyPage;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// A modal dialog of tabbed pages with OK and Cancel. Pages are told when they are first shown,
// become active or inactive, and how the sheet ends; OK is refused while the shown page does not
// let itself be left.
class CPropertySheet : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPropertySheet)

public:
    explicit CPropertySheet(const QString &caption, QWidget *parent = nullptr);

    // The sheet takes ownership of the page.
    void AddPage(CPropertyPage *page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage *GetPage(int index) const { return m_pages.value(index); }
    CPropertyPage *GetActivePage() const;
    bool SetActivePage(int index);

    // Runs the sheet modally: QDialog::Accepted for OK, Rejected otherwise.
    // Modal to its parent window only, so the rest of the program (the tray icon and its menu)
    // still answers while it is open; without a parent, modal to the whole program.
    int DoModal();
    // Ends the sheet at once with result, without asking the pages.
    void EndDialog(int result) { done(result); }

    QPushButton *OkButton() const { return m_pOk; }
    QPushButton *CancelButton() const { return m_pCancel; }
    QDialogButtonBox *ButtonBox() const { return m_pButtons; }
    QTabWidget *TabWidget() const { return m_pTabs; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ActivatePage(int index);
    void OnTabChanged(int index);

    QTabWidget *m_pTabs = nullptr;
    QDialogButtonBox *m_pButtons = nullptr;
    QPushButton *m_pOk = nullptr;
    QPushButton *m_pCancel = nullptr;
    QList<CPropertyPage *> m_pages;
    int m_nActive = -1;
    bool m_bSwitching = false;
};
