// SPDX-License-Identifier: MIT

// Draws every picture of Orbiclock and writes its city index into the given resource folder
// (default ../../res).
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadLand } from './land.js';
import { encodePaletted, encodeRgba } from './png.js';
import { iconFiles } from './icons.js';
import { cursorRgba, Size as CursorSize } from './cursor.js';
import { Width, Height, landMask, zonePicture } from './worldmap.js';
import { citiesResource } from './cities.js';
import { zoneKey } from './zonekey.js';
import { stripPictures, stripPixels, Shades, W as StripImageWidth, H as StripHeight, Count as StripCount } from './strips.js';

const here = path.dirname(fileURLToPath(import.meta.url));

export function build(outDir, { quiet = false } = {}) {
  const log = quiet ? () => {} : (...a) => console.log(...a);
  const write = (rel, bytes) => {
    const file = path.join(outDir, rel);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, bytes);
    log(`wrote ${rel} (${bytes.length} bytes)`);
  };

  // The country table's zone key. The map's land, and the key of the time-zone database's mode,
  // come from the zone key by zone name below.
  const land = loadLand('50m');
  const zones = zonePicture(landMask(land), log);
  write('images/zones.png', encodePaletted(Width, Height, zones.pixels));

  // The tree's strips, and each at twice the size for a pixel ratio above 1.
  for (const [scale, suffix] of [[1, ''], [2, '@2x']]) {
    const pictures = stripPictures(land, scale);
    Shades.forEach((_, i) =>
      write(`images/treestrip${i}${suffix}.png`,
        encodePaletted(scale * StripImageWidth * StripCount, scale * StripHeight,
          stripPixels(pictures, i, scale))));
  }

  for (const [rel, bytes] of Object.entries(iconFiles())) write(rel, bytes);
  write('cursors/hand.png', encodeRgba(CursorSize, CursorSize, cursorRgba()));
  write('data/cities.bin', citiesResource());
  // The zone key by zone name at four levels of detail, from the finer land data.
  write('data/zonekey.bin', zoneKey(loadLand('10m'), log).bytes);
  return zones;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const outDir = path.resolve(process.argv[2] || path.join(here, '../../../res'));
  build(outDir);
}
