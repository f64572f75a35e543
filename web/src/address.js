// The page's settings in its address (after '#'), so that a link or a
// bookmark reopens them, and the page stores nothing on the computer.
//   lang=en   the language

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
  history.replaceState(history.state, '', hash ? `#${hash}` : location.pathname + location.search);
}
