// SPDX-License-Identifier: MIT

#include "app/windowstate.h"
#include "zones/citytable.h"

// The window's pinned places: pinning the selection or a choice, selecting a pin, its edits,
// and the rows worked out at the clocks' tick.

void WindowState::SetPinnedPlaces(const std::vector<PinnedPlace> &pins)
{
    m_pins.Assign(pins);
    m_pinWhere = ResolvePins(m_pins.Items());
    UpdatePinRows(CurrentTime());
}

void WindowState::PinsEdited()
{
    m_pinWhere = ResolvePins(m_pins.Items());
    UpdatePinRows(CurrentTime());
    emit pinsChanged();
}

void WindowState::UpdatePinRows(TimeValue now)
{
    const ClockOffsetInputs in = OffsetInputs();
    const SunPoint sun = SunPositionAt(now);
    const std::vector<PinnedPlace> &pins = m_pins.Items();
    m_pinRows.resize(pins.size());
    for (std::size_t i = 0; i < pins.size(); ++i)
        m_pinRows[i] = MakePinnedRow(pins[i], m_pinWhere[i], in, now, sun, m_bPins24Hour);
    emit pinRowsChanged();
}

bool WindowState::CanPinSelection() const
{
    return Knows(m_nSelectedIndex) && !m_pins.IsFull();
}

int WindowState::Pin(const PlaceChoice &choice)
{
    PinnedPlace pin{choice.place, -1, {}, {}};
    // The built-in table follows the place alone.
    if (m_bUseDatabase && choice.city >= 0)
        pin.cityId = Cities::GeonameId(choice.city);
    else if (m_bUseDatabase)
        pin.zone = choice.zone;
    const int before = m_pins.Count();
    const int row = m_pins.Pin(pin);
    if (row >= 0 && m_pins.Count() != before)
        PinsEdited();
    return row;
}

int WindowState::PinSelection()
{
    if (!Knows(m_nSelectedIndex))
        return -1;
    return Pin(PlaceChoice(m_nSelectedIndex, m_nSelectedCity,
                           m_nSelectedCity >= 0 ? QByteArray() : m_selectedZone));
}

void WindowState::ChoosePin(int row)
{
    if (row < 0 || row >= m_pins.Count())
        return;
    const PinnedPlace &pin = m_pins.Items()[static_cast<std::size_t>(row)];
    const int city = pin.cityId > 0 ? Cities::ByGeonameId(pin.cityId) : -1;
    ChooseFound(PlaceChoice(pin.place, city, city >= 0 ? Cities::ZoneId(city) : pin.zone));
}

void WindowState::RenamePin(int row, const QString &label)
{
    const bool asName = row >= 0 && row < static_cast<int>(m_pinRows.size()) &&
                        label.trimmed() == m_pinRows[static_cast<std::size_t>(row)].placeName;
    const std::vector<PinnedPlace> before = m_pins.Items();
    if (m_pins.Rename(row, asName ? QString() : label) && m_pins.Items() != before)
        PinsEdited();
}

void WindowState::UnpinPin(int row)
{
    if (m_pins.Unpin(row))
        PinsEdited();
}

void WindowState::MovePin(int from, int to)
{
    if (m_pins.Move(from, to))
        PinsEdited();
}
