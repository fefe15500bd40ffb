// SPDX-License-Identifier: MIT
// The browser suites, one page at a time (the machine's two cores are shared): the cases that can
// differ between engines (engines.test.js) in Debian's Chromium, Firefox ESR and WebKitGTK, and
// what is checked in Chromium alone (chromium.test.js, and site.test.js, the installable app).
import { defineConfig } from '@playwright/test';
import { launchOptions } from './chromium.js';

export default defineConfig({
  testDir: '.',
  workers: 1,
  reporter: 'list',
  outputDir: '../../../build/web/test-results',
  use: {
    browserName: 'chromium',
    headless: true,
    viewport: { width: 1024, height: 600 },
    launchOptions,
  },
  projects: [
    { name: 'chromium', testMatch: '*.test.js', use: { engineName: 'chromium' } },
    { name: 'firefox', testMatch: 'engines.test.js', use: { engineName: 'firefox' } },
    { name: 'webkit', testMatch: 'engines.test.js', use: { engineName: 'webkit' } },
    // The oldest engines the page runs in: Qt's WebEngine for Chromium 87 and 102, the page as a
    // file and from a web server; Safari 14 and Firefox 78, as far as Chromium can play them.
    ...[['chromium-87', 'qt5'], ['chromium-102', 'qt6']].flatMap(([name, engineName]) =>
      ['file', 'site'].map((served) => ({
        name: `${name}-${served}`,
        testMatch: 'engines.test.js',
        use: { engineName, served },
      })),
    ),
    { name: 'safari-14', testMatch: 'engines.test.js', use: { engineName: 'chromium', without: 'safari14' } },
    { name: 'firefox-78', testMatch: 'engines.test.js', use: { engineName: 'chromium', without: 'firefox78' } },
  ],
});
