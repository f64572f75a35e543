// The page's settings in its address (after '#'), so that a link or a
// bookmark reopens them, and the page stores nothing on the computer.
//   lang=en   the language
//   particles=100&collisions=on&…   the gas's settings, in molvix-lab's words
//             (settings.js); none: the program's start

// The address's settings as a Map of name → text.
export function readAddress(hash = location.hash) {
  return new Map(new URLSearchParams(hash.replace(/^#/, '')));
}

// Sets (or, with null, removes) settings in the address without adding a
// step to the tab's history: Back still leaves the page.
export function writeAddress(changes) {
  const params = new URLSearchParams(location.hash.replace(/^#/, ''));
  for (const [name, value] of Object.entries(changes)) {
    if (value === null || value === undefined) params.delete(name);
    else params.set(name, String(value));
  }
  const hash = params.toString();
  if (hash === location.hash.replace(/^#/, '')) return;
  history.replaceState(history.state, '', hash ? `#${hash}` : location.pathname + location.search);
}

// The gas's settings (settings.js's names) follow the user's changes into
// the address, a moment after the last, so that a bar dragged does not ask
// the browser for a new address at every step; no timer waits at rest.
const FOLLOW_MS = 300;

export function followSettings(app, { vocabulary, read }) {
  let timer = 0;
  const write = () => {
    timer = 0;
    const now = read(app);
    const changes = {};
    for (const name of Object.keys(vocabulary)) changes[name] = now[name] ?? null;
    writeAddress(changes);
  };
  app.on('change', () => {
    if (!timer) timer = setTimeout(write, FOLLOW_MS);
  });
  return write;
}
