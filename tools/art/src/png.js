// SPDX-License-Identifier: MIT

// A small PNG writer. Compression is done by pako (pure JavaScript), not by the zlib built
// into Node, whose output may depend on the CPU it runs on: the same input must always give
// the same bytes.
import pako from 'pako';

const crcTable = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const out = Buffer.alloc(12 + data.length);
  out.writeUInt32BE(data.length, 0);
  out.write(type, 4, 'latin1');
  Buffer.from(data).copy(out, 8);
  out.writeUInt32BE(crc32(out.subarray(4, 8 + data.length)), 8 + data.length);
  return out;
}

function header(width, height, bitDepth, colourType) {
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(width, 0);
  ihdr.writeUInt32BE(height, 4);
  ihdr[8] = bitDepth;
  ihdr[9] = colourType;
  return ihdr; // compression, filter and interlace stay 0
}

const signature = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);

function compress(rows) {
  return pako.deflate(Buffer.concat(rows), { level: 9 });
}

// An 8-bit palette image. `indices` is width*height palette positions; `palette` a list of
// [r, g, b]. Every row uses filter 0, which keeps flat areas well compressed anyway.
export function encodeIndexed(width, height, indices, palette) {
  if (palette.length > 256) throw new Error('palette too large');
  const rows = [];
  for (let y = 0; y < height; y++) {
    const row = Buffer.alloc(1 + width);
    for (let x = 0; x < width; x++) row[1 + x] = indices[y * width + x];
    rows.push(row);
  }
  const plte = Buffer.alloc(palette.length * 3);
  palette.forEach(([r, g, b], i) => plte.set([r, g, b], i * 3));
  return Buffer.concat([
    signature,
    chunk('IHDR', header(width, height, 8, 3)),
    chunk('PLTE', plte),
    chunk('IDAT', compress(rows)),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

// An image given as [r, g, b] per pixel, written with the smallest palette that holds its
// colours (in order of first appearance, so the file only depends on the pixels).
export function encodePaletted(width, height, pixels) {
  const palette = [];
  const positions = new Map();
  const indices = new Uint8Array(width * height);
  pixels.forEach((rgb, i) => {
    const key = rgb.join(',');
    if (!positions.has(key)) {
      positions.set(key, palette.length);
      palette.push(rgb);
    }
    indices[i] = positions.get(key);
  });
  return encodeIndexed(width, height, indices, palette);
}

// 8-bit RGBA, straight (not premultiplied) alpha, filter 0 per row.
export function encodeRgba(width, height, rgba) {
  const rows = [];
  for (let y = 0; y < height; y++) {
    const row = Buffer.alloc(1 + width * 4);
    Buffer.from(rgba.buffer, rgba.byteOffset + y * width * 4, width * 4).copy(row, 1);
    rows.push(row);
  }
  return Buffer.concat([
    signature,
    chunk('IHDR', header(width, height, 8, 6)),
    chunk('IDAT', compress(rows)),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}
