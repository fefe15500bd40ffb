// SPDX-License-Identifier: MIT
// The site, as a school's web server serves it (Python's, on 127.0.0.1): an app that Chromium
// can install, that opens and encrypts with the network gone, and that a new version of the site
// replaces at the next visit. In a Chromium profile of its own: an incognito one installs nothing.
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium, expect, test } from '@playwright/test';
import { launchOptions } from './chromium.js';
import { control, encrypt, expected, serve, sitePath } from './web_page.js';

let site;
let profile;
// A copy of the site that the test can turn into a new version, its files dated a minute back:
// the server's Last-Modified counts whole seconds, and a new version must look newer.
test.beforeAll(() => {
  site = mkdtempSync(join(tmpdir(), 'matrix-cipher-site-'));
  cpSync(sitePath, site, { recursive: true });
  const minuteAgo = new Date(Date.now() - 60_000);
  for (const file of readdirSync(site)) utimesSync(join(site, file), minuteAgo, minuteAgo);
  profile = mkdtempSync(join(tmpdir(), 'matrix-cipher-profile-'));
});
test.afterAll(() => {
  rmSync(profile, { recursive: true, force: true });
  rmSync(site, { recursive: true, force: true });
});

test('the site installs as an app that works offline and updates with the network', async () => {
  let { server, port } = await serve(site);
  const context = await chromium.launchPersistentContext(profile, launchOptions);
  const page = context.pages()[0] ?? (await context.newPage());
  const address = `http://127.0.0.1:${port}/`;
  await page.goto(address);
  // Installed once the service worker keeps the site's files and answers for the page.
  await expect.poll(() => page.evaluate(() => Boolean(navigator.serviceWorker.controller))).toBe(true);

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

  // With the network gone, and the server too, the app still opens and encrypts.
  await context.setOffline(true);
  server.kill();
  const offline = await page.reload();
  expect(offline.fromServiceWorker()).toBe(true);
  await encrypt(page);
  await expect(control(page, 'Text2(2)')).toHaveValue(expected.sample.ciphertext);

  // A new version of the site: other files, so another service worker. The next visit with the
  // network shows it.
  const index = join(site, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<title>', '<title>2 '));
  const worker = join(site, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/matrix-cipher-\w+/, 'matrix-cipher-2'));
  ({ server } = await serve(site, port));
  await context.setOffline(false);
  await page.reload();
  await expect.poll(() => page.title(), { timeout: 15_000 }).toMatch(/^2 /);
  server.kill();
  await context.close();
});
