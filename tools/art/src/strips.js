// SPDX-License-Identifier: MIT

// The country tree's picture strips: one per land colour, 19 pictures of 24 x 16 on white
// (white is transparent), and each again at twice the size for screens of a higher pixel ratio,
// drawn from the same shapes at that resolution so that it stays sharp. 0-7 outline maps of the regions, 8-15 the same opened (rays from the
// centre), 16 an island (no daylight saving), 17 with a grey sun (daylight saving, not now),
// 18 hatched under a yellow sun (daylight saving now).
import { rasterise } from './land.js';

export const W = 24;
export const H = 16;
const W1 = W;
const H1 = H;
export const Count = 19;

const White = [255, 255, 255];
const LightGrey = [192, 192, 192];
const Yellow = [255, 255, 0];

// The land colours in menu order: the dark and the light shade; White draws in silver only.
export const Shades = [
  [[0, 0, 0], [128, 128, 128]],
  [[0, 0, 128], [0, 0, 255]],
  [[0, 128, 0], [0, 255, 0]],
  [[128, 0, 0], [255, 0, 0]],
  [[128, 0, 128], [255, 0, 255]],
  [[128, 128, 0], [255, 255, 0]],
  [[0, 128, 128], [0, 255, 255]],
  [[192, 192, 192], null],
];

// The regions in the order of the region table, each as the longitudes and latitudes it shows.
const Regions = [
  // Europe without the coast of Africa.
  { name: 'Europe', west: -11, east: 41, south: 35, north: 71,
    keep: (lon, lat) => lat > 37.3 || (lat > 35.9 && (lon < -2 || lon > 12)) },
  // Africa without Europe, the Levant and Arabia (east of a line down the Red Sea).
  { name: 'Africa', west: -19, east: 53, south: -36, north: 38,
    keep: (lon, lat) => lat < 37.4 && !(lat > 31.4 && lon > 34) &&
      !(lat > 12.4 && lon > 35 + (28 - lat) * 0.52) },
  { name: 'Asia (exc SE Asia)', west: 26, east: 180, south: 4, north: 78 },
  { name: 'SE Asia', west: 92, east: 142, south: -11, north: 24 },
  { name: 'North America', west: -168, east: -52, south: 14, north: 72 },
  // Without the north coast of South America.
  { name: 'Central America & West Indies', west: -118, east: -59, south: 6, north: 33,
    keep: (lon, lat) => !(lon > -77.2 && lat < 12.3) },
  { name: 'South America', west: -82, east: -34, south: -56, north: 13 },
  { name: 'Oceania', west: 110, east: 180, south: -48, north: 0 },
];

const Samples = 6;
const Coverage = 0.4;

// 1 where a region's picture shows land: the region's box, drawn with the scale of its middle
// latitude, fitted into the picture with a (small) pixel to spare on each side and centred. The
// picture is s times the small size both ways.
function regionMask(polygons, r, s) {
  const W = s * W1;
  const H = s * H1;
  const k = Math.cos((((r.north + r.south) / 2) * Math.PI) / 180);
  const spanX = (r.east - r.west) * k;
  const spanY = r.north - r.south;
  const scale = s * Math.min((W1 - 2) / spanX, (H1 - 2) / spanY);
  const offX = (W - spanX * scale) / 2;
  const offY = (H - spanY * scale) / 2;
  const toSample = ([lon, lat]) => [
    (offX + (lon - r.west) * k * scale) * Samples,
    (offY + (r.north - lat) * scale) * Samples,
  ];
  // Land rings continue past the date line, so the box is also tried a turn east and west.
  const samples = rasterise(polygons, W * Samples, H * Samples, toSample, 360 * k * scale * Samples);
  if (r.keep)
    for (let j = 0; j < H * Samples; j++)
      for (let i = 0; i < W * Samples; i++) {
        const lon = r.west + ((i + 0.5) / Samples - offX) / (k * scale);
        const lat = r.north - ((j + 0.5) / Samples - offY) / scale;
        if (!r.keep(lon, lat)) samples[j * W * Samples + i] = 0;
      }
  const mask = new Uint8Array(W * H);
  for (let y = 0; y < H; y++)
    for (let x = 0; x < W; x++) {
      let n = 0;
      for (let j = 0; j < Samples; j++)
        for (let i = 0; i < Samples; i++) n += samples[(y * Samples + j) * W * Samples + x * Samples + i];
      mask[y * W + x] = n >= Coverage * Samples * Samples ? 1 : 0;
    }
  return mask;
}

// Pictures are drawn as codes per pixel: 0 white, 1 dark, 2 light, 3 light with no fill in the
// White strip (rays, hatching: silver there), 4 grey sun, 5 yellow sun. The outline is s pixels
// wide so that it keeps its weight at every size.
function mapPicture(mask, s) {
  const W = s * W1;
  const H = s * H1;
  const codes = new Uint8Array(W * H);
  const land = (x, y) => x >= 0 && y >= 0 && x < W && y < H && mask[y * W + x];
  for (let y = 0; y < H; y++)
    for (let x = 0; x < W; x++) {
      if (!land(x, y)) continue;
      let edge = false;
      for (let d = 1; d <= s && !edge; d++)
        edge = !land(x - d, y) || !land(x + d, y) || !land(x, y - d) || !land(x, y + d);
      codes[y * W + x] = edge ? 1 : 2;
    }
  return codes;
}

// The opened look: rays from the centre towards the corners and the middles of the sides,
// drawn on the sea only and kept a pixel inside the picture so that neighbours never touch.
// Rays are worked out at the small size and drawn s pixels thick.
function openedPicture(codes, s) {
  const W = s * W1;
  const out = Uint8Array.from(codes);
  const cx = (W1 - 1) / 2;
  const cy = (H1 - 1) / 2;
  const ends = [[0, 0], [cx, 0], [W1 - 1, 0], [W1 - 1, cy], [W1 - 1, H1 - 1], [cx, H1 - 1], [0, H1 - 1], [0, cy]];
  for (const [ex, ey] of ends) {
    const tx = Math.min(W1 - 2, Math.max(1, ex));
    const ty = Math.min(H1 - 2, Math.max(1, ey));
    const steps = 64 * s;
    for (let t = 16 * s; t <= steps; t++) {
      // The s x s square centred on the ray's point; at s = 1 the pixel it falls in.
      const x0 = Math.floor((cx + ((tx - cx) * t) / steps + 0.5) * s - s / 2 + 0.5);
      const y0 = Math.floor((cy + ((ty - cy) * t) / steps + 0.5) * s - s / 2 + 0.5);
      for (let j = 0; j < s; j++)
        for (let i = 0; i < s; i++) {
          const at = (y0 + j) * W + x0 + i;
          if (!out[at]) out[at] = 3;
        }
    }
  }
  return out;
}

// D outline, L fill, F palm leaves.
const Island = [
  '........................',
  '......FFF.FFF...........',
  '....FF...FF..FF.........',
  '...F.....D.....F........',
  '.........D..............',
  '........D...............',
  '........D...............',
  '.......D................',
  '.......D................',
  '....DDDDDDDDDD..........',
  '..DDLLLLLLLLLLDD........',
  '.DLLLLLLLLLLLLLLD.......',
  '.DLLLLLLLLLLLLLLD.......',
  '..DDLLLLLLLLLLDD........',
  '....DDDDDDDDDD..........',
  '........................',
];

// At s times the size the island's cells become s x s blocks, while the hatching keeps its
// spacing in small pixels and the sun's disc is rounded at the finer pixels.
function islandPicture(sun, hatched, s) {
  const W = s * W1;
  const H = s * H1;
  const codes = new Uint8Array(W * H);
  for (let y = 0; y < H; y++)
    for (let x = 0; x < W; x++) {
      const c = Island[Math.floor(y / s)][Math.floor(x / s)];
      if (c === 'D') codes[y * W + x] = 1;
      else if (c === 'F') codes[y * W + x] = 3;
      else if (c === 'L') codes[y * W + x] = hatched ? ((x + y) % (3 * s) < s ? 3 : 0) : 2;
    }
  if (sun) {
    const cx = 19;
    const cy = 4;
    const code = sun === 'grey' ? 4 : 5;
    for (let y = 0; y < H; y++)
      for (let x = 0; x < W; x++) {
        const d2 = ((x + 0.5) / s - 0.5 - cx) ** 2 + ((y + 0.5) / s - 0.5 - cy) ** 2;
        if (d2 <= 4.5) codes[y * W + x] = code;
      }
    for (const [dx, dy] of [[0, -4], [0, 4], [-4, 0], [4, 0], [-3, -3], [3, -3], [-3, 3], [3, 3]])
      for (let j = 0; j < s; j++)
        for (let i = 0; i < s; i++) codes[((cy + dy) * s + j) * W + (cx + dx) * s + i] = code;
  }
  return codes;
}

// The 19 pictures at s times the small size (1 or 2).
export function stripPictures(polygons, s = 1) {
  const maps = Regions.map((r) => mapPicture(regionMask(polygons, r, s), s));
  return [
    ...maps,
    ...maps.map((codes) => openedPicture(codes, s)),
    islandPicture(null, false, s),
    islandPicture('grey', false, s),
    islandPicture('yellow', true, s),
  ];
}

// The strip of one land colour as [r, g, b] per pixel, 456 x 16 at s = 1.
export function stripPixels(pictures, landColour, s = 1) {
  const W = s * W1;
  const H = s * H1;
  const [dark, light] = Shades[landColour];
  const palette = [White, dark, light || White, light || dark, LightGrey, Yellow];
  const width = W * Count;
  const pixels = new Array(width * H);
  pictures.forEach((codes, n) => {
    for (let y = 0; y < H; y++)
      for (let x = 0; x < W; x++) pixels[y * width + n * W + x] = palette[codes[y * W + x]];
  });
  return pixels;
}
