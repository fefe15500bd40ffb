// SPDX-License-Identifier: MIT
// WebKitGTK's MiniBrowser through WebKitWebDriver, both from Debian, spoken to in W3C WebDriver
// over HTTP. MiniBrowser has no headless mode: it needs an X display (tools/suites/web gives it
// a virtual one). Classic WebDriver reports no console messages, so the page records its own
// errors from the moment it has loaded.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { fileURLToPath } from 'node:url';
import { caretAtEnd, recordErrors } from './page_side.js';

const miniBrowser =
  process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const elementKey = 'element-6066-11e4-a52e-4f735466cecf';
const controlKey = '\uE009';

async function freePort() {
  const server = createServer().listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

export async function launch() {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {
    stdio: 'ignore',
    // The GTK style that lets the window shrink to a phone's width.
    env: { ...process.env, XDG_CONFIG_HOME: fileURLToPath(new URL('.', import.meta.url)) },
  });
  let session = '';
  async function call(method, path, body) {
    const response = await fetch(`http://127.0.0.1:${port}${session}${path}`, {
      method,
      headers: { 'content-type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }
  for (let attempt = 0; ; ++attempt) {
    try {
      await call('GET', '/status');
      break;
    } catch (error) {
      if (attempt === 100) throw error;
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
  const created = await call('POST', '/session', {
    capabilities: {
      alwaysMatch: {
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': {
          binary: miniBrowser,
          // A file:// page's own errors would otherwise reach it only as "Script error.", and
          // its script could not write the clipboard.
          args: [
            '--automation',
            '--allow-file-access-from-file-urls=true',
            '--javascript-can-access-clipboard=true',
          ],
        },
      },
    },
  });
  session = `/session/${created.sessionId}`;

  const run = (script, argument) =>
    call('POST', '/execute/sync', { script: `return (${script})(arguments[0]);`, args: [argument] });
  const keys = (actions) => call('POST', '/actions', { actions: [{ type: 'key', id: 'keys', actions }] });
  const press = (values) =>
    keys([
      ...values.map((value) => ({ type: 'keyDown', value })),
      ...[...values].reverse().map((value) => ({ type: 'keyUp', value })),
    ]);
  // The window's toolbar and frame around the page, measured once.
  let frame = null;
  async function setViewport({ width, height }) {
    if (!frame) {
      await call('POST', '/window/rect', { width, height });
      const [innerWidth, innerHeight] = await run('() => [innerWidth, innerHeight]');
      const rect = await call('GET', '/window/rect');
      frame = { width: rect.width - innerWidth, height: rect.height - innerHeight };
    }
    await call('POST', '/window/rect', { width: width + frame.width, height: height + frame.height });
  }

  return {
    async open(viewport, url) {
      await setViewport(viewport);
      await call('POST', '/url', { url });
      await run(recordErrors);
      return {
        evaluate: (script, argument) => run(script, argument),
        async click(id) {
          const element = await call('POST', '/element', { using: 'css selector', value: `[id="${id}"]` });
          await call('POST', `/element/${element[elementKey]}/click`, {});
        },
        async type(id, text) {
          await run(caretAtEnd, id);
          // Element Send Keys drops characters beyond the Basic Multilingual Plane; key actions,
          // one character each, do not.
          for (const character of text) await press([character]);
        },
        async paste(id, text) {
          await run(caretAtEnd, id);
          await run((pasted) => navigator.clipboard.writeText(pasted), text);
          await press([controlKey, 'v']);
        },
        // Key actions reach the page, not MiniBrowser's key bindings, of which Ctrl+Z is one:
        // the undo is asked for as that binding would.
        async undo(id) {
          await run(caretAtEnd, id);
          await run(() => document.execCommand('undo'));
        },
        errors: () => run(() => window.recordedErrors),
        close: async () => {},
      };
    },
    async close() {
      try {
        await call('DELETE', '');
      } finally {
        driver.kill();
      }
    },
  };
}
