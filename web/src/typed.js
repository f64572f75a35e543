// What every box a person types a number into does with the text: one set
// of rules for the whole page. Blanks around the number and either decimal
// sign are fine, and so is an exponent ("1e9"); a number out of range is
// taken at the nearest end and said; anything else is refused in words, the
// box keeps the text to be mended, and the gas stays as it is.
import { element } from './dom.js';

const CONTEXT = 'PageInput';
const NUMBER = /^[-+]?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?$/i;

// `text` as a number for a box of `decimals` decimals (whole: a fraction is
// refused rather than guessed) within lo..hi. Either { value, clamped }
// (clamped: 'min', 'max' or null) or { refused: 'empty', 'not-number' or
// 'not-whole' }.
export function readTyped(text, { whole = false, decimals = whole ? 0 : 6, lo = -Infinity, hi = Infinity } = {}) {
  const clean = String(text).trim();
  if (clean === '') return { refused: 'empty' };
  // One decimal sign, a comma or a point: "1,5" and "1.5" alike; both in
  // one text ("1.000,5") is not read as a guess at grouping.
  if (clean.includes(',') && clean.includes('.')) return { refused: 'not-number' };
  const dotted = clean.replace(',', '.');
  if (!NUMBER.test(dotted)) return { refused: 'not-number' };
  let value = Number(dotted);
  if (whole && Number.isFinite(value) && !Number.isInteger(value)) return { refused: 'not-whole' };
  // What the box shows is what is taken, so the range is judged on it, and
  // on the ends as the box shows them (a radius from 0.1000000015 is from 0.10).
  const shown = (x) => (Number.isFinite(x) ? Number(x.toFixed(decimals)) : x);
  value = shown(value);
  lo = shown(lo);
  hi = shown(hi);
  if (value > hi) return { value: hi, clamped: 'max' };
  if (value < lo) return { value: lo, clamped: 'min' };
  return { value: value === 0 ? 0 : value, clamped: null };
}

let made = 0;

// A line under `input` that says what became of the text last typed into
// it, tied to the box (aria-describedby, beside its own hint) and spoken
// through the page's announcer; a refusal also marks the box aria-invalid.
// `range()` gives the box's { lo, hi } now (some follow other settings).
// take() reads the box: the number taken, or null when refused. clear()
// forgets the last verdict (the box was set another way).
export function typedVerdict(app, input, { whole = false, decimals = 0, range }) {
  const line = element('p', { class: 'typed-message', id: `typed-message-${++made}` });
  line.hidden = true;
  const described = input.getAttribute('aria-describedby');
  input.setAttribute('aria-describedby', described ? `${described} ${line.id}` : line.id);
  let said = null; // [source, ...args], rendered again at a switch of language
  const t = (source, ...args) => app.t(CONTEXT, source, ...args);
  const render = () => {
    line.textContent = said ? t(...said) : '';
    line.hidden = !said;
  };
  const verdict = (next, refused) => {
    said = next;
    if (refused) input.setAttribute('aria-invalid', 'true');
    else input.removeAttribute('aria-invalid');
    line.classList.toggle('refused', refused);
    render();
    if (said) app.say?.(line.textContent);
  };
  app.on('language', render);
  return {
    line,
    get refused() { return input.getAttribute('aria-invalid') === 'true'; },
    take() {
      const { lo, hi } = range();
      const r = readTyped(input.value, { whole, decimals, lo, hi });
      const n = (x) => app.number(x, decimals);
      if (r.refused === 'empty') verdict(['Casilla vacía: escriba un número de %1 a %2; el gas no cambia.', n(lo), n(hi)], true);
      else if (r.refused === 'not-whole') verdict(['Hace falta un número entero, de %1 a %2; el gas no cambia.', n(lo), n(hi)], true);
      else if (r.refused) verdict(['«%1» no es un número: escriba uno de %2 a %3; el gas no cambia.', input.value.trim(), n(lo), n(hi)], true);
      else if (r.clamped === 'max') verdict(['Se toma %1, el máximo.', n(r.value)], false);
      else if (r.clamped === 'min') verdict(['Se toma %1, el mínimo.', n(r.value)], false);
      else verdict(null, false);
      return r.refused ? null : r.value;
    },
    clear() { if (said || this.refused) verdict(null, false); },
  };
}
