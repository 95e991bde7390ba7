#include "testing/file_faults.h"

#include "platform/core/error.h"

#include <stdexcept>

namespace paginor::seams {

namespace {
FileFaults* g_faults = nullptr;
} // namespace

FileFaults::FileFaults() {
    if (g_faults != nullptr) {
        throw std::logic_error("file faults are already planned");
    }
    g_faults = this;
    platform::set_file_observer(&FileFaults::observe);
}

FileFaults::~FileFaults() {
    platform::set_file_observer(nullptr);
    g_faults = nullptr;
}

void FileFaults::fail(std::optional<platform::FileOp> op, int k, int number) {
    m_fail_op = op;
    m_fail_countdown = k < 1 ? 0 : k;
    m_fail_number = number;
}

void FileFaults::observe(platform::FileOp op, const platform::FileBlock* block) {
    FileFaults& f = *g_faults;
    f.m_operations.push_back(op);
    if (f.m_fail_countdown > 0 && (!f.m_fail_op || *f.m_fail_op == op) &&
        --f.m_fail_countdown == 0) {
        raise_standard(f.m_fail_number, u"PaginorV2CTL");
    }
    if (block != nullptr) {
        f.m_transfers.push_back(BlockTransfer{op, block->offset, block->size});
    }
}

} // namespace paginor::seams
