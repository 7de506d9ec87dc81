// Decoding the BMP Suite against its reference renderings.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_placement.h"
#include "reference_placement.h"
#include "support/png_file.h"
#include "support/shared_material.h"

namespace {

using platform::Bitmap;

// An exactly sized heap copy, so that the sanitizer sees any read past the file's end.
std::vector<std::uint8_t> read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Names such as "g/pal1.bmp", sorted.
std::vector<std::string> suite_files(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(test_support::shared_path("bmpsuite/" + folder)))
    if (entry.path().extension() == ".bmp") names.push_back(folder + "/" + entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<Bitmap> decode_suite_file(const std::string& name) {
  const auto bytes = read_bytes(test_support::shared_path("bmpsuite/" + name));
  return platform::decode_bmp(bytes.data(), bytes.size());
}

// "g/pal1.bmp" -> reference image files named beside it in the suite's page (PNG only).
std::map<std::string, std::vector<std::string>> read_reference_map(const std::string& html_path) {
  std::ifstream in(html_path);
  std::stringstream text;
  text << in.rdbuf();
  const std::string page = text.str();
  // Each picture's references come as <img> tags just before the tag of the BMP itself.
  static const std::regex img_src("<img[^>]*src=\"([^\"]+)\"");
  std::map<std::string, std::vector<std::string>> map;
  std::vector<std::string> pending;
  for (std::sregex_iterator it(page.begin(), page.end(), img_src), end; it != end; ++it) {
    const std::string src = (*it)[1];
    if (src.rfind("../", 0) == 0) {
      map[src.substr(3)] = pending;
      pending.clear();
    } else if (src.size() > 4 && src.substr(src.size() - 4) == ".png") {
      pending.push_back(src);
    }
  }
  return map;
}

const std::map<std::string, std::vector<std::string>>& reference_map() {
  static const auto map = read_reference_map(test_support::shared_path("bmpsuite/html/bmpsuite.html"));
  return map;
}

int channel_difference(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255)));
  return worst;
}

// Largest channel difference to the closest reference of the same size, counting every pixel
// or only those the reference shows opaque; nullopt when no reference has that size.
std::optional<int> difference_to_references(const std::string& name, const Bitmap& bitmap, bool opaque_only) {
  std::optional<int> best;
  const auto refs = reference_map().find(name);
  if (refs == reference_map().end()) return best;
  for (const std::string& ref : refs->second) {
    const auto image = test_support::read_png(test_support::shared_path("bmpsuite/html/" + ref));
    if (!image || image->width != bitmap.width || image->height != bitmap.height) continue;
    int worst = 0;
    for (std::size_t i = 0; i < image->pixels.size(); ++i)
      if (!opaque_only || image->alpha[i] == 255)
        worst = std::max(worst, channel_difference(image->pixels[i], bitmap.pixels[i]));
    best = std::min(best.value_or(worst), worst);
  }
  return best;
}

platform::Surface surface_filled(platform::PixelFormat format, platform::Rgb colour) {
  auto surface = platform::make_surface(platform::screen_width, platform::screen_height, format);
  for (int y = 0; y < surface.height; ++y)
    for (int x = 0; x < surface.width; ++x) platform::write_pixel(surface, x, y, colour);
  return surface;
}

TEST(BmpSuiteGood, EveryFileDecodesToItsReferenceExactly) {
  const auto files = suite_files("g");
  ASSERT_FALSE(files.empty());
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    const auto bitmap = decode_suite_file(name);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(difference_to_references(name, *bitmap, false), 0);
  }
}

// What a surface of `format` reads back after storing 0x00RRGGBB `rgb`.
platform::Rgb as_stored(platform::PixelFormat format, std::uint32_t rgb) {
  auto probe = platform::make_surface(1, 1, format);
  platform::write_pixel(probe, 0, 0, {int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255});
  return platform::read_pixel(probe, 0, 0);
}

TEST(BmpSuiteGood, LoadingOntoASurfaceGivesTheDecodedPictureInBothFormats) {
  const platform::Rgb marker{1, 2, 3};
  for (const auto format : {platform::PixelFormat::xrgb8888, platform::PixelFormat::rgb565}) {
    for (const std::string& name : suite_files("g")) {
      SCOPED_TRACE(name);
      const std::string path = test_support::shared_path("bmpsuite/" + name);
      const auto bitmap = platform::load_bmp_file(path);
      ASSERT_TRUE(bitmap);
      auto surface = surface_filled(format, marker);
      const auto untouched = platform::read_pixel(surface, 0, 0);
      ASSERT_TRUE(platform::load_bmp_file_onto_surface(path, surface));
      int wrong = 0;
      // One row and column beyond the picture show that nothing else was written.
      for (int y = 0; y <= bitmap->height; ++y) {
        for (int x = 0; x <= bitmap->width; ++x) {
          const bool inside = x < bitmap->width && y < bitmap->height;
          const auto expected = inside ? as_stored(format, bitmap->at(x, y)) : untouched;
          wrong += platform::read_pixel(surface, x, y) != expected;
        }
      }
      EXPECT_EQ(wrong, 0);
    }
  }
}

// Encodings this decoder leaves alone: fax, embedded JPEG and PNG, RLE24, 64-bit.
const std::set<std::string> refused_questionable = {
    "q/pal1huffmsb.bmp", "q/rgb24jpeg.bmp", "q/rgb24png.bmp", "q/rgb24rle24.bmp", "q/rgba64.bmp"};

TEST(BmpSuiteQuestionable, DecodesWhatItCanAndRefusesTheRest) {
  int exact = 0, exact_where_opaque = 0, refused = 0;
  const auto files = suite_files("q");
  for (const std::string& name : files) {
    SCOPED_TRACE(name);
    const auto bitmap = decode_suite_file(name);
    EXPECT_EQ(!bitmap, refused_questionable.count(name) == 1);
    if (!bitmap) {
      ++refused;
      continue;
    }
    // Alpha is ignored, so only pixels the reference shows opaque must agree. The 11-bit
    // channels of rgb32-111110 cannot round back to the 8-bit original exactly.
    const int tolerance = name == "q/rgb32-111110.bmp" ? 1 : 0;
    const auto opaque_difference = difference_to_references(name, *bitmap, true);
    ASSERT_TRUE(opaque_difference);
    EXPECT_LE(*opaque_difference, tolerance);
    exact_where_opaque += *opaque_difference == 0;
    exact += difference_to_references(name, *bitmap, false) == 0;
  }
  std::cout << "q/: " << files.size() << " files, " << files.size() - refused << " decoded (" << exact
            << " exact, " << exact_where_opaque << " exact where the reference is opaque), " << refused
            << " refused\n";
}

// Bad files this decoder refuses; the others decode as far as they are valid.
const std::set<std::string> refused_bad = {"b/badbitcount.bmp", "b/badheadersize.bmp", "b/badplanes.bmp",
                                           "b/badwidth.bmp",    "b/reallybig.bmp",     "b/rletopdown.bmp",
                                           "b/shortfile.bmp"};

TEST(BmpSuiteBad, EveryFileIsRefusedOrDecodedWithinItsBytes) {
  auto surface = platform::make_surface(64, 32, platform::PixelFormat::xrgb8888);
  for (const std::string& name : suite_files("b")) {
    SCOPED_TRACE(name);
    const auto bitmap = decode_suite_file(name);
    EXPECT_EQ(!bitmap, refused_bad.count(name) == 1);
    if (!bitmap) continue;
    EXPECT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(bitmap->width) * bitmap->height);
    const auto bytes = read_bytes(test_support::shared_path("bmpsuite/" + name));
    platform::MemoryBmpSource source(bytes.data(), bytes.size());
    const auto layout = platform::read_bmp_layout(source);
    ASSERT_TRUE(layout);
    platform::place_picture_1to1(*layout, source, surface, -3, -3);
    platform::stretch_picture(*layout, source, surface);
  }
}

}  // namespace

namespace {

// A file placed straight from its bytes lands exactly as its decoded copy does, at positions
// that cut it at every edge, in both formats; and it opens exactly when it decodes.
TEST(BmpSuiteAll, PlacingFromTheFileEqualsCopyingTheDecodedPicture) {
  const std::pair<int, int> positions[] = {{0, 0}, {5, 3}, {-7, -2}, {60, 40}, {-200, 10}, {INT_MAX, INT_MIN}};
  for (const char* folder : {"g", "q", "b"}) {
    for (const std::string& name : suite_files(folder)) {
      SCOPED_TRACE(name);
      const std::string path = test_support::shared_path("bmpsuite/" + name);
      const auto bitmap = platform::load_bmp_file(path);
      const auto file = platform::BmpFile::open(path);
      ASSERT_EQ(file.has_value(), bitmap.has_value());
      if (!file) continue;
      for (const auto format : {platform::PixelFormat::xrgb8888, platform::PixelFormat::rgb565}) {
        for (const auto& [x, y] : positions) {
          auto copied = platform::make_surface(97, 61, format);
          auto placed = platform::make_surface(97, 61, format);
          bmp_test::reference_copy_1to1(copied, *bitmap, x, y);
          file->copy_1to1(placed, x, y);
          EXPECT_EQ(placed.pixels, copied.pixels) << "at " << x << "," << y;
        }
      }
    }
  }
}

// Stretched straight from the file, shrinking and enlarging, every file shows exactly what
// its decoded picture stretched shows: each kind of file is read only where the surface samples.
TEST(BmpSuiteAll, StretchingFromTheFileEqualsStretchingTheDecodedPicture) {
  const std::pair<int, int> sizes[] = {{97, 61}, {31, 300}, {300, 23}};
  for (const char* folder : {"g", "q", "b"}) {
    for (const std::string& name : suite_files(folder)) {
      SCOPED_TRACE(name);
      const auto bitmap = decode_suite_file(name);
      if (!bitmap) continue;
      const auto bytes = read_bytes(test_support::shared_path("bmpsuite/" + name));
      platform::MemoryBmpSource source(bytes.data(), bytes.size());
      const auto layout = platform::read_bmp_layout(source);
      ASSERT_TRUE(layout);
      for (const auto format : {platform::PixelFormat::xrgb8888, platform::PixelFormat::rgb565}) {
        for (const auto& [width, height] : sizes) {
          auto stretched = platform::make_surface(width, height, format);
          auto expected = platform::make_surface(width, height, format);
          platform::stretch_picture(*layout, source, stretched);
          bmp_test::reference_stretch(expected, *bitmap);
          EXPECT_EQ(stretched.pixels, expected.pixels) << width << "x" << height;
        }
      }
    }
  }
}

}  // namespace
