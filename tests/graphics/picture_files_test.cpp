#include "graphics/picture_files.h"

#include <filesystem>
#include <string>

#include "graphics/rect_copy.h"
#include "graphics_fixture.h"
#include "platform/display/surfaces.h"

using platform::read_pixel;

namespace {

std::string name_of(const char* prefix, std::int64_t n) {
  char name[picture_name_room + 1];
  return build_picture_file_name(prefix, n, name) ? std::string(name) : "<refused>";
}

}  // namespace

TEST(PictureFileName, PadsWithTheBooksZeroRule) {
  EXPECT_EQ(name_of("acs", 1), "acs00001.BMP");
  EXPECT_EQ(name_of("acs", 9), "acs00009.BMP");
  EXPECT_EQ(name_of("acs", 10), "acs00010.BMP");
  EXPECT_EQ(name_of("acs", 42), "acs00042.BMP");
  EXPECT_EQ(name_of("acs", 99), "acs00099.BMP");
  EXPECT_EQ(name_of("acs", 100), "acs00100.BMP");
  EXPECT_EQ(name_of("acs", 990), "acs00990.BMP");
  EXPECT_EQ(name_of("acs", 991), "acs000991.BMP");
  EXPECT_EQ(name_of("acs", 999), "acs000999.BMP");
  EXPECT_EQ(name_of("acs", 1000), "acs01000.BMP");
  EXPECT_EQ(name_of("acs", 12345), "acs012345.BMP");
  EXPECT_EQ(name_of("bilder\\acb", 2147483648LL), "bilder\\acb02147483648.BMP");
}

TEST(PictureFileName, RefusesNamesOver79Characters) {
  EXPECT_EQ(name_of(std::string(70, 'p').c_str(), 1).size(), 79u);
  EXPECT_EQ(name_of(std::string(71, 'p').c_str(), 1), "<refused>");
  EXPECT_EQ(name_of(std::string(300, 'p').c_str(), 1), "<refused>");
}

TEST_F(GraphicsTest, LoadingTheSamePictureTwiceDoesNotTouchTheFile) {
  write_picture("acs00003.BMP", 1024, 768, 0x336699);
  EXPECT_EQ(load_picture(target_page_surface, 3), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 500, 500), rgb(0x336699));
  std::filesystem::remove("acs00003.BMP");
  EXPECT_EQ(load_picture(target_page_surface, 3), 255);
  EXPECT_EQ(load_picture(target_interface_atlas, 3), 1);  // another target reads the file
}

TEST_F(GraphicsTest, AFailedLoadKeepsThePictureAndTriesAgainNextTime) {
  write_picture("acs00003.BMP", 1024, 768, 0x336699);
  ASSERT_EQ(load_picture(target_page_surface, 3), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_picture(target_page_surface, 4), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "handle is null\n");
  EXPECT_EQ(screen.loaded_picture[target_page_surface], 3);
  EXPECT_EQ(read_pixel(*screen.page_surface, 0, 0), rgb(0x336699));
  write_picture("ACS00004.bmp", 1024, 768, 0x112233);  // found in any letter case
  EXPECT_EQ(load_picture(target_page_surface, 4), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 1023, 767), rgb(0x112233));
}

TEST_F(GraphicsTest, TheRememberedNumberHoldsTheWholeNumber) {
  write_picture("acs00001.BMP", 8, 8, 0x010203);
  write_picture("acs065537.BMP", 8, 8, 0x040506);
  ASSERT_EQ(load_picture(target_page_surface, 1), 0);
  EXPECT_EQ(load_picture(target_page_surface, 65537), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 0, 0), rgb(0x040506));
}

TEST_F(GraphicsTest, SmallPicturesGoTopLeftAndLargeOnesAreStretched) {
  write_picture("acs00005.BMP", 1024, 768, 0xAA0000);
  write_picture("acs00006.BMP", 800, 600, 0x00AA00);
  ASSERT_EQ(load_picture(target_page_surface, 5), 0);
  ASSERT_EQ(load_picture(target_page_surface, 6), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 799, 599), rgb(0x00AA00));
  EXPECT_EQ(read_pixel(*screen.page_surface, 800, 0), rgb(0xAA0000));
  EXPECT_EQ(read_pixel(*screen.page_surface, 0, 600), rgb(0xAA0000));

  // 1025 x 768: the right half blue, so the stretched edge lands where nearest sampling puts it.
  dir_.write("acs00007.BMP", test_support::make_bmp24(1025, 768, [](int x, int) {
               return x < 513 ? 0x0000AAu : 0xAAAA00u;
             }));
  ASSERT_EQ(load_picture(target_page_surface, 7), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 0, 0), rgb(0x0000AA));
  EXPECT_EQ(read_pixel(*screen.page_surface, 1023, 767), rgb(0xAAAA00));
  write_picture("acs00008.BMP", 1024, 769, 0x123456);
  ASSERT_EQ(load_picture(target_page_surface, 8), 0);
  EXPECT_EQ(read_pixel(*screen.page_surface, 1023, 767), rgb(0x123456));
}

TEST_F(GraphicsTest, APictureNameOver79CharactersIsRefusedLikeAMissingFile) {
  const std::string prefix(76, 'p');
  std::memcpy(config.picture_prefix, prefix.c_str(), prefix.size() + 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_picture(target_page_surface, 1), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "handle is null\n");
}

TEST_F(GraphicsTest, BoxPicturesAreOpaqueAndClippedAndAMissingOneDrawsNothing) {
  copy_whole_screen(screen.page_surface, screen.back_buffer);
  dir_.write("acb00012.BMP", test_support::make_bmp24(20, 10, [](int x, int) {
               return x < 10 ? 0x000000u : 0xFFFFFFu;
             }));
  platform::write_pixel(*screen.back_buffer, 100, 100, {9, 9, 9});
  draw_box_picture(12, 95, 95);
  EXPECT_EQ(read_pixel(*screen.back_buffer, 100, 100), rgb(0));  // black copies too
  EXPECT_EQ(read_pixel(*screen.back_buffer, 110, 100), rgb(0xFFFFFF));
  draw_box_picture(12, 1020, -5);
  EXPECT_EQ(read_pixel(*screen.back_buffer, 1023, 0), rgb(0x000000));
  draw_box_picture(12, 2147483647, -2147483647 - 1);  // far off screen: nothing, no fault

  platform::write_pixel(*screen.back_buffer, 300, 300, {1, 2, 3});
  testing::internal::CaptureStderr();
  draw_box_picture(13, 295, 295);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "handle is null\n");
  EXPECT_EQ(read_pixel(*screen.back_buffer, 300, 300), (platform::Rgb{1, 2, 3}));

  dir_.write("acb00013.BMP", test_support::make_solid_bmp24(4, 4, 0x00FF00));
  draw_box_highlight(13, 0, 0);
  EXPECT_EQ(read_pixel(*screen.blink_frame_1, 3, 3), rgb(0x00FF00));
  EXPECT_EQ(read_pixel(*screen.back_buffer, 3, 3), rgb(0));
}

TEST_F(GraphicsTest, WithoutTheSurfacesContextNothingIsCopied) {
  write_picture("acs00009.BMP", 1024, 768, 0x445566);
  platform::headless::refuse(platform::headless::Refusal::text_context);
  testing::internal::CaptureStderr();
  EXPECT_EQ(load_picture(target_page_surface, 9), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ddcopybitmap failed\n");
  EXPECT_EQ(read_pixel(*screen.page_surface, 0, 0), rgb(0));
}

TEST_F(GraphicsTest, ALostSurfaceIsRestoredByAPictureLoad) {
  write_picture("acs00010.BMP", 1024, 768, 0x778899);
  platform::mark_surface_lost(screen.page_surface);
  EXPECT_EQ(load_picture(target_page_surface, 10), 0);
  EXPECT_FALSE(platform::surface_lost(screen.page_surface));
  EXPECT_EQ(read_pixel(*screen.page_surface, 10, 10), rgb(0x778899));
}
