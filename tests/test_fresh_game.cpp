// How a fresh journey is drawn up before the first command.
#include <gtest/gtest.h>

#include "audio.h"
#include "gameHarness.h"
#include "initFunc.h"

namespace {

TEST(FreshGame, AttackIsDrawnBeforeDefenceAndSoundFollowsTheStartUpSwitch)
{
    GameHarness h;
    h.queueRandom({3, 0});
    buildFreshGame(&h.game());
    EXPECT_EQ(h.player().baseAtk, 9);
    EXPECT_EQ(h.player().baseDef, 4);
    EXPECT_TRUE(h.game().soundOn);
    audioDisabled = true;
    buildFreshGame(&h.game());
    EXPECT_FALSE(h.game().soundOn);
}

} // namespace
