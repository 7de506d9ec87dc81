#include <gtest/gtest.h>

#include <vector>

#include "platform/clock/clock.h"
#include "platform/display/display.h"
#include "platform/headless/headless_clock.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"

namespace {

using namespace platform;

class Timers : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_messages();
    window = create_window();
    ASSERT_NE(window, nullptr);
    start = now_ms();
  }
  void TearDown() override {
    destroy_window(window);
    reset_messages();
  }

  Window* window = nullptr;
  std::int64_t start = 0;
};

TEST_F(Timers, TickIsDueOnePeriodAfterSettingAndEveryPeriodAfter) {
  ASSERT_TRUE(set_timer(window, 1, 800));
  EXPECT_EQ(next_timer_due_ms(), start + 800);
  EXPECT_FALSE(message_waiting());

  headless::advance_ms(799);
  EXPECT_FALSE(message_waiting());
  headless::advance_ms(1);
  ASSERT_TRUE(message_waiting());
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.window, window);
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(m.first_parameter, 1u);
  EXPECT_EQ(next_timer_due_ms(), start + 1600);
  EXPECT_FALSE(peek_message(m));
}

TEST_F(Timers, TicksDueWhileOneWaitsUntakenAreDropped) {
  ASSERT_TRUE(set_timer(window, 1, 800));
  headless::advance_ms(2500);
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_FALSE(peek_message(m));
  // The grid is kept: the next tick is the one at 3200.
  EXPECT_EQ(next_timer_due_ms(), start + 3200);
}

TEST_F(Timers, ATickWaitsBehindPostedMessagesAndTheQuitRequest) {
  ASSERT_TRUE(set_timer(window, 1, 400));
  headless::advance_ms(400);
  post_message(window, WM_CHAR, 65, 0);
  post_quit_message(0);
  Message m;
  std::vector<std::uint32_t> order;
  while (peek_message(m)) order.push_back(m.message);
  EXPECT_EQ(order, (std::vector<std::uint32_t>{WM_CHAR, WM_QUIT, WM_TIMER}));
}

TEST_F(Timers, SettingAgainRestartsWithTheNewPeriodAndDropsTheWaitingTick) {
  ASSERT_TRUE(set_timer(window, 1, 800));
  headless::advance_ms(900);
  ASSERT_TRUE(message_waiting());
  ASSERT_TRUE(set_timer(window, 1, 400));
  EXPECT_FALSE(message_waiting());
  EXPECT_EQ(next_timer_due_ms(), start + 1300);
}

TEST_F(Timers, KillingRemovesTheTimerAndItsWaitingTick) {
  ASSERT_TRUE(set_timer(window, 1, 800));
  headless::advance_ms(800);
  ASSERT_TRUE(message_waiting());
  EXPECT_TRUE(kill_timer(window, 1));
  EXPECT_FALSE(message_waiting());
  EXPECT_FALSE(next_timer_due_ms().has_value());
  EXPECT_FALSE(kill_timer(window, 1));
}

TEST_F(Timers, PeriodsAreHeldToTheSystemsRange) {
  ASSERT_TRUE(set_timer(window, 1, 0));
  EXPECT_EQ(next_timer_due_ms(), start + shortest_timer_period_ms);
  ASSERT_TRUE(set_timer(window, 1, std::int64_t{1} << 40));
  EXPECT_EQ(next_timer_due_ms(), start + longest_timer_period_ms);
}

}  // namespace
