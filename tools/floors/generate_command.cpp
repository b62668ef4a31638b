// `generate`: candidate floors that need the ideas asked, ranked, written as
// floor sources.
#include <cstdint>
#include <filesystem>
#include <ostream>

#include "floors/commands.hpp"
#include "floors/floor_set.hpp"
#include "floors/generator.hpp"
#include "floors/naive.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

constexpr int kMaxCount = 99;
constexpr int kMaxTries = 100000;

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
    Arguments unused;
    CommandLine line("generate", "Searches for candidate floors that need the ideas asked, ranked best first.", unused);
    line.app
        .add_option_function<std::string>(
            "--ideas",
            [&o](const std::string& list) {
                std::string unknown;
                if (!ParseIdeas(list, o.ideas, unknown) || o.ideas == 0)
                    throw CLI::ValidationError("--ideas", unknown.empty() ? "name an idea" : "no idea called " + unknown);
            },
            "the ideas every candidate must need, comma-separated")
        ->type_name("LIST")
        ->required();
    // A floor fills the screen at least; the game holds at most kMaxFloorRows.
    line.app.add_option("--rows", o.rows, "the candidates' height in rows")
        ->type_name("R")
        ->check(CLI::Range(kWholeScreenRows, kMaxFloorRows))
        ->required();
    int64_t seed = 0;
    line.app.add_option("--seed", seed, "where the random layouts start")->type_name("S")->check(CountFrom(0))->required();
    line.app.add_option("--count", o.count, "candidates to find (3 by default)")
        ->type_name("K")
        ->check(CLI::Range(1, kMaxCount));
    line.app.add_option("--max-states", o.maxStates, "worlds each search may reach (40000 by default)")
        ->type_name("K")
        ->check(CountFrom(1));
    line.app.add_option("--tries", o.tries, "layouts judged for each candidate at most (150 by default)")
        ->type_name("N")
        ->check(CLI::Range(1, kMaxTries));
    line.app.add_option("--out", dir, "write the candidates there as floor sources")->type_name("DIR");
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    o.seed = static_cast<uint64_t>(seed);
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
