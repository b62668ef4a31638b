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
#include "floors/floor_world.hpp"
#include "floors/ideas.hpp"
#include "floors/lint.hpp"
#include "floors/lint_sections.hpp"
#include "floors/lone_floor.hpp"
#include "floors/random_keys.hpp"
#include "floors/solver.hpp"
#include "floors/stages.hpp"
#include "floors/variety.hpp"
#include "world/floor.hpp"
#include "world/replay_file.hpp"

namespace q::floors {

namespace {

const Command kCommands[] = {
    {"compile", RunCompile}, {"decompile", RunDecompile}, {"lint", RunLint},   {"render", RunRender},
    {"solve", RunSolve},     {"verify", RunVerify},       {"table", RunTable},   {"generate", RunGenerate},
};

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

// A floor with stages is searched stage by stage, each from where its demo
// stands: the whole tower is beyond any budget. false when a stage has no way.
bool SolveStages(const Floor& f, int n, SolveOptions options, bool measure, std::ostream& out) {
    bool all = true;
    int lifts = 0, putDowns = 0;
    std::string each;
    for (size_t k = 0; k < f.stages.size(); ++k) {
        options.stage = static_cast<int>(k);
        const Solution s = Solve(f, options);
        out << "floor " << n << " " << StageLabel(f, options.stage) << ": ";
        if (s.found)
            out << StatsLine(s) << "\n";
        else
            out << "no way found ("
                << (s.noStart ? "the demo ends the floor before it begins"
                    : s.exhausted ? "every world searched"
                    : s.everyTileSearched ? "every world searched, creatures by tile"
                                          : "search limit")
                << ", " << s.statesSearched << " worlds)\n";
        if (measure) out << "  " << SearchFigures(s) << "\n";
        all = all && s.found;
        lifts += s.lifts;
        putDowns += s.putDowns;
        each += (k ? " + " : "") + std::to_string(s.lifts);
    }
    if (all)
        out << "floor " << n << ": stages " << f.stages.size() << ", lifts " << lifts << " (" << each << "), put-downs "
            << putDowns << "\n";
    return all;
}

}  // namespace

std::string DefaultSourceDir() { return std::string(QUORREL_ASSET_DIR) + "/floors"; }

const Command* FindCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const Command& c : kCommands) names.push_back(c.name);
    return names;
}

CommandLine::CommandLine(const char* name, const char* summary, Arguments& arguments)
    : app(summary, std::string("quorrel-floors ") + name), a(arguments) {
    a = Arguments{};
    a.sources = DefaultSourceDir();
    PrepareCommandLine(app);
}

CLI::Option* CommandLine::Sources() {
    return app.add_option("--sources", a.sources, "the folder of floor sources (the project's assets/floors)")
        ->type_name("DIR");
}

CLI::Option* CommandLine::Numbers(const char* what) {
    return app.add_option("N", a.numbers, what)
        ->check(CLI::Range(1, kFloorCount))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

CLI::Option* CommandLine::MaxStates() {
    return app.add_option("--max-states", a.maxStates, "worlds a search may reach (3000000 by default)")
        ->type_name("K")
        ->check(CountFrom(1));
}

bool CommandLine::Read(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int& status) {
    const CommandLineResult line = ReadCommandLine(app, args);
    if (line.run) return true;
    status = ReportCommandLine(line, out, err);
    return false;
}

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    CommandLine line("compile", "Compiles the floor sources into a floor file.", a);
    std::string lone;
    line.Sources();
    line.app.add_option("--floor", lone, "one floor source (as the editor page saves it) played in every place of the set")
        ->type_name("FILE");
    line.app.add_option("--out", a.out, "the floor file to write")->type_name("FLOOR.DAT")->required();
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    std::string error;
    FloorSet set;
    Floor floor;
    if (!lone.empty() ? !LoadFloorFile(lone, floor, error) : !LoadFloorSet(a.sources, set, error)) {
        err << error << "\n";
        return 1;
    }
    const std::vector<uint8_t> dat = lone.empty() ? BuildFloorDat(set.floors) : LoneFloorDat(floor);
    if (!WriteWholeFile(a.out, dat.data(), dat.size(), error)) {
        err << error << "\n";
        return 1;
    }
    out << a.out << ": " << (lone.empty() ? set.floors.size() : static_cast<size_t>(kFloorCount)) << " floors, "
        << dat.size() << " bytes\n";
    return 0;
}

int RunDecompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    CommandLine line("decompile", "Turns a floor file back into floor sources.", a);
    line.app.add_option("--floors", a.floors, "the floor file to read")->type_name("FLOOR.DAT")->required();
    line.app.add_option("--out", a.out, "the folder to write the sources to")->type_name("DIR")->required();
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    std::string error;
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
    CommandLine line("lint", "Checks floor sources for faults and for landings other floors share.", a);
    line.Sources();
    line.Numbers("the floors to check (every floor when none is named)");
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    std::string error;
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
    CommandLine line("solve", "Searches for a way through floors and, with --write, keeps it as the demo.", a);
    line.Sources();
    CLI::Option* numbers = line.Numbers("the floors to solve");
    line.app.add_flag("--write", a.writeBack, "write the way found into the floor's source as its demo");
    line.app.add_flag("--no-chasers", a.noChasers, "search with the chasers off");
    line.app.add_flag("--no-action", a.noAction, "search without the action key");
    line.app.add_flag("--measure", a.measure, "print the search's own figures");
    line.app.add_option("--forbid", a.forbid, "ideas taken away, comma-separated")
        ->type_name("IDEAS")
        ->check(CLI::Validator(
            [](std::string& list) {
                IdeaSet ideas = 0;
                std::string unknown;
                if (ParseIdeas(list, ideas, unknown) && ideas != 0) return std::string();
                return unknown.empty() ? std::string("name an idea") : "no idea called " + unknown;
            },
            "IDEAS"));
    line.MaxStates();
    CLI::Option* demoFrom =
        line.app.add_option("--demo-from", a.demoFrom, "take a recorded run (quorrel --record) as its floor's demo")
            ->type_name("REPLAY");
    line.app.callback([numbers, demoFrom] {
        if (!numbers->count() && !demoFrom->count()) throw CLI::RequiredError("a floor to solve (N)");
    });
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    if (!a.demoFrom.empty()) return DemoFromReplay(a, out, err);
    std::string error;
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
        if (!f.stages.empty()) {
            if (a.writeBack) {
                err << path << ": the floor has stages, which begin at steps of its demo: its demo is kept as "
                               "written (record one with --demo-from)\n";
                return 1;
            }
            unsolved += SolveStages(f, n, options, a.measure, out) ? 0 : 1;
            continue;
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

// Floors before this teach the hands one move each, and one move is within
// reach of random keys; from here on every floor is a puzzle.
constexpr int kFirstPuzzleFloor = 11;

int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    CommandLine line("verify", "Replays every demo and checks each floor asks what it should.", a);
    line.Sources();
    line.Numbers("the floors to verify (every floor when none is named)");
    line.app.add_flag("--ideas", a.ideas, "prove every idea by ablation");
    line.app.add_option("--random-streams", a.randomStreams, "random key streams tried on each floor (0: none)")
        ->check(CLI::Range(0, 100000));
    line.MaxStates();
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    std::string error;
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
            // A floor with stages is searched stage by stage when the whole is
            // beyond the budget.
            if (!way.found && (way.exhausted || f.stages.empty())) {
                err << path << ": " << (way.exhausted ? "no way to the exit with chasers off" : "undecided with chasers off")
                    << "\n";
                ++faults;
            }
        }
        for (size_t k = 0; k < f.stages.size(); ++k) {
            const std::string problem = StageProblem(f, static_cast<int>(k));
            if (problem.empty()) continue;
            err << path << ":" << f.stages[k].line << ": " << StageLabel(f, static_cast<int>(k)) << ": " << problem << "\n";
            ++faults;
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
        if (!f.teaching && n >= kFirstPuzzleFloor) {
            RandomKeysOptions keys;
            keys.streams = a.randomStreams;
            keys.seed = static_cast<uint64_t>(n);
            if (const int stream = RandomKeysClear(f, keys)) {
                err << path << ": random keys clear it (stream " << stream << " of seed " << n << ")\n";
                ++faults;
            }
        }
        IdeaSet listed = 0;
        faults += CheckIdeaLine(f, path, listed, err);
        std::vector<IdeaSet> stageListed;
        for (const Stage& stage : f.stages) {
            Floor one = f;
            one.ideas = stage.ideas;
            IdeaSet ideas = 0;
            faults += CheckIdeaLine(one, path + ":" + std::to_string(stage.line), ideas, err);
            for (int i = 0; i < kIdeaCount; ++i)
                if (Has(ideas, static_cast<Idea>(i)) && !ProvedByStage(static_cast<Idea>(i))) {
                    err << path << ":" << stage.line << ": a stage proves bans alone; "
                        << IdeaName(static_cast<Idea>(i)) << " is proved on the whole floor\n";
                    ++faults;
                }
            stageListed.push_back(ideas);
        }
        out << "floor " << n << ": demo " << withChasers.steps << " steps\n";
        if (!a.ideas) continue;
        const FloorProofs proofs = ProveFloor(f, a.maxStates, &way);
        auto proofOf = [](const IdeaSet proved, IdeaSet notProved, IdeaSet inconclusive, Idea idea) {
            return Has(proved, idea)         ? Proof::Proved
                   : Has(inconclusive, idea) ? Proof::Inconclusive
                   : Has(notProved, idea)    ? Proof::NotProved
                                             : Proof::NoPiece;
        };
        // Each stage's line holds it to exactly what is proved from its start;
        // "known" faults are the floor's alone.
        for (size_t k = 0; k < proofs.stages.size(); ++k) {
            const PartProofs& part = proofs.stages[k];
            const std::string label = StageLabel(f, static_cast<int>(k));
            if (!part.way.found) {
                err << path << ":" << f.stages[k].line << ": " << label << ": "
                    << (part.way.exhausted ? "no way to its goal" : "undecided: its search ran out of budget") << "\n";
                ++faults;
            }
            out << "  " << label << ": " << (part.way.found ? StatsLine(part.way) : std::string("no way found")) << "\n";
            for (int i = 0; i < kIdeaCount; ++i) {
                const Idea idea = static_cast<Idea>(i);
                const Proof p = proofOf(part.proved, part.notProved, part.inconclusive, idea);
                if (p == Proof::NoPiece) continue;
                const bool isListed = Has(stageListed[k], idea);
                out << "    " << IdeaName(idea) << ": " << ProofName(p) << (isListed ? " (listed)" : "") << "\n";
                if (isListed ? p == Proof::Proved : p != Proof::Proved) continue;
                err << path << ":" << f.stages[k].line << ": " << label << ": " << IdeaName(idea) << " is "
                    << (isListed ? std::string(ProofName(p)) + " but listed" : "proved but not listed") << "\n";
                ++faults;
            }
        }
        if (!f.stages.empty())
            out << "  the whole floor: "
                << (proofs.whole.searched ? "searched as well" : "beyond the budget; its stages prove its ideas") << "\n";
        for (int i = 0; i < kIdeaCount; ++i) {
            const Idea idea = static_cast<Idea>(i);
            const Proof p = proofOf(proofs.proved, proofs.notProved, proofs.inconclusive, idea);
            if (p == Proof::NoPiece) continue;
            const bool isListed = Has(listed, idea);
            const bool fault = isListed ? p != Proof::Proved : p == Proof::Proved;
            out << "  " << IdeaName(idea) << ": " << ProofName(p) << (isListed ? " (listed)" : "") << "\n";
            if (!fault) continue;
            const bool isKnown = known.count({n, IdeaName(idea)}) != 0;
            (isKnown ? knownFaults : faults) += 1;
            err << path << ": " << (isKnown ? "known: " : "") << IdeaName(idea) << " is "
                << (isListed ? std::string(ProofName(p)) + " but listed" : "proved but not listed") << "\n";
        }
    }
    out << (faults ? std::to_string(faults) + " faults" : "every floor verified");
    if (knownFaults) out << ", " << knownFaults << " known idea faults";
    out << "\n";
    return faults ? 1 : 0;
}

}  // namespace q::floors
