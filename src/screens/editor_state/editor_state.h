#pragma once
// The editor's and the reader view's variables. A leaf record without includes of its own,
// so that the book's file operations (a layer below the screens) can reset it.

inline constexpr int entry_text_size = 82;
inline constexpr unsigned char entry_limit_before_startup = 56;
inline constexpr unsigned char entry_limit_at_startup = 17;

// The navigation bar's rectangle as the last page display drew it.
struct NavBar {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct EditorState {
  int editor_on = 0;               // 1 while the editor is switched on
  unsigned char status_view = 0;   // 0 reader view, 1 editor status lines
  int edit_mode = 0;               // 0..20, 0 = none chosen
  int armed_mode = 0;              // the edit mode whose button was clicked last
  int new_picture = 0;             // picture number for appending
  int exchange_picture = 0;        // picture number for exchanging
  int transition = 0;              // effect number the next page display uses
  int show_page_number = 0;        // 1: the reader view shows "SEITE n"
  unsigned char prompt_mode = 0;   // open prompt, 0 = none
  char entry_text[entry_text_size] = {};
  unsigned char entry_limit = entry_limit_before_startup;
  int author_switch = 0;
  // The result of the last reader-menu visit or navigation-bar hit; the position readout
  // shows it while the author switch is on.
  int menu_choice = 0;
  // 1 once the title screen has been clicked away; key presses do nothing before.
  int keys_enabled = 0;
  NavBar nav_bar;
};

extern EditorState editor;

// Gives every field its start-up value.
void reset_editor_state();

// What saving, loading and writing the backup do before they open their file.
void reset_editor_for_file_operation();
