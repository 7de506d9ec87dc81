#include "screens/editor_state/editor_state.h"

EditorState editor;

void reset_editor_state() { editor = EditorState{}; }

void reset_editor_for_file_operation() {
  editor.new_picture = 0;
  editor.editor_on = 0;
  editor.prompt_mode = 0;
  editor.status_view = 0;
  editor.armed_mode = 0;
}
