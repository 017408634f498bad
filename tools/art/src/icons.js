// SPDX-License-Identifier: MIT

// The application icon: the globe, seen over Europe and Africa, with clock hands at ten past
// ten. Small sizes (the notification area) get a plainer drawing with heavier lines.
import { createRequire } from 'node:module';
import { geoOrthographic, geoPath, geoGraticule10 } from 'd3-geo';
import { loadLandFeature } from './land.js';

const require = createRequire(import.meta.url);
const { Resvg } = require('@resvg/resvg-js');

export const IconSizes = [16, 22, 24, 32, 48, 64, 128, 256];
const SmallestDetailed = 48;

const Ink = '#0d2440';

function hand(angleDeg, length, width, cx, cy) {
  const a = ((angleDeg - 90) * Math.PI) / 180;
  const x = (cx + Math.cos(a) * length).toFixed(2);
  const y = (cy + Math.sin(a) * length).toFixed(2);
  return { x, y, width };
}

// The icon as SVG on a 256 x 256 canvas.
export function iconSvg(detailed) {
  const c = 128;
  const r = detailed ? 112 : 120;
  const projection = geoOrthographic().scale(r).translate([c, c]).rotate([-12, -22]).clipAngle(90);
  const path = geoPath(projection).digits(1);
  const land = path(loadLandFeature('110m'));
  const rim = detailed ? 7 : 14;
  const parts = [];
  parts.push(`<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">`);
  parts.push(`<title>Orbiclock</title>`);
  parts.push(`<defs><radialGradient id="sea" cx="0.38" cy="0.34" r="0.75">` +
    `<stop offset="0" stop-color="#4f9be8"/><stop offset="0.7" stop-color="#1d5fb4"/>` +
    `<stop offset="1" stop-color="#0e3a7a"/></radialGradient>` +
    `<radialGradient id="shine" cx="0.35" cy="0.3" r="0.6">` +
    `<stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/>` +
    `<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>` +
    `<clipPath id="disc"><circle cx="${c}" cy="${c}" r="${r}"/></clipPath></defs>`);
  parts.push(`<circle cx="${c}" cy="${c}" r="${r}" fill="url(#sea)"/>`);
  parts.push(`<g clip-path="url(#disc)">`);
  if (detailed)
    parts.push(`<path d="${path(geoGraticule10())}" fill="none" stroke="#ffffff" stroke-opacity="0.22" stroke-width="1.2"/>`);
  parts.push(`<path d="${land}" fill="#43a047" stroke="#1b5e20" stroke-width="${detailed ? 1.5 : 3}" stroke-linejoin="round"/>`);
  parts.push(`<circle cx="${c}" cy="${c}" r="${r}" fill="url(#shine)"/>`);
  parts.push(`</g>`);
  // The dial: hour marks inside the rim, the four quarters longer.
  if (detailed) {
    for (let h = 0; h < 12; h++) {
      const a = ((h * 30 - 90) * Math.PI) / 180;
      const outer = r - 8;
      const inner = h % 3 === 0 ? r - 26 : r - 18;
      const w = h % 3 === 0 ? 7 : 4;
      const p = (d) => [(c + Math.cos(a) * d).toFixed(2), (c + Math.sin(a) * d).toFixed(2)];
      const [x1, y1] = p(inner);
      const [x2, y2] = p(outer);
      parts.push(`<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" stroke="${Ink}" stroke-width="${w + 3}" stroke-linecap="round"/>`);
      parts.push(`<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" stroke="#ffffff" stroke-width="${w}" stroke-linecap="round"/>`);
    }
  }
  parts.push(`<circle cx="${c}" cy="${c}" r="${r}" fill="none" stroke="${Ink}" stroke-width="${rim}"/>`);
  // Hands at ten past ten, white with a dark edge so they read on sea and land alike.
  const hands = detailed
    ? [hand(305, r * 0.5, 14, c, c), hand(60, r * 0.78, 10, c, c)]
    : [hand(305, r * 0.52, 30, c, c), hand(60, r * 0.8, 24, c, c)];
  const edge = detailed ? 6 : 12;
  for (const h of hands)
    parts.push(`<line x1="${c}" y1="${c}" x2="${h.x}" y2="${h.y}" stroke="${Ink}" stroke-width="${h.width + edge}" stroke-linecap="round"/>`);
  for (const h of hands)
    parts.push(`<line x1="${c}" y1="${c}" x2="${h.x}" y2="${h.y}" stroke="#ffffff" stroke-width="${h.width}" stroke-linecap="round"/>`);
  parts.push(`<circle cx="${c}" cy="${c}" r="${detailed ? 11 : 20}" fill="#d32f2f" stroke="${Ink}" stroke-width="${detailed ? 4 : 8}"/>`);
  parts.push(`</svg>`);
  return parts.join('\n') + '\n';
}

export function renderIcon(svg, size) {
  const resvg = new Resvg(svg, { fitTo: { mode: 'width', value: size }, font: { loadSystemFonts: false } });
  return resvg.render().asPng();
}

export function iconFiles() {
  const detailed = iconSvg(true);
  const plain = iconSvg(false);
  const files = { 'icons/orbiclock.svg': Buffer.from(detailed, 'utf8') };
  for (const size of IconSizes)
    files[`icons/orbiclock-${size}.png`] = renderIcon(size >= SmallestDetailed ? detailed : plain, size);
  return files;
}
