#include "floors/measures.hpp"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <sstream>
#include <vector>

#include "floors/ablation.hpp"
#include "floors/floor_world.hpp"
#include "floors/naive.hpp"
#include "floors/seen_worlds.hpp"
#include "floors/solver.hpp"
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/tiles.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// A block is two rows high: standing on one is still the same landing.
constexpr int kLandingRows = 2;

// The first cell from the top holding one of the kinds, or false.
bool FirstCell(const Floor& floor, int kindA, int kindB, int& row) {
    for (int r = 0; r < floor.rows; ++r)
        for (int c = 0; c < kColumns; ++c)
            if (floor.Object(c, r) == kindA || floor.Object(c, r) == kindB) {
                row = r;
                return true;
            }
    return false;
}

}  // namespace

uint64_t FloorKey(const Floor& floor) {
    std::vector<uint8_t> bytes;
    for (int32_t v : {floor.rows, floor.startRow})
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    // Dressing (tiles below TILE_RULED) never changes play, so redressing a floor
    // keeps its measures.
    for (int8_t tile : floor.tiles) bytes.push_back(tile >= 0 && tile < TILE_RULED ? 0 : static_cast<uint8_t>(tile));
    bytes.insert(bytes.end(), floor.objects.begin(), floor.objects.end());
    return Fingerprint(bytes.data(), bytes.size());
}

int CountLandings(const Floor& floor, const std::vector<uint8_t>& way) {
    auto w = EnterFloor(floor, {PLAY_MODE_NORMAL, false, 0});
    std::set<int> rows;
    for (uint8_t command : way) {
        Actor* p = FindPlayer(*w);
        if (!p) break;
        const bool carrying = p->update == PlayerCarry;
        const int feetRow = (p->y + w->scrollY + p->height - 1) / kTileSize;
        const bool done = StepWorld(*w, command);
        p = FindPlayer(*w);
        if (carrying && p && p->update == PlayerFrozen) rows.insert(feetRow);
        if (done) break;
    }
    // Rows count up downwards: a group starts at its lowest row (the largest).
    int landings = 0, groupStart = 0;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (landings == 0 || groupStart - *it > kLandingRows) {
            ++landings;
            groupStart = *it;
        }
    return landings;
}

int RowsClimbed(const Floor& floor) {
    int start = 0, exit = 0;
    if (!FirstCell(floor, KIND_PLAYER, KIND_PLAYER, start) || !FirstCell(floor, EXIT_CELL, KIND_EXIT_LOCK, exit))
        return 0;
    return start - exit;
}

FloorMeasures MeasureFloor(const Floor& floor, const MeasureOptions& options) {
    FloorMeasures m;
    m.key = FloorKey(floor);
    SolveOptions calm;
    calm.chasers = false;
    calm.maxStates = options.maxStates;
    const Solution way = Solve(floor, calm);
    const FloorProofs proofs = ProveFloor(floor, options.maxStates, &way);
    m.proved = proofs.proved;
    m.inconclusive = proofs.inconclusive;
    m.blocks = way.blockCount;
    if (!floor.stages.empty()) {
        // A floor with stages is climbed stage by stage: each is a landing,
        // and its lifts are the fewest from where the demo stands.
        m.solved = true;
        for (const PartProofs& stage : proofs.stages) {
            m.solved = m.solved && stage.way.found;
            m.lifts += stage.way.lifts;
            m.putDowns += stage.way.putDowns;
        }
        m.landings = static_cast<int>(proofs.stages.size());
        m.blocksMoved = CountBlocksLifted(floor, floor.demo, false);
        m.depth = MeasureDepth(floor, way.found ? way.demo : floor.demo, options.maxWorlds);
    } else {
        m.solved = way.found;
        m.lifts = way.lifts;
        m.putDowns = way.putDowns;
        m.blocksMoved = way.blocksMoved;
        if (way.found) m.landings = CountLandings(floor, way.demo);
        m.depth = MeasureDepth(floor, way.demo, options.maxWorlds);
    }
    m.naiveClears = PlayNaive(floor).cleared;
    return m;
}

namespace {

// The measures file's fields, in the order they are written.
struct Field {
    const char* name;
    int64_t (*get)(const FloorMeasures&);
    void (*set)(FloorMeasures&, int64_t);
};

#define Q_FIELD(name, expr)                                                   \
    Field {                                                                   \
        name, [](const FloorMeasures& m) -> int64_t { return m.expr; },       \
            [](FloorMeasures& m, int64_t v) { m.expr = static_cast<decltype(m.expr)>(v); } \
    }
const Field kFields[] = {
    Q_FIELD("solved", solved),
    Q_FIELD("lifts", lifts),
    Q_FIELD("put-downs", putDowns),
    Q_FIELD("landings", landings),
    Q_FIELD("proved", proved),
    Q_FIELD("inconclusive", inconclusive),
    Q_FIELD("complete", depth.complete),
    Q_FIELD("worlds", depth.worlds),
    Q_FIELD("settled", depth.settled),
    Q_FIELD("dead", depth.settledDead),
    Q_FIELD("way-points", depth.wayPoints),
    Q_FIELD("commitments", depth.commitments),
    Q_FIELD("naive", naiveClears),
    Q_FIELD("blocks", blocks),
    Q_FIELD("moved", blocksMoved),
};
#undef Q_FIELD

}  // namespace

std::string WriteMeasures(const std::map<int, FloorMeasures>& measures) {
    std::ostringstream out;
    out << "# Written by `quorrel-floors table --measure`: what the table shows of each floor beyond its source.\n"
           "# proved and inconclusive are sets of ideas, one bit an idea in the tools' order.\n";
    for (const auto& [n, m] : measures) {
        char key[20];
        std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(m.key));
        out << "floor " << n << " key " << key;
        for (const Field& f : kFields) out << " " << f.name << " " << f.get(m);
        out << "\n";
    }
    return out.str();
}

bool ReadFloorKey(const std::string& text, uint64_t& out) {
    if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
    out = std::stoull(text, nullptr, 16);
    return true;
}

bool ReadDataLines(const std::string& text, const char* what, const std::function<bool(std::istringstream&)>& read,
                   std::string& error) {
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        if (!read(words)) {
            error = "line " + std::to_string(lineNumber) + " is not " + what;
            return false;
        }
    }
    return true;
}

bool ReadMeasures(const std::string& text, std::map<int, FloorMeasures>& out, std::string& error) {
    return ReadDataLines(text, "a floor's measures", [&](std::istringstream& words) {
        std::string word, key;
        int n = 0;
        FloorMeasures m;
        if (!(words >> word >> n) || word != "floor" || !(words >> word >> key) || word != "key" ||
            !ReadFloorKey(key, m.key))
            return false;
        for (const Field& f : kFields) {
            int64_t v = 0;
            if (!(words >> word >> v) || word != f.name) return false;
            f.set(m, v);
        }
        out[n] = m;
        return true;
    }, error);
}

}  // namespace q::floors
