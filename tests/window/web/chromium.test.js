// SPDX-License-Identifier: MIT
// The page in Chromium alone: the window the layout table describes at its own size, the
// keyboard order, a phone's screen, touch and keyboard, an accessibility audit, and that nothing
// leaves the page. What can differ between engines is in engines.test.js, run in all three.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test as base, expect } from '@playwright/test';
import { programReady } from './engines/page_side.js';
import { control, encrypt, expected, pageUrl } from './web_page.js';

// Each test opens the page, starts once its program is ready, and fails on any request other than
// the page itself, on any console error and on any uncaught exception.
const test = base.extend({
  window: async ({ page }, use) => {
    const strays = [];
    page.on('request', (request) => {
      if (request.url() !== pageUrl) strays.push(`request: ${request.url()}`);
    });
    page.on('console', (message) => {
      if (message.type() === 'error') strays.push(`console: ${message.text()}`);
    });
    page.on('pageerror', (error) => strays.push(`exception: ${error.message}`));
    await page.goto(pageUrl);
    await page.evaluate(programReady);
    await use({ page, strays });
    expect(strays).toEqual([]);
  },
});

const messages = expected.messages;
// The page is painted; its program is held back until the test calls window.releaseProgram().
const holdProgram = () => {
  const instantiate = WebAssembly.instantiate;
  const released = new Promise((resolve) => (window.releaseProgram = resolve));
  window.starts = 0;
  WebAssembly.instantiate = (...args) => (++window.starts, released.then(() => instantiate.apply(WebAssembly, args)));
};

test('every shown control stands where the table puts it, in CSS pixels', async ({ window }) => {
  const boxes = await window.page.evaluate(() => {
    const client = document.getElementById('client').getBoundingClientRect();
    const page = document.documentElement;
    const boxes = { client: [client.width, client.height], page: [page.scrollWidth, page.scrollHeight] };
    for (const element of document.getElementById('client').children) {
      const box = element.getBoundingClientRect();
      boxes[element.id] = [box.left - client.left, box.top - client.top, box.width, box.height];
    }
    return boxes;
  });
  expect(boxes.client).toEqual([expected.client.width, expected.client.height]);
  // The whole window fits a 1024 × 600 screen without scrolling.
  expect(boxes.page[0]).toBeLessThanOrEqual(1024);
  expect(boxes.page[1]).toBeLessThanOrEqual(600);
  for (const row of expected.pixels) {
    expect.soft(boxes[row.name], row.name).toEqual([row.left, row.top, row.width, row.height]);
  }
  expect(Object.keys(boxes).length).toBe(expected.pixels.length + 2);
});

test('colours, font, names and title come from the table', async ({ window }) => {
  const { page } = window;
  const rgb = (colour) => `rgb(${colour.join(', ')})`;
  await expect(page).toHaveTitle(expected.window.title);
  expect(await page.getAttribute('html', 'lang')).toBe('bg');
  const client = await page.locator('#client').evaluate((element) => getComputedStyle(element));
  expect(client.backgroundColor).toBe(rgb(expected.window.background));
  for (const row of expected.controls) {
    const element = control(page, row.name);
    const style = await element.evaluate((e) => {
      const style = getComputedStyle(e);
      return { background: style.backgroundColor, family: style.fontFamily, size: style.fontSize };
    });
    if (row.background) expect.soft(style.background, row.name).toBe(rgb(row.background));
    // 12 pt is 16 CSS pixels.
    expect.soft(style.size, row.name).toBe(`${(expected.window.pointSize * 4) / 3}px`);
    expect.soft(style.family, row.name).toBe(`"${expected.window.font}", "Liberation Serif", serif`);
    // A label is read as the text it shows; the other controls carry a name.
    if (row.name.startsWith('Label1')) await expect.soft(element, row.name).toHaveText(row.accessibleName);
    else await expect.soft(element, row.name).toHaveAccessibleName(row.accessibleName);
  }
  await expect(control(page, 'Text2(2)')).not.toBeEditable();
  await expect(control(page, 'Text1(0)')).not.toBeEditable();
  // The description keeps its paragraphs, each ended by the one line break a text area has.
  await expect(control(page, 'Text1(0)')).toHaveValue(expected.description.replaceAll('\r\n', '\n'));
  // The pane keeps its vertical scroll bar, even when its text fits.
  await control(page, 'Text1(0)').evaluate((pane) => { pane.value = ''; });
  const pane = await control(page, 'Text1(0)').evaluate((e) => [e.clientWidth, e.offsetWidth]);
  expect(pane[0]).toBeLessThan(pane[1] - 10);
});

test('Tab moves through the table order, from the message pane; buttons show the focus', async ({
  window,
}) => {
  const { page } = window;
  const focused = () =>
    page.evaluate(() => {
      const style = getComputedStyle(document.activeElement);
      return [document.activeElement.id, style.outlineStyle];
    });
  const order = [await focused()];
  for (let tab = 1; tab < expected.tabOrder.length; ++tab) {
    await page.keyboard.press('Tab');
    order.push(await focused());
  }
  expect(order.map(([id]) => id)).toEqual(expected.tabOrder);
  for (const [id, outline] of order) {
    if (id.startsWith('Command1')) expect(outline, id).not.toBe('none');
  }
});

// In forced colours, dark and light, each label's, button's and row's text reads: of its box on the screen, enough
// pixels (expected.readable.share) stand at expected.readable.ratio or more against the box's most common colour. The
// picture is the DevTools': Playwright's own misplaces the layers of scrolling boxes.
test('in forced colours, dark and light, every label, button and row reads', async ({ window: { page } }) => {
  await encrypt(page);
  for (const row of ['List1(0).1', 'List1(1).1']) await control(page, row).click();
  const devtools = await page.context().newCDPSession(page);
  for (const colorScheme of ['dark', 'light']) {
    await page.emulateMedia({ forcedColors: 'active', colorScheme });
    const { data } = await devtools.send('Page.captureScreenshot');
    const unread = await page.evaluate(async ([data, { ratio, share }]) => {
      const screen = new OffscreenCanvas(innerWidth, innerHeight).getContext('2d');
      screen.drawImage(await createImageBitmap(new Blob([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))])), 0, 0);
      const linear = (c) => ((c /= 255) <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
      const text = document.createRange();
      return [...document.querySelectorAll('.label, .button, .list > div')].filter((element) => {
        text.selectNodeContents(element);
        const { x, y, width, height } = text.getBoundingClientRect();
        const p = screen.getImageData(x, y, width, height).data;
        const lights = Array.from({ length: p.length / 4 }, (_, i) =>
          0.05 + 0.2126 * linear(p[4 * i]) + 0.7152 * linear(p[4 * i + 1]) + 0.0722 * linear(p[4 * i + 2]));
        const counts = lights.reduce((map, one) => map.set(one, (map.get(one) ?? 0) + 1), new Map());
        const [common] = [...counts].reduce((most, entry) => (entry[1] > most[1] ? entry : most));
        const standing = lights.filter((one) => Math.max(one, common) / Math.min(one, common) >= ratio);
        return standing.length < share * lights.length;
      }).map((element) => element.id);
    }, [data, expected.readable]);
    expect(unread, colorScheme).toEqual([]);
  }
});

test('the ciphertext field shows the longest ciphertext whole', async ({ window }) => {
  const { page } = window;
  // 100 characters under a 9-letter key take 8 fillers; a key in alphabet order moves no column.
  await control(page, 'Text2(0)').fill('я'.repeat(100));
  await control(page, 'Text2(1)').fill('абвгдежзи');
  await encrypt(page);
  await expect(control(page, 'Text2(2)')).toHaveValue(`${'я'.repeat(100)}ABCDEFGH`);
});

test('the page keeps nothing: no cookie, no storage', async ({ window }) => {
  const { page } = window;
  await encrypt(page);
  const kept = await page.evaluate(() => [document.cookie, localStorage.length, sessionStorage.length]);
  expect(kept).toEqual(['', 0, 0]);
});

test('the page policy blocks what a script tries to send', async ({ window }) => {
  const { page, strays } = window;
  const blocked = [];
  page.on('requestfailed', (request) => blocked.push([request.url(), request.failure().errorText]));
  const outcome = await page.evaluate(async () => {
    const violations = [];
    document.addEventListener('securitypolicyviolation', (event) =>
      violations.push(event.effectiveDirective),
    );
    const fetched = await fetch('https://example.org/', { method: 'POST', body: 'текст' }).then(
      () => 'sent',
      () => 'refused',
    );
    const image = new Image();
    await new Promise((resolve) => {
      image.onerror = image.onload = resolve;
      image.src = 'https://example.org/?текст';
    });
    return { fetched, image: image.naturalWidth, violations };
  });
  expect(outcome).toEqual({ fetched: 'refused', image: 0, violations: ['connect-src', 'img-src'] });
  // Chromium lists the image's request, which its policy stopped before it left.
  const image = encodeURI('https://example.org/?текст');
  expect(blocked).toEqual([[image, 'csp']]);
  // Those refusals are the test's own; anything else still fails it.
  const own = strays.filter(
    (stray) => stray === `request: ${image}` || /^console: .*(Content Security Policy|Refused)/.test(stray),
  );
  expect(own).toHaveLength(4);
  strays.splice(0, strays.length, ...strays.filter((stray) => !own.includes(stray)));
});

test('on a phone a tap on a button runs it and a tap on a field puts the caret there', async ({
  browser,
}) => {
  const phone = { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true };
  const context = await browser.newContext(phone);
  const page = await context.newPage();
  await page.goto(pageUrl);
  await control(page, 'Command1(0)').tap();
  await expect(control(page, 'Text1(0)')).toHaveValue(messages.encryptionComplete);
  await control(page, 'Text2(1)').tap();
  await expect(control(page, 'Text2(1)')).toBeFocused();
  await context.close();
});

test('a word a phone keyboard composes counts when it is committed', async ({ window }) => {
  const { page } = window;
  const key = control(page, 'Text2(1)');
  await key.fill('абвгдежз');
  await key.press('End');
  const devtools = await page.context().newCDPSession(page);
  // While it is composed the word stands whole; the key's limit holds at the commit.
  await devtools.send('Input.imeSetComposition', { text: 'ийк', selectionStart: 3, selectionEnd: 3 });
  await expect(key).toHaveValue('абвгдежзийк');
  await devtools.send('Input.insertText', { text: 'ийк' });
  await expect(key).toHaveValue('абвгдежзий');
  await encrypt(page);
  await expect(control(page, 'Label1(3)')).toHaveText('абвгдежзий');
});

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// axe-core's rules of WCAG 2.2 A and AA and its best practices; each violation with the elements.
async function violations(page) {
  await page.evaluate(axeSource);
  return page.evaluate(async () => {
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];
    const results = await axe.run(document, { runOnly: { type: 'tag', values: tags } });
    return results.violations.map((found) => [found.id, found.nodes.map((node) => node.target)]);
  });
}

test('an accessibility audit finds nothing at the start, after a rejection and after Кодирай', async ({
  window,
}) => {
  const { page } = window;
  expect(await violations(page)).toEqual([]);
  await control(page, 'Text2(1)').fill('аб');
  await encrypt(page);
  await expect(control(page, 'Text1(0)')).toHaveValue(messages.tooShort);
  expect(await violations(page)).toEqual([]);
  await control(page, 'Text2(1)').fill(expected.sample.key);
  await encrypt(page);
  await expect(control(page, 'Text1(0)')).toHaveValue(messages.encryptionComplete);
  expect(await violations(page)).toEqual([]);
});

test('what a student does before the program has started waits for it or has its usual effect', async ({
  page,
}) => {
  await page.addInitScript(holdProgram);
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.goto(pageUrl);
  const { sample } = expected;
  await control(page, 'Text2(1)').press('End');
  await page.keyboard.type('бвгджзи'); // two letters over the key's limit
  // A paste over the plaintext's last three characters, the browser's own, which makes the line
  // break a space; then two typed where they stood.
  await control(page, 'Text2(0)').press('End');
  for (let left = 0; left < 3; ++left) await page.keyboard.press('Shift+ArrowLeft');
  await page.evaluate(() => navigator.clipboard.writeText('\nа'));
  await page.keyboard.press('Control+V');
  await page.keyboard.type('xy');
  await encrypt(page);
  await expect(control(page, 'Text1(0)')).toHaveValue(expected.description.replaceAll('\r\n', '\n'));
  // Not forever without a word: a few seconds on, the pane says the program has not started yet,
  // which it has begun once, though both its start at the paint and the one a second on are past.
  await expect(control(page, 'Text1(0)')).toHaveValue(/все още .* Chrome и Edge 87/, { timeout: 10_000 });
  expect(await page.evaluate(() => window.starts)).toBe(1);

  await page.evaluate(() => window.releaseProgram());
  await expect(control(page, 'Text1(0)')).toHaveValue(messages.encryptionComplete);
  await expect(control(page, 'Text2(1)')).toHaveValue('пчелабвгдж');
  await expect(control(page, 'Label1(3)')).toHaveText('пчелабвгдж');
  await expect(control(page, 'Text2(0)')).toHaveValue(`${sample.plaintext.slice(0, -3)} аxy`);
});

test('without JavaScript the window still shows, with a line that says encrypting needs it', async ({
  browser,
}) => {
  const context = await browser.newContext({ javaScriptEnabled: false });
  const page = await context.newPage();
  await page.goto(pageUrl);
  await expect(control(page, 'Text2(0)')).toHaveValue(expected.sample.plaintext);
  await expect(control(page, 'Command1(0)')).toHaveText('Кодирай');
  await expect(page.locator('noscript p')).toContainText('JavaScript');
  const box = await control(page, 'Text1(0)').boundingBox();
  expect(box.width).toBeGreaterThan(400);
  await context.close();
});

// A start that fails in a promise (no TextDecoder), or by an error thrown at once (no atob).
for (const missing of ['TextDecoder', 'atob']) {
  test(`a start without ${missing} says it fails in the pane, naming the browsers that run the page`, async ({ page }) => {
    await page.addInitScript((missing) => delete window[missing], missing);
    await page.goto(pageUrl);
    await expect(control(page, 'Text1(0)')).toHaveValue(/не можа .* Chrome и Edge 87, Firefox 78, Safari 14 /);
  });
}

// Once a slow start's notice is due, a start that failed before (in a promise: the page's clock keeps an error thrown
// in a timer from the page) still says so, and one held up, once it is ready, gives the description back.
const description = expected.description.replaceAll('\r\n', '\n');
for (const [start, hold, shown] of [['that failed', () => delete window.TextDecoder, /не можа/], ['held up', holdProgram, description]]) {
  test(`a start ${start} past the notice of a slow start leaves the pane saying what is true`, async ({ page }) => {
    await page.clock.install();
    await page.addInitScript(hold);
    await page.goto(pageUrl);
    await expect(control(page, 'Text1(0)')).toHaveValue(shown);
    await page.clock.runFor(5_000);
    await page.evaluate(() => window.releaseProgram?.());
    await expect(control(page, 'Text1(0)')).toHaveValue(shown);
  });
}

test('a screen reader hears the row the arrow keys reach in a list, and every message', async ({ window }) => {
  const { page } = window;
  const devtools = await page.context().newCDPSession(page);
  const tree = async () => (await devtools.send('Accessibility.getFullAXTree')).nodes;
  const property = (node, name) => node.properties?.find((found) => found.name === name)?.value;
  // What the polite live region says: the same message twice is said twice.
  const said = [];
  for (let click = 0; click < 2; ++click) {
    await encrypt(page);
    const nodes = await tree();
    const status = nodes.find((node) => node.role.value === 'status');
    expect(property(status, 'live').value).toBe('polite');
    said.push(nodes.find((node) => node.nodeId === status.childIds[0]).name.value);
  }
  expect(said[0]).toBe(messages.encryptionComplete);
  expect(said[1]).not.toBe(said[0]);
  expect(said[1].trim()).toBe(said[0]);
  // Ten rows of three letters, more than the list shows: the tenth is named, and in view.
  await control(page, 'Text2(0)').fill('абвгдежзийклмнопрстуфхцчшщъьюя');
  await control(page, 'Text2(1)').fill('абв');
  await encrypt(page);
  await control(page, 'List1(0)').focus();
  for (let row = 0; row < 10; ++row) await page.keyboard.press('ArrowDown');
  const nodes = await tree();
  const list = nodes.find((node) => property(node, 'focused')?.value && node.role.value === 'listbox');
  const [{ backendDOMNodeId }] = property(list, 'activedescendant').relatedNodes;
  const row = nodes.find((node) => node.backendDOMNodeId === backendDOMNodeId);
  expect([row.role.value, row.name.value, property(row, 'selected').value]).toEqual(['option', 'ьюя', true]);
  const [listBox, rowBox] = await page.evaluate(() =>
    ['[id="List1(0)"]', '[id="List1(0)"] [aria-selected="true"]'].map((selector) =>
      document.querySelector(selector).getBoundingClientRect().toJSON(),
    ),
  );
  expect(rowBox.top >= listBox.top && rowBox.bottom <= listBox.bottom).toBe(true);
});
