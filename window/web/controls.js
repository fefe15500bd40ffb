// SPDX-License-Identifier: MIT
// The page's half of main_form.cpp. The page is written with the window's elements, so the
// browser shows the window before the compiled program has started; this script runs as the page
// is read, and listens from then on. What a student does before the program is ready waits for
// it: a click, a paste. What a field takes by itself (typing, deleting) stays, and the program
// takes the field's text over as an edit once it starts. What a control shows, and what a field
// keeps, are decided in the program; this file only speaks to the browser.

var page = {
  module: null, // the compiled window, once it is ready
  rows: [], // the element of each row of the layout table
  fields: new Map(), // input field element: its row
  buttons: new Map(), // button element: its index in Command1
  waiting: [], // what the student did before the program was ready, in order
  held: [], // pastes made before the program was ready that wait for it: { field, text, at }
  lastValues: new Map(), // input field element: its text as last seen, which held pastes move from
  replacement: null, // how the program would have an insertion made: { from, to, text }
  said: '', // what the live region said last

  adopt: function (row, name, kind, index) {
    var element = document.getElementById(name);
    page.rows[row] = element;
    if (kind === 'input') {
      page.fields.set(element, row);
    } else if (kind === 'button') {
      page.buttons.set(element, index);
    }
  },

  // The window's own writes: they set the element's content, which fires no input event.
  showText: function (row, text) {
    var element = page.rows[row];
    if (page.fields.has(element)) {
      setFieldText(element, text);
    } else if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement) {
      element.value = text;
    } else {
      element.textContent = text;
    }
  },

  clearItems: function (row) {
    page.rows[row].replaceChildren();
    page.rows[row].removeAttribute('aria-activedescendant');
  },

  addItem: function (row, text) {
    var list = page.rows[row];
    var option = document.createElement('div');
    option.id = list.id + '.' + list.childElementCount;
    option.setAttribute('role', 'option');
    option.setAttribute('aria-selected', 'false');
    option.textContent = text;
    list.appendChild(option);
  },

  showKept: function (row, text, cursor) {
    setFieldText(page.rows[row], text);
    page.rows[row].setSelectionRange(cursor, cursor);
  },

  // Said by a screen reader once it has said what it is saying. The same message twice is new
  // text to the live region all the same: every other time it ends in a no-break space.
  announce: function (text) {
    page.said = page.said === text ? text + '\u00a0' : text;
    document.getElementById('announcer').textContent = page.said;
  },

  whenReady: function (action) {
    if (page.module) {
      action();
    } else {
      page.waiting.push(action);
    }
  },

  // The program has started: the fields' texts as they stand now are edits like any other,
  // then what waited is done, in order.
  ready: function (module) {
    startWatch.ready();
    page.module = module;
    page.fields.forEach(function (row, field) {
      fieldEdited(field, field.value, field.selectionStart);
    });
    page.waiting.splice(0).forEach(function (action) {
      action();
    });
    performance.mark('ready');
  },
};

// Hands the field's text to the program, which keeps of it what the field may keep.
function toProgram(exported, field, text, cursor) {
  var module = page.module;
  var size = text.length * 2 + 2;
  var units = module._malloc(size);
  module.stringToUTF16(text, units, size);
  module[exported](page.fields.get(field), units, text.length, cursor);
  module._free(units);
}

function fieldEdited(field, text, cursor) {
  toProgram('_webFieldEdited', field, text, cursor);
}

// Pasted or dropped text goes in as the field keeps it (one line, within its limit), inserted
// as the browser inserts typed text, so that Ctrl+Z takes it out again. A browser that cannot
// insert into a field that way (Firefox before 89) has the field's text set. The browser
// inserts into the field with the focus, which a paste held for the program may not have: it
// has it for the insertion.
function insert(field, text, start, end) {
  var edited = field.value.slice(0, start) + text + field.value.slice(end);
  toProgram('_webFieldInserted', field, edited, start + text.length);
  var replacement = page.replacement;
  var focused = document.activeElement;
  field.focus();
  field.setSelectionRange(replacement.from, replacement.to);
  var inserted = false;
  try {
    inserted = document.execCommand('insertText', false, replacement.text);
  } catch (unsupported) {
    inserted = false;
  }
  if (!inserted) {
    field.setRangeText(replacement.text, replacement.from, replacement.to, 'end');
    fieldEdited(field, field.value, field.selectionStart);
  }
  if (focused && focused !== field && focused !== document.body) {
    focused.focus();
  }
}

// Where a paste held for the program lands once the edit that turned `before` into `after` is
// made: moved along by what was inserted or deleted in front of it, and in front of what was
// typed where it stands, since it was pasted first.
function moved(at, before, after) {
  var start = 0;
  while (start < before.length && start < after.length && before[start] === after[start]) {
    ++start;
  }
  var end = 0;
  while (end < before.length - start && end < after.length - start &&
         before[before.length - 1 - end] === after[after.length - 1 - end]) {
    ++end;
  }
  if (at <= start) {
    return at;
  }
  var replacedEnd = before.length - end;
  // Behind the edit it moves by what the edit added; within what it replaced, to the end of that.
  return at >= replacedEnd ? at + after.length - before.length : after.length - end;
}

// A field's text changed: the pastes held for it move along.
function moveHeld(field, text) {
  var before = page.lastValues.get(field);
  page.held.forEach(function (held) {
    if (held.field === field) {
      held.at = moved(held.at, before, text);
    }
  });
  page.lastValues.set(field, text);
}

function setFieldText(field, text) {
  moveHeld(field, text);
  field.value = text;
}

// Before the program is ready, what the paste replaces goes at once, as the student sees it go;
// the text waits, and lands where it was pasted in the field as the program finds it.
function paste(field, text) {
  var start = field.selectionStart;
  var end = field.selectionEnd;
  if (page.module) {
    insert(field, text, start, end);
    return;
  }
  field.setRangeText('', start, end, 'end');
  page.lastValues.set(field, field.value);
  var held = { field: field, text: text, at: start };
  page.held.push(held);
  page.waiting.push(function () {
    page.held.splice(page.held.indexOf(held), 1);
    insert(field, held.text, held.at, held.at);
  });
}

document.addEventListener('click', function (event) {
  var button = event.target.closest('.button');
  if (button) {
    page.whenReady(function () {
      page.module._webClick(page.buttons.get(button));
    });
  }
  var option = event.target.closest('.list > [role="option"]');
  if (option) {
    selectOption(option.parentNode, option);
  }
});

// An input method's text is handed over whole, when it is composed; a character beyond the Basic
// Multilingual Plane that comes as two halves, one event each, when both are there.
document.addEventListener('input', function (event) {
  var field = event.target;
  if (!page.fields.has(field)) {
    return;
  }
  moveHeld(field, field.value);
  if (page.module && !event.isComposing && !awaitsSecondHalf(field)) {
    fieldEdited(field, field.value, field.selectionStart);
  }
});

// Whether the caret stands right after the first half of a surrogate pair.
function awaitsSecondHalf(field) {
  var before = field.value.charCodeAt(field.selectionStart - 1);
  return before >= 0xd800 && before <= 0xdbff;
}

document.addEventListener('compositionend', function (event) {
  if (page.module && page.fields.has(event.target)) {
    fieldEdited(event.target, event.target.value, event.target.selectionStart);
  }
});

// The browser would drop a pasted line break; the program makes it a space instead.
document.addEventListener('paste', function (event) {
  if (page.fields.has(event.target)) {
    event.preventDefault();
    paste(event.target, event.clipboardData.getData('text/plain'));
  }
});

// Dropped text likewise, where the browser tells what it would insert (in a field, as its data)
// and where (it has moved the caret to where the text was dropped).
document.addEventListener('beforeinput', function (event) {
  if (event.inputType === 'insertFromDrop' && page.fields.has(event.target)) {
    event.preventDefault();
    var field = event.target;
    var text = event.dataTransfer ? event.dataTransfer.getData('text/plain') : event.data;
    // Once the drop is over: an edit made within it would not be one the browser can undo.
    setTimeout(function () {
      paste(field, text);
    });
  }
});

// A listbox: the selected row is the list's active descendant, the one a screen reader names
// while the focus stays on the list.
function selectOption(list, option) {
  var selected = list.querySelector('[aria-selected="true"]');
  if (selected) {
    selected.setAttribute('aria-selected', 'false');
  }
  if (option) {
    option.setAttribute('aria-selected', 'true');
    list.setAttribute('aria-activedescendant', option.id);
    option.scrollIntoView({ block: 'nearest' });
  }
}

document.addEventListener('keydown', function (event) {
  var list = event.target;
  if (!list.classList || !list.classList.contains('list')) {
    return;
  }
  var selected = list.querySelector('[aria-selected="true"]');
  var next = null;
  if (event.key === 'ArrowDown') {
    next = selected ? selected.nextElementSibling : list.firstElementChild;
  } else if (event.key === 'ArrowUp') {
    next = selected ? selected.previousElementSibling : list.lastElementChild;
  } else {
    return;
  }
  event.preventDefault();
  if (next) {
    selectOption(list, next);
  }
});
