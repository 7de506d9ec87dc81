#pragma once
// A fuzz target's program: started once on the headless backend, with its sound device, in a
// scratch folder of its own that is the working directory and is removed at exit.
#include <cstddef>
#include <string>

// Starts the program on the first call; later calls do nothing. Returns the scratch folder.
const std::string& start_program_in_scratch_folder();

// Writes `size` bytes as the file `name` of the working directory.
void write_scratch_file(const char* name, const void* data, std::size_t size);
