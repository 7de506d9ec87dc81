#include "graphics/debug_output.h"

#include <cstdio>

void debug_output(const char* text) { std::fputs(text, stderr); }
