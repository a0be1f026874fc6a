// The page works offline once visited: every file of the site (fichiers.json lists them)
// is kept in a cache named after their version; the page is served from it, the network
// asked only for what it does not hold (a document named by a link).
const LISTE = 'fichiers.json';

async function liste() {
  const reponse = await fetch(LISTE, {cache: 'no-store'});
  return reponse.json();
}

self.addEventListener('install', (e) => {
  e.waitUntil((async () => {
    const site = await liste();
    const cache = await caches.open('tarvo-' + site.version);
    await cache.addAll(['./', LISTE, ...site.fichiers]);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (e) => {
  e.waitUntil((async () => {
    const site = await liste().catch(() => null);
    if (site)
      for (const nom of await caches.keys())
        if (nom !== 'tarvo-' + site.version) await caches.delete(nom);
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith((async () => {
    const trouve = await caches.match(e.request, {ignoreSearch: new URL(e.request.url).pathname.endsWith('/index.html') || new URL(e.request.url).pathname.endsWith('/')});
    if (trouve) return trouve;
    return fetch(e.request);
  })());
});
