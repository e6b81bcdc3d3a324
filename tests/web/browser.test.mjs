// The page in a real browser on a desktop, played through the keyboard as a
// person plays it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { withBrowser, openGame, problemsSeen, shown, after, play, title } from './browserKit.mjs';
import { audit, colourContrasts } from './accessibility.mjs';

const RECORD_SIZE = 98520;
const focused = (page) => page.evaluate(() => document.activeElement.id);

// The menu, opened from the text field with the keyboard alone.
async function openMenu(page) {
  for (let step = 0; step < 4 && await focused(page) !== 'menuButton'; step++) {
    await page.keyboard.press('Shift+Tab');
  }
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('menu').open);
}

async function menuDownload(page, control) {
  await openMenu(page);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(control)]);
  assert.equal(await focused(page), 'command');
  return download;
}

async function saved(download, file) {
  await download.saveAs(file);
  return fs.readFileSync(file);
}

async function importFile(page, file, answer) {
  await openMenu(page);
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#import')]);
  // The status may still hold the answer to an earlier import.
  await page.$eval('#status', (status) => { status.textContent = ''; });
  await chooser.setFiles(file);
  await page.waitForFunction((text) => document.getElementById('status').textContent.includes(text), answer);
  assert.equal(await focused(page), 'command');
}

test('a journey on a desktop, keyboard only', async (t) => {
  await withBrowser({ viewport: { width: 1000, height: 700 } }, async ({ context, address, work }) => {
    const { page, problems } = await openGame(context, address);
    assert.equal(await page.title(), 'Lanternmoor');
    assert.equal(await focused(page), 'command');
    assert.deepEqual(await page.$eval('#log', (log) => [log.getAttribute('role'), log.getAttribute('aria-live')]),
      ['log', 'polite']);

    // A new journey; a question asked is the field's name.
    await play(page, '1', 'What is your name, wanderer?');
    assert.equal(await page.getAttribute('#command', 'aria-label'), 'What is your name, wanderer?');
    await play(page, 'Wren', 'Are you man or woman?');
    await play(page, 'f', 'Welcome to Lanternmoor, Wren!');

    // Tab completes from the game's own completer; Up brings a line back.
    await page.keyboard.type('go no');
    await page.keyboard.press('Tab');
    assert.equal(await page.inputValue('#command'), 'go north');
    await after(page, () => page.keyboard.press('Enter'), 'You are at the Magic Forest.');
    await play(page, 'pray', 'say a silent prayer');
    await page.waitForFunction(() => window.lanternmoor.soundsPlayed.includes('pray'));
    await page.keyboard.press('ArrowUp');
    assert.equal(await page.inputValue('#command'), 'pray');
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.inputValue('#command'), '');

    // The game's colours are styled text; "clear" empties the page.
    await play(page, 'stats', 'Reputation:');
    assert.ok(await page.$eval('#log', (log) => log.querySelectorAll('span.c31, span.c34, span.c90').length >= 3));
    await play(page, 'clear');
    await page.waitForFunction(() => !document.getElementById('log').textContent.includes('Reputation:') &&
      document.getElementById('prompt').textContent === '--> ');
    assert.ok(!(await shown(page)).includes('Welcome to Lanternmoor'));

    // A save, exported from the menu as the terminal game writes it; focus
    // comes back to the field, so the next line typed is not lost.
    await play(page, 'save', 'Enter a name for your save file:');
    assert.equal(await page.getAttribute('#command', 'aria-label'), 'Enter a name for your save file:');
    await play(page, 'wren', 'Game saved to saves/wren.dat.gz successfully.');
    const download = await menuDownload(page, 'button[aria-label="Export wren"]');
    assert.equal(download.suggestedFilename(), 'wren.dat.gz');
    const exported = path.join(work, 'friend.dat.gz');
    assert.equal(zlib.gunzipSync(await saved(download, exported)).length, RECORD_SIZE);
    await play(page, 'saves', 'wren: Wren at the Magic Forest');

    // Import: the export under another name, and a file the loader refuses,
    // in its own words (what the loader takes is tried in the storage test).
    await importFile(page, exported, 'Imported the save as "friend"');
    const junk = path.join(work, 'junk.dat.gz');
    fs.writeFileSync(junk, zlib.gzipSync(Buffer.from('not a game')));
    await importFile(page, junk, 'Failed to load save file (corrupted or incompatible).');

    // Deleting asks first.
    await openMenu(page);
    await page.click('button[aria-label="Delete friend"]');
    await page.click('button[aria-label="Delete friend for good"]');
    await page.waitForFunction(() => /"friend" is deleted/.test(document.getElementById('status').textContent));
    await play(page, 'saves', 'wren: Wren at the Magic Forest');
    assert.ok(!(await shown(page)).split('--> saves').pop().includes('friend:'));

    // A transcript kept in the browser, and the whole story, downloaded.
    await play(page, 'script notes', 'Keeping a transcript in transcripts/notes.txt');
    await play(page, 'look', 'You are at the Magic Forest.');
    await play(page, 'unscript', '-->');
    const transcript = await menuDownload(page, '#transcript');
    assert.equal(transcript.suggestedFilename(), 'notes.txt');
    assert.match((await saved(transcript, path.join(work, 'notes.txt'))).toString(), /look[\s\S]*Magic Forest/);
    const story = await saved(await menuDownload(page, '#story'), path.join(work, 'story.txt'));
    assert.match(story.toString(), /Welcome to Lanternmoor, Wren![\s\S]*--> unscript/);

    // Settings, kept across visits.
    await openMenu(page);
    const theme = await page.evaluate(() => document.documentElement.dataset.theme);
    await page.click('#larger');
    await page.click('#theme');
    await page.keyboard.press('Escape');
    assert.equal(await focused(page), 'command');
    const size = await page.evaluate(() => getComputedStyle(document.body).fontSize);

    // After a reload the journey is offered back, and plays on from the
    // last command; undo does not reach past it.
    await page.reload();
    const offer = await page.waitForSelector('#resume:visible');
    assert.match(await offer.textContent(), /^Resume: Wren at the Magic Forest, \d+ minute.* played$/);
    assert.equal(await focused(page), 'resume');
    assert.notEqual(await page.evaluate(() => document.documentElement.dataset.theme), theme);
    assert.equal(await page.evaluate(() => getComputedStyle(document.body).fontSize), size);
    await page.keyboard.press('Enter');
    assert.equal(await focused(page), 'command');
    await play(page, 'look', 'You are at the Magic Forest.');
    await play(page, 'undo', 'You take back "look');
    await play(page, 'undo', 'There is nothing left to take back.');

    // The audit, in both themes, and every colour the game prints.
    for (const look of ['dark', 'light']) {
      await page.evaluate((chosen) => { document.documentElement.dataset.theme = chosen; }, look);
      assert.deepEqual(await audit(page), [], `${look} theme`);
      const weak = (await colourContrasts(page)).filter(({ ratio }) => ratio < 4.5);
      assert.deepEqual(weak, [], `${look} theme`);
    }
    await openMenu(page);
    assert.deepEqual(await audit(page), [], 'the menu');
    await page.keyboard.press('Escape');
    t.diagnostic(`audited: no serious or critical finding in either theme or the menu`);

    // The caret and focus in forced colours; nothing blinks for a player who
    // asks for stillness.
    const field = () => page.$eval('#command', (input) => {
      const style = getComputedStyle(input);
      return { caret: style.caretColor, outline: style.outlineStyle, blink: style.caretAnimation,
        moving: document.getAnimations().length };
    });
    await page.emulateMedia({ forcedColors: 'active' });
    const forced = await field();
    assert.ok(forced.caret !== 'transparent' && forced.outline !== 'none', JSON.stringify(forced));
    await page.emulateMedia({ forcedColors: 'none', reducedMotion: 'reduce' });
    assert.deepEqual(await field(), { ...await field(), blink: 'manual', moving: 0 });

    // With the network gone, the page comes back from the service worker.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await context.setOffline(true);
    await page.reload();
    await page.click('#anew');
    await title(page);
    await play(page, '2', 'load:');
    await play(page, 'wren', 'Game loaded from saves/wren.dat.gz successfully.');
    await context.setOffline(false);

    // Quitting ends the journey; Enter begins another.
    await play(page, 'quit', 'Press Enter to begin again.');
    await after(page, () => page.keyboard.press('Enter'), '3. Quit');
    assert.deepEqual(await problemsSeen(page, problems), []);
  });
});
