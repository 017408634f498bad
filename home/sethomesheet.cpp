// SPDX-License-Identifier: MIT

#include "home/sethomesheet.h"

#include "countries/findcountrypage.h"
#include "home/daylightoption.h"
#include "home/setcountrypage.h"
#include "home/setdaylightpage.h"
#include "home/zonerecord.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>

CSetHomeSheet::CSetHomeSheet(QWidget *parent) : CPropertySheet(tr("Set Home Country"), parent)
{
    setObjectName(QStringLiteral("setHomeSheet"));

    m_pCountryPage = new CSetCountryPage;
    m_pDaylightPage = new CSetDaylightPage;
    AddPage(m_pCountryPage);
    AddPage(m_pDaylightPage);

    // Beside OK, on the side away from the sheet's edge, as the sheet's own button.
    m_pFindButton = new QPushButton(tr("&Find Country"), ButtonBox());
    m_pFindButton->setObjectName(QStringLiteral("findCountryButton"));
    m_pFindButton->setAccessibleName(tr("Find Country"));
    m_pFindButton->setAutoDefault(false);
    OkButton()->installEventFilter(this);
    CancelButton()->installEventFilter(this);

    connect(m_pCountryPage, &CSetCountryPage::homeChosen, this, &CSetHomeSheet::OnHomeChosen);
    connect(m_pDaylightPage, &CSetDaylightPage::activeChanged, this,
            [this](bool active) { m_pFindButton->setEnabled(!active); });
    connect(m_pFindButton, &QPushButton::clicked, this, &CSetHomeSheet::OnFindCountry);
    m_runFind = [this](QWidget *parent) {
        return CFindCountryPage::RunFindSheet(tr("Find Home Country/Region"),
                                              m_pCountryPage->m_bUseDatabase, parent);
    };
}

CSetHomeSheet::~CSetHomeSheet() = default;

void CSetHomeSheet::SetValues(const SetHomeValues &values)
{
    const int home = IsValidIndexIn(values.homeIndex, values.useDatabase) ? values.homeIndex : -1;
    m_nInitialHome = home;
    m_nChosenHome = home;
    m_nLandColour = values.landColour;
    m_pCountryPage->m_nHomeIndex = home;
    m_pCountryPage->m_nLandColour = values.landColour;
    m_pCountryPage->m_bUseDatabase = values.useDatabase;
    m_nChosenCity = home != -1 && values.useDatabase ? values.homeCity : -1;
    m_pCountryPage->m_strHomeCity = CityDisplayName(m_nChosenCity);

    CSetDaylightPage &page = *m_pDaylightPage;
    page.m_nHomeIndex = home;
    page.m_nOption = home == -1 ? DaylightAuto : values.daylightOption;
    page.m_nDatesChoice = values.useOwnDaylightDates ? 1 : 0;
    page.m_dates = values.ownDates;
    page.m_bUseDatabase = values.useDatabase;
    if (home == -1)
        return;

    // Settings written by hand or by an older table may not fit the home: the page could then
    // not show the option at all, or would hand back dates that name no day.
    const bool hasRule = page.HomeHasRule();
    if (hasRule && (!IsValidDaylightOption(page.m_nOption) || page.m_nOption == DaylightNone))
        page.m_nOption = DaylightAuto;
    if (!hasRule)
        page.m_nOption = DaylightNone;
    if (hasRule && !page.m_dates.IsComplete())
        page.m_dates = page.DefaultDates();
}

SetHomeValues CSetHomeSheet::GetValues() const
{
    SetHomeValues values;
    values.homeIndex = m_nChosenHome;
    values.landColour = m_nLandColour;
    values.daylightOption = m_pDaylightPage->m_nOption;
    values.useOwnDaylightDates = m_pDaylightPage->m_nDatesChoice == 1;
    values.useDatabase = m_pDaylightPage->m_bUseDatabase;
    values.homeCity = m_nChosenCity;
    if (HomeHasDaylightSaving(m_nChosenHome, values.useDatabase, CurrentTime(),
                              values.useDatabase && m_nChosenCity >= 0
                                  ? Cities::ZoneId(m_nChosenCity)
                                  : QByteArray()))
        values.ownDates = m_pDaylightPage->m_dates;
    return values;
}

void CSetHomeSheet::OnHomeChosen(int index)
{
    if (index != m_nChosenHome)
        m_nChosenCity = -1;
    m_nChosenHome = index;
    if (index != m_pDaylightPage->m_nHomeIndex)
        m_pDaylightPage->SetUpForHome(index);
}

void CSetHomeSheet::OnFindCountry()
{
    const PlaceChoice found = m_runFind ? m_runFind(this) : PlaceChoice();
    if (!IsValidIndexIn(found.place, m_pCountryPage->m_bUseDatabase))
        return;
    m_pCountryPage->SelectHome(found.place);
    OnHomeChosen(found.place);
    // A zone found by name is no home of its own: its place is.
    m_nChosenCity = found.city;
}

void CSetHomeSheet::showEvent(QShowEvent *event)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        CancelButton()->setEnabled(m_nInitialHome != -1);
        OkButton()->setEnabled(m_nInitialHome != -1);
    }
    CPropertySheet::showEvent(event);
    PlaceFindButton();
}

void CSetHomeSheet::reject()
{
    // Without a home the program cannot run: Escape and Close wait for a choice and OK.
    if (m_nInitialHome == -1)
        return;
    CPropertySheet::reject();
}

void CSetHomeSheet::closeEvent(QCloseEvent *event)
{
    if (m_nInitialHome == -1) {
        event->ignore();
        return;
    }
    CPropertySheet::closeEvent(event);
}

bool CSetHomeSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        PlaceFindButton();
    return CPropertySheet::eventFilter(watched, event);
}

void CSetHomeSheet::PlaceFindButton()
{
    // OK's rectangle moved left by its own width and 6 pixels; where Cancel sits left of OK
    // the button goes left of both instead.
    const QRect ok = OkButton()->geometry();
    const QRect cancel = CancelButton()->geometry();
    QRect find = ok.translated(-(ok.width() + 6), 0);
    if (find.intersects(cancel))
        find = ok.translated(-(ok.width() + 6) - (cancel.width() + 6), 0);
    find.setWidth(std::max(find.width(), m_pFindButton->sizeHint().width()));
    if (find.right() > std::min(ok.left(), cancel.left()) - 6)
        find.moveRight(std::min(ok.left(), cancel.left()) - 6);
    m_pFindButton->setGeometry(find);
    m_pFindButton->raise();
}
