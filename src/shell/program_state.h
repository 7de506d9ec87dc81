#pragma once
// Every global record of the program back to its start-up values, so that one process can
// start the program more than once (tests, benchmarks).
void reset_program_state();
