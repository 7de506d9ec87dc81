#include <gtest/gtest.h>

#include <string>

#include "platform/clock/clock.h"
#include "platform/display/display.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_message_box.h"

namespace {

TEST(MessageBox, RecordsCaptionAndTextBytesInOrder) {
  platform::headless::clear_message_boxes();
  ::testing::internal::CaptureStderr();
  platform::message_box("ROZEVA", "MAUSINIT FEHLER");
  platform::message_box("ROZEVA", "1 Kann kein Windows-Fenster \xF6" "ffnen");
  ::testing::internal::GetCapturedStderr();

  const auto& shown = platform::headless::message_boxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].caption, "ROZEVA");
  EXPECT_EQ(shown[0].text, "MAUSINIT FEHLER");
  EXPECT_EQ(shown[1].text, "1 Kann kein Windows-Fenster \xF6" "ffnen");

  platform::headless::clear_message_boxes();
  EXPECT_TRUE(platform::headless::message_boxes().empty());
}

TEST(MessageBox, PrintsEachBoxAsOneReadableLineOnStderr) {
  ::testing::internal::CaptureStderr();
  platform::message_box("ROZEVA", "Gr\xFC\xDF" "e \x80 \x93x\x94 \x81");
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(printed, "[ROZEVA] Gr\u00FC\u00DFe \u20AC \u201Cx\u201D \uFFFD\n");
  platform::headless::clear_message_boxes();
}

TEST(VirtualClock, MovesOnlyBySleepAndAdvance) {
  const std::int64_t start = platform::now_ms();
  EXPECT_EQ(platform::now_ms(), start);
  platform::sleep_ms(40);
  EXPECT_EQ(platform::now_ms(), start + 40);
  platform::headless::advance_ms(800);
  EXPECT_EQ(platform::now_ms(), start + 840);
}

TEST(VirtualClock, NonPositiveSpansDoNotMoveIt) {
  const std::int64_t start = platform::now_ms();
  platform::sleep_ms(0);
  platform::sleep_ms(-5);
  platform::headless::advance_ms(-1000);
  EXPECT_EQ(platform::now_ms(), start);
}

}  // namespace
