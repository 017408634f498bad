// SPDX-License-Identifier: MIT

#include "zones/countrytable.h"

#include <QtGlobal>

// clang-format off
const std::array<RegionEntry, RegionCount> RegionTable = {{
    {1, QT_TRANSLATE_NOOP("CCountryTree", "Europe")},
    {7, QT_TRANSLATE_NOOP("CCountryTree", "Africa")},
    {2, QT_TRANSLATE_NOOP("CCountryTree", "Asia (exc SE Asia)")},
    {8, QT_TRANSLATE_NOOP("CCountryTree", "SE Asia")},
    {3, QT_TRANSLATE_NOOP("CCountryTree", "North America")},
    {4, QT_TRANSLATE_NOOP("CCountryTree", "Central America & West Indies")},
    {5, QT_TRANSLATE_NOOP("CCountryTree", "South America")},
    {6, QT_TRANSLATE_NOOP("CCountryTree", "Oceania")},
}};

// name, subName, gmtOffset, regionId, start month/week/day, end month/week/day, shift
const std::array<CountryEntry, CountryCount> CountryTable = {{
    {"Admiralty I.", "", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 0
    {"Afghanistan, The Islamic Rep of", "", 4.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 1
    {"Albania", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 2
    {"Algeria", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 3
    {"Amirante I.", "", 4.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 4
    {"Amsterdam Ile", "", 5.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 5
    {"Andaman Is.", "", 5.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 6
    {"Andorra", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 7
    {"Angola", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 8
    {"Argentina", "", -3.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 9
    {"Armenia, Rep of", "", 4.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 10
    {"Aruba (Netherlands)", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 11
    {"Ascension I.", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 12
    {"Australes I.", "", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 13
    {"Australia", "Western Australia", 8.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 14
    {"Australia", "Northern Territory", 9.5f, 6, 0, 0, 0, 0, 0, 0, 1}, // 15
    {"Australia", "South Australia", 9.5f, 6, 10, 5, 1, 3, 1, 1, 1}, // 16
    {"Australia", "New South Wales", 10.0f, 6, 10, 5, 1, 3, 1, 1, 1}, // 17
    {"Australia", "Victoria", 10.0f, 6, 10, 5, 1, 3, 1, 1, 1}, // 18
    {"Australia", "ACT", 10.0f, 6, 10, 5, 1, 3, 1, 1, 1}, // 19
    {"Australia", "Queensland", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 20
    {"Australia", "Tasmania", 10.0f, 6, 10, 1, 1, 3, 5, 1, 1}, // 21
    {"Austria", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 22
    {"Azerbaijan, Rep of", "", 4.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 23
    {"Azores", "", -1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 24
    {"Bahamas", "", -5.0f, 4, 4, 1, 1, 10, 5, 1, 1}, // 25
    {"Bahrain", "", 3.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 26
    {"Baleares, Is.", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 27
    {"Bangladesh", "", 6.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 28
    {"Barbados", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 29
    {"Belarus, Rep of", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 30
    {"Belgium", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 31
    {"Belize", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 32
    {"Benin", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 33
    {"Bermuda Is. (UK)", "", -4.0f, 4, 4, 1, 1, 10, 5, 1, 1}, // 34
    {"Bhutan", "", 6.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 35
    {"Bolivia", "", -4.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 36
    {"Botswana", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 37
    {"Bosnia-Herzegovina", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 38
    {"Brazil", "Acre", -5.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 39
    {"Brazil", "Western, exc Amapa, W Para & Amazonas", -4.0f, 5, 10, 3, 1, 2, 2, 1, 1}, // 40
    {"Brazil", "Amapa, W Para & Amazonas", -4.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 41
    {"Brazil", "Eastern, exc NE States & E Para", -3.0f, 5, 10, 3, 1, 2, 2, 1, 1}, // 42
    {"Brazil", "NE States & E Para", -3.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 43
    {"Brunei", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 44
    {"Bulgaria", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 45
    {"Burkina Faso", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 46
    {"Burundi", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 47
    {"Cambodia", "", 7.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 48
    {"Cameroon", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 49
    {"Canada", "British Columbia", -8.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 50
    {"Canada", "Northwest Terr, western", -8.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 51
    {"Canada", "Yukon", -8.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 52
    {"Canada", "Alberta", -7.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 53
    {"Canada", "British Columbia NE", -7.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 54
    {"Canada", "Northwest Terr, mountain", -7.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 55
    {"Canada", "Manitoba", -6.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 56
    {"Canada", "Northwest Terr, central", -6.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 57
    {"Canada", "Saskatchewan", -6.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 58
    {"Canada", "Northwest Terr, W of 63°W", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 59
    {"Canada", "Northwest Terr, eastern", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 60
    {"Canada", "Ontario, W of 90°W", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 61
    {"Canada", "Ontario, E of 90°W", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 62
    {"Canada", "Quebec, W of 63°W", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 63
    {"Canada", "Labrador", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 64
    {"Canada", "New Brunswick", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 65
    {"Canada", "Northwest Terr, E of 63°W", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 66
    {"Canada", "Quebec, E of 63°W", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 67
    {"Canada", "Nova Scotia", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 68
    {"Canada", "Prince Edward Island", -4.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 69
    {"Canada", "Newfoundland", -3.5f, 3, 4, 1, 1, 10, 5, 1, 1}, // 70
    {"Canary Islands (Spain)", "", 0.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 71
    {"Cape Verde", "", -1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 72
    {"Caroline Is.", "Palau Island", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 73
    {"Caroline Is.", "Yap - Truk Islands", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 74
    {"Caroline Is.", "Pohnpei, Pingelap & Kosrae Islands", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 75
    {"Cayman Is. (UK)", "", -5.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 76
    {"Central African Republic", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 77
    {"Chad", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 78
    {"Chatham Is.", "", 12.75f, 6, 10, 1, 1, 3, 1, 1, 1}, // 79
    {"Chile", "", -4.0f, 5, 10, 2, 1, 3, 2, 1, 1}, // 80
    {"China", "", 8.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 81
    {"Chagos Archipelago", "exc Diego Garcia", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 82
    {"Chagos Archipelago", "Diego Garcia", 6.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 83
    {"Cocos Is.", "", 6.5f, 8, 0, 0, 0, 0, 0, 0, 1}, // 84
    {"Clipperton I.", "", -7.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 85
    {"Colombia", "", -5.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 86
    {"Colon, Arch de", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 87
    {"Comoros", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 88
    {"Congo", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 89
    {"Cook Is. (New Zealand)", "", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 90
    {"Corsica (France)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 91
    {"Costa Rica", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 92
    {"Cote D'Ivoire", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 93
    {"Croatia", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 94
    {"Crozet, Iles", "", 5.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 95
    {"Cuba", "", -5.0f, 4, 4, 1, 1, 10, 2, 1, 1}, // 96
    {"Cyprus", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 97
    {"Czech Republic", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 98
    {"Denmark", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 99
    {"Djibouti", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 100
    {"Dominican Republic", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 101
    {"Easter I.", "", -6.0f, 5, 10, 2, 1, 3, 2, 1, 1}, // 102
    {"Egypt", "", 2.0f, 7, 4, 5, 1, 9, 5, 1, 1}, // 103
    {"El Salvador", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 104
    {"Ecuador", "", -5.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 105
    {"Equatorial Guinea", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 106
    {"Estonia", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 107
    {"Eritrea", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 108
    {"Ethiopia", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 109
    {"Falkland Is. (UK)", "", -4.0f, 5, 9, 2, 1, 4, 3, 1, 1}, // 110
    {"Faeroe Is. (Denmark)", "", 0.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 111
    {"Fernando de Noronha, Arq de", "", -2.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 112
    {"Fiji Is.", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 113
    {"Finland", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 114
    {"France", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 115
    {"French Guiana", "", -3.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 116
    {"Gabon", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 117
    {"Gambia, The", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 118
    {"Gambier I.", "", -9.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 119
    {"Georgia, Rep of", "", 3.0f, 2, 3, 5, 1, 9, 5, 1, 2}, // 120
    {"Germany", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 121
    {"Ghana", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 122
    {"Gibraltar (UK)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 123
    {"Gough I.", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 124
    {"Greece", "Mainland", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 125
    {"Greece", "Crete", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 126
    {"Greenland (Denmark)", "exc Thule, Danmarkshavn & Scoresby Sound", -3.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 127
    {"Greenland (Denmark)", "Thule", -4.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 128
    {"Greenland (Denmark)", "Danmarkshavn", 0.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 129
    {"Greenland (Denmark)", "Scoresby Sound", -1.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 130
    {"Guam (USA)", "", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 131
    {"Guatemala", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 132
    {"Guinea", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 133
    {"Guinea-Bissau", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 134
    {"Guyana", "", -4.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 135
    {"Haiti", "", -5.0f, 4, 4, 1, 1, 10, 5, 1, 1}, // 136
    {"Hawaiian Is. (USA)", "", -10.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 137
    {"Honduras", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 138
    {"Hong Kong (UK)", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 139
    {"Horne Is.", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 140
    {"Hungary", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 141
    {"Iceland", "", 0.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 142
    {"India", "", 5.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 143
    {"Indonesia", "Western Zone", 7.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 144
    {"Indonesia", "Central Zone", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 145
    {"Indonesia", "Eastern Zone", 9.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 146
    {"Iran", "", 3.5f, 2, 3, 3, 1, 9, 3, 1, 1}, // 147
    {"Iraq", "", 3.0f, 2, 5, 1, 1, 9, 5, 1, 1}, // 148
    {"Ireland, Rep of", "", 0.0f, 1, 3, 5, 1, 10, 5, 1, 1}, // 149
    {"Israel", "", 2.0f, 2, 3, 5, 1, 9, 3, 1, 1}, // 150
    {"Italy", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 151
    {"Jamaica", "", -5.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 152
    {"Jan Mayen I. (Denmark)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 153
    {"Japan", "", 9.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 154
    {"Johnston Atoll", "", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 155
    {"Jordan", "", 2.0f, 2, 3, 5, 1, 9, 1, 1, 1}, // 156
    {"Juan Fernandez, Arch de (Chile)", "", 4.0f, 5, 10, 2, 1, 3, 2, 1, 1}, // 157
    {"Kazakhstan, Rep of", "", 5.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 158
    {"Kenya", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 159
    {"Kerguelen, Iles", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 160
    {"Kermadec Is.", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 161
    {"Kiribati", "Banaba", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 162
    {"Kiribati", "exc Banaba", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 163
    {"Korea, DPR (North)", "", 9.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 164
    {"Korea, Rep of (South)", "", 9.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 165
    {"Kuwait", "", 3.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 166
    {"Kyrgyzstan, Rep of", "", 5.0f, 2, 4, 2, 1, 9, 5, 1, 1}, // 167
    {"Lakshadweep", "", 5.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 168
    {"Laos", "", 7.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 169
    {"Latvia, Rep of", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 170
    {"Lebanon", "", 2.0f, 2, 3, 5, 1, 10, 5, 1, 1}, // 171
    {"Leeward Is.", "Anguilla (UK)", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 172
    {"Leeward Is.", "Antigua and Barbuda", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 173
    {"Leeward Is.", "Dominica", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 174
    {"Leeward Is.", "Guadeloupe (France)", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 175
    {"Leeward Is.", "Montserrat (UK)", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 176
    {"Leeward Is.", "St Kitts and Nevis", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 177
    {"Lesotho", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 178
    {"Liberia", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 179
    {"Libya", "", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 180
    {"Liechtenstein", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 181
    {"Line Is.", "Those in the Rep of Kiribati", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 182
    {"Line Is.", "exc those in the Rep of Kiribati", 14.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 183
    {"Lithuania, Rep of", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 184
    {"Lord Howe I.", "", 10.5f, 6, 10, 5, 1, 3, 1, 1, 1}, // 185
    {"Loyalty Is.", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 186
    {"Luxembourg", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 187
    {"Macao", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 188
    {"Madagascar", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 189
    {"Madeira, Arq de (Portugal)", "", 0.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 190
    {"Malawi", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 191
    {"Malaysia", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 192
    {"Maldive Is.", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 193
    {"Mali", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 194
    {"Malta", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 195
    {"Marianas Is.", "", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 196
    {"Marquesas, Iles", "", -9.5f, 6, 0, 0, 0, 0, 0, 0, 1}, // 197
    {"Marshall Is.", "exc Ebon Atoll", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 198
    {"Marshall Is.", "Ebon Atoll", -12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 199
    {"Mauritania", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 200
    {"Mauritius (France)", "", 4.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 201
    {"Mexico", "N Baja California", -8.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 202
    {"Mexico", "S Baja California, Sonora & Sinaloa", -7.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 203
    {"Mexico", "exc Baja California, Sonora & Sinaloa", -6.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 204
    {"Midway Islands", "", -11.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 205
    {"Moldova, Rep of", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 206
    {"Monaco", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 207
    {"Mongolia", "", 8.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 208
    {"Morocco", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 209
    {"Mozambique", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 210
    {"Myanmar", "", 6.5f, 8, 0, 0, 0, 0, 0, 0, 1}, // 211
    {"Namibia", "", 2.0f, 7, 9, 1, 1, 4, 1, 1, 1}, // 212
    {"Nauru", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 213
    {"Nepal", "", 5.75f, 2, 0, 0, 0, 0, 0, 0, 1}, // 214
    {"Netherlands", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 215
    {"Netherlands Antilles (Netherlands)", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 216
    {"New Caledonia (France)", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 217
    {"New Hebrides (UK & France)", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 218
    {"New Zealand", "", 12.0f, 6, 10, 1, 1, 3, 3, 1, 1}, // 219
    {"Nicaragua", "", -6.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 220
    {"Nicobar I.", "", 5.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 221
    {"Niger", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 222
    {"Nigeria", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 223
    {"Niue I. ", "", -11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 224
    {"Norfolk I. (Australia)", "", 11.5f, 6, 0, 0, 0, 0, 0, 0, 1}, // 225
    {"Norway", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 226
    {"Oman", "", 4.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 227
    {"Pakistan", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 228
    {"Palau (USA)", "", 9.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 229
    {"Panama", "", -5.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 230
    {"Papua New Guinea", "", 10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 231
    {"Paraguay", "", -4.0f, 5, 10, 1, 1, 2, 5, 1, 1}, // 232
    {"Peru", "", -5.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 233
    {"Philippines", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 234
    {"Phoenix Is.", "Those in Rep of Kiribati", 13.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 235
    {"Phoenix Is.", "exc those in Rep of Kiribati", -11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 236
    {"Pitcairn I.", "", -8.5f, 6, 0, 0, 0, 0, 0, 0, 1}, // 237
    {"Poland", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 238
    {"Portugal", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 239
    {"Puerto Rico", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 240
    {"Qatar", "", 3.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 241
    {"Rapa I.", "", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 242
    {"Réunion (France)", "", 4.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 243
    {"Rodrigues Island", "", 4.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 244
    {"Romania", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 245
    {"Rotuma I.", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 246
    {"Russia", "Zone  0", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 247
    {"Russia", "Zone  1", 3.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 248
    {"Russia", "Zone  2", 4.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 249
    {"Russia", "Zone  3", 5.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 250
    {"Russia", "Zone  4", 6.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 251
    {"Russia", "Zone  5", 7.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 252
    {"Russia", "Zone  6", 8.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 253
    {"Russia", "Zone  7", 9.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 254
    {"Russia", "Zone  8", 10.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 255
    {"Russia", "Zone  9", 11.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 256
    {"Russia", "Zone 10", 12.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 257
    {"Rwanda", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 258
    {"S. Helena", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 259
    {"S. Paul Island", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 260
    {"S. Pierre and Miquelon (France)", "", -3.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 261
    {"Samoa Is.", "American (USA)", -11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 262
    {"Samoa Is.", "Western", -11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 263
    {"San Felix, Isla", "", -4.0f, 5, 10, 2, 1, 3, 2, 1, 1}, // 264
    {"San Marino", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 265
    {"Santa Cruz I.", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 266
    {"Sao Tome e Principe", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 267
    {"Sardinia (Italy)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 268
    {"Saudi Arabia", "", 3.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 269
    {"Senegal", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 270
    {"Serbia", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 271
    {"Seychelles", "", 4.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 272
    {"Sicily (Italy)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 273
    {"Sierra Leone", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 274
    {"Singapore", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 275
    {"Slovakia", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 276
    {"Slovenia", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 277
    {"Societe, Iles de la", "", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 278
    {"Socotra", "", 3.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 279
    {"Solomon Is.", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 280
    {"Somalia", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 281
    {"South Africa", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 282
    {"South Georgia (UK)", "", -2.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 283
    {"South Sandwich Is.", "", -2.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 284
    {"Spain", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 285
    {"Spanish Possessions in N Africa", "Al Hoceima", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 286
    {"Spanish Possessions in N Africa", "Ceuta", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 287
    {"Spanish Possessions in N Africa", "Islas Chafarinas", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 288
    {"Spanish Possessions in N Africa", "Melilla", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 289
    {"Spanish Possessions in N Africa", "Penon de Velez", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 290
    {"Spanish Possessions in N Africa", "Isla de Alboran", 1.0f, 7, 3, 5, 1, 9, 5, 1, 1}, // 291
    {"Spitzbergen (Norway)", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 292
    {"Sri Lanka", "", 5.5f, 2, 0, 0, 0, 0, 0, 0, 1}, // 293
    {"Sudan", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 294
    {"Suriname", "", -3.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 295
    {"Svalbard", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 296
    {"Swaziland", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 297
    {"Sweden", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 298
    {"Switzerland", "", 1.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 299
    {"Syria", "", 2.0f, 2, 4, 1, 1, 9, 5, 1, 1}, // 300
    {"Tahiti", "", -9.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 301
    {"T'ai-wan", "", 8.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 302
    {"Tajikistan, Rep of", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 303
    {"Tanzania", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 304
    {"Thailand", "", 7.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 305
    {"Togo", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 306
    {"Tokelau I.", "", -11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 307
    {"Tonga Is.", "", 13.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 308
    {"Trinidade, Ilha de", "", -2.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 309
    {"Trinidad and Tobago", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 310
    {"Tristan da Cunha", "", 0.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 311
    {"Tuamotu, Archipel des", "", -10.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 312
    {"Tunisia", "", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 313
    {"Turkey", "", 2.0f, 2, 3, 5, 1, 9, 5, 1, 1}, // 314
    {"Turkmenistan", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 315
    {"Turks and Caicos I. (UK)", "", -5.0f, 4, 4, 1, 1, 10, 5, 1, 1}, // 316
    {"Tuvalu", "", 12.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 317
    {"Uganda", "", 3.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 318
    {"United Kingdom", "", 0.0f, 1, 3, 5, 1, 10, 4, 1, 1}, // 319
    {"Ukraine", "", 2.0f, 1, 3, 5, 1, 9, 5, 1, 1}, // 320
    {"United Arab Emirates", "", 4.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 321
    {"Uruguay", "", -3.0f, 5, 10, 3, 1, 2, 2, 1, 1}, // 322
    {"United States of America", "Alaska, E of 169°30'W", -9.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 323
    {"United States of America", "Pacific Time", -8.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 324
    {"United States of America", "Mountain Time exc Arizona", -7.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 325
    {"United States of America", "Arizona", -7.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 326
    {"United States of America", "Central Time", -6.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 327
    {"United States of America", "Eastern Time exc Indiana", -5.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 328
    {"United States of America", "Indiana", -5.0f, 3, 0, 0, 0, 0, 0, 0, 1}, // 329
    {"United States of America", "Aleutian Islands, W of 169°30'W", -10.0f, 3, 4, 1, 1, 10, 5, 1, 1}, // 330
    {"Uzbekistan, Rep of", "", 5.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 331
    {"Vanuatu", "", 11.0f, 6, 0, 0, 0, 0, 0, 0, 1}, // 332
    {"Venezuela", "", -4.0f, 5, 0, 0, 0, 0, 0, 0, 1}, // 333
    {"Vietnam", "", 7.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 334
    {"Virgin Islands", "", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 335
    {"Windward Islands", "St Lucia", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 336
    {"Windward Islands", "St Vincent and the Grenadines", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 337
    {"Windward Islands", "Grenada", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 338
    {"Windward Islands", "Martinique (France)", -4.0f, 4, 0, 0, 0, 0, 0, 0, 1}, // 339
    {"Yemen", "", 3.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 340
    {"Zaire", "West", 1.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 341
    {"Zaire", "East", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 342
    {"Zambia", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 343
    {"Zimbabwe", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 344
}};

// Countries of today the table lacks, in the order of their indexes from CountryCount on: each
// with its standard offset of today and no table rule.
const std::array<CountryEntry, NewPlaceCount> NewPlaceTable = {{
    {"South Sudan", "", 2.0f, 7, 0, 0, 0, 0, 0, 0, 1}, // 345
    {"Montenegro", "", 1.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 346
    {"Kosovo", "", 1.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 347
    {"Timor-Leste", "", 9.0f, 8, 0, 0, 0, 0, 0, 0, 1}, // 348
    {"North Macedonia", "", 1.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 349
    {"Vatican City", "", 1.0f, 1, 0, 0, 0, 0, 0, 0, 1}, // 350
    {"Palestine", "", 2.0f, 2, 0, 0, 0, 0, 0, 0, 1}, // 351
}};
// clang-format on

const CountryEntry *PlaceAt(int index)
{
    if (IsValidCountryIndex(index))
        return &CountryTable[static_cast<std::size_t>(index)];
    return IsValidPlaceIndex(index) ? &NewPlaceTable[static_cast<std::size_t>(index - CountryCount)]
                                    : nullptr;
}

const CountryEntry *CountryAt(int index)
{
    return IsValidCountryIndex(index) ? &CountryTable[static_cast<std::size_t>(index)] : nullptr;
}

std::string DisplayName(int index)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry)
        return {};
    if (*entry->subName == '\0')
        return entry->name;
    return std::string(entry->subName) + ", " + entry->name;
}

bool HasDaylightSaving(int index)
{
    const CountryEntry *entry = CountryAt(index);
    return entry && entry->daylightMonthStart != 0;
}

int RegionPosition(int regionId)
{
    for (int i = 0; i < RegionCount; ++i) {
        if (RegionTable[static_cast<std::size_t>(i)].id == regionId)
            return i;
    }
    return -1;
}
