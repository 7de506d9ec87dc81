// The page around the web player: it puts the book (book.js, book-files/) into the program's
// file system, letterboxes and paints the frame, turns pointer, touch and keys into the
// program's input, plays its sound, keeps its saves in the browser's storage, and can play a
// rozeva-headless script given as the page address's #script=... for tests and bug reports.
'use strict';

var RozevaPage = (function() {
  var frameWidth = 1024, frameHeight = 768;
  var bookFolder = '/book';
  var stage = document.getElementById('stage');
  var canvas = document.getElementById('frame');
  var context = canvas.getContext('2d', { alpha: false });
  var image = context.createImageData(frameWidth, frameHeight);
  var note = document.getElementById('note');
  var page = {
    // For whoever drives the page: shots taken, message boxes shown, the exit code at the end.
    shots: [],
    messages: [],
    exitCode: null,
    firstFrameMs: null,
    loudestSample: 0,
    // Saves not yet in the browser's storage.
    savesUnderway: 0,
    scripted: false,
    shotTimesOnly: false,
    // Why the book cannot be played here, when it cannot.
    problem: null,
  };

  function say(text) { note.textContent = text; }

  // ---- The book into the program's file system, with the saves this browser kept. A file
  // stays packed (an empty file in its place) until the program opens it, which suspends the
  // program while the browser inflates it (web_library.js), or until the page has time after
  // the first frame; so the title needs only the files it shows.
  var storageKeyPrefix = 'rozeva/' + RozevaBook.id + '/';
  var database = null;
  var packedFiles = new Map();  // file system node -> its book.js entry
  var unpacking = new Map();    // file system node -> the inflation under way

  function decodeBase64(text) {
    var binary = atob(text);
    var bytes = new Uint8Array(binary.length);
    for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  // A large file's base64 comes in a script of its own (rozeva-web), loaded when the program
  // first opens the file: the title waits for the files it shows, not for every picture.
  var arrived = new Map();  // path -> base64
  RozevaBook.arrive = function(path, text) { arrived.set(path, text); };
  function encodedBytes(entry) {
    if (entry[2] !== null) return Promise.resolve(entry[2]);
    return new Promise(function(done, fail) {
      var script = document.createElement('script');
      script.src = entry[3];
      script.onload = function() {
        script.remove();
        var text = arrived.get(entry[0]);
        arrived.delete(entry[0]);
        if (text === undefined) fail(new Error(entry[3] + ' holds no ' + entry[0]));
        else done(text);
      };
      script.onerror = function() {
        script.remove();
        fail(new Error(entry[3] + ' is missing'));
      };
      document.head.appendChild(script);
    });
  }

  function inflate(entry) {
    return encodedBytes(entry).then(function(text) { return unpackBytes(entry, decodeBase64(text)); });
  }
  function unpackBytes(entry, bytes) {
    if (entry[1] === 'raw') return Promise.resolve(bytes);
    var inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
    return new Response(inflated).arrayBuffer().then(function(buffer) { return new Uint8Array(buffer); });
  }

  function nodeOf(path) {
    try { return FS.lookupPath(path, { follow: true }).node; } catch (e) { return null; }
  }

  // A file the program saved or the browser kept replaces the packed one: a new node.
  function writeBookFile(path, bytes) {
    var slash = path.lastIndexOf('/');
    FS.mkdirTree(bookFolder + (slash > 0 ? '/' + path.substring(0, slash) : ''));
    var node = nodeOf(bookFolder + '/' + path);
    if (node) {
      packedFiles.delete(node);
      FS.unlink(bookFolder + '/' + path);
    }
    FS.writeFile(bookFolder + '/' + path, bytes);
  }

  function placeBook() {
    var deflated = RozevaBook.files.some(function(entry) { return entry[1] === 'deflate'; });
    if (deflated && typeof DecompressionStream === 'undefined') return false;
    RozevaBook.files.forEach(function(entry) {
      writeBookFile(entry[0], new Uint8Array(0));
      packedFiles.set(nodeOf(bookFolder + '/' + entry[0]), entry);
    });
    return true;
  }

  function unpackNode(node) {
    if (!packedFiles.has(node)) return Promise.resolve();
    if (!unpacking.has(node)) {
      unpacking.set(node, inflate(packedFiles.get(node)).then(function(bytes) {
        // The program may have replaced the file meanwhile.
        if (packedFiles.has(node)) {
          node.contents = bytes;
          node.usedBytes = bytes.length;
          packedFiles.delete(node);
        }
        unpacking.delete(node);
      }, function(error) {
        page.problem = 'Das Buch lässt sich in diesem Browser nicht öffnen: ' + error;
        say(page.problem);
        throw error;
      }));
    }
    return unpacking.get(node);
  }

  page.packed = function(path) {
    var node = nodeOf(path);
    return node !== null && packedFiles.has(node);
  };
  page.unpack = function(path) {
    var node = nodeOf(path);
    return node ? unpackNode(node) : Promise.resolve();
  };

  // One file after another, while the reader looks at the title.
  function unpackTheRest() {
    var next = packedFiles.keys().next();
    if (!next.done) unpackNode(next.value).then(function() { setTimeout(unpackTheRest, 0); });
  }

  // Opened while the program loads and compiles, not after.
  var databaseOpened = new Promise(function(done) {
    if (!window.indexedDB) return done(null);
    var request;
    try { request = indexedDB.open('rozeva', 1); } catch (e) { return done(null); }
    request.onupgradeneeded = function() { request.result.createObjectStore('files'); };
    request.onsuccess = function() { done(request.result); };
    request.onerror = function() { done(null); };
  });

  function restoreSavedFiles(done) {
    databaseOpened.then(function(db) {
      database = db;
      if (!db) {
        say('Dieser Browser speichert nichts: Gesichertes geht beim Schließen verloren.');
        return done();
      }
      var range = IDBKeyRange.bound(storageKeyPrefix, storageKeyPrefix + '\uffff');
      var request = db.transaction('files').objectStore('files').openCursor(range);
      request.onsuccess = function() {
        var cursor = request.result;
        if (!cursor) return done();
        writeBookFile(cursor.key.substring(storageKeyPrefix.length), cursor.value);
        cursor.continue();
      };
      request.onerror = function() { done(); };
    });
  }

  function relativeToBook(path) {
    var full = PATH_FS.resolve(path);
    return full.indexOf(bookFolder + '/') === 0 ? full.substring(bookFolder.length + 1) : null;
  }

  page.fileSaved = function(path) {
    var relative = relativeToBook(path);
    if (relative === null) return;
    if (relative === RozevaBook.bookFile) downloadButton.disabled = false;
    if (!database) return;
    var bytes = FS.readFile(bookFolder + '/' + relative);
    var transaction = database.transaction('files', 'readwrite');
    transaction.objectStore('files').put(bytes, storageKeyPrefix + relative);
    ++page.savesUnderway;
    transaction.oncomplete = function() {
      --page.savesUnderway;
      say(relative + ' ist in diesem Browser gesichert.');
    };
    transaction.onerror = transaction.onabort = function() {
      --page.savesUnderway;
      say(relative + ' ließ sich im Browser nicht sichern: ' + transaction.error);
    };
  };

  var downloadButton = document.getElementById('download');
  function haveBookFile() {
    return RozevaBook.bookFile !== '' && nodeOf(bookFolder + '/' + RozevaBook.bookFile) !== null;
  }
  downloadButton.addEventListener('click', function() {
    if (!haveBookFile()) return;
    page.unpack(bookFolder + '/' + RozevaBook.bookFile).then(function() {
      offerDownload(FS.readFile(bookFolder + '/' + RozevaBook.bookFile));
    });
  });
  function offerDownload(bytes) {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = RozevaBook.bookFile.substring(RozevaBook.bookFile.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 1000);
  }

  // ---- Letterbox: the frame at the largest size that fits, crisp at whole scales.
  var layout = { x: 0, y: 0, width: 0, height: 0 };
  function lay_out() {
    if (!Module.calledRun && !Module._rozeva_web_layout) return;
    var ratio = window.devicePixelRatio || 1;
    var area = stage.getBoundingClientRect();
    var at = Module._rozeva_web_layout(Math.round(area.width * ratio), Math.round(area.height * ratio)) >> 2;
    var box = Module.HEAP32.subarray(at, at + 5);
    layout = { x: box[0] / ratio, y: box[1] / ratio, width: box[2] / ratio, height: box[3] / ratio, ratio: ratio };
    canvas.style.left = layout.x + 'px';
    canvas.style.top = layout.y + 'px';
    canvas.style.width = layout.width + 'px';
    canvas.style.height = layout.height + 'px';
    canvas.classList.toggle('crisp', box[4] === 1);
  }
  window.addEventListener('resize', lay_out);

  document.getElementById('full-screen').addEventListener('click', function() {
    var element = document.documentElement;
    var request = element.requestFullscreen || element.webkitRequestFullscreen;
    if (request) request.call(element);
  });
  document.addEventListener('fullscreenchange', function() { requestAnimationFrame(lay_out); });

  // ---- Painting: at most once per display refresh, the newest frame.
  var paintRequested = false;
  function paint() {
    paintRequested = false;
    var at = Module._rozeva_web_take_frame();
    if (!at) return;
    image.data.set(Module.HEAPU8.subarray(at, at + frameWidth * frameHeight * 4));
    context.putImageData(image, 0, 0);
    if (page.firstFrameMs === null) {
      page.firstFrameMs = performance.now();
      setTimeout(makeAudio, 0);
      setTimeout(unpackTheRest, 0);
    }
  }
  page.frameReady = function() {
    if (paintRequested) return;
    paintRequested = true;
    requestAnimationFrame(paint);
  };

  // A script's shot: the canvas, or for measurements only the time it was painted at.
  page.shot = function(name) {
    paint();
    if (page.shotTimesOnly) page.shots.push({ name: name, ms: performance.now() });
    else page.shots.push({ name: name, png: canvas.toDataURL('image/png') });
  };

  // ---- Waiting: the program is suspended until input comes or its time is up.
  var pendingWake = null, waitTimer = null;
  var soon = new MessageChannel();
  var soonCallbacks = [];
  soon.port1.onmessage = function() { var callback = soonCallbacks.shift(); if (callback) callback(); };
  function runSoon(callback) { soonCallbacks.push(callback); soon.port2.postMessage(0); }

  function wake() {
    if (!pendingWake) return;
    var wakeUp = pendingWake;
    pendingWake = null;
    clearTimeout(waitTimer);
    wakeUp();
  }
  function wakeSoon() { if (pendingWake) runSoon(wake); }

  page.waitForInput = function(timeoutMs, wakeUp) {
    pendingWake = wakeUp;
    if (timeoutMs >= 0) waitTimer = setTimeout(wake, timeoutMs);
  };

  // Timers come late by a few milliseconds; the last few are waited out in quick turns.
  var timerSlackMs = 4;
  page.sleepUntil = function(deadline, wakeUp) {
    function step() {
      var left = deadline - performance.now();
      if (left <= 0) return wakeUp();
      if (left > 2 * timerSlackMs) setTimeout(step, left - timerSlackMs);
      else runSoon(step);
    }
    runSoon(step);
  };

  // ---- Pointer, finger and keys.
  var locked = false;
  function pointerAt(event) {
    var area = stage.getBoundingClientRect();
    var ratio = layout.ratio || 1;
    Module._rozeva_web_pointer_at((event.clientX - area.left) * ratio, (event.clientY - area.top) * ratio);
  }
  function programButton(button) { return button === 0 ? 0 : button === 2 ? 1 : button + 2; }
  function input(action) {
    if (!programRunning) return;
    action();
    wakeSoon();
  }

  stage.addEventListener('pointermove', function(event) {
    input(function() {
      if (locked) Module._rozeva_web_pointer_moved(event.movementX, event.movementY);
      else pointerAt(event);
    });
  });
  stage.addEventListener('pointerdown', function(event) {
    startSound();
    event.preventDefault();
    if (stage.setPointerCapture) stage.setPointerCapture(event.pointerId);
    input(function() {
      if (!locked) pointerAt(event);
      Module._rozeva_web_button(programButton(event.button), 1);
    });
  });
  stage.addEventListener('pointerup', function(event) {
    input(function() { Module._rozeva_web_button(programButton(event.button), 0); });
  });
  stage.addEventListener('contextmenu', function(event) { event.preventDefault(); });

  document.getElementById('lock-pointer').addEventListener('click', function() {
    if (canvas.requestPointerLock) canvas.requestPointerLock();
  });
  document.addEventListener('pointerlockchange', function() { locked = document.pointerLockElement === canvas; });

  var keyCodes = {
    ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Enter: 0x0D, NumpadEnter: 0x0D,
    Escape: 0x1B, Backspace: 0x08, Tab: 0x09, Space: 0x20, PageUp: 0x21, PageDown: 0x22, End: 0x23, Home: 0x24,
    Insert: 0x2D, Delete: 0x2E, ShiftLeft: 0x10, ShiftRight: 0x10, ControlLeft: 0x11, ControlRight: 0x11,
  };
  function keyCode(code) {
    if (keyCodes[code] !== undefined) return keyCodes[code];
    var match;
    if ((match = /^Key([A-Z])$/.exec(code))) return match[1].charCodeAt(0);
    if ((match = /^Digit([0-9])$/.exec(code))) return match[1].charCodeAt(0);
    if ((match = /^Numpad([0-9])$/.exec(code))) return 0x60 + Number(match[1]);
    if ((match = /^F([0-9]+)$/.exec(code)) && Number(match[1]) >= 1 && Number(match[1]) <= 24) return 0x6F + Number(match[1]);
    return null;
  }
  // Keys the browser would act on itself (help, search, scrolling, leaving the page).
  var keptFromBrowser = { F1: 1, F3: 1, F12: 1, ArrowLeft: 1, ArrowUp: 1, ArrowRight: 1, ArrowDown: 1,
                          Backspace: 1, Tab: 1, Space: 1, Enter: 1 };

  window.addEventListener('keydown', function(event) {
    if (messageOpen) return;
    startSound();
    var altGraph = event.getModifierState && event.getModifierState('AltGraph');
    // With Alt, Ctrl or the system key a key belongs to the browser and the desktop.
    if ((event.altKey || event.ctrlKey || event.metaKey) && !altGraph) return;
    if (keptFromBrowser[event.code]) event.preventDefault();
    var code = keyCode(event.code);
    var typed = Array.from(event.key).length === 1 ? event.key : null;
    input(function() {
      if (code !== null) Module._rozeva_web_key(code);
      if (typed !== null) Module.ccall('rozeva_web_typed', null, ['string'], [typed]);
    });
  });

  window.addEventListener('blur', function() { input(function() { Module._rozeva_web_focus(0, locked ? 1 : 0); }); });
  window.addEventListener('focus', function() { input(function() { Module._rozeva_web_focus(1, 0); }); });

  // ---- Sound: Web Audio pulls from the program's mixer. Making the audio output takes the
  // browser a while, so it is made after the first frame, or at the first tap or key, which
  // browsers demand before they play anything.
  var AudioContextClass = window.AudioContext || window.webkitAudioContext;
  var audioRate = 48000, mixFrames = 2048;
  var audio = null, audioNode = null, mixBuffer = 0, audioWanted = false;
  page.openAudio = function() {
    if (!AudioContextClass) {
      say('Ohne Ton: dieser Browser gibt der Seite keine Tonausgabe.');
      return 0;
    }
    audioWanted = true;
    return audioRate;
  };
  function makeAudio() {
    if (!audioWanted || audio) return;
    try {
      audio = new AudioContextClass({ sampleRate: audioRate });
      audioNode = audio.createScriptProcessor(mixFrames, 0, 2);
    } catch (e) {
      audioWanted = false;
      audio = null;
      say('Ohne Ton: dieser Browser gibt der Seite keine Tonausgabe.');
      return;
    }
    mixBuffer = Module._malloc(mixFrames * 4);
    audioNode.onaudioprocess = function(event) {
      var left = event.outputBuffer.getChannelData(0), right = event.outputBuffer.getChannelData(1);
      var frames = left.length;
      Module._rozeva_web_mix(mixBuffer, frames);
      var samples = Module.HEAP16.subarray(mixBuffer >> 1, (mixBuffer >> 1) + 2 * frames);
      var loudest = page.loudestSample;
      for (var i = 0; i < frames; ++i) {
        left[i] = samples[2 * i] / 32768;
        right[i] = samples[2 * i + 1] / 32768;
        loudest = Math.max(loudest, Math.abs(samples[2 * i]), Math.abs(samples[2 * i + 1]));
      }
      page.loudestSample = loudest;
    };
    audioNode.connect(audio.destination);
    if (audio.state !== 'running') say('Ton ab dem ersten Tippen oder Klicken.');
  }
  page.closeAudio = function() {
    audioWanted = false;
    if (!audio) return;
    audioNode.disconnect();
    audio.close();
    audio = null;
  };
  function startSound() {
    makeAudio();
    if (!audio || audio.state === 'running') return;
    audio.resume().then(function() { say(''); },
                        function() { say('Ohne Ton: dieser Browser lässt die Seite nicht spielen.'); });
  }

  // ---- Messages and the end.
  var messageOpen = false;
  var messageBox = document.getElementById('message');
  page.messageBox = function(caption, text, wakeUp) {
    page.messages.push({ caption: caption, text: text });
    if (page.scripted) return runSoon(wakeUp);
    messageBox.querySelector('.caption').textContent = caption;
    messageBox.querySelector('.text').textContent = text;
    messageBox.hidden = false;
    messageOpen = true;
    messageBox.querySelector('button').onclick = function() {
      messageBox.hidden = true;
      messageOpen = false;
      runSoon(wakeUp);
    };
  };

  var programRunning = false;
  page.ended = function(exitCode) {
    programRunning = false;
    page.exitCode = exitCode;
    if (document.pointerLockElement) document.exitPointerLock();
    if (page.scripted) return;
    var ended = document.getElementById('ended');
    ended.hidden = false;
    ended.querySelector('button').onclick = function() { location.reload(); };
  };

  // #script=TEXT plays a script; #times=TEXT plays it taking only the times of its shots.
  function scriptOfAddress() {
    var match = /^#(script|times)=(.*)$/.exec(location.hash);
    if (!match) return null;
    page.shotTimesOnly = match[1] === 'times';
    return decodeURIComponent(match[2]);
  }

  // ---- Start-up.
  document.title = RozevaBook.title || document.title;
  window.Module = {
    canvas: canvas,
    print: function(text) { console.log(text); },
    printErr: function(text) { console.warn(text); },
    preRun: [function() {
      if (!placeBook()) {
        page.problem = 'Das Buch lässt sich in diesem Browser nicht öffnen: er ist zu alt.';
        say(page.problem);
        addRunDependency('a newer browser');
        return;
      }
      addRunDependency('saved files');
      restoreSavedFiles(function() {
        downloadButton.disabled = !haveBookFile();
        removeRunDependency('saved files');
      });
    }],
    onRuntimeInitialized: function() {
      lay_out();
      var script = scriptOfAddress();
      if (script !== null) {
        page.scripted = true;
        var problems = Module.ccall('rozeva_web_play_script', 'string', ['string'], [script]);
        if (problems) {
          page.scriptProblems = problems;
          say('Skript: ' + problems);
        }
      }
      programRunning = true;
    },
  };
  return page;
})();
