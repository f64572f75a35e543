// What the windows' figures say to a screen reader. Each figure (an
// <output>, polite by default) changes with every frame while the gas
// runs, far too often to be heard; so they are silent, and one polite
// region says what changed at most once every 2 seconds, and only when
// its gist changed: its numbers to two significant digits.
import { element } from './dom.js';

export const ANNOUNCE_MS = 2000;
// Changes that said nothing new are looked at again no sooner than this.
const LOOK_MS = 250;

// A text's numbers, either decimal sign, to two significant digits.
export function gist(text) {
  return text.replace(/-?\d+(?:[.,]\d+)?/g, (m) => {
    const value = Number(m.replace(',', '.'));
    return Number.isFinite(value) ? String(Number(value.toPrecision(2))) : m;
  });
}

export function mountAnnouncer(app, root = document) {
  const region = element('div', { id: 'announcer', class: 'visually-hidden', 'aria-live': 'polite' });
  document.body.append(region);
  // (A figure hidden from screen readers, as a bar's shown setting, is not
  // theirs to hear.)
  const figures = [...root.querySelectorAll('output')].filter((f) => !f.closest('[aria-hidden="true"]'));
  const said = new Map(figures.map((f) => [f, '']));
  const changed = new Set();
  let last = -Infinity;
  let timer = null;
  const say = () => {
    timer = null;
    const news = [];
    for (const f of changed) {
      const text = f.textContent.trim();
      if (f.closest('[hidden]') || !text || gist(text) === said.get(f)) continue;
      said.set(f, gist(text));
      news.push(text);
    }
    changed.clear();
    if (news.length === 0) return;
    region.textContent = news.join('. ');
    last = performance.now();
  };
  const observer = new MutationObserver((records) => {
    for (const r of records) {
      const f = r.target.nodeType === Node.ELEMENT_NODE ? r.target.closest('output') : r.target.parentElement?.closest('output');
      if (f) changed.add(f);
    }
    // No timer at rest: one is set only for a change, and only one.
    if (timer === null) timer = setTimeout(say, Math.max(LOOK_MS, last + ANNOUNCE_MS - performance.now()));
  });
  for (const f of figures) {
    f.setAttribute('aria-live', 'off');
    observer.observe(f, { childList: true, characterData: true, subtree: true });
  }
  app.on('language', () => said.forEach((_, f) => said.set(f, '')));
  // What the page answers a person who typed: said at once, and the
  // figures wait their 2 seconds after it so as not to talk over it. The
  // same words again are still a change, so that they are heard again.
  app.say = (text) => {
    region.textContent = region.textContent === text ? `${text}\u00a0` : text;
    last = performance.now();
  };
}
