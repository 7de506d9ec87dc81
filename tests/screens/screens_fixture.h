#pragma once
// A started program on the headless display, working in a fresh book folder.
#include <gtest/gtest.h>

#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "support/started_program.h"

using ScreensTest = StartedProgramTest;
