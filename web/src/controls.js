// The toolbar over the view: what a class expects of a simulation, beside
// the desktop's own "Animación" / "Stop" under the view (kept as they are,
// and in step with these): one button that starts and pauses, saying what
// it will do; a step of one reading while paused; the page's start again;
// and the view full screen for a projector (F, and Esc to leave it).
import { element } from './dom.js';

// The buttons' icons, drawn (a font may lack the media symbols): 12 × 12.
const ICONS = {
  play: 'M3 1.5v9l7.5-4.5z',
  pause: 'M2.5 1.5h2.6v9H2.5zM6.9 1.5h2.6v9H6.9z',
  step: 'M1.5 1.5v9l6-4.5zM8.2 1.5h2.3v9H8.2z',
  reset: 'M6 1.5a4.5 4.5 0 1 1-4.3 5.8l1.6-.5A2.8 2.8 0 1 0 6 3.2v1.8L3 2.4 6 0z',
  full: 'M1 1h4v1.6H2.6V5H1zM7 1h4v4H9.4V2.6H7zM1 7h1.6v2.4H5V11H1zM9.4 7H11v4H7V9.4h2.4z',
};
const SVG = 'http://www.w3.org/2000/svg';

// A button with an icon (for the eye) and words, its spoken name the words.
function toolButton(id) {
  const icon = document.createElementNS(SVG, 'svg');
  icon.setAttribute('viewBox', '0 0 12 12');
  icon.setAttribute('aria-hidden', 'true');
  icon.setAttribute('class', 'icon');
  const path = document.createElementNS(SVG, 'path');
  path.setAttribute('fill', 'currentColor');
  icon.append(path);
  const words = element('span', { class: 'words' });
  const button = element('button', { type: 'button', id }, icon, words);
  button.show = (shape, text, title) => {
    path.setAttribute('d', ICONS[shape]);
    words.textContent = text;
    button.title = title;
  };
  return button;
}

// Whether a key typed at `target` belongs to it (a box takes letters; a
// dialog over the page keeps its keys).
function typing(target) {
  if (!(target instanceof Element)) return false;
  if (target.closest('select, textarea, dialog, [contenteditable="true"]')) return true;
  return target instanceof HTMLInputElement && !['range', 'checkbox', 'radio', 'button'].includes(target.type);
}

// The Fullscreen API, prefixed where Safari still wants it; null where the
// browser has none (an iPhone's), and then there is no button.
function fullscreenApi(node) {
  if (document.fullscreenEnabled && node.requestFullscreen) {
    return {
      get on() { return document.fullscreenElement === node; },
      enter: () => node.requestFullscreen(),
      exit: () => document.exitFullscreen(),
      event: 'fullscreenchange',
    };
  }
  if (document.webkitFullscreenEnabled && node.webkitRequestFullscreen) {
    return {
      get on() { return document.webkitFullscreenElement === node; },
      enter: () => node.webkitRequestFullscreen(),
      exit: () => document.webkitExitFullscreen(),
      event: 'webkitfullscreenchange',
    };
  }
  return null;
}

export function mountControls(mainWindow, app) {
  const t = (source, ...args) => app.t('PageControls', source, ...args);
  // A group (not an ARIA toolbar: Tab goes from button to button).
  const bar = element('div', { class: 'toolbar', role: 'group' });
  const play = toolButton('reproducir');
  const step = toolButton('paso');
  const reset = toolButton('reiniciar');
  const full = toolButton('pantalla-completa');
  const screen = fullscreenApi(mainWindow);

  const render = () => {
    bar.setAttribute('aria-label', t('Controles de la animación'));
    if (app.running) play.show('pause', t('Pausa'), t('Detiene el gas (Espacio)'));
    else play.show('play', t('Animar'), t('Pone el gas en movimiento (Espacio)'));
    play.setAttribute('aria-keyshortcuts', 'Space');
    step.show('step', t('Paso'), t('Con el gas detenido, lo lleva hasta su siguiente lectura (%1 pasos)', app.core.readingTicks));
    step.disabled = app.running;
    reset.show('reset', t('Reiniciar'), t('Devuelve el gas y los controles a como empieza la página'));
    if (screen?.on) full.show('full', t('Salir de pantalla completa'), t('Vuelve a la página (F o Esc)'));
    else full.show('full', t('Pantalla completa'), t('La vista del gas a toda la pantalla, para proyectarla (F; Esc para salir)'));
    full.setAttribute('aria-keyshortcuts', 'F');
  };

  play.addEventListener('click', () => (app.running ? app.stop() : app.start()));
  step.addEventListener('click', () => app.step());
  reset.addEventListener('click', () => app.reset());
  const toggleScreen = () => {
    if (!screen) return;
    const asked = screen.on ? screen.exit() : screen.enter();
    // A refusal (no user gesture, a policy) leaves the page as it is.
    asked?.catch?.(() => {});
  };
  full.addEventListener('click', toggleScreen);
  full.hidden = !screen;
  if (screen) document.addEventListener(screen.event, render);
  document.addEventListener('keydown', (e) => {
    if ((e.key === 'f' || e.key === 'F') && !e.ctrlKey && !e.altKey && !e.metaKey && !typing(e.target)) {
      e.preventDefault();
      toggleScreen();
    }
  });

  bar.append(play, step, reset, full);
  // Over the view, under the strip of windows.
  const view = mainWindow.querySelector('.view');
  mainWindow.insertBefore(bar, view);
  app.on('running', render);
  app.on('language', render);
  render();
  return bar;
}
