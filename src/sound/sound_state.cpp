#include "sound/sound_state.h"

SoundState sound;

void reset_sound_state() { sound = SoundState{}; }
