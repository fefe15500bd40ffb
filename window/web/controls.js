// SPDX-License-Identifier: MIT
// The page's half of main_form.cpp: it creates the elements the compiled window asks for and
// moves clicks and the fields' edits back to it. What a control shows, where it stands and what a
// field keeps are decided there; this file only speaks to the browser.

var page = {
  rows: [], // the element of each row of the layout table
  client: null,

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
    page.client = document.createElement('div');
    page.client.id = 'client';
    page.client.style.width = width + 'px';
    page.client.style.height = height + 'px';
    page.client.style.backgroundColor = rgb(background);
    page.client.style.fontFamily = '"' + family + '", ' + fallbacks;
    page.client.style.fontSize = points + 'pt';
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
      listenToList(element);
    } else if (kind === 'button') {
      element = document.createElement('button');
      element.type = 'button';
      element.addEventListener('click', function () { _webClick(index); });
    } else {
      element = document.createElement('div');
    }
    element.id = name;
    element.className = kind;
    element.style.left = box[0] + 'px';
    element.style.top = box[1] + 'px';
    element.style.width = box[2] + 'px';
    element.style.height = box[3] + 'px';
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

  tabStop: function (row, position) {
    page.rows[row].tabIndex = position + 1;
  },

  // The window goes into the page whole, once it is filled, and only then takes the focus, which
  // lays the page out: built inside the page, every control would be laid out on its own.
  show: function (focusRow) {
    document.body.appendChild(page.client);
    page.rows[focusRow].focus();
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

function listenToField(field, row, index) {
  field.addEventListener('input', function (event) {
    // An input method's text is handed over whole, when it is composed.
    if (!event.isComposing) {
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
