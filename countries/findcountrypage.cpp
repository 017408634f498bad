#include "countries/findcountrypage.h"

#include "countries/propertysheet.h"
#include "countries/tiptreectrl.h"
#include "zones/countrytable.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

namespace {

// The table's names once as QStrings: a keystroke then costs only the searching.
const QList<QString> &CountryNames()
{
    static const QList<QString> names = [] {
        QList<QString> list;
        list.reserve(CountryCount);
        for (const CountryEntry &entry : CountryTable)
            list.append(QString::fromUtf8(entry.name));
        return list;
    }();
    return names;
}

} // namespace

CFindCountryPage::CFindCountryPage(QWidget *parent)
    : CPropertyPage(tr("Find Country/Region"), parent)
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

int CFindCountryPage::RunFindSheet(const QString &caption, QWidget *parent)
{
    CPropertySheet sheet(caption, parent);
    auto *page = new CFindCountryPage;
    sheet.AddPage(page);
    return sheet.DoModal() == QDialog::Accepted ? page->Result() : -1;
}

QString CFindCountryPage::MakePattern(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.left(1).toUpper() + text.mid(1).toLower();
}

bool CFindCountryPage::Matches(const QString &name, const QString &pattern)
{
    const qsizetype at = name.indexOf(pattern);
    if (at < 0)
        return false;
    return at == 0 || name[at - 1] == u' ' || name[at - 1] == u'(';
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
    m_nResult = m_tree->SelectedEntry();
}

void CFindCountryPage::OnChangeSearch()
{
    FillMatches(MakePattern(m_edit->text()));
    m_edit->setFocus();
}

void CFindCountryPage::FillMatches(const QString &pattern)
{
    m_tree->setUpdatesEnabled(false);
    m_tree->clearSelection();
    m_tree->setCurrentItem(nullptr);
    m_tree->clear();
    m_tree->setUpdatesEnabled(true);
    if (m_tree->isVisible())
        m_tree->viewport()->repaint();
    m_tree->setUpdatesEnabled(false);

    const QList<QString> &names = CountryNames();
    QTreeWidgetItem *toSelect = nullptr;
    for (int i = CountryCount - 1; i >= 0; --i) {
        if (!Matches(names[i], pattern))
            continue;
        const CountryEntry &entry = CountryTable[static_cast<std::size_t>(i)];
        QTreeWidgetItem *top = m_tree->InsertSorted(nullptr, names[i], i);
        toSelect = top;
        if (*entry.subName == '\0')
            continue;
        int part = i;
        while (part >= 0) {
            const CountryEntry &p = CountryTable[static_cast<std::size_t>(part)];
            const CountryEntry &before =
                CountryTable[static_cast<std::size_t>(part == i ? i : part + 1)];
            if (*before.subName == '\0' || std::strcmp(p.name, entry.name) != 0)
                break;
            m_tree->InsertSorted(top, QString::fromUtf8(p.subName), part);
            --part;
        }
        i = part + 1; // the walk resumes below the last part
    }

    if (toSelect)
        m_tree->setCurrentItem(toSelect);
    m_tree->setUpdatesEnabled(true);
    OnSelchangedMatches();
}

void CFindCountryPage::OnSelchangedMatches()
{
    const QTreeWidgetItem *item = m_tree->SelectedItem();
    if (CPropertySheet *sheet = GetSheet())
        sheet->OkButton()->setEnabled(item && item->childCount() == 0);
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
