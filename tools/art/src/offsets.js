// SPDX-License-Identifier: MIT

// Standard offset of an IANA zone, and where the program's country table keeps a place at a
// different offset than today's zone data, the table's offset: a click on a place must select
// a band under which the country list shows it.

// Standard time is the smaller of the January and July offsets of a fixed year, so the result
// does not depend on the day the pictures are drawn.
const Year = 2025;

function utcOffsetHours(zone, date) {
  const text = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
    .formatToParts(date)
    .find((p) => p.type === 'timeZoneName').value; // "GMT", "GMT+05:30", "GMT-03:30"
  const m = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(text);
  if (!m) throw new Error(`unexpected offset ${text} for ${zone}`);
  if (!m[1]) return 0;
  const hours = Number(m[2]) + Number(m[3]) / 60;
  return m[1] === '-' ? -hours : hours;
}

export function standardOffset(zone) {
  const jan = utcOffsetHours(zone, new Date(Date.UTC(Year, 0, 15, 12)));
  const jul = utcOffsetHours(zone, new Date(Date.UTC(Year, 6, 15, 12)));
  return Math.min(jan, jul);
}

// Zone -> offset of the country table's entry for the place.
export const TableOffsets = {
  // Europe and the Middle East as the table keeps them.
  'Europe/Lisbon': 1, // Portugal
  'Europe/Minsk': 2, // Belarus
  'Europe/Istanbul': 2, 'Asia/Istanbul': 2, // Turkey
  'Europe/Simferopol': 2, // Ukraine
  'Asia/Tbilisi': 3, // Georgia
  'Asia/Damascus': 2, // Syria
  'Asia/Amman': 2, // Jordan
  'Asia/Famagusta': 2, // Cyprus
  // Russia's zones 0 to 10 are +2 to +12; Volgograd, Kirov and the lower Volga follow Moscow.
  'Europe/Volgograd': 3, 'Europe/Kirov': 3, 'Europe/Astrakhan': 4, 'Europe/Saratov': 4,
  'Europe/Ulyanovsk': 4, 'Asia/Barnaul': 7, 'Asia/Tomsk': 7, 'Asia/Novokuznetsk': 7,
  'Asia/Chita': 9, 'Asia/Khandyga': 9, 'Asia/Ust-Nera': 10, 'Asia/Srednekolymsk': 11,
  'Asia/Sakhalin': 11,
  // Central Asia: one entry per country.
  'Asia/Almaty': 5, 'Asia/Qostanay': 5, 'Asia/Qyzylorda': 5, 'Asia/Aqtobe': 5,
  'Asia/Aqtau': 5, 'Asia/Atyrau': 5, 'Asia/Oral': 5,
  'Asia/Bishkek': 5, // Kyrgyzstan
  'Asia/Urumqi': 8, 'Asia/Kashgar': 8, // China keeps one time
  'Asia/Hovd': 8, 'Asia/Choibalsan': 8, // Mongolia
  // Africa
  'Africa/Tripoli': 1, // Libya
  'Africa/Casablanca': 0, 'Africa/El_Aaiun': 0, // Morocco
  'Africa/Windhoek': 2, // Namibia
  // The Americas
  'America/Nuuk': -3, 'America/Godthab': -3, // Greenland
  'America/Scoresbysund': -1,
  'America/Whitehorse': -8, 'America/Dawson': -8, // Yukon
  'America/Cancun': -6, // Mexico outside Baja California, Sonora and Sinaloa
  'America/Chihuahua': -7, 'America/Ojinaga': -7, 'America/Ciudad_Juarez': -7,
  'America/Caracas': -4, // Venezuela
  'America/Asuncion': -4, // Paraguay
  'Atlantic/Stanley': -4, // Falkland Is.
  'America/Santiago': -4, 'America/Punta_Arenas': -4, // Chile
  'America/Coyhaique': -4,
  'America/Metlakatla': -9, // Alaska
  // Oceania
  'Australia/Eucla': 8, // Western Australia
  'Australia/Broken_Hill': 10, // New South Wales
  'Australia/Lord_Howe': 10.5,
  'Pacific/Pohnpei': 10, 'Pacific/Kosrae': 10, 'Pacific/Ponape': 10, // Caroline Is.
  'Pacific/Bougainville': 10, // Papua New Guinea
  'Pacific/Norfolk': 11.5,
  'Pacific/Apia': -11, // Samoa
  'Pacific/Fakaofo': -11, // Tokelau
  'Pacific/Kiritimati': -10, // Line Is. of Kiribati
  'Pacific/Tahiti': -10, // Societe Is.
  'Pacific/Pitcairn': -8.5,
};

export function tableOffset(zone) {
  return zone in TableOffsets ? TableOffsets[zone] : standardOffset(zone);
}
