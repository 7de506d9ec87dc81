// Sound in a page: Web Audio pulls 16-bit stereo from the mixer. The page's audio runs on the
// same thread as the program, between its steps, so the mixer needs no guard.
#include <emscripten/emscripten.h>

#include <cstddef>

#include "platform/audio/audio_backend.h"
#include "platform/web/web_bridge.h"

namespace platform {

namespace {
Mixer* open_mixer = nullptr;
}  // namespace

namespace audio_backend {

bool open_device(Mixer& mixer) {
  const int rate = rozeva_js_open_audio();
  if (rate <= 0) return false;
  mixer.set_output_rate(static_cast<std::uint32_t>(rate));
  open_mixer = &mixer;
  return true;
}

void close_device() {
  if (!open_mixer) return;
  rozeva_js_close_audio();
  open_mixer = nullptr;
}

void enter() {}

void leave() {}

// The page keeps no record of requests.
void record(int, ChannelEvent, std::int32_t, std::string_view) {}

}  // namespace audio_backend

// Fills `out` with `frames` interleaved stereo frames; silence while no device is open.
extern "C" EMSCRIPTEN_KEEPALIVE void rozeva_web_mix(std::int16_t* out, int frames) {
  if (frames <= 0) return;
  if (open_mixer) {
    open_mixer->mix(out, static_cast<std::size_t>(frames));
    return;
  }
  for (int i = 0; i < 2 * frames; ++i) out[i] = 0;
}

}  // namespace platform
