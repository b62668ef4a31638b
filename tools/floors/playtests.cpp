#include "floors/playtests.hpp"

#include <algorithm>
#include <sstream>

#include "floors/measures.hpp"

namespace q::floors {

namespace {

bool ReadChoice(std::istringstream& words, const char* name, const char* yes, const char* no, bool& out) {
    std::string word, value;
    if (!(words >> word >> value) || word != name || (value != yes && value != no)) return false;
    out = value == yes;
    return true;
}

}  // namespace

bool ReadPlaytests(const std::string& text, std::vector<Playtest>& out, std::string& error) {
    return ReadDataLines(text, "a floor's playtest", [&](std::istringstream& words) {
        std::string floorWord, keyWord, key, playerWord, triesWord, rest;
        Playtest p;
        const bool ok = (words >> floorWord >> p.floor >> keyWord >> key >> playerWord >> p.player) &&
                        floorWord == "floor" && keyWord == "key" && playerWord == "player" && ReadFloorKey(key, p.key) &&
                        ReadChoice(words, "plan", "worked", "failed", p.planWorked) &&
                        (words >> triesWord >> p.tries) && triesWord == "tries" && p.tries >= 1 &&
                        ReadChoice(words, "cleared", "yes", "no", p.cleared) && !(words >> rest) &&
                        // A plan that worked cleared the floor on the first try.
                        (!p.planWorked || (p.cleared && p.tries == 1));
        if (ok) out.push_back(p);
        return ok;
    }, error);
}

std::string PlaytestCell(const std::vector<Playtest>& playtests, uint64_t key) {
    int players = 0, plans = 0, cleared = 0, fewest = 0, most = 0;
    for (const Playtest& p : playtests) {
        if (p.key != key) continue;
        fewest = players == 0 ? p.tries : std::min(fewest, p.tries);
        most = std::max(most, p.tries);
        ++players;
        plans += p.planWorked;
        cleared += p.cleared;
    }
    if (players == 0) return "-";
    const std::string of = "/" + std::to_string(players);
    std::string cell = "plan " + std::to_string(plans) + of + ", cleared " + std::to_string(cleared) + of + ", tries " +
                       std::to_string(fewest);
    if (most != fewest) cell += "-" + std::to_string(most);
    return cell;
}

}  // namespace q::floors
