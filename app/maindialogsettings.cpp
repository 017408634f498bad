// SPDX-License-Identifier: MIT

#include "app/maindialog.h"
#include "clock/clockctrl.h"
#include "map/mapwnd.h"
#include "res/resources.h"
#include "settings/settingsstore.h"
#include "zones/timeformat.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstdio>

// Leaving and the stored values: the window hands the store its state's values and those of
// the clocks and the map.

static_assert(CLR_DEFAULT == UnchosenColour);

namespace {

bool AskYesNo(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("exitQuestion"));
    box.setAccessibleName(CMainDialog::tr("Exit question"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString CMainDialog::ExitQuestionText()
{
    return tr("Are you sure you want to exit Orbiclock ?");
}

bool CMainDialog::ConfirmExit()
{
    const bool saved = SaveSettings(false);
    const QString question =
        saved ? ExitQuestionText() : SaveFailedText() + QStringLiteral("\n\n") + ExitQuestionText();
    if (!(m_askExit ? m_askExit(this, question) : AskYesNo(this, question)))
        return false;
    done(QDialog::Accepted);
    return true;
}

void CMainDialog::EndNow()
{
    if (!SaveSettings(false))
        std::fprintf(stderr, "orbiclock: %s\n", qPrintable(SaveFailedText()));
    done(QDialog::Accepted);
}

bool CMainDialog::SaveSettings(bool tell)
{
    const bool saved = ::SaveSettings(*this);
    WindowState::SaveEntryStates();
    if (saved || m_bToldSaveFailed)
        return saved;
    m_bToldSaveFailed = true;
    if (tell) {
        auto *box = new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                                    SaveFailedText(), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("saveFailedMessage"));
        box->setAccessibleName(tr("Settings not saved"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open(); // nothing waits for it
    }
    return false;
}

QString CMainDialog::SaveFailedText()
{
    return tr("Orbiclock could not save its settings in %1 (the file or its folder cannot be "
              "written or read, or the file is too large): changes since the last save will be "
              "lost at exit.")
        .arg(QDir::toNativeSeparators(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Brambleway/Orbiclock.conf")));
}

CClockCtrl *CMainDialog::ClockFor(SettingsClock clock) const
{
    switch (clock) {
    case SettingsClock::HomeTime:
        return m_clockHomeTime;
    case SettingsClock::HomeDate:
        return m_clockHomeDate;
    case SettingsClock::SelectedTime:
        return m_clockSelectedTime;
    case SettingsClock::SelectedDate:
        return m_clockSelectedDate;
    }
    return nullptr;
}

std::uint32_t CMainDialog::GetClockColour(SettingsClock clock) const
{
    if (CClockCtrl *c = ClockFor(clock))
        return c->GetTextColour();
    return (clock == SettingsClock::SelectedTime || clock == SettingsClock::SelectedDate)
               ? SelectedClockColour
               : CLR_DEFAULT;
}

void CMainDialog::SetClockColour(SettingsClock clock, std::uint32_t colour)
{
    if (CClockCtrl *c = ClockFor(clock))
        c->SetTextColour(colour);
}

int CMainDialog::GetClockShowSeconds(SettingsClock clock) const
{
    if (CClockCtrl *c = ClockFor(clock))
        return c->GetShowSeconds() ? 1 : 0;
    return 1;
}

void CMainDialog::SetClockShowSeconds(SettingsClock clock, int show)
{
    if (CClockCtrl *c = ClockFor(clock))
        c->SetShowSeconds(show != 0);
}

int CMainDialog::GetMapLandColour() const
{
    return m_map ? m_map->GetLandColour() : 2;
}

int CMainDialog::GetMapSeaColour() const
{
    return m_map ? m_map->GetSeaColour() : 1;
}

void CMainDialog::SetMapColours(int landPair, int seaPair)
{
    if (m_map)
        m_map->SetColours(landPair, seaPair);
}

int CMainDialog::GetMapAcceleration() const
{
    return m_map ? m_map->GetAcceleration() : 75;
}

void CMainDialog::SetMapAcceleration(int acceleration)
{
    if (m_map)
        m_map->SetAcceleration(acceleration);
}

int CMainDialog::GetClock24Hour() const
{
    return Uses24HourClock() ? 1 : 0;
}

void CMainDialog::SetClock24Hour(int h24)
{
    // One choice for every time the program shows: the clocks, the tray tip's change, Find's
    // and Convert a Time's.
    SetUses24HourClock(h24 != 0);
    for (CClockCtrl *clock : {m_clockHomeTime, m_clockSelectedTime})
        if (clock)
            clock->Set24Hour(h24 != 0);
    if (m_state)
        m_state->SetPinTimes24Hour(h24 != 0);
}

int CMainDialog::GetMapShowNight() const
{
    return m_map && m_map->GetShowNight() ? 1 : 0;
}

void CMainDialog::SetMapShowNight(int show)
{
    if (m_map)
        m_map->SetShowNight(show != 0);
}

GeneralSettings CMainDialog::GetGeneralSettings() const
{
    return m_state->GetGeneralSettings();
}

void CMainDialog::SetGeneralSettings(const GeneralSettings &values)
{
    m_state->SetGeneralSettings(values);
}
