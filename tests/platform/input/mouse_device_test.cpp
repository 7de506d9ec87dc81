#include "platform/input/mouse_device.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_input.h"

using namespace platform;

namespace {

class MouseDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = create_window();
    input_ = create_input_object();
    device_ = create_mouse_device(input_, window_);
    event_ = create_mouse_event();
    ASSERT_TRUE(set_mouse_notification(device_, event_));
    ASSERT_TRUE(set_mouse_buffer_size(device_, mouse_buffer_items));
  }
  void TearDown() override {
    release_input_object(input_);
    release_mouse_device(device_);
    close_mouse_event(event_);
    destroy_window(window_);
    headless::refuse_mouse(false);
  }

  Window* window_ = nullptr;
  InputObject* input_ = nullptr;
  MouseDevice* device_ = nullptr;
  MouseEvent* event_ = nullptr;
};

}  // namespace

TEST_F(MouseDeviceTest, AnUnacquiredDeviceKeepsNothingAndReadsFail) {
  EXPECT_FALSE(deliver_mouse_item({MouseItemKind::x_axis, 5}));
  EXPECT_FALSE(take_mouse_event());
  MouseItem item;
  EXPECT_EQ(read_mouse_item(device_, item), MouseReadResult::failed);
}

TEST_F(MouseDeviceTest, ItemsComeBackInOrderAndSignalTheEventOnce) {
  ASSERT_TRUE(acquire_mouse(device_));
  deliver_mouse_item({MouseItemKind::x_axis, 5});
  deliver_mouse_item({MouseItemKind::button_0, 0x80});
  EXPECT_TRUE(take_mouse_event());
  EXPECT_FALSE(take_mouse_event());  // auto-reset
  MouseItem item;
  ASSERT_EQ(read_mouse_item(device_, item), MouseReadResult::item);
  EXPECT_EQ(item.kind, MouseItemKind::x_axis);
  EXPECT_EQ(item.data, 5);
  ASSERT_EQ(read_mouse_item(device_, item), MouseReadResult::item);
  EXPECT_EQ(item.kind, MouseItemKind::button_0);
  EXPECT_EQ(read_mouse_item(device_, item), MouseReadResult::empty);
}

TEST_F(MouseDeviceTest, TheBufferHoldsSixteenItemsAndDropsTheNewest) {
  ASSERT_TRUE(acquire_mouse(device_));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(deliver_mouse_item({MouseItemKind::y_axis, i}), i < 16) << i;
  MouseItem item;
  int count = 0, last = -1;
  while (read_mouse_item(device_, item) == MouseReadResult::item) {
    last = item.data;
    ++count;
  }
  EXPECT_EQ(count, 16);
  EXPECT_EQ(last, 15);
}

TEST_F(MouseDeviceTest, LostInputIsReportedOnceAndNeedsANewAcquisition) {
  ASSERT_TRUE(acquire_mouse(device_));
  deliver_mouse_item({MouseItemKind::x_axis, 1});
  mouse_input_lost();
  MouseItem item;
  EXPECT_EQ(read_mouse_item(device_, item), MouseReadResult::input_lost);
  EXPECT_EQ(read_mouse_item(device_, item), MouseReadResult::failed);
  ASSERT_TRUE(acquire_mouse(device_));
  deliver_mouse_item({MouseItemKind::x_axis, 2});
  ASSERT_EQ(read_mouse_item(device_, item), MouseReadResult::item);
  EXPECT_EQ(item.data, 2);
}

TEST(MouseDeviceRefusal, ARefusedMouseGivesNoDevice) {
  headless::refuse_mouse(true);
  Window* window = create_window();
  EXPECT_EQ(create_input_object(), nullptr);
  headless::refuse_mouse(false);
  InputObject* input = create_input_object();
  headless::refuse_mouse(true);
  EXPECT_EQ(create_mouse_device(input, window), nullptr);
  headless::refuse_mouse(false);
  release_input_object(input);
  destroy_window(window);
}
