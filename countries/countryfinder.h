// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Finds the places a person means by what they type: case, accents, punctuation and repeated
// blanks aside, at the start of a word (the start, or after a blank) of a country's name, of one
// of its parts, of a name it had or people use for it (Burma, Holland, Czech Republic), or its
// ISO code typed whole (DE). Lists the places of one mode: the built-in table's, or those of the
// time-zone database (zones/places.h). Widget-free; the folded names are built once per mode.
class CCountryFinder final
{
public:
    // How well a folded pattern matches a folded text, best first.
    enum MatchRank
    {
        NoMatch = -1,
        Whole = 0,       // the whole text
        StartWords = 1,  // its start, ending where a word ends ("new" in "new zealand")
        StartInWord = 2, // its start, ending inside a word ("indi" in "india")
        LaterWords = 3,  // the start of a later word, ending where a word ends
        LaterInWord = 4, // the start of a later word, ending inside a word
    };

    // One country of the result: its top-level entry and the parts to list under it.
    struct Country
    {
        int top;                  // the entry, or for a country with parts its highest entry
        std::vector<int> parts;   // every part when the name matched, else the matching parts
        MatchRank rank = NoMatch; // its best match: the name, a part or a key
    };
    struct Result
    {
        std::vector<Country> countries; // in the mode's list order
        int bestCountry = -1;           // position in countries of the best match, or -1
        // Position in its parts of the part to take, or -1 for a country without parts. When
        // the country itself matched best, the part where most of its people live.
        int bestPart = -1;
    };

    // The search form of a name (zones/textfold.h): "São  Tomé" gives "sao tome".
    static QString Fold(QStringView text);
    // How well folded pattern matches folded text. An empty pattern matches every text at its
    // start.
    static MatchRank Rank(QStringView text, QStringView pattern);

    // The countries matching text; an empty text lists every country. The best match has the
    // lowest rank, the first in list order among equals. When the text is the whole of a name
    // or of a name people use, matches that end inside a longer word are left out ("india"
    // lists India, not Indiana); an ISO code alone does not do that, as people pass through
    // two letters while typing any name.
    static Result Find(const QString &text, bool useDatabase);
    // The same for a pattern already folded; wholeName tells whether the text is the whole of
    // a name or of a name people use, so other searches can leave out matches inside words too.
    static Result FindFolded(const QString &pattern, bool useDatabase, bool *wholeName = nullptr);
};
