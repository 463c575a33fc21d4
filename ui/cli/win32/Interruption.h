// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#pragma once

// From now on Ctrl+C and Ctrl+Break only set the flag that Interrupted() reads.
void CatchInterruption();
bool Interrupted();
