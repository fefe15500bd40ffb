// SPDX-License-Identifier: MIT
// The page's half of main_form.cpp. The page is written with the window's elements, so the
// browser shows the window before the compiled program has started; this script runs as the page
// is read, and listens from then on. A click made before the program is ready waits for it. What
// a field takes before then (typing, deleting, a paste) the browser makes by its own rules, and
// the program takes the field's text over as an edit once it starts. What a control shows, and
// what a field keeps, are decided in the program; this file only speaks to the browser.

var page = {
  module: null, // the compiled window, once it is ready
  rows: [], // the element of each row of the layout table
  // Input field element: its row. Filled as the program starts, so that until then every field
  // event is the browser's alone.
  fields: new Map(),
  buttons: new Map(), // button element: its index in Command1
  waiting: [], // the clicks made before the program was ready, in order
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
    if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement) {
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
    page.rows[row].value = text;
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
      fieldEdited(field);
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

// The field's text as it stands, the cursor after what the edit inserted: at the selection's end,
// since a browser's own drop selects the dropped text.
function fieldEdited(field) {
  toProgram('_webFieldEdited', field, field.value, field.selectionEnd);
}

// Pasted or dropped text goes in as the field keeps it (one line, within its limit), inserted
// as the browser inserts typed text, so that Ctrl+Z takes it out again. A browser that cannot
// insert into a field that way (Firefox before 89) has the field's text set.
function paste(field, text) {
  var start = field.selectionStart;
  var edited = field.value.slice(0, start) + text + field.value.slice(field.selectionEnd);
  toProgram('_webFieldInserted', field, edited, start + text.length);
  var replacement = page.replacement;
  field.setSelectionRange(replacement.from, replacement.to);
  var inserted = false;
  try {
    inserted = document.execCommand('insertText', false, replacement.text);
  } catch (unsupported) {
    inserted = false;
  }
  if (!inserted) {
    field.setRangeText(replacement.text, replacement.from, replacement.to, 'end');
    fieldEdited(field);
  }
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
  if (page.fields.has(field) && !event.isComposing && !awaitsSecondHalf(field)) {
    fieldEdited(field);
  }
});

// Whether the caret stands right after the first half of a surrogate pair.
function awaitsSecondHalf(field) {
  var before = field.value.charCodeAt(field.selectionStart - 1);
  return before >= 0xd800 && before <= 0xdbff;
}

document.addEventListener('compositionend', function (event) {
  if (page.fields.has(event.target)) {
    fieldEdited(event.target);
  }
});

// The browser's own paste knows nothing of the field's rules.
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
