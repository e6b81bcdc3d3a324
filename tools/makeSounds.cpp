// Makes the game's sound effects from nothing but arithmetic: oscillators, noise,
// envelopes and filters, written out as small Ogg Vorbis files.
//
//   makeSounds OUTDIR            writes every sound
//   makeSounds OUTDIR NAME.ogg   writes just that one
//
// Each sound's noise comes from a generator seeded by its file name, so remaking
// one file gives the same audio as remaking them all.

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 22050;     // ample for effects, and half the bytes of 44.1 kHz
constexpr float QUALITY = 0.2f; // low VBR quality: short effects, small files
constexpr float PEAK = 0.708f;  // -3 dBFS, headroom for the encoder's ripple
constexpr double PI = std::numbers::pi;
constexpr double TAU = 2 * PI;

using Sound = std::vector<float>; // mono samples in [-1, 1]

Sound blank(double seconds) { return Sound(static_cast<size_t>(seconds * RATE), 0.0f); }
double timeAt(size_t i) { return static_cast<double>(i) / RATE; }

// Adds `src` into `dst` starting `at` seconds in; anything running past the end is dropped.
void mix(Sound& dst, const Sound& src, double at, double gain = 1.0)
{
    const size_t start = static_cast<size_t>(at * RATE);
    for (size_t i = 0; i < src.size() && start + i < dst.size(); ++i)
        dst[start + i] += static_cast<float>(gain * src[i]);
}

// Builds a sound by asking `sampleAt` for the sample at each time in seconds.
template <class SampleAt> Sound render(double seconds, SampleAt sampleAt)
{
    Sound s = blank(seconds);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(sampleAt(timeAt(i)));
    return s;
}

// ---- Noise ----------------------------------------------------------------

// xorshift32: tiny and identical everywhere, unlike the standard distributions.
struct Rng {
    uint32_t state;
    double uniform()
    { // [0, 1)
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 4294967296.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double white() { return range(-1.0, 1.0); }
    size_t pick(size_t n) { return static_cast<size_t>(uniform() * static_cast<double>(n)); }
};

// ---- Envelopes (functions of time in seconds, peak 1) -----------------------

// Linear rise over `attack`, then an exponential die-away: anything struck or plucked.
double hit(double t, double attack, double tau)
{
    if (t < 0) return 0;
    return t < attack ? t / attack : std::exp(-(t - attack) / tau);
}

// Classic attack-decay-sustain-release, the release taking the last `release` of `length`.
double adsr(double t, double length, double attack, double decay, double sustain, double release)
{
    if (t < 0 || t >= length) return 0;
    double level = t < attack           ? t / attack
                   : t < attack + decay ? 1 - (1 - sustain) * (t - attack) / decay
                                        : sustain;
    return length - t < release ? level * (length - t) / release : level;
}

// A smooth bump from 0 up to 1 and back down over `length`: breaths, swells, grains.
double swell(double t, double length)
{
    return (t < 0 || t > length) ? 0 : 0.5 - 0.5 * std::cos(TAU * t / length);
}

// ---- Oscillators ------------------------------------------------------------

// Keeps a running phase, so pitch can bend smoothly from one sample to the next.
struct Osc {
    double phase = 0; // in cycles
    double next(double hz)
    {
        const double p = phase;
        phase += hz / RATE;
        phase -= std::floor(phase);
        return p;
    }
    double sine(double hz) { return std::sin(TAU * next(hz)); }
    double saw(double hz) { return 2 * next(hz) - 1; } // buzzy: a voice or growl source
};

// A sine plus a little of its 2nd and 3rd harmonics: warmer than a bare sine.
double harmonics(double phase, double second, double third)
{
    return std::sin(TAU * phase) + second * std::sin(2 * TAU * phase) +
           third * std::sin(3 * TAU * phase);
}

// A struck metal or glass body: each partial rings and decays on its own. Ratios
// that are not whole numbers are what make a bell or anvil rather than a note.
// It lasts until the slowest partial is 60 dB down, so no ring is cut off with a click.
struct Partial {
    double ratio, gain, tau;
};
Sound ring(double hz, std::initializer_list<Partial> partials)
{
    double longest = 0;
    for (const Partial& p : partials)
        longest = std::max(longest, p.tau);
    Sound s = blank(7 * longest);
    for (const Partial& p : partials) {
        if (hz * p.ratio >= RATE / 2.0) continue; // would fold back as a wrong, lower tone
        for (size_t i = 0; i < s.size(); ++i) {
            const double t = timeAt(i);
            s[i] += static_cast<float>(p.gain * std::exp(-t / p.tau) *
                                       std::sin(TAU * hz * p.ratio * t));
        }
    }
    return s;
}

// ---- Filters ----------------------------------------------------------------

// Second-order filter; coefficients from the RBJ audio EQ cookbook. Cheap enough
// to retune every sample for sweeps.
struct Biquad {
    enum Kind { Low, High, Band };
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    Biquad() = default;
    Biquad(Kind kind, double hz, double q = 0.707) { set(kind, hz, q); }
    void set(Kind kind, double hz, double q)
    {
        const double w = TAU * std::min(hz, RATE * 0.45) / RATE;
        const double c = std::cos(w), alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        switch (kind) {
        case Low:
            b0 = (1 - c) / 2;
            b1 = 1 - c;
            b2 = b0;
            break;
        case High:
            b0 = (1 + c) / 2;
            b1 = -(1 + c);
            b2 = b0;
            break;
        case Band:
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            break; // unity gain at the centre
        }
        b0 /= a0;
        b1 /= a0;
        b2 /= a0;
        a1 = -2 * c / a0;
        a2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

void filter(Sound& s, Biquad::Kind kind, double hz, double q = 0.707)
{
    Biquad f(kind, hz, q);
    for (float& x : s)
        x = static_cast<float>(f(x));
}

// Feedback delay: each repeat comes back `delay` seconds later, `feedback` times as loud.
void echo(Sound& s, double delay, double feedback)
{
    const size_t d = static_cast<size_t>(delay * RATE);
    for (size_t i = d; i < s.size(); ++i)
        s[i] += static_cast<float>(feedback * s[i - d]);
}

// A burst of white noise dying away over `tau`, narrowed around `hz`: clicks, cracks, ticks.
Sound click(Rng& rng, double tau, double hz, double q = 0.7)
{
    Sound s = render(tau * 6, [&](double t) { return rng.white() * std::exp(-t / tau); });
    filter(s, Biquad::Band, hz, q);
    return s;
}

// Karplus-Strong string: noise circulating in a delay line one period long. Averaging
// neighbours on each pass lets the highs die first, as on a real string; that average
// also delays half a sample, hence the -0.5 in the length.
Sound pluck(Rng& rng, double hz, double seconds, double sustain = 0.997)
{
    Sound s = blank(seconds);
    std::vector<double> line(static_cast<size_t>(std::lround(RATE / hz - 0.5)));
    for (double& v : line)
        v = rng.white();
    size_t pos = 0;
    for (float& out : s) {
        const size_t next = (pos + 1) % line.size();
        out = static_cast<float>(line[pos]);
        line[pos] = sustain * 0.5 * (line[pos] + line[next]);
        pos = next;
    }
    return s;
}

// ---- The sounds -------------------------------------------------------------

// Pitch darkness: two saws a hair apart beat slowly, with a rumble underneath.
Sound dark(Rng& rng)
{
    Osc a, b, c;
    Biquad tone(Biquad::Low, 400, 0.7), rumble(Biquad::Low, 120, 0.9);
    return render(1.2, [&](double t) {
        const double drone = a.saw(55) + b.saw(55.9) + 0.6 * c.sine(82.4 - 4 * t);
        return (0.5 * tone(drone) + 4 * rumble(rng.white())) * adsr(t, 1.2, 0.35, 0.2, 0.8, 0.45);
    });
}

// The Black Queen's dying laugh: "ha"s through two vowel formants, each lower and
// fainter than the last, trailing away in echoes.
Sound bqlaugh(Rng& rng)
{
    Sound s = blank(2.0);
    for (int k = 0; k < 5; ++k) {
        Osc glottis;
        Biquad f1(Biquad::Band, 750, 4), f2(Biquad::Band, 1150, 6); // the vowel "ah"
        const double pitch = 330 * std::pow(0.88, k);
        Sound ha = render(0.3, [&](double t) {
            const double src =
                glottis.saw(pitch * (1 - 1.5 * t)) + 0.3 * rng.white(); // each "ha" sags
            return (f1(src) + 0.6 * f2(src)) * hit(t, 0.015, 0.05);
        });
        mix(s, ha, 0.05 + 0.19 * k, std::pow(0.85, k));
    }
    echo(s, 0.31, 0.45);
    filter(s, Biquad::Low, 2500);
    return s;
}

// A weapon or armour breaking: a sharp crack with a thud, then shards clattering down.
Sound breakage(Rng& rng)
{
    Sound s = blank(0.6);
    mix(s, click(rng, 0.012, 3000, 0.5), 0.0);
    mix(s, ring(140, {{1, 1, 0.03}}), 0.0, 0.6);
    for (int k = 0; k < 6; ++k) {
        const double at = 0.06 + 0.07 * k + rng.range(0, 0.04);
        mix(s, ring(rng.range(1800, 3600), {{1, 1, 0.05}, {2.76, 0.6, 0.03}, {5.4, 0.3, 0.02}}), at,
            0.5 * std::pow(0.75, k));
    }
    return s;
}

// God revives the player: a C major chord swelling up, shimmering and sparkling above.
Sound holy(Rng& rng)
{
    Sound s = blank(2.0);
    for (double hz : {261.6, 329.6, 392.0, 523.3, 659.3}) {
        Osc a, b; // a slightly detuned pair per note gives a choral width
        mix(s,
            render(2.0,
                   [&](double t) {
                       const double v = harmonics(a.next(hz), 0.3, 0.15) +
                                        harmonics(b.next(hz * 1.003), 0.3, 0.15);
                       return 0.5 * v * adsr(t, 2.0, 0.9, 0.3, 0.8, 0.7);
                   }),
            0.0);
    }
    for (double hz : {1046.5, 1568.0, 2093.0}) {
        mix(s,
            render(2.0,
                   [&](double t) {
                       const double tremble = 0.5 + 0.5 * std::sin(TAU * 7 * t + hz);
                       return 0.25 * std::sin(TAU * hz * t) * tremble * swell(t - 0.4, 1.6);
                   }),
            0.0);
    }
    for (int k = 0; k < 8; ++k)
        mix(s, ring(rng.range(2500, 4000), {{1, 1, 0.12}}), 0.4 + 0.17 * k, 0.3);
    echo(s, 0.23, 0.3);
    return s;
}

// The Devil revives the player: a low tritone growl, roughened by noise and distortion.
Sound demonic(Rng& rng)
{
    Osc low, high, octave;
    Biquad tone(Biquad::Low, 700, 0.8);
    Biquad flutter(Biquad::Low, 30, 0.7); // slow random wobble in loudness: the growl
    return render(2.0, [&](double t) {
        const double sink = 1 - 0.08 * t; // the whole growl sinks as it goes
        const double x =
            low.saw(55 * sink) + high.saw(77.8 * sink) + 0.5 * octave.saw(110.5 * sink);
        const double rough = 1 + 8 * flutter(rng.white());
        return std::tanh(2 * tone(x) * rough) * adsr(t, 2.0, 0.5, 0.3, 0.8, 0.6);
    });
}

// The fae vanishes: breathy hissing bursts, like whispers just out of hearing, fading out.
Sound whispers(Rng& rng)
{
    Sound s = blank(1.5);
    for (int k = 0; k < 7; ++k) {
        const double len = rng.range(0.15, 0.3), at = 0.17 * k + rng.range(0, 0.05);
        const double from = rng.range(1500, 3500), to = rng.range(1500, 4500);
        Biquad f;
        Sound breath = render(len, [&](double t) {
            f.set(Biquad::Band, from + (to - from) * t / len, 3);
            return f(rng.white()) * swell(t, len);
        });
        mix(s, breath, at, 1 - 0.1 * k);
    }
    return s;
}

// The blacksmith's hammer: three blows on the anvil, the last the hardest.
Sound anvil(Rng& rng)
{
    Sound s = blank(1.0);
    for (int k = 0; k < 3; ++k) {
        Sound blow = ring(1250, {{0.51, 0.3, 0.12},
                                 {1, 1, 0.25},
                                 {2.43, 0.5, 0.15},
                                 {3.87, 0.35, 0.1},
                                 {5.31, 0.2, 0.06}});
        mix(blow, click(rng, 0.004, 4000), 0.0, 0.8); // hammer face meeting steel
        mix(s, blow, 0.3 * k, k == 2 ? 1.0 : 0.7);
    }
    return s;
}

// God giggles: quick chirps, each bending up, each starting higher than the last.
Sound giggle(Rng&)
{
    Sound s = blank(0.8);
    for (int k = 0; k < 6; ++k) {
        const double len = 0.07, base = 520 * std::pow(1.1, k);
        Osc o;
        mix(s,
            render(len,
                   [&](double t) {
                       return harmonics(o.next(base * (1 + 0.5 * t / len)), 0.4, 0.15) *
                              swell(t, len);
                   }),
            0.03 + 0.11 * k);
    }
    return s;
}

// Rummaging through a pack: many tiny scrapes of cloth and leather.
Sound inventory(Rng& rng)
{
    Sound s = blank(0.4);
    for (int k = 0; k < 40; ++k) {
        const double len = rng.range(0.005, 0.03), at = rng.range(0, 0.36);
        Sound grain = render(len, [&](double t) { return rng.white() * swell(t, len); });
        mix(s, grain, at, rng.range(0.2, 1.0) * swell(at + len / 2, 0.4));
    }
    filter(s, Biquad::Band, 2500, 0.8);
    filter(s, Biquad::Low, 5000);
    return s;
}

// A prayer: a soft choir singing "ah" on an F major chord, each voice with its own vibrato.
Sound pray(Rng& rng)
{
    Sound s = blank(1.5);
    for (double hz : {174.6, 220.0, 261.6, 349.2}) {
        for (double detune : {0.997, 1.003}) {
            Osc o;
            Biquad f1(Biquad::Band, 700, 3), f2(Biquad::Band, 1100, 4);
            const double rate = rng.range(4.5, 5.5),
                         offset = rng.range(0, TAU); // singers never vibrate in step
            mix(s,
                render(1.5,
                       [&](double t) {
                           const double v =
                               o.saw(hz * detune * (1 + 0.006 * std::sin(TAU * rate * t + offset)));
                           return (f1(v) + 0.5 * f2(v) + 0.1 * v) *
                                  adsr(t, 1.5, 0.45, 0.2, 0.85, 0.5);
                       }),
                0.0);
        }
    }
    filter(s, Biquad::Low, 3000);
    return s;
}

// Picking up an item: two bright bell notes a fourth apart, rising.
Sound jingle(Rng&)
{
    Sound s = blank(0.4);
    mix(s, ring(1318.5, {{1, 1, 0.09}, {2, 0.4, 0.05}, {3, 0.2, 0.03}, {4.2, 0.1, 0.02}}), 0.0,
        0.8);
    mix(s, ring(1760.0, {{1, 1, 0.12}, {2, 0.4, 0.06}, {3, 0.2, 0.03}, {4.2, 0.1, 0.02}}), 0.09);
    return s;
}

// Gold coins: a handful of clinks, every coin a slightly different size.
Sound gold(Rng& rng)
{
    Sound s = blank(0.6);
    for (int k = 0; k < 6; ++k) {
        Sound coin = ring(rng.range(2200, 3200),
                          {{1, 1, 0.07}, {1.47, 0.6, 0.05}, {2.09, 0.45, 0.04}, {2.56, 0.3, 0.03}});
        mix(coin, click(rng, 0.002, 5000), 0.0, 0.5);
        mix(s, coin, 0.075 * k + rng.range(0, 0.03), rng.range(0.5, 1.0));
    }
    return s;
}

// Drinking a potion: three gulps, each a low blip bending upward, with a bubble or two.
Sound drink(Rng& rng)
{
    Sound s = blank(0.7);
    for (int k = 0; k < 3; ++k) {
        const double start = 0.04 + 0.21 * k, base = rng.range(150, 190);
        Osc o;
        mix(s,
            render(
                0.2,
                [&](double t) { return o.sine(base * (1 + 2 * t / 0.12)) * hit(t, 0.01, 0.03); }),
            start);
        for (int b = 0; b < 2; ++b) {
            Osc p;
            Sound bubble =
                render(0.03, [&](double t) { return p.sine(500 + 20000 * t) * swell(t, 0.03); });
            mix(s, bubble, start + rng.range(0.06, 0.16), 0.3);
        }
    }
    return s;
}

// A key turning in a lock: two light clicks as the pins lift, then the bolt's heavy clunk.
Sound unlock(Rng& rng)
{
    Sound s = blank(0.5);
    for (double at : {0.03, 0.15}) {
        mix(s, click(rng, 0.003, 3500, 1.5), at, 0.7);
        mix(s, ring(2600, {{1, 1, 0.012}, {2.3, 0.5, 0.008}}), at, 0.3);
    }
    mix(s, click(rng, 0.01, 900, 1.0), 0.3);
    mix(s, ring(110, {{1, 1, 0.04}}), 0.3, 0.8); // the bolt's weight
    mix(s, ring(640, {{1, 1, 0.06}, {2.6, 0.5, 0.03}}), 0.3, 0.35);
    return s;
}

// A wooden flute phrase: a near-sine with breath, a chiff of air at each tongued note,
// and vibrato creeping in on the long last note.
Sound flute(Rng& rng)
{
    struct Note {
        double hz, start, length;
    };
    const Note tune[] = {{587.3, 0.0, 0.22},
                         {659.3, 0.22, 0.22},
                         {784.0, 0.44, 0.22},
                         {880.0, 0.66, 0.3},
                         {784.0, 0.96, 0.54}};
    Osc o;
    Biquad breath(Biquad::Band, 2500, 0.8);
    return render(1.5, [&](double t) {
        const Note* note = &tune[0];
        for (const Note& n : tune)
            if (n.start <= t) note = &n;
        const double u = t - note->start;
        const bool last = note == &tune[4];
        const double vibrato = 1 + 0.008 * std::sin(TAU * 5 * t) * std::min(1.0, u / 0.3);
        const double env = adsr(u, note->length, 0.04, 0.05, 0.8, last ? 0.25 : 0.04);
        const double chiff = std::exp(-u / 0.02);
        return harmonics(o.next(note->hz * vibrato), 0.12, 0.05) * env +
               breath(rng.white()) * (0.15 * env + 0.6 * chiff);
    });
}

// Distant fairy laughter: quick high "hee"s, softened by distance, echoing through trees.
Sound laughter(Rng& rng)
{
    Sound s = blank(1.2);
    for (int k = 0; k < 7; ++k) {
        const double len = 0.05, base = 1900 * std::pow(0.96, k) * rng.range(0.98, 1.02);
        Osc o;
        Sound hee = render(len, [&](double t) {
            const double hz =
                base * (1 + 0.25 * std::sin(PI * t / len)); // pitch arches up and back
            return harmonics(o.next(hz), 0.2, 0) * swell(t, len);
        });
        mix(s, hee, 0.02 + 0.085 * k, 1 - 0.07 * k);
    }
    filter(s, Biquad::Low, 3500);
    echo(s, 0.19, 0.5);
    return s;
}

// A lyre: an A major arpeggio plucked upward, the strings left to ring together.
Sound lyre(Rng& rng)
{
    Sound s = blank(1.8);
    const double notes[] = {220.0, 277.2, 329.6, 440.0, 554.4};
    for (int k = 0; k < 5; ++k)
        mix(s, pluck(rng, notes[k], 1.8), 0.13 * k, 0.8);
    filter(s, Biquad::Low, 4000); // gut strings, not steel
    return s;
}

// Stars twinkling: scattered high pings from a pentatonic scale, so any overlap is sweet.
Sound twinkle(Rng& rng)
{
    Sound s = blank(1.2);
    const double scale[] = {2093.0, 2349.3, 2637.0, 3136.0, 3520.0, 4186.0};
    for (int k = 0; k < 9; ++k) {
        const double hz = scale[rng.pick(6)];
        mix(s, ring(hz, {{1, 1, 0.15}, {2.76, 0.25, 0.05}}), 0.1 * k + rng.range(0, 0.05),
            rng.range(0.4, 1.0));
    }
    echo(s, 0.13, 0.3);
    return s;
}

// Lighting a candle or lantern: the crackling rasp of a match, then the flame's soft whoosh.
Sound light(Rng& rng)
{
    Sound s = blank(0.6);
    Biquad rasp(Biquad::Band, 3000, 1.2), flame;
    mix(s,
        render(0.25,
               [&](double t) {
                   const double crackle = rng.uniform() < 0.03 ? 3.0 : 1.0;
                   return rasp(rng.white() * crackle) * hit(t, 0.005, 0.04);
               }),
        0.0);
    mix(s,
        render(0.5,
               [&](double t) {
                   const double shape = swell(t, 0.5);
                   flame.set(Biquad::Low, 300 + 1500 * shape, 0.9); // brighter as the flame catches
                   return flame(rng.white()) * shape;
               }),
        0.1, 0.9);
    return s;
}

// A wolf barking happily: two short yaps, each a noisy voiced burst dropping fast in pitch.
Sound bark(Rng& rng)
{
    Sound s = blank(0.6);
    for (int k = 0; k < 2; ++k) {
        const double top = k == 0 ? 620 : 700; // the second yap a little higher: eager
        Osc o;
        Biquad f1(Biquad::Band, 900, 2.5), f2(Biquad::Band, 2100, 3);
        mix(s,
            render(0.3,
                   [&](double t) {
                       const double src =
                           o.saw(top * (0.55 + 0.45 * std::exp(-t / 0.03))) + 0.6 * rng.white();
                       return (f1(src) + 0.5 * f2(src)) * hit(t, 0.006, 0.05);
                   }),
            0.02 + 0.26 * k);
    }
    return s;
}

// The wind stirs as a passage opens: a howl of bandpassed noise, gusting, swelling, rising.
Sound wind(Rng& rng)
{
    Biquad howl, body(Biquad::Low, 400, 0.7);
    return render(2.0, [&](double t) {
        const double gust = 1 + 0.25 * std::sin(TAU * 1.3 * t) * std::sin(TAU * 0.4 * t + 1);
        howl.set(Biquad::Band, (350 + 175 * t) * gust, 4);
        const double n = rng.white();
        return (2.5 * howl(n) + body(n)) * gust * adsr(t, 2.0, 1.0, 0.2, 0.9, 0.8);
    });
}

// A purchase: the till's click and drawer thunk, then the bright "ching" of its bell.
Sound purchase(Rng& rng)
{
    Sound s = blank(0.6);
    mix(s, click(rng, 0.004, 2500, 1.2), 0.0, 0.8);
    mix(s, click(rng, 0.008, 700, 1.0), 0.04, 0.8);
    mix(s, ring(120, {{1, 1, 0.03}}), 0.04, 0.5);
    mix(s, ring(2093, {{1, 1, 0.18}, {2, 0.3, 0.1}, {2.76, 0.4, 0.08}, {5.4, 0.15, 0.04}}), 0.1);
    mix(s, ring(2637, {{1, 1, 0.16}, {2, 0.3, 0.1}, {2.76, 0.4, 0.08}}), 0.13, 0.7);
    return s;
}

struct Effect {
    const char* file;
    Sound (*make)(Rng&);
};

// File names are what the game asks for; keep them in step with its sound calls.
const Effect effects[] = {
    {"dark.ogg", dark},         {"bqlaugh.ogg", bqlaugh}, {"break.ogg", breakage},
    {"holy.ogg", holy},         {"demonic.ogg", demonic}, {"whispers.ogg", whispers},
    {"anvil.ogg", anvil},       {"giggle.ogg", giggle},   {"inventory.ogg", inventory},
    {"pray.ogg", pray},         {"jingle.ogg", jingle},   {"gold.ogg", gold},
    {"drink.ogg", drink},       {"unlock.ogg", unlock},   {"flute.ogg", flute},
    {"laughter.ogg", laughter}, {"lyre.ogg", lyre},       {"twinkle.ogg", twinkle},
    {"light.ogg", light},       {"bark.ogg", bark},       {"wind.ogg", wind},
    {"purchase.ogg", purchase},
};

// ---- Finishing and encoding -------------------------------------------------

// Short fades so nothing starts or stops with a click, then one common peak level.
void finish(Sound& s)
{
    const size_t in = std::min(s.size(), static_cast<size_t>(RATE * 0.002));
    const size_t out = std::min(s.size(), static_cast<size_t>(RATE * 0.03));
    for (size_t i = 0; i < in; ++i)
        s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
    float peak = 0;
    for (float x : s)
        peak = std::max(peak, std::fabs(x));
    if (peak > 0)
        for (float& x : s)
            x *= PEAK / peak;
}

// FNV-1a of the file name: a stable seed, and a stable Ogg serial number.
uint32_t hashName(const char* name)
{
    uint32_t h = 2166136261u;
    for (; *name; ++name)
        h = (h ^ static_cast<unsigned char>(*name)) * 16777619u;
    return h | 1; // xorshift must never start from zero
}

bool writeOgg(const std::string& path, const Sound& samples, uint32_t serial)
{
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, RATE, QUALITY) != 0) {
        vorbis_info_clear(&info);
        std::fclose(out);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial & 0x7fffffff));

    bool ok = true;
    ogg_page page;
    auto writePage = [&] {
        ok = ok &&
             std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), out) ==
                 static_cast<size_t>(page.header_len) &&
             std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), out) ==
                 static_cast<size_t>(page.body_len);
    };

    // The three header packets go on pages of their own, before any audio.
    ogg_packet id, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &codebooks);
    ogg_stream_packetin(&stream, &id);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    // Hand over whatever blocks the encoder has ready and write out full pages.
    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    writePage();
            }
        }
    };
    constexpr size_t CHUNK = 1024;
    for (size_t at = 0; at < samples.size(); at += CHUNK) {
        const size_t n = std::min(CHUNK, samples.size() - at);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
        std::copy_n(samples.data() + at, n, buffer[0]);
        vorbis_analysis_wrote(&dsp, static_cast<int>(n));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0); // end of stream
    drain();
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(out) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTDIR [NAME.ogg]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const char* only = argc == 3 ? argv[2] : nullptr;
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored); // a real problem shows up when writing

    int written = 0;
    for (const Effect& e : effects) {
        if (only && std::strcmp(only, e.file) != 0) continue;
        Rng rng{hashName(e.file)};
        Sound s = e.make(rng);
        finish(s);
        const std::string path = dir + "/" + e.file;
        if (!writeOgg(path, s, hashName(e.file))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%-14s %.2f s\n", e.file, static_cast<double>(s.size()) / RATE);
        ++written;
    }
    if (written == 0) {
        std::fprintf(stderr, "no sound called %s\n", only);
        return 2;
    }
    return 0;
}
