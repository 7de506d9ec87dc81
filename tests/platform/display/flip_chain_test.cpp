#include <gtest/gtest.h>

#include "display_fixture.h"
#include "platform/display/rect_copy.h"
#include "surface_painting.h"

namespace {

using display_test::fill;
using display_test::HeldDisplay;
using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

constexpr Rgb frame_a{200, 40, 40};
constexpr Rgb frame_b{40, 200, 40};
constexpr Rgb black{0, 0, 0};

using FlipChain = HeldDisplay;

TEST_F(FlipChain, PrimaryAndBackBufferAreBlackScreensInTheModesFormat) {
  build_chain(platform::mode_bits_32);
  for (const Surface* s : {primary, back}) {
    EXPECT_EQ(s->width, platform::screen_width);
    EXPECT_EQ(s->height, platform::screen_height);
    EXPECT_EQ(s->format, PixelFormat::xrgb8888);
    EXPECT_FALSE(s->color_key_black);
    EXPECT_EQ(platform::read_pixel(*s, 512, 384), black);
  }
  EXPECT_NE(primary, back);
  EXPECT_EQ(platform::get_back_buffer(primary), back);
}

TEST_F(FlipChain, AfterOneFlipTheBackBufferHoldsTheFrameShownBefore) {
  build_chain(platform::mode_bits_32);
  fill(*back, frame_a);
  ASSERT_TRUE(platform::flip(primary));
  EXPECT_EQ(platform::read_pixel(*primary, 0, 0), frame_a);
  EXPECT_EQ(platform::read_pixel(*back, 0, 0), black);

  fill(*back, frame_b);
  ASSERT_TRUE(platform::flip(primary));
  EXPECT_EQ(platform::read_pixel(*primary, 1023, 767), frame_b);
  EXPECT_EQ(platform::read_pixel(*back, 1023, 767), frame_a);
}

TEST_F(FlipChain, SameFrameComposedTwiceWithTwoFlipsIsInBothBuffers) {
  build_chain(platform::mode_bits_32);
  Surface* page = platform::create_offscreen_surface(platform::screen_width, platform::screen_height);
  ASSERT_NE(page, nullptr);
  offscreen = page;
  fill(*page, frame_b);
  for (int pass = 0; pass < 2; ++pass) {
    platform::copy_rect(page, 0, 0, platform::screen_width, platform::screen_height, back, 0, 0);
    ASSERT_TRUE(platform::flip(primary));
  }
  EXPECT_EQ(primary->pixels, page->pixels);
  EXPECT_EQ(back->pixels, page->pixels);
}

TEST_F(FlipChain, FlipAndPresentShowThePrimaryOnTheDisplay) {
  build_chain(platform::mode_bits_32);
  const long before = platform::headless::display_record().presents;
  ASSERT_TRUE(platform::flip(primary));
  platform::present_primary();
  EXPECT_EQ(platform::headless::display_record().presents, before + 2);
}

TEST_F(FlipChain, FlipIsRefusedForAnythingButThePrimary) {
  build_chain(platform::mode_bits_32);
  fill(*back, frame_a);
  const long before = platform::headless::display_record().presents;
  EXPECT_FALSE(platform::flip(nullptr));
  EXPECT_FALSE(platform::flip(back));
  EXPECT_EQ(platform::read_pixel(*back, 5, 5), frame_a);
  EXPECT_EQ(platform::read_pixel(*primary, 5, 5), black);
  EXPECT_EQ(platform::headless::display_record().presents, before);
}

TEST_F(FlipChain, OnlyOnePrimaryAtATimeAndReleasingItFreesTheChain) {
  build_chain(platform::mode_bits_32);
  EXPECT_EQ(platform::create_primary_surface(), nullptr);
  Surface* back_slot = back;
  platform::release_surface(back_slot);
  EXPECT_EQ(back_slot, nullptr);
  EXPECT_TRUE(platform::flip(primary)) << "releasing the back buffer alone keeps the chain";

  platform::release_surface(primary);
  back = nullptr;
  EXPECT_EQ(primary, nullptr);
  primary = platform::create_primary_surface();
  EXPECT_NE(primary, nullptr);
  platform::present_primary();
}

TEST_F(FlipChain, NoPrimaryWithoutExclusiveMode) {
  platform::restore_display_mode();
  EXPECT_EQ(platform::create_primary_surface(), nullptr);
  EXPECT_EQ(platform::get_back_buffer(nullptr), nullptr);
  const long before = platform::headless::display_record().presents;
  platform::present_primary();
  EXPECT_EQ(platform::headless::display_record().presents, before);
}

TEST_F(FlipChain, SixteenBitModeGivesRgb565Chain) {
  build_chain(platform::mode_bits_16);
  EXPECT_EQ(primary->format, PixelFormat::rgb565);
  EXPECT_EQ(back->format, PixelFormat::rgb565);
  EXPECT_EQ(primary->pitch, platform::screen_width * 2);
  fill(*back, Rgb{255, 255, 255});
  ASSERT_TRUE(platform::flip(primary));
  EXPECT_EQ(platform::read_pixel(*primary, 10, 10), (Rgb{255, 255, 255}));
}

using LostSurfaces = HeldDisplay;

TEST_F(LostSurfaces, LostSurfaceRefusesCopiesUntilRestoredAndKeepsItsPixels) {
  build_chain(platform::mode_bits_32);
  offscreen = platform::create_offscreen_surface(64, 64);
  ASSERT_NE(offscreen, nullptr);
  display_test::paint_pattern(*offscreen);
  const Surface before = *offscreen;

  platform::mark_surface_lost(offscreen);
  EXPECT_TRUE(platform::surface_lost(offscreen));
  EXPECT_FALSE(platform::copy_rect(offscreen, 0, 0, 8, 8, back, 0, 0));
  EXPECT_FALSE(platform::copy_rect(back, 0, 0, 8, 8, offscreen, 0, 0));
  EXPECT_FALSE(platform::text_context_available(offscreen));

  EXPECT_TRUE(platform::restore_surface(offscreen));
  EXPECT_FALSE(platform::surface_lost(offscreen));
  EXPECT_EQ(offscreen->pixels, before.pixels);
  EXPECT_TRUE(platform::copy_rect(offscreen, 0, 0, 8, 8, back, 0, 0));
  EXPECT_TRUE(platform::text_context_available(offscreen));
}

TEST_F(LostSurfaces, ChainIsLostAndRestoredTogetherAndALostChainDoesNotFlip) {
  build_chain(platform::mode_bits_32);
  fill(*back, frame_a);
  platform::mark_surface_lost(back);
  EXPECT_TRUE(platform::surface_lost(primary));
  const long before = platform::headless::display_record().presents;
  EXPECT_FALSE(platform::flip(primary));
  platform::present_primary();
  EXPECT_EQ(platform::headless::display_record().presents, before);
  EXPECT_EQ(platform::read_pixel(*primary, 0, 0), black);

  platform::restore_surface(primary);
  EXPECT_FALSE(platform::surface_lost(back));
  EXPECT_TRUE(platform::flip(primary));
  EXPECT_EQ(platform::read_pixel(*primary, 0, 0), frame_a);
}

TEST_F(LostSurfaces, EmptySlotIsNeverLostAndCannotBeRestored) {
  Surface* empty = nullptr;
  platform::mark_surface_lost(empty);
  EXPECT_FALSE(platform::surface_lost(empty));
  EXPECT_FALSE(platform::restore_surface(empty));
}

}  // namespace
