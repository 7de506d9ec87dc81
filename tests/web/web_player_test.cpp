// The web player in headless Chromium, driven by the same scripts as rozeva-headless: its canvas
// must show exactly rozeva-headless's shots, also where a book's pictures are missing, and its
// saves must survive a reload.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "book/page_table.h"
#include "book_folder.h"
#include "screen_shots.h"
#include "script_builder.h"
#include "support/temp_dir.h"
#include "web_files.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;
using reader_test::Script;
using x_session::Child;
using web_test::base64_of;
using web_test::read_file;

constexpr auto run_limit = std::chrono::seconds(120);
constexpr int blink_ms = 800;
constexpr int toolbar_y = 740;

int toolbar_x(int mode) { return (mode - 1) * 50 + 25; }

// One field of the driver's JSON report, as its raw JSON text.
std::string field(const std::string& report, const std::string& name) {
  const std::regex pattern("\"" + name + "\":(\"[^\"]*\"|\\[[^\\]]*\\]|[^,}]*)");
  std::smatch match;
  return std::regex_search(report, match, pattern) ? match[1].str() : "";
}

class WebPlayer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::is_regular_file(fs::path(ROZEVA_WEB_PLAYER_DIR) / "rozeva.js"))
      skip_reason_ = "the web player is not built (make web needs emscripten)";
    else if (!fs::exists(chromium()))
      skip_reason_ = chromium() + " is missing (Debian's chromium package)";
    if (!skip_reason_.empty()) return;
    folder_ = new test_support::TempDir;
    Child demo({ROZEVA_DEMO_EXE, (folder_->path() / "book").string()}, {}, "", true);
    demo.read_output();
    ASSERT_EQ(demo.wait_for_exit(run_limit), 0);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  void SetUp() override {
    if (!skip_reason_.empty()) GTEST_SKIP() << skip_reason_;
  }

  static std::string chromium() {
    const char* named = std::getenv("CHROMIUM");
    return named ? named : "/usr/bin/chromium";
  }

  // A copy of the demo book, packed for the web.
  fs::path pack(const std::string& name, const std::vector<std::string>& removed = {}) {
    const fs::path book = work_.path() / (name + "-book");
    fs::copy(folder_->path() / "book", book, fs::copy_options::recursive);
    for (const std::string& file : removed) fs::remove(book / file);
    const fs::path site = work_.path() / (name + "-site");
    Child packer({ROZEVA_WEB_EXE, "--player", ROZEVA_WEB_PLAYER_DIR, book.string(), site.string()}, {}, "", true);
    packer.read_output();
    EXPECT_EQ(packer.wait_for_exit(run_limit), 0);
    return site;
  }

  // rozeva-headless's shots of the script in `book`, which it may change (saves).
  void reference(const fs::path& book, const Script& script, const std::string& shots) {
    std::ofstream(work_.file(shots + ".txt")) << script.text();
    Child headless({ROZEVA_HEADLESS_EXE, "--shots", work_.file(shots), book.string(), work_.file(shots + ".txt")});
    ASSERT_EQ(headless.wait_for_exit(run_limit), 0);
  }

  // The driver's report of the script played in the page.
  std::string play(const fs::path& site, const Script& script, const std::string& shots,
                   const std::vector<std::string>& more = {}) {
    std::ofstream(work_.file(shots + "-web.txt")) << script.text();
    fs::create_directories(work_.path() / (shots + "-web"));
    std::vector<std::string> command = {"node", ROZEVA_DRIVE_PAGE, "--script", work_.file(shots + "-web.txt"),
                                        "--shots", work_.file(shots + "-web")};
    command.insert(command.end(), more.begin(), more.end());
    command.push_back((site / "index.html").string());
    Child driver(command, {"CHROMIUM=" + chromium()}, "", true);
    const std::string report = driver.read_output();
    EXPECT_EQ(driver.wait_for_exit(run_limit), 0) << report;
    EXPECT_EQ(field(report, "pageErrors"), "[]") << report;
    EXPECT_EQ(field(report, "problem"), "null") << report;
    EXPECT_EQ(field(report, "timedOut"), "false") << report;
    return report;
  }

  // The page's shot must be one of rozeva-headless's `expected` shots, pixel for pixel.
  void expect_same(const std::string& shots, const std::string& name, const std::vector<std::string>& expected) {
    const shots::Image web = shots::read_png(work_.file(shots + "-web/" + name + ".png"));
    ASSERT_FALSE(web.empty()) << "the page took no shot " << name;
    int fewest = web.width * web.height;
    for (const std::string& candidate : expected) {
      const shots::Image frame = shots::read_png(work_.file(shots + "/" + candidate + ".png"));
      ASSERT_FALSE(frame.empty()) << candidate;
      fewest = std::min(fewest, shots::count_differences(web, {0, 0, frame.width, frame.height}, frame, 0, 0));
    }
    EXPECT_EQ(fewest, 0) << name << ": pixels differ from rozeva-headless's; the page's shot is kept in "
                         << work_.file(shots + "-web") << " while the test runs";
  }

  static test_support::TempDir* folder_;
  static std::string skip_reason_;
  test_support::TempDir work_;
};

test_support::TempDir* WebPlayer::folder_ = nullptr;
std::string WebPlayer::skip_reason_;

TEST_F(WebPlayer, ShowsTheTitlePagesMenuAndAPromptAsTheHeadlessProgramWithItsSound) {
  const fs::path site = pack("reading");
  Script s;
  s.shot("title").move_to(985, 730).shot("title-with-pointer").left().wait(1500).shot("page-1");
  s.left().wait(1500).shot("page-2-a").wait(blink_ms).shot("page-2-b");
  s.right().shot("menu");
  s.click(110, 109).wait(300).shot("editor");  // the menu's editor switch
  s.click(toolbar_x(9), toolbar_y).left().line("type 12ä").shot("prompt");
  s.key("ESCAPE").right().right().click(400, 140);  // the menu's first entry ends the book
  reference(work_.path() / "reading-book", s, "reading");
  const std::string report = play(site, s, "reading");
  EXPECT_EQ(field(report, "exitCode"), "0") << report;
  for (const std::string name : {"title", "title-with-pointer", "page-1", "menu", "editor", "prompt"})
    expect_same("reading", name, {name});
  for (const std::string name : {"page-2-a", "page-2-b"}) expect_same("reading", name, {"page-2-a", "page-2-b"});
  EXPECT_NE(field(report, "loudestSample"), "0") << "the page turns' sounds reach Web Audio";
}

TEST_F(WebPlayer, ASaveSurvivesAReloadAndIsTheBookFileTheHeadlessProgramSaves) {
  const fs::path site = pack("saving");
  const fs::path profile = work_.path() / "profile";
  Script edit;
  edit.left().right_click(500, 300).click(110, 109);  // the editor on page 1
  edit.click(toolbar_x(9), toolbar_y).left().line("type 12").key("ENTER");
  edit.click(toolbar_x(8), toolbar_y).left().key("F12");  // saved, then the end
  Script after_reload;
  after_reload.left().right_click(500, 300).click(110, 109).wait(300).shot("reloaded-editor").key("F12");
  const fs::path book = work_.path() / "saving-book";
  reference(book, edit, "saving-edit");
  reference(book, after_reload, "saving");

  play(site, edit, "saving-edit", {"--profile", profile.string()});
  const std::string report = play(site, after_reload, "saving",
                                  {"--profile", profile.string(), "--read-file", "buch.dat"});
  expect_same("saving", "reloaded-editor", {"reloaded-editor"});
  EXPECT_EQ(field(report, "file"), "\"" + base64_of(read_file(book / "buch.dat")) + "\"");
}

TEST_F(WebPlayer, MissingPicturesShowAsInTheHeadlessProgram) {
  const std::vector<std::string> missing = {"bilder/bild00002.BMP", "bilder/bild00003.BMP", "boxen/box00011.BMP"};
  const fs::path site = pack("broken", missing);
  Script s;
  s.shot("title").left().wait(1500).shot("page-1").key("F12");
  reference(work_.path() / "broken-book", s, "broken");
  const std::string report = play(site, s, "broken");
  EXPECT_EQ(field(report, "exitCode"), "0") << report;
  for (const std::string name : {"title", "page-1"}) expect_same("broken", name, {name});
}

// Books made on Windows often keep every file beside lurinf.bin, with no folders.
TEST_F(WebPlayer, ABookWithAllItsFilesInOneFolderPlays) {
  const fs::path book = work_.path() / "flat-book";
  fs::create_directories(book);
  const reader_test::BookFolder folder(book);
  folder.write_configuration(0);
  folder.write_interface_atlas();
  folder.write_title_picture();
  folder.write_picture(3);
  auto pages = std::make_unique<PageTable>();
  pages->page_count = 1;
  pages->picture[1] = 3;
  folder.write_book(*pages);
  const fs::path site = work_.path() / "flat-site";
  Child packer({ROZEVA_WEB_EXE, "--player", ROZEVA_WEB_PLAYER_DIR, book.string(), site.string()}, {}, "", true);
  packer.read_output();
  ASSERT_EQ(packer.wait_for_exit(run_limit), 0);
  Script s;
  s.shot("title").left().shot("page-1");
  reference(book, s, "flat");
  play(site, s, "flat");
  for (const std::string name : {"title", "page-1"}) expect_same("flat", name, {name});
}

}  // namespace
