// SPDX-License-Identifier: MIT
// Debian's Firefox ESR through puppeteer-core over WebDriver BiDi, which Firefox speaks itself.
import puppeteer from 'puppeteer-core';
import { pageUrl } from '../web_page.js';
import { caretAtEnd } from './page_side.js';

export async function launch() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
    // Firefox fetches its remote settings from Mozilla as it starts; pointed at an empty address,
    // it asks no server at all.
    extraPrefsFirefox: { 'services.settings.server': 'data:,#remote-settings-dummy/v1' },
    env: { ...process.env, MOZ_REMOTE_SETTINGS_DEVTOOLS: '1' },
  });
  return {
    async open(viewport) {
      const page = await browser.newPage();
      const errors = [];
      page.on('console', (message) => {
        if (message.type() === 'error') errors.push(`console: ${message.text()}`);
      });
      page.on('pageerror', (error) => errors.push(`exception: ${error.message}`));
      // Firefox has no phone's browser to emulate: the screen's size alone.
      await page.setViewport({ width: viewport.width, height: viewport.height });
      await page.goto(pageUrl);
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
          await page.keyboard.down('Control');
          await page.keyboard.press('v');
          await page.keyboard.up('Control');
        },
        errors: async () => errors,
        close: () => page.close(),
      };
    },
    close: () => browser.close(),
  };
}
