// The game's host under Node: standard input and output as the terminal
// program has them when piped, saves as gzip files in ./saves (Node's zlib),
// transcripts in ./transcripts, no sound. Started by build-web/lanternmoor-node.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const util = require('util');
const zlib = require('zlib');

// Waited on, never woken: a pause that costs no processor time.
const PAUSE = new Int32Array(new SharedArrayBuffer(4));

// Standard input in large blocks, split into lines as the terminal program
// does: of a longer line than the game's longest, the rest is discarded.
class BlockInput {
  constructor() {
    this.longestLine = 0;
    this.buffer = Buffer.alloc(65536);
    this.next = 0;
    this.end = 0;
    this.exhausted = false;
    this.fd = 0;
    this.reopenTried = false;
    this.pause = 1;
  }
  refill(flush) {
    if (this.exhausted) return false;
    flush();
    let got = 0;
    for (;;) {
      try {
        got = fs.readSync(this.fd, this.buffer, 0, this.buffer.length, null);
        this.pause = 1;
        break;
      } catch (e) {
        // Like the terminal program, any other failure (a folder as
        // standard input) ends the input.
        if (e.code !== 'EAGAIN') break;
        this.waitForInput();
      }
    }
    this.next = 0;
    this.end = got;
    this.exhausted = got <= 0;
    return !this.exhausted;
  }
  // Standard input that would not wait (its flag set by whoever shares it).
  // Opened anew, a pipe or a terminal waits for the next bytes as the game
  // must; where that fails (a socket), the game looks again after a pause
  // that grows to a tenth of a second.
  waitForInput() {
    if (this.fd === 0 && !this.reopenTried) {
      this.reopenTried = true;
      try {
        this.fd = fs.openSync('/proc/self/fd/0', 'r');
        return;
      } catch (e) {
        // Not to be opened anew: paused below.
      }
    }
    Atomics.wait(PAUSE, 0, 0, this.pause);
    this.pause = Math.min(this.pause * 2, 100);
  }
  readLine(flush) {
    const parts = [];
    let length = 0;
    for (;;) {
      if (this.next === this.end && !this.refill(flush)) {
        if (length === 0 && parts.length === 0) return null;
        break;
      }
      const newline = this.buffer.indexOf(10, this.next);
      const stop = newline >= 0 && newline < this.end ? newline : this.end;
      const room = this.longestLine - length;
      const piece = this.buffer.subarray(this.next, this.next + Math.min(stop - this.next, room));
      parts.push(Buffer.from(piece));
      length += piece.length;
      this.next = stop;
      if (stop < this.end) {
        this.next++;
        break;
      }
    }
    let line = Buffer.concat(parts);
    // A script written on another system may end its lines with CR LF.
    if (line.length > 0 && line[line.length - 1] === 13) line = line.subarray(0, line.length - 1);
    return new Uint8Array(line);
  }
}

function writeAll(fd, bytes) {
  let done = 0;
  while (done < bytes.length) {
    try {
      done += fs.writeSync(fd, bytes, done, bytes.length - done);
    } catch (e) {
      if (e.code === 'EAGAIN') {
        Atomics.wait(PAUSE, 0, 0, 1);
        continue;
      }
      if (e.code === 'EPIPE') process.exit(141);
      if (fd !== 1) return;
      endOnLostOutput(e);
    }
  }
}

// The player can no longer see what the game says; as in the terminal
// program, going on would be playing blind.
function endOnLostOutput(error) {
  const [, reason] = util.getSystemErrorMap().get(error.errno) || [error.code, error.code];
  const sentence = reason.charAt(0).toUpperCase() + reason.slice(1);
  writeAll(2, Buffer.from(`Could not write to standard output: ${sentence}\n`));
  process.exit(1);
}

// Closed when the game started (told by build-web/lanternmoor-node).
const outputClosed = process.env.LANTERNMOOR_OUTPUT_CLOSED === '1';
delete process.env.LANTERNMOOR_OUTPUT_CLOSED;

function start(program, args) {
  const input = new BlockInput();
  let finished = false;
  const host = {
    write(bytes, toError) {
      if (!toError && outputClosed) endOnLostOutput({ errno: -os.constants.errno.EBADF, code: 'EBADF' });
      writeAll(toError ? 2 : 1, bytes);
    },
    columns() { return 0; },
    readLine() { return input.readLine(() => {}); },
    gzip(bytes) { return new Uint8Array(zlib.gzipSync(bytes)); },
    // Stops as soon as the content outgrows the room (at least one byte is
    // asked for, as zlib wants).
    unpack(packed, room) {
      const { buffer, engine } = zlib.gunzipSync(packed, { info: true, maxOutputLength: Math.max(room, 1) });
      if (buffer.length > room) throw new RangeError('more than there is room for');
      return { bytes: new Uint8Array(buffer), used: engine.bytesWritten };
    },
    remember() {},
    playSound() {},
    umask() { return process.umask(); },
    // A file or folder reaches the disk before the game goes on.
    keep(where) {
      const fd = fs.openSync(where, 'r');
      try {
        fs.fsyncSync(fd);
      } finally {
        fs.closeSync(fd);
      }
    },
    writtenAt(where) { return fs.statSync(where, { bigint: true }).mtimeNs; },
    exit(status) {
      if (finished) return;
      finished = true;
      process.exit(status);
    },
  };
  const createLanternmoor = require(path.join(__dirname, 'lanternmoor-core-node.js'));
  // Every ending returns from webPlay; only a fault ends through the C
  // library's exit.
  const made = createLanternmoor({
    host,
    // The game reads its environment (NO_COLOR) as the terminal program does.
    preRun: [(game) => Object.assign(game.ENV, process.env)],
    quit(status) { host.exit(status); },
  });
  // The factory hands back the promise of the game, or the game holding it.
  (made.ready || made).then((game) => {
    // "longestName largestFile recordSize historyKept longestLine"
    input.longestLine = Number(game.UTF8ToString(game._webLimits()).split(' ')[4]);
    // Each word ended by a zero byte, which no argument holds.
    const commandLine = Buffer.from([program, ...args].map((word) => `${word}\0`).join(''));
    return game.ccall('webPlay', 'number', ['array', 'number'], [commandLine, commandLine.length], { async: true });
  }).then((status) => host.exit(status));
}

start(process.argv[2], process.argv.slice(3));
