#include "assets/synth.hpp"

#include <algorithm>
#include <cmath>

namespace q::assets {
namespace {

constexpr double kTwoPi = 6.283185307179586;
// Shortest attack and release: anything quicker is heard as a click.
constexpr double kMinAttackMs = 1.0;
constexpr double kMinReleaseMs = 3.0;
// Vibrato fades in over this long once its delay has passed.
constexpr double kVibratoFadeMs = 150.0;
// The noise register steps this many times per period of the note's pitch,
// so higher notes give brighter noise.
constexpr double kNoiseStepsPerCycle = 8.0;
constexpr uint16_t kNoiseSeed = 0x4A3D;

int64_t MsToSamples(double ms, int rate) {
    return static_cast<int64_t>(std::llround(ms * rate / 1000.0));
}

double Frac(double x) {
    return x - std::floor(x);
}

// Band-limited step correction for an edge at phase 0 (PolyBLEP).
double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Oscillate(const Instrument& ins, double phase, double dt) {
    switch (ins.wave) {
        case Wave::Sine:
            return std::sin(kTwoPi * phase);
        case Wave::Triangle:
            return 1.0 - 4.0 * std::fabs(phase - 0.5);
        case Wave::Saw:
            return 2.0 * phase - 1.0 - Blep(phase, dt);
        case Wave::Pulse: {
            double v = phase < ins.duty ? 1.0 : -1.0;
            v += Blep(phase, dt);
            v -= Blep(Frac(phase - ins.duty), dt);
            // A pulse that is not square carries DC; take its average out.
            return v - (2.0 * ins.duty - 1.0);
        }
        case Wave::Noise:
            break;
    }
    return 0.0;
}

// The pitch a fraction u (0..1) of the way along a glide's path.
double PitchAlong(const std::vector<double>& path, double u) {
    const size_t segments = path.size() - 1;
    if (segments == 0) return path[0];
    double x = u * static_cast<double>(segments);
    size_t i = std::min(static_cast<size_t>(x), segments - 1);
    return path[i] + (path[i + 1] - path[i]) * (x - static_cast<double>(i));
}

struct OnePole {
    double coefficient = 0, state = 0;
    void Set(double cornerHz, int rate) {
        coefficient = cornerHz > 0 ? 1.0 - std::exp(-kTwoPi * cornerHz / rate) : 0.0;
    }
    double Low(double x) { return state += coefficient * (x - state); }
};

struct Noise {
    uint16_t reg = kNoiseSeed;
    double phase = 0;
    double value = 1.0;
    double Next(double stepsPerSample) {
        phase += stepsPerSample;
        while (phase >= 1.0) {
            phase -= 1.0;
            uint16_t bit = static_cast<uint16_t>((reg ^ (reg >> 1)) & 1u);
            reg = static_cast<uint16_t>((reg >> 1) | (bit << 14));
            value = (reg & 1u) ? 1.0 : -1.0;
        }
        return value;
    }
};

void RenderNote(const Instrument& ins, const NoteEvent& n, int rate, std::vector<double>& out, int64_t loop) {
    const int64_t gate = std::max<int64_t>(1, std::llround(static_cast<double>(n.length) * ins.gate));
    const int64_t attack = std::max<int64_t>(1, MsToSamples(std::max(ins.attackMs, kMinAttackMs), rate));
    const int64_t release = std::max<int64_t>(1, MsToSamples(std::max(ins.releaseMs, kMinReleaseMs), rate));
    const int64_t total = gate + release;
    const double decayStep = ins.decayMs > 0 ? std::exp(-1.0 / (ins.decayMs * rate / 1000.0)) : 0.0;
    const double sweepStep = std::exp(-1.0 / (ins.sweepMs * rate / 1000.0));
    const double fmStep = ins.fmDecayMs > 0 ? std::exp(-1.0 / (ins.fmDecayMs * rate / 1000.0)) : 1.0;
    const int64_t vibDelay = MsToSamples(ins.vibratoDelayMs, rate);
    const double vibFade = std::max(1.0, kVibratoFadeMs * rate / 1000.0);
    const double detuneRatio = std::pow(2.0, ins.detuneCents / 1200.0);
    const bool pitchMoves = n.path.size() > 1 || ins.sweepSemitones != 0 || ins.vibratoCents != 0;
    const double gain = ins.volume * n.velocity;

    OnePole low, high;
    low.Set(ins.lowpassHz, rate);
    high.Set(ins.highpassHz, rate);
    Noise noise;
    double phase = 0, phase2 = 0, modPhase = 0;
    double decay = 1.0, sweep = 1.0, fmIndex = ins.fmIndex;
    double envelope = 0, heldLevel = 0;
    double freq = 440.0 * std::pow(2.0, (n.path.front() - 69.0) / 12.0);

    for (int64_t t = 0; t < total; ++t) {
        if (pitchMoves) {
            double u = n.length > 0 ? std::min(1.0, static_cast<double>(t) / static_cast<double>(n.length)) : 1.0;
            double semis = PitchAlong(n.path, u);
            semis += ins.sweepSemitones * sweep;
            sweep *= sweepStep;
            if (ins.vibratoCents != 0 && t >= vibDelay) {
                double since = static_cast<double>(t - vibDelay);
                double fade = std::min(1.0, since / vibFade);
                semis += ins.vibratoCents / 100.0 * fade * std::sin(kTwoPi * ins.vibratoHz * since / rate);
            }
            freq = 440.0 * std::pow(2.0, (semis - 69.0) / 12.0);
        }
        const double dt = std::min(0.45, freq / rate);

        double v;
        if (ins.wave == Wave::Noise) {
            v = noise.Next(freq * kNoiseStepsPerCycle / rate);
        } else {
            double shift = 0;
            if (ins.fmIndex != 0) {
                shift = fmIndex * std::sin(kTwoPi * modPhase) / kTwoPi;
                modPhase = Frac(modPhase + dt * ins.fmRatio);
                fmIndex *= fmStep;
            }
            v = Oscillate(ins, Frac(phase + shift), dt);
            if (ins.detuneCents != 0) {
                v = 0.5 * (v + Oscillate(ins, Frac(phase2 + shift), std::min(0.45, dt * detuneRatio)));
                phase2 = Frac(phase2 + dt * detuneRatio);
            }
            phase = Frac(phase + dt);
        }
        if (ins.lowpassHz > 0) v = low.Low(v);
        if (ins.highpassHz > 0) v -= high.Low(v);

        if (t < gate) {
            if (t < attack) {
                envelope = static_cast<double>(t) / static_cast<double>(attack);
            } else {
                envelope = ins.sustain + (1.0 - ins.sustain) * decay;
                decay *= decayStep;
            }
            heldLevel = envelope;
        } else {
            // Linear to exactly zero, so the note never stops on a step.
            envelope = heldLevel * static_cast<double>(total - t) / static_cast<double>(release + 1);
        }

        int64_t at = n.start + t;
        if (loop > 0) at %= loop;
        out[static_cast<size_t>(at)] += v * envelope * gain;
    }
}

int64_t NoteEnd(const Score& score, const NoteEvent& n) {
    const Instrument& ins = score.instruments[static_cast<size_t>(n.instrument)];
    int64_t gate = std::max<int64_t>(1, std::llround(static_cast<double>(n.length) * ins.gate));
    int64_t release = std::max<int64_t>(1, MsToSamples(std::max(ins.releaseMs, kMinReleaseMs), score.sampleRate));
    return n.start + gate + release;
}

}  // namespace

std::vector<double> RenderScore(const Score& score) {
    int64_t length = score.loopSamples;
    if (length <= 0) {
        for (const auto& n : score.notes) length = std::max(length, NoteEnd(score, n));
        length += 1;  // end on a zero sample
    }
    std::vector<double> out(static_cast<size_t>(length), 0.0);
    for (const auto& n : score.notes) {
        RenderNote(score.instruments[static_cast<size_t>(n.instrument)], n, score.sampleRate, out, score.loopSamples);
    }
    return out;
}

double WindowedRms(const std::vector<double>& signal, int64_t windowSamples) {
    if (signal.empty() || windowSamples <= 0) return 0.0;
    const size_t w = static_cast<size_t>(windowSamples);
    double sum = 0, best = 0;
    for (size_t i = 0; i < signal.size(); ++i) {
        sum += signal[i] * signal[i];
        if (i >= w) sum -= signal[i - w] * signal[i - w];
        best = std::max(best, sum);
    }
    return std::sqrt(std::max(0.0, best) / static_cast<double>(w));
}

double PeakOf(const std::vector<double>& signal) {
    double peak = 0;
    for (double v : signal) peak = std::max(peak, std::fabs(v));
    return peak;
}

void NormaliseLevel(std::vector<double>& signal, int64_t windowSamples, double targetRms, double peakLimit) {
    double rms = WindowedRms(signal, windowSamples);
    double peak = PeakOf(signal);
    if (rms <= 0 || peak <= 0) return;
    double gain = targetRms / rms;
    if (peak * gain > peakLimit) gain = peakLimit / peak;
    for (double& v : signal) v *= gain;
}

void RemoveDc(std::vector<double>& signal) {
    if (signal.empty()) return;
    double sum = 0;
    for (double v : signal) sum += v;
    double mean = sum / static_cast<double>(signal.size());
    for (double& v : signal) v -= mean;
}

std::vector<int16_t> ToPcm16(const std::vector<double>& signal) {
    std::vector<int16_t> out(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        double s = std::round(signal[i] * 32767.0);
        out[i] = static_cast<int16_t>(std::clamp(s, -32768.0, 32767.0));
    }
    return out;
}

}  // namespace q::assets
