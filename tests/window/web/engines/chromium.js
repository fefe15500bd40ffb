// SPDX-License-Identifier: MIT
// Debian's Chromium through Playwright, as the Chromium suite starts it.
import { chromium } from '@playwright/test';
import { launchOptions } from '../chromium.js';
import { driverOver } from './page_driver.js';
import { olderEngine } from './page_side.js';

export async function launch({ without } = {}) {
  const browser = await chromium.launch(launchOptions);
  return {
    async open({ width, height, mobile }, url) {
      // A phone's browser: touch, two device pixels to a CSS pixel, and its layout viewport.
      const phone = mobile ? { isMobile: true, hasTouch: true, deviceScaleFactor: 2 } : {};
      const context = await browser.newContext({ viewport: { width, height }, ...phone });
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      if (without) await context.addInitScript(olderEngine, without);
      const page = await context.newPage();
      const driver = driverOver(page, () => context.close());
      // Text dragged in from another program and dropped at the field's right end.
      driver.drop = async (id, text) => {
        const box = await page.locator(`[id="${id}"]`).boundingBox();
        const at = { x: box.x + box.width - 4, y: box.y + box.height / 2 };
        const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
        const devtools = await context.newCDPSession(page);
        for (const type of ['dragEnter', 'dragOver', 'drop']) await devtools.send('Input.dispatchDragEvent', { type, ...at, data });
      };
      await page.goto(url);
      return driver;
    },
    close: () => browser.close(),
  };
}
