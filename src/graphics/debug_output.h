#pragma once
// The port's debugger output: diagnostic lines for developers, on stderr.
void debug_output(const char* text);
