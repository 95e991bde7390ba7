// A test seam on the file service. On Linux nothing locks a file and root may delete or
// write anything, so tests cannot provoke "permission denied" or "disk full" for real;
// instead they tell the seam to fail the k-th file operation of a kind. Tests of block
// copies also need to see each positioned read and write; the seam records them.
// The seam is process-wide and off unless a FileSeam object is alive; at most one is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace paginor::platform {

// Every call of the file service counts as one operation of one of these kinds.
enum class FileOp {
    Any, // matches every kind when choosing which operation fails
    Open,
    Read,
    Write,
    Length,
    Exists,
    GetTimes,
    SetTimes,
    Delete,
    Copy,
    List,
    WriteText,
};

// One positioned read or write as the file service performed it: offset counted from 0,
// size in bytes as asked for.
struct BlockTransfer {
    FileOp op{FileOp::Read}; // Read or Write
    uint64_t offset{0};
    uint64_t size{0};
    friend bool operator==(const BlockTransfer&, const BlockTransfer&) = default;
};

class FileSeam {
  public:
    // Installs the seam; a second live seam throws std::logic_error (a test bug).
    FileSeam();
    ~FileSeam();
    FileSeam(const FileSeam&) = delete;
    FileSeam& operator=(const FileSeam&) = delete;

    // The k-th operation of kind op from now (k = 1 is the next one) raises the standard
    // error number instead of running. A later call replaces the earlier plan; k < 1
    // cancels it. The failing operation has no effect on the file system.
    void fail(FileOp op, int k, int number);

    // Operations seen since the seam was installed, in order, and the block transfers
    // among them.
    const std::vector<FileOp>& operations() const { return m_operations; }
    const std::vector<BlockTransfer>& transfers() const { return m_transfers; }

    // Called by the file service before each operation: records it, and raises the
    // planned error when this is the chosen one. Not for use outside the file service.
    static void before(FileOp op);
    static void transferred(FileOp op, uint64_t offset, uint64_t size);

  private:
    std::vector<FileOp> m_operations;
    std::vector<BlockTransfer> m_transfers;
    FileOp m_fail_op{FileOp::Any};
    int m_fail_countdown{0};
    int m_fail_number{0};
};

} // namespace paginor::platform
