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
  fields: new Map(), // input field element: [its row, its index in Text2]
  buttons: new Map(), // button element: its index in Command1
  waiting: [], // what the student did before the program was ready, in order

  // JavaScript strings are UTF-16, like the compiled window's texts: unit for unit.
  units: function (heap, pointer, length) {
    var first = pointer >> 1;
    var text = '';
    for (var at = 0; at < length; at += 4096) {
      var end = Math.min(length, at + 4096);
      text += String.fromCharCode.apply(null, heap.subarray(first + at, first + end));
    }
    return text;
  },

  adopt: function (row, name, kind, index) {
    var element = document.getElementById(name);
    page.rows[row] = element;
    if (kind === 'field' && !element.readOnly) {
      page.fields.set(element, [row, index]);
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
  },

  addItem: function (row, text) {
    var option = document.createElement('div');
    option.setAttribute('role', 'option');
    option.setAttribute('aria-selected', 'false');
    option.textContent = text;
    page.rows[row].appendChild(option);
  },

  showKept: function (row, text, cursor) {
    page.rows[row].value = text;
    page.rows[row].setSelectionRange(cursor, cursor);
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
    page.fields.forEach(function (at, field) {
      fieldEdited(field, field.value, field.selectionStart);
    });
    page.waiting.splice(0).forEach(function (action) {
      action();
    });
    performance.mark('ready');
  },
};

// Hands the field's edited text to the binding; true when it kept other text than that.
function fieldEdited(field, text, cursor) {
  var module = page.module;
  var at = page.fields.get(field);
  var units = module._malloc(Math.max(1, text.length) * 2);
  for (var unit = 0; unit < text.length; ++unit) {
    module.HEAPU16[(units >> 1) + unit] = text.charCodeAt(unit);
  }
  var rewritten = module._webFieldEdited(at[0], at[1], units, text.length, cursor) !== 0;
  module._free(units);
  return rewritten;
}

function inputField(element) {
  return element instanceof HTMLInputElement && element.classList.contains('field') &&
    !element.readOnly;
}

// Whether the caret stands right after the first half of a surrogate pair.
function awaitsSecondHalf(field) {
  var before = field.value.charCodeAt(field.selectionStart - 1);
  return before >= 0xd800 && before <= 0xdbff;
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
  if (page.module && inputField(field) && !event.isComposing && !awaitsSecondHalf(field)) {
    fieldEdited(field, field.value, field.selectionStart);
  }
});

document.addEventListener('compositionend', function (event) {
  if (page.module && inputField(event.target)) {
    fieldEdited(event.target, event.target.value, event.target.selectionStart);
  }
});

// The browser would drop a pasted line break; the binding makes it a space instead.
document.addEventListener('paste', function (event) {
  var field = event.target;
  if (!inputField(field)) {
    return;
  }
  event.preventDefault();
  var pasted = event.clipboardData.getData('text/plain');
  var start = field.selectionStart;
  var end = field.selectionEnd;
  page.whenReady(function () {
    var edited = field.value.slice(0, start) + pasted + field.value.slice(end);
    if (!fieldEdited(field, edited, start + pasted.length)) {
      field.value = edited;
      field.setSelectionRange(start + pasted.length, start + pasted.length);
    }
  });
});

function selectOption(list, option) {
  var selected = list.querySelector('[aria-selected="true"]');
  if (selected) {
    selected.setAttribute('aria-selected', 'false');
  }
  if (option) {
    option.setAttribute('aria-selected', 'true');
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
