#pragma once
// The book folder a soak run plays: the demo book as it is, or the demo book made into a random
// book: random numbers in every array of the book file, and files of every kind missing, empty,
// cut short or corrupt, with names in odd letter case. The same seed always gives the same folder.
#include <cstdint>
#include <filesystem>
#include <string>

namespace soak {

struct SoakBook {
  // False when lurinf.bin was made unreadable: the program then ends before its title screen.
  bool starts = true;
  // What was done to the demo book, in a few words.
  std::string description;
};

// `folder` must not exist yet; `demo` holds the demo book.
SoakBook write_soak_book(const std::filesystem::path& demo, const std::filesystem::path& folder, std::uint64_t seed);

}  // namespace soak
