// SPDX-License-Identifier: MIT
// Tells the student, in the message pane, that the program has not started: at once when its
// start fails, and a few seconds after the page opened whatever held it up, so that a click made
// meanwhile does not wait without a word. Written in the oldest JavaScript and run before the
// rest of the page's script, so that it runs in an engine too old to read the rest. Should the
// program start after all, the pane shows the description again.
var startWatch = (function () {
  var notice = @NOTICE@;
  var pane = document.getElementById('Text1(0)');
  var started = false;
  function say() {
    if (!started) {
      pane.value = notice;
    }
  }
  var timer = setTimeout(say, 4000);
  window.onerror = say;
  if (window.addEventListener) {
    window.addEventListener('unhandledrejection', say, false);
  }
  return {
    ready: function () {
      started = true;
      clearTimeout(timer);
      if (pane.value === notice) {
        pane.value = pane.defaultValue;
      }
    }
  };
})();
