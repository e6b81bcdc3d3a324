// The page in a real browser (Debian's Chromium, headless, driven by
// playwright-core), played as a person would, through the keyboard only:
// the title, a new journey, Tab completion, moving, sound, saving, a reload,
// loading (the name finished by Tab), a transcript refused, the list of
// saves, undo, export and import, a narrow window, an offline reload, the
// end of a journey, and a whole journey to the Black Queen and beyond; no
// script may fail on the way.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

const require = createRequire(import.meta.url);
const { chromium } = require('playwright-core');
const { serve } = require('../../web/serve.js');

const ROOT = path.resolve(import.meta.dirname, '..', '..');
const SITE = path.join(ROOT, 'build-web', 'site');
const NATIVE = path.join(ROOT, 'build', 'lanternmoor');
const RECORD_SIZE = 98520;
const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

const screen = (page) => page.evaluate(() => window.lanternmoor.screenText());

// How often the terminal shows the text.
const countOf = async (page, text) => (await screen(page)).split(text).length - 1;

// Waits until the terminal shows the text more often than `before` times:
// text already on the screen is no answer (a generous limit: only a broken
// page reaches it).
async function showsText(page, text, before = 0) {
  try {
    await page.waitForFunction(([wanted, times]) => window.lanternmoor &&
      window.lanternmoor.screenText().split(wanted).length - 1 > times, [text, before], { timeout: 15000 });
  } catch (error) {
    const shown = await screen(page).catch(() => '(no screen)');
    throw new Error(`the screen never showed "${text}" again; it shows:\n${shown.trimEnd().split('\n').slice(-15).join('\n')}`);
  }
}

// Types a line as a player does, then waits for what it should print.
async function play(page, line, answer) {
  const before = answer ? await countOf(page, answer) : 0;
  await page.keyboard.type(line);
  await page.keyboard.press('Enter');
  if (answer) await showsText(page, answer, before);
}

// A save written by the terminal program, for the import.
function terminalSave(folder) {
  spawnSync(NATIVE, ['--no-audio'], { cwd: folder, input: '1\nRowan\nm\ngo east\nsave\nrowan\nquit\n' });
  return path.join(folder, 'saves', 'rowan.dat.gz');
}

test('a journey in the browser, keyboard only', async (t) => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-browser-'));
  const { server, address } = await new Promise((resolve) => {
    serve(SITE, 0, (listening, where) => resolve({ server: listening, address: where }));
  });
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
    executablePath: '/usr/bin/chromium',
    args: CHROMIUM_FLAGS,
    acceptDownloads: true,
    viewport: { width: 1000, height: 700 },
  });
  const problems = [];
  try {
    const page = context.pages()[0] || await context.newPage();
    page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
    page.on('console', (message) => {
      if (message.type() === 'error') problems.push(`console: ${message.text()}`);
    });

    // The title, and how long it took to show.
    await page.goto(address);
    assert.equal(await page.title(), 'Lanternmoor');
    await showsText(page, '3. Quit');
    const titleAfter = await page.evaluate(() => window.lanternmoor.titleShownAt);
    t.diagnostic(`title menu shown ${Math.round(titleAfter)} ms after the page was opened`);

    // A new journey; the text is in the page for a screen reader too.
    await play(page, '1', 'What is your name, wanderer?');
    await play(page, 'Wren', 'Are you man or woman?');
    await play(page, 'f', 'Welcome to Lanternmoor, Wren!');
    await page.waitForFunction(() => /Welcome to Lanternmoor, Wren!/.test(
      document.querySelector('.xterm-accessibility-tree').textContent));

    // Tab completes from the game's own completer; then the player moves.
    await page.keyboard.type('go no');
    await page.keyboard.press('Tab');
    await showsText(page, '--> go north');
    await page.keyboard.press('Enter');
    await showsText(page, 'You are at the Magic Forest.');

    // Sounds follow "sound on|off" once a key has been pressed.
    await play(page, 'pray', 'say a silent prayer');
    await page.waitForFunction(() => window.lanternmoor.soundsPlayed.includes('pray'));
    await play(page, 'sound off', 'Sound disabled.');
    await play(page, 'pray');
    await play(page, 'sound on', 'Sound enabled.');
    assert.deepEqual(await page.evaluate(() => window.lanternmoor.soundsPlayed), ['pray']);

    // Up arrow brings back an earlier line.
    const prayed = await countOf(page, '--> pray');
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('ArrowUp');
    await showsText(page, '--> pray', prayed);
    await page.keyboard.press('Control+U');

    await play(page, 'save', 'Enter a name for your save file:');
    await play(page, 'wren', 'Game saved to saves/wren.dat.gz successfully.');

    // After a reload the save is still there: a new journey loads it, and
    // undo takes the load back.
    await page.reload();
    await showsText(page, '3. Quit');
    await play(page, '1', 'What is your name');
    await play(page, 'Ash', 'Are you man or woman?');
    await play(page, 'm', 'Welcome to Lanternmoor, Ash!');
    // Tab at the load prompt finishes the name of a save there is.
    await play(page, 'load', 'Enter the name for the save file to load:');
    await page.keyboard.type('wr');
    await page.keyboard.press('Tab');
    await showsText(page, 'load: wren');
    await play(page, '', 'Game loaded from saves/wren.dat.gz successfully.');
    await play(page, 'saves', 'wren: Wren at the Magic Forest');
    // The page keeps no transcripts, and says so.
    await play(page, 'script', 'Enter a name for your transcript:');
    await play(page, 'notes', 'Could not open transcript file: transcripts are not kept here');
    await play(page, 'undo', 'You take back "load".');

    // Export: the newest save, as the terminal game writes it.
    await page.keyboard.press('F6');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'export');
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
    assert.equal(download.suggestedFilename(), 'wren.dat.gz');
    const exported = path.join(work, 'friend.dat.gz');
    await download.saveAs(exported);
    assert.equal(zlib.gunzipSync(fs.readFileSync(exported)).length, RECORD_SIZE);

    // Import: the exported save under another name, one from the terminal
    // program, and a file the loader refuses, which costs nothing kept.
    await page.setInputFiles('#import', exported);
    await page.waitForFunction(() => /Imported the save as "friend"/.test(document.getElementById('status').textContent));
    if (fs.existsSync(NATIVE)) {
      await page.setInputFiles('#import', terminalSave(work));
      await page.waitForFunction(() => /as "rowan"/.test(document.getElementById('status').textContent));
    }
    const refusal = 'Failed to load save file (corrupted or incompatible).';
    const junk = path.join(work, 'wren.dat.gz');
    fs.writeFileSync(junk, zlib.gzipSync(Buffer.from('not a game')));
    await page.setInputFiles('#import', junk);
    await showsText(page, refusal);
    fs.writeFileSync(junk, fs.readFileSync(exported).subarray(0, 200));
    await page.setInputFiles('#import', junk);
    await page.waitForFunction((text) => window.lanternmoor.screenText().split(text).length === 3, refusal);
    // As in the terminal game: gzip members back to back are one save,
    // bytes after the last are damage.
    const record = zlib.gunzipSync(fs.readFileSync(exported));
    const members = path.join(work, 'members.dat.gz');
    fs.writeFileSync(members, Buffer.concat([zlib.gzipSync(record.subarray(0, 999)), zlib.gzipSync(record.subarray(999))]));
    await page.setInputFiles('#import', members);
    await page.waitForFunction(() => /as "members"/.test(document.getElementById('status').textContent));
    fs.writeFileSync(junk, Buffer.concat([fs.readFileSync(exported), Buffer.alloc(4)]));
    await page.setInputFiles('#import', junk);
    await page.waitForFunction((text) => window.lanternmoor.screenText().split(text).length === 4, refusal);
    await page.keyboard.press('F6');
    assert.ok(await page.evaluate(() => document.activeElement.classList.contains('xterm-helper-textarea')));
    await play(page, 'saves', 'friend: Wren at the Magic Forest');
    const saves = await screen(page);
    assert.match(saves, /wren: Wren at the Magic Forest/);
    if (fs.existsSync(NATIVE)) {
      await play(page, 'load', 'load:');
      await play(page, 'rowan', 'Game loaded from saves/rowan.dat.gz successfully.');
    }

    // A narrow window: lines break between words, never inside one.
    await page.setViewportSize({ width: 360, height: 640 });
    await page.waitForFunction(() => window.lanternmoor.term.cols < 45);
    const columns = await page.evaluate(() => window.lanternmoor.term.cols);
    // The game's lines break between words here, so only the next prompt
    // tells that the answer is whole.
    await play(page, 'go west', '--> ');
    await play(page, 'look', '--> ');
    const rows = (await screen(page)).split('\n');
    const last = rows.findLastIndex((row) => row.startsWith('--> look'));
    const shown = rows.slice(last + 1, rows.findIndex((row, i) => i > last && row.startsWith('-->')));
    assert.ok(shown.every((row) => row.length <= columns), shown.join('\n'));
    assert.match(shown.join(' '), /A quaint little village, peaceful and serene in nature\./);
    await page.setViewportSize({ width: 1000, height: 700 });

    // With the network gone, the page comes back from the service worker.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await context.setOffline(true);
    await page.reload();
    await showsText(page, '3. Quit');
    await play(page, '2', 'load:');
    await play(page, 'wren', 'Game loaded from saves/wren.dat.gz successfully.');
    await context.setOffline(false);

    // Quitting says farewell and offers a new start.
    await play(page, 'quit', 'Press Enter to begin again.');
    assert.match(await screen(page), /Farewell, Wren!/);
    await page.keyboard.press('Enter');
    // A new journey begins on a cleared screen.
    await page.waitForFunction(() => {
      const shown = window.lanternmoor.screenText();
      return shown.includes('3. Quit') && !shown.includes('Farewell');
    });

    // The whole journey, pasted in, to the Black Queen and the garden
    // statue, where leaving ends the game at once.
    const journey = ['playthrough.txt', 'playthrough-leave.txt']
      .flatMap((file) => fs.readFileSync(path.join(ROOT, 'tests', 'data', file), 'latin1').split('\n'))
      .filter((line) => line !== '' && !line.startsWith('#'));
    await page.evaluate((lines) => window.lanternmoor.term.paste(lines.join('\n') + '\n'), journey);
    await showsText(page, 'You have vanquished the Black Queen!');
    await showsText(page, 'Farewell, Wren...');
    await showsText(page, 'Press Enter to begin again.');

    assert.deepEqual(await page.evaluate(() => window.lanternmoor.errors), []);
    assert.deepEqual(problems, []);
  } finally {
    await context.close();
    server.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
});
