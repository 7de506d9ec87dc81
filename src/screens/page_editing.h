#pragma once
// The editor's commands on the page table: append, exchange, insert, delete, marks, save and
// the number entries.
#include <cstdint>

// Carries out editor.edit_mode for the current page (the second click on its button);
// click_y decides the halves of side buttons 2 and 3.
void carry_out_edit_mode(std::int32_t click_y);

// Makes room for a new page at the current page; the pages from there on move up by one.
void insert_page();
// Removes the current page; the pages after it move down by one.
void delete_page();
