// SPDX-License-Identifier: MIT
// What the browser tests share: the page opened from file://, as from a USB stick, the site that
// a web server serves, and what the C++ tables expect of them (web_expectations prints them).
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { readFileSync } from 'node:fs';
import { createInterface } from 'node:readline';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = new URL('../../../', import.meta.url);
const pagePath =
  process.env.MATRIX_CIPHER_PAGE ?? fileURLToPath(new URL('dist/web/matrix-cipher.html', root));
export const pageUrl = pathToFileURL(pagePath).href;
export const sitePath =
  process.env.MATRIX_CIPHER_SITE ?? fileURLToPath(new URL('dist/web/site', root));
export const expected = JSON.parse(
  readFileSync(process.env.MATRIX_CIPHER_EXPECTED ?? new URL('build/web/expected.json', root), 'utf8'),
);

export function control(page, name) {
  return page.locator(`[id="${name}"]`);
}

export const encrypt = (page) => control(page, 'Command1(0)').click();

// Serves the folder as a school's web server would (Python's, on 127.0.0.1), on the given port or
// on a free one.
export async function serve(folder, port = 0) {
  // Unbuffered, so that the line that tells the port comes through the pipe at once.
  const server = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', `${port}`], {
    cwd: folder,
    stdio: ['ignore', 'pipe', 'ignore'],
  });
  const [line] = await once(createInterface({ input: server.stdout }), 'line');
  return { server, port: Number(/port (\d+)/.exec(line)[1]) };
}
