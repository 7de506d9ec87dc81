#include "shell/startup.h"

#include <gtest/gtest.h>

#include <string>

#include "book/text_page.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/display/surfaces.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_input.h"
#include "platform/headless/headless_message_box.h"
#include "screens/editor_state/editor_state.h"
#include "shell/program_state.h"

namespace headless = platform::headless;
using headless::Refusal;

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override {
    shutdown();
    platform::destroy_window(screen.main_window);
    reset();
  }
  static void reset() {
    headless::reset_refusals();
    headless::refuse_mouse(false);
    headless::clear_message_boxes();
  }

  void expect_failure_report(const std::string& text) {
    ASSERT_EQ(headless::message_boxes().size(), 1u);
    const headless::MessageBoxEntry& box = headless::message_boxes()[0];
    EXPECT_EQ(box.caption, "ROZEVA");
    EXPECT_EQ(box.text, text);
    // The box comes only after the display was given back.
    EXPECT_FALSE(box.display.display_open || box.display.mode_switched || box.display.exclusive);
    const auto record = headless::display_record();
    EXPECT_FALSE(record.display_open);
    EXPECT_FALSE(record.mode_switched);
    EXPECT_FALSE(record.exclusive);
    EXPECT_EQ(record.windows_open, 0);
    EXPECT_EQ(screen.primary_surface, nullptr);
    EXPECT_EQ(screen.interface_atlas, nullptr);
    EXPECT_EQ(screen.font_large, nullptr);
    EXPECT_EQ(mouse_objects.device, nullptr);
  }
};

}  // namespace

TEST_F(StartupTest, BuildsTheWholeScreenContextIn32Bits) {
  ASSERT_TRUE(startup());
  EXPECT_EQ(screen.startup_error, 0);
  ASSERT_NE(screen.primary_surface, nullptr);
  EXPECT_EQ(screen.back_buffer, platform::get_back_buffer(screen.primary_surface));
  for (platform::Surface* s : {screen.interface_atlas, screen.page_surface, screen.blink_frame_0, screen.blink_frame_1}) {
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->width, 1024);
    EXPECT_EQ(s->height, 768);
    EXPECT_TRUE(s->color_key_black);
    EXPECT_EQ(s->format, platform::PixelFormat::xrgb8888);
  }
  EXPECT_NE(screen.system_font, nullptr);
  EXPECT_NE(screen.font_small, nullptr);
  EXPECT_NE(screen.font_medium, nullptr);
  EXPECT_NE(screen.font_large, nullptr);
  EXPECT_NE(mouse_objects.device, nullptr);
  EXPECT_TRUE(headless::message_boxes().empty());
}

TEST_F(StartupTest, FallsBackTo16BitsWithoutAWord) {
  headless::refuse(Refusal::mode_32_bit);
  ASSERT_TRUE(startup());
  EXPECT_EQ(screen.page_surface->format, platform::PixelFormat::rgb565);
  EXPECT_EQ(headless::display_record().mode_bits, 16);
  EXPECT_TRUE(headless::message_boxes().empty());
}

TEST_F(StartupTest, EachFailedStepShowsItsTextAndGivesTheDisplayBack) {
  struct Case {
    Refusal refusal;
    const char* text;
  };
  const Case cases[] = {
      {Refusal::display_object, "2 DIREKTX-OBJEKT kann nicht erstellt werden"},
      {Refusal::exclusive_mode, "3 FULLSCREENMODE kann nicht erstellt werden"},
      {Refusal::primary_surface, "5 Zuwenig Ram-Speicher auf der VGA-KARTE (min. 16 MB)"},
      {Refusal::back_buffer, "6 Backbuffer kann nicht initalisiert werden"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    reset();
    headless::refuse(c.refusal);
    EXPECT_FALSE(startup());
    expect_failure_report(c.text);
  }
}

TEST_F(StartupTest, NeitherDepthShowsText4) {
  headless::refuse(Refusal::mode_32_bit);
  headless::refuse(Refusal::mode_16_bit);
  EXPECT_FALSE(startup());
  EXPECT_EQ(screen.startup_error, 4);
  expect_failure_report("4 Videomodus 800/600 32 Bit kann nicht aufgerufen werden");
}

TEST_F(StartupTest, AnyOffscreenSurfaceFailingShowsText7) {
  for (int nth = 1; nth <= 4; ++nth) {
    SCOPED_TRACE(nth);
    reset();
    headless::refuse_offscreen_surface(nth);
    EXPECT_FALSE(startup());
    expect_failure_report("7 Zuwenig freier Hauptspeicher (min. 128 MB)");
  }
}

TEST_F(StartupTest, AFailedMouseReportsBeforeAnyDisplayObjectExists) {
  headless::refuse_mouse(true);
  EXPECT_FALSE(startup());
  expect_failure_report("MAUSINIT FEHLER");
  EXPECT_EQ(screen.ddraw, nullptr);
}

TEST_F(StartupTest, AFailedWindowEndsWithoutAMessage) {
  headless::refuse(Refusal::window);
  EXPECT_FALSE(startup());
  EXPECT_EQ(screen.startup_error, 1);
  EXPECT_TRUE(headless::message_boxes().empty());
  EXPECT_FALSE(headless::display_record().display_open);
}

TEST_F(StartupTest, ShutdownTwiceReleasesNothingTheSecondTime) {
  ASSERT_TRUE(startup());
  shutdown();
  EXPECT_FALSE(headless::display_record().display_open);
  EXPECT_FALSE(headless::display_record().mode_switched);
  EXPECT_EQ(screen.primary_surface, nullptr);
  EXPECT_EQ(screen.back_buffer, nullptr);
  EXPECT_EQ(screen.blink_frame_1, nullptr);
  EXPECT_EQ(screen.system_font, nullptr);
  shutdown();
  EXPECT_EQ(screen.ddraw, nullptr);
}

TEST_F(StartupTest, ResettingTheProgramStateReleasesARunAndStartsEveryRecordAfresh) {
  ASSERT_TRUE(startup());
  screen.loaded_picture[1] = 3;
  text_page.text_line_count = 5;
  editor.keys_enabled = 1;
  editor.nav_bar.right = 1014;
  mouse.mouse_x = 1;
  reset_program_state();
  EXPECT_EQ(headless::display_record().windows_open, 0);
  EXPECT_FALSE(headless::display_record().display_open);
  EXPECT_EQ(mouse_objects.device, nullptr);
  EXPECT_EQ(screen.main_window, nullptr);
  EXPECT_EQ(screen.loaded_picture[1], 0);
  EXPECT_EQ(text_page.text_line_count, 0);
  EXPECT_EQ(editor.keys_enabled, 0);
  EXPECT_EQ(editor.nav_bar.right, 0);
  EXPECT_EQ(mouse.mouse_x, 497);
  EXPECT_TRUE(startup()) << "nothing of the first run is in the way";
}
