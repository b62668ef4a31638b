// The generator proposes floors that are playable, need the ideas asked, and
// come out the same for the same seed.
#include <gtest/gtest.h>

#include "floors/candidate.hpp"
#include "floors/floor_world.hpp"
#include "floors/generator.hpp"
#include "floors/layout.hpp"
#include "floors/lint.hpp"
#include "floors/solver.hpp"
#include "floors_fixture.hpp"

namespace q {
namespace {

floors::GenerateOptions TurnOptions(uint64_t seed) {
    floors::GenerateOptions o;
    std::string unknown;
    EXPECT_TRUE(floors::ParseIdeas("turn", o.ideas, unknown));
    o.rows = 30;
    o.seed = seed;
    o.count = 1;
    return o;
}

std::vector<std::string> Sources(const floors::GenerateOptions& o) {
    std::vector<std::string> texts;
    const auto found = floors::Generate(o, nullptr);
    for (size_t i = 0; i < found.size(); ++i)
        texts.push_back(floors::CandidateSource(found[i], static_cast<int>(i) + 1, o));
    return texts;
}

TEST(Generator, ASeedGivesTheSameCandidatesAndEachIsPlayableAndNeedsItsIdea) {
    const floors::GenerateOptions o = TurnOptions(1);
    const std::vector<std::string> first = Sources(o);
    ASSERT_EQ(first.size(), 1u) << "the search found no floor that needs turning the block";
    EXPECT_EQ(Sources(o), first) << "the same seed, the same floors";
    EXPECT_NE(Sources(TurnOptions(2)), first) << "another seed, another floor";

    // Read back as any floor source is, the candidate passes lint, its demo
    // clears it, and the solver finds no way without turning.
    floors::Floor floor;
    floors::SourceError error;
    ASSERT_TRUE(floors::ParseFloorSource(first[0], floor, error)) << error.line << ": " << error.message;
    EXPECT_EQ(floor.name, "Candidate 1");
    EXPECT_TRUE(floors::LintFloor(floor, 1).empty());
    EXPECT_EQ(floors::ReplayDemo(floor, true).result, PLAY_RESULT_CLEARED);
    floors::SolveOptions calm;
    calm.chasers = false;
    EXPECT_TRUE(floors::Solve(floor, calm).found);
    calm.forbid = floors::Bit(floors::Idea::Turn);
    const floors::Solution banned = floors::Solve(floor, calm);
    EXPECT_FALSE(banned.found);
    EXPECT_TRUE(banned.exhausted);
    EXPECT_NE(std::find(floor.ideas.begin(), floor.ideas.end(), "turn"), floor.ideas.end());
}

TEST(Generator, EveryLayoutTheGrammarMakesOrChangesPassesLint) {
    // Solving is left out: what is checked is that no change, however many,
    // draws a floor that cannot be played sensibly.
    const char* lists[] = {"turn", "hold,stack", "heavy", "pickup", "builder", "ladder-lift,drop", "squash,push"};
    floors::SplitMix rng(11);
    int changes = 0;
    for (const char* list : lists)
        for (int rows : {30, 47}) {
            floors::IdeaSet ideas = 0;
            std::string unknown;
            ASSERT_TRUE(floors::ParseIdeas(list, ideas, unknown));
            floors::Layout layout = floors::RandomLayout(ideas, rows, rng);
            for (int i = 0; i < 60; ++i) {
                if (floors::Mutate(layout, ideas, rng)) ++changes;
                const auto drawing = floors::Draw(layout);
                ASSERT_TRUE(drawing) << list << ": a change left a layout that does not draw";
                const floors::Floor floor = floors::ToFloor(*drawing);
                for (const auto& finding : floors::LintFloor(floor, 1))
                    ADD_FAILURE() << list << ", " << rows << " rows: " << finding.message << "\n"
                                  << floors::WriteFloorSource(floor, 1);
                if (floors::FloorHasPieceFor(floor, floors::Idea::Builder) != floors::Has(ideas, floors::Idea::Builder) &&
                    !floors::Has(ideas, floors::Idea::Squash))
                    ADD_FAILURE() << list << ": a builder only where the ideas ask for one";
            }
        }
    EXPECT_GT(changes, 300) << "most changes fit";
}

TEST(Generator, APieceMustStandOnSomethingFirmInsideTheRoom) {
    floors::SplitMix rng(3);
    floors::Layout layout = floors::RandomLayout(floors::Bit(floors::Idea::Turn), 30, rng);
    ASSERT_TRUE(floors::Draw(layout));
    floors::Layout floating = layout;
    floating.pieces[0].surface -= 3;  // the player in mid-air
    EXPECT_FALSE(floors::Draw(floating));
    EXPECT_TRUE(floors::Settle(floating)) << "settling finds it the ground again";
    EXPECT_EQ(floating.pieces[0].surface, layout.pieces[0].surface);
    EXPECT_TRUE(floors::Draw(floating));
    floors::Layout outside = layout;
    outside.pieces[0].column = layout.left - 1;
    EXPECT_FALSE(floors::Draw(outside));
}

TEST(Generator, TheCommandWritesSourcesTheOtherToolsReadAndRefusesBadArguments) {
    test::TempFolder dir;
    auto run = test::RunTool(floors::RunGenerate, {"--ideas", "turn", "--rows", "30", "--seed", "1", "--count", "1", "--out", dir.Path()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("candidate 1: ideas turn"), std::string::npos) << run.out;
    EXPECT_EQ(test::RunTool(floors::RunLint, {"--sources", dir.Path(), "1"}).code, 0);
    EXPECT_EQ(test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--no-chasers", "1"}).code, 0);

    const std::vector<std::vector<std::string>> bad = {
        {"--ideas", "juggling", "--rows", "30", "--seed", "1"},
        {"--ideas", "turn", "--rows", "12", "--seed", "1"},
        {"--ideas", "turn", "--rows", "30"},
        {"--ideas", "turn", "--rows", "30", "--seed", "1", "--count"},
    };
    for (const auto& args : bad) {
        auto refused = test::RunTool(floors::RunGenerate, args);
        EXPECT_EQ(refused.code, 2) << args[1];
        EXPECT_NE(refused.err.find("quorrel-floors generate: "), std::string::npos) << refused.err;
    }
}

TEST(Generator, ItsRandomNumbersAreSplitMixsOwnOnEveryPlatform) {
    // The published reference values: a seed gives the same floors wherever
    // the tools are built.
    floors::SplitMix rng(1234567);
    EXPECT_EQ(rng.Next(), 0x599ED017FB08FC85ull);
    EXPECT_EQ(rng.Next(), 0x2C73F08458540FA5ull);
    EXPECT_EQ(rng.Next(), 0x883EBCE5A3F27C77ull);
    EXPECT_EQ(floors::SplitMix(0).Next(), 0xE220A8397B1DCDAFull);
    for (int i = 0; i < 1000; ++i) {
        const int n = rng.Between(-2, 3);
        ASSERT_TRUE(n >= -2 && n <= 3) << n;
    }
}

// The other-side floor: a block showing its tall side to the player, with
// the wall to climb behind the player. `block` is the block's symbol.
floors::Floor OtherSide(const std::string& block) {
    test::SourceFloor f(30);
    for (int row = 25; row <= 27; ++row) f.Tiles(row, 30, std::string(9, '#'));
    f.Tiles(23, 34, "n").Tiles(24, 34, "d").Objects(23, 34, "E");
    f.Objects(26, 8, "P").Objects(27, 3, block);
    floors::Floor floor;
    floors::SourceError error;
    EXPECT_TRUE(floors::ParseFloorSource(f.Text(), floor, error)) << error.message;
    return floor;
}

TEST(Generator, TheJudgeProvesWhatTheFloorNeedsAndAsksTheNaivePlayerOnlyThen) {
    int asked = 0;
    floors::Judging judging;
    judging.wanted = floors::Bit(floors::Idea::Turn);
    judging.maxStates = 400000;
    judging.naive = [&](const floors::Floor&) { return ++asked > 0; };

    // Lifted from its near side the block must be turned to face the wall.
    const floors::Measures turn = floors::Judge(OtherSide("L"), judging.wanted, judging);
    EXPECT_TRUE(turn.valid);
    EXPECT_TRUE(turn.Complete(judging.wanted));
    EXPECT_TRUE(turn.NoStray());
    EXPECT_EQ(turn.rowsClimbed, 3);
    EXPECT_EQ(turn.naive, 1);
    EXPECT_EQ(asked, 1);

    // The mirrored block cannot be made into a step at all: nothing is proved
    // and the naive player is not asked.
    const floors::Measures none = floors::Judge(OtherSide("J"), judging.wanted, judging);
    EXPECT_FALSE(none.way.found);
    EXPECT_TRUE(none.way.exhausted);
    EXPECT_EQ(none.proved, 0u);
    EXPECT_EQ(none.naive, -1);
    EXPECT_EQ(asked, 1);
    EXPECT_LT(floors::Score(none, judging.wanted), floors::Score(turn, judging.wanted));

    // A floor lint refuses is judged no further.
    floors::Floor open = OtherSide("L");
    open.tiles[static_cast<size_t>(10 * floors::kColumns)] = 0;  // a gap in the left wall
    const floors::Measures refused = floors::Judge(open, judging.wanted, judging);
    EXPECT_FALSE(refused.valid);
    EXPECT_FALSE(refused.way.found);
}

TEST(Generator, TheScoreRanksProofsThenANeededBlockThenNoStrayThenLiftsUpToAPoint) {
    const floors::IdeaSet wanted = floors::Bit(floors::Idea::Hold);
    auto measures = [](int lifts, int moved, int blocks) {
        floors::Measures m;
        m.valid = true;
        m.way.found = true;
        m.way.lifts = m.way.putDowns = lifts;
        m.way.blocksMoved = moved;
        m.way.blockCount = blocks;
        return m;
    };
    auto score = [&](const floors::Measures& m) { return floors::Score(m, wanted); };
    floors::Measures proved = measures(1, 1, 2), helps = measures(5, 2, 2), plain = measures(5, 2, 2);
    proved.proved = wanted;
    helps.helps = wanted;
    EXPECT_GT(score(proved), score(helps)) << "a proof beats any number of lifts";
    EXPECT_GT(score(helps), score(plain)) << "short of a proof, an idea that saves lifts";
    EXPECT_GT(score(measures(1, 1, 1)), score(measures(0, 0, 1))) << "a block must be needed";
    EXPECT_GT(score(measures(1, 1, 1)), score(measures(5, 1, 2))) << "no stray block before more lifts";
    EXPECT_GT(score(measures(4, 2, 2)), score(measures(2, 2, 2)));
    EXPECT_GT(score(measures(5, 2, 2)), score(measures(14, 2, 2))) << "lifts count up to a point";
    floors::Measures walked = measures(3, 2, 2), puzzle = measures(3, 2, 2);
    walked.naive = 1;
    puzzle.naive = 0;
    EXPECT_GT(score(puzzle), score(walked)) << "the naive player must not clear it";
    floors::Measures unsolved, invalid;
    unsolved.valid = true;
    EXPECT_GT(score(unsolved), score(invalid));
}

TEST(Generator, ALayoutIsDrawnAsTheSourceFormatSpellsEachPiece) {
    floors::Layout l;
    l.rows = 30;  // the ground's surface is row 26
    l.left = 10;
    l.width = 12;
    l.ground.assign(12, 0);
    l.ground[9] = l.ground[10] = l.ground[11] = 3;  // a tower in columns 19..21, its top row 23
    l.ground[4] = -1;                                 // a pit in column 14
    l.ledges.push_back({21, 10, 13, 12});
    l.pieces = {{KIND_PLAYER, 17, 26}, {EXIT_CELL, 20, 23}, {KIND_LBLOCK_0, 13, 26}, {KIND_PICKUP, 11, 21}};
    const auto d = floors::Draw(l);
    ASSERT_TRUE(d);
    auto tile = [&](int r, int c) { return d->terrain[static_cast<size_t>(r)][static_cast<size_t>(c)]; };
    auto object = [&](int r, int c) { return d->objects[static_cast<size_t>(r)][static_cast<size_t>(c)]; };
    EXPECT_EQ(d->terrain[21].substr(9, 6), "#==+=.") << "a ledge with its hatch, against the stone beside the room";
    for (int r = 22; r <= 25; ++r) EXPECT_EQ(tile(r, 12), 'H') << "the ladder reaches the ground, row " << r;
    EXPECT_EQ(d->terrain[23].substr(18, 5), ".####");
    EXPECT_EQ(tile(26, 14), '.') << "the pit";
    EXPECT_EQ(object(24, 17), 'P') << "the player's cell is its top";
    EXPECT_EQ(object(25, 13), 'L') << "a block's cell is its lower half, and half over a pit it rests";
    EXPECT_EQ(object(20, 11), 'o');
    EXPECT_EQ(object(21, 20), 'E');
    EXPECT_EQ(tile(21, 20), 'n');
    EXPECT_EQ(tile(22, 20), 'd');

    floors::Layout locked = l;
    locked.pieces[1] = {KIND_EXIT_LOCK, 19, 23};
    const auto withLock = floors::Draw(locked);
    ASSERT_TRUE(withLock);
    EXPECT_EQ(withLock->terrain[21].substr(19, 2), "()");
    EXPECT_EQ(withLock->terrain[22].substr(19, 2), "[]");
    EXPECT_EQ(withLock->objects[21][19], 'X');
    locked.pieces[1].column = 21;  // half outside the room
    EXPECT_FALSE(floors::Draw(locked));
    locked.pieces[1] = {KIND_EXIT_LOCK, 13, 26};  // half over the pit: a door wants a whole floor
    locked.pieces.erase(locked.pieces.begin() + 2);
    EXPECT_FALSE(floors::Draw(locked));
    locked.pieces[1].column = 15;
    EXPECT_TRUE(floors::Draw(locked)) << "beside the pit it stands";
    floors::Layout crowded = l;
    crowded.pieces[2].column = 16;  // into the player
    EXPECT_FALSE(floors::Draw(crowded));
}

TEST(Generator, SaysSoWhenNoLayoutProvesTheIdeas) {
    // Nothing but the builder squashes with chasers off, and a floor with
    // creatures is never searched to the end, so squash is never proved.
    auto run = test::RunTool(floors::RunGenerate,
                             {"--ideas", "squash", "--rows", "30", "--seed", "2", "--count", "1", "--tries", "3"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("found 0 of 1 candidates"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace q
