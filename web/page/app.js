// The page's wiring. Page scripts are ES modules (import/export); the
// game's compiled core comes in as the classic script lanternmoor.js. What a
// test or a curious player may read in the console is window.lanternmoor.
import { openStorage } from './storage.js';
import { startCore } from './coreHost.js';
import { Story } from './story.js';
import { CommandLine } from './commandLine.js';
import { Menu } from './menu.js';
import { Sounds } from './sounds.js';

const part = (id) => document.getElementById(id);
const page = { soundsPlayed: [], titleShownAt: null, errors: [], refused: [] };
window.lanternmoor = page;
document.addEventListener('securitypolicyviolation', (event) => {
  page.refused.push(`${event.violatedDirective} ${event.blockedURI}`);
});

const say = (text) => { part('status').textContent = text; };
const story = new Story({ scroller: part('scroller'), log: part('log'), foldedNote: part('folded') });
const input = part('command');
const commandLine = new CommandLine({
  form: part('line'), input, label: part('prompt'), suggestions: part('suggestions'), story,
  touch: matchMedia('(pointer: coarse)').matches,
});
page.story = story;
page.commandLine = commandLine;
const sounds = new Sounds(page.soundsPlayed);

// A tap or click on the story goes to the text field, unless it chose text
// to copy.
part('scroller').addEventListener('click', (event) => {
  if (event.target.closest('button') || !window.getSelection().isCollapsed) return;
  input.focus({ preventScroll: true });
});

// The page is as tall as what can be seen of it: with a phone's keyboard
// open, that ends at the keyboard.
function followViewport() {
  const viewport = window.visualViewport;
  if (!viewport) return;
  const fit = () => {
    document.documentElement.style.setProperty('--height', `${viewport.height}px`);
    document.documentElement.style.setProperty('--top', `${viewport.offsetTop}px`);
    story.scrollToEnd();
  };
  viewport.addEventListener('resize', fit);
  viewport.addEventListener('scroll', fit);
  fit();
}

// Only once the title is up, so keeping the files never slows the first
// visit down.
function keepForOffline() {
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

let decoder = new TextDecoder();
const ui = {
  write(bytes) {
    const text = decoder.decode(bytes, { stream: true });
    story.write(text);
    if (page.titleShownAt === null && text.includes('3. Quit')) {
      page.titleShownAt = performance.now();
      keepForOffline();
    }
  },
  // The core sends its text unwrapped; the browser wraps it.
  columns: () => 0,
  readLine: (plain) => commandLine.readLine(plain),
  remember: (line) => commandLine.remember(line),
  playSound: (name) => sounds.play(name),
  // What the page must tell that is not the game's: a journey the browser
  // would not keep.
  notice: say,
};

async function play(core, resume) {
  decoder = new TextDecoder();
  input.focus();
  try {
    await core.play({ resume });
  } catch (error) {
    page.errors.push(String(error));
    say(`Something went wrong: ${error.message || error}`);
  }
  commandLine.end();
  story.finish('The journey is over. Press Enter to begin again.');
  commandLine.onRestart = () => play(core, false);
}

// The journey kept from the last visit, offered before anything else.
function offerResume(core, offer) {
  const form = part('line');
  const shown = part('offer');
  const resume = part('resume');
  resume.textContent = offer;
  shown.hidden = false;
  form.hidden = true;
  const choose = (resuming) => {
    shown.hidden = true;
    form.hidden = false;
    play(core, resuming);
  };
  resume.addEventListener('click', () => choose(true), { once: true });
  part('anew').addEventListener('click', () => choose(false), { once: true });
  resume.focus();
}

async function begin() {
  followViewport();
  const store = await openStorage();
  const menu = new Menu({ element: part('menu'), opener: part('menuButton'), input, store, say, story });
  const [core] = await Promise.all([startCore({ ui, store, args: ['lanternmoor'] }), menu.applySettings()]);
  commandLine.core = core;
  commandLine.historySize = core.limits.history;
  menu.core = core;
  page.core = core;
  const offer = await core.resumeOffer();
  if (offer) offerResume(core, offer);
  else play(core, false);
}

begin().catch((error) => {
  page.errors.push(String(error));
  say(`The game could not start: ${error.message || error}`);
});
