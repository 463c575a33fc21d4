// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#pragma once

// From now on the first Ctrl+C or Ctrl+Break only sets the flag that Interrupted() reads.
void CatchInterruption();
bool Interrupted();
