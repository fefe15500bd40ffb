// SPDX-License-Identifier: MIT
// Debian's Chromium, headless, driven by the browser suite's Playwright (tests/web/node_modules),
// and the page as a student opens it from a USB stick.
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { chromium } = require('@playwright/test');

export const pageUrl = pathToFileURL(
  new URL('../../dist/web/matrix-cipher.html', import.meta.url).pathname,
).href;

export function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    // Playwright hides scroll bars in headless mode; the pane's belongs to the window.
    ignoreDefaultArgs: ['--hide-scrollbars'],
    args: [
      '--no-sandbox',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--no-first-run',
      '--disable-gpu',
    ],
  });
}
