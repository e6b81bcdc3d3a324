// The Node host (build-web/lanternmoor-node) and the local web server. One
// behaviour, two builds: piped sessions played by the terminal program and by
// the WebAssembly core under Node must print the same bytes, end with the
// same status and leave the same saves.
// Both programs draw their random numbers from a seed taken from the clock,
// so both run with the clock stopped at the same instant.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { once } from 'node:events';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { setTimeout as pause } from 'node:timers/promises';
import zlib from 'node:zlib';

const require = createRequire(import.meta.url);
const { serve } = require('../../web/serve.js');
const ROOT = path.resolve(import.meta.dirname, '..', '..');
const NATIVE = path.join(ROOT, 'build', 'lanternmoor');
const NODE = path.join(ROOT, 'build-web', 'lanternmoor-node');
const FAKETIME = '/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1';
const STOPPED_CLOCK = '2026-03-01 12:00:00';

// `input` is the bytes piped in, or an open file given as standard input.
function run(program, options, folder, input, environment = {}) {
  const result = spawnSync(program, options, {
    cwd: folder,
    ...(typeof input === 'number' ? { stdio: [input, 'pipe', 'pipe'] } : { input }),
    // Only a game that hangs reaches it.
    timeout: 120000,
    env: {
      PATH: process.env.PATH,
      TZ: 'UTC',
      LD_PRELOAD: FAKETIME,
      FAKETIME: STOPPED_CLOCK,
      FAKETIME_DONT_FAKE_MONOTONIC: '1',
      // The files' own times, as the list of saves orders by them.
      NO_FAKE_STAT: '1',
      ...environment,
    },
    maxBuffer: 64 << 20,
  });
  // The list of saves shows when each was written, which is the file
  // system's own time, not the stopped clock.
  const out = result.stdout.toString('latin1').replace(/written \d{4}-\d\d-\d\d \d\d:\d\d/g, 'written (time)');
  return { out, err: result.stderr.toString('latin1'), status: result.status };
}

// A save the game wrote, unpacked; any other file as it stands.
function unpacked(bytes) {
  try {
    return zlib.gunzipSync(bytes, { maxOutputLength: 1 << 20 });
  } catch {
    return bytes;
  }
}

// The files a folder holds in `kind` ("saves", or transcripts from "script"),
// each save's record unpacked.
function filesIn(folder, kind) {
  const kept = {};
  const where = path.join(folder, kind);
  if (!fs.existsSync(where)) return kept;
  for (const file of fs.readdirSync(where).sort()) {
    if (!fs.statSync(path.join(where, file)).isFile()) continue;
    const bytes = fs.readFileSync(path.join(where, file));
    kept[file] = (kind === 'saves' ? unpacked(bytes) : bytes).toString('latin1');
  }
  return kept;
}

// The saves keep the times they were written, which order the list of saves.
function freshFolder(seedSaves) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-web-'));
  if (seedSaves) fs.cpSync(seedSaves, path.join(folder, 'saves'), { recursive: true, preserveTimestamps: true });
  return folder;
}

// Plays the input in both programs, each in a folder of its own, and
// compares all they leave (saves and transcripts). Returns the folders for
// a session that goes on.
// `through`: the words that start each program (a shell); `prepare`: what
// else each folder holds before the game starts.
function playBoth(options, input, seedSaves, environment, { through, prepare } = {}) {
  const folders = { native: freshFolder(seedSaves), node: freshFolder(seedSaves) };
  if (prepare) Object.values(folders).forEach(prepare);
  const as = (program) => (through ? [through[0], [...through.slice(1), program, ...options]] : [program, options]);
  const native = run(...as(NATIVE), folders.native, input, environment);
  const web = run(...as(NODE), folders.node, input, environment);
  assert.equal(web.out, native.out);
  assert.equal(web.err, native.err);
  assert.equal(web.status, native.status);
  for (const kind of ['saves', 'transcripts']) assert.deepEqual(filesIn(folders.node, kind), filesIn(folders.native, kind));
  return { ...folders, out: native.out, status: native.status };
}

// A transcript's sessions, each as the bytes a player would pipe in.
function sessionsOf(file) {
  const sessions = [];
  let current = null;
  for (const line of fs.readFileSync(file, 'latin1').split('\n')) {
    if (line === '@ new' || current === null) {
      current = { fromTitle: false, typed: [] };
      sessions.push(current);
    }
    if (line === '@ title') current.fromTitle = true;
    if (line.startsWith('#') || line.startsWith('@')) continue;
    const open = line.indexOf('`');
    if (open >= 0 && line.length > open + 1 && line.endsWith('`')) {
      const shown = line.slice(open + 1, -1);
      current.typed.push(shown.replace(/\\(.)/g, (_, c) => (c === 'e' ? '\x1b' : c)));
    }
  }
  return sessions
    .filter((s) => s.typed.length > 0)
    .map((s) => (s.fromTitle ? '' : '1\nWren\nf\n') + s.typed.map((l) => l + '\n').join(''));
}

test('the web build is there to compare', () => {
  for (const program of [NATIVE, NODE]) assert.ok(fs.existsSync(program), `${program} is built`);
  assert.ok(fs.existsSync(FAKETIME), 'faketime is installed');
});

test('every transcript, piped, prints the same in both builds', () => {
  const folder = path.join(ROOT, 'tests', 'transcripts');
  let played = 0;
  for (const name of fs.readdirSync(folder, { recursive: true }).filter((f) => f.endsWith('.txt')).sort()) {
    for (const [index, input] of sessionsOf(path.join(folder, name)).entries()) {
      try {
        playBoth(['--no-audio'], input);
      } catch (error) {
        error.message = `${name}, session ${index + 1}: ${error.message}`;
        throw error;
      }
      played++;
    }
  }
  assert.ok(played > 50, `only ${played} sessions found`);
});

// The whole journey of tests/data, to the statue, once staying and once leaving.
function journey(ending) {
  return ['playthrough.txt', ending]
    .flatMap((file) => fs.readFileSync(path.join(ROOT, 'tests', 'data', file), 'latin1').split('\n'))
    .filter((line) => line !== '' && !line.startsWith('#'))
    .map((line) => line + '\n')
    .join('');
}

test('the whole journey ends the same way in both builds', () => {
  playBoth(['--no-audio'], journey('playthrough-stay.txt'));
  playBoth(['--no-audio'], journey('playthrough-leave.txt'));
});

test('options, input edges and saves behave the same in both builds', () => {
  for (const options of [['--version'], ['--no-audio', '--loud'], ['--seed'], ['--seed', 'many'], ['--seed\n7'],
    ['--no-audio', '--seed', '7\n']]) playBoth(options, '');
  playBoth([], '3\n');
  // A fixed seed draws the same numbers in both builds, whatever the clock.
  playBoth(['--no-audio', '--seed', '4242'], '1\nWren\nf\ngo north\nattack wolf\nattack wolf\nstats\n',
    undefined, { FAKETIME: '2026-05-17 08:13:59' });
  // Lines ending in CR LF, a line longer than any the game keeps, a last
  // line with no end, and input running out at a question.
  const long = 'look ' + 'x'.repeat(5000);
  playBoth(['--no-audio'], `1\r\nWren\r\nf\r\n${long}\nlook\r\nstats`);
  playBoth(['--no-audio'], '1\nWren\nm\nsave\n');
  // Text without colour when the player asks for none.
  playBoth(['--no-audio'], '1\nWren\nf\nstats\nattack wolf\n', undefined, { NO_COLOR: '1' });
  // A save, one overwritten, the list of saves, a damaged one among them;
  // then a second run goes on from the save, and an undo takes the load back.
  const first = playBoth(['--no-audio'],
    '1\nWren\nf\ngo north\nsave\nwren game\nwait\nsave\nwren game\ny\nsave\nwren game\nn\nsaves\nquit\n');
  fs.writeFileSync(path.join(first.native, 'saves', 'broken.dat.gz'), 'not a save');
  playBoth(['--no-audio'], '2\nwren game\ntime\nsaves\nload\nbroken\nload\nmissing\nundo\ntime\nhistory\nquit\n',
    path.join(first.native, 'saves'));
  // Saves written within one second are listed newest first all the same.
  const second = Date.parse('2026-03-01T11:00:00Z') / 1000;
  const close = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-web-'));
  for (const [name, after] of [['alpha', 0.1], ['zeta', 0.2]]) {
    const file = path.join(close, `${name}.dat.gz`);
    fs.copyFileSync(path.join(first.native, 'saves', 'wren_game.dat.gz'), file);
    fs.utimesSync(file, second + after, second + after);
  }
  playBoth(['--no-audio'], '1\nWren\nf\nsaves\n', close);
  // A save written by the web build loads in the terminal program.
  const native = run(NATIVE, ['--no-audio'], freshFolder(path.join(first.node, 'saves')), '2\nwren game\ntime\n');
  assert.match(native.out, /Game loaded from saves\/wren_game\.dat\.gz successfully\.\n--> .*2 minute\(s\)/);
});

test('a folder as standard input and a closed output end the same in both builds', () => {
  const folder = fs.openSync(os.tmpdir(), 'r');
  playBoth(['--no-audio'], folder);
  fs.closeSync(folder);
  // Standard output closed by the shell; without the stopped clock, whose
  // library may open a file of its own into the free place.
  const closed = playBoth(['--no-audio'], '1\nWren\nf\n', undefined, { LD_PRELOAD: '' },
    { through: ['sh', '-c', 'exec "$0" "$@" >&-'] });
  assert.equal(closed.status, 1);
});

test('damaged saves, a FIFO and a gzip bomb are refused alike in both builds', () => {
  const saves = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-web-'));
  const made = playBoth(['--no-audio'], '1\nWren\nf\nsave\nwhole\n');
  const record = zlib.gunzipSync(fs.readFileSync(path.join(made.native, 'saves', 'whole.dat.gz')));
  const packed = zlib.gzipSync(record);
  // Members of 64 MB of zeros each, 3 GB in a 3 MB file.
  const bomb = Buffer.concat(Array(48).fill(zlib.gzipSync(Buffer.alloc(64 << 20))));
  const files = {
    members: Buffer.concat([zlib.gzipSync(record.subarray(0, 999)), zlib.gzipSync(record.subarray(999))]),
    plain: record,
    cut: packed.subarray(0, packed.length - 4),
    after: Buffer.concat([packed, Buffer.alloc(4)]),
    long: zlib.gzipSync(Buffer.concat([record, Buffer.from('x')])),
    bomb,
  };
  for (const [name, bytes] of Object.entries(files)) fs.writeFileSync(path.join(saves, `${name}.dat.gz`), bytes);
  // Nothing ever writes into the FIFO: a game waiting on it would hang.
  const fifo = (folder) => assert.equal(spawnSync('mkfifo', [path.join(folder, 'saves', 'pipe.dat.gz')]).status, 0);
  const loads = Object.keys(files).concat('pipe').map((name) => `load\n${name}\n`).join('');
  const { out } = playBoth(['--no-audio'], `1\nWren\nf\nsaves\n${loads}`, saves, {}, { prepare: fifo });
  assert.equal(out.split('successfully').length - 1, 2, out);
  assert.equal(out.split('Failed to load save file (corrupted or incompatible).').length - 1, 5, out);
  assert.equal(out.split(': damaged, cannot be loaded').length - 1, 4, out);
});

// Starts the program with a pipe as standard input that does not wait (as
// another program sharing it may leave it); the pipe stays open, empty,
// until the wrapper's own input ends. Tells the program's process id.
const NON_BLOCKING_INPUT = `
import os, sys
r, w = os.pipe()
os.set_blocking(r, False)
child = os.fork()
if child == 0:
    os.dup2(r, 0)
    os.execv(sys.argv[1], sys.argv[1:])
os.close(r)
print(child, file=sys.stderr, flush=True)
sys.stdin.buffer.read()
os.close(w)
sys.exit(os.waitstatus_to_exitcode(os.waitpid(child, 0)[1]))
`;

// The system call the process's main thread sleeps in ("running" while it runs).
const sleepingIn = (pid) => fs.readFileSync(`/proc/${pid}/syscall`, 'latin1').split(' ')[0];

test('the Node host waits for input that is not there yet instead of asking again and again', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-wait-'));
  const wrapper = spawn('python3', ['-c', NON_BLOCKING_INPUT, NODE, '--no-audio'], { cwd: folder });
  let shown = '';
  wrapper.stdout.on('data', (bytes) => { shown += bytes; });
  const [pid] = (await once(wrapper.stderr, 'data')).map(Number);
  while (!shown.includes('--> ')) await once(wrapper.stdout, 'data');
  // Asking again and again, it is never seen asleep in a read (system call 0).
  let looks = 0;
  while (sleepingIn(pid) !== '0') {
    assert.ok(++looks < 2000, 'the host never waits in a read');
    await pause(10);
  }
  wrapper.stdin.end();
  const [status] = await once(wrapper, 'exit');
  assert.equal(status, 0);
});

test('the web server answers a malformed request with 400 and goes on serving', async () => {
  const site = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-site-'));
  fs.writeFileSync(path.join(site, 'index.html'), '<title>Lanternmoor</title>');
  const { server, address } = await new Promise((resolve) => {
    serve(site, 0, (listening, where) => resolve({ server: listening, address: where }));
  });
  try {
    for (const bad of ['%', 'a%00b', '%E0%A4%A']) assert.equal((await fetch(address + bad)).status, 400, bad);
    const page = await fetch(address);
    assert.equal(page.status, 200);
    assert.equal(page.headers.get('x-content-type-options'), 'nosniff');
    assert.equal(await page.text(), '<title>Lanternmoor</title>');
  } finally {
    server.close();
  }
});
