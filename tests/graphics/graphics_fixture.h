#pragma once
// A started program on the headless display, working in a fresh book folder.
#include <gtest/gtest.h>

#include <cstring>

#include "book/configuration.h"
#include "graphics/picture_files.h"
#include "graphics/screen_context.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_message_box.h"
#include "shell/startup.h"
#include "support/bmp_writer.h"
#include "support/temp_dir.h"

class GraphicsTest : public ::testing::Test {
 protected:
  GraphicsTest() : cwd_(dir_.path()) {}

  void SetUp() override {
    platform::headless::reset_refusals();
    reset_configuration();
    set_default_names();
    forget_loaded_pictures();
    ASSERT_TRUE(startup());
  }
  void TearDown() override {
    shutdown();
    platform::destroy_window(screen.main_window);
    platform::headless::reset_refusals();
    platform::headless::clear_message_boxes();
  }

  void write_picture(const std::string& name, int w, int h, std::uint32_t rgb) {
    dir_.write(name, test_support::make_solid_bmp24(w, h, rgb));
  }
  static platform::Rgb rgb(std::uint32_t v) {
    return {static_cast<int>(v >> 16 & 255), static_cast<int>(v >> 8 & 255), static_cast<int>(v & 255)};
  }

  test_support::TempDir dir_;
  test_support::ScopedWorkingDir cwd_;
};
