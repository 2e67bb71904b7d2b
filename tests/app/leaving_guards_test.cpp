#include "app/leaving_guards.h"

#include <gtest/gtest.h>

#include <string>

// Guards asked in order until one cancels; once all agree, nothing is asked until Forget.
TEST(LeavingGuards, AskedInOrderUntilOneCancelsAndOnceAfterAllAgree) {
    const struct {
        std::vector<bool> answers;  // one guard each
        bool left;
        const char* asked;  // the guards asked, by number
    } cases[] = {
        {{}, true, ""},
        {{true, true}, true, "01"},
        {{true, false, true}, false, "01"},
        {{false, true}, false, "0"},
    };
    for (const auto& c : cases) {
        std::string asked;
        int remembered = 0;
        LeavingGuards guards([&remembered] { ++remembered; });
        for (std::size_t i = 0; i < c.answers.size(); ++i) {
            guards.Add([&asked, &c, i] {
                asked += static_cast<char>('0' + i);
                return static_cast<bool>(c.answers[i]);
            });
        }
        EXPECT_EQ(guards.Confirm(), c.left) << c.asked;
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(remembered, c.left ? 1 : 0) << c.asked;
        // Asked again: nothing more once agreed, everything again after a cancel or Forget.
        asked.clear();
        EXPECT_EQ(guards.Confirm(), c.left);
        EXPECT_EQ(asked, c.left ? "" : c.asked);
        guards.Forget();
        asked.clear();
        guards.Confirm();
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(remembered, c.left ? 2 : 0) << c.asked;
    }
}
