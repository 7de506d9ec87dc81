#pragma once
// The book held in memory: parallel per-page arrays indexed by page number, and the book-wide
// numbers. Page 0 exists in every array but is never shown.
#include <cstdint>

inline constexpr int page_capacity = 300;
inline constexpr int max_page_count = page_capacity - 1;
// Start-up gives box 1 of every cleared page this position.
inline constexpr std::int32_t default_box1_position_at_start = 100;

struct PageTable {
  std::int32_t picture[page_capacity] = {};
  std::int32_t box1[page_capacity] = {};
  std::int32_t box1_x[page_capacity] = {};
  std::int32_t box1_y[page_capacity] = {};
  std::int32_t box2[page_capacity] = {};
  std::int32_t box2_x[page_capacity] = {};
  std::int32_t box2_y[page_capacity] = {};
  std::int32_t box3[page_capacity] = {};
  std::int32_t box3_x[page_capacity] = {};
  std::int32_t box3_y[page_capacity] = {};
  std::int32_t wave[page_capacity] = {};
  std::int32_t back_sound[page_capacity] = {};
  std::int32_t level[page_capacity] = {};
  std::uint8_t mark[page_capacity] = {};
  std::int32_t back_transition[page_capacity] = {};
  std::int32_t forward_transition[page_capacity] = {};
  std::int32_t text_file[page_capacity] = {};
  std::int32_t wave_played[page_capacity] = {};  // kept quirk "Played flags are never saved"

  std::int32_t start_page = 0;
  std::int32_t page_count = 0;
  std::int32_t current_page = 0;
  std::int32_t shown_box1 = 0;
  std::int32_t shown_box2 = 0;
  std::int32_t shown_box3 = 0;
  std::int32_t page_wave_playing = 0;
  std::int32_t default_box1_x = 0;
  std::int32_t default_box1_y = 0;
};

extern PageTable pages;

// Gives the whole record its start-up values (all zero).
void reset_page_table();

// Gives every entry of every per-page array its cleared value; book-wide numbers stay.
void clear_page_table();

// Clears every played flag and page_wave_playing: a new pass through the book begins.
void reset_played_flags();

// A page number that indexes the arrays safely, whatever current_page or page_count hold.
inline int page_index(std::int32_t page) {
  return page < 0 ? 0 : (page > max_page_count ? max_page_count : page);
}
