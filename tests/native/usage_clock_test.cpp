#include "app/usage_clock.h"

#include <gtest/gtest.h>

namespace {

qope::UsageClock AfterTicks(int ticks) {
    qope::UsageClock clock;
    for (int i = 0; i < ticks; ++i) clock.Tick();
    return clock;
}

TEST(UsageClock, CountsTenthsOfSecondsIntoSecondsMinutesHours) {
    EXPECT_EQ(AfterTicks(0).Seconds(), 0);
    EXPECT_EQ(AfterTicks(9).Seconds(), 0);
    EXPECT_EQ(AfterTicks(10).Seconds(), 1);
    EXPECT_EQ(AfterTicks(599).Seconds(), 59);

    const auto minute = AfterTicks(600);
    EXPECT_EQ(minute.Hours(), 0);
    EXPECT_EQ(minute.Minutes(), 1);
    EXPECT_EQ(minute.Seconds(), 0);

    const auto almostHour = AfterTicks(35999);
    EXPECT_EQ(almostHour.Minutes(), 59);
    EXPECT_EQ(almostHour.Seconds(), 59);
    EXPECT_EQ(almostHour.Hours(), 0);

    const auto hour = AfterTicks(36000);
    EXPECT_EQ(hour.Hours(), 1);
    EXPECT_EQ(hour.Minutes(), 0);
    EXPECT_EQ(hour.Seconds(), 0);
}

TEST(UsageClock, KeepsRollingOverAcrossHours) {
    const auto clock = AfterTicks(36000 * 2 + 600 * 5 + 10 * 7 + 3);
    EXPECT_EQ(clock.Hours(), 2);
    EXPECT_EQ(clock.Minutes(), 5);
    EXPECT_EQ(clock.Seconds(), 7);
}

TEST(UsageClock, ResetStartsAgainFromZero) {
    auto clock = AfterTicks(12345);
    clock.Reset();
    clock.Tick();
    EXPECT_EQ(clock.Hours(), 0);
    EXPECT_EQ(clock.Minutes(), 0);
    EXPECT_EQ(clock.Seconds(), 0);
}

}  // namespace
