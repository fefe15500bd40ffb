// SPDX-License-Identifier: MIT
// What can differ between browser engines, run in each of them (playwright.config.js names
// them, older engines among them): the sample run, the rejections, typing and pasting into the
// fields, Чисти, the description at its start and the whole window in view. Every case opens the
// page afresh, from file:// or from the site on 127.0.0.1, starts once the page's program is
// ready, and fails on any console error or uncaught exception. The expected texts come from the
// shared C++ tables; an engine adds only its driver in engines/.
import { test as base, expect } from '@playwright/test';
import { expected, pageUrl, serve, sitePath } from './web_page.js';
import { fill, programReady } from './engines/page_side.js';

const drivers = {
  chromium: () => import('./engines/chromium.js'),
  firefox: () => import('./engines/firefox.js'),
  webkit: () => import('./engines/webkit.js'),
  qt5: async () => (await import('./engines/qtwebengine.js')).qt(5),
  qt6: async () => (await import('./engines/qtwebengine.js')).qt(6),
};

const test = base.extend({
  engineName: ['chromium', { option: true, scope: 'worker' }],
  // What an older engine lacks, taken away from this one (engines/page_side.js).
  without: [null, { option: true, scope: 'worker' }],
  // The page as one file, or the site's from a web server.
  served: ['file', { option: true, scope: 'worker' }],
  address: [
    async ({ served }, use) => {
      if (served === 'file') return use(pageUrl);
      const { server, port } = await serve(sitePath);
      await use(`http://127.0.0.1:${port}/`);
      server.kill();
    },
    { scope: 'worker' },
  ],
  engine: [
    async ({ engineName, without }, use) => {
      const engine = await (await drivers[engineName]()).launch({ without });
      await use(engine);
      await engine.close();
    },
    { scope: 'worker', timeout: 60_000 },
  ],
  screen: [{ width: 1024, height: 600 }, { option: true }],
  window: async ({ engine, screen, address }, use) => {
    const window = await engine.open(screen, address);
    await window.evaluate(programReady);
    await use(window);
    expect(await window.errors()).toEqual([]);
    await window.close();
  },
});

const { sample, messages } = expected;
const encrypt = (window) => window.click('Command1(0)');
const clear = (window) => window.click('Command1(1)');

// Everything the window shows of the worksheet, read at once.
function shown(window) {
  return window.evaluate(() => {
    const element = (id) => document.getElementById(id);
    const items = (id) => [...element(id).children].map((item) => item.textContent);
    return {
      fields: ['Text2(0)', 'Text2(1)', 'Text2(2)'].map((id) => element(id).value),
      headers: ['Label1(3)', 'Label1(4)'].map((id) => element(id).textContent),
      initial: items('List1(0)'),
      final: items('List1(1)'),
      message: element('Text1(0)').value,
    };
  });
}

const encrypted = {
  fields: [sample.plaintext, sample.key, sample.ciphertext],
  headers: [sample.key, sample.sortedKey],
  initial: sample.initial,
  final: sample.final,
  message: messages.encryptionComplete,
};

test('the window opens with the sample and Кодирай encrypts it', async ({ window }) => {
  expect(await shown(window)).toEqual({
    fields: [sample.plaintext, sample.key, ''],
    headers: sample.headers,
    initial: [],
    final: [],
    message: expected.description.replaceAll('\r\n', '\n'),
  });
  await encrypt(window);
  expect(await shown(window)).toEqual(encrypted);
});

test('the description opens at its beginning, with the focus', async ({ window }) => {
  const pane = await window.evaluate(() => {
    const element = document.getElementById('Text1(0)');
    return [document.activeElement.id, element.scrollTop, element.selectionStart];
  });
  expect(pane).toEqual(['Text1(0)', 0, 0]);
});

for (const row of expected.rejections) {
  test(`rejection: ${row.name} leaves the previous ciphertext and headers`, async ({ window }) => {
    await encrypt(window);
    await window.evaluate(fill, { id: 'Text2(0)', text: row.plaintext });
    await window.evaluate(fill, { id: 'Text2(1)', text: row.key });
    await encrypt(window);
    expect(await shown(window)).toEqual({
      ...encrypted,
      fields: [row.plaintext, row.key, sample.ciphertext],
      initial: [],
      final: [],
      message: row.message,
    });
  });
}

test('Чисти empties the fields and the matrices and keeps the message', async ({ window }) => {
  await encrypt(window);
  await clear(window);
  expect(await shown(window)).toEqual({
    ...encrypted,
    fields: ['', '', ''],
    initial: [],
    final: [],
  });
});

// What the field shows and where its caret stands, then what the worksheet took, read back
// through Кодирай: the key stands over the initial matrix, the plaintext fills its rows.
async function kept(window, field) {
  const id = `Text2(${field})`;
  const [value, caret] = await window.evaluate(
    (id) => [document.getElementById(id).value, document.getElementById(id).selectionStart],
    id,
  );
  await encrypt(window);
  const after = await shown(window);
  const worksheet = field === 1 ? after.headers[0] : after.initial.join('').slice(0, value.length);
  return { value, caret, worksheet };
}

// Typed one character at a time, as a keyboard or an input method hands them over.
for (const row of expected.typedCases) {
  test(`typing: ${row.name}`, async ({ window }) => {
    const id = `Text2(${row.field})`;
    await window.evaluate(fill, { id, text: row.start });
    await window.type(id, row.typed);
    expect(await kept(window, row.field)).toEqual({
      value: row.kept,
      caret: row.kept.length,
      worksheet: row.kept,
    });
  });
}

// Pasted with Ctrl+V from the system clipboard, at the end of the field's text. One Ctrl+Z takes
// the paste out again, and the worksheet follows: Кодирай then shows what it shows for the text
// from before the paste.
for (const row of expected.fieldCases) {
  test(`paste: ${row.name}`, async ({ window, without }) => {
    const id = `Text2(${row.field})`;
    await window.evaluate(fill, { id, text: row.start });
    await window.paste(id, row.pasted);
    const { value, worksheet } = await kept(window, row.field);
    expect({ value, worksheet }).toEqual({ value: row.kept, worksheet: row.kept });
    // Firefox before 89 cannot undo a paste that the page inserts itself.
    if (without === 'firefox78') return;
    await window.undo(id);
    await encrypt(window);
    const undone = await shown(window);
    await window.evaluate(fill, { id, text: row.start });
    await encrypt(window);
    expect(undone).toEqual(await shown(window));
  });
}

// A paste or a drop with line breaks, then a letter typed: the field and the worksheet take each
// edit, and the caret stands after it. A drop where the driver makes a real one (Chromium's). The
// text has no last line break, which a browser's own drop leaves out and the program would keep.
const breaks = expected.fieldCases.find((row) => row.name === 'line_breaks_and_tabs_become_spaces');
for (const insert of ['paste', 'drop']) {
  test(`${insert}: ${breaks.name}, then typing`, async ({ window }) => {
    test.skip(!window[insert], 'this driver drops no text');
    const id = `Text2(${breaks.field})`;
    await window.evaluate(fill, { id, text: breaks.start });
    await window[insert](id, breaks.pasted.trimEnd());
    const text = breaks.kept.trimEnd();
    expect(await kept(window, breaks.field)).toEqual({ value: text, caret: text.length, worksheet: text });
    await window.type(id, 'я');
    expect(await kept(window, breaks.field)).toEqual({ value: `${text}я`, caret: text.length + 1, worksheet: `${text}я` });
  });
}

// From a phone held upright or on its side to a tablet, with a phone's browser where the engine
// has one to emulate (Chromium's widens its layout viewport to content wider than the screen);
// on a desktop the window keeps its own size.
const screens = [[320, 480], [360, 640], [740, 360], [768, 1024]].map(([width, height]) => ({
  width,
  height,
  mobile: true,
}));
for (const screen of [...screens, { width: 1024, height: 600 }]) {
  test.describe(() => {
    test.use({ screen });
    test(`the whole window is in view at ${screen.width} × ${screen.height}`, async ({ window }) => {
      const view = () =>
        window.evaluate(() => {
          const client = document.getElementById('client').getBoundingClientRect();
          const root = document.documentElement;
          const list = document.getElementById('List1(0)');
          return {
            screen: [innerWidth, innerHeight, root.scrollWidth, root.scrollHeight],
            client: [client.left, client.top, client.right, client.bottom],
            rowsFit: list.scrollHeight <= list.clientHeight,
          };
        });
      // As large as the screen lets it be, never larger than its own size, and in proportion;
      // neither scrolled nor wider than the screen.
      const { width, height } = expected.client;
      const scale = Math.min(1, screen.width / width, screen.height / height);
      const before = await view();
      expect(before.screen).toEqual([screen.width, screen.height, screen.width, screen.height]);
      const [left, top, right, bottom] = before.client;
      expect([left, top]).toEqual([0, 0]);
      expect(right).toBeCloseTo(width * scale, 0);
      expect(bottom).toBeCloseTo(height * scale, 0);
      expect(right).toBeLessThanOrEqual(screen.width);
      expect(bottom).toBeLessThanOrEqual(screen.height);
      // The sample's seven rows stand whole in the list, however small.
      await encrypt(window);
      expect((await view()).rowsFit).toBe(true);
    });
  });
}
