// The Node host and the local web server on their own: waiting for input
// without spending the processor, and bad requests answered, not fatal.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { setTimeout as pause } from 'node:timers/promises';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const { serve } = require('../../web/serve.js');
const ROOT = path.resolve(import.meta.dirname, '..', '..');
const NODE = path.join(ROOT, 'build-web', 'lanternmoor-node');

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
