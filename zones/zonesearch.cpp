// SPDX-License-Identifier: MIT

#include "zones/zonesearch.h"

#include "zones/textfold.h"

#include <QTimeZone>

#include <algorithm>
#include <array>

namespace {

struct Abbreviation
{
    const char *name;
    std::array<const char *, 4> zones; // where people most often mean it first
};

// The abbreviations people type for the zones they mean, summer forms included. Where one is
// used in several places, every reading is listed, the most common first.
// clang-format off
constexpr Abbreviation Abbreviations[] = {
    {"UTC", {"UTC"}},
    {"GMT", {"UTC", "Europe/London"}},
    {"WET", {"Europe/Lisbon", "Atlantic/Canary"}},
    {"WEST", {"Europe/Lisbon", "Atlantic/Canary"}},
    {"BST", {"Europe/London", "Asia/Dhaka"}},
    {"IST", {"Asia/Kolkata", "Europe/Dublin", "Asia/Jerusalem"}},
    {"CET", {"Europe/Paris", "Europe/Berlin", "Africa/Algiers"}},
    {"CEST", {"Europe/Paris", "Europe/Berlin"}},
    {"MET", {"Europe/Paris"}},
    {"EET", {"Europe/Athens", "Europe/Kyiv", "Africa/Cairo"}},
    {"EEST", {"Europe/Athens", "Europe/Kyiv"}},
    {"MSK", {"Europe/Moscow"}},
    {"TRT", {"Europe/Istanbul"}},
    {"GST", {"Asia/Dubai", "Atlantic/South_Georgia"}},
    {"PKT", {"Asia/Karachi"}},
    {"NPT", {"Asia/Kathmandu"}},
    {"ICT", {"Asia/Bangkok", "Asia/Ho_Chi_Minh"}},
    {"WIB", {"Asia/Jakarta"}},
    {"SGT", {"Asia/Singapore"}},
    {"HKT", {"Asia/Hong_Kong"}},
    {"PHT", {"Asia/Manila"}},
    {"PST", {"America/Los_Angeles", "Asia/Manila"}},
    {"PDT", {"America/Los_Angeles"}},
    {"CST", {"America/Chicago", "Asia/Shanghai", "America/Havana"}},
    {"CDT", {"America/Chicago", "America/Havana"}},
    {"JST", {"Asia/Tokyo"}},
    {"KST", {"Asia/Seoul"}},
    {"AWST", {"Australia/Perth"}},
    {"ACST", {"Australia/Adelaide", "Australia/Darwin"}},
    {"ACDT", {"Australia/Adelaide"}},
    {"AEST", {"Australia/Sydney", "Australia/Brisbane"}},
    {"AEDT", {"Australia/Sydney"}},
    {"NZST", {"Pacific/Auckland"}},
    {"NZDT", {"Pacific/Auckland"}},
    {"HST", {"Pacific/Honolulu"}},
    {"AKST", {"America/Anchorage"}},
    {"AKDT", {"America/Anchorage"}},
    {"MST", {"America/Denver", "America/Phoenix"}},
    {"MDT", {"America/Denver"}},
    {"EST", {"America/New_York", "America/Cancun", "America/Panama"}},
    {"EDT", {"America/New_York"}},
    {"AST", {"America/Halifax", "Asia/Riyadh", "America/Puerto_Rico"}},
    {"ADT", {"America/Halifax"}},
    {"NST", {"America/St_Johns"}},
    {"NDT", {"America/St_Johns"}},
    {"BRT", {"America/Sao_Paulo"}},
    {"ART", {"America/Argentina/Buenos_Aires"}},
    {"CLT", {"America/Santiago"}},
    {"SAST", {"Africa/Johannesburg"}},
    {"CAT", {"Africa/Maputo", "Africa/Harare"}},
    {"EAT", {"Africa/Nairobi"}},
    {"WAT", {"Africa/Lagos"}},
};
// clang-format on

struct FoldedZone
{
    QByteArray id;
    QString folded; // "america new york"
    QString place;  // "new york"
};

// The database's zones, names folded once. Only zones under a continent or ocean and UTC:
// the Etc and old compatibility names name no place a person means.
const std::vector<FoldedZone> &FoldedZones()
{
    static const std::vector<FoldedZone> zones = [] {
        std::vector<FoldedZone> list;
        for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
            if (id != "UTC" && (!id.contains('/') || id.startsWith("Etc/")))
                continue;
            const QString name = QString::fromLatin1(id);
            list.push_back({id, FoldForSearch(name),
                            FoldForSearch(QStringView(name).sliced(name.lastIndexOf(u'/') + 1))});
        }
        return list;
    }();
    return zones;
}

// 0 the whole text, 1 its start, 2 a later word's start; -1 no match.
int Rank(QStringView text, QStringView pattern)
{
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, at + 1)) {
        if (at == 0)
            return text.size() == pattern.size() ? 0 : 1;
        if (text[at - 1] == u' ')
            return 2;
    }
    return -1;
}

} // namespace

QString ZoneDisplayName(const QByteArray &zoneId)
{
    const qsizetype slash = zoneId.lastIndexOf('/');
    if (slash < 0)
        return QString::fromLatin1(zoneId);
    QString place = QString::fromLatin1(zoneId.mid(slash + 1));
    place.replace(u'_', u' ');
    return place + QStringLiteral(" (") + QString::fromLatin1(zoneId.left(slash)) + u')';
}

std::vector<ZoneMatch> FindZones(QStringView foldedPattern, int limit)
{
    std::vector<ZoneMatch> found;
    if (foldedPattern.isEmpty() || limit <= 0)
        return found;
    const auto add = [&found](const QByteArray &id, const QString &abbreviation, int rank) {
        const auto same = std::find_if(found.begin(), found.end(),
                                       [&id](const ZoneMatch &m) { return m.zoneId == id; });
        if (same == found.end())
            found.push_back({id, abbreviation, rank});
        else if (rank < same->rank)
            *same = {id, abbreviation, rank};
    };
    // An abbreviation is a code: only the whole of it names its zones.
    for (const Abbreviation &abbreviation : Abbreviations) {
        const QString name = QString::fromLatin1(abbreviation.name);
        if (FoldForSearch(name) != foldedPattern)
            continue;
        for (const char *zone : abbreviation.zones) {
            if (zone != nullptr && QTimeZone::isTimeZoneIdAvailable(zone))
                add(QByteArray(zone), name, 0);
        }
    }
    const std::size_t abbreviated = found.size();
    for (const FoldedZone &zone : FoldedZones()) {
        // The place's own part alone, "new york" for America/New_York, is its whole name.
        const int rank = zone.place == foldedPattern ? 0 : Rank(zone.folded, foldedPattern);
        if (rank >= 0)
            add(zone.id, QString(), rank);
    }
    std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(abbreviated), found.end(),
                     [](const ZoneMatch &a, const ZoneMatch &b) {
                         return a.rank != b.rank ? a.rank < b.rank : a.zoneId < b.zoneId;
                     });
    if (found.size() > static_cast<std::size_t>(limit))
        found.resize(static_cast<std::size_t>(limit));
    return found;
}
