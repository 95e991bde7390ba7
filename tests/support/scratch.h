// A fresh, empty folder per test under the test output folder, and a registry path in it
// set as PAGINOR_REGISTRY for as long as the scratch lives.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace paginor::test {

class Scratch {
  public:
    Scratch() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(PAGINOR_TEST_OUTPUT_DIR) / "registry" /
                (std::string(info->test_suite_name()) + "." + info->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        ::setenv("PAGINOR_REGISTRY", registry().c_str(), 1);
    }
    ~Scratch() { ::unsetenv("PAGINOR_REGISTRY"); }

    const std::filesystem::path& dir() const { return m_dir; }
    std::string registry() const { return (m_dir / "registry").string(); }

  private:
    std::filesystem::path m_dir;
};

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, sorted.
inline std::vector<std::string> folder_entries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace paginor::test
