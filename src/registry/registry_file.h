// Reading and writing the registry file. Reading never changes the file; writing goes to
// a temporary file in the same folder that then replaces the registry in one rename, so a
// reader sees either the old registry or the new one, never half of one.
#pragma once

#include "registry/registry.h"

#include <string>

namespace paginor::registry {

// Where the registry lives: $PAGINOR_REGISTRY when set and not empty; else
// $XDG_DATA_HOME/paginor/registry when XDG_DATA_HOME is an absolute path; else
// ~/.local/share/paginor/registry (the home folder from $HOME, else from the user
// database). Returns an empty string only when none of these can be found.
std::string registry_path();

// Reads the registry at path into out. A file that does not exist is an empty registry
// (ok). A file that cannot be read (a folder, no permission, an I/O error) gives io_error;
// a file that is not a well-formed registry gives the status, line and reason of the first
// fault. On failure out is left as it was. An empty path gives io_error.
RegistryResult load_registry(const std::string& path, Registry& out);

// Writes registry to path atomically: the text goes to "<path>.tmp.XXXXXX" beside it,
// is flushed to disk and renamed over path; missing parent folders are created. On
// failure (io_error, naming the file) the old file is untouched and no temporary file is
// left behind. An empty path gives io_error.
RegistryResult save_registry(const std::string& path, const Registry& registry);

// An exclusive hold on the registry at path for the object's lifetime: a lock (flock) on
// "<path>.lock" beside it, made with its folders when missing. Taken around a read, change
// and write, it keeps two processes (or threads) registering at once from losing one's
// change: the second waits, then reads what the first wrote. result() says why when the
// lock file cannot be made or locked (io_error, naming it); the hold then holds nothing.
class RegistryLock {
  public:
    explicit RegistryLock(const std::string& path);
    ~RegistryLock();
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;
    const RegistryResult& result() const { return m_result; }

  private:
    int m_fd{-1};
    RegistryResult m_result{};
};

} // namespace paginor::registry
