// The real audio device: SDL pulls 16-bit stereo from the mixer on its own thread.
#include <SDL.h>

#include <cstdio>
#include <mutex>
#include <string>

#include "platform/audio/audio_backend.h"
#include "platform/sdl/quiet_standard_error.h"

namespace platform::audio_backend {

namespace {

constexpr int wanted_rate = 48000;
constexpr int output_channels = 2;
constexpr Uint16 callback_frames = 1024;

// Guards the mixer between the program's thread and SDL's audio thread.
std::mutex mixer_guard;
Mixer* open_mixer = nullptr;
SDL_AudioDeviceID device = 0;

void pull(void*, Uint8* stream, int length) {
  std::lock_guard lock(mixer_guard);
  const std::size_t frames = static_cast<std::size_t>(length) / (output_channels * sizeof(std::int16_t));
  open_mixer->mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace

bool open_device(Mixer& mixer) {
  SDL_AudioSpec given{};
  std::string reason;
  {
    const sdl::QuietStandardError quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
      SDL_AudioSpec wanted{};
      wanted.freq = wanted_rate;
      wanted.format = AUDIO_S16SYS;
      wanted.channels = output_channels;
      wanted.samples = callback_frames;
      wanted.callback = pull;
      open_mixer = &mixer;
      device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &given, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
      if (device == 0) {
        reason = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
      }
    } else {
      reason = SDL_GetError();
    }
  }
  if (device == 0) {
    std::fprintf(stderr, "rozeva: no audio device (%s); running without sound\n", reason.c_str());
    open_mixer = nullptr;
    return false;
  }
  mixer.set_output_rate(static_cast<std::uint32_t>(given.freq));
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void close_device() {
  if (device == 0) return;
  SDL_CloseAudioDevice(device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  device = 0;
  open_mixer = nullptr;
}

void enter() { mixer_guard.lock(); }

void leave() { mixer_guard.unlock(); }

// The real device keeps no record of requests.
void record(int, ChannelEvent, std::int32_t, std::string_view) {}

}  // namespace platform::audio_backend
