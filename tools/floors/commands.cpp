#include "floors/commands.hpp"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <ostream>
#include <sstream>

#include "floors/ablation.hpp"
#include "floors/candidate.hpp"
#include "floors/floor_set.hpp"
#include "floors/ideas.hpp"
#include "floors/floor_world.hpp"
#include "floors/lint.hpp"
#include "floors/lint_sections.hpp"
#include "floors/solver.hpp"
#include "floors/variety.hpp"
#include "world/floor.hpp"
#include "world/replay_file.hpp"

namespace q::floors {

namespace {

const Command kCommands[] = {
    {"compile", RunCompile}, {"decompile", RunDecompile}, {"lint", RunLint},   {"render", RunRender},
    {"solve", RunSolve},     {"verify", RunVerify},       {"table", RunTable},   {"generate", RunGenerate},
};

bool ParseNumber(const std::string& s, long long& out) {
    if (s.empty() || s.size() > 12) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    out = std::stoll(s);
    return true;
}

std::vector<int> NumbersOrAll(const Arguments& a, int last) {
    if (!a.numbers.empty()) return a.numbers;
    std::vector<int> all;
    for (int n = 1; n <= last; ++n) all.push_back(n);
    return all;
}

// How the search went, for the benchmark and for tuning.
std::string SearchFigures(const Solution& s) {
    std::ostringstream o;
    const double perWorld = s.worldsSeen ? static_cast<double>(s.peakBytes) / static_cast<double>(s.worldsSeen) : 0;
    o << "worlds " << s.worldsSeen << ", expanded " << s.statesSearched << ", " << s.seconds << " s, "
      << static_cast<int64_t>(s.seconds > 0 ? static_cast<double>(s.worldsSeen) / s.seconds : 0) << " worlds/s, peak "
      << s.peakBytes / 1024 << " KiB, " << static_cast<int>(perWorld) << " bytes/world";
    return o.str();
}

// The source text with its stats line and demo replaced; every other line
// (comments included) stays as written.
std::string WithDemo(const std::string& text, const std::string& stats, const std::vector<uint8_t>& demo) {
    std::istringstream in(text);
    std::string out;
    bool statsWritten = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("stats:", 0) == 0) {
            out += "stats: " + stats + "\n";
            statsWritten = true;
            continue;
        }
        if (!statsWritten && (line.rfind("rows:", 0) == 0)) {
            out += "stats: " + stats + "\n";
            statsWritten = true;
        }
        if (line == "demo:") break;
        out += line + "\n";
    }
    return out + "demo:\n" + DemoText(demo);
}

// solve --demo-from: a run a player recorded (quorrel --record) becomes the
// floor's demo, once it is shown to be of this very floor and to clear it
// with chasers on, as verify will replay it.
int DemoFromReplay(const Arguments& a, std::ostream& out, std::ostream& err) {
    auto run = std::make_unique<Replay>();
    ReplayRefusal refusal = ReadReplayFile(a.demoFrom.c_str(), run.get());
    if (refusal != ReplayRefusal::None) {
        err << a.demoFrom << " " << ReplayRefusalText(refusal) << "\n";
        return 1;
    }
    const int n = run->header.floor;
    if (a.numbers.size() > 1 || (a.numbers.size() == 1 && a.numbers[0] != n)) {
        err << a.demoFrom << " is a run of floor " << n << ", not of floor "
            << (a.numbers.empty() ? 0 : a.numbers.back()) << "\n";
        return 1;
    }
    const std::string path = (std::filesystem::path(a.sources) / SourceFileName(n)).string();
    Floor f;
    std::string error;
    if (!LoadFloorFile(path, f, error)) {
        err << error << "\n";
        return 1;
    }
    if (FloorChecksum(f.rows, f.startRow, f.tiles.data(), f.objects.data()) != run->header.floorChecksum) {
        err << a.demoFrom << " " << ReplayRefusalText(ReplayRefusal::FloorMismatch) << ": " << path << "\n";
        return 1;
    }
    f.demo.assign(run->commands.begin(), run->commands.begin() + run->header.steps);
    const ReplayOutcome outcome = ReplayDemo(f, true, 0);
    if (outcome.result != PLAY_RESULT_CLEARED) {
        err << a.demoFrom << " does not clear floor " << n << " with chasers on (result " << outcome.result
            << " after " << outcome.steps << " steps)" << (run->header.chasers ? "" : "; it was recorded with them off")
            << "\n";
        return 1;
    }
    // Only the steps up to the clear: whatever followed is never replayed.
    f.demo.resize(static_cast<size_t>(outcome.steps));
    const std::string stats = "recorded by a player, steps " + std::to_string(f.demo.size());
    out << "floor " << n << ": " << stats << "\n";
    if (!a.writeBack) return 0;
    std::vector<uint8_t> text;
    if (!ReadWholeFile(path, text, error) ||
        !WriteWholeFile(path, WithDemo(std::string(text.begin(), text.end()), stats, f.demo), error)) {
        err << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::string DefaultSourceDir() { return std::string(QUORREL_ASSET_DIR) + "/floors"; }

const Command* FindCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

bool ReadArguments(const std::vector<std::string>& args, Arguments& out, std::string& error) {
    out = Arguments{};
    out.sources = DefaultSourceDir();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        long long n = 0;
        if (a == "--sources") {
            if (!value(out.sources)) return false;
        } else if (a == "--out") {
            if (!value(out.out)) return false;
        } else if (a == "--floors") {
            if (!value(out.floors)) return false;
        } else if (a == "--data") {
            if (!value(out.data)) return false;
        } else if (a == "--demo-from") {
            if (!value(out.demoFrom)) return false;
        } else if (a == "--write") {
            out.writeBack = true;
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0 && !ParseNumber(args[i + 1], n))
                out.write = args[++i];
        } else if (a == "--no-chasers") {
            out.noChasers = true;
        } else if (a == "--forbid") {
            if (!value(out.forbid)) return false;
            IdeaSet ideas = 0;
            std::string unknown;
            if (!ParseIdeas(out.forbid, ideas, unknown) || ideas == 0) {
                error = "--forbid: " + (unknown.empty() ? std::string("name an idea") : "no idea called " + unknown);
                return false;
            }
        } else if (a == "--ideas") {
            out.ideas = true;
        } else if (a == "--measure") {
            out.measure = true;
        } else if (a == "--curve") {
            if (!value(out.curve)) return false;
        } else if (a == "--no-action") {
            out.noAction = true;
        } else if (a == "--max-states") {
            std::string v;
            if (!value(v)) return false;
            if (!ParseNumber(v, out.maxStates) || out.maxStates < 1) {
                error = "--max-states needs a count";
                return false;
            }
        } else if (ParseNumber(a, n) && n >= 1 && n <= kFloorCount) {
            out.numbers.push_back(static_cast<int>(n));
        } else {
            error = "unknown argument " + a;
            return false;
        }
    }
    return true;
}

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (!ReadArguments(args, a, error) || a.out.empty()) {
        err << "quorrel-floors compile: " << (error.empty() ? "--out FLOOR.DAT is required" : error) << "\n";
        return 1;
    }
    FloorSet set;
    if (!LoadFloorSet(a.sources, set, error)) {
        err << error << "\n";
        return 1;
    }
    const std::vector<uint8_t> dat = BuildFloorDat(set.floors);
    if (!WriteWholeFile(a.out, dat.data(), dat.size(), error)) {
        err << error << "\n";
        return 1;
    }
    out << a.out << ": " << set.floors.size() << " floors, " << dat.size() << " bytes\n";
    return 0;
}

int RunDecompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (!ReadArguments(args, a, error) || a.floors.empty() || a.out.empty()) {
        err << "quorrel-floors decompile: " << (error.empty() ? "--floors FLOOR.DAT and --out DIR are required" : error)
            << "\n";
        return 1;
    }
    std::vector<uint8_t> bytes;
    std::vector<Floor> floors;
    if (!ReadWholeFile(a.floors, bytes, error) || !ReadFloorDat(bytes, floors, error)) {
        err << a.floors << ": " << error << "\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(a.out, ec);
    for (size_t i = 0; i < floors.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const std::string path = (std::filesystem::path(a.out) / SourceFileName(n)).string();
        if (!WriteWholeFile(path, WriteFloorSource(floors[i], n), error)) {
            err << error << "\n";
            return 1;
        }
    }
    if (BuildFloorDat(floors) != bytes)
        err << a.floors << ": records are not in the compiler's order; compiling the sources gives a file that loads "
               "the same floors laid out in order\n";
    out << a.out << ": " << floors.size() << " floor sources\n";
    return 0;
}

int RunLint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (!ReadArguments(args, a, error)) {
        err << "quorrel-floors lint: " << error << "\n";
        return 1;
    }
    const std::vector<int> checked = NumbersOrAll(a, kFloorCount);
    // Every playable floor is loaded to compare landings with; only the
    // floors named are linted and have their faults reported.
    std::vector<Floor> floors(kFloorCount + 1);  // floors[n] is floor n
    std::vector<VarietyFloor> compared;
    int faults = 0;
    for (int n = 1; n <= kFloorCount; ++n) {
        const bool named = std::find(checked.begin(), checked.end(), n) != checked.end();
        if (!named && n == kEndingFloor) continue;
        const std::string path = (std::filesystem::path(a.sources) / SourceFileName(n)).string();
        Floor& f = floors[static_cast<size_t>(n)];
        if (!LoadFloorFile(path, f, error)) {
            if (named) {
                err << error << "\n";
                ++faults;
            }
            continue;
        }
        if (named) {
            std::vector<LintFinding> findings = LintFloor(f, n);
            for (LintFinding& finding : LintSectionDressing(f, n)) findings.push_back(std::move(finding));
            for (const LintFinding& finding : findings) {
                err << path << ":" << finding.line << ": " << finding.message << "\n";
                ++faults;
            }
        }
        if (n != kEndingFloor) compared.push_back({n, path, &f});
    }

    KnownCopies known;
    const std::string knownPath = (std::filesystem::path(a.sources) / kKnownCopiesFile).string();
    std::error_code ec;
    if (std::filesystem::exists(knownPath, ec)) {
        std::vector<uint8_t> text;
        SourceError bad;
        if (!ReadWholeFile(knownPath, text, error)) {
            err << error << "\n";
            ++faults;
        } else if (!ParseKnownCopies(std::string(text.begin(), text.end()), known, bad)) {
            err << knownPath << ":" << bad.line << ": " << bad.message << "\n";
            ++faults;
        }
    }
    const VarietyReport variety = CheckVariety(compared, checked, known, knownPath);
    for (const std::string& line : variety.known) out << line << "\n";
    for (const VarietyFinding& finding : variety.faults) {
        err << finding.path << ":" << finding.line << ": " << finding.message << "\n";
        ++faults;
    }
    out << (faults ? std::to_string(faults) + " faults\n" : "no faults\n");
    return faults ? 1 : 0;
}

int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (ReadArguments(args, a, error) && !a.demoFrom.empty()) return DemoFromReplay(a, out, err);
    if (!error.empty() || a.numbers.empty()) {
        err << "quorrel-floors solve: " << (error.empty() ? "name the floors to solve" : error) << "\n";
        return 1;
    }
    int unsolved = 0;
    for (int n : a.numbers) {
        const std::string path = (std::filesystem::path(a.sources) / SourceFileName(n)).string();
        Floor f;
        if (!LoadFloorFile(path, f, error)) {
            err << error << "\n";
            return 1;
        }
        SolveOptions options;
        options.chasers = !a.noChasers;
        options.allowAction = !a.noAction;
        options.maxStates = a.maxStates;
        IdeaSet forbid = 0;
        std::string unknown;
        ParseIdeas(a.forbid, forbid, unknown);
        for (int i = 0; i < kIdeaCount; ++i) {
            const Idea idea = static_cast<Idea>(i);
            if (!Has(forbid, idea)) continue;
            // A pressure is taken away from a copy of the floor; a tool is banned.
            if (IsPressure(idea))
                f = WithoutPressure(f, idea);
            else
                options.forbid |= Bit(idea);
        }
        // A ban is searched as a proof is, creatures world by world.
        options.exactCreatures = forbid != 0;
        if (forbid && a.writeBack) {
            err << "quorrel-floors solve: --write keeps the floor's own way; it does not go with --forbid\n";
            return 1;
        }
        const Solution s = Solve(f, options);
        if (!s.found) {
            out << "floor " << n << ": no way found ("
                << (s.exhausted ? "every world searched" : s.everyTileSearched ? "every world searched, creatures by tile" : "search limit")
                << ", " << s.statesSearched << " worlds)\n";
            if (a.measure) out << "  " << SearchFigures(s) << "\n";
            ++unsolved;
            continue;
        }
        out << "floor " << n << ": " << StatsLine(s) << "\n";
        if (a.measure) out << "  " << SearchFigures(s) << "\n";
        if (a.writeBack) {
            std::vector<uint8_t> text;
            if (!ReadWholeFile(path, text, error) ||
                !WriteWholeFile(path, WithDemo(std::string(text.begin(), text.end()), StatsLine(s), s.demo), error)) {
                err << error << "\n";
                return 1;
            }
        }
    }
    return unsolved ? 1 : 0;
}

namespace {

// "floor idea" pairs that are known not to hold yet, from
// known-idea-faults.txt beside the sources: reported, not failed.
std::set<std::pair<int, std::string>> KnownIdeaFaults(const std::string& dir) {
    std::set<std::pair<int, std::string>> known;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWholeFile((std::filesystem::path(dir) / "known-idea-faults.txt").string(), bytes, error)) return known;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        int n = 0;
        std::string idea;
        if (words >> n >> idea) known.emplace(n, idea);
    }
    return known;
}

// The ideas line against the vocabulary and the floor's pieces.
int CheckIdeaLine(const Floor& f, const std::string& path, IdeaSet& listed, std::ostream& err) {
    int faults = 0;
    listed = 0;
    for (const std::string& word : f.ideas) {
        IdeaSet one = 0;
        std::string unknown;
        if (!ParseIdeas(word, one, unknown)) {
            err << path << ": ideas: \"" << word << "\" is not an idea the tools know\n";
            ++faults;
            continue;
        }
        listed |= one;
    }
    for (int i = 0; i < kIdeaCount; ++i) {
        const Idea idea = static_cast<Idea>(i);
        if (Has(listed, idea) && !FloorHasPieceFor(f, idea)) {
            err << path << ": ideas: lists " << IdeaName(idea) << " but has nothing it needs\n";
            ++faults;
        }
    }
    return faults;
}

}  // namespace

int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (!ReadArguments(args, a, error)) {
        err << "quorrel-floors verify: " << error << "\n";
        return 1;
    }
    FloorSet set;
    if (!LoadFloorSet(a.sources, set, error)) {
        err << error << "\n";
        return 1;
    }
    const auto known = KnownIdeaFaults(a.sources);
    int faults = 0, knownFaults = 0;
    for (int n : NumbersOrAll(a, kLastFloor)) {
        if (n == kEndingFloor) continue;
        const Floor& f = set.floors[static_cast<size_t>(n - 1)];
        const std::string& path = set.paths[static_cast<size_t>(n - 1)];
        const ReplayOutcome withChasers = ReplayDemo(f, true);
        if (withChasers.result != PLAY_RESULT_CLEARED) {
            err << path << ": the demo does not clear the floor (result " << withChasers.result << " after "
                << withChasers.steps << " steps)\n";
            ++faults;
        }
        const bool calmDemo = ReplayDemo(f, false).result == PLAY_RESULT_CLEARED;
        SolveOptions calm;
        calm.chasers = false;
        calm.maxStates = a.maxStates;
        Solution way;
        if (!calmDemo || a.ideas) {
            way = Solve(f, calm);
            if (!way.found) {
                err << path << ": " << (way.exhausted ? "no way to the exit with chasers off" : "undecided with chasers off")
                    << "\n";
                ++faults;
            }
        }
        if (!f.teaching) {
            SolveOptions noAction = calm;
            noAction.allowAction = false;
            const Solution s = Solve(f, noAction);
            // With creatures, every world by the creatures' tiles is as far
            // as a search goes.
            if (s.found || !(s.exhausted || s.everyTileSearched)) {
                err << path << ": " << (s.found ? "can be cleared without moving a block" : "undecided without the action key")
                    << "\n";
                ++faults;
            }
        }
        IdeaSet listed = 0;
        faults += CheckIdeaLine(f, path, listed, err);
        out << "floor " << n << ": demo " << withChasers.steps << " steps\n";
        if (!a.ideas) continue;
        for (int i = 0; i < kIdeaCount; ++i) {
            const Idea idea = static_cast<Idea>(i);
            const IdeaProof p = ProveIdea(f, idea, way, a.maxStates);
            if (p.proof == Proof::NoPiece) continue;
            const bool isListed = Has(listed, idea);
            const bool fault = isListed ? p.proof != Proof::Proved : p.proof == Proof::Proved;
            out << "  " << IdeaName(idea) << ": " << ProofName(p.proof) << (isListed ? " (listed)" : "") << "\n";
            if (!fault) continue;
            const bool isKnown = known.count({n, IdeaName(idea)}) != 0;
            (isKnown ? knownFaults : faults) += 1;
            err << path << ": " << (isKnown ? "known: " : "") << IdeaName(idea) << " is "
                << (isListed ? std::string(ProofName(p.proof)) + " but listed" : "proved but not listed") << "\n";
        }
    }
    out << (faults ? std::to_string(faults) + " faults" : "every floor verified");
    if (knownFaults) out << ", " << knownFaults << " known idea faults";
    out << "\n";
    return faults ? 1 : 0;
}

}  // namespace q::floors
