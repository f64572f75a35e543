// What the page tests of the view and the panel share: the canvas's pixels,
// and the gas run to a tick.

// The view's picture as a data URL: equal strings, equal pictures.
export function picture(page) {
  return page.evaluate(() => document.getElementById('gas-view').toDataURL());
}

// How many of the view's pixels have exactly the colour [r, g, b].
export function pixelsOf(page, [r, g, b]) {
  return page.evaluate(([r, g, b]) => {
    const canvas = document.getElementById('gas-view');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === r && data[i + 1] === g && data[i + 2] === b) ++n;
    }
    return n;
  }, [r, g, b]);
}

// Animates until the gas has run `ticks` ticks, then stops.
export async function animate(page, ticks) {
  await page.check('#animacion');
  await page.waitForFunction((n) => window.molvix.gas.ticks >= n, ticks, { timeout: 30000 });
  await page.check('#stop');
}

export const YELLOW = [255, 255, 0];
export const WHITE = [255, 255, 255];
export const TEAL = [0, 128, 128];
export const AQUA = [0, 255, 255];
