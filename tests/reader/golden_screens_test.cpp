// The screens a reader and an author see, pixel for pixel against the pictures in
// tests/golden/ (README.md, Tests, says how to refresh them).
#include "reader_fixture.h"
#include "support/golden.h"
#include "support/text_page_file.h"

namespace reader_test {
namespace {

using test_support::expect_golden;

constexpr test_support::ScreenArea prompt_band{0, 56, 800, 46};

std::string text_page(int x, int y, int size, Rgb colour) {
  return test_support::text_page_header(x, y, size, colour.r, colour.g, colour.b) + "Es war einmal ein Igel,\n\nder hie\xDF Pieks \x84und mochte \xC4pfel\x93.\n#\n";
}

class GoldenScreens : public ReaderTest {
 protected:
  void SetUp() override {
    make_book(4);
    give_box(1, 1, 40, 120, 300);
    give_box(1, 2, 42, 400, 320);
    give_box(1, 3, 44, 650, 300);
    book.level[1] = 5;
    book.mark[1] = 4;
    const Rgb colours[] = {{255, 255, 255}, {255, 220, 0}, {120, 255, 160}, {255, 140, 200}};
    for (int p = 1; p <= 4; ++p) {
      book.forward_transition[p] = 0;
      book.text_file[p] = p;
      folder_.write_text_page(p, text_page(40 * p, 80 + 30 * p, p - 1, colours[p - 1]));
    }
  }
};

TEST_F(GoldenScreens, TheReadersAndTheAuthorsScreens) {
  Script s;
  s.shot("title").left().shot("page-boxes-level-text-size-0");
  s.forward().key("F1").shot("page-text-size-1-numbered").key("F1");
  s.forward().shot("page-text-size-2").forward().shot("page-text-size-3").forward();
  s.right_click(500, 300).click(204, 109).shot("menu-with-sliders");
  s.click(110, 109).shot("editor");
  s.click(toolbar_x(14), toolbar_y).shot("editor-placing-box-2").right();
  for (const int mode : {1, 3, 9, 10, 11, 12, 16})
    s.click(toolbar_x(mode), toolbar_y).left().shot("prompt-" + std::to_string(mode)).line("char 27");
  for (const int mode : {17, 20}) s.click(side_x(mode), 10).left().shot("prompt-" + std::to_string(mode)).line("char 27");
  const RunResult result = run(s.key("F12"));

  for (const char* screen : {"title", "page-boxes-level-text-size-0", "page-text-size-1-numbered", "page-text-size-2",
                             "page-text-size-3", "menu-with-sliders", "editor", "editor-placing-box-2"})
    expect_golden(result.shot(screen).frame, screen);
  for (const int mode : {1, 3, 9, 10, 11, 12, 16, 17, 20}) {
    const std::string name = "prompt-" + std::to_string(mode);
    expect_golden(result.shot(name).frame, name, prompt_band);
  }
}

}  // namespace
}  // namespace reader_test
