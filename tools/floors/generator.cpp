#include "floors/generator.hpp"

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>

#include "floors/ablation.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

// Judgements without a better layout before the climb starts afresh.
constexpr int kRestartAfter = 30;
// Judgements spent improving a layout once it proves every idea asked.
constexpr int kPolish = 12;
// Steps of the climb, per layout judged, before a search gives up.
constexpr int kStepsPerTry = 50;

struct Judged {
    Layout layout;
    Floor floor;
    Measures measures;
    double score = -1;
};

// Judges layouts, each distinct drawing once.
class Jury {
public:
    explicit Jury(const GenerateOptions& o) : options_(o) {
        judging_.wanted = o.ideas;
        judging_.maxStates = o.maxStates;
        judging_.naive = o.naive;
    }

    Judged Of(const Layout& layout) {
        Judged j;
        j.layout = layout;
        const auto drawing = Draw(layout);
        if (!drawing) return j;
        j.floor = ToFloor(*drawing);
        std::string key;
        for (const std::string& r : drawing->terrain) key += r;
        for (const std::string& r : drawing->objects) key += r;
        auto it = seen_.find(key);
        if (it == seen_.end()) {
            ++count_;
            it = seen_.emplace(key, Judge(j.floor, options_.ideas, judging_)).first;
        }
        j.measures = it->second;
        j.score = Score(j.measures, options_.ideas);
        return j;
    }
    int Count() const { return count_; }

private:
    const GenerateOptions& options_;
    Judging judging_;
    std::map<std::string, Measures> seen_;
    int count_ = 0;
};

// Blocks the way does not need are taken away, one at a time, while every
// idea asked stays proved and the floor scores no worse.
Judged Tidy(Judged best, Jury& judge, IdeaSet wanted) {
    for (size_t i = 2; i < best.layout.pieces.size();) {
        const int8_t k = best.layout.pieces[i].kind;
        const bool block = k == KIND_LBLOCK_0 || k == KIND_LBLOCK_1 || k == KIND_HEAVY_LBLOCK_0 || k == KIND_HEAVY_LBLOCK_1;
        if (!block || best.measures.NoStray()) {
            ++i;
            continue;
        }
        Layout fewer = best.layout;
        fewer.pieces.erase(fewer.pieces.begin() + static_cast<std::ptrdiff_t>(i));
        Judged j = judge.Of(fewer);
        if (j.measures.Complete(wanted) && j.score >= best.score)
            best = std::move(j);
        else
            ++i;
    }
    return best;
}

Judged Search(const GenerateOptions& o, SplitMix& rng, Jury& judge) {
    Judged current = judge.Of(RandomLayout(o.ideas, o.rows, rng));
    Judged best = current;
    int stale = 0, completeAt = -1;
    // Changes that do not fit, and layouts judged before, cost no judgement:
    // the steps are bounded apart from the judgements.
    const int64_t maxSteps = static_cast<int64_t>(kStepsPerTry) * o.tries;
    for (int64_t step = 0; step < maxSteps && judge.Count() < o.tries; ++step) {
        if (completeAt < 0 && best.measures.Complete(o.ideas)) completeAt = judge.Count();
        if (completeAt >= 0 && judge.Count() - completeAt >= kPolish) break;
        if (stale > kRestartAfter) {
            current = judge.Of(RandomLayout(o.ideas, o.rows, rng));
            stale = 0;
        } else {
            Layout next = current.layout;
            if (!Mutate(next, o.ideas, rng)) continue;
            Judged j = judge.Of(next);
            // Equal scores are taken too, so the climb wanders across a plateau.
            stale = j.score > current.score ? 0 : stale + 1;
            if (j.score >= current.score) current = std::move(j);
        }
        if (current.score > best.score) best = current;
    }
    return best.measures.Complete(o.ideas) ? Tidy(best, judge, o.ideas) : best;
}

// Every idea the floor has a piece for, proved or not by ablation: the ideas
// line lists exactly what is proved.
void LabelFully(Candidate& c, const GenerateOptions& o) {
    for (int i = 0; i < kIdeaCount; ++i) {
        const Idea idea = static_cast<Idea>(i);
        if (Has(c.measures.proved, idea) || !FloorHasPieceFor(c.floor, idea)) continue;
        const Proof p = ProveIdea(c.floor, idea, c.measures.way, o.maxStates).proof;
        if (p == Proof::Proved) c.measures.proved |= Bit(idea);
        if (p == Proof::Inconclusive) c.measures.inconclusive |= Bit(idea);
    }
    c.floor.ideas.clear();
    std::istringstream names(IdeaList(c.measures.proved));
    for (std::string name; std::getline(names >> std::ws, name, ',');) c.floor.ideas.push_back(name);
    c.floor.stats = StatsLine(c.measures.way);
    c.floor.demo = c.measures.way.demo;
    c.score = Score(c.measures, o.ideas);
}

// What a search came to, for the maintainer watching it.
std::string Outcome(const Judged& best, IdeaSet wanted) {
    const Measures& m = best.measures;
    if (m.Complete(wanted)) return "found one";
    if (!m.way.found) return "no layout it judged could be solved";
    std::string s = "the best layout (" + std::to_string(m.way.lifts) + " lifts) does not prove " +
                    IdeaList(wanted & ~m.proved);
    if (m.inconclusive & wanted) s += "; inconclusive: " + IdeaList(m.inconclusive & wanted);
    if (m.helps & wanted) s += "; saves lifts: " + IdeaList(m.helps & wanted);
    return s;
}

}  // namespace

std::vector<Candidate> Generate(const GenerateOptions& o, std::ostream* progress) {
    std::vector<Candidate> found;
    SplitMix seeds(o.seed);
    std::map<std::string, bool> kept;
    for (int slot = 0; slot < o.count; ++slot) {
        SplitMix rng(seeds.Next());
        Jury judge(o);
        const Judged best = Search(o, rng, judge);
        const bool complete = best.measures.Complete(o.ideas);
        if (progress) *progress << "search " << slot + 1 << ": " << judge.Count() << " layouts judged, " << Outcome(best, o.ideas) << "\n";
        if (!complete) continue;
        const std::string text = WriteFloorSource(best.floor, 1);
        if (kept.count(text)) continue;
        kept[text] = true;
        Candidate c;
        c.floor = best.floor;
        c.measures = best.measures;
        c.judged = judge.Count();
        LabelFully(c, o);
        found.push_back(std::move(c));
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    for (size_t i = 0; i < found.size(); ++i) found[i].floor.name = "Candidate " + std::to_string(i + 1);
    return found;
}

std::string CandidateSource(const Candidate& c, int number, const GenerateOptions& o) {
    std::string text = WriteFloorSource(c.floor, number);
    // The first line says where the floor came from instead of its place in the set.
    std::ostringstream head;
    std::string ideas = IdeaList(o.ideas);
    std::erase(ideas, ' ');
    head << "# Quorrel floor candidate " << number << ", from generate --ideas " << ideas << " --rows "
         << o.rows << " --seed " << o.seed << ". Legend in README.md; one character a cell.";
    return head.str() + text.substr(text.find('\n'));
}

}  // namespace q::floors
