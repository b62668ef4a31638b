#include "floors/sections.hpp"

#include <algorithm>

namespace q::floors {

const std::vector<Section>& TowerSections() {
    // Only tiles below 16 dress a wall: ORed in pairs under a block they stay
    // below the footing threshold, so dressing never holds anything up.
    static const std::vector<Section> sections = {
        {"cellar", 1, 11, {8}},           // damp stone and a barred drain
        {"keep", 12, 22, {7, 10}},        // the purple brick with torches and banners
        {"library", 23, 33, {9}},         // bookcases
        {"gallery", 34, 45, {6, 14}},     // tall windows onto the dusk
        {"battlements", 46, 57, {15}},    // arrow slits onto the moonlit night
    };
    return sections;
}

const Section* SectionOfFloor(int number) {
    for (const Section& s : TowerSections())
        if (number >= s.firstFloor && number <= s.lastFloor) return &s;
    return nullptr;
}

const Section* SectionOfTile(int8_t tile) {
    for (const Section& s : TowerSections())
        if (std::find(s.dressing.begin(), s.dressing.end(), tile) != s.dressing.end()) return &s;
    return nullptr;
}

}  // namespace q::floors
