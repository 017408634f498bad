// SPDX-License-Identifier: MIT

#include "countries/findcountrypage.h"

#include "countries/propertysheet.h"
#include "countries/tiptreectrl.h"
#include "zones/places.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
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
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({tr("Name"), tr("What"), tr("Time now")});
    m_tree->setHeaderHidden(false);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    auto *matchLayout = new QVBoxLayout(matchGroup);
    matchLayout->addWidget(m_tree);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchGroup);
    layout->addWidget(matchGroup, 1);

    // About the size of the country page, in the dialog font's average character.
    const QFontMetrics metrics(font());
    // Wider than the country page: a row names a city with its region and country, what it is
    // and its time.
    setMinimumSize(metrics.averageCharWidth() * 92, metrics.height() * 126 / 8);
    // Wide enough for "Time zone, AEST" and "Wed 23:45"; the names take the rest.
    m_tree->header()->resizeSection(KindColumn,
                                    metrics.horizontalAdvance(QStringLiteral("Time zone, AEST  ")));
    m_tree->header()->resizeSection(TimeColumn,
                                    metrics.horizontalAdvance(QStringLiteral("Wed 00:00  ")));

    connect(m_edit, &QLineEdit::textChanged, this, &CFindCountryPage::OnChangeSearch);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this,
            &CFindCountryPage::OnSelchangedMatches);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CFindCountryPage::OnDblclkMatches);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (!m_pin || !m_tree->SelectedItem())
            return;
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("findPinMenu"));
        menu.setAccessibleName(tr("Found place menu"));
        QAction *pin = menu.addAction(tr("&Pin\tCtrl+P"));
        pin->setObjectName(QStringLiteral("findPinAction"));
        connect(pin, &QAction::triggered, this, &CFindCountryPage::PinSelected);
        menu.exec(m_tree->viewport()->mapToGlobal(at));
    });
    auto *pin = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(pin, &QShortcut::activated, this, &CFindCountryPage::PinSelected);
}

bool CFindCountryPage::PinSelected()
{
    const QTreeWidgetItem *item = m_tree->SelectedItem();
    if (!m_pin || !item)
        return false;
    m_pin(ChoiceOf(item));
    return true;
}

PlaceChoice CFindCountryPage::RunFindSheet(const QString &caption, bool useDatabase,
                                           QWidget *parent, PinChoice pin)
{
    CPropertySheet sheet(caption, parent);
    auto *page = new CFindCountryPage(useDatabase);
    page->SetPinChoice(std::move(pin));
    sheet.AddPage(page);
    return sheet.DoModal() == QDialog::Accepted ? page->Choice() : PlaceChoice();
}

void CFindCountryPage::OnInitDialog()
{
    FillMatches(QString());
    m_edit->setFocus();
    if (CPropertySheet *sheet = GetSheet())
        sheet->OkButton()->setText(tr("&Select"));
    OnSelchangedMatches();
}

PlaceChoice CFindCountryPage::ChoiceOf(const QTreeWidgetItem *item) const
{
    if (!item)
        return {};
    const int index = item->data(0, CTipTreeCtrl::IndexRole).toInt();
    const int hit = item->data(0, HitRole).toInt();
    if (hit >= 0 && hit < static_cast<int>(m_found.hits.size())) {
        const SearchHit &found = m_found.hits[static_cast<std::size_t>(hit)];
        if (found.kind != SearchHit::Place)
            return ChoiceForHit(found, -1, m_bUseDatabase, CurrentTime());
    }
    return PlaceChoice(item->childCount() > 0 ? MainPart(index, m_bUseDatabase) : index);
}

void CFindCountryPage::OnOK()
{
    if (const QTreeWidgetItem *item = m_tree->SelectedItem())
        m_result = ChoiceOf(item);
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

    m_found = SearchPlaces(text, m_bUseDatabase);
    const TimeValue now = CurrentTime();
    auto label = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QTreeWidgetItem *toSelect = nullptr;
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(m_found.hits.size()));
    for (std::size_t h = 0; h < m_found.hits.size(); ++h) {
        const SearchHit &hit = m_found.hits[h];
        auto *item = new QTreeWidgetItem;
        item->setText(NameColumn, HitLabel(hit, m_bUseDatabase));
        item->setText(KindColumn, HitKindText(hit, m_bUseDatabase));
        const bool place = hit.kind == SearchHit::Place;
        item->setText(TimeColumn,
                      place ? PlaceTimeText(hit.parts.empty() ? hit.place
                                                              : MainPart(hit.place, m_bUseDatabase),
                                            m_bUseDatabase, now)
                            : ZoneTimeText(hit.zone, now));
        item->setData(0, CTipTreeCtrl::IndexRole, place ? hit.place : -1);
        item->setData(0, HitRole, static_cast<int>(h));
        items.append(item);
        const bool best = static_cast<int>(h) == m_found.best;
        if (best)
            toSelect = item;
        for (std::size_t p = 0; p < hit.parts.size(); ++p) {
            const int index = hit.parts[p];
            QTreeWidgetItem *part =
                m_tree->InsertSorted(item, label(LocalPlacePart(index, m_bUseDatabase)), index);
            part->setData(0, HitRole, static_cast<int>(h));
            part->setText(KindColumn, tr("Part"));
            part->setText(TimeColumn, PlaceTimeText(index, m_bUseDatabase, now));
            if (best && static_cast<int>(p) == hit.bestPart)
                toSelect = part;
        }
    }
    m_tree->addTopLevelItems(items);

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
    m_result = ChoiceOf(item);
    if (CPropertySheet *sheet = GetSheet())
        sheet->EndDialog(QDialog::Accepted);
}
