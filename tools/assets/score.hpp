#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The score notation the sound effects and the music are written in.
//
// One statement per line; '#' at the start of a line or after a space starts
// a comment (inside a token it is a sharp).
//   rate 22050                 samples per second of the result
//   tempo 126                  quarter notes per minute
//   meter 4                    quarter notes per bar (checked at every '|')
//   loop 40                    the piece is a loop of exactly this many bars
//   level -14                  loudness target in dB below full scale
//   instrument NAME key=value ...
//   pattern NAME: tokens       (repeated lines append)
//   NAME: tokens               notes for the instrument NAME (lines append)
//
// Tokens: a note such as C5, F#4 or Bb3 (octave 4 holds middle C), a chord
// C4+E4+G4, a glide C5>G4 or A4>D5>F4 (pitch slides over the note), or a rest r; each may
// carry a duration /8 (an eighth), /8. (dotted), /16*3 (three sixteenths),
// which then stays in force for the tokens after it. v70 sets the velocity
// in percent. | marks a bar line. @NAME plays a pattern, @NAME^-3 transposed
// by semitones, @NAME*2 twice.
//
// Instrument keys: wave=sine|triangle|square|pulse|saw|noise, duty (percent),
// a d s r (attack ms, decay ms, sustain percent, release ms), vol (percent),
// gate (percent of the note held before release), vib=cents,hz,delay_ms,
// sweep=semitones,ms (a pitch drop at the start of every note),
// fm=ratio,index,decay_ms (a sine modulator), detune (cents of a second
// oscillator), lp and hp (one-pole filter corners in Hz).

namespace q::assets {

struct ScoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Wave { Sine, Triangle, Pulse, Saw, Noise };

struct Instrument {
    std::string name;
    Wave wave = Wave::Pulse;
    double duty = 0.5;
    double attackMs = 2, decayMs = 120, sustain = 1.0, releaseMs = 30;
    double volume = 1.0;
    double gate = 1.0;
    double vibratoCents = 0, vibratoHz = 5, vibratoDelayMs = 0;
    double sweepSemitones = 0, sweepMs = 30;
    double fmRatio = 0, fmIndex = 0, fmDecayMs = 0;
    double detuneCents = 0;
    double lowpassHz = 0, highpassHz = 0;
};

// One sounding note. Times are in samples; pitches in MIDI numbers (69 = A4).
// A glide passes through every pitch of its path in equal parts of the note.
struct NoteEvent {
    int instrument = 0;
    int64_t start = 0;
    int64_t length = 0;
    std::vector<double> path;
    double velocity = 1.0;
};

struct Score {
    int sampleRate = 22050;
    int tempo = 120;
    int meter = 4;
    int loopBars = 0;         // 0: a one-shot sound
    int64_t loopSamples = 0;  // length of the loop in samples, when looping
    double levelDb = 0;       // 0: the caller's default
    bool hasLevel = false;
    std::vector<Instrument> instruments;
    std::vector<NoteEvent> notes;
};

// Parses score text; `origin` names it in error messages ("file:line: ...").
Score ParseScore(const std::string& text, const std::string& origin);
Score LoadScore(const std::string& path);

// Ticks of a whole note: fine enough for sixty-fourths and triplets.
constexpr int kTicksPerWhole = 192;

}  // namespace q::assets
