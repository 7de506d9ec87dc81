#include "screens/text_page_view.h"

#include <filesystem>
#include <limits>

#include "graphics/text_output.h"
#include "screens_fixture.h"
#include "support/text_page_file.h"

using platform::Rgb;

namespace {

constexpr Rgb background{60, 90, 120};  // not black, so the shadows show
constexpr Rgb white{255, 255, 255};
constexpr std::int32_t int32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32_min = std::numeric_limits<std::int32_t>::min();

struct Line {
  std::int32_t x, y;
  std::string text;
};

using test_support::text_page_header;

class TextPageViewTest : public ScreensTest {
 protected:
  // Shows page 3 with text file `number`, written first unless contents is null.
  platform::PixelBytes show(const char* contents, std::int32_t number = 5) {
    if (contents) dir_.write("acst" + std::to_string(number) + ".DAT", contents);
    pages.current_page = 3;
    pages.text_file[3] = number;
    return draw([](DeviceContext& dc) { draw_text_page(dc); });
  }

  // The frame lines with shadows should give, drawn with the text primitives themselves.
  platform::PixelBytes with_shadows(const Font* font, Rgb colour, const std::vector<Line>& lines) {
    return draw([&](DeviceContext& dc) {
      select_font(dc, font);
      for (const Line& line : lines) {
        set_text_color(dc, 0, 0, 0);
        text_out(dc, line.x + 1, line.y + 1, line.text.c_str());
        set_text_color(dc, colour.r, colour.g, colour.b);
        text_out(dc, line.x, line.y, line.text.c_str());
      }
    });
  }

  platform::PixelBytes white_system_text(std::int32_t x, std::int32_t y, const char* text) {
    return draw([&](DeviceContext& dc) {
      select_font(dc, screen.system_font);
      set_text_color(dc, 255, 255, 255);
      text_out(dc, x, y, text);
    });
  }

  template <typename Drawing>
  platform::PixelBytes draw(Drawing drawing) {
    fill(screen.back_buffer, background);
    DeviceContext dc;
    EXPECT_TRUE(get_dc(screen.back_buffer, dc));
    set_bk_mode_transparent(dc);
    drawing(dc);
    release_dc(dc);
    return screen.back_buffer->pixels;
  }

  bool untouched() const {
    return count_of(screen.back_buffer, background, 0, 0, platform::screen_width, platform::screen_height) ==
           platform::screen_width * platform::screen_height;
  }
};

}  // namespace

TEST_F(TextPageViewTest, LinesHaveABlackShadowAndAnEmptyLineMovesOnlyByTheBlankStep) {
  const auto shown = show((text_page_header(100, 100, 1, 255, 0, 0) + "Es war\n\nein Igel\n#\n").c_str());
  EXPECT_EQ(text_page.line_step, 14);
  EXPECT_EQ(text_page.blank_step, 8);
  EXPECT_GT(count_of(screen.back_buffer, {255, 0, 0}, 100, 100, 200, 50), 50);
  EXPECT_GT(count_of(screen.back_buffer, {0, 0, 0}, 100, 100, 200, 50), 20);
  EXPECT_TRUE(shown ==
              with_shadows(screen.font_small, {255, 0, 0}, {{100, 100, "Es war"}, {100, 122, "ein Igel"}}));
}

TEST_F(TextPageViewTest, EachSizeCodeSelectsItsFontAndSteps) {
  struct Case {
    std::int32_t size;
    const Font* font;
    std::int32_t line_step, blank_step;
  };
  for (const Case& c : {Case{1, screen.font_small, 14, 8}, Case{2, screen.font_medium, 18, 10},
                        Case{3, screen.font_large, 22, 12}, Case{0, screen.system_font, 10, 6},
                        Case{7, screen.system_font, 10, 6}, Case{-1, screen.system_font, 10, 6}}) {
    SCOPED_TRACE(c.size);
    const auto shown = show((text_page_header(50, 60, c.size, 255, 255, 255) + "Aa\n\nBb\nCc\n").c_str());
    const auto expected = with_shadows(c.font, white,
                                       {{50, 60, "Aa"},
                                        {50, 60 + c.line_step + c.blank_step, "Bb"},
                                        {50, 60 + 2 * c.line_step + c.blank_step, "Cc"}});
    EXPECT_TRUE(shown == expected);
  }
}

TEST_F(TextPageViewTest, ColourComponentsTakeTheirLowByte) {
  const auto shown = show((text_page_header(20, 20, 3, 256, 511, -1) + "Farbe\n").c_str());
  EXPECT_GT(count_of(screen.back_buffer, {0, 255, 255}, 20, 20, 100, 32), 50);
  EXPECT_TRUE(shown == with_shadows(screen.font_large, {0, 255, 255}, {{20, 20, "Farbe"}}));
}

TEST_F(TextPageViewTest, TheLastCharacterOfACutOrUnendedLineIsNotDrawn) {
  const auto shown = show((text_page_header(10, 10, 1, 255, 255, 0) + std::string(100, 'x') + "\nEnde").c_str());
  EXPECT_TRUE(shown == with_shadows(screen.font_small, {255, 255, 0},
                                    {{10, 10, std::string(77, 'x')}, {10, 24, "End"}}));
}

TEST_F(TextPageViewTest, AtMostFortyLinesAreDrawn) {
  std::string text = text_page_header(0, 0, 0, 200, 200, 200);
  std::vector<Line> expected_lines;
  for (int i = 0; i < 45; ++i) {
    text += "Zeile " + std::to_string(i) + "\n";
    if (i < 40) expected_lines.push_back({0, 10 * i, "Zeile " + std::to_string(i)});
  }
  const auto shown = show(text.c_str());
  EXPECT_TRUE(shown == with_shadows(screen.system_font, {200, 200, 200}, expected_lines));
}

TEST_F(TextPageViewTest, AHashLineAfterTheHeaderDrawsNothingAndNoError) {
  show((text_page_header(10, 10, 1, 255, 255, 255) + "#\nText\n").c_str());
  EXPECT_TRUE(untouched());
}

TEST_F(TextPageViewTest, APageWithoutTextFileDrawsNothing) {
  dir_.write("acst0.DAT", text_page_header(10, 10, 1, 255, 255, 255) + "Text\n");
  show(nullptr, 0);
  EXPECT_TRUE(untouched());
}

TEST_F(TextPageViewTest, AFileThatCannotBeReadShowsTheErrorWithItsResult) {
  const auto missing = show(nullptr, 4);
  EXPECT_GT(count_of(screen.back_buffer, white, 10, 10, 14 * 8, 16), 50);
  EXPECT_TRUE(missing == white_system_text(10, 10, "TEXTFEHLER   1"));

  std::filesystem::create_directory(dir_.path() / "acst6.DAT");  // a folder is a missing file
  EXPECT_TRUE(show(nullptr, 6) == white_system_text(10, 10, "TEXTFEHLER   1"));
  std::filesystem::create_symlink("/proc/self/mem", dir_.path() / "acst7.DAT");  // every read fails
  EXPECT_TRUE(show(nullptr, 7) == white_system_text(10, 10, "TEXTFEHLER   9"));

  const std::string prefix(text_file_name_room - 5, 'p');  // the name would be one too long
  std::snprintf(config.text_file_prefix, sizeof config.text_file_prefix, "%s", prefix.c_str());
  dir_.write(prefix + "12.DAT", text_page_header(10, 10, 1, 255, 255, 255) + "Text\n");
  EXPECT_TRUE(show(nullptr, 12) == white_system_text(10, 10, "TEXTFEHLER   1"));
}

TEST_F(TextPageViewTest, PositionsAnywhereInTheInt32RangeAreClippedWithoutOverflow) {
  std::string lines;
  for (int i = 0; i < 40; ++i) lines += i % 2 ? "\n" : "Text\n";
  show((text_page_header(int32_max, int32_max - 20, 99999999999, 255, 255, 255) + lines).c_str());
  EXPECT_EQ(text_page.text_size, int32_max);
  EXPECT_TRUE(untouched());
  show((text_page_header(int32_min, int32_min, 2, 255, 255, 255) + lines).c_str());
  EXPECT_TRUE(untouched());
}

TEST_F(TextPageViewTest, ThePageNumberIsDrawnBottomLeftInThreePlaces) {
  pages.current_page = 7;
  const auto page_number = [this] { return draw([](DeviceContext& dc) { draw_page_number(dc); }); };
  const auto shown = page_number();
  EXPECT_GT(count_of(screen.back_buffer, white, 4, 750, 9 * 8, 16), 30);
  EXPECT_TRUE(shown == white_system_text(4, 750, "SEITE   7"));
  pages.current_page = 1234;
  EXPECT_TRUE(page_number() == white_system_text(4, 750, "SEITE 1234"));
}
