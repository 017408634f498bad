// SPDX-License-Identifier: MIT

// The country table's zone key picture, 357 x 178, equirectangular with
// column 0 at 172.5 degrees west and the rows from the arctic sea down to Antarctica.
import { createRequire } from 'node:module';
import { rasterise, pixelArea } from './land.js';
import { landColour, seaColour, stripeOffset, isTableOffset, ZoneColours } from './zonetable.js';
import { tableOffset } from './offsets.js';

const require = createRequire(import.meta.url);
const { find } = require('geo-tz/all');

export const Width = 357;
export const Height = 178;
const DegreesPerPixel = 360 / Width; // rows at the columns' scale, from 90 degrees north
const West = -172.5;
const Samples = 4; // per pixel and axis
const LandCoverage = 0.5; // share of samples on land that makes a pixel land
const SmallestIsland = 0.008; // in pixels: smaller islands are left out
const AntarcticLatitude = -60; // south of this, land follows the stripe of its column

const toSample = ([lon, lat]) => [
  ((lon - West) / DegreesPerPixel) * Samples,
  ((90 - lat) / DegreesPerPixel) * Samples,
];
const toPixel = ([lon, lat]) => [(lon - West) / DegreesPerPixel, (90 - lat) / DegreesPerPixel];

export function pixelCentre(x, y, sx = 0.5, sy = 0.5) {
  let lon = West + (x + sx) * DegreesPerPixel;
  if (lon >= 180) lon -= 360;
  return [lon, 90 - (y + sy) * DegreesPerPixel];
}

// 1 for land, 0 for sea, per pixel.
export function landMask(polygons) {
  const sw = Width * Samples;
  const sh = Height * Samples;
  const samples = rasterise(polygons, sw, sh, toSample, sw);
  const mask = new Uint8Array(Width * Height);
  for (let y = 0; y < Height; y++)
    for (let x = 0; x < Width; x++) {
      let n = 0;
      for (let j = 0; j < Samples; j++)
        for (let i = 0; i < Samples; i++)
          n += samples[(y * Samples + j) * sw + x * Samples + i];
      if (n >= LandCoverage * Samples * Samples) mask[y * Width + x] = 1;
    }
  // Islands too small to cover half a pixel still get the pixel of their middle, so that the
  // places of the country list that are islands in the open sea can be found and clicked.
  for (const rings of polygons) {
    const area = pixelArea(rings, toPixel);
    if (area < SmallestIsland || area >= 1) continue;
    const outer = rings[0];
    let sx = 0, sy = 0;
    for (const p of outer.slice(0, -1)) {
      const [x, y] = toPixel(p);
      sx += x;
      sy += y;
    }
    const n = outer.length - 1;
    const x = ((Math.floor(sx / n) % Width) + Width) % Width;
    const y = Math.min(Height - 1, Math.max(0, Math.floor(sy / n)));
    mask[y * Width + x] = 1;
  }
  return mask;
}

// The zone of a land pixel, looked up at its centre and, where the zone data has only sea
// there (its coast differs from Natural Earth's), at a few more points inside the pixel.
function zoneAt(x, y) {
  for (const [sx, sy] of [[0.5, 0.5], [0.25, 0.25], [0.75, 0.25], [0.25, 0.75], [0.75, 0.75]]) {
    const [lon, lat] = pixelCentre(x, y, sx, sy);
    const zones = find(lat, lon).filter((z) => !z.startsWith('Etc/')).sort();
    if (zones.length) return zones[0];
  }
  return null;
}

// The table offset whose land colour a place of this standard offset takes: the offset itself
// when the table has it, otherwise the nearest offset that has land.
function keyOffset(offset) {
  if (isTableOffset(offset)) return offset;
  let best = null;
  for (const [o, , land] of ZoneColours)
    if (land && (best === null || Math.abs(o - offset) < Math.abs(best - offset))) best = o;
  return best;
}

// The offset of Antarctic land in a column: its stripe's, or where that offset has no land
// colour (-12, -2) the nearest stripe's that has one, so that the land never takes the sea key.
function antarcticOffset(column) {
  for (let d = 0; d < Width; d++)
    for (const x of [column - d, column + d]) {
      const offset = stripeOffset((x + Width) % Width);
      if (landColour(offset)) return offset;
    }
  return null;
}

// Returns { pixels: [r,g,b] per pixel, offsets: key offset per land pixel (null for sea),
// zones: Map zone -> count } for reporting. offsetOf gives a zone's offset: by default the
// country table's, or standardOffset for the zones as they are today.
export function zonePicture(mask, log = () => {}, offsetOf = tableOffset) {
  const n = Width * Height;
  const offsets = new Array(n).fill(null);
  const zones = new Map();
  const unresolved = [];
  for (let y = 0; y < Height; y++)
    for (let x = 0; x < Width; x++) {
      const i = y * Width + x;
      if (!mask[i]) continue;
      if (pixelCentre(x, y)[1] < AntarcticLatitude) {
        offsets[i] = antarcticOffset(x);
        continue;
      }
      const zone = zoneAt(x, y);
      if (!zone) {
        unresolved.push(i);
        continue;
      }
      zones.set(zone, (zones.get(zone) || 0) + 1);
      offsets[i] = keyOffset(offsetOf(zone));
    }
  // Land the zone data leaves out (spits, new islands) takes the zone of the nearest land
  // pixel that has one, growing outwards ring by ring in a fixed order.
  let pending = unresolved;
  while (pending.length) {
    const next = [];
    const found = [];
    for (const i of pending) {
      const x = i % Width;
      const y = (i - x) / Width;
      let offset = null;
      for (const [dx, dy] of [[-1, 0], [1, 0], [0, -1], [0, 1], [-1, -1], [1, -1], [-1, 1], [1, 1]]) {
        const nx = (x + dx + Width) % Width;
        const ny = y + dy;
        if (ny < 0 || ny >= Height) continue;
        const o = offsets[ny * Width + nx];
        if (o !== null) { offset = o; break; }
      }
      if (offset === null) next.push(i);
      else found.push([i, offset]);
    }
    if (!found.length) {
      // An island far from any zone: it follows its column's stripe.
      for (const i of next) found.push([i, stripeOffset(i % Width)]);
      next.length = 0;
    }
    for (const [i, o] of found) offsets[i] = o;
    log(`filled ${found.length} land pixels from neighbours`);
    pending = next;
  }
  const pixels = new Array(n);
  for (let y = 0; y < Height; y++)
    for (let x = 0; x < Width; x++) {
      const i = y * Width + x;
      const stripe = seaColour(stripeOffset(x));
      // Offsets without a land colour keep no land: their places show as the sea around them.
      pixels[i] = (mask[i] && landColour(offsets[i])) || stripe;
    }
  return { pixels, offsets, zones };
}
