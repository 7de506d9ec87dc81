#pragma once
// The started program with a cleared page table of five pages, pictures 11..15, and the editor on.
#include <cstring>
#include <string>

#include "book/page_table.h"
#include "screens/editor_state/editor_state.h"
#include "support/started_program.h"

class EditorTest : public StartedProgramTest {
 protected:
  void SetUp() override {
    StartedProgramTest::SetUp();
    pages.default_box1_x = 100;
    pages.default_box1_y = 100;
    clear_page_table();
    pages.start_page = 1;
    pages.page_count = 5;
    pages.current_page = 1;
    for (int p = 1; p <= 5; ++p) pages.picture[p] = 10 + p;
    editor.entry_limit = 17;
    editor.editor_on = 1;
    editor.status_view = 1;
  }

  static std::string entry() { return editor.entry_text; }
};
