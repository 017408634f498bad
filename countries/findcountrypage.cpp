#include "countries/findcountrypage.h"

#include "countries/countryfinder.h"
#include "countries/propertysheet.h"
#include "countries/tiptreectrl.h"
#include "zones/places.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindCountryPage::CFindCountryPage(bool useDatabase, QWidget *parent)
    : CPropertyPage(tr("Find Country/Region"), parent), m_bUseDatabase(useDatabase)
{
    setObjectName(QStringLiteral("findCountryPage"));

    auto *searchGroup = new QGroupBox(tr("Country to search for"), this);
    searchGroup->setObjectName(QStringLiteral("searchGroup"));
    searchGroup->setAccessibleName(tr("Country to search for"));
    m_edit = new QLineEdit(searchGroup);
    m_edit->setObjectName(QStringLiteral("searchEdit"));
    m_edit->setAccessibleName(tr("Country to search for"));
    auto *searchLayout = new QVBoxLayout(searchGroup);
    searchLayout->addWidget(m_edit);

    auto *matchGroup = new QGroupBox(tr("Matches"), this);
    matchGroup->setObjectName(QStringLiteral("matchGroup"));
    matchGroup->setAccessibleName(tr("Matches"));
    m_tree = new CTipTreeCtrl(matchGroup);
    m_tree->setObjectName(QStringLiteral("matchTree"));
    m_tree->setAccessibleName(tr("Matches"));
    auto *matchLayout = new QVBoxLayout(matchGroup);
    matchLayout->addWidget(m_tree);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchGroup);
    layout->addWidget(matchGroup, 1);

    // About the size of the country page, in the dialog font's average character.
    const QFontMetrics metrics(font());
    setMinimumSize(metrics.averageCharWidth() * 246 / 4, metrics.height() * 126 / 8);

    connect(m_edit, &QLineEdit::textChanged, this, &CFindCountryPage::OnChangeSearch);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            &CFindCountryPage::OnSelchangedMatches);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CFindCountryPage::OnDblclkMatches);
}

int CFindCountryPage::RunFindSheet(const QString &caption, bool useDatabase, QWidget *parent)
{
    CPropertySheet sheet(caption, parent);
    auto *page = new CFindCountryPage(useDatabase);
    sheet.AddPage(page);
    return sheet.DoModal() == QDialog::Accepted ? page->Result() : -1;
}

void CFindCountryPage::OnInitDialog()
{
    FillMatches(QString());
    m_edit->setFocus();
    if (CPropertySheet *sheet = GetSheet())
        sheet->OkButton()->setText(tr("&Select"));
    OnSelchangedMatches();
}

void CFindCountryPage::OnOK()
{
    const QTreeWidgetItem *item = m_tree->SelectedItem();
    if (!item)
        return;
    const int index = item->data(0, CTipTreeCtrl::IndexRole).toInt();
    m_nResult = item->childCount() > 0 ? MainPart(index, m_bUseDatabase) : index;
}

void CFindCountryPage::OnChangeSearch()
{
    FillMatches(m_edit->text());
    m_edit->setFocus();
}

void CFindCountryPage::FillMatches(const QString &text)
{
    m_tree->setUpdatesEnabled(false);
    m_tree->clearSelection();
    m_tree->setCurrentItem(nullptr);
    m_tree->clear();
    m_tree->setUpdatesEnabled(true);
    if (m_tree->isVisible())
        m_tree->viewport()->repaint();
    m_tree->setUpdatesEnabled(false);

    const CCountryFinder::Result found = CCountryFinder::Find(text, m_bUseDatabase);
    auto label = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QTreeWidgetItem *toSelect = nullptr;
    for (std::size_t c = 0; c < found.countries.size(); ++c) {
        const CCountryFinder::Country &country = found.countries[c];
        QTreeWidgetItem *top = m_tree->InsertSorted(
            nullptr, label(PlaceName(country.top, m_bUseDatabase)), country.top);
        const bool best = static_cast<int>(c) == found.bestCountry;
        if (best)
            toSelect = top;
        for (std::size_t p = 0; p < country.parts.size(); ++p) {
            QTreeWidgetItem *part = m_tree->InsertSorted(
                top, label(PlacePart(country.parts[p], m_bUseDatabase)), country.parts[p]);
            if (best && static_cast<int>(p) == found.bestPart)
                toSelect = part;
        }
    }

    if (toSelect) {
        if (toSelect->parent())
            toSelect->parent()->setExpanded(true);
        m_tree->setCurrentItem(toSelect);
        m_tree->scrollToItem(toSelect);
    }
    m_tree->setUpdatesEnabled(true);
    OnSelchangedMatches();
}

void CFindCountryPage::OnSelchangedMatches()
{
    const QTreeWidgetItem *item = m_tree->SelectedItem();
    if (CPropertySheet *sheet = GetSheet())
        sheet->OkButton()->setEnabled(item != nullptr);
}

void CFindCountryPage::OnDblclkMatches(QTreeWidgetItem *)
{
    OnSelchangedMatches();
    const QTreeWidgetItem *item = m_tree->SelectedItem();
    if (!item || item->childCount() > 0)
        return;
    m_nResult = item->data(0, CTipTreeCtrl::IndexRole).toInt();
    if (CPropertySheet *sheet = GetSheet())
        sheet->EndDialog(QDialog::Accepted);
}
