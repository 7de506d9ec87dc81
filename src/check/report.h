#pragma once
// rozeva-check's output: one line per finding for people and grep, or JSON for other tools.
#include <string>

#include "check/book_check.h"

namespace check {

// "page 3: error: missing-file: picture 17: bilder\bild00017.BMP is missing; ..."
std::string finding_line(const Finding& finding);

// "4 errors, 1 warning, 0 hints", or "nothing to report".
std::string findings_summary(const Findings& findings);

// Every finding's line, then a summary line.
std::string text_report(const CheckedBook& book, const std::string& book_dir);

std::string json_report(const CheckedBook& book, const std::string& book_dir);

// "page 3", "book", "folder"
std::string place_name(const Place& place);

}  // namespace check
