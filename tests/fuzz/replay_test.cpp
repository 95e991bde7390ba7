// Every seed and every fixed finding, through the same bodies the fuzzers run: none may
// break a parser's promise, and an input kept under "refused" must be refused. Dates run
// in a zone east of universal time, so that conversions near the limits have an offset
// to overflow with.
#include "bodies.h"

#include "platform/image/image_codec.h"
#include "support/date_test_zone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> bytes_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzReplay, EveryKeptInputKeepsItsParsersPromises) {
    ScopedTimeZone zone(kBerlin);
    for (const paginor::fuzz::Target& target : paginor::fuzz::kTargets) {
        size_t replayed = 0;
        for (const char* kind : {"corpus", "regressions"}) {
            const fs::path root = fs::path(PAGINOR_FUZZ_DIR) / kind / target.name;
            if (!fs::exists(root))
                continue;
            for (const auto& entry : fs::recursive_directory_iterator(root)) {
                if (!entry.is_regular_file())
                    continue;
                const std::vector<uint8_t> input = bytes_of(entry.path());
                const bool accepted = target.body(input.data(), input.size());
                const bool refused = entry.path().parent_path().filename() == "refused";
                EXPECT_FALSE(refused && accepted) << entry.path() << " must be refused";
                ++replayed;
            }
        }
        EXPECT_GT(replayed, 0u) << target.name << " has no kept inputs";
    }
}

// Rows a truncated frame never delivered stay transparent rather than showing memory.
TEST(FuzzReplay, TruncatedGifFrameLeavesMissingRowsTransparent) {
    const auto input =
        bytes_of(fs::path(PAGINOR_FUZZ_DIR) / "regressions/image/truncated-frame.gif");
    const paginor::platform::Image img = paginor::platform::decode_image(input);
    ASSERT_EQ(img.width * img.height, 16);
    EXPECT_EQ(img.pixels[0] >> 24, 0xFFu);
    for (size_t i = 4; i < img.pixels.size(); ++i)
        EXPECT_EQ(img.pixels[i], 0u) << "pixel " << i;
}

} // namespace
