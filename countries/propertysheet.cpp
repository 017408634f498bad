// SPDX-License-Identifier: MIT

#include "countries/propertysheet.h"

#include "countries/propertypage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("propertySheet"));
    setAccessibleName(caption);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_pTabs = new QTabWidget(this);
    m_pTabs->setObjectName(QStringLiteral("sheetTabs"));
    m_pTabs->setAccessibleName(tr("Pages"));

    m_pButtons = new QDialogButtonBox(this);
    m_pButtons->setObjectName(QStringLiteral("sheetButtons"));
    m_pButtons->setAccessibleName(tr("Sheet buttons"));
    m_pOk = m_pButtons->addButton(QDialogButtonBox::Ok);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setAccessibleName(tr("OK"));
    m_pOk->setText(tr("OK"));
    m_pCancel = m_pButtons->addButton(QDialogButtonBox::Cancel);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));
    m_pCancel->setAccessibleName(tr("Cancel"));
    m_pCancel->setText(tr("Cancel"));
    m_pOk->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(m_pButtons);

    connect(m_pButtons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

void CPropertySheet::AddPage(CPropertyPage *page)
{
    if (!page || m_pages.contains(page))
        return;
    page->m_pSheet = this;
    m_pages.append(page);
    m_bSwitching = true;
    m_pTabs->addTab(page, page->Title());
    m_bSwitching = false;
}

CPropertyPage *CPropertySheet::GetActivePage() const
{
    return m_pages.value(m_nActive);
}

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return false;
    if (!isVisible()) {
        m_bSwitching = true;
        m_pTabs->setCurrentIndex(index);
        m_bSwitching = false;
        return true;
    }
    m_pTabs->setCurrentIndex(index);
    return m_nActive == index;
}

void CPropertySheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_nActive < 0 && !m_pages.isEmpty())
        ActivatePage(std::max(0, m_pTabs->currentIndex()));
}

void CPropertySheet::ActivatePage(int index)
{
    CPropertyPage *page = m_pages.value(index);
    if (!page)
        return;
    m_nActive = index;
    if (!page->m_bInitialised) {
        page->m_bInitialised = true;
        page->OnInitDialog();
    }
    page->OnSetActive();
}

void CPropertySheet::OnTabChanged(int index)
{
    if (m_bSwitching || !isVisible())
        return;
    if (index == m_nActive)
        return;
    if (CPropertyPage *old = GetActivePage(); old && !old->OnKillActive()) {
        // The page refuses to be left: show it again.
        m_bSwitching = true;
        m_pTabs->setCurrentIndex(m_nActive);
        m_bSwitching = false;
        return;
    }
    ActivatePage(index);
}

int CPropertySheet::DoModal()
{
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return exec();
}

void CPropertySheet::accept()
{
    if (CPropertyPage *page = GetActivePage(); page && !page->OnKillActive())
        return;
    for (CPropertyPage *page : std::as_const(m_pages)) {
        if (page->m_bInitialised)
            page->OnOK();
    }
    QDialog::accept();
}

void CPropertySheet::reject()
{
    for (CPropertyPage *page : std::as_const(m_pages)) {
        if (page->m_bInitialised)
            page->OnCancel();
    }
    QDialog::reject();
}
