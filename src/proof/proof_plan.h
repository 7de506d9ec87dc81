#pragma once
// What rozeva-proof asks of the program: the input script that takes a reader through the
// book, and the shots it takes on the way.
#include <cstdint>
#include <string>
#include <vector>

namespace proof {

enum class ShotKind { title, reader, blink, editor };

struct PlannedShot {
  std::string name;  // the PNG's name without ".png"
  ShotKind kind = ShotKind::reader;
  std::int32_t page = 0;  // 0 for the title
};

struct ProofPlan {
  std::string script;  // rozeva-headless's script language
  std::vector<PlannedShot> shots;
};

// `marked[p]` tells whether page p (1..page_count) is marked, so its blink is waited for.
// With `editor`, a second pass shows every page in the editor view.
ProofPlan plan_proof(std::int32_t page_count, const std::vector<bool>& marked, bool editor);

// "page-007", "page-007-blink", "page-007-editor"
std::string shot_name(std::int32_t page, ShotKind kind);

}  // namespace proof
