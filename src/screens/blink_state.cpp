#include "screens/blink_state.h"

BlinkState blink;

void reset_blink_state() { blink = BlinkState{}; }
