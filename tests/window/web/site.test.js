// SPDX-License-Identifier: MIT
// The site, as a school's web server serves it (Python's, on 127.0.0.1): an app that Chromium
// can install, that opens and encrypts with the network gone, and that a new version of the site
// replaces at the next visit, never under a student's hands; beside it on the server another
// copy of the app, whose files it keeps. In a Chromium profile of its own: an incognito one
// installs nothing.
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium, expect, test } from '@playwright/test';
import { launchOptions } from './chromium.js';
import { programReady } from './engines/page_side.js';
import { control, encrypt, expected, serve, sitePath } from './web_page.js';

let server;
let site;
let profile;
let python; // the web server, ended after the test whether it passed or failed
// Two copies of the site in two folders of one server: a/, which the test turns into a new
// version, and b/. Their files are dated a minute back: the server's Last-Modified counts whole
// seconds, and a new version must look newer.
test.beforeAll(() => {
  server = mkdtempSync(join(tmpdir(), 'matrix-cipher-server-'));
  const minuteAgo = new Date(Date.now() - 60_000);
  for (const copy of ['a', 'b']) {
    cpSync(sitePath, join(server, copy), { recursive: true });
    for (const file of readdirSync(join(server, copy))) utimesSync(join(server, copy, file), minuteAgo, minuteAgo);
  }
  site = join(server, 'a');
  profile = mkdtempSync(join(tmpdir(), 'matrix-cipher-profile-'));
});
test.afterAll(() => {
  python?.kill();
  rmSync(profile, { recursive: true, force: true });
  rmSync(server, { recursive: true, force: true });
});

test('the site installs as an app that works offline and updates with the network', async () => {
  let port;
  ({ server: python, port } = await serve(server));
  const context = await chromium.launchPersistentContext(profile, launchOptions);
  const page = context.pages()[0] ?? (await context.newPage());
  const exceptions = [];
  page.on('pageerror', (error) => exceptions.push(error.message));
  // A browser that refuses the service worker (blocked storage, some managed profiles) runs the
  // page all the same, without a word of it to the student.
  await page.addInitScript(() => {
    if (location.search === '?refused') navigator.serviceWorker.register = () => Promise.reject(new TypeError('refused'));
  });
  await page.goto(`http://127.0.0.1:${port}/b/?refused`);
  await page.evaluate(programReady);
  // Installed once the service worker keeps the site's files and answers for the page.
  const installed = () => page.evaluate(() => Boolean(navigator.serviceWorker.controller));
  const cacheNames = () => page.evaluate(() => caches.keys());
  await page.goto(`http://127.0.0.1:${port}/b/`);
  await expect.poll(installed).toBe(true);
  await page.goto(`http://127.0.0.1:${port}/a/`);
  await expect.poll(installed).toBe(true);
  const names = await cacheNames();
  const [aFiles, bFiles] = ['/a/', '/b/'].map((copy) => names.find((name) => name.includes(copy)));

  const devtools = await context.newCDPSession(page);
  const { errors, data } = await devtools.send('Page.getAppManifest');
  expect(errors).toEqual([]);
  const manifest = JSON.parse(data);
  const hex = (rgb) => `#${rgb.map((part) => part.toString(16).padStart(2, '0')).join('')}`;
  expect(manifest).toMatchObject({
    lang: 'bg',
    start_url: './',
    display: 'standalone',
    background_color: hex(expected.window.background),
    icons: [{ sizes: '192x192' }, { sizes: '512x512' }],
  });
  expect(manifest.name).toMatch(/[А-я]/);
  expect(manifest.short_name.length).toBeLessThanOrEqual(15);
  await expect
    .poll(async () => (await devtools.send('Page.getInstallabilityErrors')).installabilityErrors)
    .toEqual([]);

  // With the network gone, and the server too, the app still opens and encrypts, at an address
  // with a query too, as a school's portal may link it.
  await context.setOffline(true);
  python.kill();
  const offline = await page.goto(`http://127.0.0.1:${port}/a/?from=portal`);
  expect(offline.fromServiceWorker()).toBe(true);
  await encrypt(page);
  await expect(control(page, 'Text2(2)')).toHaveValue(expected.sample.ciphertext);

  // A new version of the site: other files, so another service worker. It arrives while a student
  // types, takes over and leaves the page as it is, and b/'s files; the next visit shows it.
  const index = join(site, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<title>', '<title>2 '));
  const worker = join(site, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/'[0-9a-f]{16}'/, "'2'"));
  ({ server: python } = await serve(server, port));
  await context.setOffline(false);
  await control(page, 'Text2(1)').fill('ключ');
  await page.evaluate(() => navigator.serviceWorker.ready.then((worker) => worker.update()));
  // The new worker has taken over once it has put the old version's files away.
  await expect.poll(cacheNames, { timeout: 15_000 }).not.toContain(aFiles);
  expect(await cacheNames()).toContain(`matrix-cipher http://127.0.0.1:${port}/a/ 2`);
  await expect(control(page, 'Text2(1)')).toHaveValue('ключ');
  expect(await page.title()).not.toMatch(/^2 /);
  expect(await cacheNames()).toContain(bFiles);
  await page.reload();
  await expect.poll(() => page.title(), { timeout: 15_000 }).toMatch(/^2 /);
  expect(exceptions).toEqual([]);
  await context.close();
});
