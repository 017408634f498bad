// SPDX-License-Identifier: MIT

// The key colours of the zone picture. This is the program's zone colour table
// (map/colourtables.cpp) as data; tests/map checks every pixel against the program's copy.
const None = null;
const Black = [0, 0, 0];
const Grey = [128, 128, 128];
const Silver = [192, 192, 192];
const White = [255, 255, 255];
const Navy = [0, 0, 128];
const Blue = [0, 0, 255];
const DarkGreen = [0, 128, 0];
const Green = [0, 255, 0];
const Maroon = [128, 0, 0];
const Red = [255, 0, 0];
const Purple = [128, 0, 128];
const Magenta = [255, 0, 255];
const Yellow = [255, 255, 0];
const Teal = [0, 128, 128];
const Cyan = [0, 255, 255];

// [offset, sea colour, land colour]
export const ZoneColours = [
  [-12, DarkGreen, None], [-11, Black, Grey], [-10, White, Silver],
  [-9.5, None, Navy], [-9, Yellow, Navy], [-8.5, None, None],
  [-8, Green, Magenta], [-7, Red, Cyan], [-6, Blue, Grey],
  [-5, Black, Purple], [-4, White, Navy], [-3.5, None, DarkGreen],
  [-3, Yellow, Silver], [-2, Green, None], [-1, Red, Teal],
  [0, Blue, Cyan], [1, Black, Grey], [2, White, DarkGreen],
  [3, Yellow, Purple], [3.5, None, Silver], [4, Green, Navy],
  [4.5, None, Cyan], [5, Red, Teal], [5.5, None, Magenta],
  [5.75, None, Yellow], [6, Blue, Maroon], [6.5, None, Silver],
  [7, Black, DarkGreen], [8, White, Grey], [9, Yellow, Navy],
  [9.5, None, Teal], [10, Green, Silver], [10.5, None, None],
  [11, Red, Magenta], [11.5, None, Purple], [12, Blue, Cyan],
  [12.75, None, None], [13, Yellow, Maroon], [14, Green, Teal],
];

export function seaColour(offset) {
  const row = ZoneColours.find((r) => r[0] === offset);
  return row ? row[1] : null;
}

export function landColour(offset) {
  const row = ZoneColours.find((r) => r[0] === offset);
  return row ? row[2] : null;
}

export const isTableOffset = (offset) => ZoneColours.some((r) => r[0] === offset);

// The sea stripes: first column of each stripe from west to east. Column 0 is 172.5 degrees
// west; one hour is 357 / 24 columns, but the stripes were laid out by hand and no rounding
// rule gives exactly these widths, so they are kept as a list.
export const Stripes = [
  [-11, 0], [-10, 16], [-9, 31], [-8, 46], [-7, 60], [-6, 75], [-5, 90], [-4, 105],
  [-3, 120], [-2, 135], [-1, 149], [0, 164], [1, 179], [2, 193], [3, 208], [4, 223],
  [5, 238], [6, 253], [7, 268], [8, 283], [9, 297], [10, 311], [11, 326], [12, 341],
  [-12, 349],
];

export function stripeOffset(column) {
  let offset = Stripes[0][0];
  for (const [o, first] of Stripes) if (column >= first) offset = o;
  return offset;
}
