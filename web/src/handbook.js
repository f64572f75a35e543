// The handbook "Ayuda": the page's own pages (handbook/<language>/) in a
// frame, in the page's language, their links between pages working as
// written; Back, Forward and Contents above them, A− / A+ for the size of
// the letters. It opens beside the gas, not over it (a side panel on a wide
// screen, a sheet at the bottom of a phone's), so that its steps can be
// followed while watching; an experiment page's "Cargar este experimento"
// sets the page to the experiment's start. Opened by app 'open' 'handbook'
// on the page it was left on; Escape or the close button closes it, from
// the bar or from inside the frame.
import './instruments.css';
import { commandSettings } from './settings.js';
import { embeddedText, isSingleFile } from './files.js';

const CONTEXT = 'HandbookWindow';
const PAGE_CONTEXT = 'PageHandbook';
export const CONTENTS_PAGE = 'index.html';
const LANGUAGES = ['es', 'en'];
const ZOOM_STEP = 0.1;
// What the page adds to the handbook's pages: their text stays as written.
const PAGE_STYLE = 'body { font-family: sans-serif; line-height: 1.5; max-width: 48em; margin: 0 auto; padding: 0.5em 1em; } li { margin: 0.2em 0; }';

function button(className) {
  const b = document.createElement('button');
  b.type = 'button';
  if (className) b.className = className;
  return b;
}

// The bar above the page: the title, Back, Forward, Contents, A− / A+ and
// the close button, with the keys said to a screen reader.
function buildBar(h) {
  h.dialog.classList.add('handbook');
  h.heading = document.createElement('h2');
  h.heading.id = 'handbook-title';
  h.dialog.setAttribute('aria-labelledby', h.heading.id);
  const bar = document.createElement('div');
  bar.className = 'handbook-bar';
  h.back = button();
  h.forward = button();
  h.contents = button();
  h.smaller = button();
  h.larger = button();
  h.close = button('handbook-close');
  h.close.textContent = '✕';
  h.keys = document.createElement('span');
  h.keys.className = 'visually-hidden';
  h.keys.id = 'handbook-keys';
  h.close.setAttribute('aria-describedby', h.keys.id);
  // What a "Cargar este experimento" did, shown here and said through the
  // page's one polite region (announce.js).
  h.status = document.createElement('p');
  h.status.className = 'handbook-status';
  bar.append(h.heading, h.back, h.forward, h.contents, h.smaller, h.larger, h.close, h.keys, h.status);
  h.frame = document.createElement('iframe');
  h.frame.className = 'handbook-page';
  h.dialog.append(bar, h.frame);
}

function retext(h) {
  const t = h.t;
  h.heading.textContent = t('Ayuda');
  h.back.textContent = t('Atrás');
  h.forward.textContent = t('Adelante');
  h.contents.textContent = t('Contenido');
  h.smaller.textContent = t('A−');
  h.larger.textContent = t('A+');
  h.back.title = t('Vuelve a la página que se leía antes.');
  h.forward.title = t('Deshace el último «Atrás».');
  h.contents.title = t('Muestra la lista de todas las páginas de la ayuda.');
  h.smaller.setAttribute('aria-label', t('A−, letra más pequeña'));
  h.larger.setAttribute('aria-label', t('A+, letra más grande'));
  h.close.setAttribute('aria-label', '✕');
  h.keys.textContent = h.app.t(PAGE_CONTEXT, 'Teclas: %1 cierra la ayuda; %2 la abre desde cualquier parte de la página', 'Esc', 'F1');
  h.status.textContent = '';
  h.frame.title = t('Página de la ayuda');
}

function applyZoom(h) {
  const doc = h.frame.contentDocument;
  if (doc?.body) doc.body.style.fontSize = `${Math.round(h.zoom * 100)}%`;
}

// A page loaded in the frame: kept on the trail for Back and Forward,
// given the page's language and style, its Escape closing the handbook.
function pageLoaded(h) {
  let doc;
  try { doc = h.frame.contentDocument; } catch { doc = null; }
  if (!doc) return;
  // Only the handbook's own pages: anything else goes back to the contents.
  const href = h.where();
  if (!href.startsWith(h.folder().href)) {
    h.show(CONTENTS_PAGE);
    return;
  }
  if (h.single) followLinksInside(h, doc);
  if (!h.stepping && h.trail[h.at] !== href) {
    h.trail = h.trail.slice(0, h.at + 1);
    h.trail.push(href);
    h.at = h.trail.length - 1;
  }
  h.stepping = false;
  h.enableSteps();
  // The pages say no language of their own: they are the page's.
  doc.documentElement.lang = h.shownLanguage;
  // Lines tall enough that every link is a target a finger can hit.
  const style = doc.createElement('style');
  style.textContent = PAGE_STYLE;
  doc.head.append(style);
  applyZoom(h);
  doc.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.preventDefault();
      h.dialog.close();
    } else if (e.key === 'F1') {
      e.preventDefault(); // it is open already
    }
  });
  // What the last page loaded belongs to that page.
  h.status.textContent = '';
  wireLoadButtons(h, doc);
}

// In the single file a page is given to the frame as text, so its links
// lead nowhere on the disk: the handbook follows them itself.
function followLinksInside(h, doc) {
  doc.addEventListener('click', (e) => {
    const link = e.target.closest?.('a[href]');
    if (!link || link.target === '_blank') return;
    const target = new URL(link.getAttribute('href'), h.where());
    const [page, mark] = target.href.split('#');
    if (page === h.where().split('#')[0]) {
      e.preventDefault();
      if (mark) doc.getElementById(decodeURIComponent(mark))?.scrollIntoView();
    } else if (page.startsWith(h.folder().href)) {
      e.preventDefault();
      h.go(page);
    }
  });
}

// An experiment page's "Cargar este experimento" buttons: each names the
// molvix-lab command (on the same page) whose settings it loads, the first
// value of each swept one.
function wireLoadButtons(h, doc) {
  for (const button of doc.querySelectorAll('button.load-experiment')) {
    const command = doc.getElementById(button.dataset.command);
    if (!command) { button.disabled = true; continue; }
    button.addEventListener('click', () => {
      const { taken } = commandSettings(command.textContent);
      const loaded = h.app.settings.apply(taken);
      h.status.textContent = loaded
        ? h.app.t(PAGE_CONTEXT, 'Experimento cargado: «%1». Pulse «Animación» para empezar.', doc.querySelector('h1')?.textContent ?? '')
        : h.app.t(PAGE_CONTEXT, 'La mezcla llenaría la caja más de lo que el gas admite: se ha cargado sin ella.');
      const region = document.getElementById('announcer');
      if (region) region.textContent = h.status.textContent;
    });
  }
}

export function mountHandbook(dialog, app) {
  const language = () => (LANGUAGES.includes(app.language) ? app.language : 'es');
  // The pages read, for Back and Forward: the frame's own history is the
  // whole tab's, and going back past its first page would leave Molvix.
  const h = { dialog, app, t: (source, ...args) => app.t(CONTEXT, source, ...args),
    folder: () => new URL(`handbook/${language()}/`, document.baseURI),
    shownLanguage: null, zoom: 1, trail: [], at: -1, stepping: false,
    single: isSingleFile(), current: null };
  // Where the frame is: its address, or in the single file the page given.
  h.where = () => (h.single ? h.current ?? '' : h.frame.contentWindow?.location.href ?? '');
  buildBar(h);
  const { frame } = h;

  const go = (url) => {
    if (h.single) {
      // The page's text from inside the file (its path in the built folder).
      h.current = url;
      const path = url.slice(new URL('.', document.baseURI).href.length);
      frame.srcdoc = embeddedText(path) ?? embeddedText(`handbook/${language()}/${CONTENTS_PAGE}`);
    } else if (frame.contentWindow && frame.src) {
      // Replaced, not pushed: the tab's history stays the page's.
      frame.contentWindow.location.replace(url);
    } else {
      frame.src = url;
    }
  };
  h.go = go;
  h.show = (page) => {
    h.shownLanguage = language();
    go(new URL(page, h.folder()).href);
  };
  const step = (by) => {
    if (h.at + by < 0 || h.at + by >= h.trail.length) return;
    h.at += by;
    h.stepping = true;
    go(h.trail[h.at]);
  };
  h.enableSteps = () => {
    h.back.disabled = h.at <= 0;
    h.forward.disabled = h.at >= h.trail.length - 1;
  };

  frame.addEventListener('load', () => pageLoaded(h));
  h.back.addEventListener('click', () => step(-1));
  h.forward.addEventListener('click', () => step(1));
  h.contents.addEventListener('click', () => h.show(CONTENTS_PAGE));
  h.smaller.addEventListener('click', () => { h.zoom = Math.max(0.5, h.zoom - ZOOM_STEP); applyZoom(h); });
  h.larger.addEventListener('click', () => { h.zoom = Math.min(3, h.zoom + ZOOM_STEP); applyZoom(h); });
  h.close.addEventListener('click', () => dialog.close());
  dialog.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      e.preventDefault();
      dialog.close();
    }
  });
  // Closed, the room it took goes back to the gas; the focus goes back to
  // where it was when the handbook opened (the browser's own return), or,
  // were that gone, to the button that opens it.
  dialog.addEventListener('close', () => {
    document.body.classList.remove('handbook-open');
    h.status.textContent = '';
    if (dialog.contains(document.activeElement) || document.activeElement === document.body || !document.activeElement) {
      document.getElementById('open-handbook')?.focus();
    }
  });

  const open = () => {
    // In the page's language; a page once read stays, as on the desktop.
    if (h.shownLanguage !== language()) h.show(CONTENTS_PAGE);
    // Beside the gas, not over it: the gas and its controls stay usable.
    document.body.classList.add('handbook-open');
    if (!dialog.open) dialog.show();
    h.contents.focus();
  };
  app.on('open', (what) => { if (what === 'handbook') open(); });
  app.on('language', () => {
    retext(h);
    // The same page in the other language, where it is open.
    if (h.shownLanguage !== null) {
      let page = CONTENTS_PAGE;
      try { page = new URL(h.where()).pathname.split('/').pop() || CONTENTS_PAGE; } catch { /* not loaded */ }
      h.trail = [];
      h.at = -1;
      h.show(page);
    }
  });
  retext(h);
  h.enableSteps();
  return { open, show: h.show, frame };
}
