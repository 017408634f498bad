// SPDX-License-Identifier: MIT

#include "zones/pinnedplaces.h"

#include "zones/countrytable.h"

#include <algorithm>

QString PinnedPlaces::CleanLabel(const QString &label)
{
    QString text = label;
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    text = text.trimmed();
    if (text.size() > MaxLabelLength) {
        qsizetype end = MaxLabelLength;
        if (text[end - 1].isHighSurrogate())
            --end;
        text = text.left(end).trimmed();
    }
    return text;
}

bool PinnedPlaces::IsZoneName(const QByteArray &zone)
{
    return zone.size() <= MaxZoneLength && std::all_of(zone.cbegin(), zone.cend(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '/' || c == '_' || c == '-' || c == '+';
           });
}

int PinnedPlaces::IndexOf(const PinnedPlace &where) const
{
    const auto it = std::find_if(m_items.cbegin(), m_items.cend(),
                                 [&](const PinnedPlace &p) { return p.SameWhere(where); });
    return it == m_items.cend() ? -1 : static_cast<int>(it - m_items.cbegin());
}

int PinnedPlaces::Pin(PinnedPlace pin)
{
    if (!IsValidPlaceIndex(pin.place) || !IsZoneName(pin.zone))
        return -1;
    if (pin.cityId <= 0)
        pin.cityId = -1;
    const int at = IndexOf(pin);
    if (at >= 0 || IsFull())
        return at;
    pin.label = CleanLabel(pin.label);
    m_items.push_back(std::move(pin));
    return Count() - 1;
}

bool PinnedPlaces::Unpin(int index)
{
    if (!IsIndex(index))
        return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

bool PinnedPlaces::Rename(int index, const QString &label)
{
    if (!IsIndex(index))
        return false;
    m_items[static_cast<std::size_t>(index)].label = CleanLabel(label);
    return true;
}

bool PinnedPlaces::Move(int from, int to)
{
    if (!IsIndex(from) || !IsIndex(to))
        return false;
    const auto first = m_items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    return true;
}

void PinnedPlaces::Assign(const std::vector<PinnedPlace> &pins)
{
    m_items.clear();
    for (const PinnedPlace &pin : pins)
        Pin(pin);
}
