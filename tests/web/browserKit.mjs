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

// A fresh browser profile and the site; `use` gets {context, address, work}.
export async function withBrowser(options, use) {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'lanternmoor-browser-'));
  const { server, address } = await new Promise((resolve) => {
    serve(SITE, 0, (listening, where) => resolve({ server: listening, address: where }));
  });
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
    executablePath: '/usr/bin/chromium', args: CHROMIUM_FLAGS, acceptDownloads: true, ...options,
  });
  try {
    await use({ context, address, work });
  } finally {
    await context.close();
    server.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

// Every script error and refused resource on the page, for the end of a test.
export function watchProblems(page) {
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  return problems;
}

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
