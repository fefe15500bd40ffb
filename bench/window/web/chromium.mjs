// SPDX-License-Identifier: MIT
// Debian's Chromium, started as the browser suite starts it, with the suite's Playwright
// (tests/window/web/node_modules), and the page as a student opens it from a USB stick.
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { launchOptions } from '../../../tests/window/web/chromium.js';

const require = createRequire(new URL('../../../tests/window/web/package.json', import.meta.url));
const { chromium } = require('@playwright/test');

export const pageUrl = pathToFileURL(
  new URL('../../../dist/web/matrix-cipher.html', import.meta.url).pathname,
).href;

export function launch() {
  return chromium.launch(launchOptions);
}
