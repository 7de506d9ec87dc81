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
#include "support/started_program.h"
#include "support/temp_dir.h"

class GraphicsTest : public StartedProgramTest {
 protected:
  void write_picture(const std::string& name, int w, int h, std::uint32_t rgb) {
    dir_.write(name, test_support::make_solid_bmp24(w, h, rgb));
  }
  static platform::Rgb rgb(std::uint32_t v) {
    return {static_cast<int>(v >> 16 & 255), static_cast<int>(v >> 8 & 255), static_cast<int>(v & 255)};
  }
};
