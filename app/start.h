// The start routine: initialise, run the global initialiser, register the clean-up routine, load
// the start window, run the message loop, and end the process.
#pragma once

#include "app/lifecycle.h"
#include "app/program_header.h"
#include "window/control_id.h"

namespace wufu {

constexpr ControlId start_window_id = 0x52010001;

// Runs the whole life of the process and gives its exit status: 0 after the window is closed,
// -1 after a fatal error report (1 when there is no display to show anything on).
int run_program(int argc, char** argv, const ProgramHeader& header,
                const ProgramRoutines& routines);

}  // namespace wufu
