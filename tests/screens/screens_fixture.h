#pragma once
// A started program on the headless display, working in a fresh book folder, with the book,
// the mouse and the text page at their start-up values.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/display/display.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_message_box.h"
#include "shell/startup.h"
#include "support/started_program.h"
#include "support/temp_dir.h"

class ScreensTest : public StartedProgramTest {
 protected:
  void SetUp() override {
    StartedProgramTest::SetUp();
    reset_text_page();
  }
};
