#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Finds the entries of the country table that match what a person types: case, accents and
// repeated blanks aside, at the start of a word (the start, or after a blank or "(") of a
// country's name or of one of its parts. Widget-free; the folded names are built once.
class CCountryFinder final
{
public:
    // One country of the result: its top-level entry and the parts to list under it.
    struct Country
    {
        int top;                // the entry, or for a country with parts its highest entry
        std::vector<int> parts; // every part when the name matched, else the matching parts
    };
    struct Result
    {
        std::vector<Country> countries; // in table order
        int bestCountry = -1;           // position in countries of the best match, or -1
        int bestPart = -1; // position in its parts when a part is the best match, else -1
    };

    // The search form of a name (zones/textfold.h): "São  Tomé" gives "sao tome".
    static QString Fold(QStringView text);
    // How well folded pattern matches folded text: 0 the whole text, 1 its start, 2 the start
    // of a later word; -1 no match. An empty pattern matches every text at its start.
    static int Rank(QStringView text, QStringView pattern);

    // The countries matching text; an empty text lists every country. The best match has the
    // lowest rank, the lowest table index among equals.
    static Result Find(const QString &text);
};
