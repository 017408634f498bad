// SPDX-License-Identifier: MIT

#include "home/setcountrypage.h"

#include "countries/countrytree.h"
#include "countries/propertysheet.h"
#include "home/dialogunits.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

CSetCountryPage::CSetCountryPage(QWidget *parent) : CPropertyPage(tr("Country/Region"), parent)
{
    setObjectName(QStringLiteral("setCountryPage"));

    m_pHomeBox = new QGroupBox(tr("Current Home Country/Region"), this);
    m_pHomeBox->setObjectName(QStringLiteral("currentHomeBox"));
    m_pHomeBox->setAccessibleName(tr("Current Home Country/Region"));
    m_pTreeBox = new QGroupBox(tr("Available Countries/Regions"), this);
    m_pTreeBox->setObjectName(QStringLiteral("availableBox"));
    m_pTreeBox->setAccessibleName(tr("Available Countries/Regions"));

    m_pHomeName = new QLineEdit(this);
    m_pHomeName->setObjectName(QStringLiteral("homeNameEdit"));
    m_pHomeName->setAccessibleName(tr("Current Home Country/Region"));
    m_pHomeName->setReadOnly(true);

    m_pTree = new CCountryTree(this);
    m_pTree->setObjectName(QStringLiteral("homeCountryTree"));
    m_pTree->setAccessibleName(tr("Available Countries/Regions"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setRootIsDecorated(true);
    m_pTree->setDragEnabled(false);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);

    setTabOrder(m_pHomeName, m_pTree);
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &CSetCountryPage::OnSelChanged);
    connect(m_pTree, &QTreeWidget::itemDoubleClicked, this, &CSetCountryPage::OnDblClk);

    LayOutControls();
}

QSize CSetCountryPage::sizeHint() const
{
    const DialogUnits du(font());
    return {du.X(246), du.Y(126)};
}

void CSetCountryPage::changeEvent(QEvent *event)
{
    CPropertyPage::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        LayOutControls();
}

void CSetCountryPage::resizeEvent(QResizeEvent *event)
{
    CPropertyPage::resizeEvent(event);
    LayOutControls();
}

void CSetCountryPage::LayOutControls()
{
    const DialogUnits du(font());
    m_pHomeBox->setGeometry(du.Rect(4, 7, 237, 30));
    // The edit keeps its template place but never gets lower than its text needs.
    QRect edit = du.Rect(9, 18, 226, 14);
    edit.setHeight(std::max(edit.height(), m_pHomeName->sizeHint().height()));
    m_pHomeName->setGeometry(edit);
    // When the sheet is taller than this page (the other page may need more room with a wide
    // font), the list takes the extra height.
    const int extra = std::max(0, height() - du.Y(126));
    m_pTreeBox->setGeometry(du.Rect(4, 40, 237, 83).adjusted(0, 0, 0, extra));
    m_pTree->setGeometry(du.Rect(9, 50, 226, 68).adjusted(0, 0, 0, extra));
    setMinimumSize(sizeHint());
}

void CSetCountryPage::OnInitDialog()
{
    m_pTree->SetLandColour(m_nLandColour);
    m_pTree->SetUseDatabase(m_bUseDatabase);
    FillTree();
    m_pHomeName->setText(m_strHomeCity.isEmpty()
                             ? CCountryTree::GetDisplayName(m_nHomeIndex, m_bUseDatabase)
                             : m_strHomeCity);
    m_pHomeName->setCursorPosition(0);
    OnSelChanged();
    m_pTree->setFocus();
}

void CSetCountryPage::FillTree()
{
    // A refill passes through "nothing selected"; that is no choice of the user's and must
    // not reset the daylight page.
    m_bFilling = true;
    m_pTree->FillTree(CCountryTree::NoFilter, m_nHomeIndex);
    m_bFilling = false;
    if (QTreeWidgetItem *item = m_pTree->SelectedItem())
        m_pTree->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void CSetCountryPage::SelectHome(int index)
{
    m_nHomeIndex = index;
    FillTree();
    OnSelChanged();
}

int CSetCountryPage::ChosenEntry() const
{
    return m_pTree->SelectedEntry();
}

void CSetCountryPage::OnSelChanged()
{
    if (m_bFilling)
        return;
    const int chosen = ChosenEntry();
    emit homeChosen(chosen);
    if (CPropertySheet *sheet = GetSheet())
        sheet->OkButton()->setEnabled(chosen != -1);
}

void CSetCountryPage::OnDblClk(QTreeWidgetItem *)
{
    OnSelChanged();
    if (ChosenEntry() != -1) {
        if (CPropertySheet *sheet = GetSheet())
            sheet->EndDialog(QDialog::Accepted);
    }
}
