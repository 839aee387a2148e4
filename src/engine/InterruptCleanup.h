#pragma once

namespace velmora {

// A program that wants a save interrupted by SIGINT, SIGTERM or SIGHUP to leave no temporary
// file calls this once at start. It installs handlers that remove the named temporary files
// of the saves under way and then end the program as the signal would have. A signal that is
// ignored stays ignored. The engine never installs a handler by itself: the program owns its
// signals. (Unnamed temporary files need none of this; they vanish with the process.)
void removeTemporaryFilesOnInterrupt();

// The list the handlers work from: a fixed table that a signal handler can read safely.
// listForInterrupt returns a slot to unlist later, or -1 when the table is full (the next
// save into that folder then clears the file). name must stay valid while listed.
int listForInterrupt(int folder, const char* name);
void unlistForInterrupt(int slot);

// Removes every listed file; safe to call from a signal handler.
void removeListedTemporaryFiles();

}  // namespace velmora
