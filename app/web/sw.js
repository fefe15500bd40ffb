// SPDX-License-Identifier: MIT
// The site's service worker: it keeps the site's files, and answers the page's requests from
// them, so that the installed app opens and works with the network gone. It asks the site for
// nothing but the site's own files. The build writes the site's version into the cache's name:
// a site with other files is a new worker, which replaces this one at the next visit.
var cacheName = 'matrix-cipher-@VERSION@';
var files = @FILES@;

self.addEventListener('install', function (event) {
  event.waitUntil(
    caches.open(cacheName).then(function (cache) {
      // From the site itself, not from the browser's cache of an earlier version.
      return cache.addAll(files.map(function (file) {
        return new Request(file, { cache: 'reload' });
      }));
    }).then(function () {
      return self.skipWaiting();
    }),
  );
});

self.addEventListener('activate', function (event) {
  event.waitUntil(
    caches.keys().then(function (names) {
      return Promise.all(names.filter(function (name) {
        return name.startsWith('matrix-cipher-') && name !== cacheName;
      }).map(function (name) {
        return caches.delete(name);
      }));
    }).then(function () {
      return self.clients.claim();
    }),
  );
});

self.addEventListener('fetch', function (event) {
  var request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) {
    return;
  }
  // Every address of the app's pages, with or without a query, is the one page.
  var kept = request.mode === 'navigate' ? 'index.html' : request;
  event.respondWith(caches.open(cacheName).then(function (cache) {
    return cache.match(kept);
  }).then(function (answer) {
    return answer || fetch(request);
  }));
});
