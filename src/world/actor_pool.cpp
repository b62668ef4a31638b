// The pool of 400 actor records, its free and active lists, and the passes
// that update and draw the actors kind by kind.
#include "world/actor_pool.hpp"

#include <type_traits>

#include "platform/core/sprite.hpp"
#include "world/collision.hpp"
#include "world/floor.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"

namespace q {

namespace {

void Unlink(World& w, Actor& a) {
    w[a.prev].next = a.next;
    w[a.next].prev = a.prev;
}

// Inserts record `index` just before the tail sentinel `tail`.
void AppendBefore(World& w, int tail, int index) {
    Actor& a = w[index];
    Actor& t = w[tail];
    a.prev = t.prev;
    a.next = tail;
    w[t.prev].next = index;
    t.prev = index;
}

// The active list threaded into one chain per kind, in list order, so that
// each pass of an update or draw walks only its own kind. Building the chains
// for an update also lets go of the actors killed during the previous step,
// in the same walk, as they are met. Kinds never change
// once spawned and nothing leaves the list while the passes run; actors
// appended by a handler are threaded on as soon as it returns, so each is
// visited exactly when a walk of the whole list from the front would reach
// it: later in the same pass if it is of that pass's kind, and in every later
// pass of its kind.
enum class Dead { Keep, Release };

// W is World for the update passes, const World for drawing.
template <class W>
class KindChains {
public:
    KindChains(W& w, Dead dead) : w_(w) {
        head_.fill(kNoActor);
        tail_.fill(kNoActor);
        int i = w_[kActiveHead].next;
        while (i != kActiveTail) {
            const int next = w_[i].next;
            if constexpr (std::is_const_v<W>) {
                Thread(i);
            } else if (dead == Dead::Release && w_[i].alive == 0) {
                ReleaseActor(w_, w_[i]);
            } else {
                Thread(i);
            }
            i = next;
        }
    }

    template <class Visit>
    void RunPasses(const int (&order)[kKindCount], Visit visit) {
        for (int kind : order) {
            // The successor is read after the handler, and after whatever it
            // appended has been threaded.
            for (int i = head_[size_t(kind)]; i != kNoActor; i = next_[size_t(i)]) {
                visit(w_[i]);
                if (w_[kActiveTail].prev != lastSeen_) ThreadAppended();
            }
        }
    }

private:
    void ThreadAppended() {
        for (int i = w_[lastSeen_].next; i != kActiveTail && i != kNoActor; i = w_[i].next) Thread(i);
    }

    void Thread(int i) {
        lastSeen_ = i;
        const int kind = w_[i].kind;
        // Kinds outside 0..14 never have a pass.
        if (kind < 0 || kind >= kKindCount) return;
        next_[size_t(i)] = kNoActor;
        if (tail_[size_t(kind)] == kNoActor)
            head_[size_t(kind)] = i;
        else
            next_[size_t(tail_[size_t(kind)])] = i;
        tail_[size_t(kind)] = i;
    }

    W& w_;
    std::array<int, kKindCount> head_;
    std::array<int, kKindCount> tail_;
    std::array<int, kActorRecords> next_;  // the next actor of the same kind
    int lastSeen_ = kActiveHead;
};

// Every field but the links, as a freshly taken record has them.
void ClearFields(Actor& a) {
    const int prev = a.prev;
    const int next = a.next;
    a = Actor{};
    a.prev = prev;
    a.next = next;
}

}  // namespace

const int KindUpdateOrder[kKindCount] = {1, 10, 2, 3, 12, 13, 4, 5, 14, 7, 6, 8, 9, 11, 0};
const int KindDrawOrder[kKindCount] = {14, 8, 9, 11, 6, 7, 2, 3, 12, 13, 4, 5, 1, 10, 0};

int InitActorPool(World& w) {
    for (int s = kFreeHead; s <= kActiveTail; ++s) {
        w[s] = Actor{};
        w[s].kind = -1;
    }
    w[kFreeHead].next = kFreeTail;
    w[kFreeTail].prev = kFreeHead;
    w[kActiveHead].next = kActiveTail;
    w[kActiveTail].prev = kActiveHead;
    for (int i = 0; i < kPoolSize; ++i) {
        w[i] = Actor{};
        AppendBefore(w, kFreeTail, i);
    }
    return 1;
}

Actor* SpawnActor(World& w, int x, int y, int kind, int cell, ActorInit init, int arg) {
    const int index = w[kFreeHead].next;
    if (index == kFreeTail) return nullptr;
    Actor& a = w[index];
    ClearFields(a);
    if (!init(w, a, x, y, arg)) return nullptr;
    Unlink(w, a);
    a.alive = 1;
    a.kind = kind;
    a.cell = cell;
    // The marker that produced the actor is used up.
    if (cell >= 0 && cell < kTileMapBytes) w.objectMap[cell] = 0;
    AppendBefore(w, kActiveTail, index);
    return &a;
}

Actor* FindActor(World& w, Actor* start, int kind) {
    for (Actor* a = start; a; a = NextActive(w, *a))
        if (a->kind == kind) return a;
    return nullptr;
}

Actor* FindPlayer(World& w) { return FindActor(w, FirstActive(w), KIND_PLAYER); }

void ReleaseActor(World& w, Actor& a) {
    Unlink(w, a);
    AppendBefore(w, kFreeTail, w.IndexOf(a));
}

void ReleaseAllActors(World& w) {
    Actor* a = FirstActive(w);
    while (a) {
        Actor* next = NextActive(w, *a);
        ReleaseActor(w, *a);
        a = next;
    }
}

int ActiveCount(const World& w) {
    int n = 0;
    for (int i = w[kActiveHead].next; i != kActiveTail; i = w[i].next) ++n;
    return n;
}

int FreeCount(const World& w) {
    int n = 0;
    for (int i = w[kFreeHead].next; i != kFreeTail; i = w[i].next) ++n;
    return n;
}

int InitActorBox(Actor& a, int x, int y, int width, int height, ActorHandler update, ActorDrawer draw) {
    a.x = a.oldX = x;
    a.y = a.oldY = y;
    a.width = width;
    a.height = height;
    a.update = update;
    a.draw = draw;
    a.dir = FACING_VIEWER;
    a.vy = 0;
    a.vx = 0;
    a.fallStep = kRestFallStep;
    a.command = 0;
    a.frame = 0;
    a.substep = 0;
    a.timer = 0;
    return 1;
}

void UpdateActors(World& w) {
    RebuildOccupancy(w);

    // Actors killed during the previous step leave now, so they were still
    // drawn on the frames in between.
    KindChains<World>(w, Dead::Release).RunPasses(KindUpdateOrder, [&w](Actor& b) {
        if (b.update) b.update(w, b);
    });

    if (w.playMode != PLAY_MODE_NORMAL) {
        w.replayPos += 1;
        if (w.replayPos > w.replayLength - 1) w.replayPos = w.replayLength - 1;
    }
}

void DrawActors(const World& w) {
    KindChains<const World>(w, Dead::Keep).RunPasses(KindDrawOrder, [&w](const Actor& a) {
        if (a.draw) a.draw(w, a);
    });
}

void DrawWorld(const World& w) {
    // Drawing has no effect on the world, so a frame with nowhere for its
    // pictures to go skips it.
    if (!SpritesReachAnything()) return;
    DrawTerrain(w);
    DrawActors(w);
}

}  // namespace q
