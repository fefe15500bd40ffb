// SPDX-License-Identifier: MIT
// The program's start in the page, after the window is painted. The page carries the program in
// #program, compressed (deflate) to a third of its size and in base64, for the browser to read
// it quickly before it paints: its JavaScript, which this runs, and its WebAssembly, which is
// compiled in the background from its bytes, which needs no request of any kind. The program
// then takes the window's elements over (controls.js). Served from a web site, the page is also
// an app: its manifest and icons, and a service worker that keeps the site's files for when the
// network is gone. Opened as a file, it has neither.
(function () {
  function start() {
    var text = atob(document.getElementById('program').textContent);
    var bytes = new Uint8Array(text.length);
    for (var at = 0; at < text.length; ++at) {
      bytes[at] = text.charCodeAt(at);
    }
    var unpacked = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    new Response(unpacked).arrayBuffer().then(function (program) {
      var length = new DataView(program).getUint32(0, true);
      var glue = document.createElement('script');
      glue.textContent = new TextDecoder().decode(new Uint8Array(program, 4, length));
      document.body.appendChild(glue);
      return startMatrixCipher({ wasmBinary: new Uint8Array(program, 4 + length) });
    }).then(page.ready);
  }

  // The program starts once the window's first paint is on the screen: started at once, it would
  // take the machine's cores from the drawing of that paint. An engine that does not tell when it
  // painted starts it two frames on, and one that never tells, a second on; a page the browser
  // does not show paints nothing.
  var started = false;
  function startOnce() {
    if (!started) {
      started = true;
      setTimeout(start);
    }
  }
  if (document.visibilityState === 'hidden') {
    startOnce();
  } else if ((PerformanceObserver.supportedEntryTypes || []).indexOf('paint') >= 0) {
    new PerformanceObserver(function (paints) {
      if (paints.getEntriesByName('first-contentful-paint').length > 0) {
        startOnce();
      }
    }).observe({ type: 'paint', buffered: true });
    setTimeout(startOnce, 1000);
  } else {
    requestAnimationFrame(function () {
      requestAnimationFrame(startOnce);
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
