// The program's clock in a page: real time, and every pause gives the browser its turn (painting,
// input, sound) until the pause's end.
#include <cmath>

#include "platform/clock/clock.h"
#include "platform/web/web_bridge.h"

namespace platform {

namespace {
const double origin_ms = rozeva_js_now();
}  // namespace

std::int64_t now_ms() { return static_cast<std::int64_t>(std::floor(rozeva_js_now() - origin_ms)); }

void sleep_ms(std::int64_t ms) {
  if (ms <= 0) return;
  rozeva_js_sleep_until(rozeva_js_now() + static_cast<double>(ms));
}

}  // namespace platform
