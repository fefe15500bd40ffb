// SPDX-License-Identifier: MIT
// The driver over a page of Playwright's or of puppeteer's, whose pages speak alike.
import { caretAtEnd } from './page_side.js';

// Listens to the page's console and errors at once, so call it before the page is opened.
export function driverOver(page, close) {
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => errors.push(`exception: ${error.message}`));
  const withControl = async (key) => {
    await page.keyboard.down('Control');
    await page.keyboard.press(key);
    await page.keyboard.up('Control');
  };
  return {
    evaluate: (script, argument) => page.evaluate(script, argument),
    click: (id) => page.click(`[id="${id}"]`),
    async type(id, text) {
      await page.evaluate(caretAtEnd, id);
      for (const character of text) await page.keyboard.type(character);
    },
    async paste(id, text) {
      // Firefox lets a page write the clipboard only after a gesture of the user's: a click.
      await page.click(`[id="${id}"]`);
      await page.evaluate(caretAtEnd, id);
      await page.evaluate((pasted) => navigator.clipboard.writeText(pasted), text);
      await withControl('v');
    },
    async undo(id) {
      await page.evaluate(caretAtEnd, id);
      await withControl('z');
    },
    errors: async () => errors,
    close,
  };
}
