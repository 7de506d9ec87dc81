#pragma once
// A seeded random input script for rozeva-headless: moves, clicks anywhere with both buttons,
// every key the program knows (F12 only at the end) and some it does not, typed characters of
// every code, waits and focus changes, with the editor switched on through the reader menu
// and the book saved along the way. The same seed always gives the same script.
#include <cstdint>
#include <string>

namespace soak {

// `events` script lines (a click aimed at a point counts its moves), then a shot named
// "end" (the run reached the script's end) and one of the program's ways out.
std::string random_script(std::uint64_t seed, int events);

}  // namespace soak
