#include <gtest/gtest.h>

#include <vector>

#include "platform/display/display.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"

namespace {

using namespace platform;

struct Received {
  Window* window;
  std::uint32_t message;
  std::uintptr_t first_parameter;
  std::intptr_t second_parameter;
};

std::vector<Received> received;

// Records every call and leaves the rest to the default handling, as the program's does.
std::intptr_t recording_procedure(Window* window, std::uint32_t message, std::uintptr_t first,
                                  std::intptr_t second) {
  received.push_back({window, message, first, second});
  if (message == WM_DESTROY) post_quit_message(0);
  return default_window_procedure(window, message, first, second);
}

class MessageQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_messages();
    received.clear();
    register_window_procedure(recording_procedure);
    window = create_window();
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    destroy_window(window);
    reset_messages();
  }

  Window* window = nullptr;
};

TEST_F(MessageQueue, GivesPostedMessagesInOrderThenTheQuitRequestOnce) {
  EXPECT_FALSE(message_waiting());
  ASSERT_TRUE(post_message(window, WM_KEYDOWN, VK_F1, 7));
  post_quit_message(3);
  ASSERT_TRUE(post_message(window, WM_CHAR, 196, 0));
  EXPECT_TRUE(message_waiting());

  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.window, window);
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.first_parameter, VK_F1);
  EXPECT_EQ(m.second_parameter, 7);
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_CHAR);
  // The quit request waits behind everything posted, before it or after it.
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.window, nullptr);
  EXPECT_EQ(m.first_parameter, 3u);
  EXPECT_FALSE(peek_message(m));
  EXPECT_FALSE(message_waiting());
}

TEST_F(MessageQueue, RefusesMessagesForAWindowThatNoLongerExists) {
  Window* gone = create_window();
  Window* const stale = gone;
  destroy_window(gone);
  reset_messages();
  register_window_procedure(recording_procedure);
  received.clear();

  EXPECT_FALSE(post_message(stale, WM_USER, 0, 0));
  EXPECT_FALSE(set_timer(stale, 1, 800));
  EXPECT_EQ(send_message(stale, WM_USER, 0, 0), 0);
  EXPECT_TRUE(received.empty());
  EXPECT_FALSE(message_waiting());
  // A message without a window is the program's own and is kept.
  EXPECT_TRUE(post_message(nullptr, WM_USER, 0, 0));
  EXPECT_TRUE(message_waiting());
}

TEST_F(MessageQueue, TranslateTurnsOnlyTheFourCharacterKeysIntoCharacters) {
  for (const std::uintptr_t key : {VK_RETURN, VK_F1, VK_ESCAPE, VK_BACK, std::uintptr_t{'A'}, VK_TAB})
    translate_message(Message{window, WM_KEYDOWN, key, 0});
  EXPECT_FALSE(translate_message(Message{window, WM_CHAR, VK_RETURN, 0}));
  Message m;
  std::vector<std::uintptr_t> characters;
  while (peek_message(m)) {
    EXPECT_EQ(m.message, WM_CHAR);
    EXPECT_EQ(m.window, window);
    characters.push_back(m.first_parameter);
  }
  EXPECT_EQ(characters, (std::vector<std::uintptr_t>{13, 27, 8, 9}));
}

TEST_F(MessageQueue, DispatchHandsTheMessageToTheProcedure) {
  dispatch_message(Message{window, WM_KEYDOWN, VK_F12, 5});
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].window, window);
  EXPECT_EQ(received[0].message, WM_KEYDOWN);
  EXPECT_EQ(received[0].first_parameter, VK_F12);
  EXPECT_EQ(received[0].second_parameter, 5);
}

TEST_F(MessageQueue, ShowingTheWindowActivatesItBeforeReturning) {
  show_window(window);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].message, WM_ACTIVATE);
  EXPECT_EQ(received[0].first_parameter, WA_ACTIVE);
  EXPECT_FALSE(message_waiting());
}

TEST_F(MessageQueue, InputGoesToTheNewestLiveWindow) {
  EXPECT_EQ(input_window(), window);
  Window* second = create_window();
  EXPECT_EQ(input_window(), second);
  destroy_window(second);
  EXPECT_EQ(input_window(), window);
}

class WindowDestruction : public MessageQueue {};

TEST_F(WindowDestruction, CloseDestroysTheWindowWhichReceivesDestroyAtOnce) {
  dispatch_message(Message{window, WM_CLOSE, 0, 0});
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].message, WM_CLOSE);
  EXPECT_EQ(received[1].message, WM_DESTROY);
  EXPECT_EQ(received[1].window, window);
  EXPECT_EQ(input_window(), nullptr);

  // The destroy handler's quit request ends the pump.
  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_QUIT);
  window = nullptr;  // gone with the close
}

TEST_F(WindowDestruction, DestroyingSendsDestroyOnceAndDropsTheWindowsMessagesAndTimers) {
  post_message(window, WM_KEYDOWN, VK_F1, 0);
  post_message(nullptr, WM_USER, 0, 0);
  ASSERT_TRUE(set_timer(window, 1, 800));

  destroy_window(window);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].message, WM_DESTROY);
  EXPECT_FALSE(next_timer_due_ms().has_value());

  Message m;
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_EQ(m.window, nullptr);
  ASSERT_TRUE(peek_message(m));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_FALSE(peek_message(m));
}

}  // namespace
