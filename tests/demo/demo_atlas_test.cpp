// The interface atlas as the program loads it: pure black only where a keyed copy is meant to
// let the page show through, and never inside a face, the cursor's arrow or the mark symbol.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "demo/atlas.h"
#include "demo/file_formats.h"
#include "platform/bmp/bmp.h"

namespace {

constexpr std::uint32_t black = 0;

TEST(DemoAtlas, LeavesBlackOnlyWhereKeyedCopiesMustShowThrough) {
  const std::vector<std::uint8_t> file = demo::encode_bmp24(demo::draw_interface_atlas());
  const auto atlas = platform::decode_bmp(file.data(), file.size());
  ASSERT_TRUE(atlas);
  ASSERT_EQ(atlas->width, 1024);
  ASSERT_EQ(atlas->height, 768);
  // The cursor: a white arrow, outlined in near-black, on black.
  std::set<std::uint32_t> cursor_colours;
  for (int y = 0; y < atlas::cursor.height; ++y)
    for (int x = 0; x < atlas::cursor.width; ++x) cursor_colours.insert(atlas->at(atlas::cursor.x + x, atlas::cursor.y + y));
  EXPECT_TRUE(cursor_colours.count(black) && cursor_colours.count(0xFFFFFF));
  EXPECT_EQ(cursor_colours.size(), 3u);
  EXPECT_NE(atlas->at(0, 0), black) << "the arrow's tip is the click point";
  const AtlasRect save_under = atlas::cursor_save_under;
  for (int y = save_under.y; y < save_under.y + save_under.height; ++y)
    for (int x = save_under.x; x < save_under.x + save_under.width; ++x)
      EXPECT_EQ(atlas->at(x, y), black) << "the cursor save-under stays free";
  // Navigation faces: black outside the round face, never black inside it.
  for (int face = 0; face < 3; ++face) {
    const int left = atlas::nav_bar.x + 58 * face;
    EXPECT_EQ(atlas->at(left, 0), black);
    EXPECT_EQ(atlas->at(left + 57, 57), black);
    for (int y = 0; y < 58; ++y)
      for (int x = 0; x < 58; ++x)
        if (std::hypot(x + 0.5 - 29, y + 0.5 - 29) < 24) {
          ASSERT_NE(atlas->at(left + x, y), black) << face;
        }
  }
  // The mark symbol, also the sliders' knob.
  EXPECT_EQ(atlas->at(atlas::mark_symbol.x, atlas::mark_symbol.y), black);
  for (int y = 53; y < 65; ++y)
    for (int x = 229; x < 259; ++x) ASSERT_NE(atlas->at(x, y), black);
  // 48 level strips, each its own.
  for (int level = 1; level < atlas::level_count; ++level) {
    const auto row = [&](int l) {
      const AtlasRect strip = atlas::level_strip(l);
      std::vector<std::uint32_t> pixels;
      for (int x = strip.x; x < strip.x + strip.width; ++x) pixels.push_back(atlas->at(x, strip.y + 8));
      return pixels;
    };
    EXPECT_NE(row(level), row(level + 1)) << level;
  }
}

}  // namespace
