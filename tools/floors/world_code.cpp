#include "floors/world_code.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <vector>
#include <type_traits>

#include "floors/seen_worlds.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/player.hpp"

namespace q::floors {

namespace {

static_assert(std::is_trivially_copyable_v<World>, "worlds are coded as bytes");

// Actors and the play state, as 32-bit words; the occupancy map and its
// stamp log after them are coded apart.
constexpr size_t kWordsAt = offsetof(World, actors);
constexpr size_t kWordsEnd = offsetof(World, occupancyStamps);
constexpr size_t kStateAt = offsetof(World, floorRows);
static_assert(kWordsAt % 4 == 0 && kWordsEnd % 4 == 0 && kStateAt % 4 == 0 && sizeof(Actor) % 4 == 0);
constexpr size_t kActorWords = sizeof(Actor) / 4;
constexpr size_t kFrameWord = offsetof(Actor, frame) / 4;

}  // namespace

// A cursor into the coder's buffer, which is long enough for any code: no
// bounds or capacity check per byte.
struct CodeCursor {
    uint8_t* p;
    void Varint(uint32_t v) {
        while (v >= 0x80) {
            *p++ = static_cast<uint8_t>(v | 0x80);
            v >>= 7;
        }
        *p++ = static_cast<uint8_t>(v);
    }
    void Byte(uint8_t b) { *p++ = b; }
};

namespace {

// The longest code: every word of the actors and state different, and every
// byte of the object and occupancy maps a run of its own.
constexpr size_t kLongestVarint = 5;
constexpr size_t kLongestCode = (kWordsEnd - kWordsAt) / 4 * 2 * kLongestVarint + 1 +
                                (kTileMapBytes * (2 * kLongestVarint + 1) + kLongestVarint) + 2 + 3 * kLongestVarint +
                                kMaxStamps * 3 * kLongestVarint +
                                (kOccupancyBytes * (2 * kLongestVarint + 1) + kLongestVarint) + 2;

// The rows of occupancy cells a code's map differences may lie in.
using OccupancyRows = std::array<uint64_t, (kMaxFloorRows * kTileSize / kOccupancyCellSize + 63) / 64>;

uint32_t GetVarint(const uint8_t*& p, const uint8_t* end) {
    uint32_t v = 0;
    for (int shift = 0; p < end && shift < 35; shift += 7) {
        const uint8_t b = *p++;
        v |= static_cast<uint32_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) break;
    }
    return v;
}

uint32_t WordAt(const World& w, size_t word) {
    uint32_t v;
    std::memcpy(&v, reinterpret_cast<const uint8_t*>(&w) + kWordsAt + word * 4, 4);
    return v;
}

// Writes where a and b differ as runs of equal bytes: the gap since the last
// run's end plus one, the run's length and its byte; a gap of 0 ends the list.
// Ranges are put in increasing order.
class DiffWriter {
public:
    explicit DiffWriter(CodeCursor& out) : out_(out) {}
    void Put(const uint8_t* a, const uint8_t* b, size_t from, size_t n) {
        const size_t end = from + n;
        if (std::memcmp(a + from, b + from, n) == 0) return;
        for (size_t i = from; i < end;) {
            // Equal words skipped at once: differences are few.
            if (i + 8 <= end) {
                uint64_t x, y;
                std::memcpy(&x, a + i, 8);
                std::memcpy(&y, b + i, 8);
                if (x == y) {
                    i += 8;
                    continue;
                }
                i += static_cast<size_t>(std::countr_zero(x ^ y)) / 8;
            } else if (a[i] == b[i]) {
                ++i;
                continue;
            }
            size_t run = 1;
            while (i + run < end && a[i + run] != b[i + run] && a[i + run] == a[i]) ++run;
            out_.Varint(static_cast<uint32_t>(i - last_ + 1));
            out_.Varint(static_cast<uint32_t>(run));
            out_.Byte(a[i]);
            i += run;
            last_ = i;
        }
    }
    void End() { out_.Varint(0); }

private:
    CodeCursor& out_;
    size_t last_ = 0;
};

void PutByteDiffs(CodeCursor& out, const uint8_t* a, const uint8_t* b, size_t n) {
    DiffWriter w(out);
    w.Put(a, b, 0, n);
    w.End();
}

uint32_t ZigZag(int32_t v) { return (static_cast<uint32_t>(v) << 1) ^ static_cast<uint32_t>(v >> 31); }
int32_t UnZigZag(uint32_t v) { return static_cast<int32_t>(v >> 1) ^ -static_cast<int32_t>(v & 1); }

// Applies runs written by PutByteDiffs; calls seen(old, new) for each byte.
template <class Seen>
void GetByteDiffs(const uint8_t*& p, const uint8_t* end, uint8_t* bytes, size_t n, Seen seen) {
    size_t at = 0;
    for (uint32_t gap; p < end && (gap = GetVarint(p, end)) != 0;) {
        at += gap - 1;
        const uint32_t run = GetVarint(p, end);
        if (p >= end) break;
        const uint8_t value = *p++;
        for (uint32_t k = 0; k < run && at < n; ++k, ++at) {
            seen(bytes[at], value);
            bytes[at] = value;
        }
    }
}

size_t OccupancyBytesUsed(const World& w) {
    return static_cast<size_t>(std::clamp(w.floorRows, 0, kMaxFloorRows)) * kOccupancyColumns * 4;
}

// The pool hands records out from the head of its free list and takes them
// back at the tail, so while its last record has never been handed out, the
// records between the free list's head and that last one are as the pool
// made them, in every fork of a floor. Only the records before the head, the
// last one and the sentinels can differ.
size_t RecordsInUse(const World& w) {
    const int head = w[kFreeHead].next;
    if (head < 0 || head >= kPoolSize || w[kPoolSize - 1].kind != 0) return kPoolSize;
    return static_cast<size_t>(head) + 1;
}

constexpr size_t kTailRecords = kActorRecords - (kPoolSize - 1);

void CopyRecordsAndState(World& dst, const World& src) {
    const size_t n = std::max(RecordsInUse(dst), RecordsInUse(src));
    std::memcpy(&dst.actors[0], &src.actors[0], n * sizeof(Actor));
    std::memcpy(&dst.actors[kPoolSize - 1], &src.actors[kPoolSize - 1], kTailRecords * sizeof(Actor));
    std::memcpy(reinterpret_cast<uint8_t*>(&dst) + kStateAt, reinterpret_cast<const uint8_t*>(&src) + kStateAt,
                kWordsEnd - kStateAt);
    const size_t cells = static_cast<size_t>(std::clamp(src.floorRows, 0, kMaxFloorRows)) * kFloorColumns;
    std::memcpy(dst.objectMap.data(), src.objectMap.data(), cells);
}

void CopyStampLog(StampLog& dst, const StampLog& src) {
    const int32_t n = std::clamp(src.count, 0, kMaxStamps);
    std::copy(src.stamps.begin(), src.stamps.begin() + n, dst.stamps.begin());
    dst.count = src.count;
    dst.fromRebuild = src.fromRebuild;
    dst.floorRows = src.floorRows;
    dst.edited = src.edited;
    dst.overflowed = src.overflowed;
}

}  // namespace

void CopyLiveParts(World& dst, const World& src, bool srcMapFresh) {
    CopyRecordsAndState(dst, src);
    if (srcMapFresh) {
        // dst's own map and stamp log agree, so a rebuild turns the map into
        // the one src's blocks stamp, which src's is.
        RebuildOccupancy(dst);
        return;
    }
    std::memcpy(dst.occupancyMap.data(), src.occupancyMap.data(), OccupancyBytesUsed(src));
    CopyStampLog(dst.occupancyStamps, src.occupancyStamps);
}

void WorldCoder::Canonical(World& w) {
    for (Actor& a : w.actors) a.frame = 0;
    w.idleFrames = 0;
    w.liveCommand = CMD_NONE;
    w.commandsRead = 0;
    w.soundRequests = 0;
}

WorldCoder::WorldCoder(const World& root)
    : root_(root),
      canonicalRoot_(std::make_unique<World>(root)),
      fresh_(std::make_unique<World>(root)),
      buffer_(new uint8_t[kLongestCode]) {
    Canonical(*canonicalRoot_);
}

void WorldCoder::Encode(const World& w, std::vector<uint8_t>& out) {
    const size_t n = EncodeIntoBuffer(w, false);
    out.insert(out.end(), buffer_.get(), buffer_.get() + n);
}

uint64_t WorldCoder::KeyByTile(const World& w) { return Key(buffer_.get(), EncodeIntoBuffer(w, true)); }

namespace {

bool IsCreature(int kind) { return kind == KIND_BUILDER || kind == KIND_CHASER || kind == KIND_CHASER_SPAWNER; }

constexpr size_t kXWord = offsetof(Actor, x) / 4, kOldXWord = offsetof(Actor, oldX) / 4;
constexpr size_t kYWord = offsetof(Actor, y) / 4, kOldYWord = offsetof(Actor, oldY) / 4;
constexpr size_t kTimerWord = offsetof(Actor, timer) / 4, kSubstepWord = offsetof(Actor, substep) / 4;

// Whether an actor record equals another, compared inline: most records are
// the root's, and a library call per record costs more than the compare.
bool SameBytes(const uint32_t* words, const uint8_t* other) {
    const auto* mine = reinterpret_cast<const uint8_t*>(words);
    uint64_t differ = 0;
    for (size_t k = 0; k + 8 <= sizeof(Actor); k += 8) {
        uint64_t a, b;
        std::memcpy(&a, mine + k, 8);
        std::memcpy(&b, other + k, 8);
        differ |= a ^ b;
    }
    if constexpr (sizeof(Actor) % 8 != 0) {  // a page's pointers are four bytes
        uint32_t a, b;
        std::memcpy(&a, mine + sizeof(Actor) - 4, 4);
        std::memcpy(&b, other + sizeof(Actor) - 4, 4);
        differ |= a ^ b;
    }
    return differ == 0;
}

// A creature as it is filed by tile: at its tile's corner, its timers cleared.
void SnapToTile(uint32_t* words, int32_t scrollY) {
    const auto x = static_cast<int32_t>(words[kXWord]) & ~(kTileSize - 1);
    const auto y = ((static_cast<int32_t>(words[kYWord]) + scrollY) & ~(kTileSize - 1)) - scrollY;
    words[kXWord] = words[kOldXWord] = static_cast<uint32_t>(x);
    words[kYWord] = words[kOldYWord] = static_cast<uint32_t>(y);
    words[kTimerWord] = words[kSubstepWord] = 0;
}

}  // namespace

size_t WorldCoder::EncodeIntoBuffer(const World& w, bool byTile) {
    const World& base = *canonicalRoot_;
    CodeCursor out{buffer_.get()};
    // Actors and state, as the words that differ from the canonical root's.
    size_t last = 0;
    auto put = [&](size_t word, uint32_t value) {
        const uint32_t diff = value ^ WordAt(base, word);
        if (!diff) return;
        out.Varint(static_cast<uint32_t>(word - last + 1));
        out.Varint(diff);
        last = word;
    };
    creatures_.clear();
    if (byTile) {
        World& self = const_cast<World&>(w);  // read only: the list walks take a non-const world
        for (Actor* a = FirstActive(self); a; a = NextActive(self, *a))
            if (IsCreature(a->kind)) creatures_.push_back(static_cast<size_t>(self.IndexOf(*a)));
        std::sort(creatures_.begin(), creatures_.end());
    }
    auto creature = creatures_.begin();
    const auto* bytes = reinterpret_cast<const uint8_t*>(&w) + kWordsAt;
    const auto* baseBytes = reinterpret_cast<const uint8_t*>(&base) + kWordsAt;
    const size_t inUse = std::max(RecordsInUse(w), RecordsInUse(root_));
    for (size_t i = 0; i < w.actors.size(); ++i) {
        if (i == inUse) i = kPoolSize - 1;
        const size_t first = i * kActorWords;
        uint32_t words[kActorWords];
        std::memcpy(words, bytes + first * 4, sizeof(Actor));
        words[kFrameWord] = 0;
        while (creature != creatures_.end() && *creature < i) ++creature;
        if (creature != creatures_.end() && *creature == i) SnapToTile(words, w.scrollY);
        if (SameBytes(words, baseBytes + first * 4)) continue;
        for (size_t k = 0; k < kActorWords; ++k) put(first + k, words[k]);
    }
    {
        // The play state, with the counters that never change a step cleared
        // and the turn counters left to the end of the code, as whole bytes.
        constexpr size_t kStateWords = (kWordsEnd - kStateAt) / 4;
        uint32_t state[kStateWords];
        std::memcpy(state, reinterpret_cast<const uint8_t*>(&w) + kStateAt, sizeof(state));
        auto set = [&](size_t offset, int64_t v) { state[(offset - kStateAt) / 4] = static_cast<uint32_t>(v); };
        set(offsetof(World, idleFrames), 0);
        set(offsetof(World, liveCommand), CMD_NONE);
        set(offsetof(World, commandsRead), 0);
        set(offsetof(World, soundRequests), 0);
        set(offsetof(World, rightHold), base.rightHold);
        set(offsetof(World, leftHold), base.leftHold);
        const size_t first = (kStateAt - kWordsAt) / 4;
        for (size_t k = 0; k < kStateWords; ++k) put(first + k, state[k]);
    }
    out.Varint(0);

    // Past the floor's rows no world has objects: decoding never writes there.
    const size_t cells = static_cast<size_t>(std::clamp(w.floorRows, 0, kMaxFloorRows)) * kFloorColumns;
    PutByteDiffs(out, reinterpret_cast<const uint8_t*>(w.objectMap.data()),
                 reinterpret_cast<const uint8_t*>(base.objectMap.data()), cells);

    PutOccupancy(w, out);
    out.Byte(static_cast<uint8_t>(std::clamp(w.rightHold, 0, 255)));
    out.Byte(static_cast<uint8_t>(std::clamp(w.leftHold, 0, 255)));
    return static_cast<size_t>(out.p - buffer_.get());
}

// The occupancy map, as the stamp log and the cells where the map differs from
// the one the blocks stamp afresh. A map that already is that one (the usual
// case, when no block moved) is one byte.
void WorldCoder::PutOccupancy(const World& w, CodeCursor& out) {
    World& self = const_cast<World&>(w);  // read only: the list walks take a non-const world
    if (OccupancyMatchesBlocks(self)) {
        view_ = &self;
        out.Byte(0);
        return;
    }
    World& fresh = *fresh_;
    CopyRecordsAndState(fresh, w);
    RebuildOccupancy(fresh);
    view_ = &fresh;
    out.Byte(1);
    const StampLog& log = w.occupancyStamps;
    const int32_t count = std::clamp(log.count, 0, kMaxStamps);
    out.Varint(static_cast<uint32_t>(count));
    out.Varint(static_cast<uint32_t>(log.fromRebuild));
    out.Varint(static_cast<uint32_t>(log.floorRows));
    out.Byte(static_cast<uint8_t>((log.edited ? 1 : 0) | (log.overflowed ? 2 : 0)));
    for (int32_t i = 0; i < count; ++i) {
        const OccupancyStamp& st = log.stamps[size_t(i)];
        out.Varint(ZigZag(st.x));
        out.Varint(ZigZag(st.worldY));
        out.Varint(static_cast<uint32_t>(st.dir));
    }
    const size_t used = OccupancyBytesUsed(w);
    if (log.overflowed) {
        PutByteDiffs(out, w.occupancyMap.data(), fresh.occupancyMap.data(), used);
        return;
    }
    // Every set cell lies in a logged stamp, of this world or of the fresh
    // one, so only those rows can differ; they are written top to bottom.
    constexpr size_t kRowBytes = kOccupancyColumns;
    const size_t rows = used / kRowBytes;
    OccupancyRows marked{};
    auto mark = [&](const StampLog& l) {
        for (int32_t i = 0; i < std::clamp(l.count, 0, kMaxStamps); ++i) {
            const int first = l.stamps[size_t(i)].worldY >> 2;
            for (int r = std::max(first, 0); r < first + 8 && static_cast<size_t>(r) < rows; ++r)
                marked[size_t(r) / 64] |= uint64_t{1} << (r % 64);
        }
    };
    mark(log);
    mark(fresh.occupancyStamps);
    DiffWriter diffs(out);
    for (size_t word = 0; word < marked.size(); ++word)
        for (uint64_t bits = marked[word]; bits; bits &= bits - 1) {
            const size_t at = (word * 64 + static_cast<size_t>(std::countr_zero(bits))) * kRowBytes;
            diffs.Put(w.occupancyMap.data(), fresh.occupancyMap.data(), at, kRowBytes);
        }
    diffs.End();
}

bool WorldCoder::MovesByItself(World& w) {
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (a->kind == KIND_BUILDER || a->kind == KIND_CHASER || a->kind == KIND_CHASER_SPAWNER) return true;
        if (IsLBlockKind(a->kind) && (a->update != LBlockRest || a->timer != kLBlockRestSteps)) return true;
    }
    return false;
}

uint64_t WorldCoder::Key(const uint8_t* code, size_t size) { return Fingerprint(code, size); }

bool WorldCoder::Decode(const uint8_t* code, size_t size, World& out) const {
    const uint8_t* p = code;
    const uint8_t* end = code + size;
    CopyRecordsAndState(out, *canonicalRoot_);
    auto* words = reinterpret_cast<uint8_t*>(&out) + kWordsAt;
    constexpr size_t kWordCount = (kWordsEnd - kWordsAt) / 4;
    size_t at = 0;
    for (uint32_t gap; p < end && (gap = GetVarint(p, end)) != 0;) {
        at += gap - 1;
        const uint32_t diff = GetVarint(p, end);
        if (at >= kWordCount) continue;
        uint32_t v;
        std::memcpy(&v, words + at * 4, 4);
        v ^= diff;
        std::memcpy(words + at * 4, &v, 4);
    }
    GetByteDiffs(p, end, reinterpret_cast<uint8_t*>(out.objectMap.data()), sizeof(out.objectMap),
                 [](uint8_t, uint8_t) {});
    RebuildOccupancy(out);
    const bool asStamped = p >= end || *p++ == 0;
    if (!asStamped) {
        // The world's own stamp log, and its map: the fresh one with the
        // cells that differ.
        StampLog& log = out.occupancyStamps;
        const int32_t count = std::min(static_cast<int32_t>(GetVarint(p, end)), kMaxStamps);
        log.count = count;
        log.fromRebuild = static_cast<int32_t>(GetVarint(p, end));
        log.floorRows = static_cast<int32_t>(GetVarint(p, end));
        const uint8_t flags = p < end ? *p++ : 0;
        log.edited = flags & 1;
        log.overflowed = (flags >> 1) & 1;
        for (int32_t i = 0; i < count; ++i) {
            OccupancyStamp& st = log.stamps[size_t(i)];
            st.x = UnZigZag(GetVarint(p, end));
            st.worldY = UnZigZag(GetVarint(p, end));
            st.dir = static_cast<int32_t>(GetVarint(p, end));
        }
        GetByteDiffs(p, end, out.occupancyMap.data(), OccupancyBytesUsed(out), [](uint8_t, uint8_t) {});
    }
    if (end - p >= 2) {
        out.rightHold = p[0];
        out.leftHold = p[1];
    }
    return asStamped;
}

}  // namespace q::floors
