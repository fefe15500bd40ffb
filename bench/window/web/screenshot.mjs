// SPDX-License-Identifier: MIT
// The page after one click on Кодирай with the sample input, as a PNG of its client area.
// Usage: node bench/window/web/screenshot.mjs FILE      (tools/screenshot runs it)
import { launch, pageUrl } from './chromium.mjs';

const browser = await launch();
const page = await browser.newPage({ viewport: { width: 1024, height: 600 } });
await page.goto(pageUrl);
await page.locator('[id="Command1(0)"]').click();
await page.mouse.move(600, 500);
await page.locator('#client').screenshot({ path: process.argv[2] });
await browser.close();
