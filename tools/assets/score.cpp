#include "assets/score.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace q::assets {
namespace {

constexpr int kTicksPerQuarter = kTicksPerWhole / 4;
// Patterns may play patterns; this bounds a pattern that plays itself.
constexpr int kMaxPatternDepth = 16;
// No sound of ours comes near ten minutes; a score that does is a mistake,
// and rendering it would only eat memory. The tick bound keeps the
// tick-to-sample arithmetic far from overflow while a track is read.
constexpr int64_t kMaxSeconds = 600;
constexpr int64_t kMaxTicks = 10'000'000;

struct SourceToken {
    std::string text;
    int line;
};

struct TickNote {
    int instrument;
    int64_t start, length;
    std::vector<double> path;
    double velocity;
};

struct Track {
    int64_t tick = 0;
    int duration = kTicksPerQuarter;
    double velocity = 1.0;
    int lastLine = 0;
};

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// '#' opens a comment at the start of a line or after a space; inside a
// token it is a sharp (F#4).
std::string StripComment(const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '#' && (i == 0 || s[i - 1] == ' ' || s[i - 1] == '\t')) return s.substr(0, i);
    }
    return s;
}

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

class Parser {
public:
    explicit Parser(std::string origin) : origin_(std::move(origin)) {}

    Score Run(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        int lineNo = 0;
        while (std::getline(in, raw)) {
            ++lineNo;
            line_ = lineNo;
            std::string line = Trim(StripComment(raw));
            if (!line.empty()) Statement(line);
        }
        return Finish();
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ScoreError(origin_ + ":" + std::to_string(line_) + ": " + what);
    }

    double Number(const std::string& s, const std::string& what) const {
        char* end = nullptr;
        double v = std::strtod(s.c_str(), &end);
        if (s.empty() || *end != '\0') Fail("bad number '" + s + "' for " + what);
        return v;
    }

    int Integer(const std::string& s, const std::string& what) const {
        char* end = nullptr;
        long v = std::strtol(s.c_str(), &end, 10);
        if (s.empty() || *end != '\0' || v < -1000000 || v > 1000000) Fail("bad integer '" + s + "' for " + what);
        return static_cast<int>(v);
    }

    // Several numbers separated by commas, as in vib=12,5,200.
    std::vector<double> Numbers(const std::string& s, size_t count, const std::string& what) const {
        std::vector<double> out;
        std::string part;
        std::istringstream in(s);
        while (std::getline(in, part, ',')) out.push_back(Number(part, what));
        if (out.size() != count) Fail(what + " takes " + std::to_string(count) + " numbers");
        return out;
    }

    void Statement(const std::string& line) {
        size_t colon = line.find(':');
        std::vector<std::string> head = Words(colon == std::string::npos ? line : line.substr(0, colon));
        if (head.empty()) Fail("missing name before ':'");
        const std::string& key = head[0];
        if (colon != std::string::npos) {
            std::vector<std::string> body = Words(line.substr(colon + 1));
            if (key == "pattern") {
                if (head.size() != 2) Fail("pattern needs one name");
                auto& p = patterns_[head[1]];
                for (auto& w : body) p.push_back({w, line_});
                return;
            }
            if (head.size() != 1) Fail("expected 'NAME: notes'");
            auto it = instrumentIndex_.find(key);
            if (it == instrumentIndex_.end()) Fail("unknown instrument '" + key + "'");
            Track& track = tracks_[it->second];
            for (auto& w : body) Token(it->second, track, {w, line_}, 0, 0);
            track.lastLine = line_;
            return;
        }
        if (key == "instrument") {
            InstrumentLine(head);
            return;
        }
        if (head.size() != 2) Fail("'" + key + "' takes one value");
        const std::string& value = head[1];
        if (key == "rate") {
            score_.sampleRate = Integer(value, "rate");
            if (score_.sampleRate < 8000 || score_.sampleRate > 96000) Fail("rate out of range");
        } else if (key == "tempo") {
            score_.tempo = Integer(value, "tempo");
            if (score_.tempo < 20 || score_.tempo > 1200) Fail("tempo out of range");
        } else if (key == "meter") {
            score_.meter = Integer(value, "meter");
            if (score_.meter < 1 || score_.meter > 16) Fail("meter out of range");
        } else if (key == "loop") {
            score_.loopBars = Integer(value, "loop");
            if (score_.loopBars < 1 || score_.loopBars > 1000) Fail("loop out of range");
        } else if (key == "level") {
            score_.levelDb = Number(value, "level");
            score_.hasLevel = true;
            if (score_.levelDb > 0 || score_.levelDb < -60) Fail("level must be between -60 and 0 dB");
        } else {
            Fail("unknown statement '" + key + "'");
        }
    }

    void InstrumentLine(const std::vector<std::string>& words) {
        if (words.size() < 2) Fail("instrument needs a name");
        Instrument ins;
        ins.name = words[1];
        if (instrumentIndex_.count(ins.name)) Fail("instrument '" + ins.name + "' defined twice");
        for (size_t i = 2; i < words.size(); ++i) {
            size_t eq = words[i].find('=');
            if (eq == std::string::npos) Fail("expected key=value, got '" + words[i] + "'");
            std::string k = words[i].substr(0, eq);
            std::string v = words[i].substr(eq + 1);
            if (k == "wave") {
                if (v == "sine") ins.wave = Wave::Sine;
                else if (v == "triangle") ins.wave = Wave::Triangle;
                else if (v == "square") { ins.wave = Wave::Pulse; ins.duty = 0.5; }
                else if (v == "pulse") ins.wave = Wave::Pulse;
                else if (v == "saw") ins.wave = Wave::Saw;
                else if (v == "noise") ins.wave = Wave::Noise;
                else Fail("unknown wave '" + v + "'");
            } else if (k == "duty") {
                ins.duty = Number(v, k) / 100.0;
                if (ins.duty <= 0.0 || ins.duty >= 1.0) Fail("duty must lie strictly between 0 and 100");
            } else if (k == "a") {
                ins.attackMs = Number(v, k);
            } else if (k == "d") {
                ins.decayMs = Number(v, k);
            } else if (k == "s") {
                ins.sustain = Number(v, k) / 100.0;
            } else if (k == "r") {
                ins.releaseMs = Number(v, k);
            } else if (k == "vol") {
                ins.volume = Number(v, k) / 100.0;
            } else if (k == "gate") {
                ins.gate = Number(v, k) / 100.0;
                if (ins.gate <= 0.0 || ins.gate > 1.0) Fail("gate must lie in 1..100");
            } else if (k == "vib") {
                auto n = Numbers(v, 3, k);
                ins.vibratoCents = n[0], ins.vibratoHz = n[1], ins.vibratoDelayMs = n[2];
            } else if (k == "sweep") {
                auto n = Numbers(v, 2, k);
                ins.sweepSemitones = n[0], ins.sweepMs = n[1];
                if (ins.sweepMs <= 0) Fail("sweep time must be positive");
            } else if (k == "fm") {
                auto n = Numbers(v, 3, k);
                ins.fmRatio = n[0], ins.fmIndex = n[1], ins.fmDecayMs = n[2];
            } else if (k == "detune") {
                ins.detuneCents = Number(v, k);
            } else if (k == "lp") {
                ins.lowpassHz = Number(v, k);
            } else if (k == "hp") {
                ins.highpassHz = Number(v, k);
            } else {
                Fail("unknown instrument key '" + k + "'");
            }
        }
        if (ins.attackMs < 0 || ins.decayMs < 0 || ins.releaseMs < 0) Fail("envelope times must not be negative");
        if (ins.sustain < 0 || ins.sustain > 1) Fail("sustain must lie in 0..100");
        if (ins.volume < 0 || ins.volume > 4) Fail("vol must lie in 0..400");
        if (ins.lowpassHz < 0 || ins.highpassHz < 0) Fail("filter corners must not be negative");
        instrumentIndex_[ins.name] = static_cast<int>(score_.instruments.size());
        score_.instruments.push_back(ins);
        tracks_.emplace_back();
    }

    // A pitch such as C4, F#5, Bb2 as a MIDI number.
    double Pitch(const std::string& s) const {
        static const int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
        if (s.empty()) Fail("empty pitch");
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
        if (letter < 'A' || letter > 'G') Fail("bad pitch '" + s + "'");
        int semis = kSteps[letter - 'A'];
        size_t i = 1;
        while (i < s.size() && (s[i] == '#' || s[i] == 'b')) semis += s[i++] == '#' ? 1 : -1;
        std::string octave = s.substr(i);
        if (octave.empty()) Fail("pitch '" + s + "' has no octave");
        int oct = Integer(octave, "octave of '" + s + "'");
        if (oct < 0 || oct > 9) Fail("octave out of range in '" + s + "'");
        return 12.0 * (oct + 1) + semis;
    }

    // "/8", "/8.", "/16*3" -> ticks.
    int Duration(const std::string& s) const {
        size_t i = 1;
        size_t digitsEnd = s.find_first_not_of("0123456789", i);
        if (digitsEnd == std::string::npos) digitsEnd = s.size();
        if (digitsEnd == i) Fail("bad duration '" + s + "'");
        int division = Integer(s.substr(i, digitsEnd - i), "duration");
        if (division <= 0 || kTicksPerWhole % division != 0) Fail("duration '" + s + "' does not fit the tick grid");
        int ticks = kTicksPerWhole / division;
        i = digitsEnd;
        if (i < s.size() && s[i] == '.') {
            if (ticks % 2 != 0) Fail("dotted duration '" + s + "' does not fit the tick grid");
            ticks += ticks / 2;
            ++i;
        }
        if (i < s.size() && s[i] == '*') {
            int times = Integer(s.substr(i + 1), "duration multiplier");
            if (times < 1 || times > 64) Fail("duration multiplier out of range");
            ticks *= times;
            i = s.size();
        }
        if (i != s.size()) Fail("bad duration '" + s + "'");
        return ticks;
    }

    void Token(int instrument, Track& track, const SourceToken& tok, int transpose, int depth) {
        int savedLine = line_;
        line_ = tok.line;
        const std::string& t = tok.text;
        if (t == "|") {
            int barTicks = score_.meter * kTicksPerQuarter;
            if (track.tick % barTicks != 0) {
                Fail("bar line after " + std::to_string(track.tick % barTicks) + " ticks of a " +
                     std::to_string(barTicks) + "-tick bar");
            }
        } else if (t[0] == '@') {
            PatternToken(instrument, track, t, transpose, depth);
        } else if (t[0] == 'v' && t.size() > 1 && std::isdigit(static_cast<unsigned char>(t[1]))) {
            double v = Integer(t.substr(1), "velocity");
            if (v < 0 || v > 200) Fail("velocity out of range");
            track.velocity = v / 100.0;
        } else {
            NoteToken(instrument, track, t, transpose);
        }
        line_ = savedLine;
    }

    void PatternToken(int instrument, Track& track, const std::string& t, int transpose, int depth) {
        if (depth >= kMaxPatternDepth) Fail("patterns nested too deeply (a pattern playing itself?)");
        size_t end = t.find_first_of("^*", 1);
        std::string name = t.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        int shift = 0, times = 1;
        while (end != std::string::npos) {
            size_t next = t.find_first_of("^*", end + 1);
            std::string arg = t.substr(end + 1, next == std::string::npos ? std::string::npos : next - end - 1);
            if (t[end] == '^') shift += Integer(arg, "transposition");
            else times = Integer(arg, "repeat count");
            end = next;
        }
        if (times < 1 || times > 256) Fail("repeat count out of range");
        auto it = patterns_.find(name);
        if (it == patterns_.end()) Fail("unknown pattern '" + name + "'");
        const std::vector<SourceToken> body = it->second;
        for (int k = 0; k < times; ++k) {
            for (const auto& tok : body) Token(instrument, track, tok, transpose + shift, depth + 1);
        }
    }

    void NoteToken(int instrument, Track& track, const std::string& t, int transpose) {
        size_t slash = t.find('/');
        std::string notes = t.substr(0, slash);
        if (slash != std::string::npos) track.duration = Duration(t.substr(slash));
        if (notes.empty()) Fail("duration without a note in '" + t + "'");
        if (notes != "r") {
            std::string part;
            std::istringstream in(notes);
            while (std::getline(in, part, '+')) {
                std::vector<double> path;
                std::string pitch;
                std::istringstream glide(part);
                while (std::getline(glide, pitch, '>')) path.push_back(Pitch(pitch) + transpose);
                if (path.empty() || part.back() == '>') Fail("glide '" + part + "' has no end");
                notes_.push_back({instrument, track.tick, track.duration, path, track.velocity});
            }
        }
        track.tick += track.duration;
        if (track.tick > kMaxTicks) Fail("the score runs far too long");
    }

    int64_t TicksToSamples(int64_t ticks) const {
        // seconds = ticks * 240 / (tempo * ticksPerWhole); rounded to the nearest sample.
        int64_t num = ticks * score_.sampleRate * 240;
        int64_t den = static_cast<int64_t>(score_.tempo) * kTicksPerWhole;
        return (2 * num + den) / (2 * den);
    }

    Score Finish() {
        int64_t loopTicks = static_cast<int64_t>(score_.loopBars) * score_.meter * kTicksPerQuarter;
        for (size_t i = 0; i < tracks_.size(); ++i) {
            if (score_.loopBars && tracks_[i].tick != 0 && tracks_[i].tick != loopTicks) {
                line_ = tracks_[i].lastLine;
                Fail("track '" + score_.instruments[i].name + "' lasts " + std::to_string(tracks_[i].tick) +
                     " ticks, the loop " + std::to_string(loopTicks));
            }
        }
        if (notes_.empty()) {
            line_ = 0;
            Fail("no notes");
        }
        score_.loopSamples = score_.loopBars ? TicksToSamples(loopTicks) : 0;
        int64_t lastTick = 0;
        for (const auto& t : tracks_) lastTick = std::max(lastTick, t.tick);
        if (TicksToSamples(std::max(lastTick, loopTicks)) > kMaxSeconds * score_.sampleRate) {
            line_ = 0;
            Fail("the score runs longer than ten minutes");
        }
        for (const auto& n : notes_) {
            int64_t s = TicksToSamples(n.start);
            int64_t e = TicksToSamples(n.start + n.length);
            score_.notes.push_back({n.instrument, s, e - s, n.path, n.velocity});
        }
        return score_;
    }

    std::string origin_;
    int line_ = 0;
    Score score_;
    std::map<std::string, int> instrumentIndex_;
    std::map<std::string, std::vector<SourceToken>> patterns_;
    std::vector<Track> tracks_;
    std::vector<TickNote> notes_;
};

}  // namespace

Score ParseScore(const std::string& text, const std::string& origin) {
    return Parser(origin).Run(text);
}

Score LoadScore(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScoreError(path + ": cannot open score");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScore(text.str(), path);
}

}  // namespace q::assets
