// What the browser tests share: the built site served on 127.0.0.1, Debian's
// Chromium driven by playwright-core, and ways to play a line and wait for
// the game's answer. Waiting is always for one more occurrence of a text
// than there was before the line, never for text already shown.
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const require = createRequire(import.meta.url);
export const { chromium, devices } = require('playwright-core');
const { serve } = require('../../web/serve.js');

export const ROOT = path.resolve(import.meta.dirname, '..', '..');
export const SITE = path.join(ROOT, 'build-web', 'site');
export const NATIVE = path.join(ROOT, 'build', 'lanternmoor');
const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// The built site, as web/serve.js serves it.
const serveSite = () => new Promise((resolve) => {
  serve(SITE, 0, (server, address) => resolve({ server, address }));
});

// A fresh browser profile and a host (the built site unless `startHost` gives
// another: {server, address, ...}); `use` gets {context, host, address, work}.
export async function withBrowser(options, use, startHost = serveSite) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-browser-'));
  const host = await startHost();
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
    executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS, acceptDownloads: true, ...options,
  });
  try {
    await use({ context, host, address: host.address, work });
  } finally {
    await context.close();
    host.server.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

// The context's first tab on the page, once the title shows, its script
// errors and refused resources gathered for problemsSeen().
export async function openGame(context, address) {
  const page = context.pages()[0] || await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  await page.goto(address);
  await title(page);
  return { page, problems };
}

// Everything that went wrong on the page, the game's own faults included.
export const problemsSeen = async (page, problems) =>
  [...problems, ...await page.evaluate(() => [...window.lanternmoor.errors, ...window.lanternmoor.refused])];

// The story as the page shows it, the prompt before the text field included.
export const shown = (page) => page.evaluate(() => document.getElementById('log').textContent +
  document.getElementById('prompt').textContent);

export async function count(page, text) {
  return (await shown(page)).split(text).length - 1;
}

// Waits until the story holds `text` `times` times.
export async function showsAgain(page, text, times) {
  try {
    await page.waitForFunction(([wanted, n]) => (document.getElementById('log').textContent +
      document.getElementById('prompt').textContent).split(wanted).length - 1 >= n, [text, times],
    { timeout: 15000 });
  } catch (error) {
    const story = await shown(page).catch(() => '(no story)');
    throw new Error(`the story never showed "${text}" ${times} times; it ends:\n` +
      story.trimEnd().split('\n').slice(-12).join('\n'));
  }
}

// Does something, then waits for one more `answer` than there was before.
export async function after(page, action, answer) {
  const before = answer ? await count(page, answer) : 0;
  await action();
  if (answer) await showsAgain(page, answer, before + 1);
}

// Types a line as a player does at a keyboard.
export function play(page, line, answer) {
  return after(page, async () => {
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }, answer);
}

// The same line as dictation or a phone keyboard's suggestion gives it: text
// inserted at once, with no key presses.
export function dictate(page, line, answer) {
  return after(page, async () => {
    await page.keyboard.insertText(line);
    await page.keyboard.press('Enter');
  }, answer);
}

// Lines pasted into the text field at once, as a player pastes them.
export function paste(page, text) {
  return page.evaluate((pasted) => {
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    document.getElementById('command').dispatchEvent(new ClipboardEvent('paste', {
      clipboardData: data, bubbles: true, cancelable: true,
    }));
  }, text);
}

export const title = (page) => showsAgain(page, '3. Quit', 1);
