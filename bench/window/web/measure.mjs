// SPDX-License-Identifier: MIT
// The page's start and its click to paint, in Debian's Chromium (tools/bench runs it after
// tools/build-web). Start: navigation to the first contentful paint, the window, median of 20
// loads from file://, each in a fresh browser context, and to the moment the program is ready for
// a first click (its performance mark "ready"). Beside it, in pairs of loads in turn, so that
// both meet the same moments of the machine: the page's static copy, the page as it stands once
// opened, saved with its elements, texts and style and without any script, the floor for
// painting this window; and a bare page of the window's size, colour and font that shows one
// line, the title. Click to paint: a click on Кодирай issued at the start of a frame, to the end
// of that frame's rendering on the main thread (the task posted in the click's frame runs after
// style, layout and paint), median of 500 clicks that alternate between two keys, so that every
// click writes new matrices.
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch, pageUrl } from './chromium.mjs';

const loads = 20;
const clicks = 500;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, share) =>
  [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * share))];

const browser = await launch();

// One load: the wall time to the first paint and to the program's mark "ready" (where it has
// one), and the CPU time of the renderer's main thread by the end of the load (Chromium's
// ThreadTime), with its script and its style and layout durations: programs that share the
// machine stretch the wall time far more than the CPU time.
async function load(url) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 600 } });
  const page = await context.newPage();
  const devtools = await context.newCDPSession(page);
  await devtools.send('Performance.enable');
  await page.goto(url, { waitUntil: 'load' });
  const [paint, ready] = await page.evaluate(
    (marked) =>
      new Promise((resolve) => {
        const time = (name) => performance.getEntriesByName(name)[0]?.startTime;
        const poll = () =>
          time('first-contentful-paint') !== undefined && (!marked || time('ready') !== undefined)
            ? resolve([time('first-contentful-paint'), time('ready')])
            : setTimeout(poll, 5);
        poll();
      }),
    url === pageUrl,
  );
  const { metrics } = await devtools.send('Performance.getMetrics');
  const metric = (name) => metrics.find((entry) => entry.name === name).value * 1000;
  await context.close();
  return {
    paint,
    ready,
    cpu: metric('ThreadTime'),
    script: metric('ScriptDuration'),
    layout: metric('LayoutDuration') + metric('RecalcStyleDuration'),
  };
}

// The static copy and the one-line page take the window's elements, title, size, colour and
// font from the page itself, as it stands once its program is ready.
const probe = await browser.newPage();
await probe.goto(pageUrl);
await probe.waitForFunction(() => performance.getEntriesByName('ready').length > 0);
const [copy, bare] = await probe.evaluate(() => {
  const saved = document.documentElement.cloneNode(true);
  saved.querySelectorAll('script').forEach((script) => script.remove());
  const client = getComputedStyle(document.getElementById('client'));
  const style = `width:${client.width};height:${client.height};background:${client.backgroundColor};font-family:${client.fontFamily.replaceAll('"', "'")};font-size:${client.fontSize}`;
  return [
    `<!DOCTYPE html>\n${saved.outerHTML}`,
    `<!DOCTYPE html><html lang="bg"><meta charset="utf-8"><title>${document.title}</title><body style="margin:0"><div style="${style}">${document.title}</div>`,
  ];
});
await probe.close();
const scratch = mkdtempSync(join(tmpdir(), 'page-floors-'));
const copyUrl = pathToFileURL(join(scratch, 'copy.html')).href;
const bareUrl = pathToFileURL(join(scratch, 'bare.html')).href;
writeFileSync(join(scratch, 'copy.html'), copy);
writeFileSync(join(scratch, 'bare.html'), bare);

const runs = { page: [], copy: [], bare: [] };
for (let pair = 0; pair < loads; ++pair) {
  runs.page.push(await load(pageUrl));
  runs.copy.push(await load(copyUrl));
  runs.bare.push(await load(bareUrl));
}
rmSync(scratch, { recursive: true });

const page = await browser.newPage();
await page.goto(pageUrl);
await page.waitForFunction(() => performance.getEntriesByName('ready').length > 0);
const times = await page.evaluate(async (count) => {
  const key = document.getElementById('Text2(1)');
  const button = document.getElementById('Command1(0)');
  const keys = ['пчела', 'алечп'];
  const channel = new MessageChannel();
  const times = [];
  for (let click = 0; click < count; ++click) {
    key.value = keys[click % 2];
    key.dispatchEvent(new Event('input', { bubbles: true }));
    times.push(
      await new Promise((resolve) => {
        requestAnimationFrame(() => {
          const start = performance.now();
          channel.port1.onmessage = () => resolve(performance.now() - start);
          button.click();
          channel.port2.postMessage(0);
        });
      }),
    );
  }
  return times;
}, clicks);
await browser.close();

const bytes = statSync(fileURLToPath(pageUrl)).size;
const of = (runs, name) => runs.map((run) => run[name]);
const summary = (values) =>
  `median ${median(values).toFixed(1)} ms of ${loads} loads ` +
  `(fastest ${Math.min(...values).toFixed(1)}, slowest ${Math.max(...values).toFixed(1)})`;
const ratio = (over, under) => (median(of(runs[over], 'paint')) / median(of(runs[under], 'paint'))).toFixed(2);
// The same by pairs, each page's load over the copy's that followed it: the machine's moments
// that both met drop out.
const paired = median(runs.page.map((run, pair) => run.paint / runs.copy[pair].paint)).toFixed(2);
console.log(`web page: ${bytes} bytes`);
console.log(`web start to first paint: ${summary(of(runs.page, 'paint'))}`);
console.log(`web start to ready for a first click: ${summary(of(runs.page, 'ready'))}`);
console.log(
  `static copy, start to first paint: ${summary(of(runs.copy, 'paint'))} ` +
    `(page over copy ${ratio('page', 'copy')}; median of the pairs' ratios ${paired})`,
);
console.log(
  `bare page with one line, start to first paint: ${summary(of(runs.bare, 'paint'))} ` +
    `(page over bare ${ratio('page', 'bare')}, copy over bare ${ratio('copy', 'bare')})`,
);
const busy = (name) =>
  `main thread CPU ${median(of(runs[name], 'cpu')).toFixed(1)} ms; script ` +
  `${median(of(runs[name], 'script')).toFixed(1)} ms and style and layout ` +
  `${median(of(runs[name], 'layout')).toFixed(1)} ms`;
console.log(`web load, work: ${busy('page')}`);
console.log(`static copy load, work: ${busy('copy')}`);
console.log(`bare page load, work: ${busy('bare')}`);
console.log(
  `web click to paint: median ${median(times).toFixed(2)} ms of ${clicks} clicks, ` +
    `90th percentile ${percentile(times, 0.9).toFixed(2)} ms`,
);
