#include "proof/proof_plan.h"

#include <cstdio>

#include "screens/blink_state.h"

namespace proof {

namespace {

// The program doubles every movement and stops the pointer at the screen's edges, so a long
// movement lands exactly in a corner whatever the pointer did before.
constexpr const char* to_forward_button = "move 2000 2000";  // (1007, 751), on button 4
constexpr const char* to_back_button = "move -40 0";         // (927, 751), on button 3
constexpr const char* back_to_forward_button = "move 2000 0";
constexpr const char* to_top_left = "move -2000 -2000";
constexpr const char* to_editor_switch = "move 55 54";  // (110, 108) in the reader menu

class ScriptWriter {
 public:
  ScriptWriter& line(const std::string& text) {
    plan_.script += text + "\n";
    return *this;
  }
  ScriptWriter& comment(const std::string& text) { return line("# " + text); }
  ScriptWriter& shot(std::int32_t page, ShotKind kind) {
    const std::string name = page == 0 ? "title" : shot_name(page, kind);
    plan_.shots.push_back({name, kind, page});
    return line("shot " + name);
  }
  ProofPlan take() { return std::move(plan_); }

 private:
  ProofPlan plan_;
};

}  // namespace

std::string shot_name(std::int32_t page, ShotKind kind) {
  char name[32];
  const char* suffix = kind == ShotKind::blink ? "-blink" : kind == ShotKind::editor ? "-editor" : "";
  std::snprintf(name, sizeof name, "page-%03d%s", static_cast<int>(page), suffix);
  return name;
}

ProofPlan plan_proof(std::int32_t page_count, const std::vector<bool>& marked, bool editor) {
  ScriptWriter s;
  s.comment("rozeva-proof's tour; rozeva-headless --shots DIR BOOKDIR THIS-FILE shows the same");
  s.line(to_forward_button).shot(0, ShotKind::title);
  s.line("left").comment("the title is clicked away");
  s.line("key F1").comment("page numbers on; the first page's blink began before, so go round once");
  s.line(to_back_button).line("left").line(back_to_forward_button).line("left");
  for (std::int32_t page = 1; page <= page_count; ++page) {
    if (page > 1) s.line("left");
    s.shot(page, ShotKind::reader);
    const bool is_marked = page < static_cast<std::int32_t>(marked.size()) && marked[page];
    if (is_marked) s.line("wait " + std::to_string(blink_speed_at_start)).shot(page, ShotKind::blink);
  }
  if (editor) {
    s.line("left").comment("round to the first page, then the editor from the reader menu");
    s.line("right").line(to_top_left).line(to_editor_switch).line("left").line(to_forward_button);
    for (std::int32_t page = 1; page <= page_count; ++page) {
      if (page > 1) s.line("left");
      s.shot(page, ShotKind::editor);
    }
  }
  return s.take();
}

}  // namespace proof
