// Keeps everything the page needs, so that after one visit it plays with the
// network gone. The build writes the list of files and a version that
// changes whenever any of them does. The files are named relative to this
// script, so the site plays from any folder of any host; each copy of it
// keeps caches of its own.
const VERSION = '@VERSION@';
const FILES = ['./', @FILES@];
const OURS = `lanternmoor ${self.registration.scope} `;
const CACHE = OURS + VERSION;

// A new version is fetched past the browser's HTTP cache: a host that lets
// files be cached for a while would otherwise hand back the old ones.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(OURS) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cached copy first: the files change only with a new version.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
