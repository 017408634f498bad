// SPDX-License-Identifier: MIT

// The zone key at several levels of detail: for each pixel of the world map, whether it is land
// and the time zone of the database it lies in, by name, so that offsets come from the same
// database as the clocks at run time. map/zonekey.cpp reads it; a change of layout needs a
// change there.
//
// The map is equirectangular with column 0 at 172.5 degrees west and row 0 at 90 degrees north;
// level k is 357 * 2^k by 178 * 2^k pixels, rows at the columns' scale. Level 3 is drawn from
// the geographic data, the others are reduced from it, so every level agrees with it.
//
// Layout, every number little-endian:
//   header  64 bytes: "OZONEKY1", checksum, file size, bytes the checksum covers, zone count,
//           offset of the zone table, offset and size of the name pool, level count, offset of
//           the level table, the west edge and the top edge in micro-degrees
//   zones   u32 pool offset per zone name, names sorted
//   pool    each name with a length byte
//   levels  16 bytes each, from the smallest: width, height, offset and stored size of its cells
//   cells   u16 per pixel, row by row: bit 15 land, bits 0-14 the zone or 0x7fff for none (the
//           sea, which keeps the nautical zone of its longitude). A level whose stored size is
//           its cells' size is raw, read in place; otherwise it is zlib data after its size as a
//           big-endian u32 (the form qUncompress reads), inflated when first needed.
// The checksum is FNV-1a over the 32-bit words from byte 16 to the end of the level table; the
// cells are checked where they are read (zlib's own check, every zone in range).
import { createRequire } from 'node:module';
import pako from 'pako';
import { rasterise, pixelArea } from './land.js';

const require = createRequire(import.meta.url);
const geoTz = require('geo-tz/all');

const BaseWidth = 357;
const BaseHeight = 178;
const West = -172.5;
const Levels = 4; // 1x, 2x, 4x, 8x
const RawLevels = 2; // read in place: the window's default size at a device pixel ratio to 2
const Top = Levels - 1;
const Samples = 2; // per pixel and axis at the top level
const LandBit = 0x8000;
const NoZone = 0x7fff;
const HeaderSize = 64;
const LevelEntrySize = 16;

export const KeySize = (level) => ({ width: BaseWidth << level, height: BaseHeight << level });

function landMask(polygons, width, height) {
  const dpp = 360 / width;
  const toSample = ([lon, lat]) => [((lon - West) / dpp) * Samples, ((90 - lat) / dpp) * Samples];
  const toPixel = ([lon, lat]) => [(lon - West) / dpp, (90 - lat) / dpp];
  const sw = width * Samples;
  const samples = rasterise(polygons, sw, height * Samples, toSample, sw);
  const mask = new Uint8Array(width * height);
  for (let y = 0; y < height; y++)
    for (let x = 0; x < width; x++) {
      let n = 0;
      for (let j = 0; j < Samples; j++)
        for (let i = 0; i < Samples; i++) n += samples[(y * Samples + j) * sw + x * Samples + i];
      if (2 * n >= Samples * Samples) mask[y * width + x] = 1;
    }
  // An island under half a pixel still gets the pixel of its middle, so it can be clicked.
  for (const rings of polygons) {
    if (pixelArea(rings, toPixel) >= 1) continue;
    const outer = rings[0].slice(0, -1);
    let sx = 0, sy = 0;
    for (const p of outer) {
      const [x, y] = toPixel(p);
      sx += x;
      sy += y;
    }
    const x = ((Math.floor(sx / outer.length) % width) + width) % width;
    const y = Math.min(height - 1, Math.max(0, Math.floor(sy / outer.length)));
    mask[y * width + x] = 1;
  }
  return mask;
}

// The zone of a land pixel at its centre or, where the zone data has only sea there (its coast
// differs from Natural Earth's), at four more points inside it; null when none has one.
function zoneOfPixel(x, y, width) {
  const dpp = 360 / width;
  for (const [sx, sy] of [[0.5, 0.5], [0.25, 0.25], [0.75, 0.25], [0.25, 0.75], [0.75, 0.75]]) {
    let lon = West + (x + sx) * dpp;
    if (lon >= 180) lon -= 360;
    const zones = geoTz.find(90 - (y + sy) * dpp, lon).filter((z) => !z.startsWith('Etc/')).sort();
    if (zones.length) return zones[0];
  }
  return null;
}

// Zone names per top-level pixel (null for sea). Land the zone data leaves out takes the zone
// of the nearest land that has one, breadth first in a fixed order.
function topZones(mask, width, height) {
  geoTz.preCache();
  const zones = new Array(width * height).fill(null);
  const queue = [];
  for (let i = 0; i < mask.length; i++) {
    if (!mask[i]) continue;
    zones[i] = zoneOfPixel(i % width, Math.floor(i / width), width);
    if (zones[i]) queue.push(i);
  }
  for (let head = 0; head < queue.length; head++) {
    const i = queue[head];
    const x = i % width;
    const y = (i - x) / width;
    for (const [dx, dy] of [[-1, 0], [1, 0], [0, -1], [0, 1], [-1, -1], [1, -1], [-1, 1], [1, 1]]) {
      const ny = y + dy;
      if (ny < 0 || ny >= height) continue;
      const n = ny * width + ((x + dx + width) % width);
      if (mask[n] && zones[n] === null) {
        zones[n] = zones[i];
        queue.push(n);
      }
    }
  }
  return zones;
}

// A level `factor` times smaller than the top's cells: a pixel is land when half its top-level
// pixels are, or when it holds any land and no neighbour is land so (an island in open sea);
// a land pixel takes the zone most of its land has, the first in the name list among equals.
function reduce(cells, width, height, factor) {
  const w = width / factor;
  const h = height / factor;
  const out = new Uint16Array(w * h).fill(NoZone);
  const landCount = new Uint16Array(w * h);
  const best = new Uint16Array(w * h).fill(NoZone);
  const counts = new Map();
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++) {
      counts.clear();
      for (let j = 0; j < factor; j++)
        for (let i = 0; i < factor; i++) {
          const c = cells[(y * factor + j) * width + x * factor + i];
          if (!(c & LandBit)) continue;
          const zone = c & NoZone;
          counts.set(zone, (counts.get(zone) || 0) + 1);
        }
      let land = 0, zone = NoZone, most = 0;
      for (const [z, n] of counts) {
        land += n;
        if (n > most || (n === most && z < zone)) [zone, most] = [z, n];
      }
      landCount[y * w + x] = land;
      best[y * w + x] = zone;
      if (2 * land >= factor * factor) out[y * w + x] = LandBit | zone;
    }
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++) {
      const i = y * w + x;
      if (!landCount[i] || out[i] & LandBit) continue;
      let alone = true;
      for (let dy = -1; dy <= 1 && alone; dy++)
        for (let dx = -1; dx <= 1; dx++) {
          const ny = y + dy;
          if (ny >= 0 && ny < h && 2 * landCount[ny * w + ((x + dx + w) % w)] >= factor * factor) {
            alone = false;
            break;
          }
        }
      if (alone) out[i] = LandBit | best[i];
    }
  return out;
}

function checksum(bytes, from, to) {
  let hash = 0x811c9dc5;
  for (let i = from; i + 4 <= to; i += 4) hash = Math.imul(hash ^ bytes.readUInt32LE(i), 0x01000193) >>> 0;
  return hash;
}

// Returns { bytes, names, levels: [{ width, height, cells, stored }] }.
export function zoneKey(polygons, log = () => {}) {
  const { width, height } = KeySize(Top);
  const mask = landMask(polygons, width, height);
  const zones = topZones(mask, width, height);
  const names = [...new Set(zones.filter((z) => z !== null))].sort();
  const index = new Map(names.map((n, i) => [n, i]));
  const top = new Uint16Array(width * height).fill(NoZone);
  let unzoned = 0;
  zones.forEach((z, i) => {
    if (!mask[i]) return;
    if (z === null) unzoned++;
    top[i] = LandBit | (z === null ? NoZone : index.get(z));
  });
  if (unzoned) log(`zone key: ${unzoned} land pixels far from any zone keep their longitude's`);

  const levels = [];
  for (let level = 0; level < Levels; level++) {
    const cells = level === Top ? top : reduce(top, width, height, 1 << (Top - level));
    const raw = Buffer.from(cells.buffer, cells.byteOffset, cells.byteLength);
    let stored = raw;
    if (level >= RawLevels) {
      const size = Buffer.alloc(4);
      size.writeUInt32BE(raw.length);
      stored = Buffer.concat([size, Buffer.from(pako.deflate(raw, { level: 9 }))]);
    }
    levels.push({ ...KeySize(level), cells, stored });
  }

  const nameBytes = names.map((n) => Buffer.from(n, 'ascii'));
  const zoneTable = HeaderSize;
  const pool = zoneTable + 4 * names.length;
  const poolSize = nameBytes.reduce((s, b) => s + 1 + b.length, 0);
  const levelTable = pool + Math.ceil(poolSize / 4) * 4;
  let at = levelTable + LevelEntrySize * Levels;
  const checked = at;
  const offsets = levels.map((l) => {
    const o = at;
    at += Math.ceil(l.stored.length / 4) * 4;
    return o;
  });
  const bytes = Buffer.alloc(at);
  bytes.write('OZONEKY1', 0, 'ascii');
  bytes.writeUInt32LE(at, 12);
  bytes.writeUInt32LE(checked, 16);
  bytes.writeUInt32LE(names.length, 20);
  bytes.writeUInt32LE(zoneTable, 24);
  bytes.writeUInt32LE(pool, 28);
  bytes.writeUInt32LE(poolSize, 32);
  bytes.writeUInt32LE(Levels, 36);
  bytes.writeUInt32LE(levelTable, 40);
  bytes.writeInt32LE(Math.round(West * 1e6), 44);
  bytes.writeInt32LE(90e6, 48);
  let p = pool;
  nameBytes.forEach((b, i) => {
    bytes.writeUInt32LE(p - pool, zoneTable + 4 * i);
    bytes[p] = b.length;
    b.copy(bytes, p + 1);
    p += 1 + b.length;
  });
  levels.forEach((l, i) => {
    const e = levelTable + LevelEntrySize * i;
    bytes.writeUInt32LE(l.width, e);
    bytes.writeUInt32LE(l.height, e + 4);
    bytes.writeUInt32LE(offsets[i], e + 8);
    bytes.writeUInt32LE(l.stored.length, e + 12);
    l.stored.copy(bytes, offsets[i]);
  });
  bytes.writeUInt32LE(checksum(bytes, 16, checked), 8);
  log(`zone key: ${names.length} zones, levels ${levels.map((l) => `${l.width}x${l.height} ${l.stored.length} bytes`).join(', ')}`);
  return { bytes, names, levels };
}
