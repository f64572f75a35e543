// The page's service worker: at install it keeps every file of the page in
// a cache named after this build, so that the page opens and runs with no
// network; a new build's worker replaces the cache when it takes over.
// build.mjs fills in FILES and VERSION.
const FILES = __FILES__;
const CACHE = `molvix-${__VERSION__}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('molvix-') && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The cache first (it holds this build whole), the network for anything else.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((hit) => hit ?? fetch(event.request)));
});
