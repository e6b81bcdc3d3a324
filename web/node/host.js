// The game's host under Node: standard input and output as the terminal
// program has them when piped, saves as gzip files in ./saves (Node's zlib),
// transcripts in ./transcripts, no sound. Started by build-web/lanternmoor-node.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

// No line a player means is longer; the rest of a longer one is discarded.
const LONGEST_LINE = 4096;

// Standard input in large blocks, split into lines as the terminal program does.
class BlockInput {
  constructor() {
    this.buffer = Buffer.alloc(65536);
    this.next = 0;
    this.end = 0;
    this.exhausted = false;
  }
  refill(flush) {
    if (this.exhausted) return false;
    flush();
    let got = 0;
    for (;;) {
      try {
        got = fs.readSync(0, this.buffer, 0, this.buffer.length, null);
        break;
      } catch (e) {
        if (e.code === 'EAGAIN') continue; // a terminal not yet typed at
        if (e.code === 'EOF') break;
        throw e;
      }
    }
    this.next = 0;
    this.end = got;
    this.exhausted = got <= 0;
    return !this.exhausted;
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
      const room = LONGEST_LINE - length;
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
      if (e.code === 'EAGAIN') continue;
      if (e.code === 'EPIPE') process.exit(141);
      throw e;
    }
  }
}

function start(program, args) {
  const input = new BlockInput();
  let finished = false;
  const host = {
    write(bytes, toError) { writeAll(toError ? 2 : 1, bytes); },
    columns() { return 0; },
    readLine() { return input.readLine(() => {}); },
    gzip(bytes) { return new Uint8Array(zlib.gzipSync(bytes)); },
    gunzip(bytes) { return new Uint8Array(zlib.gunzipSync(bytes)); },
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
    keepsTranscripts: true,
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
    const commandLine = [program, ...args].join('\n');
    return game.ccall('webPlay', 'number', ['string'], [commandLine], { async: true });
  }).then((status) => host.exit(status));
}

start(process.argv[2], process.argv.slice(3));
