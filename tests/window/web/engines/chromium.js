// SPDX-License-Identifier: MIT
// Debian's Chromium through Playwright, as the Chromium suite starts it.
import { chromium } from '@playwright/test';
import { launchOptions } from '../chromium.js';
import { pageUrl } from '../web_page.js';
import { caretAtEnd } from './page_side.js';

export async function launch() {
  const browser = await chromium.launch(launchOptions);
  return {
    async open({ width, height, mobile }) {
      // A phone's browser: touch, two device pixels to a CSS pixel, and its layout viewport.
      const phone = mobile ? { isMobile: true, hasTouch: true, deviceScaleFactor: 2 } : {};
      const context = await browser.newContext({ viewport: { width, height }, ...phone });
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      const page = await context.newPage();
      const errors = [];
      page.on('console', (message) => {
        if (message.type() === 'error') errors.push(`console: ${message.text()}`);
      });
      page.on('pageerror', (error) => errors.push(`exception: ${error.message}`));
      await page.goto(pageUrl);
      return {
        evaluate: (script, argument) => page.evaluate(script, argument),
        click: (id) => page.click(`[id="${id}"]`),
        async type(id, text) {
          await page.evaluate(caretAtEnd, id);
          for (const character of text) await page.keyboard.type(character);
        },
        async paste(id, text) {
          await page.evaluate(caretAtEnd, id);
          await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
          await page.keyboard.press('Control+V');
        },
        errors: async () => errors,
        close: () => context.close(),
      };
    },
    close: () => browser.close(),
  };
}
