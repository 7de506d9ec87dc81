#include "platform/web/web_player.h"

#include "platform/files/replacing_file_writer.h"
#include "platform/web/web_bridge.h"

namespace platform::web {

void keep_saved_files() {
  set_file_replaced_hook([](const std::string& path) { rozeva_js_file_saved(path.c_str()); });
}

void report_end(int exit_code) { rozeva_js_ended(exit_code); }

}  // namespace platform::web
