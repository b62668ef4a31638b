#include "floors/variety.hpp"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "floors/landings.hpp"
#include "world/floor.hpp"

namespace q::floors {

namespace {

struct Found {
    const VarietyFloor* floor;
    Landing landing;
};

bool IsChecked(const std::vector<int>& checked, int n) {
    return std::find(checked.begin(), checked.end(), n) != checked.end();
}

// Whether a line of the list lets floors a and b share a landing.
bool IsKnown(const KnownCopies& known, int a, int b) {
    for (const std::vector<int>& g : known.groups) {
        const auto count = [&](int n) { return std::count(g.begin(), g.end(), n); };
        if (a == b ? count(a) >= 2 : count(a) >= 1 && count(b) >= 1) return true;
    }
    return false;
}

std::string Rows(const Landing& l) { return "rows " + std::to_string(l.firstRow) + "-" + std::to_string(l.lastRow); }

std::string Where(const Found& f) { return "floor " + std::to_string(f.floor->number) + " " + Rows(f.landing); }

int LineOf(const Found& f) {
    const int terrainLine = f.floor->floor->terrainLine;
    return terrainLine ? terrainLine + 1 + f.landing.firstRow : 0;
}

}  // namespace

bool ParseKnownCopies(const std::string& text, KnownCopies& out, SourceError& error) {
    out = KnownCopies{};
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<int> group;
        for (std::string w; words >> w;) {
            const bool digits =
                w.size() <= 3 && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
            const int n = digits ? std::stoi(w) : 0;
            if (n < 1 || n > kLastFloor) {
                error = {lineNumber, "\"" + w + "\" is not a floor number 1.." + std::to_string(kLastFloor)};
                return false;
            }
            group.push_back(n);
        }
        if (group.empty()) continue;
        if (group.size() < 2) {
            error = {lineNumber,
                     "a line names the floors that share a landing: two at least (a floor twice for a copy in itself)"};
            return false;
        }
        out.groups.push_back(std::move(group));
        out.lines.push_back(lineNumber);
    }
    return true;
}

VarietyReport CheckVariety(const std::vector<VarietyFloor>& floors, const std::vector<int>& checked,
                           const KnownCopies& known, const std::string& knownPath) {
    // Landings with one shape, in floor and row order.
    std::map<std::string, std::vector<Found>> byShape;
    for (const VarietyFloor& f : floors)
        for (Landing& l : FindLandings(*f.floor)) {
            std::string shape = l.shape;
            byShape[shape].push_back({&f, std::move(l)});
        }

    // Reported in the order of each shape's first landing.
    std::vector<const std::vector<Found>*> shared;
    for (const auto& entry : byShape)
        if (entry.second.size() >= 2) shared.push_back(&entry.second);
    std::sort(shared.begin(), shared.end(), [](const std::vector<Found>* a, const std::vector<Found>* b) {
        const Found &x = a->front(), &y = b->front();
        return std::pair(x.floor->number, x.landing.firstRow) < std::pair(y.floor->number, y.landing.firstRow);
    });

    VarietyReport report;
    std::set<std::pair<int, int>> sharing;  // floor pairs with a landing in common, lesser first
    for (const std::vector<Found>* group : shared) {
        const std::vector<Found>& found = *group;
        bool involved = false, allKnown = true;
        for (size_t i = 0; i < found.size(); ++i) {
            const int a = found[i].floor->number;
            std::string copies;
            for (size_t j = 0; j < found.size(); ++j) {
                if (j == i) continue;
                const int b = found[j].floor->number;
                if (j > i) sharing.insert({std::min(a, b), std::max(a, b)});
                if (!IsChecked(checked, a)) continue;
                involved = true;
                if (IsKnown(known, a, b)) continue;
                allKnown = false;
                const std::string relation = CopyRelation(found[i].landing, found[j].landing);
                copies += (copies.empty() ? "" : ", ") + Where(found[j]);
                if (!relation.empty()) copies += " (" + relation + ")";
            }
            if (!copies.empty())
                report.faults.push_back({found[i].floor->path, LineOf(found[i]),
                                         "the landing in " + Rows(found[i].landing) + " is also in " + copies +
                                             ": a landing may be in one floor only"});
        }
        if (!involved || !allKnown) continue;
        std::string line = "known copy: one landing in ";
        for (size_t i = 0; i < found.size(); ++i) {
            const std::string relation = i ? CopyRelation(found[0].landing, found[i].landing) : "";
            line += (i ? ", " : "") + Where(found[i]) + (relation.empty() ? "" : " (" + relation + ")");
        }
        report.known.push_back(line);
    }

    // A floor left on a line once it shares no landing with the others there
    // would let a new copy through unseen.
    for (size_t g = 0; g < known.groups.size(); ++g) {
        const std::vector<int>& group = known.groups[g];
        std::set<int> reported;
        for (size_t i = 0; i < group.size(); ++i) {
            const int a = group[i];
            if (!IsChecked(checked, a) || reported.count(a)) continue;
            bool shares = false;
            for (size_t j = 0; j < group.size() && !shares; ++j)
                if (j != i) shares = sharing.count({std::min(a, group[j]), std::max(a, group[j])}) > 0;
            if (shares) continue;
            reported.insert(a);
            report.faults.push_back({knownPath, known.lines[g],
                                     "floor " + std::to_string(a) +
                                         " shares no landing with another floor of this line: take it off the list"});
        }
    }
    return report;
}

}  // namespace q::floors
