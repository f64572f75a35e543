// The handbook "Ayuda": the desktop's own pages (handbook/<language>/, one
// source for both front ends) shown as they are in a frame of the page, in
// the page's language, their links between pages working as written; Back,
// Forward and Contents above them, A− / A+ for the size of the letters.
// Opened by app 'open' 'handbook' on the page it was left on; Escape or the
// close button closes it, from the page or from inside the frame.
import './instruments.css';

const CONTEXT = 'HandbookWindow';
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

export function mountHandbook(dialog, app) {
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const language = () => (LANGUAGES.includes(app.language) ? app.language : 'es');
  const folder = () => new URL(`handbook/${language()}/`, document.baseURI);

  dialog.classList.add('handbook');
  const heading = document.createElement('h2');
  heading.id = 'handbook-title';
  dialog.setAttribute('aria-labelledby', heading.id);
  const bar = document.createElement('div');
  bar.className = 'handbook-bar';
  const back = button();
  const forward = button();
  const contents = button();
  const smaller = button();
  const larger = button();
  const close = button('handbook-close');
  close.textContent = '✕';
  const keys = document.createElement('span');
  keys.className = 'visually-hidden';
  keys.id = 'handbook-keys';
  close.setAttribute('aria-describedby', keys.id);
  bar.append(heading, back, forward, contents, smaller, larger, close, keys);
  const frame = document.createElement('iframe');
  frame.className = 'handbook-page';
  dialog.append(bar, frame);

  let shownLanguage = null;
  let zoom = 1;
  // The pages read, for Back and Forward: the frame's own history is the
  // whole tab's, and going back past its first page would leave Molvix.
  let trail = [];
  let at = -1;
  let stepping = false;

  const go = (url) => {
    // Replaced, not pushed: the tab's history stays the page's.
    if (frame.contentWindow && frame.src) frame.contentWindow.location.replace(url);
    else frame.src = url;
  };
  const show = (page) => {
    shownLanguage = language();
    go(new URL(page, folder()).href);
  };
  const step = (by) => {
    if (at + by < 0 || at + by >= trail.length) return;
    at += by;
    stepping = true;
    go(trail[at]);
  };
  const enableSteps = () => {
    back.disabled = at <= 0;
    forward.disabled = at >= trail.length - 1;
  };

  const retext = () => {
    heading.textContent = t('Ayuda');
    back.textContent = t('Atrás');
    forward.textContent = t('Adelante');
    contents.textContent = t('Contenido');
    smaller.textContent = t('A−');
    larger.textContent = t('A+');
    back.title = t('Vuelve a la página que se leía antes.');
    forward.title = t('Deshace el último «Atrás».');
    contents.title = t('Muestra la lista de todas las páginas de la ayuda.');
    smaller.setAttribute('aria-label', t('A−, letra más pequeña'));
    larger.setAttribute('aria-label', t('A+, letra más grande'));
    close.setAttribute('aria-label', '✕');
    keys.textContent = t('Teclas: %1 buscar · %2 / %3 tamaño de la letra · %4 atrás · Mayús+F1 qué es esto · F1 esta ayuda · %5 cerrar',
      'Ctrl+F', 'Ctrl+−', 'Ctrl++', 'Alt+←', 'Esc');
    frame.title = t('Página de la ayuda');
  };

  const applyZoom = () => {
    const doc = frame.contentDocument;
    if (doc?.body) doc.body.style.fontSize = `${Math.round(zoom * 100)}%`;
  };

  frame.addEventListener('load', () => {
    let doc;
    try { doc = frame.contentDocument; } catch { doc = null; }
    if (!doc) return;
    // Only the handbook's own pages: anything else goes back to the contents.
    if (!frame.contentWindow.location.href.startsWith(folder().href)) {
      show(CONTENTS_PAGE);
      return;
    }
    const href = frame.contentWindow.location.href;
    if (!stepping && trail[at] !== href) {
      trail = trail.slice(0, at + 1);
      trail.push(href);
      at = trail.length - 1;
    }
    stepping = false;
    enableSteps();
    // The pages say no language of their own: they are the page's.
    doc.documentElement.lang = shownLanguage;
    // Lines tall enough that every link is a target a finger can hit.
    const style = doc.createElement('style');
    style.textContent = PAGE_STYLE;
    doc.head.append(style);
    applyZoom();
    doc.addEventListener('keydown', (e) => {
      if (e.key === 'Escape') {
        e.preventDefault();
        dialog.close();
      } else if (e.key === 'F1') {
        e.preventDefault(); // it is open already
      }
    });
  });

  back.addEventListener('click', () => step(-1));
  forward.addEventListener('click', () => step(1));
  contents.addEventListener('click', () => show(CONTENTS_PAGE));
  smaller.addEventListener('click', () => { zoom = Math.max(0.5, zoom - ZOOM_STEP); applyZoom(); });
  larger.addEventListener('click', () => { zoom = Math.min(3, zoom + ZOOM_STEP); applyZoom(); });
  close.addEventListener('click', () => dialog.close());

  const open = () => {
    // In the page's language; a page once read stays, as on the desktop.
    if (shownLanguage !== language()) show(CONTENTS_PAGE);
    if (!dialog.open) dialog.showModal();
    contents.focus();
  };
  app.on('open', (what) => { if (what === 'handbook') open(); });
  app.on('language', () => {
    retext();
    // The same page in the other language, where it is open.
    if (shownLanguage !== null) {
      let page = CONTENTS_PAGE;
      try { page = frame.contentWindow.location.pathname.split('/').pop() || CONTENTS_PAGE; } catch { /* not loaded */ }
      trail = [];
      at = -1;
      show(page);
    }
  });
  retext();
  enableSteps();
  return { open, show, frame };
}
