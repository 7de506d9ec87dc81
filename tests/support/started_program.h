#pragma once
// A started program on the headless display, working in a fresh book folder, with every global
// record at its start-up values and the default name prefixes set.
#include <gtest/gtest.h>

#include "book/configuration.h"
#include "graphics/screen_context.h"
#include "platform/display/display.h"
#include "platform/display/surface.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_message_box.h"
#include "shell/program_state.h"
#include "shell/startup.h"
#include "support/temp_dir.h"

class StartedProgramTest : public ::testing::Test {
 protected:
  StartedProgramTest() : cwd_(dir_.path()) {}

  void SetUp() override {
    platform::headless::reset_refusals();
    reset_program_state();
    set_default_names();
    ASSERT_TRUE(startup());
  }
  void TearDown() override {
    reset_program_state();
    platform::headless::reset_refusals();
    platform::headless::clear_message_boxes();
  }

  static void fill(platform::Surface* s, platform::Rgb colour) {
    for (int y = 0; y < s->height; ++y)
      for (int x = 0; x < s->width; ++x) platform::write_pixel(*s, x, y, colour);
  }

  static int count_of(const platform::Surface* s, platform::Rgb colour, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) n += platform::read_pixel(*s, x, y) == colour;
    return n;
  }

  test_support::TempDir dir_;
  test_support::ScopedWorkingDir cwd_;
};
