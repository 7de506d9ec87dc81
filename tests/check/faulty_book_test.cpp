// rozeva-check on a book with one of every fault it names: each reported exactly once, in
// page order, and nothing else; the demo book gives nothing at all.
#include <gtest/gtest.h>

#include <algorithm>

#include "check/book_check.h"
#include "check/report.h"
#include "faulty_book.h"
#include "support/temp_dir.h"

namespace check_test {
namespace {

using check::Finding;

std::string describe(const check::Place& place, check::Severity severity, const std::string& kind,
                     const std::string& field) {
  return check::place_name(place) + " " + check::severity_name(severity) + " " + kind + " [" + field + "]";
}

TEST(FaultyBook, EveryPlantedFaultIsNamedExactlyOnceInPageOrderAndNothingElse) {
  test_support::TempDir dir;
  const std::vector<PlantedFault> planted = write_faulty_book(dir.path());
  test_support::ScopedWorkingDir in_book(dir.path());
  const check::CheckedBook book = check::check_book();
  ASSERT_TRUE(book.readable) << book.problem;
  EXPECT_EQ(book.page_count, 299);

  std::vector<std::string> expected, reported;
  for (const PlantedFault& f : planted) expected.push_back(describe(f.place, f.severity, f.kind, f.field));
  std::string lines;
  for (const Finding& f : book.findings.in_order()) {
    reported.push_back(describe(f.place, f.severity, f.kind, f.field));
    lines += check::finding_line(f) + "\n";
  }
  EXPECT_EQ(reported, expected) << lines;
}

TEST(FaultyBook, TheLinesNameTheFileThePlayerWouldOpenAndWhatTheReaderGets) {
  test_support::TempDir dir;
  write_faulty_book(dir.path());
  test_support::ScopedWorkingDir in_book(dir.path());
  const check::CheckedBook book = check::check_book();
  std::string lines;
  for (const Finding& f : book.findings.in_order()) lines += check::finding_line(f) + "\n";
  for (const char* expected : {
           "page 1: error: missing-file: picture 40: acs00040.BMP is missing; the page shows the picture before it\n",
           "acs00041.BMP is a PNG picture, not a BMP",
           "bsou301.WAV is missing, but bsou301.mp3 is an MP3 sound",
           "bsou302.WAV is not played: it is 24-bit PCM",
           "bsou303.WAV ends early: it holds 2105 of its 2205 bytes of sound",
           "TEXTFEHLER   9",
           "line 8 has 90 characters and shows only 77",
           "header line 2 is not a number",
           "\"\xC3\x9C" "ber\" in line 7 shows as \"\xC3\x83\xC5\x93" "ber\"",
           "\"M\xC3\x84RCHEN\" shows as \"M\xC3\x83\xE2\x80\x9ERCHEN\"",
           "acs00044.BMP is found as ACS00044.bmp only by ignoring letter case",
           "the book file says 300 pages, not 1 to 299; the player shows 299",
       })
    EXPECT_NE(lines.find(expected), std::string::npos) << expected << "\n" << lines;
}

}  // namespace
}  // namespace check_test
