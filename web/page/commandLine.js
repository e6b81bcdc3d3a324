// The text field the player types into. It takes keys, paste, dictation and
// keyboard suggestions alike (it is an ordinary field), queues lines entered
// before the game asks for them, brings back earlier lines with Up and Down,
// and completes words from the game's own completer: Tab on a keyboard, a
// row of suggestions to tap on a touch screen.
const encoder = new TextEncoder();

export class CommandLine {
  constructor({ form, input, label, suggestions, story, touch }) {
    Object.assign(this, { form, input, label, suggestions, story, touch });
    this.queued = [];
    this.waiting = null; // { resolve, plain } while the game waits for a line
    this.history = [];
    this.historySize = 0;
    this.browsing = 0;
    this.draft = '';
    this.core = null;
    this.onRestart = null; // set while a journey is over
    this.answered = 0; // lines the game has taken
    this.replyTimes = [];
    this.enteredAt = null;
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.enter(input.value);
    });
    input.addEventListener('keydown', (event) => this.key(event));
    // One line pasted or dictated is the field's own business; several are
    // entered one by one.
    input.addEventListener('paste', (event) => this.pasteLines(event, event.clipboardData.getData('text')));
    input.addEventListener('beforeinput', (event) => this.pasteLines(event, event.data));
    input.addEventListener('input', () => this.touch && this.offer());
    suggestions.addEventListener('mousedown', (event) => event.preventDefault());
    suggestions.addEventListener('click', (event) => {
      if (event.target.dataset.word !== undefined) this.take(event.target.dataset.word);
    });
  }

  pasteLines(event, text) {
    if (!text || !/[\r\n]/.test(text)) return;
    event.preventDefault();
    const lines = text.replace(/\r\n?/g, '\n').split('\n');
    const last = lines.pop();
    const { selectionStart, selectionEnd, value } = this.input;
    const after = value.slice(selectionEnd);
    lines[0] = value.slice(0, selectionStart) + lines[0];
    for (const line of lines) this.enter(line);
    this.setLine(last + after, last.length);
  }

  enter(line) {
    if (this.onRestart) {
      const restart = this.onRestart;
      this.onRestart = null;
      this.setLine('');
      restart();
      return;
    }
    this.enteredAt = performance.now();
    this.queued.push(line);
    this.setLine('');
    this.showSuggestions([]);
    this.answer();
  }

  answer() {
    if (!this.waiting || this.queued.length === 0) return;
    const line = this.queued.shift();
    const { resolve } = this.waiting;
    this.waiting = null;
    this.answered++;
    this.story.enter(line);
    this.label.replaceChildren();
    resolve(line === null ? null : encoder.encode(line));
  }

  readLine(plain) {
    if (this.enteredAt !== null) this.timeReply(this.enteredAt);
    this.enteredAt = null;
    return new Promise((resolve) => {
      this.waiting = { resolve, plain };
      this.browsing = this.history.length;
      this.story.showPrompt(this.label);
      const question = this.story.question();
      const prompt = this.label.textContent.trim();
      this.input.setAttribute('aria-label', /[A-Za-z]/.test(prompt) ? prompt : question || 'Command');
      this.answer();
      if (this.touch && this.waiting) this.offer();
    });
  }

  // From the line entered to the frame that shows the game's answer.
  timeReply(enteredAt) {
    requestAnimationFrame(() => this.replyTimes.push(performance.now() - enteredAt));
  }

  remember(line) {
    this.history.push(line);
    if (this.history.length > this.historySize) this.history.shift();
  }

  // The journey ended: lines typed ahead of it go with it.
  end() {
    this.queued = [];
    this.waiting = null;
    this.label.replaceChildren();
    this.showSuggestions([]);
  }

  key(event) {
    if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      if (this.waiting && !this.waiting.plain) this.browse(event.key === 'ArrowUp' ? -1 : 1);
      event.preventDefault();
    } else if (event.key === 'PageUp' || event.key === 'PageDown') {
      // The story scrolls from the keyboard without leaving the field.
      const page = this.story.scroller.clientHeight * 0.9;
      this.story.scroller.scrollBy(0, event.key === 'PageUp' ? -page : page);
      event.preventDefault();
    } else if (event.key === 'Tab' && !event.shiftKey && this.input.value !== '') {
      event.preventDefault();
      this.complete();
    } else if (event.key === 'd' && event.ctrlKey && this.input.value === '') {
      // Ctrl-D on an empty line ends the input, as in a terminal.
      event.preventDefault();
      this.queued.push(null);
      this.answer();
    }
  }

  browse(step) {
    const index = this.browsing + step;
    if (index < 0 || index > this.history.length) return;
    if (this.browsing === this.history.length) this.draft = this.input.value;
    this.browsing = index;
    this.setLine(index === this.history.length ? this.draft : this.history[index]);
  }

  setLine(line, cursor = line.length) {
    this.input.value = line;
    this.input.setSelectionRange(cursor, cursor);
  }

  // What the game's completer makes of the text before the cursor.
  completion() {
    if (!this.core || !this.waiting) return null;
    const typed = this.input.value.slice(0, this.input.selectionStart);
    return { typed, ...this.core.complete(typed) };
  }

  complete() {
    const found = this.completion();
    if (!found) return;
    const rest = this.input.value.slice(found.typed.length);
    if (found.replaced !== found.typed) this.setLine(found.replaced + rest, found.replaced.length);
    this.showSuggestions(found.matches);
  }

  // On a touch screen the completions of the word being typed are offered
  // as the player types: at a question always, at a command once typing.
  offer() {
    const found = this.completion();
    let words = [];
    if (found && (this.waiting.plain || found.typed.trim() !== '')) {
      if (found.matches.length > 0) words = found.matches;
      else if (found.replaced !== found.typed) words = [found.replaced.slice(wordStart(found.typed)).trim()];
    }
    this.showSuggestions(words);
  }

  showSuggestions(words) {
    const offered = words.filter((word) => word.trim() !== '');
    this.suggestions.replaceChildren(...offered.map((word) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.word = word;
      button.textContent = word;
      return button;
    }));
    this.suggestions.hidden = offered.length === 0;
  }

  // A tapped suggestion replaces the word being typed, finished by the
  // completer as Tab would finish it.
  take(word) {
    const found = this.completion();
    if (!found) return;
    const start = wordStart(found.typed);
    const chosen = found.typed.slice(0, start) + word;
    const finished = this.core.complete(chosen).replaced;
    const line = finished.startsWith(chosen) ? finished : chosen;
    this.setLine(line + this.input.value.slice(found.typed.length), line.length);
    this.input.focus();
    if (this.touch) this.offer();
  }
}

// Where the word being typed starts: after the last blank.
function wordStart(typed) {
  return Math.max(typed.lastIndexOf(' '), typed.lastIndexOf('\t')) + 1;
}
