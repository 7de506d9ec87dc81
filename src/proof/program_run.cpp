#include "proof/program_run.h"

#include "graphics/screen_context.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_messages.h"
#include "platform/headless/headless_script.h"
#include "shell/main_loop.h"
#include "shell/program_state.h"

namespace proof {

bool run_program(const ProofPlan& plan, ShotWriter& writer, std::string& problem) {
  namespace headless = platform::headless;
  headless::ParsedScript script = headless::parse_script(plan.script, headless::ShotFolder::given);
  if (!script.errors.empty()) {
    problem = "the proof's script is wrong: " + headless::describe(script.errors.front());
    return false;
  }
  reset_program_state();
  headless::reset_refusals();
  headless::reset_clock();
  // Sound changes nothing on screen; without a device the pages turn without reading it.
  headless::refuse_audio_device(true);
  headless::start_script(std::move(script.lines), [&writer](const std::string& name) {
    if (screen.primary_surface) writer.submit(name, *screen.primary_surface);
  });
  try {
    WinMain();
  } catch (const headless::ProgramOutlivedScript&) {
    problem = "the program did not end after the last page";
    return false;
  }
  headless::start_script({}, nullptr);
  return true;
}

}  // namespace proof
