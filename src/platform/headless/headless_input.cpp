#include "platform/headless/headless_input.h"

#include "platform/input/mouse_backend.h"

namespace platform {
namespace {
bool mouse_refused = false;
}  // namespace

void headless::refuse_mouse(bool refused) { mouse_refused = refused; }

bool backend_grant_mouse() { return !mouse_refused; }

}  // namespace platform
