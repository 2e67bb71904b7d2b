// Stopping a long run cleanly: Ctrl+C (SIGINT), a polite kill (SIGTERM) or a closed terminal
// (SIGHUP) only set a flag, which the run reads between two steps and then ends with its
// records complete. A second signal of the same kind ends the program at once, as usual.
#pragma once

// From now on the stop signals set the flag instead of ending the program.
void CatchStopSignals();

// Whether a stop signal has come since CatchStopSignals.
bool StopAsked();
