// SPDX-License-Identifier: MIT

#pragma once

#include "zones/timesource.h"

#include <QByteArrayView>

#include <optional>
#include <utility>
#include <vector>

// One zone of the system's compiled time-zone files (TZif version 2 or later, as zic writes
// them), read the way QTimeZone reads them on Linux but without its costs: a plain read of the
// file and the offsets of its transitions, nothing else. A list that must know every zone's
// offsets at a start reads them so; the clocks keep QTimeZone.
//
// The file's transitions are answered for as QTimeZone answers them, standard offsets inferred
// by the same rule. Past the last transition, the zone's rule (the file's footer) is followed
// only when it keeps one offset for good; any question beyond a changing rule cannot be
// answered, and the caller asks QTimeZone.

// The offsets from one instant on: valid is false where there is no such transition.
struct ZoneOffsets
{
    bool valid = false;
    TimeValue at = 0;
    int offset = 0;   // seconds east of UTC in effect
    int standard = 0; // of it, the zone's standard time
};

class ZoneFile
{
public:
    // The zone's file in /usr/share/zoneinfo, where QTimeZone reads it; nothing when there is
    // no such file, it does not read cleanly, its name could climb out of the folder, or $TZDIR
    // is set (which some versions of Qt follow and others not).
    static std::optional<ZoneFile> Read(const char *zoneId);
    // The contents of a file; nothing when they are not a whole, consistent TZif file.
    static std::optional<ZoneFile> Parse(QByteArrayView bytes);
    // Tests read zones from another folder; nullptr restores the system's.
    static void SetFolderForTesting(const char *folder);

    // The offsets in effect at t, valid with at == t.
    ZoneOffsets At(TimeValue t) const;
    // The first transition after t, and the last before t.
    ZoneOffsets After(TimeValue t) const;
    ZoneOffsets Before(TimeValue t) const;

    // A question since the last call reached past what the file tells (a changing rule after its
    // last transition): its answer is not to be used.
    bool TakeBeyond() const { return std::exchange(m_beyond, false); }

private:
    struct Transition
    {
        TimeValue at;
        int offset;
        int standard;
    };

    ZoneOffsets Beyond() const
    {
        m_beyond = true;
        return {};
    }

    std::vector<Transition> m_transitions;
    bool m_fixedTail = false; // the footer keeps the last offsets for good
    int m_fixedOffset = 0;    // the footer's offset, when it is fixed
    mutable bool m_beyond = false;
};
