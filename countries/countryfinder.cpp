// SPDX-License-Identifier: MIT

#include "countries/countryfinder.h"

#include "zones/places.h"
#include "zones/textfold.h"

#include <algorithm>

namespace {

// What the list shows matches at the start of any word; a name it does not show only from its
// start, so that words the list never shows do not crowd it; a code only whole.
enum class KeyKind
{
    Shown,
    Hidden,
    Code
};

struct FoldedKey
{
    QString text;
    KeyKind kind;
};

// One entry of a country: its index and every folded text that names it.
struct FoldedEntry
{
    int index;
    std::vector<FoldedKey> keys;
};

// A country as a list shows it: a name, and its entries (more than one only with parts).
struct FoldedCountry
{
    QString name;
    bool hasParts;
    std::vector<FoldedEntry> entries;
};

QString FoldUtf8(std::string_view text)
{
    return FoldForSearch(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// The mode's listed places as countries, names folded once, so a keystroke only searches.
std::vector<FoldedCountry> BuildTable(bool useDatabase)
{
    std::vector<FoldedCountry> list;
    for (const int i : ListedPlaces(useDatabase)) {
        const std::string_view name = LocalPlaceName(i, useDatabase);
        const std::string_view part = LocalPlacePart(i, useDatabase);
        const QString folded = FoldUtf8(name);
        if (part.empty() || list.empty() || !list.back().hasParts || list.back().name != folded)
            list.push_back({folded, !part.empty(), {}});
        FoldedEntry entry{i, {}};
        if (!part.empty())
            entry.keys.push_back({FoldUtf8(part), KeyKind::Shown});
        for (const PlaceKey &key : PlaceSearchKeys(i, useDatabase))
            entry.keys.push_back(
                {FoldUtf8(key.text), key.exactOnly ? KeyKind::Code : KeyKind::Hidden});
        list.back().entries.push_back(std::move(entry));
    }
    return list;
}

const std::vector<FoldedCountry> &FoldedTable(bool useDatabase)
{
    static const std::vector<FoldedCountry> table = BuildTable(false);
    static const std::vector<FoldedCountry> database = BuildTable(true);
    return useDatabase ? database : table;
}

using Rank = CCountryFinder::MatchRank;

bool IsInWord(Rank rank)
{
    return rank == CCountryFinder::StartInWord || rank == CCountryFinder::LaterInWord;
}

// Better of two ranks, NoMatch being the worst.
Rank Better(Rank a, Rank b)
{
    if (a == CCountryFinder::NoMatch)
        return b;
    if (b == CCountryFinder::NoMatch)
        return a;
    return std::min(a, b);
}

struct EntryMatch
{
    Rank rank = CCountryFinder::NoMatch;
    bool byName = false; // a whole match came from a name, not from a code alone
};

EntryMatch MatchEntry(const FoldedEntry &entry, const QString &pattern)
{
    EntryMatch m;
    for (const FoldedKey &key : entry.keys) {
        Rank r = CCountryFinder::Rank(key.text, pattern);
        if ((key.kind == KeyKind::Code && r != CCountryFinder::Whole) ||
            (key.kind == KeyKind::Hidden && r >= CCountryFinder::LaterWords))
            r = CCountryFinder::NoMatch;
        m.rank = Better(m.rank, r);
        m.byName = m.byName || (r == CCountryFinder::Whole && key.kind != KeyKind::Code);
    }
    return m;
}

// What one country makes of the pattern before matches inside words are left out.
struct CountryMatch
{
    Rank nameRank;
    std::vector<EntryMatch> entries;
    Rank rank = CCountryFinder::NoMatch;
};

} // namespace

QString CCountryFinder::Fold(QStringView text)
{
    return FoldForSearch(text);
}

CCountryFinder::MatchRank CCountryFinder::Rank(QStringView text, QStringView pattern)
{
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, at + 1)) {
        if (at != 0 && text[at - 1] != u' ')
            continue;
        const qsizetype end = at + pattern.size();
        const bool wordEnds = end == text.size() || text[end] == u' ' || pattern.isEmpty();
        if (at == 0)
            return end == text.size() ? Whole : wordEnds ? StartWords : StartInWord;
        return wordEnds ? LaterWords : LaterInWord;
    }
    return NoMatch;
}

CCountryFinder::Result CCountryFinder::Find(const QString &text, bool useDatabase)
{
    return FindFolded(Fold(text), useDatabase);
}

CCountryFinder::Result CCountryFinder::FindFolded(const QString &pattern, bool useDatabase,
                                                  bool *wholeNameOut)
{
    const std::vector<FoldedCountry> &table = FoldedTable(useDatabase);

    std::vector<CountryMatch> matches;
    matches.reserve(table.size());
    bool wholeName = false;
    for (const FoldedCountry &country : table) {
        CountryMatch m{CCountryFinder::Rank(country.name, pattern), {}};
        m.rank = m.nameRank;
        wholeName = wholeName || m.nameRank == Whole;
        for (const FoldedEntry &entry : country.entries) {
            m.entries.push_back(MatchEntry(entry, pattern));
            m.rank = Better(m.rank, m.entries.back().rank);
            wholeName = wholeName || m.entries.back().byName;
        }
        matches.push_back(std::move(m));
    }

    Result result;
    MatchRank bestRank = NoMatch;
    auto dropped = [&](MatchRank r) {
        return r == NoMatch || (wholeName && IsInWord(r));
    };
    for (std::size_t c = 0; c < table.size(); ++c) {
        const FoldedCountry &country = table[c];
        const CountryMatch &m = matches[c];
        if (dropped(m.rank))
            continue;
        Country found{country.entries.back().index, {}, NoMatch};
        const bool nameMatched = !dropped(m.nameRank);
        // The part to take: a part matching better than the name, else the main part.
        int bestPart = -1;
        MatchRank bestPartRank = nameMatched ? m.nameRank : NoMatch;
        for (std::size_t e = 0; country.hasParts && e < country.entries.size(); ++e) {
            const int index = country.entries[e].index;
            const MatchRank r = m.entries[e].rank;
            if (!nameMatched && dropped(r))
                continue;
            found.parts.push_back(index);
            const int position = static_cast<int>(found.parts.size()) - 1;
            if (dropped(r))
                continue;
            const bool main = MainPart(index, useDatabase) == index;
            if (bestPartRank == NoMatch || r < bestPartRank || (r == bestPartRank && main)) {
                bestPartRank = r;
                bestPart = position;
            }
        }
        MatchRank rank = nameMatched ? m.nameRank : NoMatch;
        for (const EntryMatch &entry : m.entries)
            if (!dropped(entry.rank))
                rank = Better(rank, entry.rank);
        if (country.hasParts && (bestPart < 0 || (nameMatched && bestPartRank >= m.nameRank))) {
            const int main = MainPart(found.top, useDatabase);
            const auto it = std::find(found.parts.begin(), found.parts.end(), main);
            bestPart = it != found.parts.end() ? static_cast<int>(it - found.parts.begin()) : 0;
        }
        if (!country.hasParts)
            found.parts.clear();
        found.rank = rank;
        // Strictly better only: among equals the first in list order.
        if (bestRank == NoMatch || rank < bestRank) {
            bestRank = rank;
            result.bestCountry = static_cast<int>(result.countries.size());
            result.bestPart = country.hasParts ? bestPart : -1;
        }
        result.countries.push_back(std::move(found));
    }
    if (wholeNameOut)
        *wholeNameOut = wholeName;
    return result;
}
