// SPDX-License-Identifier: MIT
// How the browser suite and the measurements start Debian's Chromium: headless, never a browser
// that Playwright would download.
export const launchOptions = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
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
};
