// Random permutations: their shape, scripting them in tests, and independence of calls
// made within one clock tick.

#include "FakeServices.h"
#include "shell/core/Mdlmain.h"
#include "shell/core/QtServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::vector<int> order(const std::array<int16_t, 1001>& out, int n)
{
    return std::vector<int>(out.begin() + 1, out.begin() + 1 + n);
}

TEST(RandomOrder, OneAndZeroItems)
{
    FakeServices services;
    AppContext app(services, QString());
    app.RandomOrder.fill(7);
    MakeRandomOrder(app, 1);
    EXPECT_EQ(app.RandomOrder[1], 1);
    EXPECT_EQ(app.RandomOrder[0], 7) << "position 0 keeps its content";
    EXPECT_EQ(app.RandomOrder[2], 7) << "positions above n keep their content";

    app.RandomOrder.fill(7);
    MakeRandomOrder(app, 0);
    EXPECT_TRUE(std::all_of(app.RandomOrder.begin(), app.RandomOrder.end(),
                            [](int16_t v) { return v == 7; }));
}

TEST(RandomOrder, ScriptedPermutationIsReproducedByTheAlgorithm)
{
    FakeServices services;
    AppContext app(services, QString());
    const std::vector<int> wanted{3, 10, 1, 7, 2, 9, 4, 8, 6, 5};
    services.scriptPermutation(wanted);
    MakeRandomOrder2(app, 10);
    EXPECT_EQ(std::vector<int>(app.RandomOrder2.begin() + 1, app.RandomOrder2.begin() + 11),
              wanted);
    EXPECT_EQ(services.reseeds, 1) << "every call reseeds from the clock";
}

TEST(RandomOrder, EachOfTheThreeFillsItsOwnArrayUpToItsBound)
{
    FakeServices services;
    AppContext app(services, QString());
    MakeRandomOrder3(app, 2000);
    std::vector<int> values(app.RandomOrder3.begin() + 1, app.RandomOrder3.end());
    std::sort(values.begin(), values.end());
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(values[i], i + 1);
    EXPECT_EQ(app.RandomOrder[1], 0);
    EXPECT_EQ(app.RandomOrder2[1], 0);
}

TEST(RandomOrder, CallsInTheSameClockTickGiveIndependentOrders)
{
    QtServices services(false);
    AppContext app(services, QString());
    std::set<std::vector<int>> seen;
    int firstIsOne = 0;
    for (int i = 0; i < 40; ++i) {
        MakeRandomOrder(app, 10);
        seen.insert(order(app.RandomOrder, 10));
        MakeRandomOrder2(app, 2);
        firstIsOne += app.RandomOrder2[1] == 1;
    }
    // 40 orders of ten drawn within milliseconds: repeats would mean a reused seed.
    EXPECT_GE(seen.size(), 39u);
    // The comparison windows draw which of two words to ask: both must come up.
    EXPECT_GT(firstIsOne, 5);
    EXPECT_LT(firstIsOne, 35);
}

} // namespace
