#include "rating/no_column_reason.h"

#include <gtest/gtest.h>

TEST(NoColumnReason, TheFirstWeightThatCountsAndFailsOrTheWeight) {
    const FoundWeightLines found = FindWeightLines(
        QStringView(u"Profile,Weight\nPRF1,0.7\nPRF2,abc\nPRF3,0\n"), "PRF1", "PRF2", "PRF9");
    const std::array<QString, 3> problems = WeightProblemsOf(found, "PRF1", "PRF2", "PRF9");
    EXPECT_EQ(problems[0], "");
    EXPECT_EQ(problems[1], "the weight \"abc\" of PRF2 on line 3 of GGWeights.Dat is not a number");
    EXPECT_EQ(problems[2], "PRF9 has no line in GGWeights.Dat");

    const struct {
        std::array<QString, 3> problems;
        bool commercial;
        double weight;
        const char* reason;
    } cases[] = {
        {problems, false, 0,
         "vent frame: the weight \"abc\" of PRF2 on line 3 of GGWeights.Dat "
         "is not a number"},
        // Commercial buildings are rated by the outer frame alone.
        {problems, true, 0, "the profile weight is 0.000"},
        {{"no profile is chosen", "", ""}, true, 0, "outer frame: no profile is chosen"},
        {{"", "", "PRF3 weighs 0 kg/m on line 4 of GGWeights.Dat"},
         false,
         0,
         "transom/mullion: PRF3 weighs 0 kg/m on line 4 of GGWeights.Dat"},
        {{"", "", ""}, false, -0.5, "the profile weight is -0.500"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NoColumnReason(c.problems, c.commercial, c.weight), c.reason) << c.reason;
    }
}
