// The demo book as a reader sees it: rozeva-demo writes it, rozeva-headless plays a script
// through it, and the screen shots must show the book's pictures and the atlas's parts exactly
// where the program puts them, every button on the area the program tests for its clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/atlas_layout.h"
#include "graphics/picture_files.h"
#include "platform/files/file_lookup.h"
#include "screen_shots.h"
#include "support/temp_dir.h"

namespace {

using shots::Image;
using shots::Rect;
using shots::Rgb;

constexpr Rgb white{255, 255, 255};
constexpr Rgb yellow_green{128, 255, 0};
constexpr auto font_medium = platform::FontId::font_medium;
constexpr int park_x = 1007, park_y = 301;  // a pointer position clear of everything checked
const Rect parked_cursor{park_x, park_y, atlas::cursor.width, atlas::cursor.height};
const Rect forward_cursor{985, 737, atlas::cursor.width, atlas::cursor.height};
const Rect nav_bar{782, 708, 232, 58};
const Rect screen{0, 0, 1024, 768};
const Rect status_bar{0, 0, 800, 48};
const Rect mode_line_area{0, 694, 782, 24};  // left of the navigation bar, above the toolbar
const Rect mark_symbol{870, 690, atlas::mark_symbol.width, atlas::mark_symbol.height};

// The reader menu's click areas, as the program tests them (screen pixels, inclusive).
struct Area {
  const char* name;
  int x0, y0, x1, y1;
  int cx() const { return (x0 + x1) / 2; }
  int cy() const { return (y0 + y1) / 2; }
};
const Area editor_switch{"editor switch", 106, 106, 114, 112};
const Area author_switch{"author switch", 198, 106, 210, 112};
const Area louder{"louder", 137, 275, 167, 293};
const Area quieter{"quieter", 137, 455, 167, 473};
const Area slow{"slow", 351, 441, 399, 489}, medium{"medium", 400, 441, 449, 489}, fast{"fast", 450, 441, 499, 489};
Area entry(int k) { return {"entry", 351, 121 + 50 * (k - 1), 679, 169 + 50 * (k - 1)}; }
std::vector<Area> menu_areas() {
  std::vector<Area> areas{editor_switch, author_switch, louder, quieter, slow, medium, fast};
  for (int k = 1; k <= 5; ++k) areas.push_back(entry(k));
  return areas;
}

Rect marker_at(int level) { return {126, 280 + 20 * level, 50, 10}; }

// The editor's buttons, clicked at their middles: toolbar modes 1..16, side buttons 17..20.
constexpr int chosen_modes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20};
constexpr int wave_mode = 9, box2_mode = 14;
int button_x(int mode) { return mode <= 16 ? (mode - 1) * 50 + 25 : 825 + (mode - 17) * 50; }
int button_y(int mode) { return mode <= 16 ? 743 : 25; }
Rect cursor_on_button(int mode) { return {button_x(mode), button_y(mode), atlas::cursor.width, atlas::cursor.height}; }
std::string mode_shot(int mode) { return "mode-" + std::to_string(100 + mode).substr(1); }

constexpr int edited_page = 4;  // it has boxes 2 and 3
constexpr int box_spot_x = 200, box_spot_y = 301;
const char* const typed_digits = "58";

std::string page_shot(int page) { return "page-" + std::to_string(100 + page).substr(1); }

// Title, every page forwards, then the menu on page 2 (which blinks box 1): the volume, the
// author switch and a slider, each blink speed timed against the blink, the jumps, the editor.
std::string script(int page_count) {
  std::string s;
  auto line = [&](const std::string& text) { s += text + "\n"; };
  auto click = [&](int x, int y) {
    s += shots::pointer_to(x, y);
    line("left");
  };
  auto park = [&] { s += shots::pointer_to(park_x, park_y); };
  line("wait 100");
  line("shot title");
  line("left");
  s += shots::pointer_to(forward_cursor.x, forward_cursor.y);
  line("shot " + page_shot(1));
  for (int page = 2; page <= page_count; ++page) {
    line("left");
    line("shot " + page_shot(page));
  }
  line("left");
  line("left");
  line("right");
  park();
  line("shot menu");
  click(louder.cx(), louder.cy());
  park();
  line("shot louder");
  click(quieter.cx(), quieter.cy());
  line("left");
  park();
  line("shot quieter");
  click(author_switch.cx(), author_switch.cy());
  park();
  line("shot sliders");
  click(261, 55);  // backward slider: (261 - 100) / 40 = effect 4
  park();
  line("shot slider-moved");
  click(author_switch.cx(), author_switch.cy());
  const struct {
    Area area;
    const char* name;
    int before, after;
  } speeds[] = {{slow, "slow", 700, 900}, {medium, "medium", 500, 700}, {fast, "fast", 300, 500}};
  for (const auto& speed : speeds) {
    if (speed.area.x0 != slow.x0) line("right");
    click(speed.area.cx(), speed.area.cy());
    line("wait " + std::to_string(speed.before));
    line(std::string("shot ") + speed.name + "-before");
    line("wait " + std::to_string(speed.after - speed.before));
    line(std::string("shot ") + speed.name + "-after");
  }
  for (const auto& [k, name] : {std::pair{3, "last-page"}, {2, "first-page"}}) {
    line("right");
    click(500, entry(k).cy());
    park();
    line(std::string("shot ") + name);
  }
  line("right");
  click(editor_switch.cx(), editor_switch.cy());
  park();
  line("shot editor");

  // The navigation bar still turns pages; on the edited page every button is chosen once.
  s += shots::pointer_to(forward_cursor.x, forward_cursor.y);
  for (int page = 2; page <= edited_page; ++page) line("left");
  line("shot editor-page");
  for (int mode : chosen_modes) {
    click(button_x(mode), button_y(mode));
    line("shot " + mode_shot(mode));
  }
  click(button_x(wave_mode), button_y(wave_mode));
  line("shot wave-chosen");
  line("left");
  line("shot prompt");
  line(std::string("type ") + typed_digits);
  line("shot prompt-typed");
  line("char 13");
  line("shot wave-stored");
  click(button_x(box2_mode), button_y(box2_mode));
  line("shot box-mode");
  click(box_spot_x, box_spot_y);
  park();
  line("shot box-placed");
  line("key RIGHT");
  line("shot box-nudged");
  line("right");
  line("shot placement-ended");
  line("right");
  line("shot editor-left");
  return s;
}

int run(const std::string& command) { return std::system(command.c_str()); }

class DemoOnScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<test_support::TempDir>();
    const std::string book = folder_->file("book");
    const std::string demo = std::string("'") + ROZEVA_DEMO_EXE + "' '" + book + "' > /dev/null";
    ASSERT_EQ(run(demo), 0);
    {
      test_support::ScopedWorkingDir in_book(book);
      reset_configuration();
      set_default_names();
      ASSERT_GE(read_configuration("lurinf.bin"), 0);
      reset_page_table();
      clear_page_table();
      ASSERT_EQ(load_book(), 0);
      pictures_ = new std::map<std::string, Image>;
      (*pictures_)["atlas"] = picture(config.picture_prefix, 1);
      (*pictures_)["title"] = picture(config.picture_prefix, 2);
      for (int p = 1; p <= pages.page_count; ++p) {
        (*pictures_)[page_shot(p)] = picture(config.picture_prefix, pages.picture[p]);
        if (pages.box1[p] > 0) (*pictures_)[page_shot(p) + "-box1"] = picture(config.box_picture_prefix, pages.box1[p]);
        if (pages.box1[p] > 0) (*pictures_)[page_shot(p) + "-box1-lit"] = picture(config.box_picture_prefix, pages.box1[p] + 1);
      }
      ASSERT_GT(pages.box2[edited_page], 0);
      (*pictures_)["edited-box2"] = picture(config.box_picture_prefix, pages.box2[edited_page]);
    }
    folder_->write("script.txt", script(pages.page_count));
    const std::string headless = std::string("'") + ROZEVA_HEADLESS_EXE + "' --shots '" + folder_->file("shots") +
                                 "' '" + book + "' '" + folder_->file("script.txt") + "'";
    ASSERT_EQ(run(headless), 0);
  }
  static void TearDownTestSuite() {
    delete pictures_;
    pictures_ = nullptr;
    folder_.reset();
  }

  static Image picture(const char* prefix, std::int32_t number) {
    char name[picture_name_room + 1];
    if (!build_picture_file_name(prefix, number, name)) return {};
    const auto path = platform::find_file(name);
    const auto bitmap = path ? platform::load_bmp_file(*path) : std::nullopt;
    return bitmap ? shots::from_bitmap(*bitmap) : Image{};
  }

  static const Image& known(const std::string& name) { return pictures_->at(name); }

  Image shot(const std::string& name) const {
    Image image = shots::read_png(folder_->file("shots/" + name + ".png"));
    EXPECT_FALSE(image.empty()) << "no shot " << name;
    if (image.empty()) image = Image{1024, 768, std::vector<Rgb>(1024 * 768)};
    return image;
  }

  // Where the program draws the page's text: its lines from (text_x, text_y) down.
  static Rect text_block(int page) {
    char name[text_file_name_room + 1];
    build_text_file_name(config.text_file_prefix, pages.text_file[page], name);
    test_support::ScopedWorkingDir in_book(folder_->file("book"));
    EXPECT_EQ(load_text_page(name), text_page_read);
    const int line_height = 34;  // the largest step between lines, blank lines included
    return {text_page.text_x - 2, text_page.text_y - 2, 1024 - text_page.text_x + 2,
            text_page.text_line_count * line_height + 40};
  }

  static Rect box1_of(int page) {
    const Image& box = known(page_shot(page) + "-box1");
    return {pages.box1_x[page], pages.box1_y[page], box.width, box.height};
  }

  // The page's picture everywhere the program draws nothing over it.
  static void expect_page_picture(const Image& s, int page, std::vector<Rect> overlays) {
    overlays.push_back(nav_bar);
    overlays.push_back({80, 50, 200, 16});
    const std::int32_t boxes[3][3] = {{pages.box1[page], pages.box1_x[page], pages.box1_y[page]},
                                      {pages.box2[page], pages.box2_x[page], pages.box2_y[page]},
                                      {pages.box3[page], pages.box3_x[page], pages.box3_y[page]}};
    for (const auto& [number, x, y] : boxes)
      if (number > 0) overlays.push_back({x, y, 160, 160});
    EXPECT_EQ(shots::count_differences(s, screen, known(page_shot(page)), 0, 0, overlays), 0) << "page " << page;
  }

  // Buttons 2 to 4 keyed over the page: the atlas's face where it is not black, else the page.
  static void expect_nav_bar(const Image& s, int page, const Rect& cursor) {
    const Image& atlas = known("atlas");
    const Image& picture = known(page_shot(page));
    int wrong = 0;
    for (int y = 0; y < 58; ++y)
      for (int x = 0; x < 232; ++x) {
        const int sx = 782 + x, sy = 708 + y;
        if (cursor.contains(sx, sy)) continue;
        const Rgb face = x >= 58 ? atlas.at(40 + x - 58, y) : Rgb{};
        const Rgb expected = face == Rgb{} ? picture.at(sx, sy) : face;
        if (!(s.at(sx, sy) == expected)) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << "navigation bar on page " << page;
  }

  static void expect_slider(const Image& s, int y, int value) {
    const Image& atlas = known("atlas");
    int wrong = 0;
    for (int dy = 0; dy < 50; ++dy)
      for (int dx = 0; dx < 440; ++dx) {
        const int kx = dx - 40 * value, ky = dy - 26;
        const AtlasRect knob = atlas::mark_symbol, bar = atlas::slider_bar;
        const bool on_knob = kx >= 0 && kx < knob.width && ky >= 0 && ky < knob.height &&
                             !(atlas.at(knob.x + kx, knob.y + ky) == Rgb{});
        const Rgb expected = on_knob ? atlas.at(knob.x + kx, knob.y + ky) : atlas.at(bar.x + dx, bar.y + dy);
        if (!(s.at(100 + dx, y + dy) == expected)) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << "slider at y " << y << " with its knob at " << value;
  }

  // The panel at (100, 100) with the volume marker at `level` and nothing else changed.
  static void expect_menu_panel(const Image& s, int level) {
    const Image& atlas = known("atlas");
    EXPECT_EQ(shots::count_differences(s, marker_at(level), atlas, atlas::volume_marker.x, atlas::volume_marker.y), 0)
        << "marker at level " << level;
    EXPECT_EQ(shots::count_differences(s, {100, 100, atlas::menu_panel.width, atlas::menu_panel.height}, atlas,
                                       atlas::menu_panel.x, atlas::menu_panel.y, {marker_at(level)}),
              0);
  }

  // White pixels of the shot's `area` where `source` at (source_x, source_y) is not white:
  // text the program wrote.
  static int white_text_pixels(const Image& s, Rect area, const Image& source, int source_x, int source_y) {
    int count = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
      for (int x = area.x; x < area.x + area.width; ++x)
        if (s.at(x, y) == white && !(source.at(source_x + x - area.x, source_y + y - area.y) == white)) ++count;
    return count;
  }

  template <typename... Values>
  static std::string printed(const char* pattern, Values... values) {
    char text[300];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
  }

  // The edit-mode lines of the edited page while no picture numbers are typed (Windows-1252).
  static std::string mode_line(int mode) {
    const int p = edited_page;
    switch (mode) {
      case 0: return "EDITMODUS W\304HLEN !";
      case 1: return "EDITMODE 1 NEUE BILDNUMMER 0 ( F\334R ANH\304NGEN EINGEBEN )";
      case 2: return "EDITMODE 2 BILDNUMMER 0 ANH\304NGEN !";
      case 3: return "EDITMODE 3 BILDNUMMER 0 ( AUSTAUSCHEN ) EINGEBEN";
      case 4: return printed("EDITMODE 4 BILD %d GEGEN BILD NUMMER 0 AUSTAUSCHEN", pages.picture[p]);
      case 5: return "EDITMODE 5 INSERT PLATZ SCHAFFEN";
      case 6: return "EDITMODE 6 SEITE L\326SCHEN";
      case 7:
      case 18:
      case 19: return printed("EDITMODE %d MARKIEREN %2d", mode, pages.mark[p]);
      case 8: return printed("EDITMODE 8 SPEICHERN %s", config.book_file_name);
      case 9: return printed("EDITMODE 9 WAVENUMMER EINGEBEN ( %d )", pages.wave[p]);
      case 10: return printed("EDITMODE 10 BOXNUMMER EINGEBEN ( %d )", pages.box1[p]);
      case 11: return printed("EDITMODE 11 LEVELNR. EINGEBEN ( %d )", pages.level[p]);
      case 12: return printed("EDITMODE 12 2.BOXNUMMER EINGEBEN ( %d )", pages.box2[p]);
      case 14: return "EDITMODE 14 BOX 2 POS. ACHTUNG JEDER KLICK \304NDERT POS.";
      case 16: return printed("EDITMODE 16 3.BOXNUMMER EINGEBEN ( %d )", pages.box3[p]);
      case 17: return printed("EDITMODE 17 BACKSOUND EINGEBEN ( %d )", pages.back_sound[p]);
      case 20: return "EDITMODE 20 TEXTFILENUMMER";
      default: ADD_FAILURE() << "no line for mode " << mode; return {};
    }
  }

  // Pixels of the edit-mode line that differ from `text` printed over the edited page.
  static int mode_line_differences(const Image& s, const std::string& text, Rgb colour) {
    const Image page = shots::crop(known(page_shot(edited_page)), mode_line_area);
    return shots::count_differences(s, mode_line_area, shots::with_text(page, 12, 0, font_medium, colour, text), 0, 0);
  }

  static std::string coordinates_line(int box2_x, int box2_y, int wave) {
    const int p = edited_page;
    return printed("X%4d Y%4d X%4d Y%4d X%4d Y%4d WAVE %4d BSOU %4d", pages.box1_x[p], pages.box1_y[p], box2_x,
                   box2_y, pages.box3_x[p], pages.box3_y[p], wave, pages.back_sound[p]);
  }

  // Pixels of the status bar that differ from its two lines for the edited page.
  static int status_differences(const Image& s, int box2_x, int box2_y, int wave) {
    const int p = edited_page;
    Image bar = shots::crop(known("atlas"), {0, 700, status_bar.width, status_bar.height});
    bar = shots::with_text(bar, 10, 2, font_medium, white,
                           printed("FILENR. %4d BILD %4d VON %4d BOX %4d * %4d * %4d", pages.picture[p], p,
                                   pages.page_count, pages.box1[p], pages.box2[p], pages.box3[p]));
    bar = shots::with_text(bar, 10, 20, font_medium, white, coordinates_line(box2_x, box2_y, wave));
    return shots::count_differences(s, status_bar, bar, 0, 0);
  }

  static int stored_wave() { return std::stoi(std::to_string(pages.wave[edited_page]) + typed_digits); }

  static inline std::unique_ptr<test_support::TempDir> folder_;
  static inline std::map<std::string, Image>* pictures_ = nullptr;
};

TEST_F(DemoOnScreen, TitleAndEveryPageShowTheirPicturesBoxesTextAndNavigation) {
  const Image title = shot("title");
  EXPECT_EQ(shots::count_differences(title, {0, 0, 1024, 650}, known("title"), 0, 0), 0);
  int yellow = 0;
  for (int y = 684; y < 716; ++y)
    for (int x = 10; x < 600; ++x) yellow += title.at(x, y) == Rgb{255, 255, 0};
  EXPECT_GT(yellow, 100) << "the second title line";

  for (int page = 1; page <= pages.page_count; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    const Image s = shot(page_shot(page));
    const Rect text = text_block(page);
    expect_page_picture(s, page, {text, forward_cursor});
    // "NOCH KEIN BILD !" would sit at (10, 1), "TEXTFEHLER" at (10, 10).
    EXPECT_EQ(shots::count_differences(s, {0, 0, 200, 30}, known(page_shot(page)), 0, 0), 0);
    EXPECT_GT(shots::count_differences(s, {text.x, text.y, 300, 20}, known(page_shot(page)), text.x, text.y), 30)
        << "the page's text is drawn";
    expect_nav_bar(s, page, forward_cursor);
    if (pages.level[page] > 0) {
      const AtlasRect strip = atlas::level_strip(pages.level[page]);
      EXPECT_EQ(shots::count_differences(s, {80, 50, 200, 16}, known("atlas"), strip.x, strip.y), 0);
    }
    if (pages.box1[page] > 0) {
      EXPECT_EQ(shots::count_differences(s, box1_of(page), known(page_shot(page) + "-box1"), 0, 0), 0);
    }
  }
}

TEST_F(DemoOnScreen, MenuPanelVolumeMarkerAndSlidersSitWhereTheMenuTestsClicks) {
  const Image menu = shot("menu");
  expect_menu_panel(menu, 4);
  EXPECT_EQ(shots::count_differences(menu, {100, 30, 440, 50}, known(page_shot(2)), 100, 30), 0)
      << "no sliders while the author switch is off";
  expect_menu_panel(shot("louder"), 3);
  expect_menu_panel(shot("quieter"), 5);

  // Every clickable part is framed in one colour exactly on its click area's edge.
  const Rgb frame = menu.at(entry(1).x0, entry(1).y0);
  const std::vector<Area> areas = menu_areas();
  auto inside_any = [&](int x, int y) {
    return std::any_of(areas.begin(), areas.end(),
                       [&](const Area& a) { return x >= a.x0 && x <= a.x1 && y >= a.y0 && y <= a.y1; });
  };
  for (const Area& a : areas) {
    int off_edge = 0, frame_outside = 0;
    for (int x = a.x0 - 1; x <= a.x1 + 1; ++x)
      for (int y = a.y0 - 1; y <= a.y1 + 1; ++y) {
        const bool edge = (x == a.x0 || x == a.x1 || y == a.y0 || y == a.y1) && x >= a.x0 && x <= a.x1 &&
                          y >= a.y0 && y <= a.y1;
        const bool outside = x < a.x0 || x > a.x1 || y < a.y0 || y > a.y1;
        if (edge && !(menu.at(x, y) == frame)) ++off_edge;
        if (outside && !inside_any(x, y) && menu.at(x, y) == frame) ++frame_outside;
      }
    EXPECT_EQ(off_edge, 0) << a.name << " at " << a.x0 << "," << a.y0;
    EXPECT_EQ(frame_outside, 0) << a.name << " at " << a.x0 << "," << a.y0;
  }

  const Image sliders = shot("sliders");
  expect_menu_panel(sliders, 5);
  expect_slider(sliders, 30, pages.back_transition[2]);
  expect_slider(sliders, 580, pages.forward_transition[2]);
  const Image moved = shot("slider-moved");
  expect_slider(moved, 30, 4);
  expect_slider(moved, 580, pages.forward_transition[2]);
}

TEST_F(DemoOnScreen, BlinkSpeedsJumpsAndTheEditorSwitchWork) {
  const Rect box = box1_of(2);
  const Image& plain = known(page_shot(2) + "-box1");
  const Image& lit = known(page_shot(2) + "-box1-lit");
  for (const char* speed : {"slow", "medium", "fast"}) {
    SCOPED_TRACE(speed);
    EXPECT_EQ(shots::count_differences(shot(std::string(speed) + "-before"), box, plain, 0, 0), 0)
        << "not lit before its blink interval";
    EXPECT_EQ(shots::count_differences(shot(std::string(speed) + "-after"), box, lit, 0, 0), 0)
        << "lit once its blink interval has passed";
  }

  expect_page_picture(shot("last-page"), pages.page_count, {text_block(pages.page_count), parked_cursor});
  expect_page_picture(shot("first-page"), 1, {text_block(1), parked_cursor});

  const Image editor = shot("editor");
  const Image& atlas = known("atlas");
  EXPECT_EQ(shots::count_differences(editor, {0, 718, 800, 49}, atlas, atlas::toolbar.x, atlas::toolbar.y), 0)
      << "toolbar";
  EXPECT_EQ(shots::count_differences(editor, {800, 0, 200, 49}, atlas, atlas::side_buttons.x, atlas::side_buttons.y), 0)
      << "side buttons";
  EXPECT_EQ(shots::count_differences(editor, {0, 44, 800, 4}, atlas, atlas::status_bar.x, atlas::status_bar.y + 44), 0)
      << "status bar below the lines";
  EXPECT_GT(white_text_pixels(editor, {0, 0, 800, 44}, atlas, atlas::status_bar.x, atlas::status_bar.y), 1000)
      << "two status lines";
  EXPECT_GT(white_text_pixels(editor, {12, 694, 300, 24}, known(page_shot(1)), 12, 694), 100) << "the edit-mode line";
  const Rect text = text_block(1);
  const int below_status_bar = std::max(text.y, 48);
  EXPECT_EQ(shots::count_differences(editor, {text.x, below_status_bar, 300, 20}, known(page_shot(1)), text.x,
                                     below_status_bar),
            0)
      << "the editor's view shows no text page";
}

TEST_F(DemoOnScreen, TheFirstClickOnEachEditorButtonOnlyChoosesItsModeAndShowsItsLine) {
  const int p = edited_page;
  const Image before = shot("editor-page");
  EXPECT_EQ(mode_line_differences(before, mode_line(0), white), 0) << "no mode chosen yet";
  EXPECT_EQ(status_differences(before, pages.box2_x[p], pages.box2_y[p], pages.wave[p]), 0);
  Image previous = before;
  for (int mode : chosen_modes) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    const Image s = shot(mode_shot(mode));
    EXPECT_GT(shots::count_differences(s, mode_line_area, previous, mode_line_area.x, mode_line_area.y), 0);
    EXPECT_EQ(mode_line_differences(s, mode_line(mode), white), 0);
    // Nothing is carried out: marks, page and status lines stay as they were.
    EXPECT_EQ(shots::count_differences(s, screen, before, 0, 0, {mode_line_area, forward_cursor, cursor_on_button(mode)}),
              0);
    previous = s;
  }
}

TEST_F(DemoOnScreen, TheWavePromptShowsItsEntryAndEnterStoresTheTypedNumber) {
  const int p = edited_page;
  const Rect prompt_area{0, 56, 800, 46};
  const Image chosen = shot("wave-chosen");
  EXPECT_EQ(mode_line_differences(chosen, mode_line(wave_mode), white), 0);
  const auto prompt_differences = [&](const Image& s, const std::string& entry) {
    Image drawn = shots::crop(known("atlas"), {0, 700, prompt_area.width, prompt_area.height});
    drawn = shots::with_text(drawn, 20, 2, platform::FontId::system_font, {200, 100, 100},
                             "MODUS 3 WAVENUMMER EINGEBEN ( EINMALSOUND )");
    drawn = shots::with_text(drawn, 20, 12, platform::FontId::font_large, white, entry + "_");
    return shots::count_differences(s, prompt_area, drawn, 0, 0);
  };
  const std::string pre_filled = std::to_string(pages.wave[p]);
  for (const auto& [name, entry] : {std::pair{"prompt", pre_filled}, {"prompt-typed", pre_filled + typed_digits}}) {
    const Image s = shot(name);
    EXPECT_EQ(prompt_differences(s, entry), 0) << name;
    // The press draws the pointer, which the redraw after choosing had wiped.
    EXPECT_EQ(shots::count_differences(s, screen, chosen, 0, 0, {prompt_area, cursor_on_button(wave_mode)}), 0)
        << name << " over the page";
  }

  const Image stored = shot("wave-stored");
  EXPECT_EQ(status_differences(chosen, pages.box2_x[p], pages.box2_y[p], pages.wave[p]), 0) << "before";
  EXPECT_EQ(status_differences(stored, pages.box2_x[p], pages.box2_y[p], stored_wave()), 0) << "after";
  EXPECT_GT(shots::count_differences(stored, {0, 20, 800, 24}, chosen, 0, 20), 0) << "the WAVE number changed";
  EXPECT_EQ(mode_line_differences(stored, printed("EDITMODE 9 WAVENUMMER EINGEBEN ( %d )", stored_wave()), white), 0);
  EXPECT_EQ(shots::count_differences(stored, screen, chosen, 0, 0, {status_bar, mode_line_area}), 0)
      << "the prompt is gone";
}

TEST_F(DemoOnScreen, BoxPlacementMovesBoxTwoWithEveryClickAndTheRightButtonLeavesInTwoSteps) {
  const int p = edited_page;
  const Image& box = known("edited-box2");
  const Image& picture = known(page_shot(p));
  const Rect coordinates_area{0, 0, 1024, 26};
  const auto coordinates_differences = [&](const Image& s, int box2_x, int box2_y) {
    const Image line = shots::with_text(shots::crop(picture, coordinates_area), 10, 2, font_medium, white,
                                        coordinates_line(box2_x, box2_y, stored_wave()));
    return shots::count_differences(s, coordinates_area, line, 0, 0);
  };

  const Image chosen = shot("box-mode");
  EXPECT_EQ(mode_line_differences(chosen, mode_line(box2_mode), yellow_green), 0);
  int yellow_green_pixels = 0;
  for (int y = mode_line_area.y; y < mode_line_area.y + mode_line_area.height; ++y)
    for (int x = mode_line_area.x; x < mode_line_area.x + mode_line_area.width; ++x)
      yellow_green_pixels += chosen.at(x, y) == yellow_green;
  EXPECT_GT(yellow_green_pixels, 300);
  EXPECT_EQ(coordinates_differences(chosen, pages.box2_x[p], pages.box2_y[p]), 0) << "only the coordinates, moved up";
  expect_page_picture(chosen, p, {coordinates_area, mode_line_area, mark_symbol, cursor_on_button(box2_mode)});

  const Rect placed{box_spot_x, box_spot_y, box.width, box.height};
  const Rect old_place{pages.box2_x[p], pages.box2_y[p], box.width, box.height};
  const Image s = shot("box-placed");
  EXPECT_EQ(shots::count_differences(s, placed, box, 0, 0), 0) << "the box's corner at the click";
  EXPECT_EQ(shots::count_differences(s, old_place, picture, old_place.x, old_place.y), 0) << "gone from its old place";
  EXPECT_EQ(coordinates_differences(s, box_spot_x, box_spot_y), 0);

  const Rect nudged{box_spot_x + 1, box_spot_y, box.width, box.height};
  const Image after_key = shot("box-nudged");
  EXPECT_EQ(shots::count_differences(after_key, nudged, box, 0, 0), 0) << "one pixel to the right";
  EXPECT_EQ(shots::count_differences(after_key, {placed.x, placed.y, 1, placed.height}, picture, placed.x, placed.y), 0);
  EXPECT_EQ(coordinates_differences(after_key, nudged.x, nudged.y), 0);

  const Image ended = shot("placement-ended");
  const Image& atlas = known("atlas");
  EXPECT_EQ(shots::count_differences(ended, {0, 718, 800, 49}, atlas, atlas::toolbar.x, atlas::toolbar.y), 0)
      << "toolbar back";
  EXPECT_EQ(shots::count_differences(ended, {800, 0, 200, 49}, atlas, atlas::side_buttons.x, atlas::side_buttons.y), 0)
      << "side buttons back";
  EXPECT_EQ(status_differences(ended, nudged.x, nudged.y, stored_wave()), 0);
  EXPECT_EQ(mode_line_differences(ended, mode_line(0), white), 0) << "the editor is still on";
  EXPECT_EQ(shots::count_differences(ended, nudged, box, 0, 0), 0);

  const Image reader = shot("editor-left");
  expect_page_picture(reader, p, {text_block(p), parked_cursor, nudged});
  EXPECT_EQ(shots::count_differences(reader, nudged, box, 0, 0), 0) << "the box stays where it was placed";
  const Rect text = text_block(p);
  EXPECT_GT(shots::count_differences(reader, {text.x, text.y, 300, 20}, picture, text.x, text.y), 30)
      << "the reader's text page is back";
}

// An option is never taken for the folder to write the book into.
TEST(DemoCommandLine, OptionsWriteNoBook) {
  test_support::TempDir folder;
  test_support::ScopedWorkingDir in_folder(folder.path());
  EXPECT_EQ(run(std::string("'") + ROZEVA_DEMO_EXE + "' --help > /dev/null"), 0);
  EXPECT_NE(run(std::string("'") + ROZEVA_DEMO_EXE + "' --bogus 2> /dev/null"), 0);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
