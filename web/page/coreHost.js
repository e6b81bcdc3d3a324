// The game's core in the page: the compiled WebAssembly started, and the
// host it calls for text, lines, sounds, gzip and storage.
//
// The core's contract (lanternmoor.js, built from web/webMain.cpp and
// web/hostLibrary.js):
//   webPlay(commandLine, size)       plays one journey from the title;
//   webResume(commandLine, size, record, size)  plays on from a kept record,
//                                    at the command prompt (2 when refused).
//     The command line is the program's name and options, each ended by a
//     zero byte.
//     Both are awaited: the game waits for lines and storage through
//     Asyncify, so no other call may wait while they run.
//   webComplete(typed)               Tab: "replaced\nmatch\nmatch\n...".
//   webCheckRecord(file, size)       "" or the loader's own refusal of a
//                                    save file; awaited, for the host
//                                    unpacks it (so asked of an idle copy).
//   webDescribeRecord(record, size)  "Tess at the Town Market, 12 minute(s)
//                                    played", "" for a record refused.
//   webSaveName(typed)               the name the load prompt makes of it.
//   webLimits()                      "longestName largestFile recordSize
//                                    historyKept longestLine".
//   These answer at once, even while the game waits for a line.
// In return it calls Module.host: write(bytes, toError), columns(),
// readLine(plain), remember(line), playSound(name), gzip(bytes),
// unpack(packed, room) -> {bytes, used},
// umask(), store (storage.js: saves and transcripts, each read or written
// while the game waits) and keepJourney(record) after every line that
// changed the game, never waited for.
import { pack, unpack } from './gzip.js';

const encoder = new TextEncoder();

// Calls an export that answers at once with text, handing it bytes.
function ask(game, name, bytes) {
  const at = game._malloc(bytes.length + 1);
  game.HEAPU8.set(bytes, at);
  game.HEAPU8[at + bytes.length] = 0;
  try {
    return game.UTF8ToString(game[`_${name}`](at, bytes.length));
  } finally {
    game._free(at);
  }
}

// The journey slot written one record at a time, the newest waiting; a
// cleared slot waits its turn behind the records before it.
function journeyKeeper(store, notice) {
  let waiting = null;
  let writing = null;
  let refused = false;
  async function writeAll() {
    while (waiting) {
      const next = waiting;
      waiting = null;
      try {
        await (next.clear ? store.journey.clear() : store.journey.put(next.record));
        refused = false;
      } catch (error) {
        if (!refused) notice(`This journey could not be kept for the next visit: ${error.message}.`);
        refused = true;
      }
    }
    writing = null;
  }
  const queue = (next) => {
    waiting = next;
    if (!writing) writing = writeAll();
    return writing;
  };
  return {
    keep: (record) => queue({ record }),
    clear: () => queue({ clear: true }),
    settled: () => writing || Promise.resolve(),
  };
}

export async function startCore({ ui, store, args = ['lanternmoor'] }) {
  const commandLine = encoder.encode(args.map((arg) => `${arg}\0`).join(''));
  const journey = journeyKeeper(store, (text) => ui.notice && ui.notice(text));
  let transcriptName = ((await store.transcripts.list().catch(() => []))
    .sort((a, b) => b.written - a.written)[0] || {}).name || null;
  const host = {
    write: (bytes, toError) => ui.write(bytes, toError),
    columns: () => ui.columns(),
    readLine: (plain) => ui.readLine(plain),
    remember: (line) => ui.remember(line),
    playSound: (name) => ui.playSound(name),
    gzip: pack,
    unpack,
    umask: () => 0o022,
    store: {
      saves: store.saves,
      transcripts: {
        append(name, bytes) {
          transcriptName = name;
          return store.transcripts.append(name, bytes);
        },
      },
    },
    keepJourney: (record) => journey.keep(record),
  };

  // Compiled once; each journey gets a fresh instance of it.
  const compiled = fetch('lanternmoor.wasm').then((response) => WebAssembly.compileStreaming(response))
    .catch(() => fetch('lanternmoor.wasm').then((again) => again.arrayBuffer()).then((b) => WebAssembly.compile(b)));
  const instantiateWasm = (imports, receive) => {
    compiled.then((module) => WebAssembly.instantiate(module, imports))
      .then((instance) => receive(instance));
    return {};
  };
  const newInstance = () => {
    const made = globalThis.createLanternmoor({
      host,
      instantiateWasm,
      // Every ending returns from webPlay; a fault that ends through the C
      // library's exit stops the code that called it.
      quit(status, toThrow) {
        throw toThrow;
      },
    });
    // The factory hands back the promise of the game, or the game holding it.
    return made.ready || made;
  };

  let game = await newInstance();
  let played = false;
  const [longestName, largestFile, recordSize, history] = game.UTF8ToString(game._webLimits()).split(' ').map(Number);
  const limits = { longestName, largestFile, recordSize, history };

  // The record a stored file's first gzip member holds (a file that is not
  // gzip as it stands), for describing it; never more than a record's size.
  async function recordOf(file) {
    const gzipped = file[0] === 0x1f && file[1] === 0x8b;
    if (!gzipped) return file;
    return (await unpack(file, recordSize).catch(() => ({ bytes: null }))).bytes;
  }

  // An imported file is checked by a game of its own, which takes it as
  // `load` would: the one being played waits for a line, and cannot wait
  // for the browser's unpacking as well. One file at a time.
  let checker = null;
  let checking = Promise.resolve();
  async function check(file) {
    checker = checker || newInstance();
    const idle = await checker;
    const at = idle._malloc(file.length + 1);
    idle.HEAPU8.set(file, at);
    try {
      return await idle.ccall('webCheckRecord', 'string', ['number', 'number'], [at, file.length], { async: true });
    } finally {
      idle._free(at);
    }
  }
  const refusalOf = (file) => {
    const refusal = checking.then(() => check(file));
    checking = refusal.catch(() => {});
    return refusal;
  };

  const describe = (record) => (record && ask(game, 'webDescribeRecord', record)) || null;

  async function keptJourney() {
    const record = await store.journey.get().catch(() => null);
    return describe(record) ? record : null;
  }

  // A free name for an import, as the load prompt cleans names and within
  // its limit: "name", "name-2", "name-3"...
  async function keepImport(fileName, packed) {
    const base = ask(game, 'webSaveName', encoder.encode(fileName.replace(/(\.dat)?(\.gz)?$/i, ''))) || 'imported';
    for (let number = 1; ; number++) {
      const ending = number === 1 ? '' : `-${number}`;
      const name = base.slice(0, longestName - ending.length) + ending;
      if (await store.saves.create(name, packed)) return name;
    }
  }

  return {
    limits,
    complete(typed) {
      const [replaced, ...matches] = ask(game, 'webComplete', encoder.encode(typed)).split('\n');
      matches.pop();
      return { replaced, matches };
    },
    describeSave: async (file) => describe(await recordOf(file)),
    async importSave(fileName, blob) {
      // One byte past the largest file the loader reads tells a larger one.
      const file = new Uint8Array(await blob.slice(0, largestFile + 1).arrayBuffer());
      const refusal = await refusalOf(file.length > largestFile ? new Uint8Array(0) : file);
      if (refusal) return { error: refusal.trim() };
      try {
        return { name: await keepImport(fileName, file) };
      } catch (error) {
        return { error: `Could not write save file: ${error.message}` };
      }
    },
    exportName: (name) => `${name}.dat.gz`,
    transcriptName: () => transcriptName,
    async resumeOffer() {
      const record = await keptJourney();
      return record && `Resume: ${describe(record)}`;
    },
    // Plays one journey, resumed from the kept one if asked and there is
    // one; the slot is cleared once the journey ends.
    async play({ resume = false } = {}) {
      if (played) game = await newInstance();
      played = true;
      const record = resume && await keptJourney();
      let status;
      if (record) {
        const at = game._malloc(record.length);
        game.HEAPU8.set(record, at);
        status = await game.ccall('webResume', 'number', ['array', 'number', 'number', 'number'],
          [commandLine, commandLine.length, at, record.length], { async: true });
        game._free(at);
      } else {
        status = await game.ccall('webPlay', 'number', ['array', 'number'], [commandLine, commandLine.length], { async: true });
      }
      journey.clear();
      if (ui.onJourneyEnd) ui.onJourneyEnd();
      return status;
    },
    // Settles once the journey slot holds the last record handed to it.
    settled: () => journey.settled(),
    // How far the game's memory has grown, in bytes.
    memory: () => game.HEAPU8.length,
  };
}
