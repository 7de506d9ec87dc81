#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock/clock.h"
#include "platform/display/display.h"
#include "platform/headless/headless_messages.h"
#include "platform/input/mouse_device.h"
#include "platform/messages/message_wait.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"

namespace {

using namespace platform;
using headless::ProgramOutlivedScript;
using headless::ShotFolder;

struct Handled {
  std::uint32_t message;
  std::uintptr_t first_parameter;
  std::int64_t at_ms;
};

std::vector<Handled> handled;
MouseDevice* device = nullptr;
bool closes_ignored = false;

// A window procedure like the program's where it matters here: activation acquires the
// mouse, destruction asks the pump to end, the rest goes to the default handling.
std::intptr_t test_procedure(Window* window, std::uint32_t message, std::uintptr_t first,
                             std::intptr_t second) {
  handled.push_back({message, first, now_ms()});
  if (message == WM_ACTIVATE) {
    if (first == WA_ACTIVE || first == WA_CLICKACTIVE)
      acquire_mouse(device);
    else
      unacquire_mouse(device);
  }
  if (message == WM_DESTROY) post_quit_message(0);
  if (message == WM_CLOSE && closes_ignored) return 0;
  return default_window_procedure(window, message, first, second);
}

class ScriptDelivery : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_messages();
    handled.clear();
    closes_ignored = false;
    register_window_procedure(test_procedure);
    window = create_window();
    ASSERT_NE(window, nullptr);
    input = create_input_object();
    device = create_mouse_device(input, window);
    event = create_mouse_event();
    ASSERT_TRUE(set_mouse_notification(device, event));
    ASSERT_TRUE(set_mouse_buffer_size(device, mouse_buffer_items));
    acquire_mouse(device);
    start = now_ms();
  }
  void TearDown() override {
    release_input_object(input);
    release_mouse_device(device);
    close_mouse_event(event);
    destroy_window(window);
    reset_messages();
    headless::start_script({}, nullptr);
  }

  void run_script(std::string_view text) {
    headless::ParsedScript parsed = headless::parse_script(text, ShotFolder::given);
    ASSERT_TRUE(parsed.errors.empty());
    headless::start_script(std::move(parsed.lines), [this](const std::string& name) {
      shots.push_back(name + "@" + std::to_string(now_ms() - start) + " after " +
                      std::to_string(handled.size()));
    });
  }

  // What the program's pump does after a message wake: take, translate and dispatch every
  // message; true when the quit message came.
  bool dispatch_all() {
    Message m;
    while (peek_message(m)) {
      if (m.message == WM_QUIT) return true;
      translate_message(m);
      dispatch_message(m);
    }
    return false;
  }

  std::vector<MouseItem> buffered_items() {
    std::vector<MouseItem> items;
    MouseItem item;
    while (read_mouse_item(device, item) == MouseReadResult::item) items.push_back(item);
    return items;
  }

  // Pumps until the quit message; the number of wakes.
  int pump_to_quit() {
    for (int wakes = 1;; ++wakes) {
      if (wait_for_mouse_event_or_message(event) == WaitWake::mouse_event)
        buffered_items();
      else if (dispatch_all())
        return wakes;
    }
  }

  Window* window = nullptr;
  InputObject* input = nullptr;
  MouseEvent* event = nullptr;
  std::int64_t start = 0;
  std::vector<std::string> shots;
};

TEST_F(ScriptDelivery, EachMouseLineWakesTheWaitOnceWithItsItemsBuffered) {
  run_script("move 3 -4\nmove 0 7\nleft\nright\n");
  using Items = std::vector<std::pair<MouseItemKind, int>>;
  const Items expected[] = {
      {{MouseItemKind::x_axis, 3}, {MouseItemKind::y_axis, -4}},
      {{MouseItemKind::y_axis, 7}},
      {{MouseItemKind::button_0, 0x80}, {MouseItemKind::button_0, 0}},
      {{MouseItemKind::button_1, 0x80}, {MouseItemKind::button_1, 0}},
  };
  for (const Items& line_items : expected) {
    ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::mouse_event);
    Items items;
    for (const MouseItem& item : buffered_items()) items.push_back({item.kind, item.data});
    EXPECT_EQ(items, line_items);
  }
  EXPECT_FALSE(take_mouse_event());
}

TEST_F(ScriptDelivery, KeysCharactersFocusAndCloseArriveAsMessages) {
  run_script("key F12\nkey ENTER\nchar 65\ntype \xC3\x84x\nfocus 0\nclose\n");
  std::vector<std::vector<std::pair<std::uint32_t, std::uintptr_t>>> per_wake;
  for (int wake = 0; wake < 6; ++wake) {
    ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
    handled.clear();
    dispatch_all();
    per_wake.emplace_back();
    for (const Handled& h : handled) per_wake.back().push_back({h.message, h.first_parameter});
  }
  using Calls = std::vector<std::pair<std::uint32_t, std::uintptr_t>>;
  EXPECT_EQ(per_wake[0], (Calls{{WM_KEYDOWN, VK_F12}}));
  EXPECT_EQ(per_wake[1], (Calls{{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, 13}}));
  EXPECT_EQ(per_wake[2], (Calls{{WM_CHAR, 65}}));
  EXPECT_EQ(per_wake[3], (Calls{{WM_CHAR, 196}, {WM_CHAR, 'x'}}));
  EXPECT_EQ(per_wake[4], (Calls{{WM_ACTIVATE, WA_INACTIVE}}));
  EXPECT_EQ(per_wake[5], (Calls{{WM_CLOSE, 0}, {WM_DESTROY, 0}}));
  EXPECT_EQ(now_ms(), start);
  window = nullptr;  // destroyed by the close
}

TEST_F(ScriptDelivery, MouseLinesAreLostWhileTheWindowIsInactive) {
  run_script("focus 0\nleft\nmove 5 5\nfocus 1\nmove 2 0\n");
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  dispatch_all();
  // Both mouse lines pass without waking; the activation is the next wake.
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  dispatch_all();
  ASSERT_EQ(handled.size(), 2u);
  EXPECT_EQ(handled[1].first_parameter, WA_ACTIVE);
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::mouse_event);
  const std::vector<MouseItem> items = buffered_items();
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].kind, MouseItemKind::x_axis);
  EXPECT_EQ(items[0].data, 2);
}

TEST_F(ScriptDelivery, AWaitDeliversEveryTickAtItsDueTimeAndEndsOnTime) {
  ASSERT_TRUE(set_timer(window, 1, 800));
  run_script("wait 2500\nkey F1\n");
  std::vector<std::int64_t> tick_times;
  for (;;) {
    ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
    handled.clear();
    dispatch_all();
    ASSERT_EQ(handled.size(), 1u);
    if (handled[0].message != WM_TIMER) break;
    tick_times.push_back(handled[0].at_ms - start);
  }
  EXPECT_EQ(tick_times, (std::vector<std::int64_t>{800, 1600, 2400}));
  EXPECT_EQ(handled[0].message, WM_KEYDOWN);
  EXPECT_EQ(now_ms(), start + 2500);
}

TEST_F(ScriptDelivery, AWaitWithoutTimersPassesWithoutWaking) {
  run_script("wait 300\nwait 0\nwait 700\nkey F1\n");
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  EXPECT_EQ(now_ms(), start + 1000);
}

TEST_F(ScriptDelivery, ATickAlreadyDueWakesBeforeTheNextLine) {
  ASSERT_TRUE(set_timer(window, 1, 400));
  run_script("key F1\n");
  sleep_ms(500);  // the program's own pause passed a tick
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_FALSE(peek_message(m));
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_KEYDOWN);
}

TEST_F(ScriptDelivery, ShotsAreTakenWhileTheProgramWaitsWithoutWakingIt) {
  run_script("key F1\nwait 100\nshot one\nshot two\nkey F3\n");
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  dispatch_all();
  EXPECT_TRUE(shots.empty());
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  EXPECT_EQ(shots, (std::vector<std::string>{"one@100 after 1", "two@100 after 1"}));
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.first_parameter, VK_F3);
}

TEST_F(ScriptDelivery, TheEndOfTheScriptBringsOneCloseRequest) {
  run_script("left\n");
  EXPECT_EQ(pump_to_quit(), 2);
  ASSERT_GE(handled.size(), 2u);
  EXPECT_EQ(handled[handled.size() - 2].message, WM_CLOSE);
  EXPECT_EQ(handled.back().message, WM_DESTROY);
  window = nullptr;  // destroyed by the close
}

TEST_F(ScriptDelivery, AProgramStillWaitingAfterTheCloseIsReported) {
  closes_ignored = true;
  run_script("");
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  dispatch_all();
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].message, WM_CLOSE);
  EXPECT_THROW(wait_for_mouse_event_or_message(event), ProgramOutlivedScript);
  EXPECT_THROW(wait_for_mouse_event_or_message(event), ProgramOutlivedScript);
}

TEST_F(ScriptDelivery, WhatIsAlreadyThereWakesTheWaitBeforeAnyLine) {
  run_script("key F1\n");
  post_message(window, WM_USER, 0, 0);
  ASSERT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_FALSE(peek_message(m));

  // A signalled event wins over a waiting message.
  post_message(window, WM_USER, 0, 0);
  deliver_mouse_item(MouseItem{MouseItemKind::x_axis, 1});
  EXPECT_EQ(wait_for_mouse_event_or_message(event), WaitWake::mouse_event);
  EXPECT_EQ(wait_for_mouse_event_or_message(event), WaitWake::message);
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_USER);
  // A closed event is not waited for.
  deliver_mouse_item(MouseItem{MouseItemKind::x_axis, 1});
  EXPECT_EQ(wait_for_mouse_event_or_message(nullptr), WaitWake::message);
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_KEYDOWN);
}

}  // namespace
