// What the page keeps in the browser's real IndexedDB, played through the
// core and the storage as the page starts them (storageHarness.html), from a
// folder of a host.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';
import { withBrowser, ROOT, SITE, NATIVE } from './browserKit.mjs';

const HARNESS = fs.readFileSync(path.join(import.meta.dirname, 'storageHarness.html'));
const FOLDER = '/games/lanternmoor/';
const SEEDED = ['lanternmoor', '--no-audio', '--seed', '7'];
const OLD_SAVE = fs.readFileSync(path.join(ROOT, 'tests', 'data', 'saves-v0.1.1', 'fresh.dat.gz'));
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// The site under FOLDER, as a static host serves it: `host.site` may change
// between visits, and `host.headers` go with every answer.
async function startHost() {
  const host = { site: SITE, headers: {} };
  host.server = http.createServer((request, response) => {
    const wanted = new URL(request.url, 'http://host').pathname;
    const file = wanted.slice(FOLDER.length).replace(/\.\.+/g, '') || 'harness.html';
    const bytes = file === 'harness.html' && !fs.existsSync(path.join(host.site, file))
      ? HARNESS : fs.existsSync(path.join(host.site, file)) && fs.readFileSync(path.join(host.site, file));
    if (!wanted.startsWith(FOLDER) || !bytes) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', ...host.headers });
    response.end(bytes);
  });
  await new Promise((resolve) => host.server.listen(0, '127.0.0.1', resolve));
  host.origin = `http://127.0.0.1:${host.server.address().port}`;
  host.address = host.origin + FOLDER;
  return host;
}

const browse = (use) => withBrowser({}, use, startHost);

// The harness started on a page (just loaded); `play` is left to the test.
async function startHarness(page) {
  await page.waitForFunction(() => window.harness);
  await page.evaluate((given) => window.harness.start(given), SEEDED);
  return page;
}

async function openTab(context, host) {
  const page = await context.newPage();
  page.on('pageerror', (error) => assert.fail(`page error: ${error.stack || error}`));
  await page.goto(host.address);
  return startHarness(page);
}

const timesShown = (page, text) => page.evaluate((wanted) => window.harness.shown.split(wanted).length - 1, text);

// Types the lines, then waits until `answer` is shown once more than before.
async function type(page, lines, answer) {
  const before = await timesShown(page, answer);
  await page.evaluate((all) => all.forEach((line) => window.harness.type(line)), lines);
  await page.waitForFunction(([wanted, count]) => window.harness.shown.split(wanted).length - 1 > count,
    [answer, before], { timeout: 20000 });
}

async function begin(page, name) {
  await page.evaluate(() => { window.harness.playing = window.harness.core.play(); });
  await type(page, ['1', name, 'f'], `Welcome to Lanternmoor, ${name}!`);
}

// A save's record and the journey slot, as numbers, for comparing in Node.
const savedRecord = (page, name) => page.evaluate(async (save) =>
  Array.from(await window.harness.unpack(await window.harness.store.saves.read(save))), name);
const keptJourney = (page) => page.evaluate(async () => {
  await window.harness.core.settled();
  return Array.from(await window.harness.store.journey.get());
});

test('a journey survives a reload exactly; saves and the transcript are kept as the terminal keeps them', async () => {
  await browse(async ({ context, host, work }) => {
    const page = await openTab(context, host);
    assert.equal(await page.evaluate(() => window.harness.core.resumeOffer()), null);
    const session = ['1', 'Tess', 'f', 'go north', 'save', 'first', 'script notes', 'look', 'attack wolf', 'stats',
      'unscript', 'go south', 'undo'];
    await begin(page, 'Tess');
    await type(page, session.slice(3), 'You take back "go south".');
    // The slot holds the game as it stands, the step taken back included.
    const journey = await keptJourney(page);
    await type(page, ['save', 'now'], 'Game saved to saves/now.dat.gz successfully.');
    assert.deepEqual(await savedRecord(page, 'now'), journey);

    await page.reload();
    await startHarness(page);
    assert.match(await page.evaluate(() => window.harness.core.resumeOffer()),
      /^Resume: Tess at the Magic Forest, \d+ minute\(s\) played$/);
    await page.evaluate(() => { window.harness.playing = window.harness.core.play({ resume: true }); });
    await type(page, ['save', 'second'], 'Game saved to saves/second.dat.gz successfully.');
    assert.deepEqual(await savedRecord(page, 'second'), journey);
    await type(page, ['quit'], 'Farewell');
    await page.evaluate(() => window.harness.playing.then(() => window.harness.core.settled()));
    assert.equal(await page.evaluate(() => window.harness.core.resumeOffer()), null);

    // The same lines in the terminal game write the same transcript, but
    // for the time it began.
    const transcript = await page.evaluate(async () =>
      new TextDecoder().decode(await window.harness.store.transcripts.read('notes')));
    spawnSync(NATIVE, SEEDED.slice(1), { cwd: work, input: session.join('\n') + '\n' });
    const terminal = fs.readFileSync(path.join(work, 'transcripts', 'notes.txt'), 'utf8');
    const untimed = (text) => text.replace(/^Transcript started .*\n/, '');
    assert.ok(transcript.startsWith('Transcript started '));
    assert.equal(untimed(transcript), untimed(terminal));
  });
});

test('two tabs save, list and load without losing each other\'s saves', async () => {
  await browse(async ({ context, host }) => {
    const [one, two] = [await openTab(context, host), await openTab(context, host)];
    await begin(one, 'Ash');
    await begin(two, 'Wren');
    await type(one, ['save', 'alpha'], 'successfully.');
    await type(two, ['go north', 'save', 'beta'], 'successfully.');
    await type(one, ['save', 'beta', 'y'], 'successfully.');
    await type(two, ['save', 'gamma'], 'successfully.');
    await type(one, ['saves'], 'newest first');
    const listed = await one.evaluate(() => window.harness.shown.split('newest first').pop());
    assert.match(listed, /gamma: Wren at the Magic Forest[^]*beta: Ash at the Peaceful Village[^]*alpha: Ash/);
    await type(two, ['load', 'beta'], 'Game loaded from saves/beta.dat.gz successfully.');
    await type(two, ['stats'], 'Ash');

    // Many writes from both at once: every one is kept whole.
    await Promise.all([one, two].map((tab, index) => tab.evaluate(async (which) => {
      const writes = [];
      for (let n = 0; n < 20; n++) writes.push(window.harness.store.saves.write(`tab${which}-${n}`, new Uint8Array(5000).fill(n)));
      writes.push(window.harness.store.saves.write('shared', new Uint8Array(5000).fill(which)));
      await Promise.all(writes);
    }, index)));
    const kept = await one.evaluate(async () => {
      const names = (await window.harness.store.saves.list()).map((save) => save.name);
      const shared = await window.harness.store.saves.read('shared');
      return { names, shared: shared.every((byte) => byte === shared[0]) && shared.length };
    });
    assert.equal(kept.names.length, 3 + 40 + 1);
    assert.equal(kept.shared, 5000);
  });
});

test('storage full or missing: the game says so, plays on, and lists nothing it did not keep', async () => {
  await browse(async ({ context, host }) => {
    const page = await openTab(context, host);
    const browser = await context.newCDPSession(page);
    await browser.send('Storage.overrideQuotaForOrigin', { origin: host.origin, quotaSize: 1 });
    await begin(page, 'Tess');
    await type(page, ['save', 'full'], 'Could not write save file: the browser\'s storage for this page is full');
    await type(page, ['saves'], 'There are no saved games yet.');
    const refused = await page.evaluate((bytes) => window.harness.core.importSave('kept.dat.gz', new Blob([new Uint8Array(bytes)])), [...OLD_SAVE]);
    assert.match(refused.error, /^Could not write save file: the browser's storage for this page is full$/);
    await browser.send('Storage.overrideQuotaForOrigin', { origin: host.origin });
    await type(page, ['save', 'roomy'], 'Game saved to saves/roomy.dat.gz successfully.');

    // With no storage at all (an origin the browser gives none).
    host.headers = { 'Content-Security-Policy': 'sandbox allow-scripts', 'Access-Control-Allow-Origin': '*' };
    const bare = await openTab(context, host);
    await begin(bare, 'Ash');
    assert.equal(await bare.evaluate(() => window.harness.core.resumeOffer()), null);
    await type(bare, ['save', 'lost'], 'Could not write save file: this browser keeps no storage for this page');
    await type(bare, ['script notes'], 'Could not open transcript file: this browser keeps no storage for this page');
    await type(bare, ['saves'], 'There are no saved games yet.');
    await type(bare, ['load', 'lost'], 'Save file \'lost.dat.gz\' not found.');
    assert.match((await bare.evaluate(() => window.harness.notices))[0], /could not be kept for the next visit/);
  });
});

test('imports take only what the loader takes, read no further than it reads, under names that load them; an earlier page\'s saves are kept', async () => {
  await browse(async ({ context, host }) => {
    const page = await openTab(context, host);
    await begin(page, 'Tess');
    const imported = (name, bytes) => page.evaluate(([file, given]) => window.harness.core.importSave(file,
      new Blob([new Uint8Array(given)])), [name, bytes]);
    const memory = await page.evaluate(() => window.harness.core.memory());
    const refusal = { error: 'Failed to load save file (corrupted or incompatible).' };
    // 40 MB that is not a save, a small file that unpacks to 64 MB, one cut
    // short, and bytes after the last gzip member, which are damage.
    for (const [file, bytes] of [['big', 40 << 20], ['bomb', [...zlib.gzipSync(Buffer.alloc(64 << 20))]],
      ['cut', [...OLD_SAVE.subarray(0, 300)]], ['after', [...OLD_SAVE, 0, 0, 0, 0]]]) {
      assert.deepEqual(await imported(`${file}.dat.gz`, bytes), refusal, file);
    }
    assert.equal(await page.evaluate(() => window.harness.core.memory()), memory);

    // Two saves under one long name, names no file should have, and gzip
    // members back to back, which are one save.
    const long = 'L'.repeat(300);
    await type(page, ['save', 'here'], 'successfully.');
    const record = Buffer.from(await savedRecord(page, 'here'));
    const here = [...zlib.gzipSync(record)];
    const members = [...zlib.gzipSync(record.subarray(0, 999)), ...zlib.gzipSync(record.subarray(999))];
    const names = [];
    for (const [file, bytes] of [[`${long}.dat.gz`, [...OLD_SAVE]], [`${long}.dat.gz`, here],
      ['../../etc/passwd.gz', here], ['\x1b[31m<img src=x>.dat', here], ['.dat.gz', here], ['members', members]]) {
      names.push((await imported(file, bytes)).name);
    }
    assert.deepEqual(names, ['L'.repeat(240), 'L'.repeat(238) + '-2', '.._.._etc_passwd', '__31m_img_src_x_', 'imported',
      'members']);
    await type(page, ['load', names[1]], `Game loaded from saves/${names[1]}.dat.gz successfully.`);
    await type(page, ['load', names[0]], `Game loaded from saves/${names[0]}.dat.gz successfully.`);
    assert.equal(await page.evaluate(async () => window.harness.core.describeSave(await window.harness.store.saves.read('imported'))),
      'Tess at the Peaceful Village, 0 minute(s) played');

    // The saves an earlier page kept in emscripten's file system are taken over.
    const listed = await page.evaluate(async (bytes) => {
      const earlier = await new Promise((resolve) => {
        const request = indexedDB.open('/saves', 21);
        request.onupgradeneeded = () => request.result.createObjectStore('FILE_DATA');
        request.onsuccess = () => resolve(request.result);
      });
      const files = earlier.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
      files.put({ timestamp: new Date(1e12), mode: 33188, contents: new Uint8Array(bytes) }, '/saves/earlier.dat.gz');
      await new Promise((resolve) => { files.transaction.oncomplete = resolve; });
      earlier.close();
      const store = await (await import('./storage.js')).openStorage();
      return (await store.saves.list()).filter((save) => save.name === 'earlier');
    }, [...OLD_SAVE]);
    assert.deepEqual(listed, [{ name: 'earlier', written: 1e12, size: OLD_SAVE.length }]);
  });
});

// The site as released, with a mark in one file and the test's page among
// the files kept offline.
function release(folder, mark) {
  fs.cpSync(SITE, folder, { recursive: true });
  fs.writeFileSync(path.join(folder, 'harness.html'), HARNESS);
  fs.appendFileSync(path.join(folder, 'storage.js'), `\n// ${mark}\n`);
  const worker = fs.readFileSync(path.join(folder, 'sw.js'), 'utf8')
    .replace(/const VERSION = '[^']*'/, `const VERSION = '${mark}'`).replace("['./', ", "['./', 'harness.html', ");
  fs.writeFileSync(path.join(folder, 'sw.js'), worker);
  return folder;
}

test('an update served with a cache lifetime reaches the player by the second visit, in a folder of the host', async () => {
  await browse(async ({ context, host, work }) => {
    host.site = release(path.join(work, 'first'), 'first release');
    host.headers = { 'Cache-Control': 'max-age=600' };
    const page = await openTab(context, host);
    const worker = () => page.evaluate(async () => {
      await navigator.serviceWorker.register('sw.js');
      await navigator.serviceWorker.ready;
    });
    const cachesHeld = () => page.evaluate(async () => (await caches.keys()).join('|'));
    const storageScript = () => page.evaluate(async () => (await fetch('storage.js')).text());
    await worker();
    assert.match(await cachesHeld(), /^lanternmoor http:.*\/games\/lanternmoor\/ first release$/);

    host.site = release(path.join(work, 'second'), 'second release');
    await page.reload();
    // The check the browser makes on each visit, made now to wait for it.
    await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update();
      const next = registration.installing || registration.waiting;
      if (next) {
        await new Promise((resolve) => {
          next.addEventListener('statechange', () => next.state === 'activated' && resolve());
          if (next.state === 'activated') resolve();
        });
      }
    });
    assert.match(await cachesHeld(), /^lanternmoor http:.*\/games\/lanternmoor\/ second release$/);
    await page.reload();
    assert.match(await storageScript(), /second release/);

    // And it plays with the network gone.
    await context.setOffline(true);
    await page.reload();
    await startHarness(page);
    await begin(page, 'Tess');
    await context.setOffline(false);
  });
});
