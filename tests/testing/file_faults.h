// Fault planning and recording for the file service, through its observer hook (see
// platform/files/file.h): a test fails the k-th operation of a kind with a standard error
// it could not provoke for real, and sees every operation and block transfer.
#pragma once

#include "platform/files/file.h"

#include <optional>
#include <vector>

namespace paginor::seams {

// One positioned read or write as the file service was asked for it.
struct BlockTransfer {
    platform::FileOp op{platform::FileOp::Read}; // Read or Write
    uint64_t offset{0};
    uint64_t size{0};
    friend bool operator==(const BlockTransfer&, const BlockTransfer&) = default;
};

// Observes the file service while alive; at most one at a time (a second throws
// std::logic_error).
class FileFaults {
  public:
    FileFaults();
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    // The k-th operation of kind op from now (any kind when op is empty; k = 1 is the next)
    // raises the standard error number instead of running. A later plan replaces the
    // earlier one; k < 1 cancels it.
    void fail(std::optional<platform::FileOp> op, int k, int number);

    // Operations seen, in order, and the block transfers among those that ran.
    const std::vector<platform::FileOp>& operations() const { return m_operations; }
    const std::vector<BlockTransfer>& transfers() const { return m_transfers; }

  private:
    static void observe(platform::FileOp op, const platform::FileBlock* block);

    std::vector<platform::FileOp> m_operations;
    std::vector<BlockTransfer> m_transfers;
    std::optional<platform::FileOp> m_fail_op;
    int m_fail_countdown{0};
    int m_fail_number{0};
};

} // namespace paginor::seams
