// What every part of the page shares: the core and its one gas, the
// animation clock, the language, and the events the parts listen to.
//   frame     after each batch of ticks while animating (and once after any
//             change while stopped), so that views redraw
//   readings  new readings arrived (every 200 ticks)
//   change    the user changed a setting (a new stretch for the histories)
//   language  the language was switched
//   running   the animation started or stopped
//   reset     the gas was started afresh: each part puts its controls back
//   options   a choice of how to show the gas changed (app.options)
import catalogues from 'molvix:catalogue';

// The desktop's timer asks for a tick every millisecond.
export const TICKS_PER_SECOND = 1000;
// After a pause longer than this (a hidden tab), the clock does not catch up.
const MAX_FRAME_MS = 100;

export class App {
  constructor(core, gas, language) {
    this.core = core;
    this.gas = gas;
    this.language = language;
    this.listeners = new Map();
    this.running = false;
    this.frameRequest = 0;
    this.lastFrame = 0;
    this.owedTicks = 0;
    this.readingsSeen = 0;
    this.ticksDelivered = 0;
    this.framesDrawn = 0;
    // How the page shows the gas, beyond the desktop's look: SI units beside
    // the readouts, the particles coloured by speed. Off at start.
    this.options = { si: false, speedColours: false };
  }

  setOption(name, value) {
    if (this.options[name] === value) return;
    this.options = { ...this.options, [name]: value };
    this.emit('options', this.options);
  }

  on(event, listener) {
    if (!this.listeners.has(event)) this.listeners.set(event, []);
    this.listeners.get(event).push(listener);
  }

  emit(event, detail) {
    for (const listener of this.listeners.get(event) ?? []) listener(detail);
  }

  // A text in the page's language, from the desktop's catalogue: `context`
  // is the Qt class the text belongs to; %1, %2 … take the arguments.
  // The page's own texts (contexts Page…) must all be translated: a missing
  // one is said on the console, where the page tests look.
  t(context, source, ...args) {
    let text = source;
    if (this.language !== 'es') {
      text = catalogues[this.language]?.[context]?.[source];
      if (text === undefined) {
        if (context.startsWith('Page')) console.error(`untranslated (${this.language}) ${context}: ${source}`);
        text = source;
      }
    }
    return text.replace(/%(\d)/g, (m, n) => (args[n - 1] !== undefined ? String(args[n - 1]) : m));
  }

  // A number in the page's language's decimal sign.
  number(value, decimals) {
    const text = value.toLocaleString(this.language === 'es' ? 'es-ES' : 'en-GB', {
      minimumFractionDigits: decimals, maximumFractionDigits: decimals, useGrouping: false });
    // What rounds to zero is 0, not "-0,00".
    return /^-0([.,]0*)?$/.test(text) ? text.slice(1) : text;
  }

  setLanguage(language) {
    if (language === this.language) return;
    this.language = language;
    document.documentElement.lang = language;
    this.emit('language', language);
  }

  // A user's change of a setting: the views redraw even while stopped.
  changed(what) {
    this.emit('change', what);
    this.deliverReadings();
    this.emit('frame', 0);
  }

  start() {
    if (this.running) return;
    this.running = true;
    this.lastFrame = performance.now();
    this.owedTicks = 0;
    this.frameRequest = requestAnimationFrame((now) => this.frame(now));
    this.emit('running', true);
  }

  // Stopped, nothing runs: no animation frame is requested.
  stop() {
    if (!this.running) return;
    this.running = false;
    cancelAnimationFrame(this.frameRequest);
    this.frameRequest = 0;
    this.emit('running', false);
  }

  // Stopped, the gas goes on to its next reading (every 200 ticks) and
  // stops there: a class can follow the readings one at a time.
  step() {
    if (this.running) return;
    const gas = this.gas;
    const before = gas.readingCount;
    const period = this.core.readingTicks;
    let ticks = period - (gas.ticks % period);
    gas.run(ticks);
    // The count of ticks to a reading is the gas's; should its phase ever
    // differ, it is found a tick at a time.
    while (gas.readingCount === before && ticks < 2 * period) {
      gas.run(1);
      ticks += 1;
    }
    this.ticksDelivered += ticks;
    this.deliverReadings();
    this.emit('frame', ticks);
  }

  // The gas as the page starts it, stopped, and every part's settings put
  // back: the same object with a new gas inside, since every part holds it.
  reset() {
    this.stop();
    this.gas.restart();
    this.readingsSeen = 0;
    this.emit('reset');
    this.changed('reset');
  }

  frame(now) {
    if (!this.running) return;
    const elapsed = Math.min(Math.max(now - this.lastFrame, 0), MAX_FRAME_MS);
    this.lastFrame = now;
    this.owedTicks += (elapsed * TICKS_PER_SECOND) / 1000;
    const ticks = Math.floor(this.owedTicks);
    this.owedTicks -= ticks;
    if (ticks > 0) {
      this.gas.run(ticks);
      this.ticksDelivered += ticks;
    }
    this.deliverReadings();
    this.framesDrawn += 1;
    this.emit('frame', ticks);
    this.frameRequest = requestAnimationFrame((t) => this.frame(t));
  }

  deliverReadings() {
    const count = this.gas.readingCount;
    if (count < this.readingsSeen) this.readingsSeen = 0; // the log was cleared
    if (count === this.readingsSeen) return;
    const fresh = [];
    for (let i = this.readingsSeen; i < count; ++i) fresh.push(this.gas.reading(i));
    this.readingsSeen = count;
    this.emit('readings', fresh);
  }
}

// The browser's language when there is a catalogue for it; a browser in
// another language gets English, read by more of its users than Spanish;
// one that states none, Spanish, the program's own.
export function preferredLanguage(languages = navigator.languages ?? [navigator.language]) {
  let stated = false;
  for (const tag of languages) {
    const code = String(tag ?? '').toLowerCase().split('-')[0];
    if (!code) continue;
    stated = true;
    if (code === 'es' || catalogues[code]) return code;
  }
  return stated ? 'en' : 'es';
}
