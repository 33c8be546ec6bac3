// Timings and memory of the launcher against its floors (a bare window, a
// window with the rich-edit control, every window the launcher shows);
// printed by `tolvane_e2e.exe --bench [RUNS [LIMIT]]` for tools/bench. Not a
// test: nothing is judged.
#pragma once

namespace e2e {

// Runs every measurement `runs` times and prints the medians; a selection
// that takes longer than `limitSeconds` ends its series. Returns the driver's
// exit code (non-zero only when a program could not be run).
int RunBench(int runs, int limitSeconds);

}  // namespace e2e
