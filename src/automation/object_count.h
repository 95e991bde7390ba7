// Module-wide counts of live objects and server locks: DllCanUnloadNow answers S_OK
// exactly when both are zero. One thread only, as everything in the library.
#pragma once

namespace paginor::automation {

void object_created();
void object_destroyed();
long live_objects();

// LockServer(TRUE) / LockServer(FALSE); unlocking below zero is ignored.
void lock_server(bool lock);
long server_locks();

} // namespace paginor::automation
