// A fresh folder per test under the test output folder, removed afterwards, with small
// helpers to make and read files by UTF-16 path.
#pragma once

#include "platform/core/unicode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

class FileTestDir {
  public:
    FileTestDir() {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::path(PAGINOR_TEST_OUTPUT_DIR) / "files" /
                 (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~FileTestDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    FileTestDir(const FileTestDir&) = delete;
    FileTestDir& operator=(const FileTestDir&) = delete;

    // The folder followed by "/" and name, as a host would hand it in.
    std::u16string operator/(const std::u16string& name) const {
        return paginor::from_utf8(m_path.string()) + u"/" + name;
    }
    const std::filesystem::path& path() const { return m_path; }

    void write(const std::u16string& name, const std::string& bytes) const {
        std::ofstream out(m_path / paginor::to_utf8(name), std::ios::binary);
        out << bytes;
    }
    std::string read(const std::u16string& name) const {
        std::ifstream in(m_path / paginor::to_utf8(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::u16string& name) const {
        return std::filesystem::exists(m_path / paginor::to_utf8(name));
    }

  private:
    std::filesystem::path m_path;
};

// A committed document of the test data folder's "documents", by its name there.
inline std::string test_document(const std::string& name) {
    std::ifstream in(std::filesystem::path(PAGINOR_TEST_DATA_DIR) / "documents" / name,
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
