// SPDX-License-Identifier: MIT
// The page after one click on Кодирай with the sample input, as PNGs: its client area in a
// desktop browser, and the whole screen of a phone held upright (360 × 640, emulated).
// Usage: node bench/window/web/screenshot.mjs DESKTOP_FILE PHONE_FILE   (tools/screenshot runs it)
import { launch, pageUrl } from './chromium.mjs';

const browser = await launch();
const desktop = await browser.newPage({ viewport: { width: 1024, height: 600 } });
await desktop.goto(pageUrl);
await desktop.locator('[id="Command1(0)"]').click();
await desktop.mouse.move(600, 500);
await desktop.locator('#client').screenshot({ path: process.argv[2] });

const phone = await browser.newContext({
  viewport: { width: 360, height: 640 },
  isMobile: true,
  hasTouch: true,
  deviceScaleFactor: 2,
});
const page = await phone.newPage();
await page.goto(pageUrl);
await page.locator('[id="Command1(0)"]').tap();
await page.screenshot({ path: process.argv[3] });
await browser.close();
