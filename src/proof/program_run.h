#pragma once
// Runs the unmodified program on the headless backend, in the book folder that is the working
// directory, through a proof's script, handing each screen shot to the writer.
#include <string>

#include "proof/proof_plan.h"
#include "proof/shot_writer.h"

namespace proof {

// False (with `problem` set) when the script does not parse or the program outlives it.
bool run_program(const ProofPlan& plan, ShotWriter& writer, std::string& problem);

}  // namespace proof
