// The page starts as the program starts: no error, and the gas's readouts
// at start are the desktop's start-up readouts.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './support.mjs';

test('the page loads with no error and the gas as the program starts it', async () => {
  const session = await openPage();
  try {
    const start = await session.page.evaluate(() => ({
      count: window.molvix.gas.count,
      readouts: window.molvix.gas.readouts(),
      texts: ['energy', 'temperature', 'pressure', 'wall'].map((w) => window.molvix.gas.readoutText(w)),
      running: window.molvix.running,
    }));
    assert.equal(start.count, 50);
    assert.equal(start.running, false);
    assert.equal(start.texts[3], '100');
    assert.deepEqual(session.errors, []);
  } finally {
    await session.close();
  }
});
