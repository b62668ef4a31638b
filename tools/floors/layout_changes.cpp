// How the generator makes a first layout and changes it: a small grammar of
// towers, steps, pits and ledges, and the pieces the ideas asked for.
#include <algorithm>

#include "floors/layout.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

constexpr int kMinWidth = 10;
constexpr int kMaxWidth = 18;
constexpr int kMaxBlocks = 4;
constexpr int kMaxTower = 7;
constexpr int kMaxPickups = 3;
// Attempts at a first layout before settling for a plainer one.
constexpr int kLayoutAttempts = 40;

bool IsBlock(int8_t k) {
    return k == KIND_LBLOCK_0 || k == KIND_LBLOCK_1 || k == KIND_HEAVY_LBLOCK_0 || k == KIND_HEAVY_LBLOCK_1;
}

int CountOf(const Layout& l, bool (*match)(int8_t)) {
    return static_cast<int>(std::count_if(l.pieces.begin(), l.pieces.end(), [&](const Piece& p) { return match(p.kind); }));
}

bool NeedsLedge(IdeaSet ideas) {
    return Has(ideas, Idea::LadderLift) || Has(ideas, Idea::Drop) || Has(ideas, Idea::Builder) ||
           Has(ideas, Idea::Squash) || Has(ideas, Idea::Push);
}

int MinBlocks(IdeaSet ideas) {
    if (Has(ideas, Idea::Hold) || Has(ideas, Idea::Stack)) return 2;
    // The builder makes its own blocks.
    if (Has(ideas, Idea::Builder)) return 0;
    return 1;
}

int8_t BlockKind(bool heavy, bool raisedRight) {
    if (heavy) return raisedRight ? KIND_HEAVY_LBLOCK_1 : KIND_HEAVY_LBLOCK_0;
    return raisedRight ? KIND_LBLOCK_1 : KIND_LBLOCK_0;
}

int8_t Mirrored(int8_t k) {
    switch (k) {
        case KIND_LBLOCK_0: return KIND_LBLOCK_1;
        case KIND_LBLOCK_1: return KIND_LBLOCK_0;
        case KIND_HEAVY_LBLOCK_0: return KIND_HEAVY_LBLOCK_1;
        default: return KIND_HEAVY_LBLOCK_0;
    }
}

template <typename T>
const T& Pick(const std::vector<T>& v, SplitMix& rng) {
    return v[static_cast<size_t>(rng.Between(0, static_cast<int>(v.size()) - 1))];
}

// Places piece i (already in the list) at a random spot that `keep` accepts.
template <typename Keep>
bool PlaceAt(Layout& l, int i, SplitMix& rng, Keep keep) {
    std::vector<std::pair<int, int>> spots = Spots(l, l.pieces[static_cast<size_t>(i)].kind, i);
    std::erase_if(spots, [&](const std::pair<int, int>& s) { return !keep(s.first, s.second); });
    if (spots.empty()) return false;
    const auto& [column, surface] = Pick(spots, rng);
    l.pieces[static_cast<size_t>(i)].column = column;
    l.pieces[static_cast<size_t>(i)].surface = surface;
    return true;
}

bool Anywhere(int, int) { return true; }

// The exit goes on one of the highest places: the climb is the point.
bool PlaceExit(Layout& l, SplitMix& rng) {
    const std::vector<std::pair<int, int>> spots = Spots(l, l.pieces[1].kind, 1);
    if (spots.empty()) return false;
    int top = l.rows;
    for (const auto& s : spots) top = std::min(top, s.second);
    const int band = rng.Chance(70) ? 0 : 2;
    return PlaceAt(l, 1, rng, [&](int, int s) { return s <= top + band; });
}

bool PlaceOnLedge(Layout& l, int i, SplitMix& rng) {
    return PlaceAt(l, i, rng, [&](int c, int s) {
        for (const Ledge& e : l.ledges)
            if (e.row == s && c >= e.from && c <= e.to) return true;
        return false;
    });
}

Ledge RandomLedge(const Layout& l, SplitMix& rng, bool ladder) {
    Ledge e;
    const int base = l.Base();
    e.row = base - rng.Between(3, std::min(base - 4, 3 + (l.rows - 24) / 2));
    const int length = rng.Between(3, std::max(3, std::min(7, l.width - 3)));
    const int where = rng.Between(0, 2);  // against the left wall, the right wall, or free
    e.from = where == 0 ? l.left : where == 1 ? l.Right() - length + 1 : rng.Between(l.left + 1, l.Right() - length);
    e.to = e.from + length - 1;
    e.ladder = ladder ? rng.Between(e.from, e.to) : -1;
    return e;
}

bool LadderOK(const Ledge& e) { return e.ladder < 0 || (e.ladder >= e.from && e.ladder <= e.to); }

bool LedgeFits(const Layout& l, const Ledge& e) {
    return e.row >= 2 && e.row <= l.Base() - 3 && e.from >= l.left && e.to <= l.Right() && e.from <= e.to &&
           LadderOK(e);
}

// `ledge`: at least one ledge, whatever the ideas.
void AddTerrain(Layout& l, IdeaSet ideas, int blocks, bool ledge, SplitMix& rng) {
    // A tower at one end: the blocks must make the stairs to its top.
    const bool towerLeft = rng.Chance(50);
    const int towerWidth = rng.Between(2, 4);
    const int towerHeight = rng.Between(2, std::min(kMaxTower, 2 * std::max(blocks, 1) + 1));
    for (int i = 0; i < towerWidth; ++i) l.ground[static_cast<size_t>(towerLeft ? i : l.width - 1 - i)] = towerHeight;
    const int inner0 = towerLeft ? towerWidth + 1 : 1, inner1 = towerLeft ? l.width - 2 : l.width - towerWidth - 2;
    if (inner1 - inner0 >= 3 && rng.Chance(35)) {  // a pit
        const int w = rng.Between(1, 3), at = rng.Between(inner0, inner1 - w + 1);
        const int depth = -rng.Between(1, kMaxPitDepth);
        for (int i = at; i < at + w; ++i) l.ground[static_cast<size_t>(i)] = depth;
    }
    if (inner1 - inner0 >= 3 && rng.Chance(35)) {  // a step
        const int w = rng.Between(1, 2), at = rng.Between(inner0, inner1 - w + 1);
        const int h = rng.Between(1, 2);
        for (int i = at; i < at + w; ++i) l.ground[static_cast<size_t>(i)] = h;
    }
    int ledges = NeedsLedge(ideas) || ledge ? 1 : (rng.Chance(40) ? 1 : 0);
    // A taller floor has room for more ledges above the first.
    ledges += rng.Between(0, (l.rows - 30) / 16);
    for (int i = 0; i < ledges; ++i) {
        const Ledge e = RandomLedge(l, rng, Has(ideas, Idea::LadderLift) || rng.Chance(60));
        if (LedgeFits(l, e)) l.ledges.push_back(e);
    }
}

bool AddPieces(Layout& l, IdeaSet ideas, int blocks, SplitMix& rng) {
    const int base = l.Base();
    l.pieces.push_back({KIND_PLAYER, 0, 0});
    l.pieces.push_back({Has(ideas, Idea::Pickup) ? static_cast<int8_t>(KIND_EXIT_LOCK) : EXIT_CELL, 0, 0});
    if (!PlaceAt(l, 0, rng, [&](int, int s) { return s >= base - 1; }) || !PlaceExit(l, rng)) return false;
    // Staircases hold only between blocks facing the same way.
    const bool alike = Has(ideas, Idea::Hold) && rng.Chance(70);
    const bool firstRaisedRight = rng.Chance(50);
    for (int b = 0; b < blocks; ++b) {
        const bool heavy = Has(ideas, Idea::Heavy) && (b == 0 || rng.Chance(30));
        l.pieces.push_back({BlockKind(heavy, alike || b == 0 ? firstRaisedRight : rng.Chance(50)), 0, 0});
        if (!PlaceAt(l, static_cast<int>(l.pieces.size()) - 1, rng, Anywhere)) return false;
    }
    if (Has(ideas, Idea::Builder) || Has(ideas, Idea::Squash)) {
        l.pieces.push_back({KIND_BUILDER, 0, 0});
        // The builder paces a ledge and drops its blocks off the ends.
        if (!PlaceOnLedge(l, static_cast<int>(l.pieces.size()) - 1, rng)) return false;
    }
    if (Has(ideas, Idea::Pickup)) {
        const int n = rng.Between(1, 2);
        for (int i = 0; i < n; ++i) {
            l.pieces.push_back({KIND_PICKUP, 0, 0});
            if (!PlaceAt(l, static_cast<int>(l.pieces.size()) - 1, rng, [&](int, int s) { return s < base; })) return false;
        }
    }
    return Draw(l).has_value();
}

// The changes, each small enough that a good layout stays mostly good.
bool MovePiece(Layout& l, SplitMix& rng, bool near) {
    const int i = rng.Between(0, static_cast<int>(l.pieces.size()) - 1);
    if (i == 1 && !near) return PlaceExit(l, rng);
    const Piece was = l.pieces[static_cast<size_t>(i)];
    return PlaceAt(l, i, rng, [&](int c, int s) {
        return !near || (std::abs(c - was.column) <= 2 && std::abs(s - was.surface) <= 3 && (c != was.column || s != was.surface));
    });
}

bool FlipBlock(Layout& l, SplitMix& rng) {
    std::vector<size_t> blocks;
    for (size_t i = 0; i < l.pieces.size(); ++i)
        if (IsBlock(l.pieces[i].kind)) blocks.push_back(i);
    if (blocks.empty()) return false;
    Piece& p = l.pieces[Pick(blocks, rng)];
    p.kind = Mirrored(p.kind);
    return true;
}

bool AddOrRemoveBlock(Layout& l, IdeaSet ideas, SplitMix& rng) {
    const int blocks = CountOf(l, IsBlock);
    if (blocks < kMaxBlocks && (blocks <= MinBlocks(ideas) || rng.Chance(50))) {
        l.pieces.push_back({BlockKind(Has(ideas, Idea::Heavy) && rng.Chance(40), rng.Chance(50)), 0, 0});
        return PlaceAt(l, static_cast<int>(l.pieces.size()) - 1, rng, Anywhere);
    }
    if (blocks <= MinBlocks(ideas)) return false;
    std::vector<size_t> which;
    for (size_t i = 0; i < l.pieces.size(); ++i)
        if (IsBlock(l.pieces[i].kind)) which.push_back(i);
    const size_t gone = Pick(which, rng);
    // Heavy blocks stay when the floor is about them.
    if (Has(ideas, Idea::Heavy) && l.pieces[gone].kind >= KIND_HEAVY_LBLOCK_0 &&
        CountOf(l, [](int8_t k) { return k == KIND_HEAVY_LBLOCK_0 || k == KIND_HEAVY_LBLOCK_1; }) == 1)
        return false;
    l.pieces.erase(l.pieces.begin() + static_cast<std::ptrdiff_t>(gone));
    return true;
}

bool ChangeGround(Layout& l, SplitMix& rng) {
    const int w = rng.Between(1, 3), at = rng.Between(0, l.width - w);
    const int by = rng.Chance(50) ? 1 : -1;
    for (int i = at; i < at + w; ++i) {
        int& h = l.ground[static_cast<size_t>(i)];
        h = std::clamp(h + by, -kMaxPitDepth, kMaxTower);
    }
    return true;
}

bool ChangeLedge(Layout& l, IdeaSet ideas, SplitMix& rng) {
    const int op = rng.Between(0, 4);
    if (op == 0 || l.ledges.empty()) {
        if (l.ledges.size() >= static_cast<size_t>(1 + l.rows / 16)) return false;
        const Ledge e = RandomLedge(l, rng, Has(ideas, Idea::LadderLift) || rng.Chance(60));
        if (!LedgeFits(l, e)) return false;
        l.ledges.push_back(e);
        return true;
    }
    const size_t i = static_cast<size_t>(rng.Between(0, static_cast<int>(l.ledges.size()) - 1));
    Ledge e = l.ledges[i];
    if (op == 1) {
        if (NeedsLedge(ideas) && l.ledges.size() == 1) return false;
        l.ledges.erase(l.ledges.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    if (op == 2) e.row += rng.Chance(50) ? 1 : -1;
    if (op == 3) (rng.Chance(50) ? e.from : e.to) += rng.Chance(50) ? 1 : -1;
    if (op == 4) e.ladder = e.ladder >= 0 && rng.Chance(30) ? -1 : rng.Between(e.from, e.to);
    if (!LedgeFits(l, e)) return false;
    l.ledges[i] = e;
    return true;
}

bool ChangeWidth(Layout& l, SplitMix& rng) {
    const bool wider = rng.Chance(50), atLeft = rng.Chance(50);
    if (wider ? l.width >= kMaxWidth : l.width <= kMinWidth) return false;
    if (wider) {
        if (atLeft ? l.left <= 1 : l.Right() >= kColumns - 2) return false;
        // The new column continues the ground beside it.
        if (atLeft) {
            l.ground.insert(l.ground.begin(), l.ground.front());
            --l.left;
        } else {
            l.ground.push_back(l.ground.back());
        }
        ++l.width;
        for (Ledge& e : l.ledges)
            if (atLeft ? e.from == l.left + 1 : e.to == l.Right() - 1) (atLeft ? e.from : e.to) += atLeft ? -1 : 1;
        return true;
    }
    // A piece in the column taken away is moved aside by Settle, or the change fails.
    const int gone = atLeft ? l.left : l.Right();
    if (atLeft) {
        l.ground.erase(l.ground.begin());
        ++l.left;
    } else {
        l.ground.pop_back();
    }
    --l.width;
    for (Ledge& e : l.ledges) {
        e.from = std::max(e.from, l.left);
        e.to = std::min(e.to, l.Right());
        if (e.ladder == gone) e.ladder = -1;
    }
    std::erase_if(l.ledges, [&](const Ledge& e) { return !LedgeFits(l, e); });
    return true;
}

}  // namespace

Layout RandomLayout(IdeaSet ideas, int rows, SplitMix& rng) {
    for (int attempt = 0;; ++attempt) {
        Layout l;
        l.rows = rows;
        l.width = rng.Between(10, 16);
        l.left = rng.Between(1, kColumns - 1 - l.width);
        l.ground.assign(static_cast<size_t>(l.width), 0);
        const int blocks = rng.Between(MinBlocks(ideas), 3);
        // Pickups and the builder want somewhere above the ground; when the
        // dice keep leaving them none, a ledge is made sure of.
        AddTerrain(l, ideas, blocks, attempt >= kLayoutAttempts, rng);
        if (AddPieces(l, ideas, blocks, rng)) return l;
    }
}

bool Mutate(Layout& layout, IdeaSet ideas, SplitMix& rng) {
    Layout l = layout;
    bool changed = false;
    switch (rng.Between(0, 9)) {
        case 0: changed = MovePiece(l, rng, false); break;
        case 1:
        case 2: changed = MovePiece(l, rng, true); break;
        case 3: changed = FlipBlock(l, rng); break;
        case 4: changed = AddOrRemoveBlock(l, ideas, rng); break;
        case 5:
        case 6: changed = ChangeGround(l, rng); break;
        case 7:
        case 8: changed = ChangeLedge(l, ideas, rng); break;
        default: changed = ChangeWidth(l, rng); break;
    }
    if (!changed || !Settle(l) || !Draw(l)) return false;
    layout = std::move(l);
    return true;
}

}  // namespace q::floors
