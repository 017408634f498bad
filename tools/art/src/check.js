// SPDX-License-Identifier: MIT

// Draws every picture and writes the city index twice into temporary folders and compares both
// runs with each other and with the files committed under res/: the output must not depend on
// the run.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { build } from './main.js';
import { cityNamesInc } from './citynames.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const committed = path.resolve(here, '../../../res');

function listFiles(dir, base = dir) {
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((e) =>
    e.isDirectory() ? listFiles(path.join(dir, e.name), base) : [path.relative(base, path.join(dir, e.name))]);
}

const runs = [1, 2].map((n) => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), `orbiclock-art-${n}-`));
  build(dir, { quiet: true });
  return dir;
});

let failures = 0;
for (const file of listFiles(runs[0]).sort()) {
  const first = fs.readFileSync(path.join(runs[0], file));
  const second = fs.readFileSync(path.join(runs[1], file));
  const inRes = path.join(committed, file);
  let verdict = 'same';
  if (!first.equals(second)) verdict = 'DIFFERS BETWEEN RUNS';
  else if (!fs.existsSync(inRes)) verdict = 'MISSING FROM res/';
  else if (!first.equals(fs.readFileSync(inRes))) verdict = 'DIFFERS FROM res/';
  if (verdict !== 'same') failures++;
  console.log(`${verdict.padEnd(22)} ${file}`);
}
// The local city names, from the committed index.
const names = cityNamesInc(fs.readFileSync(path.join(committed, 'data', 'cities.bin')));
const namesFile = path.resolve(committed, '../zones/citynames.inc');
const namesVerdict = names === fs.readFileSync(namesFile, 'utf8') ? 'same' : 'DIFFERS FROM zones/';
if (namesVerdict !== 'same') failures++;
console.log(`${namesVerdict.padEnd(22)} zones/citynames.inc`);
for (const dir of runs) fs.rmSync(dir, { recursive: true });
if (failures) {
  console.error(`${failures} file(s) not reproduced`);
  process.exit(1);
}
console.log('every file reproduced exactly');
