// SPDX-License-Identifier: MIT
// What a driver does inside the page, the same in every engine. Each function is sent to the
// browser as its source text, so it uses nothing from outside itself.

// Puts the caret at the end of the field's text, where a student's click usually leaves it.
export function caretAtEnd(id) {
  const field = document.getElementById(id);
  field.focus();
  field.setSelectionRange(field.value.length, field.value.length);
}

// Gives the field its text as a program would, with the input event a browser fires.
export function fill({ id, text }) {
  const field = document.getElementById(id);
  field.value = text;
  field.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
}

// Records console errors and uncaught exceptions where the engine's driver cannot report them.
export function recordErrors() {
  if (window.recordedErrors) return;
  const errors = (window.recordedErrors = []);
  const consoleError = console.error;
  console.error = (...parts) => {
    errors.push(`console: ${parts.join(' ')}`);
    consoleError.apply(console, parts);
  };
  addEventListener('error', (event) => errors.push(`exception: ${event.message}`));
  addEventListener('unhandledrejection', (event) => errors.push(`exception: ${event.reason}`));
}

// Waits until the page's program has started and marked itself ready for a first click.
export function programReady() {
  return new Promise((resolve) => {
    const ready = () => (performance.getEntriesByName('ready').length > 0 ? resolve(true) : setTimeout(ready, 5));
    ready();
  });
}

// Takes away, before the page's script runs, what an older engine lacks that the page would use.
// Safari 14 has no DecompressionStream, and refuses to compile WebAssembly under the page's
// policy, whose 'wasm-unsafe-eval' it does not know; here WebAssembly is gone altogether, which
// leaves the page no other road. Firefox 78 has no DecompressionStream either; it inserts no text
// into a field by execCommand (89 does) and fires no beforeinput (87 does), which here reaches no
// listener of the page's.
export function olderEngine(name) {
  delete window.DecompressionStream;
  if (name === 'safari14') delete window.WebAssembly;
  if (name === 'firefox78') {
    const execCommand = document.execCommand.bind(document);
    document.execCommand = (command, ...rest) => command !== 'insertText' && execCommand(command, ...rest);
    addEventListener('beforeinput', (event) => event.stopImmediatePropagation(), true);
  }
}
