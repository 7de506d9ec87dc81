#pragma once
// A few small files in the working directory for the numbers the seed books use: pictures 10
// to 12 (12 larger than the screen, so it is stretched), box pictures 20 to 23, sounds 5 and
// 6, text page 7. Named with the configured prefixes.
void write_tiny_book_files();
