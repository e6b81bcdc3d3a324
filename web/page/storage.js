// What the page keeps in the browser: saves, transcripts and the journey in
// IndexedDB, each save and each transcript an entry of its own, written and
// read one at a time, so that two tabs never write over each other's work.
// A write settles only once the browser has kept it, and fails with the
// reason in words for the player when it has not; where there is no storage
// at all, nothing is listed and every write fails. Settings (text size,
// theme) live in localStorage.
const DATABASE = 'lanternmoor';
const SHAPE = 1;
const UNAVAILABLE = 'this browser keeps no storage for this page';
// Some browsers have been seen never to answer an opening; the game must
// not wait for them for ever.
const LONGEST_OPENING = 10000;

// Each save's file, and beside it what the list of saves shows; a
// transcript's name, and its text in the pieces appended; the journey.
const SAVES = 'saves';
const SAVE_LIST = 'saveList';
const TRANSCRIPTS = 'transcripts';
const TRANSCRIPT_TEXT = 'transcriptText';
const JOURNEY = 'journey';

function reasonFor(error) {
  if (!error) return "the browser's storage gave up";
  if (error.name === 'QuotaExceededError') return "the browser's storage for this page is full";
  if (error.name === 'SecurityError' || error.name === 'InvalidStateError') return UNAVAILABLE;
  return `the browser's storage refused it (${error.message || error.name})`;
}

function shapeStorage(db) {
  db.createObjectStore(SAVES);
  db.createObjectStore(SAVE_LIST, { keyPath: 'name' });
  db.createObjectStore(TRANSCRIPTS, { keyPath: 'name' });
  db.createObjectStore(TRANSCRIPT_TEXT, { autoIncrement: true }).createIndex('name', 'name');
  db.createObjectStore(JOURNEY);
}

let opened = null;

// The connection, opened again after another tab or the browser closed it.
function connection() {
  if (!opened) {
    opened = new Promise((resolve, reject) => {
      const request = globalThis.indexedDB && globalThis.indexedDB.open(DATABASE, SHAPE);
      if (!request) throw new Error(UNAVAILABLE);
      let late = false;
      const timer = setTimeout(() => {
        late = true;
        reject(new Error("the browser's storage did not answer"));
      }, LONGEST_OPENING);
      request.onupgradeneeded = () => shapeStorage(request.result);
      request.onerror = () => {
        clearTimeout(timer);
        reject(new Error(reasonFor(request.error)));
      };
      request.onsuccess = () => {
        const db = request.result;
        clearTimeout(timer);
        if (late) return db.close();
        const forget = () => {
          db.close();
          opened = null;
        };
        db.onversionchange = forget;
        db.onclose = forget;
        resolve(db);
      };
    }).catch((error) => {
      opened = null;
      throw new Error(error.name === 'SecurityError' ? UNAVAILABLE : error.message);
    });
  }
  return opened;
}

// Runs `work` in one transaction over the stores named and settles once the
// transaction has: with what `work` left in `result.value`, or with the
// reason it was not kept.
// Writes are on disk before they settle, unless `durability` is 'relaxed'.
async function transact(names, mode, work, durability = 'strict') {
  const db = await connection();
  let transaction;
  try {
    transaction = db.transaction(names, mode, { durability: mode === 'readwrite' ? durability : 'default' });
  } catch (error) {
    opened = null;
    throw new Error(reasonFor(error));
  }
  const result = { value: undefined };
  const done = new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve(result.value);
    transaction.onabort = () => reject(new Error(reasonFor(transaction.error)));
  });
  work(...names.map((name) => transaction.objectStore(name)), result);
  return done;
}

// Puts what a request finds into the result.
function found(request, result, shape = (value) => value) {
  request.onsuccess = () => { result.value = shape(request.result); };
}

const orNull = (value) => (value === undefined ? null : value);

// The saves listed, newest last, are written later than every one there is,
// so the list of saves orders them as they were written.
function putSave(files, list, name, bytes, written) {
  const listed = list.getAll();
  listed.onsuccess = () => {
    const newest = Math.max(0, ...listed.result.map((save) => save.written));
    const when = written !== undefined ? written : Math.max(Date.now(), newest + 0.001);
    files.put(bytes, name);
    list.put({ name, written: when, size: bytes.length });
  };
}

let persistAsked = false;

// Saves are worth asking the browser not to throw away when space runs low.
function askToPersist() {
  if (persistAsked || !navigator.storage || !navigator.storage.persist) return;
  persistAsked = true;
  navigator.storage.persist().catch(() => {});
}

const saves = {
  // Where the storage cannot be read, nothing is kept that could be listed.
  list: () => transact([SAVE_LIST], 'readonly', (list, result) => found(list.getAll(), result)).catch(() => []),
  // Where there is no storage at all, no save is there, as with no folder.
  read: (name) => transact([SAVES], 'readonly', (files, result) => found(files.get(name), result, orNull))
    .catch((error) => {
      if (error.message === UNAVAILABLE) return null;
      throw error;
    }),
  async write(name, bytes) {
    await transact([SAVES, SAVE_LIST], 'readwrite', (files, list) => putSave(files, list, name, bytes));
    askToPersist();
  },
  // Keeps the save only under a name no save has yet; false when taken.
  create: (name, bytes, written) => transact([SAVES, SAVE_LIST], 'readwrite', (files, list, result) => {
    const taken = list.count(name);
    taken.onsuccess = () => {
      result.value = taken.result === 0;
      if (result.value) putSave(files, list, name, bytes, written);
    };
  }),
  remove: (name) => transact([SAVES, SAVE_LIST], 'readwrite', (files, list) => {
    files.delete(name);
    list.delete(name);
  }),
};

const transcripts = {
  // Nothing appended makes the transcript when there is none yet.
  append: (name, bytes) => transact([TRANSCRIPTS, TRANSCRIPT_TEXT], 'readwrite', (names, text) => {
    names.put({ name, written: Date.now() });
    if (bytes.length > 0) text.add({ name, bytes });
  }),
  // The whole text as bytes, exactly as the game wrote it; null when there
  // is no such transcript.
  read: (name) => transact([TRANSCRIPTS, TRANSCRIPT_TEXT], 'readonly', (names, text, result) => {
    const known = names.get(name);
    const pieces = text.index('name').getAll(name);
    pieces.onsuccess = () => {
      if (!known.result) return;
      const whole = new Uint8Array(pieces.result.reduce((size, piece) => size + piece.bytes.length, 0));
      let at = 0;
      for (const piece of pieces.result) {
        whole.set(piece.bytes, at);
        at += piece.bytes.length;
      }
      result.value = whole;
    };
    result.value = null;
  }),
  list: () => transact([TRANSCRIPTS], 'readonly', (names, result) => found(names.getAll(), result)),
};

// The current record of the journey being played: it is kept often, so
// without waiting for the disk.
const journey = {
  put: (bytes) => transact([JOURNEY], 'readwrite', (slot) => slot.put(bytes, 'current'), 'relaxed'),
  get: () => transact([JOURNEY], 'readonly', (slot, result) => found(slot.get('current'), result, orNull)),
  clear: () => transact([JOURNEY], 'readwrite', (slot) => slot.delete('current')),
};

const settings = {
  async get(key) {
    try {
      return localStorage.getItem(`lanternmoor.${key}`);
    } catch (error) {
      return null;
    }
  },
  async set(key, value) {
    try {
      localStorage.setItem(`lanternmoor.${key}`, String(value));
    } catch (error) {
      // Not kept across visits, then; the page still follows it now.
    }
  },
};

// Saves an earlier page kept in emscripten's file system database ('/saves'),
// taken over once, each under its own name unless one is there already.
async function takeOverEarlierSaves() {
  // Where there is no storage, Chromium's list of databases fails twice.
  await connection();
  if (!indexedDB.databases) return;
  if (!(await indexedDB.databases()).some((database) => database.name === '/saves')) return;
  const earlier = await new Promise((resolve, reject) => {
    const request = indexedDB.open('/saves');
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  const files = [];
  if (earlier.objectStoreNames.contains('FILE_DATA')) {
    await new Promise((resolve, reject) => {
      const read = earlier.transaction('FILE_DATA').objectStore('FILE_DATA').openCursor();
      read.onerror = () => reject(read.error);
      read.onsuccess = () => {
        const cursor = read.result;
        if (!cursor) return resolve();
        const name = /^\/saves\/(.+)\.dat\.gz$/.exec(cursor.key);
        if (name && cursor.value.contents) files.push({ name: name[1], ...cursor.value });
        cursor.continue();
      };
    });
  }
  earlier.close();
  for (const file of files) await saves.create(file.name, new Uint8Array(file.contents), file.timestamp.getTime());
  indexedDB.deleteDatabase('/saves');
}

export async function openStorage() {
  await takeOverEarlierSaves().catch(() => {});
  return { saves, transcripts, journey, settings };
}
