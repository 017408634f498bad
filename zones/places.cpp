// SPDX-License-Identifier: MIT

#include "zones/places.h"

#include "zones/packedstrings.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <libintl.h>
#include <string>

namespace {

struct CodeName
{
    std::string_view code;
    std::string_view name;
};

#include "zones/isonames.inc"

constexpr auto CodeAndName = [](const CodeName &row) {
    return std::array{row.code, row.name};
};
constexpr auto IsoCountries =
    PackedStrings<IsoCountryNames.size(), 2, PackedBytes(IsoCountryNames, CodeAndName)>::Pack(
        IsoCountryNames, CodeAndName);
constexpr auto IsoSubdivisions =
    PackedStrings<IsoSubdivisionNames.size(), 2,
                  PackedBytes(IsoSubdivisionNames, CodeAndName)>::Pack(IsoSubdivisionNames,
                                                                       CodeAndName);

// A place's ties: ISO 3166-1 code, ISO 3166-2 subdivision or empty, today's name, today's part,
// and for a duplicate hidden in database mode the index it is listed as.
constexpr const char *Iso = nullptr;   // today's name is the country's (CountryNameForCode)
constexpr const char *Table = nullptr; // today's part is the table's part name
constexpr const char *Whole = "";      // listed whole today, no longer a part of a group

struct PlaceRow
{
    const char *iso;
    const char *subdivision;
    const char *name;
    const char *part;
    int listedAs = -1;
};

// clang-format off
constexpr std::array<PlaceRow, PlaceCount> PlaceRows = {{
    {"PG", "", "Admiralty Islands", Table}, // 0
    {"AF", "", Iso, Table}, // 1
    {"AL", "", Iso, Table}, // 2
    {"DZ", "", Iso, Table}, // 3
    {"SC", "", "Amirante Islands", Table}, // 4
    {"TF", "", "Amsterdam Island", Table}, // 5
    {"IN", "IN-AN", "Andaman Islands", Table}, // 6
    {"AD", "", Iso, Table}, // 7
    {"AO", "", Iso, Table}, // 8
    {"AR", "", Iso, Table}, // 9
    {"AM", "", Iso, Table}, // 10
    {"AW", "", Iso, Table}, // 11
    {"SH", "SH-AC", "Ascension Island", Table}, // 12
    {"PF", "", "Austral Islands", Table}, // 13
    {"AU", "AU-WA", Iso, Table}, // 14
    {"AU", "AU-NT", Iso, Table}, // 15
    {"AU", "AU-SA", Iso, Table}, // 16
    {"AU", "AU-NSW", Iso, Table}, // 17
    {"AU", "AU-VIC", Iso, Table}, // 18
    {"AU", "AU-ACT", Iso, "Australian Capital Territory"}, // 19
    {"AU", "AU-QLD", Iso, Table}, // 20
    {"AU", "AU-TAS", Iso, Table}, // 21
    {"AT", "", Iso, Table}, // 22
    {"AZ", "", Iso, Table}, // 23
    {"PT", "PT-20", "Azores", Table}, // 24
    {"BS", "", Iso, Table}, // 25
    {"BH", "", Iso, Table}, // 26
    {"ES", "ES-IB", "Balearic Islands", Table}, // 27
    {"BD", "", Iso, Table}, // 28
    {"BB", "", Iso, Table}, // 29
    {"BY", "", Iso, Table}, // 30
    {"BE", "", Iso, Table}, // 31
    {"BZ", "", Iso, Table}, // 32
    {"BJ", "", Iso, Table}, // 33
    {"BM", "", Iso, Table}, // 34
    {"BT", "", Iso, Table}, // 35
    {"BO", "", Iso, Table}, // 36
    {"BW", "", Iso, Table}, // 37
    {"BA", "", Iso, Table}, // 38
    {"BR", "BR-AC", Iso, Table}, // 39
    {"BR", "", Iso, Table}, // 40
    {"BR", "", Iso, Table}, // 41
    {"BR", "", Iso, Table}, // 42
    {"BR", "", Iso, Table}, // 43
    {"BN", "", Iso, Table}, // 44
    {"BG", "", Iso, Table}, // 45
    {"BF", "", Iso, Table}, // 46
    {"BI", "", Iso, Table}, // 47
    {"KH", "", Iso, Table}, // 48
    {"CM", "", Iso, Table}, // 49
    {"CA", "CA-BC", Iso, Table}, // 50
    {"CA", "CA-NT", Iso, Table}, // 51
    {"CA", "CA-YT", Iso, Table}, // 52
    {"CA", "CA-AB", Iso, Table}, // 53
    {"CA", "CA-BC", Iso, Table}, // 54
    {"CA", "CA-NT", Iso, Table}, // 55
    {"CA", "CA-MB", Iso, Table}, // 56
    {"CA", "CA-NU", Iso, Table}, // 57
    {"CA", "CA-SK", Iso, Table}, // 58
    {"CA", "CA-NU", Iso, Table}, // 59
    {"CA", "CA-NU", Iso, Table}, // 60
    {"CA", "CA-ON", Iso, Table}, // 61
    {"CA", "CA-ON", Iso, Table}, // 62
    {"CA", "CA-QC", Iso, Table}, // 63
    {"CA", "CA-NL", Iso, Table}, // 64
    {"CA", "CA-NB", Iso, Table}, // 65
    {"CA", "CA-NU", Iso, Table}, // 66
    {"CA", "CA-QC", Iso, Table}, // 67
    {"CA", "CA-NS", Iso, Table}, // 68
    {"CA", "CA-PE", Iso, Table}, // 69
    {"CA", "CA-NL", Iso, Table}, // 70
    {"ES", "ES-CN", "Canary Islands", Table}, // 71
    {"CV", "", Iso, Table}, // 72
    {"PW", "", Iso, Table, 229}, // 73
    {"FM", "FM-TRK", Iso, "Yap and Chuuk"}, // 74
    {"FM", "FM-PNI", Iso, "Pohnpei and Kosrae"}, // 75
    {"KY", "", Iso, Table}, // 76
    {"CF", "", Iso, Table}, // 77
    {"TD", "", Iso, Table}, // 78
    {"NZ", "NZ-CIT", "Chatham Islands", Table}, // 79
    {"CL", "", Iso, Table}, // 80
    {"CN", "", Iso, Table}, // 81
    {"IO", "", "Chagos Archipelago", Table}, // 82
    {"IO", "", "Chagos Archipelago", Table}, // 83
    {"CC", "", Iso, Table}, // 84
    {"FR", "FR-CP", "Clipperton Island", Table}, // 85
    {"CO", "", Iso, Table}, // 86
    {"EC", "EC-W", "Galápagos Islands", Table}, // 87
    {"KM", "", Iso, Table}, // 88
    {"CG", "", Iso, Table}, // 89
    {"CK", "", Iso, Table}, // 90
    {"FR", "FR-20R", "Corsica", Table}, // 91
    {"CR", "", Iso, Table}, // 92
    {"CI", "", Iso, Table}, // 93
    {"HR", "", Iso, Table}, // 94
    {"TF", "", "Crozet Islands", Table}, // 95
    {"CU", "", Iso, Table}, // 96
    {"CY", "", Iso, Table}, // 97
    {"CZ", "", Iso, Table}, // 98
    {"DK", "", Iso, Table}, // 99
    {"DJ", "", Iso, Table}, // 100
    {"DO", "", Iso, Table}, // 101
    {"CL", "CL-VS", "Easter Island", Table}, // 102
    {"EG", "", Iso, Table}, // 103
    {"SV", "", Iso, Table}, // 104
    {"EC", "", Iso, Table}, // 105
    {"GQ", "", Iso, Table}, // 106
    {"EE", "", Iso, Table}, // 107
    {"ER", "", Iso, Table}, // 108
    {"ET", "", Iso, Table}, // 109
    {"FK", "", Iso, Table}, // 110
    {"FO", "", Iso, Table}, // 111
    {"BR", "BR-PE", "Fernando de Noronha", Table}, // 112
    {"FJ", "", Iso, Table}, // 113
    {"FI", "", Iso, Table}, // 114
    {"FR", "", Iso, Table}, // 115
    {"GF", "", Iso, Table}, // 116
    {"GA", "", Iso, Table}, // 117
    {"GM", "", Iso, Table}, // 118
    {"PF", "", "Gambier Islands", Table}, // 119
    {"GE", "", Iso, Table}, // 120
    {"DE", "", Iso, Table}, // 121
    {"GH", "", Iso, Table}, // 122
    {"GI", "", Iso, Table}, // 123
    {"SH", "SH-TA", "Gough Island", Table}, // 124
    {"GR", "", Iso, Table}, // 125
    {"GR", "GR-M", Iso, Table}, // 126
    {"GL", "", Iso, Table}, // 127
    {"GL", "", Iso, Table}, // 128
    {"GL", "", Iso, Table}, // 129
    {"GL", "", Iso, Table}, // 130
    {"GU", "", Iso, Table}, // 131
    {"GT", "", Iso, Table}, // 132
    {"GN", "", Iso, Table}, // 133
    {"GW", "", Iso, Table}, // 134
    {"GY", "", Iso, Table}, // 135
    {"HT", "", Iso, Table}, // 136
    {"US", "US-HI", "Hawaii", Table}, // 137
    {"HN", "", Iso, Table}, // 138
    {"HK", "", Iso, Table}, // 139
    {"WF", "", "Horne Islands", Table}, // 140
    {"HU", "", Iso, Table}, // 141
    {"IS", "", Iso, Table}, // 142
    {"IN", "", Iso, Table}, // 143
    {"ID", "", Iso, Table}, // 144
    {"ID", "", Iso, Table}, // 145
    {"ID", "", Iso, Table}, // 146
    {"IR", "", Iso, Table}, // 147
    {"IQ", "", Iso, Table}, // 148
    {"IE", "", Iso, Table}, // 149
    {"IL", "", Iso, Table}, // 150
    {"IT", "", Iso, Table}, // 151
    {"JM", "", Iso, Table}, // 152
    {"SJ", "", "Jan Mayen", Table}, // 153
    {"JP", "", Iso, Table}, // 154
    {"UM", "UM-67", "Johnston Atoll", Table}, // 155
    {"JO", "", Iso, Table}, // 156
    {"CL", "CL-VS", "Juan Fernández Islands", Table}, // 157
    {"KZ", "", Iso, Table}, // 158
    {"KE", "", Iso, Table}, // 159
    {"TF", "", "Kerguelen Islands", Table}, // 160
    {"NZ", "", "Kermadec Islands", Table}, // 161
    {"KI", "", Iso, Table}, // 162
    {"KI", "", Iso, Table}, // 163
    {"KP", "", Iso, Table}, // 164
    {"KR", "", Iso, Table}, // 165
    {"KW", "", Iso, Table}, // 166
    {"KG", "", Iso, Table}, // 167
    {"IN", "IN-LD", "Lakshadweep", Table}, // 168
    {"LA", "", Iso, Table}, // 169
    {"LV", "", Iso, Table}, // 170
    {"LB", "", Iso, Table}, // 171
    {"AI", "", Iso, Whole}, // 172
    {"AG", "", Iso, Whole}, // 173
    {"DM", "", Iso, Whole}, // 174
    {"GP", "", Iso, Whole}, // 175
    {"MS", "", Iso, Whole}, // 176
    {"KN", "", Iso, Whole}, // 177
    {"LS", "", Iso, Table}, // 178
    {"LR", "", Iso, Table}, // 179
    {"LY", "", Iso, Table}, // 180
    {"LI", "", Iso, Table}, // 181
    {"KI", "", "Line Islands", Table}, // 182
    {"UM", "", "Line Islands", Table}, // 183
    {"LT", "", Iso, Table}, // 184
    {"AU", "AU-NSW", "Lord Howe Island", Table}, // 185
    {"NC", "", "Loyalty Islands", Table}, // 186
    {"LU", "", Iso, Table}, // 187
    {"MO", "", Iso, Table}, // 188
    {"MG", "", Iso, Table}, // 189
    {"PT", "PT-30", "Madeira", Table}, // 190
    {"MW", "", Iso, Table}, // 191
    {"MY", "", Iso, Table}, // 192
    {"MV", "", Iso, Table}, // 193
    {"ML", "", Iso, Table}, // 194
    {"MT", "", Iso, Table}, // 195
    {"MP", "", Iso, Table}, // 196
    {"PF", "", "Marquesas Islands", Table}, // 197
    {"MH", "", Iso, Table}, // 198
    {"MH", "", Iso, Table}, // 199
    {"MR", "", Iso, Table}, // 200
    {"MU", "", Iso, Table}, // 201
    {"MX", "MX-BCN", Iso, Table}, // 202
    {"MX", "MX-SON", Iso, Table}, // 203
    {"MX", "", Iso, Table}, // 204
    {"UM", "UM-71", "Midway Atoll", Table}, // 205
    {"MD", "", Iso, Table}, // 206
    {"MC", "", Iso, Table}, // 207
    {"MN", "", Iso, Table}, // 208
    {"MA", "", Iso, Table}, // 209
    {"MZ", "", Iso, Table}, // 210
    {"MM", "", Iso, Table}, // 211
    {"NA", "", Iso, Table}, // 212
    {"NR", "", Iso, Table}, // 213
    {"NP", "", Iso, Table}, // 214
    {"NL", "", Iso, Table}, // 215
    {"CW", "", Iso, Table}, // 216
    {"NC", "", Iso, Table}, // 217
    {"VU", "", Iso, Table, 332}, // 218
    {"NZ", "", Iso, Table}, // 219
    {"NI", "", Iso, Table}, // 220
    {"IN", "IN-AN", "Nicobar Islands", Table}, // 221
    {"NE", "", Iso, Table}, // 222
    {"NG", "", Iso, Table}, // 223
    {"NU", "", Iso, Table}, // 224
    {"NF", "", Iso, Table}, // 225
    {"NO", "", Iso, Table}, // 226
    {"OM", "", Iso, Table}, // 227
    {"PK", "", Iso, Table}, // 228
    {"PW", "", Iso, Table}, // 229
    {"PA", "", Iso, Table}, // 230
    {"PG", "", Iso, Table}, // 231
    {"PY", "", Iso, Table}, // 232
    {"PE", "", Iso, Table}, // 233
    {"PH", "", Iso, Table}, // 234
    {"KI", "", "Phoenix Islands", Table}, // 235
    {"UM", "", "Phoenix Islands", Table}, // 236
    {"PN", "", Iso, Table}, // 237
    {"PL", "", Iso, Table}, // 238
    {"PT", "", Iso, Table}, // 239
    {"PR", "", Iso, Table}, // 240
    {"QA", "", Iso, Table}, // 241
    {"PF", "", "Rapa", Table}, // 242
    {"RE", "", Iso, Table}, // 243
    {"MU", "MU-RO", "Rodrigues", Table}, // 244
    {"RO", "", Iso, Table}, // 245
    {"FJ", "FJ-R", "Rotuma", Table}, // 246
    {"RU", "", Iso, "Kaliningrad Time"}, // 247
    {"RU", "", Iso, "Moscow Time"}, // 248
    {"RU", "", Iso, "Samara Time"}, // 249
    {"RU", "", Iso, "Yekaterinburg Time"}, // 250
    {"RU", "", Iso, "Omsk Time"}, // 251
    {"RU", "", Iso, "Krasnoyarsk Time"}, // 252
    {"RU", "", Iso, "Irkutsk Time"}, // 253
    {"RU", "", Iso, "Yakutsk Time"}, // 254
    {"RU", "", Iso, "Vladivostok Time"}, // 255
    {"RU", "", Iso, "Magadan Time"}, // 256
    {"RU", "", Iso, "Kamchatka Time"}, // 257
    {"RW", "", Iso, Table}, // 258
    {"SH", "SH-HL", "Saint Helena", Table}, // 259
    {"TF", "", "Saint Paul Island", Table}, // 260
    {"PM", "", Iso, Table}, // 261
    {"AS", "", Iso, Whole}, // 262
    {"WS", "", Iso, Whole}, // 263
    {"CL", "CL-VS", "San Félix Island", Table}, // 264
    {"SM", "", Iso, Table}, // 265
    {"SB", "SB-TE", "Santa Cruz Islands", Table}, // 266
    {"ST", "", Iso, Table}, // 267
    {"IT", "IT-88", "Sardinia", Table}, // 268
    {"SA", "", Iso, Table}, // 269
    {"SN", "", Iso, Table}, // 270
    {"RS", "", Iso, Table}, // 271
    {"SC", "", Iso, Table}, // 272
    {"IT", "IT-82", "Sicily", Table}, // 273
    {"SL", "", Iso, Table}, // 274
    {"SG", "", Iso, Table}, // 275
    {"SK", "", Iso, Table}, // 276
    {"SI", "", Iso, Table}, // 277
    {"PF", "", "Society Islands", Table, 301}, // 278
    {"YE", "", "Socotra", Table}, // 279
    {"SB", "", Iso, Table}, // 280
    {"SO", "", Iso, Table}, // 281
    {"ZA", "", Iso, Table}, // 282
    {"GS", "", "South Georgia", Table}, // 283
    {"GS", "", "South Sandwich Islands", Table}, // 284
    {"ES", "", Iso, Table}, // 285
    {"ES", "", "Spanish North Africa", Table}, // 286
    {"ES", "ES-CE", "Spanish North Africa", Table}, // 287
    {"ES", "", "Spanish North Africa", Table}, // 288
    {"ES", "ES-ML", "Spanish North Africa", Table}, // 289
    {"ES", "", "Spanish North Africa", Table}, // 290
    {"ES", "", "Spanish North Africa", Table}, // 291
    {"SJ", "", "Spitsbergen", Table, 296}, // 292
    {"LK", "", Iso, Table}, // 293
    {"SD", "", Iso, Table}, // 294
    {"SR", "", Iso, Table}, // 295
    {"SJ", "", "Svalbard", Table}, // 296
    {"SZ", "", Iso, Table}, // 297
    {"SE", "", Iso, Table}, // 298
    {"CH", "", Iso, Table}, // 299
    {"SY", "", Iso, Table}, // 300
    {"PF", "", "Tahiti", Table}, // 301
    {"TW", "", Iso, Table}, // 302
    {"TJ", "", Iso, Table}, // 303
    {"TZ", "", Iso, Table}, // 304
    {"TH", "", Iso, Table}, // 305
    {"TG", "", Iso, Table}, // 306
    {"TK", "", Iso, Table}, // 307
    {"TO", "", Iso, Table}, // 308
    {"BR", "BR-ES", "Trindade Island", Table}, // 309
    {"TT", "", Iso, Table}, // 310
    {"SH", "SH-TA", "Tristan da Cunha", Table}, // 311
    {"PF", "", "Tuamotu Islands", Table}, // 312
    {"TN", "", Iso, Table}, // 313
    {"TR", "", Iso, Table}, // 314
    {"TM", "", Iso, Table}, // 315
    {"TC", "", Iso, Table}, // 316
    {"TV", "", Iso, Table}, // 317
    {"UG", "", Iso, Table}, // 318
    {"GB", "", Iso, Table}, // 319
    {"UA", "", Iso, Table}, // 320
    {"AE", "", Iso, Table}, // 321
    {"UY", "", Iso, Table}, // 322
    {"US", "US-AK", Iso, Table}, // 323
    {"US", "", Iso, Table}, // 324
    {"US", "", Iso, Table}, // 325
    {"US", "US-AZ", Iso, Table}, // 326
    {"US", "", Iso, Table}, // 327
    {"US", "", Iso, Table}, // 328
    {"US", "US-IN", Iso, Table}, // 329
    {"US", "US-AK", Iso, Table}, // 330
    {"UZ", "", Iso, Table}, // 331
    {"VU", "", Iso, Table}, // 332
    {"VE", "", Iso, Table}, // 333
    {"VN", "", Iso, Table}, // 334
    {"VI", "", Iso, Table}, // 335
    {"LC", "", Iso, Whole}, // 336
    {"VC", "", Iso, Whole}, // 337
    {"GD", "", Iso, Whole}, // 338
    {"MQ", "", Iso, Whole}, // 339
    {"YE", "", Iso, Table}, // 340
    {"CD", "", Iso, Table}, // 341
    {"CD", "", Iso, Table}, // 342
    {"ZM", "", Iso, Table}, // 343
    {"ZW", "", Iso, Table}, // 344
    {"SS", "", Iso, Table}, // 345
    {"ME", "", Iso, Table}, // 346
    {"XK", "", Iso, Table}, // 347
    {"TL", "", Iso, Table}, // 348
    {"MK", "", Iso, Table}, // 349
    {"VA", "", Iso, Table}, // 350
    {"PS", "", Iso, Table}, // 351
}};

// The part of a country with parts where most of its people live, which a search takes when it
// names the country. Table-mode groups that are several countries today are here too.
constexpr std::array MainParts = {
    17,  // Australia: New South Wales
    42,  // Brazil: the east (Sao Paulo, Rio)
    62,  // Canada: Ontario (Toronto, Ottawa)
    74,  // Caroline Islands, Micronesia: Chuuk
    83,  // Chagos Archipelago: Diego Garcia, the only island lived on
    125, // Greece: the mainland
    127, // Greenland: Nuuk
    144, // Indonesia: Java
    163, // Kiribati: the Gilbert Islands
    175, // Leeward Islands: Guadeloupe
    182, // Line Islands: Kiritimati
    198, // Marshall Islands: Majuro
    204, // Mexico: Mexico City
    235, // Phoenix Islands: Kanton
    248, // Russia: Moscow
    263, // Samoa Islands: Samoa
    287, // Spanish North Africa: Ceuta
    328, // United States: Eastern Time
    339, // Windward Islands: Martinique
    341, // Zaire, Democratic Republic of the Congo: Kinshasa
};

// Names people type that neither mode shows. A row with a code belongs to every place whose
// today's name is that country's; a row with an index to that place alone.
struct AliasRow
{
    const char *code;
    int index;
    const char *text;
};
constexpr std::array Aliases = {
    AliasRow{"AE", -1, "UAE"},
    AliasRow{"AE", -1, "Emirates"},
    AliasRow{"BA", -1, "Herzegovina"},
    AliasRow{"CD", -1, "DR Congo"},
    AliasRow{"CD", -1, "DRC"},
    AliasRow{"CD", -1, "Congo-Kinshasa"},
    AliasRow{"CG", -1, "Republic of the Congo"},
    AliasRow{"CG", -1, "Congo-Brazzaville"},
    AliasRow{"CI", -1, "Ivory Coast"},
    AliasRow{"FM", -1, "Federated States of Micronesia"},
    AliasRow{"GB", -1, "UK"},
    AliasRow{"GB", -1, "Britain"},
    AliasRow{"GB", -1, "Great Britain"},
    AliasRow{"GB", -1, "England"},
    AliasRow{"GB", -1, "Scotland"},
    AliasRow{"GB", -1, "Wales"},
    AliasRow{"GB", -1, "Northern Ireland"},
    AliasRow{"KP", -1, "DPRK"},
    AliasRow{"LK", -1, "Ceylon"},
    AliasRow{"MK", -1, "Macedonia"},
    AliasRow{"MM", -1, "Burma"},
    AliasRow{"NL", -1, "Holland"},
    AliasRow{"PS", -1, "State of Palestine"},
    AliasRow{"PS", -1, "West Bank"},
    AliasRow{"PS", -1, "Gaza"},
    AliasRow{"RU", -1, "Russian Federation"},
    AliasRow{"TL", -1, "East Timor"},
    AliasRow{"US", -1, "USA"},
    AliasRow{"US", -1, "America"},
    AliasRow{"US", -1, "United States of America"},
    AliasRow{"VA", -1, "Vatican"},
    AliasRow{"VA", -1, "Holy See"},
    AliasRow{"VN", -1, "Viet Nam"},
    AliasRow{nullptr, 0, "Manus"},
    AliasRow{nullptr, 27, "Mallorca"},
    AliasRow{nullptr, 27, "Majorca"},
    AliasRow{nullptr, 74, "Truk"},
    AliasRow{nullptr, 87, "Galapagos"},
    AliasRow{nullptr, 102, "Rapa Nui"},
    AliasRow{nullptr, 137, "Hawaiian Islands"},
    AliasRow{nullptr, 140, "Futuna"},
};
// clang-format on

const PlaceRow &Row(int index)
{
    return PlaceRows[static_cast<std::size_t>(index)];
}

std::string_view Lookup(const auto &table, std::string_view code)
{
    std::array<char, 8> upper{};
    if (code.size() > upper.size())
        return {};
    for (std::size_t i = 0; i < code.size(); ++i)
        upper[i] = code[i] >= 'a' && code[i] <= 'z' ? char(code[i] - 'a' + 'A') : code[i];
    const std::string_view key(upper.data(), code.size());
    std::size_t first = 0;
    for (std::size_t count = table.size(); count > 0;) {
        const std::size_t half = count / 2;
        if (table.At(first + half, 0) < key) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first < table.size() && table.At(first, 0) == key ? table.At(first, 1)
                                                             : std::string_view();
}

std::string_view TodayName(int index)
{
    const PlaceRow &row = Row(index);
    return row.name ? std::string_view(row.name) : CountryNameForCode(row.iso);
}

std::string_view TodayPart(int index)
{
    const PlaceRow &row = Row(index);
    return row.part ? std::string_view(row.part) : std::string_view(PlaceAt(index)->subName);
}

// iso-codes installs its translations with the system's other message catalogues.
constexpr char IsoCodesLocaleDir[] = "/usr/share/locale";
constexpr char CountryDomain[] = "iso_3166-1";
constexpr char SubdivisionDomain[] = "iso_3166-2";

// The translation of an English iso-codes name, or the name itself. glibc keeps a catalogue
// mapped for the whole run, so the text returned stays valid.
std::string_view Translated(const char *domain, std::string_view english)
{
    static const bool bound = [] {
        for (const char *d : {CountryDomain, SubdivisionDomain}) {
            bindtextdomain(d, IsoCodesLocaleDir);
            bind_textdomain_codeset(d, "UTF-8");
        }
        return true;
    }();
    (void)bound;
    if (english.empty())
        return english;
    const std::string key(english);
    const char *text = dgettext(domain, key.c_str());
    return text == key.c_str() || !text || !*text ? english : std::string_view(text);
}

// The place is its country: its code is a name of it, and so are the country's aliases.
bool IsItsCountry(int index)
{
    return Row(index).name == Iso;
}

void AddKey(std::vector<PlaceKey> &keys, std::string_view text, bool exactOnly = false)
{
    if (text.empty())
        return;
    for (const PlaceKey &k : keys)
        if (k.text == text && k.exactOnly == exactOnly)
            return;
    keys.push_back({text, exactOnly});
}

// Every name of the place itself, in both modes, with its aliases and code.
void AddOwnKeys(std::vector<PlaceKey> &keys, int index)
{
    if (const CountryEntry *entry = CountryAt(index)) {
        AddKey(keys, entry->name);
        AddKey(keys, entry->subName);
    }
    AddKey(keys, TodayName(index));
    AddKey(keys, TodayPart(index));
    const PlaceRow &row = Row(index);
    for (const AliasRow &alias : Aliases) {
        if (alias.code ? IsItsCountry(index) && std::strcmp(alias.code, row.iso) == 0
                       : alias.index == index)
            AddKey(keys, alias.text);
    }
    if (IsItsCountry(index))
        AddKey(keys, row.iso, true);
}

} // namespace

std::string_view CountryNameForCode(std::string_view alpha2)
{
    return Lookup(IsoCountries, alpha2);
}

std::string_view SubdivisionNameForCode(std::string_view code)
{
    return Lookup(IsoSubdivisions, code);
}

std::string_view IsoCodesVersion()
{
    return GeneratedIsoCodesVersion;
}

std::string_view PlaceIsoCode(int index)
{
    return IsValidPlaceIndex(index) ? Row(index).iso : std::string_view();
}

std::string_view PlaceSubdivisionCode(int index)
{
    return IsValidPlaceIndex(index) ? Row(index).subdivision : std::string_view();
}

std::string_view PlaceName(int index, bool useDatabase)
{
    if (!IsValidIndexIn(index, useDatabase))
        return {};
    return useDatabase ? TodayName(index) : std::string_view(CountryAt(index)->name);
}

std::string_view PlacePart(int index, bool useDatabase)
{
    if (!IsValidIndexIn(index, useDatabase))
        return {};
    return useDatabase ? TodayPart(index) : std::string_view(CountryAt(index)->subName);
}

std::string_view LocalPlaceName(int index, bool useDatabase)
{
    const std::string_view name = PlaceName(index, useDatabase);
    return useDatabase ? Translated(CountryDomain, name) : name;
}

std::string_view LocalPlacePart(int index, bool useDatabase)
{
    const std::string_view part = PlacePart(index, useDatabase);
    return useDatabase ? Translated(SubdivisionDomain, part) : part;
}

std::string_view LocalCountryNameForCode(std::string_view alpha2)
{
    return Translated(CountryDomain, CountryNameForCode(alpha2));
}

std::string PlaceDisplayName(int index, bool useDatabase)
{
    const int listed = ListedPlace(index, useDatabase);
    const std::string_view name = LocalPlaceName(listed, useDatabase);
    const std::string_view part = LocalPlacePart(listed, useDatabase);
    if (part.empty())
        return std::string(name);
    return std::string(part) + ", " + std::string(name);
}

int ListedPlace(int index, bool useDatabase)
{
    if (!IsValidIndexIn(index, useDatabase))
        return -1;
    return useDatabase && Row(index).listedAs >= 0 ? Row(index).listedAs : index;
}

bool IsPlaceListed(int index, bool useDatabase)
{
    return IsValidIndexIn(index, useDatabase) && ListedPlace(index, useDatabase) == index;
}

const std::vector<int> &ListedPlaces(bool useDatabase)
{
    static const auto make = [](bool database) {
        std::vector<int> order;
        for (int i = 0; i < (database ? PlaceCount : CountryCount); ++i)
            if (IsPlaceListed(i, database))
                order.push_back(i);
        return order;
    };
    static const std::vector<int> table = make(false);
    static const std::vector<int> database = make(true);
    return useDatabase ? database : table;
}

int MainPart(int index, bool useDatabase)
{
    if (!IsPlaceListed(index, useDatabase))
        return -1;
    if (PlacePart(index, useDatabase).empty())
        return index;
    // The group: the run of listed places around index with its name and a part.
    const std::vector<int> &order = ListedPlaces(useDatabase);
    const auto at = std::find(order.begin(), order.end(), index);
    const std::string_view name = PlaceName(index, useDatabase);
    auto inGroup = [&](int i) {
        return PlaceName(i, useDatabase) == name && !PlacePart(i, useDatabase).empty();
    };
    auto first = at;
    while (first != order.begin() && inGroup(*(first - 1)))
        --first;
    auto last = at;
    while (last + 1 != order.end() && inGroup(*(last + 1)))
        ++last;
    for (auto it = first; it <= last; ++it)
        if (std::find(MainParts.begin(), MainParts.end(), *it) != MainParts.end())
            return *it;
    return *first;
}

std::vector<PlaceKey> PlaceSearchKeys(int index, bool useDatabase)
{
    std::vector<PlaceKey> keys;
    if (!IsPlaceListed(index, useDatabase))
        return keys;
    AddOwnKeys(keys, index);
    if (useDatabase) {
        for (int i = 0; i < PlaceCount; ++i)
            if (Row(i).listedAs == index)
                AddOwnKeys(keys, i);
    }
    // What the mode shows is searched as the place's name and part, not again as a key; the
    // English names behind translated ones stay keys.
    const std::string_view name = LocalPlaceName(index, useDatabase);
    const std::string_view part = LocalPlacePart(index, useDatabase);
    std::erase_if(keys, [&](const PlaceKey &k) {
        return !k.exactOnly && (k.text == name || k.text == part);
    });
    return keys;
}
