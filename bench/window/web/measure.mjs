// SPDX-License-Identifier: MIT
// The page's start and its click to paint, in Debian's Chromium (tools/bench runs it after
// tools/build-web). Start: navigation to the first contentful paint, which is the window itself
// (the page has nothing to paint before its script has built it), median of 20 loads from
// file://, each in a fresh browser context; beside it the same for a bare page of the window's
// size, colour and font that shows one line, the title. Click to paint: a click on Кодирай issued at the
// start of a frame, to the end of that frame's rendering on the main thread (the task posted in
// the click's frame runs after style, layout and paint), median of 500 clicks that alternate
// between two keys, so that every click writes new matrices.
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

// The wall time to the first paint, and the CPU time of the renderer's main thread by the end of
// the load (Chromium's ThreadTime), with its script and its style and layout durations: programs
// that share the machine stretch the wall time far more than the CPU time.
async function firstPaints(url) {
  const starts = [];
  const work = { cpu: [], script: [], layout: [] };
  for (let load = 0; load < loads; ++load) {
    const context = await browser.newContext({ viewport: { width: 1024, height: 600 } });
    const page = await context.newPage();
    const devtools = await context.newCDPSession(page);
    await devtools.send('Performance.enable');
    await page.goto(url, { waitUntil: 'load' });
    starts.push(
      await page.evaluate(
        () =>
          new Promise((resolve) => {
            const found = () => performance.getEntriesByName('first-contentful-paint')[0];
            const poll = () => (found() ? resolve(found().startTime) : setTimeout(poll, 5));
            poll();
          }),
      ),
    );
    const { metrics } = await devtools.send('Performance.getMetrics');
    const metric = (name) => metrics.find((entry) => entry.name === name).value * 1000;
    work.cpu.push(metric('ThreadTime'));
    work.script.push(metric('ScriptDuration'));
    work.layout.push(metric('LayoutDuration') + metric('RecalcStyleDuration'));
    await context.close();
  }
  return { starts, work };
}

const { starts, work } = await firstPaints(pageUrl);
// The yardstick takes the window's title, size, colour and font from the page itself.
const probe = await browser.newPage();
await probe.goto(pageUrl);
const bare = await probe.evaluate(() => {
  const client = getComputedStyle(document.getElementById('client'));
  const style = `width:${client.width};height:${client.height};background:${client.backgroundColor};font-family:${client.fontFamily.replaceAll('"', "'")};font-size:${client.fontSize}`;
  return `<!DOCTYPE html><html lang="bg"><meta charset="utf-8"><title>${document.title}</title><body style="margin:0"><div style="${style}">${document.title}</div>`;
});
await probe.close();
const scratch = mkdtempSync(join(tmpdir(), 'bare-page-'));
writeFileSync(join(scratch, 'bare.html'), bare);
const { starts: bareStarts, work: bareWork } = await firstPaints(
  pathToFileURL(join(scratch, 'bare.html')).href,
);
rmSync(scratch, { recursive: true });

const page = await browser.newPage();
await page.goto(pageUrl);
const times = await page.evaluate(async (count) => {
  const key = document.getElementById('Text2(1)');
  const button = document.getElementById('Command1(0)');
  const keys = ['пчела', 'алечп'];
  const channel = new MessageChannel();
  const times = [];
  for (let click = 0; click < count; ++click) {
    key.value = keys[click % 2];
    key.dispatchEvent(new Event('input'));
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
console.log(`web page: ${bytes} bytes`);
const summary = (values) =>
  `median ${median(values).toFixed(1)} ms of ${loads} loads ` +
  `(fastest ${Math.min(...values).toFixed(1)}, slowest ${Math.max(...values).toFixed(1)})`;
console.log(`web start to first paint: ${summary(starts)}`);
console.log(
  `bare page with one line, start to first paint: ${summary(bareStarts)} ` +
    `(ratio ${(median(starts) / median(bareStarts)).toFixed(2)})`,
);
const busy = (work) =>
  `main thread CPU ${median(work.cpu).toFixed(1)} ms; script ` +
  `${median(work.script).toFixed(1)} ms and style and layout ${median(work.layout).toFixed(1)} ms`;
console.log(`web load, work: ${busy(work)}`);
console.log(`bare page load, work: ${busy(bareWork)}`);
console.log(
  `web click to paint: median ${median(times).toFixed(2)} ms of ${clicks} clicks, ` +
    `90th percentile ${percentile(times, 0.9).toFixed(2)} ms`,
);
