// The story as ordinary page text: what the game prints goes into a log the
// browser wraps between words. What follows the last line end is the prompt
// or question the next line answers; it stands before the text field, and
// joins the story with the line once the player enters it, as a terminal
// echoes it.
import { Painter, putText } from './ansi.js';

// Each entered line starts a turn. Past this many turns the oldest are folded
// away a batch at a time, out of the page's memory, into "Download the story".
const KEEP_TURNS = 1000;
const FOLD_TURNS = 200;
const ERASE = /\x1b\[[23]J/g;

export class Story {
  constructor({ scroller, log, foldedNote }) {
    this.scroller = scroller;
    this.log = log;
    this.foldedNote = foldedNote;
    this.painter = new Painter();
    this.tail = '';
    // Folded turns as Blobs, which the browser keeps outside the page's heap.
    this.folded = [];
    this.foldedLines = 0;
    this.scrollPending = false;
    this.startTurn();
  }

  startTurn() {
    this.turn = document.createElement('div');
    this.turn.className = 'turn';
    this.log.append(this.turn);
    if (this.log.childElementCount > KEEP_TURNS) this.fold();
  }

  fold() {
    const oldest = [...this.log.children].slice(0, FOLD_TURNS);
    const text = oldest.map((turn) => turn.textContent).join('');
    this.folded.push(new Blob([text]));
    this.foldedLines += text.split('\n').length - 1;
    for (const turn of oldest) turn.remove();
    this.foldedNote.hidden = false;
    this.foldedNote.textContent = `${this.foldedLines} earlier lines are folded away; ` +
      '"Download the story" in the menu keeps them.';
  }

  // Text as the game prints it. Whole lines join the story at once, and so
  // does an erased screen, even before the prompt that follows it.
  write(text) {
    this.tail += text;
    let end = this.tail.lastIndexOf('\n') + 1;
    for (const erase of this.tail.matchAll(ERASE)) end = Math.max(end, erase.index + erase[0].length);
    if (end === 0) return;
    this.show(this.tail.slice(0, end));
    this.tail = this.tail.slice(end);
  }

  show(text) {
    this.painter.paint(text, (piece, look) => putText(this.turn, piece, look), () => this.clear());
    this.scrollToEnd();
  }

  // "clear": the page empties as the terminal's screen does; the story's
  // download still holds what was erased.
  clear() {
    this.folded.push(new Blob([this.log.textContent]));
    this.log.replaceChildren();
    this.startTurn();
  }

  // The prompt, coloured as the story around it, into `label`.
  showPrompt(label) {
    label.replaceChildren();
    this.painter.copy().paint(this.tail, (piece, look) => putText(label, piece, look), () => {});
    this.scrollToEnd();
  }

  // The question a line answers when the prompt alone does not say it: the
  // last line printed, when it asks something.
  question() {
    const lines = this.turn.textContent.trimEnd().split('\n');
    const last = lines[lines.length - 1].trim();
    return /[?:]$/.test(last) ? last : '';
  }

  // A line the player entered joins the story after its prompt.
  enter(line) {
    this.startTurn();
    this.show(this.tail);
    this.tail = '';
    const typed = document.createElement('span');
    typed.className = 'typed';
    typed.textContent = line;
    this.turn.append(typed, '\n');
  }

  // The journey is over: an unfinished last line stays in the story.
  finish(note) {
    this.show(this.tail + (this.tail ? '\n' : ''));
    this.tail = '';
    const ending = document.createElement('p');
    ending.className = 'note';
    ending.textContent = note;
    this.turn.append(ending);
  }

  // Everything shown since the page opened, folded turns first.
  text() {
    return new Blob([...this.folded, this.log.textContent, this.tail], { type: 'text/plain' });
  }

  // Once per frame, however many writes came in it.
  scrollToEnd() {
    if (this.scrollPending) return;
    this.scrollPending = true;
    requestAnimationFrame(() => {
      this.scrollPending = false;
      this.scroller.scrollTop = this.scroller.scrollHeight;
    });
  }
}
