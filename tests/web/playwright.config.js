// SPDX-License-Identifier: MIT
// The browser suite runs in Debian's Chromium, headless, one page at a time: the machine's two
// cores are shared. Playwright never downloads a browser of its own here.
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: '.',
  testMatch: '*.spec.js',
  workers: 1,
  reporter: 'list',
  outputDir: '../../build/web/test-results',
  use: {
    browserName: 'chromium',
    headless: true,
    viewport: { width: 1024, height: 600 },
    launchOptions: {
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      // Playwright hides scroll bars in headless mode; the pane's belongs to the window.
      ignoreDefaultArgs: ['--hide-scrollbars'],
      // Without these Chromium reaches out to its vendor's services as it starts.
      args: [
        '--no-sandbox',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
        '--no-first-run',
        '--disable-gpu',
      ],
    },
  },
});
