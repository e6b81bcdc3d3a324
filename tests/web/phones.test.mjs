// The page on two phones (Chromium's Pixel 7 and iPhone 13 profiles), played
// by touch and dictation.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withBrowser, openGame, problemsSeen, devices, after, dictate } from './browserKit.mjs';
import { audit } from './accessibility.mjs';

// Words the browser broke across two lines (a rule of "=" is no word).
const brokenWords = (page) => page.evaluate(() => {
  const broken = [];
  const walker = document.createTreeWalker(document.getElementById('log'), NodeFilter.SHOW_TEXT);
  const range = document.createRange();
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    for (const word of node.data.matchAll(/\S*[A-Za-z]\S*/g)) {
      range.setStart(node, word.index);
      range.setEnd(node, word.index + word[0].length);
      if (range.getClientRects().length > 1) broken.push(word[0]);
    }
  }
  return broken;
});

// Controls smaller than a fingertip, among those shown.
const smallTargets = (page) => page.evaluate(() => [...document.querySelectorAll('button, input')]
  .filter((control) => control.checkVisibility())
  .map((control) => ({ id: control.id || control.textContent, box: control.getBoundingClientRect() }))
  .filter(({ box }) => box.width < 44 || box.height < 44).map(({ id }) => id));

for (const name of ['Pixel 7', 'iPhone 13']) {
  test(`a journey on the ${name}, by touch`, async () => {
    const { defaultBrowserType, ...device } = devices[name];
    await withBrowser(device, async ({ context, address }) => {
      const { page, problems } = await openGame(context, address);

      // A tap on the story reaches the field; dictated text is taken whole.
      await page.evaluate(() => document.activeElement.blur());
      await page.tap('#log');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'command');
      await dictate(page, '1', 'What is your name, wanderer?');
      await dictate(page, 'Tess', 'Are you man or woman?');
      await dictate(page, 'f', 'Welcome to Lanternmoor, Tess!');

      // Completions come as a row to tap.
      await page.keyboard.insertText('go ea');
      await page.tap('#suggestions button[data-word="east"]');
      assert.equal(await page.inputValue('#command'), 'go east');
      await after(page, () => page.keyboard.press('Enter'), 'You are at the Town Market.');

      // 360 px wide with the keyboard open: the field stands above it, the
      // controls are one menu, every target is a fingertip wide.
      await page.setViewportSize({ width: 360, height: 330 });
      await page.waitForFunction(() => document.getElementById('app').getBoundingClientRect().height <= 330);
      await dictate(page, 'look', 'You are at the Town Market.');
      const field = await page.$eval('#command', (input) => input.getBoundingClientRect().bottom);
      assert.ok(field <= await page.evaluate(() => window.visualViewport.height));
      assert.deepEqual(await page.$$eval('header button', (buttons) => buttons.map((b) => b.id)), ['menuButton']);
      assert.deepEqual(await smallTargets(page), []);
      await page.tap('#menuButton');
      await page.waitForFunction(() => document.getElementById('menu').open);
      assert.deepEqual(await smallTargets(page), []);
      await page.tap('#closeMenu');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'command');

      // A swipe down the story scrolls back through it.
      // The answer's last line, not the line typed; then the end, which the
      // story scrolls to a frame after the text comes.
      for (let i = 0; i < 3; i++) await dictate(page, 'help', 'magic words)');
      const scroller = await page.$('#scroller');
      await page.waitForFunction((box) => box.scrollTop > 0 && box.scrollTop + box.clientHeight >= box.scrollHeight - 1,
        scroller);
      const end = await scroller.evaluate((box) => box.scrollTop);
      const client = await context.newCDPSession(page);
      const box = await scroller.boundingBox();
      const scrolled = scroller.evaluate((box) => new Promise((done) => box.addEventListener('scroll', done, { once: true })));
      const x = box.x + box.width / 2;
      const touch = (type, y) => client.send('Input.dispatchTouchEvent', { type, touchPoints: y === null ? [] : [{ x, y }] });
      await touch('touchStart', box.y + 20);
      for (let step = 1; step <= 10; step++) await touch('touchMove', box.y + 20 + step * 20);
      await touch('touchEnd', null);
      await scrolled;
      assert.ok(await scroller.evaluate((box) => box.scrollTop) < end);

      // Turned sideways and back, every word is still whole.
      assert.deepEqual(await brokenWords(page), []);
      await page.setViewportSize({ width: 800, height: 360 });
      assert.deepEqual(await brokenWords(page), []);
      await page.setViewportSize({ width: 360, height: 740 });
      assert.deepEqual(await brokenWords(page), []);

      assert.deepEqual(await audit(page), []);

      // A reload offers the journey back, to a tap.
      await page.reload();
      await page.tap('#resume');
      await dictate(page, 'look', 'You are at the Town Market.');

      assert.deepEqual(await problemsSeen(page, problems), []);
    });
  });
}
