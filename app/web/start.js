// SPDX-License-Identifier: MIT
// The program's start in the page, after the window is painted. The page carries the program
// compressed (zlib) to a third of its size and in base64, for the browser to read it quickly
// before it paints, and needs no request of any kind to start it: in #program its JavaScript,
// which this runs, and its WebAssembly, which is compiled in the background from its bytes; in
// #program-js the same program compiled to JavaScript alone, for an engine that refuses to
// compile WebAssembly under the page's policy (one that does not know 'wasm-unsafe-eval'). An
// engine that cannot decompress by itself decompresses with the library in #inflate. The
// program then takes the window's elements over (controls.js). Served from a web site, the page
// is also an app: its manifest and icons, and a service worker that keeps the site's files for
// when the network is gone. Opened as a file, it has neither.
(function () {
  var site = @SITE@;

  // Runs a script that the page carries as text; the policy allows it by its hash.
  function run(source) {
    var script = document.createElement('script');
    script.textContent = source;
    document.body.appendChild(script);
  }

  function unpacked(id) {
    var text = atob(document.getElementById(id).textContent);
    var bytes = new Uint8Array(text.length);
    for (var at = 0; at < text.length; ++at) {
      bytes[at] = text.charCodeAt(at);
    }
    if (typeof DecompressionStream !== 'function') {
      run(document.getElementById('inflate').textContent);
      return Promise.resolve(pako.inflate(bytes));
    }
    var stream = new Response(bytes).body.pipeThrough(new DecompressionStream('deflate'));
    return new Response(stream).arrayBuffer().then(function (buffer) {
      return new Uint8Array(buffer);
    });
  }

  // Whether the page's policy lets this engine compile WebAssembly: the smallest module there is.
  function compilesWebAssembly() {
    try {
      return new WebAssembly.Module(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0])) !== null;
    } catch (refused) {
      return false;
    }
  }

  function start() {
    var started;
    if (compilesWebAssembly()) {
      // The JavaScript's length, then the JavaScript, then the WebAssembly.
      started = unpacked('program').then(function (program) {
        var length = new DataView(program.buffer).getUint32(0, true);
        run(new TextDecoder().decode(program.subarray(4, 4 + length)));
        return startMatrixCipher({ wasmBinary: program.subarray(4 + length) });
      });
    } else {
      started = unpacked('program-js').then(function (program) {
        run(new TextDecoder().decode(program));
        return startMatrixCipher({});
      });
    }
    // A failure on the way is reported as any other (watch.js tells the student).
    started.then(page.ready);
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
  [['manifest', site.manifest], ['icon', site.icon]].forEach(function (link) {
    var element = document.createElement('link');
    element.rel = link[0];
    element.href = link[1];
    document.head.appendChild(element);
  });
  // A new version of the site is shown at the next visit; the open page goes on as it is. A
  // browser that refuses the worker (blocked storage, some managed profiles) runs the page all the
  // same, only not offline: that is no failure to tell the student of.
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register(site.worker).catch(function () {});
  }
})();
