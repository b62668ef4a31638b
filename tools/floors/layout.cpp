#include "floors/layout.hpp"

#include <algorithm>
#include <cstdlib>

#include "floors/legend.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

// Rows of the view above the player's head when the floor starts: the player
// sees most of what lies above.
constexpr int kViewAbovePlayer = 20;

bool IsBlock(int8_t kind) {
    return kind == KIND_LBLOCK_0 || kind == KIND_LBLOCK_1 || kind == KIND_HEAVY_LBLOCK_0 || kind == KIND_HEAVY_LBLOCK_1;
}
int WidthOf(int8_t kind) { return IsBlock(kind) || kind == KIND_EXIT_LOCK ? 2 : 1; }
int HeightOf(int8_t kind) { return kind == KIND_PICKUP ? 1 : 2; }
// Holds blocks, the builder and a carried load (tiles 28 and up).
bool Firm(char tile) { return tile == '#' || tile == '=' || tile == '+'; }

// The terrain drawn, and which cells the pieces placed so far take up.
class Canvas {
public:
    explicit Canvas(const Layout& l) : layout_(l) {
        const int rows = l.rows, base = l.Base();
        d_.terrain.assign(static_cast<size_t>(rows), std::string(kColumns, '#'));
        d_.objects.assign(static_cast<size_t>(rows), std::string(kColumns, '.'));
        taken_.assign(static_cast<size_t>(rows), std::vector<bool>(kColumns, false));
        for (int r = 0; r < base; ++r)
            for (int c = l.left; c <= l.Right(); ++c) Cell(r, c) = '.';
        for (int i = 0; i < l.width && i < static_cast<int>(l.ground.size()); ++i) {
            const int h = std::clamp(l.ground[static_cast<size_t>(i)], -kMaxPitDepth, base - 1);
            for (int r = base - h; r < base; ++r) Cell(r, l.left + i) = '#';
            for (int r = base; r < base - h; ++r) Cell(r, l.left + i) = '.';
        }
        for (const Ledge& e : l.ledges) {
            if (e.row < 1 || e.row >= base) continue;
            for (int c = std::max(e.from, l.left); c <= std::min(e.to, l.Right()); ++c)
                if (Cell(e.row, c) == '.') Cell(e.row, c) = '=';
            if (e.ladder < l.left || e.ladder > l.Right() || Cell(e.row, e.ladder) != '=') continue;
            Cell(e.row, e.ladder) = '+';
            for (int r = e.row + 1; r < rows && Cell(r, e.ladder) == '.'; ++r) Cell(r, e.ladder) = 'H';
        }
    }

    bool Fits(int8_t kind, int column, int surface) const {
        const int w = WidthOf(kind), h = HeightOf(kind);
        if (column < layout_.left || column + w - 1 > layout_.Right()) return false;
        if (surface - h < 0 || surface >= layout_.rows) return false;
        for (int c = column; c < column + w; ++c)
            for (int r = surface - h; r < surface; ++r)
                if (Cell(r, c) != '.' || taken_[static_cast<size_t>(r)][static_cast<size_t>(c)]) return false;
        const bool left = Firm(Cell(surface, column)), right = Firm(Cell(surface, column + w - 1));
        // A block rests when either of its bottom corners has footing; a door
        // wants a whole floor under it.
        return IsBlock(kind) ? (left || right) : (left && right);
    }

    void Put(int8_t kind, int column, int surface) {
        const int w = WidthOf(kind), h = HeightOf(kind);
        for (int c = column; c < column + w; ++c)
            for (int r = surface - h; r < surface; ++r) taken_[static_cast<size_t>(r)][static_cast<size_t>(c)] = true;
        // A block's cell holds its lower half; the tall pieces' cells their top.
        const int row = IsBlock(kind) || kind == KIND_PICKUP ? surface - 1 : surface - 2;
        d_.objects[static_cast<size_t>(row)][static_cast<size_t>(column)] = SymbolForObject(kind);
        if (kind == EXIT_CELL) {
            Cell(surface - 2, column) = 'n';
            Cell(surface - 1, column) = 'd';
        } else if (kind == KIND_EXIT_LOCK) {
            Cell(surface - 2, column) = '(';
            Cell(surface - 2, column + 1) = ')';
            Cell(surface - 1, column) = '[';
            Cell(surface - 1, column + 1) = ']';
        }
    }

    const Drawing& Result() const { return d_; }

private:
    char& Cell(int r, int c) { return d_.terrain[static_cast<size_t>(r)][static_cast<size_t>(c)]; }
    char Cell(int r, int c) const { return d_.terrain[static_cast<size_t>(r)][static_cast<size_t>(c)]; }

    const Layout& layout_;
    Drawing d_;
    std::vector<std::vector<bool>> taken_;
};

bool RoomFits(const Layout& l) {
    return l.rows >= kWholeScreenRows && l.rows <= kMaxFloorRows && l.left >= 1 && l.width >= 4 && l.Right() <= kColumns - 2 &&
           static_cast<int>(l.ground.size()) == l.width && l.pieces.size() >= 2;
}

}  // namespace

std::optional<Drawing> Draw(const Layout& layout) {
    if (!RoomFits(layout)) return std::nullopt;
    Canvas canvas(layout);
    for (const Piece& p : layout.pieces) {
        if (!canvas.Fits(p.kind, p.column, p.surface)) return std::nullopt;
        canvas.Put(p.kind, p.column, p.surface);
    }
    return canvas.Result();
}

std::vector<std::pair<int, int>> Spots(const Layout& layout, int8_t kind, int skip) {
    std::vector<std::pair<int, int>> out;
    if (!RoomFits(layout)) return out;
    Canvas canvas(layout);
    for (int i = 0; i < static_cast<int>(layout.pieces.size()); ++i) {
        const Piece& p = layout.pieces[static_cast<size_t>(i)];
        if (i != skip && canvas.Fits(p.kind, p.column, p.surface)) canvas.Put(p.kind, p.column, p.surface);
    }
    for (int s = 1; s < layout.rows; ++s)
        for (int c = layout.left; c <= layout.Right(); ++c)
            if (canvas.Fits(kind, c, s)) out.emplace_back(c, s);
    return out;
}

bool Settle(Layout& layout) {
    if (!RoomFits(layout)) return false;
    // How far a piece may be moved before the change counts as a different layout.
    constexpr int kReach = 4;
    Canvas canvas(layout);
    for (Piece& p : layout.pieces) {
        if (!canvas.Fits(p.kind, p.column, p.surface)) {
            bool found = false;
            for (int d = 1; d <= kReach && !found; ++d)
                for (int dc : {0, -1, 1})
                    for (int s : {p.surface + d, p.surface - d})
                        if (!found && canvas.Fits(p.kind, p.column + dc, s)) {
                            p.column += dc;
                            p.surface = s;
                            found = true;
                        }
            if (!found) return false;
        }
        canvas.Put(p.kind, p.column, p.surface);
    }
    return true;
}

Floor ToFloor(const Drawing& d) {
    Floor f;
    f.rows = static_cast<int32_t>(d.terrain.size());
    int playerRow = 0;
    for (int r = 0; r < f.rows; ++r) {
        const std::string& t = d.terrain[static_cast<size_t>(r)];
        const std::string& o = d.objects[static_cast<size_t>(r)];
        for (int c = 0; c < kColumns; ++c) {
            f.tiles.push_back(static_cast<int8_t>(std::max(0, TileForSymbol(t[static_cast<size_t>(c)]))));
            f.objects.push_back(static_cast<int8_t>(std::max(0, ObjectForSymbol(o[static_cast<size_t>(c)]))));
            if (o[static_cast<size_t>(c)] == 'P') playerRow = r;
        }
    }
    f.startRow = std::clamp(playerRow - kViewAbovePlayer, 0, std::max(0, f.rows - kWholeScreenRows));
    return f;
}

}  // namespace q::floors
