#include "platform/files/file_seam.h"

#include "platform/core/error.h"

#include <stdexcept>

namespace paginor::platform {

namespace {
FileSeam* g_seam = nullptr;
} // namespace

FileSeam::FileSeam() {
    if (g_seam != nullptr) {
        throw std::logic_error("a FileSeam is already installed");
    }
    g_seam = this;
}

FileSeam::~FileSeam() {
    g_seam = nullptr;
}

void FileSeam::fail(FileOp op, int k, int number) {
    m_fail_op = op;
    m_fail_countdown = k < 1 ? 0 : k;
    m_fail_number = number;
}

void FileSeam::before(FileOp op) {
    FileSeam* seam = g_seam;
    if (seam == nullptr) {
        return;
    }
    seam->m_operations.push_back(op);
    if (seam->m_fail_countdown > 0 && (seam->m_fail_op == FileOp::Any || seam->m_fail_op == op)) {
        if (--seam->m_fail_countdown == 0) {
            raise_standard(seam->m_fail_number, u"PaginorV2CTL");
        }
    }
}

void FileSeam::transferred(FileOp op, uint64_t offset, uint64_t size) {
    if (g_seam != nullptr) {
        g_seam->m_transfers.push_back(BlockTransfer{op, offset, size});
    }
}

} // namespace paginor::platform
