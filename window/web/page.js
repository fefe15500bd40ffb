// SPDX-License-Identifier: MIT
// The page's half of web_page.cpp: it creates the elements the compiled window asks for and moves
// clicks and the fields' text back to it. What a control shows, where it stands and what a field
// keeps are decided there; this file only speaks to the browser.

var pageRows = []; // the element of each row of the layout table
var pageClient = null;
var pageNormalText = '';

// JavaScript strings are UTF-16, like the compiled window's texts: unit for unit, so that even a
// lone surrogate arrives as it was typed and the binding decides what becomes of it.
function unitsAt(pointer, length) {
  var first = pointer >> 1;
  var text = '';
  for (var at = 0; at < length; at += 4096) {
    var end = Math.min(length, at + 4096);
    text += String.fromCharCode.apply(null, HEAPU16.subarray(first + at, first + end));
  }
  return text;
}

function rgb(colour) {
  return 'rgb(' + colour.join(', ') + ')';
}

function pageWindow(title, width, height, background, family, fallbacks, points) {
  document.title = title;
  pageClient = document.createElement('div');
  pageClient.id = 'client';
  pageClient.style.width = width + 'px';
  pageClient.style.height = height + 'px';
  pageClient.style.backgroundColor = rgb(background);
  pageClient.style.fontFamily = '"' + family + '", ' + fallbacks;
  pageClient.style.fontSize = points + 'pt';
}

function pageControl(row, name, kind, index, box, background, centred, readOnly, spoken) {
  var element;
  if (kind === 'field') {
    element = document.createElement('input');
    element.type = 'text';
    element.readOnly = readOnly;
    element.autocomplete = 'off';
    element.spellcheck = false;
    if (!readOnly) {
      listenToField(element, index);
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
    element.addEventListener('click', function () { _web_click(index); });
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
  pageRows[row] = element;
  pageClient.appendChild(element);
}

function pageTabStop(row, position) {
  pageRows[row].tabIndex = position + 1;
}

// The window goes into the page whole, once it is filled, and only then takes the focus, which
// lays the page out: built inside the page, every control would be laid out on its own.
function pageShown(focusRow) {
  document.body.appendChild(pageClient);
  pageRows[focusRow].focus();
}

function pageText(row, text) {
  var element = pageRows[row];
  if (element instanceof HTMLInputElement || element instanceof HTMLTextAreaElement) {
    element.value = text;
  } else {
    element.textContent = text;
  }
}

function pageItemsCleared(row) {
  pageRows[row].replaceChildren();
}

function pageItem(row, text) {
  var option = document.createElement('div');
  option.setAttribute('role', 'option');
  option.setAttribute('aria-selected', 'false');
  option.textContent = text;
  pageRows[row].appendChild(option);
}

function pageFieldKept(row, text, cursor) {
  pageRows[row].value = text;
  pageRows[row].setSelectionRange(cursor, cursor);
}

function pageNormalize(text) {
  pageNormalText = text.normalize('NFC');
  return pageNormalText.length;
}

function pageNormalized(pointer) {
  var first = pointer >> 1;
  for (var at = 0; at < pageNormalText.length; ++at) {
    HEAPU16[first + at] = pageNormalText.charCodeAt(at);
  }
}

// Hands the field's edited text to the binding; true when it kept other text than that.
function fieldEdited(index, text, cursor) {
  var first = _web_edit_buffer(text.length) >> 1;
  for (var at = 0; at < text.length; ++at) {
    HEAPU16[first + at] = text.charCodeAt(at);
  }
  return _web_edited(index, cursor) !== 0;
}

function listenToField(field, index) {
  field.addEventListener('input', function (event) {
    // An input method's text is handed over whole, when it is composed.
    if (!event.isComposing) {
      fieldEdited(index, field.value, field.selectionStart);
    }
  });
  field.addEventListener('compositionend', function () {
    fieldEdited(index, field.value, field.selectionStart);
  });
  // The browser would drop a pasted line break; the binding makes it a space instead.
  field.addEventListener('paste', function (event) {
    event.preventDefault();
    var pasted = event.clipboardData.getData('text/plain');
    var start = field.selectionStart;
    var edited = field.value.slice(0, start) + pasted + field.value.slice(field.selectionEnd);
    if (!fieldEdited(index, edited, start + pasted.length)) {
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
