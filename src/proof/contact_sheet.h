#pragma once
// index.html: the contact sheet of a proof. The title screen and every page in page order as
// thumbnails that open the full-size pictures, each page's numbers, files and transitions
// beside it, and rozeva-check's findings beside the page they concern.
#include <set>
#include <string>
#include <vector>

#include "check/finding.h"
#include "proof/proof_plan.h"
#include "proof/sheet_facts.h"

namespace proof {

struct SheetContents {
  std::string book_dir;
  BookFacts book;
  std::vector<PageFacts> pages;
  std::vector<check::Finding> findings;  // in the check's order
  std::string check_summary;             // "4 errors, 1 warning, 0 hints"
  std::vector<PlannedShot> shots;
  std::set<std::string> missing_shots;  // shots that could not be written
};

std::string contact_sheet_html(const SheetContents& sheet);

}  // namespace proof
