// Small helpers the page's parts share for building their controls.

// An element with attributes and children (nodes or texts).
export function element(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
  node.append(...children);
  return node;
}

// An element with a class and a text, the instruments' shorter form.
export function classed(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

// A description read out with each target (aria-describedby) and shown to
// nobody: the page's hints, where the desktop has tooltips.
export function hint(id, ...targets) {
  const span = classed('span', 'visually-hidden');
  span.id = id;
  for (const target of targets) target.setAttribute('aria-describedby', id);
  return span;
}

// The desktop's SI / NO box: its value is what the gas reads ("SI" or "NO")
// whatever the language; its items show the language's words.
export function yesNoSelect(app, id, value = 'NO') {
  const select = element('select', { id });
  for (const word of ['SI', 'NO']) select.append(element('option', { value: word }));
  select.rerender = () => {
    for (const option of select.options) option.textContent = app.t('Controls', option.value);
  };
  select.rerender();
  select.value = value;
  return select;
}

// A window's redraw: only while it is seen; while the gas runs, at most once
// every `ms` (a forced one always); and only when something was marked as
// changed since the last.
export function redrawer(root, app, ms, paint) {
  let pending = true;
  let lastDraw = -Infinity;
  const visible = () => !root.hidden && root.isConnected
    && (root.checkVisibility ? root.checkVisibility() : true);
  return {
    get pending() { return pending; },
    mark() { pending = true; },
    draw(force) {
      if (!visible()) return;
      const now = performance.now();
      if (!force && app.running && now - lastDraw < ms) return;
      if (!pending && !force) return;
      lastDraw = now;
      pending = false;
      paint();
    },
  };
}
