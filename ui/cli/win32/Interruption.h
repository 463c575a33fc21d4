// Ctrl+C and Ctrl+Break as a request to end the running command cleanly instead of killing the process.
#pragma once

// From now on the first Ctrl+C or Ctrl+Break only sets the flag that Interrupted() reads and
// signals InterruptionEvent(), so that a wait for messages can include it. Later calls change nothing.
void CatchInterruption();
bool Interrupted();
// The event handle (manual reset) signalled with the flag; null before CatchInterruption.
void* InterruptionEvent();
