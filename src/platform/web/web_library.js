// The C++ side's calls into the page (web_bridge.h), and the file system's open. The page itself
// (page/rozeva-page.js) does the work; these only pass the arguments on. The waits suspend the
// program (ASYNCIFY).
mergeInto(LibraryManager.library, {
  rozeva_js_now: function() { return performance.now(); },

  rozeva_js_wait: function(timeout_ms) {
    return Asyncify.handleSleep(function(wakeUp) { RozevaPage.waitForInput(timeout_ms, wakeUp); });
  },

  rozeva_js_sleep_until: function(deadline_ms) {
    return Asyncify.handleSleep(function(wakeUp) { RozevaPage.sleepUntil(deadline_ms, wakeUp); });
  },

  rozeva_js_frame_ready: function() { RozevaPage.frameReady(); },

  rozeva_js_message_box: function(caption, text) {
    var captionText = UTF8ToString(caption);
    var bodyText = UTF8ToString(text);
    return Asyncify.handleSleep(function(wakeUp) { RozevaPage.messageBox(captionText, bodyText, wakeUp); });
  },

  rozeva_js_open_audio: function() { return RozevaPage.openAudio(); },

  rozeva_js_close_audio: function() { RozevaPage.closeAudio(); },

  rozeva_js_shot: function(name) { RozevaPage.shot(UTF8ToString(name)); },

  rozeva_js_file_saved: function(path) { RozevaPage.fileSaved(UTF8ToString(path)); },

  rozeva_js_ended: function(exit_code) { RozevaPage.ended(exit_code); },

  // Opening a file: as the system's own, except that a book file the page has not unpacked
  // yet suspends the program while the page unpacks it.
  __syscall_open__deps: ['$SYSCALLS', '$FS'],
  __syscall_open: function(path, flags, varargs) {
    var name, mode;
    try {
      name = SYSCALLS.getStr(path);
      SYSCALLS.varargs = varargs;
      mode = varargs ? SYSCALLS.get() : 0;
    } catch (e) {
      if (!(e instanceof FS.ErrnoError)) throw e;
      return -e.errno;
    }
    function open() {
      try {
        return FS.open(name, flags, mode).fd;
      } catch (e) {
        if (!(e instanceof FS.ErrnoError)) throw e;
        return -e.errno;
      }
    }
    // While the program resumes, the call comes again and must take its result from the wait.
    if (Asyncify.state === Asyncify.State.Normal && !RozevaPage.packed(name)) return open();
    return Asyncify.handleSleep(function(wakeUp) {
      RozevaPage.unpack(name).then(function() { wakeUp(open()); });
    });
  },
});
