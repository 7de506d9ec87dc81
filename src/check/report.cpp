#include "check/report.h"

#include <cstdio>

#include "check/utf8_text.h"

namespace check {

namespace {

std::string plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string json_string(const std::string& bytes) {
  const std::string text = displayable(bytes);
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

}  // namespace

std::string place_name(const Place& place) {
  switch (place.scope) {
    case Place::Scope::book: return "book";
    case Place::Scope::page: return "page " + std::to_string(place.page);
    case Place::Scope::folder: return "folder";
  }
  return "";
}

std::string finding_line(const Finding& f) {
  return displayable(place_name(f.place) + ": " + severity_name(f.severity) + ": " + f.kind + ": " + f.field + ": " +
                     f.message);
}

std::string findings_summary(const Findings& findings) {
  const int errors = findings.count(Severity::error);
  const int warnings = findings.count(Severity::warning);
  const int hints = findings.count(Severity::hint);
  if (errors + warnings + hints == 0) return "nothing to report";
  return plural(errors, "error", "errors") + ", " + plural(warnings, "warning", "warnings") + ", " +
         plural(hints, "hint", "hints");
}

std::string text_report(const CheckedBook& book, const std::string& book_dir) {
  if (!book.readable) return "rozeva-check: " + book_dir + " cannot be read as a book: " + book.problem + "\n";
  std::string out;
  for (const Finding& f : book.findings.in_order()) out += finding_line(f) + "\n";
  return out + "rozeva-check: " + book_dir + ", " + plural(book.page_count, "page", "pages") + ": " +
         findings_summary(book.findings) + "\n";
}

std::string json_report(const CheckedBook& book, const std::string& book_dir) {
  std::string out = "{\n  \"book\": " + json_string(book_dir) + ",\n";
  if (!book.readable) return out + "  \"readable\": false,\n  \"problem\": " + json_string(book.problem) + "\n}\n";
  out += "  \"readable\": true,\n  \"pages\": " + std::to_string(book.page_count) + ",\n";
  out += "  \"errors\": " + std::to_string(book.findings.count(Severity::error)) + ",\n";
  out += "  \"warnings\": " + std::to_string(book.findings.count(Severity::warning)) + ",\n";
  out += "  \"hints\": " + std::to_string(book.findings.count(Severity::hint)) + ",\n";
  out += "  \"findings\": [";
  bool first = true;
  for (const Finding& f : book.findings.in_order()) {
    out += first ? "\n" : ",\n";
    first = false;
    const char* scope = f.place.scope == Place::Scope::page ? "page" : f.place.scope == Place::Scope::book ? "book" : "folder";
    out += "    {\"scope\": \"" + std::string(scope) + "\", \"page\": " +
           (f.place.scope == Place::Scope::page ? std::to_string(f.place.page) : std::string("null")) +
           ", \"severity\": \"" + severity_name(f.severity) + "\", \"kind\": " + json_string(f.kind) +
           ", \"field\": " + json_string(f.field) + ", \"file\": " + json_string(f.file) +
           ", \"message\": " + json_string(f.message) + "}";
  }
  return out + (first ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace check
