// The document viewer against baselines measured in the same run, wall time:
// - TheDocument of a 1 GiB media file (its copy, player page and refused rich text)
//   against `cp` of the same file: speed_vs_cp = cp's time / ours (goal: at least 0.85);
// - TheDocument then TheView = evHTML of a 5 MiB DOCX, up to the first hit painted,
//   against the converter's HTML rendition of it alone: ratio = ours / converter (goal:
//   at most 2); document_vs_converter is TheDocument's part of it alone (goal: at most
//   1.3, as both renditions share one reading of the document);
// - the clean-up of 10,000 matching files against a bare unlink loop over them:
//   ratio = ours / unlink (goal: at most 1.5).
// PAGINOR_BENCH_MEDIA_BYTES sets the media file's size (default 1 GiB) for a quick run.
// Everything lives in a folder of its own under the temporary folder, removed at the end.
#include <paginor/form.h>

#include "convert/DocConverter.h"
#include "platform/core/unicode.h"
#include "platform/files/temp.h"
#include "viewer/temp_files.h"

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zip.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace paginor;

namespace {

double seconds_of(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A folder of the run's own under the temporary folder, which is TEMP while it lives.
class Scratch {
  public:
    Scratch() {
        folder = fs::path(to_utf8(platform::temp_folder())) /
                 ("paginor_bench_viewer_" + std::to_string(::getpid()));
        temp = folder / "temp";
        fs::create_directories(temp);
        setenv("TEMP", temp.c_str(), 1);
    }
    ~Scratch() {
        unsetenv("TEMP");
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::u16string path(const char* name) const { return from_utf8((folder / name).string()); }
    fs::path folder;
    fs::path temp;
};

// A viewer placed on a form, as a host holds it.
struct Viewer {
    Viewer() {
        PaginorSetClock(0);
        form = Form::create(u"Bench", 15360, 11520).value; // 1024 x 768 pixels
        viewer = form.add(u"PaginorV2CTL.DDOC", u"v", 0, 0, 15360, 11520).value;
        viewer.put(u"TheHits", u"contract");
        PaginorDoEvents();
    }
    // TheDocument, then (for html) TheView = evHTML up to the page painted; the seconds
    // the second part took go to view_seconds.
    bool show(const std::u16string& path, bool html) {
        const bool ok = static_cast<bool>(viewer.put(u"TheDocument", std::u16string_view(path)));
        view_seconds += seconds_of([&] {
            if (html)
                viewer.put(u"TheView", LONG(0));
            PaginorDoEvents(); // the page loads, lays out and paints
        });
        return ok;
    }
    double view_seconds{0};
    Form form;
    Control viewer;
};

void write_media(const fs::path& path, uint64_t bytes) {
    std::ofstream out(path, std::ios::binary);
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = char(i * 131 + i / 4096);
    std::memcpy(block.data(),
                "\0\0\0\x20"
                "ftypisom",
                12); // an MP4 header
    for (uint64_t left = bytes; left > 0;) {
        const size_t n = size_t(std::min<uint64_t>(left, block.size()));
        out.write(block.data(), std::streamsize(n));
        left -= n;
        block[4] = 'x'; // only the first block carries the header
    }
}

void BM_MediaDocumentVsCp(benchmark::State& state) {
    Scratch scratch;
    const char* text = std::getenv("PAGINOR_BENCH_MEDIA_BYTES");
    const uint64_t bytes = text && *text ? std::strtoull(text, nullptr, 10) : (1ull << 30);
    write_media(scratch.folder / "clip.mp4", bytes);
    Viewer v;
    const std::u16string clip = scratch.path("clip.mp4");
    const std::string cp = "cp '" + (scratch.folder / "clip.mp4").string() + "' '" +
                           (scratch.folder / "cp.mp4").string() + "'";
    double ours = 0, theirs = 0;
    bool ours_first = true;
    for (auto _ : state) {
        fs::remove_all(scratch.temp);
        fs::create_directories(scratch.temp);
        fs::remove(scratch.folder / "cp.mp4");
        auto run_ours = [&] {
            if (!v.show(clip, false))
                state.SkipWithError("TheDocument failed");
        };
        auto run_cp = [&] {
            if (std::system(cp.c_str()) != 0)
                state.SkipWithError("cp failed");
        };
        double a = 0, b = 0;
        if (ours_first)
            a = seconds_of(run_ours), b = seconds_of(run_cp);
        else
            b = seconds_of(run_cp), a = seconds_of(run_ours);
        ours_first = !ours_first;
        ours += a, theirs += b;
        state.SetIterationTime(a);
    }
    state.counters["bytes"] = double(bytes);
    state.counters["speed_vs_cp"] = ours > 0 ? theirs / ours : 0;
}

// letter.docx with its text replaced by about 5 MiB of paragraphs, stored uncompressed.
void write_docx(const fs::path& path) {
    fs::copy_file(fs::path(PAGINOR_BENCH_DATA_DIR) / "documents" / "letter.docx", path);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document "
                      "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                      "<w:body>";
    for (int i = 0; xml.size() < (5u << 20); ++i)
        xml += "<w:p><w:r><w:t>Paragraph " + std::to_string(i) +
               (i % 50 == 0 ? " of the contract" : " of the agreement") +
               " between the parties, as signed and witnessed.</w:t></w:r></w:p>";
    xml += "</w:body></w:document>";
    zip_t* zip = zip_open(path.c_str(), 0, nullptr);
    zip_source_t* source = zip_source_buffer(zip, xml.data(), xml.size(), 0);
    const zip_int64_t index = zip_name_locate(zip, "word/document.xml", 0);
    zip_file_replace(zip, zip_uint64_t(index), source, 0);
    zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    zip_close(zip);
}

void BM_DocxFirstHitVsConverter(benchmark::State& state) {
    Scratch scratch;
    write_docx(scratch.folder / "big.docx");
    const std::u16string docx = scratch.path("big.docx");
    const std::u16string target = scratch.path("alone.html");
    Viewer v;
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const double a = seconds_of([&] {
            if (!v.show(docx, true))
                state.SkipWithError("TheDocument failed");
        });
        const double b = seconds_of([&] {
            auto doc = convert::create_doc_converter();
            doc->set_hit_start(u"<a NAME=Hit%%ThisHit%%><b>");
            doc->set_hit_end(u"</b></a>");
            doc->set_source_file(docx);
            doc->set_hit_list(u"contract");
            doc->set_return_as_text(false);
            doc->set_target_file(target);
            doc->set_format_code(convert::kFormatHtml);
            doc->run();
        });
        ours += a, theirs += b;
        state.SetIterationTime(a);
    }
    state.counters["bytes"] = double(fs::file_size(scratch.folder / "big.docx"));
    state.counters["ratio_vs_converter"] = theirs > 0 ? ours / theirs : 0;
    state.counters["share_of_view"] = ours > 0 ? v.view_seconds / ours : 0;
    state.counters["document_vs_converter"] = theirs > 0 ? (ours - v.view_seconds) / theirs : 0;
}

void make_files(const fs::path& folder, int count) {
    for (int i = 0; i < count; ++i)
        std::ofstream(folder / ("QMDoc" + std::to_string(i) + ".html")) << "x";
}

void BM_CleanUpVsUnlink(benchmark::State& state) {
    Scratch scratch;
    constexpr int kFiles = 10000;
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        make_files(scratch.temp, kFiles);
        const double a = seconds_of([] { viewer::remove_old_renditions(); });
        if (!fs::is_empty(scratch.temp))
            state.SkipWithError("files left behind");
        make_files(scratch.temp, kFiles);
        const double b = seconds_of([&] {
            for (int i = 0; i < kFiles; ++i)
                ::unlink((scratch.temp / ("QMDoc" + std::to_string(i) + ".html")).c_str());
        });
        ours += a, theirs += b;
        state.SetIterationTime(a);
    }
    state.counters["ratio_vs_unlink"] = theirs > 0 ? ours / theirs : 0;
}

} // namespace

BENCHMARK(BM_MediaDocumentVsCp)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocxFirstHitVsConverter)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CleanUpVsUnlink)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
