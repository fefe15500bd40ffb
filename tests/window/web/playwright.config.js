// SPDX-License-Identifier: MIT
// The browser suite runs in Debian's Chromium, one page at a time: the machine's two cores are
// shared.
import { defineConfig } from '@playwright/test';
import { launchOptions } from './chromium.js';

export default defineConfig({
  testDir: '.',
  testMatch: '*.test.js',
  workers: 1,
  reporter: 'list',
  outputDir: '../../../build/web/test-results',
  use: {
    browserName: 'chromium',
    headless: true,
    viewport: { width: 1024, height: 600 },
    launchOptions,
  },
});
