// When long loops drain the message queue.
#include <gtest/gtest.h>

#include "framework/pump_schedule.h"

namespace {

TEST(PluginPumpSchedule, NotDueBeforeThePeriodHasPassed) {
  PumpSchedule schedule(1000, 25);
  EXPECT_FALSE(schedule.Due(1000));
  EXPECT_FALSE(schedule.Due(1024));
}

TEST(PluginPumpSchedule, DueOnceThePeriodHasPassedThenStartsAgain) {
  PumpSchedule schedule(1000, 25);
  EXPECT_TRUE(schedule.Due(1025));
  EXPECT_FALSE(schedule.Due(1026));
  EXPECT_FALSE(schedule.Due(1049));
  EXPECT_TRUE(schedule.Due(1050));
}

TEST(PluginPumpSchedule, LongStepIsDueAtOnce) {
  PumpSchedule schedule(0, 25);
  EXPECT_TRUE(schedule.Due(5000));
  EXPECT_FALSE(schedule.Due(5010));
}

TEST(PluginPumpSchedule, SurvivesTheTickCountWrapping) {
  PumpSchedule schedule(0xFFFFFFF0u, 25);
  EXPECT_FALSE(schedule.Due(0xFFFFFFFFu));
  EXPECT_FALSE(schedule.Due(5));  // 21 ms later
  EXPECT_TRUE(schedule.Due(9));   // 25 ms later
}

TEST(PluginPumpSchedule, DefaultPeriodKeepsInputWaitingWellUnderATenthOfASecond) {
  EXPECT_LE(PumpSchedule::kDefaultPeriodMs, 30u);
  EXPECT_GE(PumpSchedule::kDefaultPeriodMs, 10u);
}

}  // namespace
