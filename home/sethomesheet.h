// SPDX-License-Identifier: MIT

#pragma once

#include "countries/placesearch.h"
#include "countries/propertysheet.h"
#include "zones/daylight.h"

#include <functional>

class CSetCountryPage;
class CSetDaylightPage;
class QPushButton;

// What the Set Home sheet starts from and, after OK, what the user chose.
struct SetHomeValues
{
    int homeIndex = -1;
    int landColour = 0; // the map's land colour, for the tree's pictures
    int daylightOption = 0;
    bool useOwnDaylightDates = false;
    OwnDaylightDates ownDates; // all -1 when the home has no daylight saving
    bool useDatabase = true;   // the computer's time-zone database, not the table
    int homeCity = -1;         // a city chosen as home (citytable.h), in homeIndex's place
};

// The modal sheet in which the home and its daylight-saving handling are chosen: a
// "Country/Region" page, a "Daylight Saving" page and a "&Find Country" button beside OK.
// Without a home it can be left only with OK, once an entry is chosen.
class CSetHomeSheet final : public CPropertySheet
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSetHomeSheet)

public:
    explicit CSetHomeSheet(QWidget *parent = nullptr);
    ~CSetHomeSheet() override;

    // Sets the sheet up before it runs. Stored values that do not fit the home are corrected:
    // an option the home cannot have becomes its default, and dates outside their lists give
    // way to the home's table dates.
    void SetValues(const SetHomeValues &values);
    // The choice after OK: the chosen home, the daylight page's option and dates choice, and
    // its dates when the home has daylight saving (else all -1). The land colour is kept.
    SetHomeValues GetValues() const;

    int m_nChosenHome = -1;  // the entry last chosen on the country page
    int m_nInitialHome = -1; // the home when the sheet opened
    int m_nChosenCity = -1;  // the city found as home, or -1; another entry chosen clears it

    // Home chosen on the country page: a change of home resets the daylight page to the new
    // home's defaults; choosing the same home again keeps its edits.
    void OnHomeChosen(int index);
    // The "&Find Country" button: a modal Find sheet; its pick becomes the chosen home, a city
    // with the place it lies in.
    void OnFindCountry();

    // The Find sheet's run, replaceable by tests: the choice, or none (place -1).
    using FindRun = std::function<PlaceChoice(QWidget *parent)>;
    void SetFindRun(FindRun run) { m_runFind = std::move(run); }

    CSetCountryPage *CountryPage() const { return m_pCountryPage; }
    CSetDaylightPage *DaylightPage() const { return m_pDaylightPage; }
    QPushButton *FindButton() const { return m_pFindButton; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceFindButton();

    CSetCountryPage *m_pCountryPage = nullptr;
    CSetDaylightPage *m_pDaylightPage = nullptr;
    QPushButton *m_pFindButton = nullptr;
    int m_nLandColour = 0;
    bool m_bInitialised = false;
    FindRun m_runFind;
};
