// SPDX-License-Identifier: MIT
// The page's half of main_form.cpp: it creates the elements the compiled window asks for and
// moves clicks and the fields' edits back to it. What a control shows, where it stands and what a
// field keeps are decided there; this file only speaks to the browser.

var page = {
  rows: [], // the element of each row of the layout table
  client: null,
  width: 0, // the window's own width in CSS pixels

  // JavaScript strings are UTF-16, like the compiled window's texts: unit for unit, so that even
  // a lone surrogate arrives as it was typed and the binding decides what becomes of it.
  units: function (pointer, length) {
    var first = pointer >> 1;
    var text = '';
    for (var at = 0; at < length; at += 4096) {
      var end = Math.min(length, at + 4096);
      text += String.fromCharCode.apply(null, HEAPU16.subarray(first + at, first + end));
    }
    return text;
  },

  createWindow: function (title, width, height, background, family, fallbacks, points) {
    document.title = title;
    page.client = document.createElement('main');
    page.client.id = 'client';
    // The window keeps its own size where it fits, and shrinks as a whole where it does not:
    // every length is a share of --width, the window's width, at most its own, less where the
    // screen is narrower or lower. The small viewport height leaves a phone's toolbars out;
    // neither it nor the width changes when the on-screen keyboard opens, so the window stays
    // where it is. (A share of the width, not a multiple of a scaled pixel: Firefox keeps
    // lengths in sixtieths of a pixel, and a pixel's rounding error would grow 481 times.)
    var tall = CSS.supports('height', '1svh') ? 'svh' : 'vh';
    page.width = width;
    page.client.style.setProperty('--width', 'min(' + width + 'px, 100vw, calc(100' + tall +
      ' * ' + width + ' / ' + height + '))');
    page.client.style.width = scaled(width);
    page.client.style.height = scaled(height);
    page.client.style.backgroundColor = rgb(background);
    page.client.style.fontFamily = '"' + family + '", ' + fallbacks;
    page.client.style.fontSize = scaled(points * 96 / 72);
  },

  createControl: function (row, name, kind, index, box, background, centred, readOnly, spoken) {
    var element;
    if (kind === 'field') {
      element = document.createElement('input');
      element.type = 'text';
      element.readOnly = readOnly;
      element.autocomplete = 'off';
      element.spellcheck = false;
      if (!readOnly) {
        listenToField(element, row, index);
      }
    } else if (kind === 'pane') {
      element = document.createElement('textarea');
      element.readOnly = true;
    } else if (kind === 'list') {
      element = document.createElement('div');
      element.setAttribute('role', 'listbox');
      element.tabIndex = 0;
      listenToList(element);
    } else if (kind === 'button') {
      element = document.createElement('button');
      element.type = 'button';
      element.addEventListener('click', function () { _webClick(index); });
    } else {
      element = document.createElement(kind === 'heading' ? 'h1' : 'div');
      kind = 'label';
    }
    element.id = name;
    element.className = kind;
    element.style.left = scaled(box[0]);
    element.style.top = scaled(box[1]);
    element.style.width = scaled(box[2]);
    element.style.height = scaled(box[3]);
    if (background) {
      element.style.backgroundColor = rgb(background);
    }
    if (centred) {
      element.style.textAlign = 'center';
    }
    // A label or button is named by its own text.
    if (kind !== 'label' && kind !== 'button') {
      element.setAttribute('aria-label', spoken);
    }
    page.rows[row] = element;
    page.client.appendChild(element);
  },

  // The window goes into the page whole, once it is filled, and only then takes the focus, which
  // lays the page out: built inside the page, every control would be laid out on its own. A text
  // that a script wrote has the caret at its end, and a focused text area scrolls to its caret:
  // the focus would open the description at its last line.
  show: function (focusRow) {
    var first = page.rows[focusRow];
    document.body.appendChild(page.client);
    if (first.setSelectionRange) {
      first.setSelectionRange(0, 0);
    }
    first.focus({ preventScroll: true });
    first.scrollTop = 0;
  },

  // The window's own writes: they set the element's value, which fires no input event.
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
};

function rgb(colour) {
  return 'rgb(' + colour.join(', ') + ')';
}

// A length of the window's, in CSS pixels at its own size.
function scaled(pixels) {
  return 'calc(var(--width) * ' + pixels + ' / ' + page.width + ')';
}

// Hands the field's edited text to the binding; true when it kept other text than that.
function fieldEdited(row, index, text, cursor) {
  var units = _malloc(Math.max(1, text.length) * 2);
  for (var at = 0; at < text.length; ++at) {
    HEAPU16[(units >> 1) + at] = text.charCodeAt(at);
  }
  var rewritten = _webFieldEdited(row, index, units, text.length, cursor) !== 0;
  _free(units);
  return rewritten;
}

// Whether the caret stands right after the first half of a surrogate pair.
function awaitsSecondHalf(field) {
  var before = field.value.charCodeAt(field.selectionStart - 1);
  return before >= 0xd800 && before <= 0xdbff;
}

function listenToField(field, row, index) {
  field.addEventListener('input', function (event) {
    // An input method's text is handed over whole, when it is composed; a character beyond the
    // Basic Multilingual Plane that comes as two halves, one event each, when both are there.
    if (!event.isComposing && !awaitsSecondHalf(field)) {
      fieldEdited(row, index, field.value, field.selectionStart);
    }
  });
  field.addEventListener('compositionend', function () {
    fieldEdited(row, index, field.value, field.selectionStart);
  });
  // The browser would drop a pasted line break; the binding makes it a space instead.
  field.addEventListener('paste', function (event) {
    event.preventDefault();
    var pasted = event.clipboardData.getData('text/plain');
    var start = field.selectionStart;
    var edited = field.value.slice(0, start) + pasted + field.value.slice(field.selectionEnd);
    if (!fieldEdited(row, index, edited, start + pasted.length)) {
      field.value = edited;
      field.setSelectionRange(start + pasted.length, start + pasted.length);
    }
  });
}

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

function listenToList(list) {
  list.addEventListener('click', function (event) {
    if (event.target.parentNode === list) {
      selectOption(list, event.target);
    }
  });
  list.addEventListener('keydown', function (event) {
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
}
