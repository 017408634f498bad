// Draws every picture of Orbiclock into the given resource folder (default ../../res).
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadLand } from './land.js';
import { encodeIndexed, encodePaletted } from './png.js';
import { Width, Height, LandRgb, SeaRgb, landMask, zonePicture } from './worldmap.js';

const here = path.dirname(fileURLToPath(import.meta.url));

export function build(outDir, { quiet = false } = {}) {
  const log = quiet ? () => {} : (...a) => console.log(...a);
  const write = (rel, bytes) => {
    const file = path.join(outDir, rel);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, bytes);
    log(`wrote ${rel} (${bytes.length} bytes)`);
  };

  const land = loadLand('50m');
  const mask = landMask(land);
  write('images/map.png', encodeIndexed(Width, Height, mask.map((m) => (m ? 0 : 1)), [LandRgb, SeaRgb]));

  const zones = zonePicture(mask, log);
  write('images/zones.png', encodePaletted(Width, Height, zones.pixels));
  return zones;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const outDir = path.resolve(process.argv[2] || path.join(here, '../../../res'));
  build(outDir);
}
