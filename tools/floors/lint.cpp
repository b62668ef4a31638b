#include "floors/lint.hpp"

#include <vector>

#include "floors/floor_world.hpp"
#include "world/floor.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// Steps a floor is left alone to see whether the player reaches the exit
// without a command.
constexpr int kUntouchedSteps = 300;

int TerrainRowLine(const Floor& f, int row) { return f.terrainLine ? f.terrainLine + 1 + row : 0; }
int ObjectRowLine(const Floor& f, int row) { return f.objectsLine ? f.objectsLine + 1 + row : 0; }

bool IsMover(int8_t object) {
    return object == KIND_PLAYER || object == KIND_BUILDER || object == KIND_CHASER || object == KIND_CHASER_SPAWNER;
}

const char* MoverName(int8_t object) {
    switch (object) {
        case KIND_PLAYER: return "the player";
        case KIND_BUILDER: return "the builder";
        default: return "a chaser";
    }
}

}  // namespace

std::vector<LintFinding> LintFloor(const Floor& f, int number) {
    std::vector<LintFinding> out;
    if (f.rows < 1 || f.rows > kMaxFloorRows) {
        out.push_back({f.rowsLine, "rows must be 1.." + std::to_string(kMaxFloorRows)});
        return out;
    }
    if (number == kEndingFloor) return out;

    int playerRow = -1, playerColumn = -1, exits = 0;
    for (int row = 0; row < f.rows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int8_t o = f.Object(column, row);
            if (o == KIND_PLAYER && playerRow < 0) {
                playerRow = row;
                playerColumn = column;
            }
            if (o == EXIT_CELL || o == KIND_EXIT_LOCK) ++exits;
        }
    if (exits == 0) out.push_back({f.objectsLine, "the floor has no exit (E) and no exit lock (X)"});
    if (playerRow < 0) {
        out.push_back({f.objectsLine, "the floor has no player (P)"});
    } else {
        const int top = playerRow * kTileSize, bottom = top + kPlayerHeight;
        const int viewTop = f.startRow * kTileSize, viewBottom = viewTop + kScreenHeight;
        if (bottom <= viewTop || top >= viewBottom)
            out.push_back({f.startLine, "start row " + std::to_string(f.startRow) + " shows no part of the player (row " +
                                            std::to_string(playerRow) + "); a view shows rows start..start+" +
                                            std::to_string(kWholeScreenRows - 1),
                           playerRow, playerColumn});
    }

    // Everything a walker could reach through open cells, from every walker:
    // reaching a side column that is open means it can walk off the floor.
    for (int row = 0; row < f.rows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int8_t o = f.Object(column, row);
            if (!IsMover(o)) continue;
            std::vector<uint8_t> seen(static_cast<size_t>(f.rows * kColumns), 0);
            std::vector<int> todo{row * kColumns + column};
            seen[static_cast<size_t>(todo[0])] = 1;
            bool reported = false;
            while (!todo.empty() && !reported) {
                const int cell = todo.back();
                todo.pop_back();
                const int r = cell / kColumns, c = cell % kColumns;
                if (c == 0 || c == kColumns - 1) {
                    out.push_back({TerrainRowLine(f, r), std::string(MoverName(o)) + " (object row " +
                                                             std::to_string(row) + ") can leave the floor sideways at row " +
                                                             std::to_string(r) + ": the floor needs a wall (#) at its sides",
                                   r, c});
                    reported = true;
                } else if (r == f.rows - 1) {
                    out.push_back({TerrainRowLine(f, r), std::string(MoverName(o)) + " (object row " +
                                                             std::to_string(row) + ") can fall out of the bottom row",
                                   r, c});
                    reported = true;
                }
                const int next[4][2] = {{r, c - 1}, {r, c + 1}, {r - 1, c}, {r + 1, c}};
                for (const auto& n : next) {
                    if (n[0] < 0 || n[0] >= f.rows || n[1] < 0 || n[1] >= kColumns) continue;
                    const int i = n[0] * kColumns + n[1];
                    if (seen[static_cast<size_t>(i)] || f.tiles[static_cast<size_t>(i)] >= TILE_SOLID) continue;
                    seen[static_cast<size_t>(i)] = 1;
                    todo.push_back(i);
                }
            }
        }

    if (playerRow >= 0 && exits > 0) {
        auto w = EnterFloor(f, {PLAY_MODE_NORMAL, false, 0});
        for (int i = 0; i < kUntouchedSteps; ++i) {
            if (!StepWorld(*w)) continue;
            if (w->playResult == PLAY_RESULT_CLEARED)
                out.push_back({ObjectRowLine(f, playerRow), "the player is in the exit at the start, untouched", playerRow,
                               playerColumn});
            break;
        }
    }
    return out;
}

}  // namespace q::floors
