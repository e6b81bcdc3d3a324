// One menu for every control the page has beyond the story: the saves kept
// in this browser (export, delete, import), the transcript and the story to
// download, text size and theme. Every action closes the menu, and leaving
// the menu puts the player back in the text field.
const FONT_SIZES = [14, 16, 18, 21, 24, 28];

export function download(blob, fileName) {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// "2026-03-01 12:00", as the list of saves shows when each was written.
function when(milliseconds) {
  const at = new Date(milliseconds);
  const two = (n) => String(n).padStart(2, '0');
  return `${at.getFullYear()}-${two(at.getMonth() + 1)}-${two(at.getDate())} ` +
    `${two(at.getHours())}:${two(at.getMinutes())}`;
}

function button(text, label, action) {
  const made = document.createElement('button');
  made.type = 'button';
  made.textContent = text;
  if (label) made.setAttribute('aria-label', label);
  made.addEventListener('click', action);
  return made;
}

export class Menu {
  constructor({ element, opener, input, store, say, story }) {
    Object.assign(this, { element, opener, input, store, say, story });
    this.core = null;
    this.part = (id) => element.querySelector(`#${id}`);
    opener.addEventListener('click', () => this.open());
    // Escape closes the menu as its button does.
    element.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.close();
    });
    this.part('closeMenu').addEventListener('click', () => this.close());
    const file = this.part('importFile');
    this.part('import').addEventListener('click', () => file.click());
    file.addEventListener('change', () => this.importSave(file));
    this.part('transcript').addEventListener('click', () => this.act(() => this.downloadTranscript()));
    this.part('story').addEventListener('click', () => this.act(() => {
      download(this.story.text(), 'lanternmoor-story.txt');
      this.say('The story so far is downloaded as lanternmoor-story.txt.');
    }));
    this.part('smaller').addEventListener('click', () => this.resize(-1));
    this.part('larger').addEventListener('click', () => this.resize(1));
    this.part('theme').addEventListener('click', () => this.setTheme(this.theme === 'dark' ? 'light' : 'dark'));
  }

  // The settings kept from the last visit; the theme follows the system's
  // until the player picks one.
  async applySettings() {
    const size = Number(await this.store.settings.get('fontSize'));
    this.fontSize = FONT_SIZES.includes(size) ? size : FONT_SIZES[1];
    const theme = await this.store.settings.get('theme');
    this.theme = theme === 'light' || theme === 'dark' ? theme
      : matchMedia('(prefers-color-scheme: light)').matches ? 'light' : 'dark';
    this.show();
  }

  show() {
    document.documentElement.style.setProperty('--font-size', `${this.fontSize}px`);
    document.documentElement.dataset.theme = this.theme;
    this.part('textSize').textContent = `${this.fontSize} px`;
    this.part('theme').textContent = this.theme === 'dark' ? 'Use the light theme' : 'Use the dark theme';
  }

  resize(step) {
    const at = FONT_SIZES.indexOf(this.fontSize) + step;
    if (at < 0 || at >= FONT_SIZES.length) return;
    this.fontSize = FONT_SIZES[at];
    this.store.settings.set('fontSize', this.fontSize);
    this.show();
  }

  setTheme(theme) {
    this.theme = theme;
    this.store.settings.set('theme', theme);
    this.show();
  }

  async open() {
    this.say('');
    this.element.showModal();
    await this.listSaves();
  }

  // Focus goes back to the field at once, not once the dialog's "close"
  // event comes.
  close() {
    this.element.close();
    this.input.focus();
  }

  // Runs a control's work with the menu closed, and tells what failed.
  async act(work) {
    this.close();
    try {
      await work();
    } catch (error) {
      this.say(`That did not work: ${error.message || error}`);
    }
  }

  // Each save as the game's "saves" lists it, newest first.
  async listSaves() {
    const list = this.part('saves');
    const saves = (await this.store.saves.list()).sort((a, b) => b.written - a.written);
    const rows = await Promise.all(saves.map(async ({ name, written }) => {
      const bytes = await this.store.saves.read(name);
      const described = bytes && this.core ? await this.core.describeSave(bytes) : null;
      const row = document.createElement('li');
      const text = document.createElement('span');
      text.textContent = `${name}: ${described || 'damaged, cannot be loaded'}; written ${when(written)}`;
      row.append(text, button('Export', `Export ${name}`, () => this.act(() => this.exportSave(name))),
        button('Delete', `Delete ${name}`, () => this.confirmDelete(row, name)));
      return row;
    }));
    list.replaceChildren(...rows);
    this.part('noSaves').hidden = rows.length > 0;
  }

  confirmDelete(row, name) {
    const question = document.createElement('span');
    question.textContent = `Delete "${name}" for good?`;
    const keep = button('Keep it', null, () => this.listSaves().then(() => this.part('import').focus()));
    row.replaceChildren(question, button('Delete', `Delete ${name} for good`, () => this.act(async () => {
      await this.store.saves.remove(name);
      this.say(`The save "${name}" is deleted.`);
    })), keep);
    keep.focus();
  }

  async exportSave(name) {
    const bytes = await this.store.saves.read(name);
    if (!bytes) throw new Error(`the save "${name}" is no longer here`);
    const fileName = this.core.exportName(name);
    download(new Blob([bytes], { type: 'application/gzip' }), fileName);
    this.say(`Exported ${fileName}.`);
  }

  importSave(file) {
    const chosen = file.files[0];
    file.value = '';
    if (!chosen || !this.core) return;
    this.act(async () => {
      const imported = await this.core.importSave(chosen.name, chosen);
      this.say(imported.error ? imported.error.trim()
        : `Imported the save as "${imported.name}": type load, then ${imported.name}.`);
    });
  }

  async downloadTranscript() {
    const name = this.core && this.core.transcriptName();
    const text = name && await this.store.transcripts.read(name);
    if (text === null || text === undefined || !name) {
      this.say('There is no transcript yet: type "script" and a name to begin one.');
      return;
    }
    download(new Blob([text], { type: 'text/plain' }), `${name}.txt`);
    this.say(`The transcript is downloaded as ${name}.txt.`);
  }
}
