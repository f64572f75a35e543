// The view's geometry and the typed count's rules, without a browser: the
// desktop view's projection, its angle hand-over and the classic
// string-to-integer conversion.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { handOverAngle, projector, strToInt } from '../src/projection.js';

test('the projection puts the box centre at the view centre and shrinks depth', () => {
  const project = projector({ width: 200, height: 200, alfa: 0, beta: 0, zoom: 1 });
  // Alfa = Beta = 0: y to the right, z upward, x the depth toward the eye.
  assert.deepEqual(project(0, 0, 0), [100, 100]);
  assert.deepEqual(project(-50, 0, 0), [100, 100]);
  const [nearX] = project(50, 50, 0); // nearer the eye: larger
  const [farX] = project(-50, 50, 0);
  assert.ok(nearX - 100 > farX - 100 && farX > 100, `${nearX} ${farX}`);
  // y = 50 at depth 0: f = 1, 50 units of the 100 the width spans.
  assert.deepEqual(project(0, 50, 0), [200, 100]);
  assert.deepEqual(project(0, 0, 50), [100, 0]);
  // Zoom 0 puts everything at the origin; a point at the eye does not fail.
  assert.deepEqual(projector({ width: 200, height: 200, alfa: 0, beta: 0, zoom: 0 })(30, 20, 10), [100, 100]);
  const atEye = projector({ width: 200, height: 200, alfa: 0, beta: 0, zoom: 2 })(50, 0, 0);
  assert.ok(atEye.every(Number.isFinite), String(atEye));
  // Each screen axis scales with its own side: a wide view stretches y only.
  assert.deepEqual(projector({ width: 400, height: 200, alfa: 0, beta: 0, zoom: 1 })(0, 50, 50), [400, 0]);
});

test('a navigation float becomes a whole degree in 0..359 by the desktop rule', () => {
  const cases = [
    [-89, { degrees: 359, angle: 360 }], // the first tick after start-up
    [361, { degrees: 0, angle: 0 }],
    [360, { degrees: 0, angle: 0 }],
    [359.5, { degrees: 359, angle: 359.5 }],
    [-0.5, { degrees: 0, angle: -0.5 }], // truncated toward zero, not below 0
    [-1, { degrees: 359, angle: 360 }],
    [42, { degrees: 42, angle: 42 }],
  ];
  for (const [angle, expected] of cases) assert.deepEqual(handOverAngle(angle), expected, String(angle));
});

test('a typed count reads as the classic string-to-integer conversion reads it', () => {
  const cases = [
    ['75', 75], [' 75', 75], ['\t7', 7], ['+8', 8], ['-5', -5], ['-0', 0],
    ['$20', 32], ['x1f', 31], ['0X10', 16], ['-$10', -16], ['$FFFFFFFF', -1],
    ['2147483647', 2147483647], ['-2147483648', -2147483648],
    ['75a', null], ['', null], ['   ', null], ['7 5', null], ['75 ', null], ['ff', null],
    ['$', null], ['0x', null], ['$g', null], ['2147483648', null], ['$100000000', null],
    ['1.5', null], ['٣', null],
  ];
  for (const [text, expected] of cases) assert.equal(strToInt(text), expected, JSON.stringify(text));
});
