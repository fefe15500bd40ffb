// SPDX-License-Identifier: MIT
// Tells the student, in the message pane, that the program has not started: a few seconds after
// the page opened, that it has not started yet, so that a click made meanwhile does not wait
// without a word; and only when its start fails with an error, that it cannot run in this
// browser. Written in the oldest JavaScript and run before the rest of the page's script, so that
// it runs in an engine too old to read the rest. Should the program start after all, the pane
// shows the description again.
var startWatch = (function () {
  var notices = @NOTICES@;
  var pane = document.getElementById('Text1(0)');
  var started = false;
  function say(notice) {
    if (!started) {
      pane.value = notice;
    }
  }
  var timer = setTimeout(function () {
    say(notices.slow);
  }, 4000);
  function failed() {
    clearTimeout(timer);
    say(notices.failed);
  }
  window.onerror = failed;
  if (window.addEventListener) {
    window.addEventListener('unhandledrejection', failed, false);
  }
  return {
    ready: function () {
      started = true;
      clearTimeout(timer);
      if (pane.value === notices.slow || pane.value === notices.failed) {
        pane.value = pane.defaultValue;
      }
    }
  };
})();
