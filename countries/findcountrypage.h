#pragma once

#include "countries/propertypage.h"

class CTipTreeCtrl;
class QLineEdit;
class QTreeWidgetItem;

// Finds a place by the start of a word of its country's or its part's name, of a name people use
// for it, or by its ISO code, case and accents aside (CCountryFinder). Every change of the typed
// text rebuilds the list of matching countries (with their matching parts); the place chosen
// with "&Select" (Enter), or a double-click on a place, is the result. Select on a country with
// parts takes the part where most of its people live.
class CFindCountryPage final : public CPropertyPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFindCountryPage)

public:
    // useDatabase: lists the places and today's names of the time-zone database's mode rather
    // than the built-in table's.
    explicit CFindCountryPage(bool useDatabase = false, QWidget *parent = nullptr);

    // Runs a sheet captioned caption with this page alone; the chosen entry, or -1 on Cancel.
    static int RunFindSheet(const QString &caption, bool useDatabase, QWidget *parent = nullptr);

    // The entry chosen when the sheet ended with OK; -1 before.
    int Result() const { return m_nResult; }

    // Lists the matches of the typed text and selects the best one.
    void FillMatches(const QString &text);

    CTipTreeCtrl *Tree() const { return m_tree; }
    QLineEdit *Edit() const { return m_edit; }

    void OnInitDialog() override;
    void OnOK() override;

private:
    void OnChangeSearch();
    void OnSelchangedMatches();
    void OnDblclkMatches(QTreeWidgetItem *item);

    CTipTreeCtrl *m_tree = nullptr;
    QLineEdit *m_edit = nullptr;
    int m_nResult = -1;
    bool m_bUseDatabase = false;
};
