// The atlas regions as the asset builder works with them: the game's own
// list of pictures, looked up by name by the painters.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/atlas.hpp"
#include "platform/core/atlas_layout.hpp"

namespace q::assets {
namespace {

std::vector<AtlasRegion> MakeTable() {
    std::vector<AtlasRegion> t;
    for (std::span<const atlas::Picture> group : atlas::kAllPictures)
        for (const atlas::Picture& p : group)
            if (p.name) t.push_back({p.name, p.rect, p.shows});
    return t;
}

}  // namespace

const std::vector<AtlasRegion>& AtlasRegions() {
    static const std::vector<AtlasRegion> table = MakeTable();
    return table;
}

Rect RegionRect(const std::string& name) {
    for (const AtlasRegion& r : AtlasRegions())
        if (r.name == name) return r.rect;
    std::fprintf(stderr, "atlas: no region named %s\n", name.c_str());
    std::abort();
}

bool OverlapIntended(const AtlasRegion& a, const AtlasRegion& b) {
    auto framed = [](const AtlasRegion& portrait, const AtlasRegion& pose) {
        return portrait.name.rfind("portrait", 0) == 0 && pose.name.rfind("char", 0) == 0 &&
               portrait.name.back() == pose.name[4];
    };
    return framed(a, b) || framed(b, a);
}

}  // namespace q::assets
