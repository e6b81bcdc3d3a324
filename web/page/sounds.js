// The game's sound effects. Browsers let a page play only after the player
// has done something; the first key press or tap opens the audio.
const MOST_PLAYING = 4;

export class Sounds {
  constructor(played) {
    this.played = played; // each effect's name once it starts
    this.audio = null;
    this.playing = 0;
    this.decoded = new Map();
    const wake = () => {
      if (!this.audio) this.audio = new AudioContext();
      if (this.audio.state === 'suspended') this.audio.resume();
    };
    window.addEventListener('keydown', wake, { capture: true });
    window.addEventListener('pointerdown', wake, { capture: true });
  }

  effect(name) {
    if (!this.decoded.has(name)) {
      this.decoded.set(name, fetch(`sound/${name}.ogg`)
        .then((response) => response.arrayBuffer())
        .then((bytes) => this.audio.decodeAudioData(bytes)));
    }
    return this.decoded.get(name);
  }

  play(name) {
    const { audio } = this;
    if (!audio || audio.state !== 'running' || this.playing >= MOST_PLAYING) return;
    this.playing++;
    this.effect(name).then((buffer) => {
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.onended = () => this.playing--;
      source.start();
      this.played.push(name);
    }).catch(() => {
      this.playing--;
      this.decoded.delete(name);
    });
  }
}
