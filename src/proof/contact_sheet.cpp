#include "proof/contact_sheet.h"

#include <map>

#include "check/utf8_text.h"
#include "proof/contact_sheet_style.h"

namespace proof {

namespace {

using check::Finding;
using check::Place;
using check::Severity;

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : check::displayable(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string number(std::int64_t n) { return std::to_string(n); }

std::string thumbnail(const std::string& shot, const std::string& caption, bool small, bool written) {
  const char* size = small ? "width=\"128\" height=\"96\"" : "width=\"256\" height=\"192\"";
  if (!written) return "<figure class=\"missing\"><div " + std::string(size) + ">not written</div></figure>";
  return "<figure><a href=\"" + shot + ".png\"><img src=\"thumbs/" + shot + ".png\" " + size + " alt=\"" +
         escaped(caption) + "\"></a><figcaption>" + escaped(caption) + "</figcaption></figure>";
}

std::string fact_row(const std::string& label, const std::string& value) {
  return "<tr><th>" + escaped(label) + "</th><td>" + value + "</td></tr>";
}

std::string numbered_file(std::int32_t value, const std::string& file) {
  if (value <= 0) return "<span class=\"none\">none</span>";
  return number(value) + " <code>" + escaped(file) + "</code>";
}

std::string findings_list(const std::vector<const Finding*>& findings) {
  if (findings.empty()) return "<p class=\"clean\">Nothing to report.</p>";
  std::string out = "<ul>";
  for (const Finding* f : findings)
    out += "<li class=\"" + std::string(check::severity_name(f->severity)) + "\"><b>" +
           check::severity_name(f->severity) + "</b> <span class=\"kind\">" + escaped(f->kind) + "</span> " +
           escaped(f->field) + ": " + escaped(f->message) + "</li>";
  return out + "</ul>";
}

std::string box_rows(const PageFacts& page) {
  std::string rows;
  for (const BoxFacts& box : page.boxes) {
    std::string value = number(box.number) + " at " + number(box.x) + ", " + number(box.y) + " <code>" +
                        escaped(box.file) + "</code>";
    if (box.blinks) value += "<br>blinks with <code>" + escaped(box.highlighted_file) + "</code>";
    rows += fact_row("Box " + number(box.slot), value);
  }
  if (page.boxes.empty()) rows += fact_row("Boxes", "<span class=\"none\">none</span>");
  return rows;
}

std::string page_table(const PageFacts& page) {
  std::string rows = fact_row("Picture", numbered_file(page.picture, page.picture_file));
  rows += box_rows(page);
  rows += fact_row("Mark", page.mark > 0 ? number(page.mark) : "<span class=\"none\">none</span>");
  rows += fact_row("Level", page.level > 0 ? number(page.level) : "<span class=\"none\">none</span>");
  rows += fact_row("Wave", numbered_file(page.wave, page.wave_file));
  rows += fact_row("Back sound", numbered_file(page.back_sound, page.back_sound_file));
  rows += fact_row("Text page", numbered_file(page.text_page, page.text_file));
  rows += fact_row("Transitions",
                   "back " + number(page.back_transition) + ", forward " + number(page.forward_transition));
  return "<table>" + rows + "</table>";
}

std::string book_table(const SheetContents& sheet) {
  const BookFacts& b = sheet.book;
  std::string rows = fact_row("Book file", "<code>" + escaped(b.book_file) + "</code>");
  rows += fact_row("Pages", number(b.page_count));
  rows += fact_row("Pictures", "<code>" + escaped(b.picture_prefix) + "</code>");
  rows += fact_row("Box pictures", "<code>" + escaped(b.box_picture_prefix) + "</code>");
  rows += fact_row("Sounds", "<code>" + escaped(b.sound_prefix) + "</code>");
  rows += fact_row("Title music", numbered_file(b.title_music, b.title_music_file));
  return "<table>" + rows + "</table>";
}

class Sheet {
 public:
  explicit Sheet(const SheetContents& sheet) : sheet_(sheet) {
    for (const PlannedShot& shot : sheet.shots) shots_by_page_[shot.page].push_back(&shot);
    for (const Finding& f : sheet.findings) {
      if (f.place.scope == Place::Scope::page) by_page_[f.place.page].push_back(&f);
      else if (f.place.scope == Place::Scope::book) book_.push_back(&f);
      else folder_.push_back(&f);
    }
  }

  std::string html() const {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    out += "<title>Proof of " + escaped(title()) + "</title>\n<link rel=\"icon\" href=\"data:,\">\n";
    out += "<style>\n" + std::string(contact_sheet_style) + "</style>\n</head>\n<body>\n";
    out += header();
    out += section("title", "Title", shots_of(0), book_table(sheet_), findings_list(book_));
    for (const PageFacts& page : sheet_.pages)
      out += section(shot_name(page.page, ShotKind::reader), "Page " + number(page.page), shots_of(page.page),
                     page_table(page), findings_list(list_of(by_page_, page.page)));
    if (!folder_.empty())
      out += "<section class=\"folder\"><h2>The folder</h2>" + findings_list(folder_) + "</section>\n";
    return out + "</body>\n</html>\n";
  }

 private:
  std::string title() const {
    return sheet_.book.title_line2.empty() ? sheet_.book_dir : sheet_.book.title_line2;
  }

  std::string header() const {
    return "<header><h1>" + escaped(title()) + "</h1><p>" + escaped(sheet_.book.title_line1) +
           "</p><p class=\"summary\"><code>" + escaped(sheet_.book_dir) + "</code>: " + number(sheet_.book.page_count) +
           " pages; rozeva-check: " + escaped(sheet_.check_summary) + "</p></header>\n";
  }

  // The reader's view large, the blink and the editor's view small beside it.
  std::string shots_of(std::int32_t page) const {
    std::string main, extra;
    const auto found = shots_by_page_.find(page);
    if (found == shots_by_page_.end()) return main;
    for (const PlannedShot* shot : found->second) {
      const bool small = shot->kind == ShotKind::blink || shot->kind == ShotKind::editor;
      const char* caption = shot->kind == ShotKind::title    ? "Title screen"
                            : shot->kind == ShotKind::blink  ? "Blinking"
                            : shot->kind == ShotKind::editor ? "Editor"
                                                             : "Reader";
      (small ? extra : main) += thumbnail(shot->name, caption, small, sheet_.missing_shots.count(shot->name) == 0);
    }
    return extra.empty() ? main : main + "<div class=\"extra\">" + extra + "</div>";
  }

  static std::vector<const Finding*> list_of(const std::map<std::int32_t, std::vector<const Finding*>>& lists,
                                             std::int32_t page) {
    const auto found = lists.find(page);
    return found == lists.end() ? std::vector<const Finding*>{} : found->second;
  }

  static std::string section(const std::string& id, const std::string& heading, const std::string& shots,
                             const std::string& facts, const std::string& findings) {
    return "<section id=\"" + id + "\"><div class=\"shots\">" + shots + "</div><div class=\"facts\"><h2>" +
           escaped(heading) + "</h2>" + facts + "</div><div class=\"findings\">" + findings + "</div></section>\n";
  }

  const SheetContents& sheet_;
  std::map<std::int32_t, std::vector<const PlannedShot*>> shots_by_page_;
  std::map<std::int32_t, std::vector<const Finding*>> by_page_;
  std::vector<const Finding*> book_;
  std::vector<const Finding*> folder_;
};

}  // namespace

std::string contact_sheet_html(const SheetContents& sheet) { return Sheet(sheet).html(); }

}  // namespace proof
