// SPDX-License-Identifier: MIT

// The pointing hand: 32 x 32, black outline, white hand, transparent elsewhere; the hot spot
// (9, 3) is the top of the fingertip.
export const HotSpot = [9, 3];

const Hand = [
  '',
  '',
  '',
  '........BBB',
  '.......BWWWB',
  '.......BWWWB',
  '.......BWWWB',
  '.......BWWWB',
  '.......BWWWBBB',
  '.......BWWWBWWBBB',
  '.......BWWWBWWBWWBBB',
  '.......BWWWBWWBWWBWWB',
  '...BB..BWWWBWWBWWBWWB',
  '..BWWB.BWWWWWWWWWWWWB',
  '..BWWWBBWWWWWWWWWWWWB',
  '...BWWWBWWWWWWWWWWWWB',
  '....BWWWWWWWWWWWWWWWB',
  '.....BWWWWWWWWWWWWWWB',
  '.....BWWWWWWWWWWWWWB',
  '......BWWWWWWWWWWWWB',
  '......BWWWWWWWWWWWB',
  '.......BWWWWWWWWWWB',
  '.......BWWWWWWWWWWB',
  '.......BBBBBBBBBBBB',
];

export const Size = 32;

// RGBA bytes, 32 x 32.
export function cursorRgba() {
  const rgba = new Uint8Array(Size * Size * 4);
  Hand.forEach((row, y) =>
    [...row].forEach((c, x) => {
      if (c === '.') return;
      const v = c === 'W' ? 255 : 0;
      rgba.set([v, v, v, 255], (y * Size + x) * 4);
    }));
  return rgba;
}
