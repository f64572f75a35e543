// The software view's geometry: whole-degree rotation tables, the
// perspective projection and the box's edges and axes, in single precision
// as the desktop computes them, so that the page shows the desktop's picture.
// Plain functions, no DOM: the view draws with them and tests call them.
const f32 = Math.fround;

// The angle is i * 3.1415 / 180 in single precision: 3.1415, not pi, as the
// desktop's tables have it.
export const COS = new Float32Array(360);
export const SIN = new Float32Array(360);
for (let i = 0; i < 360; ++i) {
  const a = f32(i * 3.1415 * (1 / 180));
  COS[i] = Math.cos(a);
  SIN[i] = Math.sin(a);
}

// The box of the gas, 0..100 on every axis; positions are drawn relative to
// its centre.
export const BOX = 100;
export const CENTER = 50;

// The main window's view as it opens on the desktop (client area less the
// two strips), in pixels: the page keeps this shape at any size.
export const VIEW_WIDTH = 326;
export const VIEW_HEIGHT = 311;

// The view's navigation at start-up: angles in the desktop's floats (the
// software angles start at 0 while the floats hold -90), zoom 0.6.
export const START_ANGLE = -90;
export const START_ZOOM = 0.6;

const tableIndex = (degrees) => ((degrees % 360) + 360) % 360;

// A projector for a canvas of `width` x `height` pixels with the angles
// `alfa`, `beta` (whole degrees) and `zoom`: takes centre-relative x, y, z
// and gives the screen point [sx, sy] (not truncated, for smooth motion on
// large screens). With alfa = beta = 0, y is to the right, z upward and x
// the depth.
export function projector({ width, height, alfa, beta, zoom }) {
  const cb = COS[tableIndex(beta)];
  const sb = SIN[tableIndex(beta)];
  const ca = COS[tableIndex(alfa)];
  const sa = SIN[tableIndex(alfa)];
  const z0 = f32(zoom);
  const scaleX = f32(width / BOX);
  const scaleY = f32(height / BOX);
  const eye = BOX;
  const originX = Math.trunc(width / 2);
  const originY = Math.trunc(height / 2);
  return (x, y, z) => {
    const u = f32(f32(f32(y * cb) - f32(z * sb)) * z0);
    const v = f32(f32(f32(y * sb) + f32(z * cb)) * z0);
    const d = f32(f32(f32(x * ca) * z0) - f32(u * sa));
    const h = f32(f32(f32(x * sa) * z0) + f32(u * ca));
    const f = eye === d ? 0 : f32(eye / f32(eye - d));
    return [f32(f32(h * f) * scaleX) + originX, originY - f32(f32(v * f) * scaleY)];
  };
}

// The rule by which a navigation float becomes the view's whole-degree
// angle: truncated; past 359 it restarts at 0, below 0 it gives 359 with
// the float set to 360.
export function handOverAngle(angle) {
  const degrees = Math.trunc(angle) || 0; // never -0
  if (degrees > 359) return { degrees: 0, angle: 0 };
  if (degrees < 0) return { degrees: 359, angle: 360 };
  return { degrees, angle };
}

// The box's 12 edges, world coordinates.
export const CUBE_EDGES = [
  [0, 0, 0, 1, 0, 0], [0, 0, 0, 0, 1, 0], [1, 1, 0, 1, 0, 0], [1, 1, 0, 0, 1, 0],
  [0, 0, 1, 1, 0, 1], [0, 0, 1, 0, 1, 1], [1, 1, 1, 1, 0, 1], [1, 1, 1, 0, 1, 1],
  [0, 0, 0, 0, 0, 1], [0, 1, 0, 0, 1, 1], [1, 1, 0, 1, 1, 1], [1, 0, 0, 1, 0, 1],
].map((e) => e.map((c) => c * BOX));

// The axes: three lines from the origin corner, their arrow heads and the
// letters X, Y, Z drawn with strokes (world coordinates).
export const AXES_STROKES = (() => {
  const max = BOX;
  const A = f32(f32(max * 11) * 0.1);
  const B = f32(f32(A * 21) * 0.05);
  const m = f32((B + A) * 0.5);
  const T = f32(max / 30);
  const z105 = f32(f32(2.1 * 0.5) * max);
  return [
    [0, 0, 0, 1.2 * max, 0, 0],
    [0, 0, 0, 0, 1.2 * max, 0],
    [0, 0, 0, 0, 0, 1.2 * max],
    [A, 0, -0.05 * A, B, 0, -0.1 * A],
    [B, 0, -0.05 * A, A, 0, -0.1 * A],
    [0, A, -0.05 * A, 0, m, -0.1 * A],
    [0, B, -0.05 * A, 0, m, -0.1 * A],
    [0, m, -0.1 * A, 0, m, -0.1 * A * 1.3],
    [0, 0, z105, 0, -0.05 * max, z105],
    [0, -0.05 * max, z105, 0, 0, 1.1 * max],
    [0, 0, 1.1 * max, 0, -0.05 * max, 1.1 * max],
    [0, 0, 1.2 * max, 0, -T, 1.15 * max],
    [0, 0, 1.2 * max, 0, T, 1.15 * max],
    [0, 1.2 * max, 0, 0, 1.15 * max, T],
    [0, 1.2 * max, 0, 0, 1.15 * max, -T],
    [1.2 * max, 0, 0, 1.15 * max, -T, 0],
    [1.2 * max, 0, 0, 1.15 * max, T, 0],
  ];
})();

// The piston's outline: four lines across the box at height `wall`.
export function wallOutline(wall) {
  return [
    [0, wall, 0, 0, wall, BOX], [0, wall, BOX, BOX, wall, BOX],
    [BOX, wall, BOX, BOX, wall, 0], [BOX, wall, 0, 0, wall, 0],
  ];
}

// The count typed into the panel, read by the classic string-to-integer
// rules: leading blanks, an optional sign, decimal digits or hexadecimal
// after "$", "x", "X", "0x" or "0X", nothing after the number, 32-bit range.
// null when the text is not such a number.
export function strToInt(text) {
  let i = 0;
  const n = text.length;
  while (i < n && (text[i] === ' ' || text[i] === '\t')) ++i;
  let negative = false;
  if (i < n && (text[i] === '+' || text[i] === '-')) negative = text[i++] === '-';
  let hex = false;
  if (i < n && (text[i] === '$' || text[i] === 'x' || text[i] === 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] === '0' && (text[i + 1] === 'x' || text[i + 1] === 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return null;
  let value = 0;
  for (; i < n; ++i) {
    const digit = hex ? parseInt(text[i], 16) : '0123456789'.indexOf(text[i]);
    if (Number.isNaN(digit) || digit < 0 || (hex && !/[0-9a-fA-F]/.test(text[i]))) return null;
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0xFFFFFFFF) return null;
  }
  if (hex) {
    // Hexadecimal spells the 32-bit pattern; the sign negates it.
    const bits = value | 0;
    return negative ? (-bits) | 0 : bits;
  }
  if (negative) return value > 2147483648 ? null : 0 - value + 0;
  return value > 2147483647 ? null : value;
}
