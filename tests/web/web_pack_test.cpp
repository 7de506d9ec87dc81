// rozeva-web refuses a book folder it cannot pack, naming the file, and writes nothing for it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <tuple>
#include <utility>

#include "support/temp_dir.h"
#include "web_files.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;
using web_test::base64_of;
using web_test::read_file;
using x_session::Child;

constexpr auto run_limit = std::chrono::seconds(120);

class WebPack : public ::testing::Test {
 protected:
  WebPack() {
    // The packer checks the player's files are there before anything else.
    for (const char* name : {"index.html", "rozeva.js", "rozeva-page.js", "rozeva-page.css"})
      work_.write(std::string("player-") + name, "");
    fs::create_directories(work_.path() / "player");
    for (const char* name : {"index.html", "rozeva.js", "rozeva-page.js", "rozeva-page.css"})
      fs::rename(work_.path() / (std::string("player-") + name), work_.path() / "player" / name);
    fs::create_directories(book());
  }

  fs::path book() const { return work_.path() / "book"; }

  // The packer's exit status and everything it said.
  std::pair<int, std::string> pack() {
    const std::string command = std::string(ROZEVA_WEB_EXE) + " --player '" + work_.file("player") + "' '" +
                                book().string() + "' '" + work_.file("site") + "' 2>&1";
    Child packer({"sh", "-c", command}, {}, "", true);
    std::string said = packer.read_output();
    return {packer.wait_for_exit(run_limit).value_or(-1), said};
  }

  test_support::TempDir work_;
};

TEST_F(WebPack, AFolderThatCannotBePackedIsRefusedNamingTheFile) {
  auto [status, said] = pack();
  EXPECT_EQ(status, 1);
  EXPECT_NE(said.find((book() / "lurinf.bin").string()), std::string::npos) << said;

  work_.write("book/lurinf.bin", "acs\nacb\nbsou\nbuch.dat\nA\nB\n0\n");
  fs::create_directories(book() / "toene");
  const fs::path pipe = book() / "toene" / "ton5.WAV";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  std::tie(status, said) = pack();
  EXPECT_EQ(status, 1);
  EXPECT_NE(said.find(pipe.string() + ": it is not a regular file"), std::string::npos) << said;
  EXPECT_FALSE(fs::exists(work_.path() / "site" / "book.js")) << "nothing is written for a book that cannot be packed";

  fs::remove(pipe);
  const fs::path latin1 = book() / "B\xE4r.BMP";
  std::ofstream(latin1) << "x";
  std::tie(status, said) = pack();
  EXPECT_EQ(status, 1);
  EXPECT_NE(said.find("its name is not UTF-8"), std::string::npos) << said;

  fs::remove(latin1);
  std::tie(status, said) = pack();
  EXPECT_EQ(status, 0) << said;
  const std::string script = read_file(work_.path() / "site" / "book.js");
  EXPECT_NE(script.find("\"title\": \"A - B\""), std::string::npos) << script;
  EXPECT_NE(script.find("\"bookFile\": \"buch.dat\""), std::string::npos) << script;
  EXPECT_NE(script.find("[\"lurinf.bin\", \"raw\", \"" + base64_of(read_file(book() / "lurinf.bin")) + "\", null]"),
            std::string::npos) << script;

  // A file too large for book.js comes in a script of its own, loaded when it is opened.
  std::mt19937 random(15);
  std::string noise(100000, '\0');
  for (char& byte : noise) byte = static_cast<char>(random());
  work_.write("book/bild.bmp", noise);
  std::tie(status, said) = pack();
  ASSERT_EQ(status, 0) << said;
  const std::string index = read_file(work_.path() / "site" / "book.js");
  std::smatch entry;
  ASSERT_TRUE(std::regex_search(index, entry, std::regex("\\[\"bild.bmp\", \"raw\", null, \"(book-files/[0-9]+\\.js)\"\\]")))
      << index;
  EXPECT_EQ(read_file(work_.path() / "site" / entry[1].str()),
            "RozevaBook.arrive(\"bild.bmp\", \"" + base64_of(noise) + "\");\n");
}

}  // namespace
