// SPDX-License-Identifier: MIT
// The program's start in the page, after the window is painted: the WebAssembly, which the page
// carries compressed (deflate) as text in base64 (#program), a third of its size for the browser
// to read before its first paint, is unpacked and compiled in the background from its bytes,
// which needs no request of any kind, and the program then takes the window's elements over
// (controls.js). Served from a web site, the page is also an app: its manifest and icons, and a
// service worker that keeps the site's files for when the network is gone. Opened as a file, it
// has neither.
(function () {
  function start() {
    var text = atob(document.getElementById('program').textContent);
    var bytes = new Uint8Array(text.length);
    for (var at = 0; at < text.length; ++at) {
      bytes[at] = text.charCodeAt(at);
    }
    var program = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    new Response(program).arrayBuffer().then(function (binary) {
      return startMatrixCipher({ wasmBinary: new Uint8Array(binary) });
    }).then(page.ready);
  }

  // A page the browser does not show paints nothing: there is no paint to wait for.
  if (document.visibilityState === 'hidden') {
    setTimeout(start);
  } else {
    requestAnimationFrame(function () {
      setTimeout(start);
    });
  }

  if (location.protocol !== 'https:' && location.protocol !== 'http:') {
    return;
  }
  [['manifest', 'manifest.webmanifest'], ['icon', 'icon-192.png']].forEach(function (link) {
    var element = document.createElement('link');
    element.rel = link[0];
    element.href = link[1];
    document.head.appendChild(element);
  });
  if ('serviceWorker' in navigator) {
    // A new version of the site takes over while the page is open: it is shown at once.
    var controlled = Boolean(navigator.serviceWorker.controller);
    navigator.serviceWorker.addEventListener('controllerchange', function () {
      if (controlled) {
        location.reload();
      }
      controlled = true;
    });
    navigator.serviceWorker.register('sw.js');
  }
})();
