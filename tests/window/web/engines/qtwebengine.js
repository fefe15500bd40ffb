// SPDX-License-Identifier: MIT
// Qt's WebEngine from Debian, the Chromium of Chromebooks whose updates have ended: Qt 5's is
// Chromium 87, Qt 6's Chromium 102. No browser automation library reaches it; a few lines of
// Python (qtwebengine.py) open the page in a QWebEngineView and act on it as a user would, and
// this speaks to them, a line of JSON each way.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createInterface } from 'node:readline';
import { fileURLToPath } from 'node:url';
import { caretAtEnd } from './page_side.js';

// What an older engine says of a newer keyword that it ignores, which is no error of the page's.
const ignoredKeyword = /invalid source: ''[\w-]+''\. It will be ignored\.$|is not recognized and ignored\.$/;

export function qt(version) {
  return {
    async launch() {
      const python = spawn('/usr/bin/python3', [fileURLToPath(new URL('qtwebengine.py', import.meta.url)), `${version}`], {
        stdio: ['pipe', 'pipe', 'ignore'],
        // Chromium refuses its sandbox to root, as tests here run.
        env: { ...process.env, QTWEBENGINE_DISABLE_SANDBOX: '1' },
      });
      const answers = createInterface({ input: python.stdout })[Symbol.asyncIterator]();
      async function call(action, argument) {
        python.stdin.write(`${JSON.stringify({ do: action, with: argument })}\n`);
        const { value: line, done } = await answers.next();
        if (done) throw new Error(`Qt ${version}'s WebEngine ended during ${action}`);
        const { value, error } = JSON.parse(line);
        if (error) throw new Error(`${action}: ${error}`);
        return value;
      }
      const evaluate = (script, argument) => call('evaluate', { script: `${script}`, argument: argument ?? null });
      // A user's action on a field, the caret at the end of its text.
      const inField = (action) => async (id, text) => {
        await evaluate(caretAtEnd, id);
        await call(action, { text });
      };
      return {
        async open({ width, height }, url) {
          await call('open', { url, width, height });
          return {
            evaluate,
            async click(id) {
              const [x, y] = await evaluate((id) => {
                const box = document.getElementById(id).getBoundingClientRect();
                return [box.left + box.width / 2, box.top + box.height / 2];
              }, id);
              await call('click', { x, y });
            },
            type: inField('type'),
            paste: inField('paste'),
            undo: inField('undo'),
            errors: async () => (await call('errors')).filter((error) => !ignoredKeyword.test(error)),
            close: async () => {},
          };
        },
        async close() {
          if (python.exitCode === null) {
            const exited = once(python, 'exit');
            python.stdin.end();
            const stuck = setTimeout(() => python.kill(), 10_000);
            await exited;
            clearTimeout(stuck);
          }
        },
      };
    },
  };
}
