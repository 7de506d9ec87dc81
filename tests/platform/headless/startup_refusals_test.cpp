#include <gtest/gtest.h>

#include <string>

#include "platform/display/display.h"
#include "platform/display/surfaces.h"
#include "platform/headless/headless_display.h"

namespace {

using platform::headless::Refusal;

constexpr int offscreen_count = 4;

// Walks the display start-up in the program's order and names the first step refused;
// everything taken is given back afterwards, as shutdown would.
class StartupSteps : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless::reset_refusals(); }

  void TearDown() override {
    for (platform::Surface*& s : offscreens) platform::release_surface(s);
    platform::release_surface(primary);
    back = nullptr;
    platform::release_display_object(display);
    platform::destroy_window(window);
    platform::headless::reset_refusals();
    const platform::headless::DisplayRecord record = platform::headless::display_record();
    EXPECT_EQ(record.windows_open, 0);
    EXPECT_FALSE(record.display_open);
    EXPECT_FALSE(record.exclusive);
    EXPECT_FALSE(record.mode_switched);
  }

  std::string run_startup() {
    window = platform::create_window();
    if (window == nullptr) return "window";
    display = platform::create_display_object();
    if (display == nullptr) return "display object";
    if (!platform::set_exclusive_mode(window)) return "exclusive mode";
    if (!platform::set_display_mode(platform::screen_width, platform::screen_height,
                                    platform::mode_bits_32) &&
        !platform::set_display_mode(platform::screen_width, platform::screen_height,
                                    platform::mode_bits_16))
      return "display mode";
    primary = platform::create_primary_surface();
    if (primary == nullptr) return "primary surface";
    back = platform::get_back_buffer(primary);
    if (back == nullptr) return "back buffer";
    for (int i = 0; i < offscreen_count; ++i) {
      offscreens[i] = platform::create_offscreen_surface(platform::screen_width, platform::screen_height);
      if (offscreens[i] == nullptr) return "off-screen surface " + std::to_string(i + 1);
      platform::set_color_key_black(offscreens[i]);
    }
    return "none";
  }

  platform::Window* window = nullptr;
  platform::DisplayObject* display = nullptr;
  platform::Surface* primary = nullptr;
  platform::Surface* back = nullptr;
  platform::Surface* offscreens[offscreen_count] = {};
};

TEST_F(StartupSteps, EverythingIsGrantedWithoutRefusals) {
  EXPECT_EQ(run_startup(), "none");
  const platform::headless::DisplayRecord record = platform::headless::display_record();
  EXPECT_EQ(record.windows_open, 1);
  EXPECT_TRUE(record.display_open);
  EXPECT_TRUE(record.exclusive);
  EXPECT_TRUE(record.mode_switched);
  EXPECT_EQ(record.mode_bits, platform::mode_bits_32);
  EXPECT_EQ(primary->format, platform::PixelFormat::xrgb8888);
}

TEST_F(StartupSteps, EachRefusalStopsStartUpAtItsOwnStep) {
  const std::pair<Refusal, const char*> cases[] = {
      {Refusal::window, "window"},
      {Refusal::display_object, "display object"},
      {Refusal::exclusive_mode, "exclusive mode"},
      {Refusal::primary_surface, "primary surface"},
      {Refusal::back_buffer, "back buffer"},
  };
  for (const auto& [refusal, step] : cases) {
    TearDown();
    platform::headless::refuse(refusal);
    EXPECT_EQ(run_startup(), step);
  }
}

TEST_F(StartupSteps, EachOffscreenSurfaceCanBeRefusedAlone) {
  for (int nth = 1; nth <= offscreen_count; ++nth) {
    TearDown();
    platform::headless::refuse_offscreen_surface(nth);
    EXPECT_EQ(run_startup(), "off-screen surface " + std::to_string(nth));
    for (int i = 0; i < nth - 1; ++i) EXPECT_NE(offscreens[i], nullptr);
  }
}

TEST_F(StartupSteps, OffscreenCountStartsAgainWithEachDisplayObject) {
  platform::headless::refuse_offscreen_surface(2);
  EXPECT_EQ(run_startup(), "off-screen surface 2");
  TearDown();
  platform::headless::refuse_offscreen_surface(2);
  EXPECT_EQ(run_startup(), "off-screen surface 2");
}

TEST_F(StartupSteps, DisplayWithout32BitsFallsBackTo16BitSurfaces) {
  platform::headless::refuse(Refusal::mode_32_bit);
  EXPECT_EQ(run_startup(), "none");
  EXPECT_EQ(platform::headless::display_record().mode_bits, platform::mode_bits_16);
  EXPECT_EQ(primary->format, platform::PixelFormat::rgb565);
  EXPECT_EQ(back->format, platform::PixelFormat::rgb565);
  EXPECT_EQ(offscreens[3]->format, platform::PixelFormat::rgb565);
}

TEST_F(StartupSteps, DisplayWithNeitherDepthRefusesTheModeAndIsGivenBack) {
  platform::headless::refuse(Refusal::mode_32_bit);
  platform::headless::refuse(Refusal::mode_16_bit);
  EXPECT_EQ(run_startup(), "display mode");
  EXPECT_FALSE(platform::headless::display_record().mode_switched);
  platform::release_display_object(display);
  const platform::headless::DisplayRecord record = platform::headless::display_record();
  EXPECT_FALSE(record.exclusive);
  EXPECT_FALSE(record.display_open);
}

TEST_F(StartupSteps, ResetLiftsEveryRefusal) {
  for (const Refusal r : {Refusal::window, Refusal::display_object, Refusal::exclusive_mode,
                          Refusal::mode_32_bit, Refusal::mode_16_bit, Refusal::primary_surface,
                          Refusal::back_buffer, Refusal::text_context})
    platform::headless::refuse(r);
  platform::headless::refuse_offscreen_surface(1);
  platform::headless::reset_refusals();
  EXPECT_EQ(run_startup(), "none");
  EXPECT_EQ(platform::headless::display_record().mode_bits, platform::mode_bits_32);
  EXPECT_TRUE(platform::text_context_available(back));
}

TEST_F(StartupSteps, TextContextRefusalTouchesTextOnly) {
  platform::headless::refuse(Refusal::text_context);
  EXPECT_EQ(run_startup(), "none");
  EXPECT_FALSE(platform::text_context_available(nullptr));
  EXPECT_FALSE(platform::text_context_available(back));
  EXPECT_FALSE(platform::text_context_available(primary));
  EXPECT_TRUE(platform::flip(primary));
}

using DisplayGivenBack = StartupSteps;

TEST_F(DisplayGivenBack, ReleasingTheDisplayObjectRestoresModeAndExclusiveMode) {
  ASSERT_EQ(run_startup(), "none");
  platform::release_display_object(display);
  EXPECT_EQ(display, nullptr);
  const platform::headless::DisplayRecord record = platform::headless::display_record();
  EXPECT_FALSE(record.mode_switched);
  EXPECT_FALSE(record.exclusive);
  EXPECT_FALSE(record.display_open);
  platform::release_display_object(display);
}

TEST_F(DisplayGivenBack, RestoringTheModeLeavesExclusiveModeAndKeepsTheObject) {
  ASSERT_EQ(run_startup(), "none");
  platform::restore_display_mode();
  const platform::headless::DisplayRecord record = platform::headless::display_record();
  EXPECT_FALSE(record.mode_switched);
  EXPECT_FALSE(record.exclusive);
  EXPECT_TRUE(record.display_open);
  EXPECT_FALSE(platform::set_display_mode(platform::screen_width, platform::screen_height,
                                          platform::mode_bits_32))
      << "a mode needs exclusive mode";
}

TEST_F(DisplayGivenBack, OnlyOneDisplayObjectHoldsTheDisplay) {
  ASSERT_EQ(run_startup(), "none");
  EXPECT_EQ(platform::create_display_object(), nullptr);
}

TEST_F(DisplayGivenBack, OnlyTheScreenSizeAtThirtyTwoOrSixteenBitsIsAMode) {
  window = platform::create_window();
  display = platform::create_display_object();
  EXPECT_FALSE(platform::set_exclusive_mode(nullptr));
  ASSERT_TRUE(platform::set_exclusive_mode(window));
  EXPECT_FALSE(platform::set_display_mode(800, 600, platform::mode_bits_32));
  EXPECT_FALSE(platform::set_display_mode(platform::screen_width, platform::screen_height, 24));
  EXPECT_FALSE(platform::set_display_mode(platform::screen_width, platform::screen_height, 8));
  EXPECT_FALSE(platform::headless::display_record().mode_switched);
}

}  // namespace
