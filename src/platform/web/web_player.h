#pragma once
// What the web player's main asks of the web backend around the program.
namespace platform::web {

// The page has put the book into this folder before the program starts.
inline constexpr const char* book_folder = "/book";

// From now on every file the program replaces (the book file, a backup) is handed to the page,
// which keeps it in the browser's storage.
void keep_saved_files();

// Tells the page the program has ended.
void report_end(int exit_code);

}  // namespace platform::web
