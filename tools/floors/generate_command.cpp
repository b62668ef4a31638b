// `generate`: candidate floors that need the ideas asked, ranked, written as
// floor sources.
#include <cstdint>
#include <filesystem>
#include <ostream>

#include "floors/commands.hpp"
#include "floors/floor_set.hpp"
#include "floors/generator.hpp"
#include "floors/naive.hpp"

namespace q::floors {

namespace {

constexpr int kMaxCount = 99;

bool Whole(const std::string& s, long long lo, long long hi, long long& out) {
    if (s.empty() || s.size() > 19) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    try {
        out = std::stoll(s);
    } catch (...) {
        return false;
    }
    return out >= lo && out <= hi;
}

bool ReadGenerateArguments(const std::vector<std::string>& args, GenerateOptions& o, std::string& out,
                           std::string& error) {
    bool haveIdeas = false, haveRows = false, haveSeed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) {
            error = a.rfind("--", 0) == 0 ? a + " needs a value" : "unknown argument " + a;
            return false;
        }
        const std::string& v = args[++i];
        long long n = 0;
        if (a == "--ideas") {
            std::string unknown;
            if (!ParseIdeas(v, o.ideas, unknown) || o.ideas == 0) {
                error = "--ideas: " + (unknown.empty() ? std::string("name an idea") : "no idea called " + unknown);
                return false;
            }
            haveIdeas = true;
        } else if (a == "--rows") {
            // A floor fills the screen at least; the game holds at most 120 rows.
            if (!Whole(v, 30, 120, n)) {
                error = "--rows needs a number of rows from 30 to 120";
                return false;
            }
            o.rows = static_cast<int>(n);
            haveRows = true;
        } else if (a == "--seed") {
            if (!Whole(v, 0, INT64_MAX, n)) {
                error = "--seed needs a whole number";
                return false;
            }
            o.seed = static_cast<uint64_t>(n);
            haveSeed = true;
        } else if (a == "--count") {
            if (!Whole(v, 1, kMaxCount, n)) {
                error = "--count needs a number from 1 to " + std::to_string(kMaxCount);
                return false;
            }
            o.count = static_cast<int>(n);
        } else if (a == "--max-states") {
            if (!Whole(v, 1, INT64_MAX, n)) {
                error = "--max-states needs a count";
                return false;
            }
            o.maxStates = n;
        } else if (a == "--tries") {
            if (!Whole(v, 1, 100000, n)) {
                error = "--tries needs a count";
                return false;
            }
            o.tries = static_cast<int>(n);
        } else if (a == "--out") {
            out = v;
        } else {
            error = "unknown argument " + a;
            return false;
        }
    }
    if (!haveIdeas || !haveRows || !haveSeed) {
        error = "--ideas LIST, --rows R and --seed S are required";
        return false;
    }
    return true;
}

std::string Summary(const Candidate& c, int number) {
    const Measures& m = c.measures;
    const Solution& w = m.way;
    std::string line = "candidate " + std::to_string(number) + ": ideas " + IdeaList(m.proved);
    if (m.inconclusive) line += " (inconclusive: " + IdeaList(m.inconclusive) + ")";
    line += "; " + StatsLine(w) + ", worlds " + std::to_string(w.worldsSeen) + ", climbs " +
            std::to_string(m.rowsClimbed) + " rows, naive player " +
            (m.naive < 0 ? "not asked" : m.naive ? "clears it" : "fails") + ", judged " + std::to_string(c.judged) +
            " layouts";
    return line;
}

}  // namespace

int RunGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    GenerateOptions o;
    std::string dir, error;
    if (!ReadGenerateArguments(args, o, dir, error)) {
        err << "quorrel-floors generate: " << error << "\n";
        return 1;
    }
    o.naive = [](const Floor& f) { return PlayNaive(f).cleared; };
    const std::vector<Candidate> found = Generate(o, &err);
    if (!dir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
    }
    for (size_t i = 0; i < found.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        out << Summary(found[i], n);
        const std::string text = CandidateSource(found[i], n, o);
        if (dir.empty()) {
            out << "\n" << text << "\n";
            continue;
        }
        const std::string path = (std::filesystem::path(dir) / SourceFileName(n)).string();
        if (!WriteWholeFile(path, text, error)) {
            err << error << "\n";
            return 1;
        }
        out << ", " << path << "\n";
    }
    if (static_cast<int>(found.size()) < o.count) {
        err << "quorrel-floors generate: found " << found.size() << " of " << o.count
            << " candidates within the tries; more --tries or another --seed may find the rest\n";
        return 1;
    }
    return 0;
}

}  // namespace q::floors
