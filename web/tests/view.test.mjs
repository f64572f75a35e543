// The view: the start-up picture, the animation moving it and nothing
// running while stopped, the turn and zoom buttons, the vectors and axes.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';
import { AQUA, TEAL, WHITE, YELLOW, animate, picture, pixelsOf } from './helpers.mjs';

// Counts the animation frames the page asks for.
const countFrames = () => {
  window.framesAsked = 0;
  const ask = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => {
    window.framesAsked += 1;
    return ask(callback);
  };
};

test('"Animación" moves the particles and "Stop" stops them, with no frame asked for at rest', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    await page.context().addInitScript(countFrames);
    await page.reload();
    // Polled by a timer: the default polling would ask for frames itself.
    await page.waitForFunction(() => window.molvix !== undefined, null, { polling: 50 });
    const still = await picture(page);
    assert.ok(await pixelsOf(page, YELLOW) > 0, 'yellow particles at start');
    assert.equal(await page.evaluate(() => window.framesAsked), 0, 'no frame asked for at start');

    await page.check('#animacion');
    await page.waitForFunction(() => window.molvix.gas.ticks >= 300, null, { polling: 50 });
    assert.notEqual(await picture(page), still, 'the particles moved');
    await page.check('#stop');
    assert.equal(await page.isChecked('#animacion'), false);

    const rest = await page.evaluate(() => ({ frames: window.framesAsked, ticks: window.molvix.gas.ticks }));
    const stopped = await picture(page);
    await page.waitForTimeout(600); // nothing may happen; there is nothing to wait for
    assert.deepEqual(await page.evaluate(() => ({ frames: window.framesAsked, ticks: window.molvix.gas.ticks })), rest);
    assert.equal(await picture(page), stopped, 'the picture is still');

    // Space on the view starts and stops the gas as well.
    await page.focus('#gas-view');
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => window.molvix.running), true);
    assert.equal(await page.isChecked('#animacion'), true);
    await page.keyboard.press('Space');
    assert.equal(await page.evaluate(() => window.molvix.running), false);
    assert.equal(await page.isChecked('#stop'), true);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('the turn and zoom buttons act while held and their words restore the start-up view', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    const start = await picture(page);
    const angles = () => page.evaluate(() => [window.molvix.view.alfa, window.molvix.view.beta]);

    // From start-up the first step hands both floats over below 0 (359,
    // 359); holding on, both wrap to 0, then the held one counts up.
    assert.deepEqual(await page.evaluate(() => {
      const steps = [];
      for (let i = 0; i < 3; ++i) {
        window.molvix.view.turn(1, 0);
        steps.push([window.molvix.view.alfa, window.molvix.view.beta]);
      }
      window.molvix.view.resetTurn();
      return steps;
    }), [[359, 359], [0, 0], [1, 0]]);

    await page.focus('#giro-derecha');
    await page.keyboard.down('Space');
    await page.waitForFunction(() => window.molvix.view.alfa >= 5 && window.molvix.view.alfa < 90);
    await page.keyboard.up('Space');
    assert.equal((await angles())[1], 0, 'turning right leaves the vertical angle');
    const settled = await angles();
    await page.waitForTimeout(100);
    assert.deepEqual(await angles(), settled, 'released, the turn stops');
    assert.notEqual(await picture(page), start);
    await page.click('#giro');
    assert.deepEqual(await angles(), [0, 0]);
    assert.equal(await picture(page), start, '"Giro" restores the start-up picture');

    // The mouse held on "Acercar" zooms in; "Zoom" restores 0.6.
    const box = await page.locator('#zoom-acercar').boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down();
    await page.waitForFunction(() => window.molvix.view.zoom > 0.65);
    await page.mouse.up();
    assert.notEqual(await picture(page), start);
    await page.click('#zoom');
    assert.equal(await page.evaluate(() => window.molvix.view.zoom), Math.fround(0.6));
    assert.equal(await picture(page), start);

    // The wheel zooms, a drag turns.
    const view = await page.locator('#gas-view').boundingBox();
    await page.mouse.move(view.x + view.width / 2, view.y + view.height / 2);
    await page.mouse.wheel(0, -200);
    await page.waitForFunction(() => window.molvix.view.zoom > 0.6);
    await page.mouse.down();
    await page.mouse.move(view.x + view.width / 2 + 60, view.y + view.height / 2 + 30, { steps: 5 });
    await page.mouse.up();
    assert.notDeepEqual(await angles(), [0, 0]);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});

test('vectors, axes and the piston\'s outline appear in their colours when switched on', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    assert.equal(await pixelsOf(page, WHITE), 0);
    assert.equal(await pixelsOf(page, TEAL), 0);
    const aquaAtStart = await pixelsOf(page, AQUA);
    await page.selectOption('#dibuja-velocidades', 'SI');
    assert.ok(await pixelsOf(page, WHITE) > 100, 'white vectors');
    await page.selectOption('#ejes', 'SI');
    assert.ok(await pixelsOf(page, TEAL) > 100, 'teal axes');
    await page.selectOption('#ejes', 'NO');
    assert.equal(await pixelsOf(page, TEAL), 0);
    await page.selectOption('#dibuja-velocidades', 'NO');
    assert.equal(await pixelsOf(page, WHITE), 0);
    await page.fill('#posicion-pared', '60');
    assert.ok(await pixelsOf(page, AQUA) > aquaAtStart + 100, 'the piston outlined at 60');
  } finally {
    await session.close();
  }
});

test('the view keeps the cube\'s proportions at any window size and screen density', async () => {
  for (const [width, height, deviceScaleFactor] of [[1366, 768, 1], [360, 640, 2], [800, 1200, 1.5]]) {
    const session = await openPage({ viewport: { width, height }, deviceScaleFactor });
    try {
      const shape = await session.page.evaluate(() => {
        const canvas = document.getElementById('gas-view');
        const rect = canvas.getBoundingClientRect();
        return { cssRatio: rect.width / rect.height, width: canvas.width, cssWidth: rect.width };
      });
      assert.ok(Math.abs(shape.cssRatio - 326 / 311) < 0.01, `${width}x${height}: ${shape.cssRatio}`);
      assert.ok(Math.abs(shape.width - shape.cssWidth * deviceScaleFactor) <= 1, JSON.stringify(shape));
    } finally {
      await session.close();
    }
  }
});

test('the zoom stops before the box turns inside out, whatever zooms; two fingers pinching zoom', async () => {
  const session = await openPage({ viewport: { width: 1366, height: 768 } });
  const { page } = session;
  try {
    const zoom = () => page.evaluate(() => window.molvix.view.zoom);
    const view = await page.locator('#gas-view').boundingBox();
    const middle = { x: view.x + view.width / 2, y: view.y + view.height / 2 };
    await page.mouse.move(middle.x, middle.y);
    for (const [delta, bound] of [[-5000, 1.1], [5000, 0.05]]) {
      for (let i = 0; i < 4; ++i) await page.mouse.wheel(0, delta);
      await page.waitForFunction((b) => window.molvix.view.zoom === Math.fround(b), bound);
    }
    await page.keyboard.press('Tab'); // off the view, then back by the keys
    await page.focus('#gas-view');
    for (let i = 0; i < 5; ++i) await page.keyboard.press('-');
    assert.equal(await zoom(), Math.fround(0.05));
    // Two touches moving 100 pixels further apart zoom in.
    const before = await zoom();
    await page.evaluate(({ x, y }) => {
      const canvas = document.getElementById('gas-view');
      const touch = (type, id, cx) => canvas.dispatchEvent(new PointerEvent(type,
        { pointerId: id, pointerType: 'touch', clientX: cx, clientY: y, bubbles: true }));
      touch('pointerdown', 11, x - 20);
      touch('pointerdown', 12, x + 20);
      touch('pointermove', 11, x - 70);
      touch('pointermove', 12, x + 70);
      touch('pointerup', 11, x - 70);
      touch('pointerup', 12, x + 70);
    }, middle);
    assert.ok(Math.abs(await zoom() - (before + 0.2)) < 1e-6, `zoom ${await zoom()} after a pinch from ${before}`);
    assert.deepEqual(await page.evaluate(() => [window.molvix.view.alfa, window.molvix.view.beta]), [0, 0]);
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
