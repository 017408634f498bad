// SPDX-License-Identifier: MIT

#pragma once

#include "countries/placesearch.h"
#include "countries/propertypage.h"

#include <functional>

class CTipTreeCtrl;
class QLineEdit;
class QTreeWidgetItem;

// Finds a place as people name it (SearchPlaces): a country or a part of one by any name or ISO
// code, and with the time-zone database also a city or a zone by name or abbreviation. Every
// change of the typed text rebuilds the ranked list, each row saying what it is and its time
// now; the row chosen with "&Select" (Enter), or a double-click, is the result. Select on a
// country with parts takes the part where most of its people live; on a city or a zone, the
// place of the tree it lies in, with the city or zone kept for the clocks.
class CFindCountryPage final : public CPropertyPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFindCountryPage)

public:
    // useDatabase: lists the places and today's names of the time-zone database's mode rather
    // than the built-in table's.
    explicit CFindCountryPage(bool useDatabase = false, QWidget *parent = nullptr);

    // Pins a choice and keeps the sheet open: given, the list's menu and Ctrl+P offer "&Pin".
    using PinChoice = std::function<void(const PlaceChoice &choice)>;

    // Runs a sheet captioned caption with this page alone; the choice, or none (place -1) on
    // Cancel.
    static PlaceChoice RunFindSheet(const QString &caption, bool useDatabase,
                                    QWidget *parent = nullptr, PinChoice pin = {});
    void SetPinChoice(PinChoice pin) { m_pin = std::move(pin); }
    // Pins the selected row's choice; false without one or without a way to pin.
    bool PinSelected();

    // The entry chosen when the sheet ended with OK; -1 before.
    int Result() const { return m_result.place; }
    // With the city or zone that was chosen, if any.
    const PlaceChoice &Choice() const { return m_result; }

    // The columns of the list: the name, what it is, the time there now.
    enum Column
    {
        NameColumn,
        KindColumn,
        TimeColumn,
    };
    // An item's position in the search's hits lives in this role (parts share their country's).
    static constexpr int HitRole = Qt::UserRole + 1;

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
    // The choice an item makes.
    PlaceChoice ChoiceOf(const QTreeWidgetItem *item) const;

    PlaceChoice m_result;
    PinChoice m_pin;
    bool m_bUseDatabase = false;
    SearchResults m_found; // what the list shows
};
