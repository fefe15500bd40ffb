// SPDX-License-Identifier: MIT
// The site's service worker: it keeps the site's files, and answers the page's requests from
// them, so that the installed app opens and works with the network gone. It asks the site for
// nothing but the site's own files. The build writes the site's version into the cache's name:
// a site with other files is a new worker, which takes over at once but reloads nothing, since an
// open page needs nothing more from the site: the new version shows at the next visit. Its
// caches are named after the site's address too, so that two copies of the app on one server
// (two classes, two versions) keep each other's files.
var cachePrefix = 'matrix-cipher ' + self.registration.scope + ' ';
var cacheName = cachePrefix + '@VERSION@';
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
        return name.indexOf(cachePrefix) === 0 && name !== cacheName;
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
