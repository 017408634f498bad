// SPDX-License-Identifier: MIT

#pragma once

#include "countries/propertypage.h"

class CCountryTree;
class QGroupBox;
class QLineEdit;
class QTreeWidgetItem;

// The "Country/Region" page of the Set Home sheet: every entry of the country table in a tree,
// under the name of the home as it was when the sheet opened. Each change of the tree's choice
// is reported to the sheet, which enables OK only for a single entry; a double-click on an
// entry ends the sheet as OK.
class CSetCountryPage final : public CPropertyPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSetCountryPage)

public:
    explicit CSetCountryPage(QWidget *parent = nullptr);

    int m_nHomeIndex = -1;       // the entry selected when the page opens
    bool m_bUseDatabase = false; // lists the places and names of the time-zone database
    int m_nLandColour = 0;       // the map's land colour, which tints the tree's pictures
    QString m_strHomeCity;       // the home city's name, shown for the home when not empty

    // Refills the tree with that entry selected and makes it the page's home; reports the
    // choice as the tree's own selection would.
    void SelectHome(int index);

    // The entry the tree has chosen: -1 for nothing, a region or a country with several
    // entries.
    int ChosenEntry() const;

    CCountryTree *Tree() const { return m_pTree; }
    QLineEdit *HomeNameEdit() const { return m_pHomeName; }

    void OnInitDialog() override;
    QSize sizeHint() const override;

signals:
    // The tree's choice changed to index (-1 for none).
    void homeChosen(int index);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayOutControls();
    void FillTree();
    void OnSelChanged();
    void OnDblClk(QTreeWidgetItem *item);

    QGroupBox *m_pHomeBox = nullptr;
    QLineEdit *m_pHomeName = nullptr;
    QGroupBox *m_pTreeBox = nullptr;
    CCountryTree *m_pTree = nullptr;
    bool m_bFilling = false;
};
