// SPDX-License-Identifier: MIT
// Debian's Firefox ESR through puppeteer-core over WebDriver BiDi, which Firefox speaks itself.
import puppeteer from 'puppeteer-core';
import { driverOver } from './page_driver.js';

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
    async open({ width, height }, url) {
      const page = await browser.newPage();
      // Firefox has no phone's browser to emulate: the screen's size alone.
      await page.setViewport({ width, height });
      const driver = driverOver(page, () => page.close());
      await page.goto(url);
      return driver;
    },
    close: () => browser.close(),
  };
}
