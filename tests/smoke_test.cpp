#include <gtest/gtest.h>

#include "world/world.hpp"

// A floor's world is one value: copying it copies every byte of play state.
TEST(WorldValue, CopyIsIndependent) {
    auto a = std::make_unique<q::World>();
    a->tileMap[5] = 31;
    auto b = std::make_unique<q::World>(*a);
    b->tileMap[5] = 0;
    EXPECT_EQ(a->tileMap[5], 31);
}
