// SPDX-License-Identifier: MIT

#include "zones/zonenames.h"

// An entry that spans several zones today takes the zone where most of its people live. A place
// the database covers, even an empty island of a territory with one zone, takes that zone; a
// place it does not cover takes the Etc zone of its longitude (Etc/GMT+N is N hours west).
// clang-format off
const std::array<const char *, CountryCount> CountryZoneTable = {{
    "Pacific/Port_Moresby", // 0: Manus, Papua New Guinea
    "Asia/Kabul", // 1
    "Europe/Tirane", // 2
    "Africa/Algiers", // 3
    "Indian/Mahe", // 4: outer islands of the Seychelles
    "Indian/Kerguelen", // 5: the French southern lands' zone covers it
    "Asia/Kolkata", // 6
    "Europe/Andorra", // 7
    "Africa/Luanda", // 8
    "America/Argentina/Buenos_Aires", // 9
    "Asia/Yerevan", // 10
    "America/Aruba", // 11
    "Atlantic/St_Helena", // 12
    "Pacific/Tahiti", // 13
    "Australia/Perth", // 14
    "Australia/Darwin", // 15
    "Australia/Adelaide", // 16
    "Australia/Sydney", // 17
    "Australia/Melbourne", // 18
    "Australia/Sydney", // 19
    "Australia/Brisbane", // 20
    "Australia/Hobart", // 21
    "Europe/Vienna", // 22
    "Asia/Baku", // 23
    "Atlantic/Azores", // 24
    "America/Nassau", // 25
    "Asia/Bahrain", // 26
    "Europe/Madrid", // 27
    "Asia/Dhaka", // 28
    "America/Barbados", // 29
    "Europe/Minsk", // 30
    "Europe/Brussels", // 31
    "America/Belize", // 32
    "Africa/Porto-Novo", // 33
    "Atlantic/Bermuda", // 34
    "Asia/Thimphu", // 35
    "America/La_Paz", // 36
    "Africa/Gaborone", // 37
    "Europe/Sarajevo", // 38
    "America/Rio_Branco", // 39
    "America/Cuiaba", // 40: Mato Grosso has the most people of these states
    "America/Manaus", // 41: Amazonas has the most people; Amapa is at -3 today
    "America/Sao_Paulo", // 42
    "America/Fortaleza", // 43: Maranhao to Paraiba, the most people of the north-east
    "Asia/Brunei", // 44
    "Europe/Sofia", // 45
    "Africa/Ouagadougou", // 46
    "Africa/Bujumbura", // 47
    "Asia/Phnom_Penh", // 48
    "Africa/Douala", // 49
    "America/Vancouver", // 50
    "America/Inuvik", // 51: the west of the territory keeps mountain time today
    "America/Whitehorse", // 52
    "America/Edmonton", // 53
    "America/Dawson_Creek", // 54: Dawson Creek and Fort St John
    "America/Edmonton", // 55: Yellowknife
    "America/Winnipeg", // 56
    "America/Rankin_Inlet", // 57: now central Nunavut
    "America/Regina", // 58
    "America/Iqaluit", // 59: now Nunavut
    "America/Iqaluit", // 60: now Nunavut
    "America/Winnipeg", // 61: Kenora and most people west of 90°W keep central time
    "America/Toronto", // 62
    "America/Toronto", // 63: Montreal
    "America/Goose_Bay", // 64
    "America/Moncton", // 65
    "America/Iqaluit", // 66: Baffin's east coast keeps Iqaluit's time
    "America/Blanc-Sablon", // 67: the Lower North Shore
    "America/Halifax", // 68
    "America/Halifax", // 69
    "America/St_Johns", // 70
    "Atlantic/Canary", // 71
    "Atlantic/Cape_Verde", // 72
    "Pacific/Palau", // 73
    "Pacific/Chuuk", // 74
    "Pacific/Pohnpei", // 75: Pohnpei has the most people
    "America/Cayman", // 76
    "Africa/Bangui", // 77
    "Africa/Ndjamena", // 78
    "Pacific/Chatham", // 79
    "America/Santiago", // 80
    "Asia/Shanghai", // 81
    "Indian/Chagos", // 82: the territory's one zone, though the outer atolls are empty
    "Indian/Chagos", // 83
    "Indian/Cocos", // 84
    "Etc/GMT+7", // 85: uninhabited, 109°W
    "America/Bogota", // 86
    "Pacific/Galapagos", // 87
    "Indian/Comoro", // 88
    "Africa/Brazzaville", // 89
    "Pacific/Rarotonga", // 90
    "Europe/Paris", // 91
    "America/Costa_Rica", // 92
    "Africa/Abidjan", // 93
    "Europe/Zagreb", // 94
    "Indian/Reunion", // 95: Crozet keeps +4 like Reunion
    "America/Havana", // 96
    "Asia/Nicosia", // 97
    "Europe/Prague", // 98
    "Europe/Copenhagen", // 99
    "Africa/Djibouti", // 100
    "America/Santo_Domingo", // 101
    "Pacific/Easter", // 102
    "Africa/Cairo", // 103
    "America/El_Salvador", // 104
    "America/Guayaquil", // 105
    "Africa/Malabo", // 106
    "Europe/Tallinn", // 107
    "Africa/Asmara", // 108
    "Africa/Addis_Ababa", // 109
    "Atlantic/Stanley", // 110
    "Atlantic/Faroe", // 111
    "America/Noronha", // 112
    "Pacific/Fiji", // 113
    "Europe/Helsinki", // 114
    "Europe/Paris", // 115
    "America/Cayenne", // 116
    "Africa/Libreville", // 117
    "Africa/Banjul", // 118
    "Pacific/Gambier", // 119
    "Asia/Tbilisi", // 120
    "Europe/Berlin", // 121
    "Africa/Accra", // 122
    "Europe/Gibraltar", // 123
    "Atlantic/St_Helena", // 124: part of Tristan da Cunha
    "Europe/Athens", // 125
    "Europe/Athens", // 126
    "America/Nuuk", // 127
    "America/Thule", // 128
    "America/Danmarkshavn", // 129
    "America/Scoresbysund", // 130
    "Pacific/Guam", // 131
    "America/Guatemala", // 132
    "Africa/Conakry", // 133
    "Africa/Bissau", // 134
    "America/Guyana", // 135
    "America/Port-au-Prince", // 136
    "Pacific/Honolulu", // 137
    "America/Tegucigalpa", // 138
    "Asia/Hong_Kong", // 139
    "Pacific/Wallis", // 140: Futuna and Alofi
    "Europe/Budapest", // 141
    "Atlantic/Reykjavik", // 142
    "Asia/Kolkata", // 143
    "Asia/Jakarta", // 144
    "Asia/Makassar", // 145
    "Asia/Jayapura", // 146
    "Asia/Tehran", // 147
    "Asia/Baghdad", // 148
    "Europe/Dublin", // 149
    "Asia/Jerusalem", // 150
    "Europe/Rome", // 151
    "America/Jamaica", // 152
    "Europe/Oslo", // 153: Norwegian, as the station there keeps
    "Asia/Tokyo", // 154
    "Pacific/Honolulu", // 155: the database links Johnston to Honolulu
    "Asia/Amman", // 156
    "America/Santiago", // 157: the islands keep mainland Chile's time
    "Asia/Almaty", // 158: most of the country
    "Africa/Nairobi", // 159
    "Indian/Kerguelen", // 160
    "Pacific/Auckland", // 161: New Zealand's islands keep its time
    "Pacific/Tarawa", // 162
    "Pacific/Tarawa", // 163: the Gilberts, where most people live
    "Asia/Pyongyang", // 164
    "Asia/Seoul", // 165
    "Asia/Kuwait", // 166
    "Asia/Bishkek", // 167
    "Asia/Kolkata", // 168
    "Asia/Vientiane", // 169
    "Europe/Riga", // 170
    "Asia/Beirut", // 171
    "America/Anguilla", // 172
    "America/Antigua", // 173
    "America/Dominica", // 174
    "America/Guadeloupe", // 175
    "America/Montserrat", // 176
    "America/St_Kitts", // 177
    "Africa/Maseru", // 178
    "Africa/Monrovia", // 179
    "Africa/Tripoli", // 180
    "Europe/Vaduz", // 181
    "Pacific/Kiritimati", // 182
    "Etc/GMT+11", // 183: Palmyra, Kingman and Jarvis, uninhabited, 160-162°W
    "Europe/Vilnius", // 184
    "Australia/Lord_Howe", // 185
    "Pacific/Noumea", // 186
    "Europe/Luxembourg", // 187
    "Asia/Macau", // 188
    "Indian/Antananarivo", // 189
    "Atlantic/Madeira", // 190
    "Africa/Blantyre", // 191
    "Asia/Kuala_Lumpur", // 192: the peninsula, where most people live
    "Indian/Maldives", // 193
    "Africa/Bamako", // 194
    "Europe/Malta", // 195
    "Pacific/Saipan", // 196
    "Pacific/Marquesas", // 197
    "Pacific/Majuro", // 198
    "Pacific/Majuro", // 199: Ebon lies at 169°E and keeps the islands' time
    "Africa/Nouakchott", // 200
    "Indian/Mauritius", // 201
    "America/Tijuana", // 202
    "America/Mazatlan", // 203: Sinaloa and Baja California Sur outnumber Sonora
    "America/Mexico_City", // 204
    "Pacific/Midway", // 205
    "Europe/Chisinau", // 206
    "Europe/Monaco", // 207
    "Asia/Ulaanbaatar", // 208
    "Africa/Casablanca", // 209
    "Africa/Maputo", // 210
    "Asia/Yangon", // 211
    "Africa/Windhoek", // 212
    "Pacific/Nauru", // 213
    "Asia/Kathmandu", // 214
    "Europe/Amsterdam", // 215
    "America/Curacao", // 216
    "Pacific/Noumea", // 217
    "Pacific/Efate", // 218
    "Pacific/Auckland", // 219
    "America/Managua", // 220
    "Asia/Kolkata", // 221
    "Africa/Niamey", // 222
    "Africa/Lagos", // 223
    "Pacific/Niue", // 224
    "Pacific/Norfolk", // 225
    "Europe/Oslo", // 226
    "Asia/Muscat", // 227
    "Asia/Karachi", // 228
    "Pacific/Palau", // 229
    "America/Panama", // 230
    "Pacific/Port_Moresby", // 231
    "America/Asuncion", // 232
    "America/Lima", // 233
    "Asia/Manila", // 234
    "Pacific/Kanton", // 235
    "Etc/GMT+12", // 236: Howland and Baker, uninhabited, 176°W
    "Pacific/Pitcairn", // 237
    "Europe/Warsaw", // 238
    "Europe/Lisbon", // 239
    "America/Puerto_Rico", // 240
    "Asia/Qatar", // 241
    "Pacific/Tahiti", // 242
    "Indian/Reunion", // 243
    "Indian/Mauritius", // 244
    "Europe/Bucharest", // 245
    "Pacific/Fiji", // 246
    "Europe/Kaliningrad", // 247
    "Europe/Moscow", // 248
    "Europe/Samara", // 249: Samara and Udmurtia outnumber Saratov, Ulyanovsk and Astrakhan
    "Asia/Yekaterinburg", // 250
    "Asia/Omsk", // 251
    "Asia/Krasnoyarsk", // 252: Krasnoyarsk has the most people of the +7 zones
    "Asia/Irkutsk", // 253
    "Asia/Yakutsk", // 254
    "Asia/Vladivostok", // 255
    "Asia/Sakhalin", // 256: Sakhalin outnumbers Magadan
    "Asia/Kamchatka", // 257
    "Africa/Kigali", // 258
    "Atlantic/St_Helena", // 259
    "Indian/Kerguelen", // 260
    "America/Miquelon", // 261
    "Pacific/Pago_Pago", // 262
    "Pacific/Apia", // 263
    "America/Santiago", // 264: the islands keep mainland Chile's time
    "Europe/Rome", // 265: the database links San Marino to Rome
    "Pacific/Guadalcanal", // 266
    "Africa/Sao_Tome", // 267
    "Europe/Rome", // 268
    "Asia/Riyadh", // 269
    "Africa/Dakar", // 270
    "Europe/Belgrade", // 271
    "Indian/Mahe", // 272
    "Europe/Rome", // 273
    "Africa/Freetown", // 274
    "Asia/Singapore", // 275
    "Europe/Prague", // 276: the database links Bratislava to Prague
    "Europe/Ljubljana", // 277
    "Pacific/Tahiti", // 278
    "Asia/Aden", // 279
    "Pacific/Guadalcanal", // 280
    "Africa/Mogadishu", // 281
    "Africa/Johannesburg", // 282
    "Atlantic/South_Georgia", // 283
    "Atlantic/South_Georgia", // 284: the territory's one zone
    "Europe/Madrid", // 285
    "Africa/Ceuta", // 286
    "Africa/Ceuta", // 287
    "Africa/Ceuta", // 288
    "Africa/Ceuta", // 289
    "Africa/Ceuta", // 290
    "Europe/Madrid", // 291: part of Almeria
    "Europe/Oslo", // 292
    "Asia/Colombo", // 293
    "Africa/Khartoum", // 294: Sudan before 2011; Khartoum has the most people
    "America/Paramaribo", // 295
    "Europe/Oslo", // 296
    "Africa/Mbabane", // 297
    "Europe/Stockholm", // 298
    "Europe/Zurich", // 299
    "Asia/Damascus", // 300
    "Pacific/Tahiti", // 301
    "Asia/Taipei", // 302
    "Asia/Dushanbe", // 303
    "Africa/Dar_es_Salaam", // 304
    "Asia/Bangkok", // 305
    "Africa/Lome", // 306
    "Pacific/Fakaofo", // 307
    "Pacific/Tongatapu", // 308
    "America/Noronha", // 309: Brazil's Atlantic islands
    "America/Port_of_Spain", // 310
    "Atlantic/St_Helena", // 311
    "Pacific/Tahiti", // 312
    "Africa/Tunis", // 313
    "Europe/Istanbul", // 314
    "Asia/Ashgabat", // 315
    "America/Grand_Turk", // 316
    "Pacific/Funafuti", // 317
    "Africa/Kampala", // 318
    "Europe/London", // 319
    "Europe/Kyiv", // 320
    "Asia/Dubai", // 321
    "America/Montevideo", // 322
    "America/Anchorage", // 323
    "America/Los_Angeles", // 324
    "America/Denver", // 325
    "America/Phoenix", // 326
    "America/Chicago", // 327
    "America/New_York", // 328
    "America/Indiana/Indianapolis", // 329: the state's people mostly keep Indianapolis time
    "America/Adak", // 330
    "Asia/Tashkent", // 331
    "Pacific/Efate", // 332
    "America/Caracas", // 333
    "Asia/Ho_Chi_Minh", // 334
    "America/St_Thomas", // 335: the US islands outnumber the British
    "America/St_Lucia", // 336
    "America/St_Vincent", // 337
    "America/Grenada", // 338
    "America/Martinique", // 339
    "Asia/Aden", // 340
    "Africa/Kinshasa", // 341
    "Africa/Lubumbashi", // 342
    "Africa/Lusaka", // 343
    "Africa/Harare", // 344
}};

// The places of today beyond the table, from index CountryCount on. Montenegro, Kosovo and North
// Macedonia keep Belgrade's time, the Vatican Rome's; Palestine takes the West Bank's zone.
const std::array<const char *, NewPlaceCount> NewPlaceZoneTable = {{
    "Africa/Juba", // 345
    "Europe/Belgrade", // 346
    "Europe/Belgrade", // 347
    "Asia/Dili", // 348
    "Europe/Belgrade", // 349
    "Europe/Rome", // 350
    "Asia/Hebron", // 351
}};
// clang-format on

const char *CountryZoneName(int index)
{
    if (IsValidCountryIndex(index))
        return CountryZoneTable[static_cast<std::size_t>(index)];
    return IsValidPlaceIndex(index)
               ? NewPlaceZoneTable[static_cast<std::size_t>(index - CountryCount)]
               : nullptr;
}
