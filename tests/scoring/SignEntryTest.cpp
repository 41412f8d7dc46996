#include "scoring/SignEntry.h"

#include <gtest/gtest.h>

namespace quelvarin {
namespace {

TEST(SignEntry, FillsTheFirstGapAndNeverMovesSlots) {
    Answer answer;
    AddSign(answer, 400);
    AddSign(answer, 301);
    AddSign(answer, 345);
    EXPECT_EQ(RemoveSign(answer, 301), 1);
    EXPECT_EQ(answer.slots[0], 400);
    EXPECT_EQ(answer.slots[1], 0);
    EXPECT_EQ(answer.slots[2], 345);
    EXPECT_EQ(AddSign(answer, 347), 1);
    EXPECT_EQ(answer.slots[1], 347);
}

TEST(SignEntry, ThirtySlotsAndNoMore) {
    Answer answer;
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(AddSign(answer, 400), i) << "the same sign may stand many times";
    }
    Answer full = answer;
    EXPECT_FALSE(AddSign(answer, 401).has_value());
    EXPECT_EQ(answer, full);
    answer.slots[29] = 345;
    EXPECT_EQ(RemoveSign(answer, 345), 29);
}

TEST(SignEntry, RemovalTakesTheFirstMatchIncludingSubVariants) {
    struct Case {
        std::vector<SignCode> slots;
        SignCode removed;
        std::optional<int> clearedSlot;
    };
    const Case cases[] = {
        {{400, 1492, 149}, 149, 1}, // the sub-variant stands first
        {{4103}, 410, 0},
        {{1491}, 1491, 0},
        {{149}, 1491, std::nullopt}, // a sub-variant does not remove its parent
        {{4101}, 149, std::nullopt},
        {{400, 0, 400}, 400, 0},
        {{}, 400, std::nullopt},
        {{0, 0, 301}, 301, 2},
    };
    for (const auto& c : cases) {
        Answer answer;
        std::copy(c.slots.begin(), c.slots.end(), answer.slots.begin());
        auto before = answer;
        EXPECT_EQ(RemoveSign(answer, c.removed), c.clearedSlot) << c.removed;
        if (c.clearedSlot) {
            before.slots[static_cast<std::size_t>(*c.clearedSlot)] = 0;
        }
        EXPECT_EQ(answer, before);
    }
}

} // namespace
} // namespace quelvarin
