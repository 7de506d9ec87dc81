// The web player: the unchanged program in a page, on the book the page has put in place.
#include <unistd.h>

#include "platform/web/web_player.h"
#include "shell/main_loop.h"

int main() {
  platform::web::keep_saved_files();
  // The page writes the book before the program starts; without it there is nothing to play.
  const int exit_code = ::chdir(platform::web::book_folder) == 0 ? WinMain() : 1;
  platform::web::report_end(exit_code);
  return exit_code;
}
