// The page: a terminal widget, a line editor in front of it, and the host
// the game's WebAssembly core calls for lines, text, sounds and gzip. The
// saves folder lives in the browser's IndexedDB.
'use strict';
(() => {
  const encoder = new TextEncoder();
  const statusLine = document.getElementById('status');
  const readerBox = document.getElementById('reader');
  const exportButton = document.getElementById('export');
  const importInput = document.getElementById('import');
  const terminalBox = document.getElementById('terminal');

  const term = new Terminal({
    convertEol: true,
    cursorBlink: true,
    screenReaderMode: readerBox.checked,
    scrollback: 5000,
    fontFamily: '"DejaVu Sans Mono", Menlo, Consolas, monospace',
    fontSize: 15,
    theme: { background: '#101418' },
  });
  const fit = new FitAddon.FitAddon();
  term.loadAddon(fit);
  term.open(terminalBox);
  fit.fit();
  new ResizeObserver(() => fit.fit()).observe(terminalBox);
  term.focus();

  // What the page shows to a test or a curious player in the console.
  const page = { term, soundsPlayed: [], titleShownAt: null, errors: [] };
  window.lanternmoor = page;
  page.screenText = () => {
    const buffer = term.buffer.active;
    const lines = [];
    for (let i = 0; i < buffer.length; i++) lines.push(buffer.getLine(i).translateToString(true));
    return lines.join('\n');
  };

  function say(text) {
    statusLine.textContent = text;
  }

  // ---- Text on the screen ----
  let decoder = new TextDecoder();
  // What was printed since the last line ended: the question or prompt that
  // the line being typed answers.
  let unfinished = '';
  const visible = (text) => text.replace(/\x1b\[[0-9;]*[A-Za-z]/g, '');

  function show(bytes) {
    const text = decoder.decode(bytes, { stream: true });
    term.write(text);
    const end = text.lastIndexOf('\n');
    unfinished = end < 0 ? unfinished + text : text.slice(end + 1);
    if (page.titleShownAt === null && text.includes('3. Quit')) {
      page.titleShownAt = performance.now();
      keepForOffline();
    }
  }

  // ---- The line editor ----
  const HISTORY_SIZE = 20;
  const editor = {
    waiting: null, // {resolve, plain} while the game waits for a line
    pendingKeys: '', // typed before the game asked
    line: '',
    cursor: 0,
    shownCursor: 0, // where the screen's cursor stands in the line
    history: [],
    historyIndex: 0,
    draft: '',
  };

  const startColumn = () => visible(unfinished).length % term.cols;
  const rowOf = (position) => Math.floor((startColumn() + position) / term.cols);
  const columnOf = (position) => (startColumn() + position) % term.cols;

  function moveBetween(from, to) {
    const rows = rowOf(to) - rowOf(from);
    let moves = rows < 0 ? `\x1b[${-rows}A` : rows > 0 ? `\x1b[${rows}B` : '';
    moves += '\r';
    if (columnOf(to) > 0) moves += `\x1b[${columnOf(to)}C`;
    return moves;
  }

  // Text that ends exactly at the window's edge leaves the cursor waiting to
  // wrap; a blank and a carriage return make it wrap now.
  function wrapAtEdge() {
    return editor.line.length > 0 && columnOf(editor.line.length) === 0 ? ' \r' : '';
  }

  function redraw() {
    const { line, cursor } = editor;
    term.write(moveBetween(editor.shownCursor, 0) + line + wrapAtEdge() + '\x1b[J' +
      moveBetween(line.length, cursor));
    editor.shownCursor = cursor;
  }

  // The prompt and the line again, below something printed in between.
  function reprint() {
    term.write(unfinished + editor.line + wrapAtEdge() + '\x1b[J' +
      moveBetween(editor.line.length, editor.cursor));
    editor.shownCursor = editor.cursor;
  }

  function setLine(line, cursor = line.length) {
    editor.line = line;
    editor.cursor = cursor;
    redraw();
  }

  function finishLine(line) {
    const { resolve } = editor.waiting;
    term.write(moveBetween(editor.shownCursor, editor.line.length) + '\r\n');
    editor.waiting = null;
    unfinished = '';
    resolve(line === null ? null : encoder.encode(line));
  }

  function browseHistory(step) {
    if (editor.waiting.plain) return;
    const index = editor.historyIndex + step;
    if (index < 0 || index > editor.history.length) return;
    if (editor.historyIndex === editor.history.length) editor.draft = editor.line;
    editor.historyIndex = index;
    setLine(index === editor.history.length ? editor.draft : editor.history[index]);
  }

  // The game hands over the command lines worth typing again, as the
  // terminal's line editor is handed them.
  function remember(line) {
    editor.history.push(line);
    if (editor.history.length > HISTORY_SIZE) editor.history.shift();
  }

  // The game says what Tab offers: at the command prompt, and at a question
  // that has answers to offer (a save's name).
  function complete() {
    if (!game) return;
    const typed = editor.line.slice(0, editor.cursor);
    const answer = askCompletion(typed).split('\n');
    answer.pop();
    const [replaced, ...matches] = answer;
    if (replaced !== undefined && replaced !== typed) {
      const rest = editor.line.slice(editor.cursor);
      setLine(replaced + rest, replaced.length);
    } else if (matches.length > 1) {
      term.write(moveBetween(editor.shownCursor, editor.line.length) + '\r\n' +
        matches.join('  ') + '\r\n');
      reprint();
    }
  }

  function escapeKey(sequence) {
    const { line, cursor } = editor;
    switch (sequence) {
      case '[A': case 'OA': return browseHistory(-1);
      case '[B': case 'OB': return browseHistory(1);
      case '[C': case 'OC': return cursor < line.length && setLine(line, cursor + 1);
      case '[D': case 'OD': return cursor > 0 && setLine(line, cursor - 1);
      case '[H': case 'OH': case '[1~': return setLine(line, 0);
      case '[F': case 'OF': case '[4~': return setLine(line);
      case '[3~': return cursor < line.length && setLine(line.slice(0, cursor) + line.slice(cursor + 1), cursor);
      default: return undefined;
    }
  }

  function typeKeys(data) {
    let i = 0;
    while (i < data.length) {
      if (!editor.waiting) {
        editor.pendingKeys += data.slice(i);
        return;
      }
      const { line, cursor } = editor;
      const key = data[i];
      if (key === '\x1b') {
        const sequence = /^\x1b(\[[0-9;]*[A-Za-z~]|O[A-Za-z])/.exec(data.slice(i));
        if (sequence) escapeKey(sequence[1]);
        i += sequence ? sequence[0].length : 1;
        continue;
      }
      i++;
      if (key === '\r' || key === '\n') {
        if (key === '\r' && data[i] === '\n') i++;
        finishLine(line);
      } else if (key === '\x7f' || key === '\b') {
        if (cursor > 0) setLine(line.slice(0, cursor - 1) + line.slice(cursor), cursor - 1);
      } else if (key === '\t') {
        complete();
      } else if (key === '\x04') {
        if (line === '') finishLine(null); // Ctrl-D: the end of input, as in a terminal
      } else if (key === '\x01') {
        setLine(line, 0);
      } else if (key === '\x05') {
        setLine(line);
      } else if (key === '\x15') {
        setLine(line.slice(cursor), 0);
      } else if (key === '\x0b') {
        setLine(line.slice(0, cursor), cursor);
      } else if (key >= ' ') {
        let run = key;
        while (i < data.length && data[i] >= ' ' && data[i] !== '\x7f' && data[i] !== '\x1b') run += data[i++];
        setLine(line.slice(0, cursor) + run + line.slice(cursor), cursor + run.length);
      }
    }
  }

  function readLine(plain) {
    return new Promise((resolve) => {
      editor.waiting = { resolve, plain };
      editor.line = '';
      editor.cursor = 0;
      editor.shownCursor = 0;
      editor.historyIndex = editor.history.length;
      editor.draft = '';
      const keys = editor.pendingKeys;
      editor.pendingKeys = '';
      if (keys) typeKeys(keys);
    });
  }

  term.onData((data) => {
    if (ended) {
      if (data.includes('\r')) start();
      return;
    }
    typeKeys(data);
  });

  // F6 moves between the game and the buttons below it, keyboard only.
  term.attachCustomKeyEventHandler((event) => {
    if (event.type === 'keydown' && event.key === 'F6') {
      exportButton.focus();
      event.preventDefault();
      return false;
    }
    return true;
  });
  document.getElementById('controls').addEventListener('keydown', (event) => {
    if (event.key === 'F6') {
      term.focus();
      event.preventDefault();
    }
  });

  // ---- Sound ----
  // Browsers let a page play only after the player has done something; the
  // first key press opens the audio.
  const MOST_PLAYING = 4;
  let audio = null;
  let playing = 0;
  const decoded = new Map();
  window.addEventListener('keydown', () => {
    if (!audio) audio = new AudioContext();
    if (audio.state === 'suspended') audio.resume();
  }, { capture: true });

  function effect(name) {
    if (!decoded.has(name)) {
      decoded.set(name, fetch(`sound/${name}.ogg`)
        .then((response) => response.arrayBuffer())
        .then((bytes) => audio.decodeAudioData(bytes)));
    }
    return decoded.get(name);
  }

  function playSound(name) {
    if (!audio || audio.state !== 'running' || playing >= MOST_PLAYING) return;
    playing++;
    effect(name).then((buffer) => {
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.onended = () => playing--;
      source.start();
      page.soundsPlayed.push(name);
    }).catch(() => {
      playing--;
      decoded.delete(name);
    });
  }

  // ---- gzip ----

  async function gzip(bytes) {
    const packed = new Blob([bytes]).stream().pipeThrough(new CompressionStream('gzip'));
    return new Uint8Array(await new Response(packed).arrayBuffer());
  }

  // The gzip member `packed` begins with, unpacked by the browser: its
  // bytes, or null when the browser refuses the data or it holds more than
  // `room` bytes. Fed a kilobyte at a time, so that data claiming gigabytes
  // stops near the room. Unless `finish`, the data need not end the member:
  // anything but null means the browser took all of it.
  async function inflate(packed, room, finish) {
    const stream = new DecompressionStream('gzip');
    const writer = stream.writable.getWriter();
    const reader = stream.readable.getReader();
    const parts = [];
    let size = 0;
    const drained = (async () => {
      for (let read = await reader.read(); !read.done; read = await reader.read()) {
        parts.push(read.value);
        size += read.value.length;
      }
    })();
    drained.catch(() => {});
    try {
      for (let at = 0; at < packed.length && size <= room; at += 1024) {
        await writer.write(packed.subarray(at, at + 1024));
      }
      if (finish && size <= room) {
        await writer.close();
        await drained;
      }
    } catch (error) {
      return null;
    } finally {
      writer.abort().catch(() => {});
      reader.cancel().catch(() => {});
    }
    if (size > room) return null;
    const whole = new Uint8Array(size);
    let at = 0;
    for (const part of parts) {
      whole.set(part, at);
      at += part.length;
    }
    return whole;
  }

  // The gzip data `packed` begins with, at most `room` bytes of it unpacked:
  // { bytes, used }, where used counts the packed bytes it took. The browser
  // unpacks one member and refuses whatever follows it, so a member's end is
  // sought where it must be: one byte before the shortest start of the data
  // the browser refuses.
  async function unpack(packed, room) {
    const whole = await inflate(packed, room, true);
    if (whole) return { bytes: whole, used: packed.length };
    let taken = 0;
    let refused = packed.length;
    while (refused - taken > 1) {
      const middle = (taken + refused) >> 1;
      if (await inflate(packed.subarray(0, middle), room, false)) taken = middle;
      else refused = middle;
    }
    const member = await inflate(packed.subarray(0, taken), room, true);
    if (!member) throw new Error('no whole gzip data');
    return { bytes: member, used: taken };
  }

  // ---- The game ----
  let game = null;
  let ended = false;
  let compiled = null;

  function callWithText(name, bytes) {
    const at = game._malloc(bytes.length + 1);
    game.HEAPU8.set(bytes, at);
    game.HEAPU8[at + bytes.length] = 0;
    const answer = game.UTF8ToString(game['_' + name](at, bytes.length));
    game._free(at);
    return answer;
  }

  // Called while the game waits for the line, so it must not wait itself.
  function askCompletion(typed) {
    return callWithText('webComplete', encoder.encode(typed));
  }

  function finish() {
    if (ended) return;
    ended = true;
    editor.waiting = null;
    editor.pendingKeys = '';
    term.write('\r\n\x1b[2m(The journey is over. Press Enter to begin again.)\x1b[0m\r\n');
  }

  function report(error) {
    page.errors.push(String(error));
    say('Something went wrong: ' + error);
    finish();
  }

  const host = {
    write: (bytes) => show(bytes),
    columns: () => term.cols,
    readLine,
    remember,
    gzip,
    unpack,
    playSound,
    umask: () => 0o022,
    // The saves folder is written out to the browser's storage whenever the
    // game has changed it; a single file needs nothing more.
    keep: (where) => (where === 'saves' ? new Promise((resolve, reject) => {
      game.FS.syncfs(false, (error) => (error ? reject(error) : resolve()));
    }) : undefined),
    writtenAt: (where) => BigInt(game.FS.stat(where).mtime.getTime()) * BigInt(1000000),
    // "script" says that transcripts are not kept here.
    keepsTranscripts: false,
    exit: finish,
  };

  // The compiled code is kept, so a new journey starts at once.
  function instantiateWasm(imports, receive) {
    if (!compiled) {
      compiled = fetch('lanternmoor.wasm').then((response) => WebAssembly.compileStreaming(response)
        .catch(() => fetch('lanternmoor.wasm').then((again) => again.arrayBuffer())
          .then((bytes) => WebAssembly.compile(bytes))));
    }
    compiled.then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receive(instance, module)))
      .catch(report);
    return {};
  }

  function mountSaves(module) {
    module.FS.mkdir('/saves');
    module.FS.mount(module.IDBFS, {}, '/saves');
    module.addRunDependency('saves');
    module.FS.syncfs(true, (error) => {
      if (error) say('Saved games could not be read from this browser.');
      module.removeRunDependency('saves');
    });
  }

  function start() {
    ended = false;
    decoder = new TextDecoder();
    unfinished = '';
    term.reset();
    const made = createLanternmoor({
      host,
      instantiateWasm,
      preRun: [mountSaves],
      // Every ending returns from webPlay; a fault that ends through the C
      // library's exit must stop the code that called it.
      quit(status, toThrow) {
        finish();
        throw toThrow;
      },
    });
    // The factory hands back the promise of the game, or the game holding it.
    (made.ready || made).then((module) => {
      game = module;
      // The program's name, ended by a zero byte.
      return module.ccall('webPlay', 'number', ['string', 'number'], ['lanternmoor', 12], { async: true });
    }).then(finish, (error) => (error && error.name === 'ExitStatus' ? finish() : report(error)));
  }

  // ---- Saves in and out of the browser ----
  const SAVE_ENDING = '.dat.gz';

  function newestSave() {
    let newest = null;
    for (const file of game.FS.readdir('/saves')) {
      if (!file.endsWith(SAVE_ENDING) || file.length === SAVE_ENDING.length) continue;
      const written = game.FS.stat('/saves/' + file).mtime.getTime();
      if (!newest || written > newest.written) newest = { file, written };
    }
    return newest;
  }

  exportButton.addEventListener('click', () => {
    const newest = game && newestSave();
    if (!newest) {
      say('There is no saved game to export yet.');
      return;
    }
    const bytes = game.FS.readFile('/saves/' + newest.file);
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/gzip' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = newest.file;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    say(`Exported ${newest.file}.`);
  });

  // The name the load prompt turns into this file, as the game cleans names.
  function saveName(file) {
    const base = file.replace(/\.dat\.gz$|\.gz$/i, '').slice(0, 240) || 'imported';
    return base.replace(/[^A-Za-z0-9._-]/g, '_');
  }

  // A name not yet taken, so an import never replaces a save already kept.
  function freeName(name) {
    const taken = (candidate) => game.FS.analyzePath('/saves/' + candidate + SAVE_ENDING).exists;
    let candidate = name;
    for (let n = 2; taken(candidate); n++) candidate = `${name}-${n}`;
    return candidate;
  }

  function tellInTerminal(text) {
    if (editor.waiting) {
      term.write(moveBetween(editor.shownCursor, editor.line.length) + '\r\n' + text + '\r\n');
      reprint();
    } else {
      term.write(text + '\r\n');
    }
  }

  // An imported file is checked by a game of its own, which takes it as
  // `load` would: the one being played waits for a line, and cannot wait
  // for the browser's unpacking as well.
  // One file at a time: the checking game waits for one unpacking at most.
  let checker = null;
  let checking = Promise.resolve();
  function refusalOf(packed) {
    const refusal = checking.then(() => check(packed));
    checking = refusal.catch(() => {});
    return refusal;
  }
  async function check(packed) {
    if (!checker) {
      const made = createLanternmoor({ host, instantiateWasm });
      checker = made.ready || made;
    }
    const module = await checker;
    const at = module._malloc(packed.length);
    module.HEAPU8.set(packed, at);
    try {
      return await module.ccall('webCheckRecord', 'string', ['number', 'number'], [at, packed.length], { async: true });
    } finally {
      module._free(at);
    }
  }

  importInput.addEventListener('change', async () => {
    const file = importInput.files[0];
    importInput.value = '';
    if (!file || !game) return;
    const packed = new Uint8Array(await file.arrayBuffer());
    const refusal = await refusalOf(packed);
    if (refusal) {
      say(refusal.trim());
      tellInTerminal(refusal.trimEnd());
      return;
    }
    const name = freeName(saveName(file.name));
    game.FS.writeFile('/saves/' + name + SAVE_ENDING, packed);
    game.FS.syncfs(false, () => {});
    say(`Imported the save as "${name}": type load, then ${name}.`);
    tellInTerminal(`Imported the save as "${name}".`);
  });

  readerBox.addEventListener('change', () => {
    term.options.screenReaderMode = readerBox.checked;
  });

  // Only once the title is up, so keeping the files never slows the first
  // visit down.
  function keepForOffline() {
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  start();
})();
