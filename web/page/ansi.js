// The game's colours as the page shows them: the ANSI sequences it prints
// ("\x1b[33m" and the like) become class names on spans, and the sequences
// that erase a terminal's screen erase the page's story.
const SEQUENCE = /\x1b\[([0-9;]*)([A-Za-z])/g;
const UNFINISHED = /\x1b(\[[0-9;]*)?$/;

export class Painter {
  constructor() {
    this.colour = '';
    this.bold = false;
    // A sequence cut in two between writes waits for its other half.
    this.carry = '';
  }

  // Hands each stretch of one look to put(text, className); clear() when the
  // game erases the screen.
  paint(text, put, clear) {
    let whole = this.carry + text;
    const cut = UNFINISHED.exec(whole);
    this.carry = cut ? cut[0] : '';
    if (cut) whole = whole.slice(0, cut.index);
    let at = 0;
    for (const match of whole.matchAll(SEQUENCE)) {
      if (match.index > at) put(whole.slice(at, match.index), this.className());
      this.apply(match[1], match[2], clear);
      at = match.index + match[0].length;
    }
    if (at < whole.length) put(whole.slice(at), this.className());
  }

  apply(codes, final, clear) {
    if (final === 'J' && (codes === '2' || codes === '3')) clear();
    if (final !== 'm') return;
    for (const code of (codes || '0').split(';').map(Number)) {
      if (code === 0) {
        this.colour = '';
        this.bold = false;
      } else if (code === 1) {
        this.bold = true;
      } else if (code === 22) {
        this.bold = false;
      } else if ((code >= 30 && code <= 37) || (code >= 90 && code <= 97)) {
        this.colour = `c${code}`;
      } else if (code === 39) {
        this.colour = '';
      }
    }
  }

  className() {
    return this.bold ? `${this.colour} bold`.trim() : this.colour;
  }

  copy() {
    return Object.assign(new Painter(), this);
  }
}

// Appends a stretch of text to `into`: plain text joins the text before it,
// coloured text goes in a span of its own.
export function putText(into, text, className) {
  const last = into.lastChild;
  if (!className) {
    if (last && last.nodeType === Node.TEXT_NODE) last.appendData(text);
    else into.append(text);
    return;
  }
  const span = document.createElement('span');
  span.className = className;
  span.textContent = text;
  into.append(span);
}
