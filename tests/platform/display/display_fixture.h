#pragma once
// A display taken the way start-up takes it, given back after each test so the next one
// starts from nothing held.
#include <gtest/gtest.h>

#include "platform/display/display.h"
#include "platform/display/surfaces.h"
#include "platform/headless/headless_display.h"

namespace display_test {

class HeldDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::headless::reset_refusals();
    window = platform::create_window();
    display = platform::create_display_object();
    ASSERT_TRUE(platform::set_exclusive_mode(window));
  }

  void TearDown() override {
    platform::release_surface(offscreen);
    platform::release_surface(primary);
    back = nullptr;
    platform::release_display_object(display);
    platform::destroy_window(window);
    platform::headless::reset_refusals();
  }

  // Switches the mode and builds the flip chain.
  void build_chain(int bits) {
    ASSERT_TRUE(platform::set_display_mode(platform::screen_width, platform::screen_height, bits));
    primary = platform::create_primary_surface();
    ASSERT_NE(primary, nullptr);
    back = platform::get_back_buffer(primary);
    ASSERT_NE(back, nullptr);
  }

  platform::Window* window = nullptr;
  platform::DisplayObject* display = nullptr;
  platform::Surface* primary = nullptr;
  platform::Surface* back = nullptr;
  platform::Surface* offscreen = nullptr;
};

}  // namespace display_test
