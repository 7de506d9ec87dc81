#pragma once
// What the page needs to know of a book besides its files, read from its lurinf.bin as the
// player reads it.
#include <filesystem>
#include <optional>

#include "book_script.h"

namespace web_pack {

// Nullopt when the folder has no readable lurinf.bin: it is no book the player could open.
std::optional<BookDescription> describe_book(const std::filesystem::path& book_dir);

}  // namespace web_pack
