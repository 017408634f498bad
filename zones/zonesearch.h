// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

// Finds zones of the computer's time-zone database as people name them: by the zone's name
// ("America/Chicago", "chicago", "new york") or by a common abbreviation ("EST", "CET", "UTC").
// An abbreviation that several places use ("IST", "CST") gives every zone it names. Widget-free;
// the zone list is read on the first search.

struct ZoneMatch
{
    QByteArray zoneId;    // "America/Chicago", "UTC"
    QString abbreviation; // the abbreviation that matched, upper case; empty for a name match
    int rank = 0;         // 0 the whole name or abbreviation, 1 a name's start, 2 a later word's
};

// The zone's name as a person reads it: "America/Argentina/Buenos_Aires" gives
// "Buenos Aires (America/Argentina)"; "UTC" stays "UTC".
QString ZoneDisplayName(const QByteArray &zoneId);

// The zones matching a FOLDED pattern (zones/textfold.h), each once with its best rank: the
// abbreviations' zones first when the pattern is a whole abbreviation, then by rank and name.
// Empty for an empty pattern; at most limit.
std::vector<ZoneMatch> FindZones(QStringView foldedPattern, int limit);
