#include "sound/page_wave.h"

#include "book/page_table.h"
#include "platform/audio/audio.h"
#include "sound/sound_channels.h"
#include "sound/sound_files.h"
#include "sound/sound_playback.h"
#include "sound/sound_state.h"

void play_page_wave(std::int32_t number) {
  // A missing wave changes nothing: the next display of the page tries again.
  if (sound_file_exists(number) == 0) return;
  if (sound.sound_on == 1) {
    load_channel(page_wave_channel, number);
    if (sound.channel_buffer[page_wave_channel]) platform::play_channel(page_wave_channel, false);
    pages.page_wave_playing = 1;
  }
  pages.wave_played[page_index(pages.current_page)] = 1;
}

void page_wave_step() {
  if (pages.page_wave_playing == 1) {
    channel_control(page_wave_channel, stop_mode);
    pages.page_wave_playing = 0;
  }
  const int page = page_index(pages.current_page);
  if (pages.wave[page] > 0 && pages.wave_played[page] == 0) play_page_wave(pages.wave[page]);
}
