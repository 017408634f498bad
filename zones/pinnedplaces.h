// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A place a person keeps in view beside the selection: a place of the tree, optionally the city
// or the zone of the database its clock follows there, and a label of the person's own.
struct PinnedPlace
{
    int place = -1;    // the tree's place (zones/places.h)
    int cityId = -1;   // a city's GeoNames id (zones/citytable.h), or -1
    QByteArray zone{}; // a zone chosen by name ("America/Chicago"), or empty
    QString label{};   // shown in place of the name; empty for none

    // The same place, whatever its label.
    bool SameWhere(const PinnedPlace &other) const
    {
        return place == other.place && cityId == other.cityId && zone == other.zone;
    }
    friend bool operator==(const PinnedPlace &, const PinnedPlace &) = default;
};

// The ordered list of pinned places. Labels are free text, kept to one line and a bounded
// length; the list holds each place once and at most MaxCount of them. Widget-free.
class PinnedPlaces final
{
public:
    static constexpr int MaxCount = 16;
    static constexpr int MaxLabelLength = 40; // UTF-16 units, never splitting a character
    static constexpr int MaxZoneLength = 64;

    // The label as kept: line breaks, tabs and other control characters become blanks, blanks at
    // either end go, and the rest is cut to MaxLabelLength.
    static QString CleanLabel(const QString &label);
    // A zone name as the database spells them: letters, digits, '/', '_', '-', '+'.
    static bool IsZoneName(const QByteArray &zone);

    const std::vector<PinnedPlace> &Items() const { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsFull() const { return Count() >= MaxCount; }
    // The position of the place, whatever its label; -1 when it is not pinned.
    int IndexOf(const PinnedPlace &where) const;

    // Pins the place at the end (its label cleaned) and returns its position; a place pinned
    // already keeps its position and label. -1 when the list is full or the place is none.
    int Pin(PinnedPlace pin);
    bool Unpin(int index);
    bool Rename(int index, const QString &label);
    // Moves the pin at from to position to, the others closing up.
    bool Move(int from, int to);
    // Takes a whole list (read from the settings): invalid and repeated places and those beyond
    // MaxCount are left out, labels and zones cleaned.
    void Assign(const std::vector<PinnedPlace> &pins);

    friend bool operator==(const PinnedPlaces &, const PinnedPlaces &) = default;

private:
    bool IsIndex(int index) const { return index >= 0 && index < Count(); }
    std::vector<PinnedPlace> m_items;
};
