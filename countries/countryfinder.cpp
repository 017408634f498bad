#include "countries/countryfinder.h"

#include "zones/countrytable.h"
#include "zones/textfold.h"

namespace {

struct FoldedCountry
{
    int first; // lowest entry
    int last;  // highest entry
    QString name;
    std::vector<QString> parts; // by entry, from first to last; empty without parts
};

// The table as runs of one country each, names folded once, so a keystroke only searches.
const std::vector<FoldedCountry> &FoldedTable()
{
    static const std::vector<FoldedCountry> table = [] {
        std::vector<FoldedCountry> list;
        for (int i = 0; i < CountryCount; ++i) {
            const CountryEntry &entry = CountryTable[static_cast<std::size_t>(i)];
            const bool hasParts = *entry.subName != '\0';
            const QString name = CCountryFinder::Fold(QString::fromUtf8(entry.name));
            if (hasParts && !list.empty() && !list.back().parts.empty() &&
                list.back().name == name) {
                list.back().last = i;
            } else {
                list.push_back({i, i, name, {}});
            }
            if (hasParts)
                list.back().parts.push_back(CCountryFinder::Fold(QString::fromUtf8(entry.subName)));
        }
        return list;
    }();
    return table;
}

} // namespace

QString CCountryFinder::Fold(QStringView text)
{
    return FoldForSearch(text);
}

int CCountryFinder::Rank(QStringView text, QStringView pattern)
{
    for (qsizetype at = text.indexOf(pattern); at >= 0; at = text.indexOf(pattern, at + 1)) {
        if (at == 0)
            return text.size() == pattern.size() ? 0 : 1;
        if (text[at - 1] == u' ' || text[at - 1] == u'(')
            return 2;
    }
    return -1;
}

CCountryFinder::Result CCountryFinder::Find(const QString &text)
{
    const QString pattern = Fold(text);
    Result result;
    int bestRank = 3;
    for (const FoldedCountry &country : FoldedTable()) {
        Country found{country.last, {}};
        int rank = Rank(country.name, pattern);
        int partRank = -1;
        int bestPart = -1;
        for (int p = 0; p < static_cast<int>(country.parts.size()); ++p) {
            const int r =
                rank >= 0 ? rank : Rank(country.parts[static_cast<std::size_t>(p)], pattern);
            if (r < 0)
                continue;
            found.parts.push_back(country.first + p);
            if (rank < 0 && (partRank < 0 || r < partRank)) {
                partRank = r;
                bestPart = static_cast<int>(found.parts.size()) - 1;
            }
        }
        if (rank < 0 && found.parts.empty())
            continue;
        if (rank < 0)
            rank = partRank;
        else
            bestPart = -1;
        // Strictly better only: among equals the lowest table index, which comes first.
        if (rank < bestRank) {
            bestRank = rank;
            result.bestCountry = static_cast<int>(result.countries.size());
            result.bestPart = bestPart;
        }
        result.countries.push_back(std::move(found));
    }
    return result;
}
