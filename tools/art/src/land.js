// SPDX-License-Identifier: MIT

// Land polygons of Natural Earth, made flat: rings are unwrapped across the date line and
// rings around a pole are closed through it, so that an even-odd scanline fill in plain
// longitude/latitude gives the right land everywhere.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { feature } from 'topojson-client';

const require = createRequire(import.meta.url);

export function loadLand(resolution = '50m') {
  const path = require.resolve(`world-atlas/land-${resolution}.json`);
  const topology = JSON.parse(fs.readFileSync(path, 'utf8'));
  const land = feature(topology, topology.objects.land);
  const polygons = [];
  for (const f of land.features) {
    const g = f.geometry;
    const list = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
    for (const rings of list) polygons.push(rings.map(flattenRing));
  }
  return polygons;
}

// Consecutive points more than 180 degrees apart crossed the date line: carry on past +-180.
// A ring whose longitude then ends a whole turn away from its start goes round a pole; it is
// closed along the pole's latitude so the plane sees the cap it encloses.
function flattenRing(ring) {
  const out = [];
  let shift = 0;
  let prev = ring[0][0];
  let latSum = 0;
  for (const [lon, lat] of ring) {
    if (lon - prev > 180) shift -= 360;
    else if (prev - lon > 180) shift += 360;
    prev = lon;
    out.push([lon + shift, lat]);
    latSum += lat;
  }
  const turn = out[out.length - 1][0] - out[0][0];
  if (Math.abs(turn) > 180) {
    const pole = latSum < 0 ? -90 : 90;
    out.push([out[out.length - 1][0], pole], [out[0][0], pole], out[0]);
  }
  return out;
}

// Fills `mask` (width*height bytes, row-major) with 1 where a sample point lies on land.
// toPixel maps [lon, lat] to fractional [x, y]; `period` is one turn of longitude in columns
// (0: no wrapping): each polygon is also drawn whole turns east and west where that meets the
// picture. Sample (i, j) sits at the point (i + 0.5, j + 0.5).
export function rasterise(polygons, width, height, toPixel, period = 0) {
  const mask = new Uint8Array(width * height);
  for (const rings of polygons) {
    const pixelRings = rings.map((r) => r.map(toPixel));
    let minX = Infinity, maxX = -Infinity, minY = Infinity, maxY = -Infinity;
    for (const r of pixelRings)
      for (const [x, y] of r) {
        minX = Math.min(minX, x); maxX = Math.max(maxX, x);
        minY = Math.min(minY, y); maxY = Math.max(maxY, y);
      }
    const shifts = [0];
    if (period) {
      shifts.length = 0;
      for (let k = -2; k <= 2; k++)
        if (maxX + k * period >= 0 && minX + k * period < width) shifts.push(k * period);
    }
    const j0 = Math.max(0, Math.floor(minY - 0.5));
    const j1 = Math.min(height - 1, Math.ceil(maxY));
    for (let j = j0; j <= j1; j++) {
      const sy = j + 0.5;
      const xs = [];
      for (const r of pixelRings)
        for (let k = 0; k + 1 < r.length; k++) {
          const [xa, ya] = r[k];
          const [xb, yb] = r[k + 1];
          if ((ya <= sy && yb > sy) || (yb <= sy && ya > sy))
            xs.push(xa + ((sy - ya) / (yb - ya)) * (xb - xa));
        }
      xs.sort((a, b) => a - b);
      for (let k = 0; k + 1 < xs.length; k += 2)
        for (const s of shifts) {
          const from = Math.max(0, Math.ceil(xs[k] + s - 0.5));
          const to = Math.min(width - 1, Math.floor(xs[k + 1] + s - 0.5));
          for (let i = from; i <= to; i++) mask[j * width + i] = 1;
        }
    }
  }
  return mask;
}

// Area of a polygon (outer ring minus holes) in the units of toPixel.
export function pixelArea(rings, toPixel) {
  let area = 0;
  rings.forEach((ring, n) => {
    let a = 0;
    const p = ring.map(toPixel);
    for (let k = 0; k + 1 < p.length; k++) a += p[k][0] * p[k + 1][1] - p[k + 1][0] * p[k][1];
    area += (n === 0 ? 1 : -1) * Math.abs(a / 2);
  });
  return area;
}

// Natural Earth land as GeoJSON, as stored (rings cut nowhere; for spherical drawing).
export function loadLandFeature(resolution = '50m') {
  const path = require.resolve(`world-atlas/land-${resolution}.json`);
  const topology = JSON.parse(fs.readFileSync(path, 'utf8'));
  return feature(topology, topology.objects.land);
}
