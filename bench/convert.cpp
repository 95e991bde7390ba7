// The converters against the least work of the same run: a 20 MiB text file with 10,000
// hits to HTML against copying the file (goal at most 4x); a large DOCX to HTML against
// inflating word/document.xml and parsing it alone (goal 1.5x); a 20-page fax TIFF to
// PNG against decoding its pages alone (goal 2.5x). Each iteration runs both, and the
// counter cost_vs_baseline is our time over the baseline's.
#include "convert/DocConverter.h"
#include "convert/ImageConverter.h"
#include "convert/image/memory_tiff.h"
#include "convert/readers/zip_package.h"
#include "platform/core/unicode.h"
#include "platform/files/file.h"
#include "platform/files/temp.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace paginor;

namespace {

fs::path scratch() {
    fs::path folder = fs::path(to_utf8(platform::temp_folder())) /
                      ("paginor_bench_convert_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

template <class Ours, class Base> void compare(benchmark::State& state, Ours ours, Base base) {
    double ours_total = 0;
    double base_total = 0;
    for (auto _ : state) {
        auto a = Clock::now();
        ours();
        auto b = Clock::now();
        base();
        auto c = Clock::now();
        double t = std::chrono::duration<double>(b - a).count();
        ours_total += t;
        base_total += std::chrono::duration<double>(c - b).count();
        state.SetIterationTime(t);
    }
    state.counters["cost_vs_baseline"] = base_total > 0 ? ours_total / base_total : 0;
}

void html_run(const fs::path& source, const fs::path& target, std::u16string_view hits) {
    auto converter = convert::create_doc_converter();
    converter->set_hit_start(u"<a NAME=Hit%%ThisHit%%><b>");
    converter->set_hit_end(u"</b></a>");
    converter->set_source_file(from_utf8(source.string()));
    converter->set_hit_list(hits);
    converter->set_target_file(from_utf8(target.string()));
    converter->set_format_code(convert::kFormatHtml);
    converter->run();
}

void BM_TextToHtmlVsCopy(benchmark::State& state) {
    fs::path dir = scratch();
    fs::path source = dir / "big.txt";
    {
        std::ofstream out(source, std::ios::binary);
        std::string line = "The parties agree to the terms written here, line after line, ";
        line += "with nothing of note in them at all.\n";
        uint64_t written = 0;
        for (int i = 0; written < (uint64_t(20) << 20); ++i) {
            const std::string& text =
                i % 20 == 0 && i / 20 < 10000 ? "The contract holds.\n" : line;
            out << text;
            written += text.size();
        }
    }
    compare(
        state, [&] { html_run(source, dir / "big.html", u"contract"); },
        [&] { fs::copy_file(source, dir / "copy.txt", fs::copy_options::overwrite_existing); });
    fs::remove_all(dir);
}

std::string docx_bytes(int paragraphs) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document xmlns:w=\"w\"><w:body>";
    for (int i = 0; i < paragraphs; ++i) {
        xml += "<w:p><w:pPr><w:jc w:val=\"both\"/></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t>Clause ";
        xml += std::to_string(i);
        xml += "</w:t></w:r><w:r><w:t xml:space=\"preserve\"> of the contract binds both parties "
               "to what follows.</w:t></w:r></w:p>";
    }
    xml += "</w:body></w:document>";
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_file_add(archive, "word/document.xml",
                 zip_source_buffer(archive, xml.data(), xml.size(), 0), 0);
    zip_close(archive);
    zip_source_open(out);
    zip_source_seek(out, 0, SEEK_END);
    std::string bytes(size_t(zip_source_tell(out)), '\0');
    zip_source_seek(out, 0, SEEK_SET);
    zip_source_read(out, bytes.data(), bytes.size());
    zip_source_close(out);
    zip_source_free(out);
    return bytes;
}

void BM_DocxToHtmlVsParse(benchmark::State& state) {
    fs::path dir = scratch();
    fs::path source = dir / "big.docx";
    std::string bytes = docx_bytes(100000);
    std::ofstream(source, std::ios::binary) << bytes;
    compare(
        state, [&] { html_run(source, dir / "big.html", u"contract"); },
        [&] {
            std::string file = platform::read_file_bytes(from_utf8(source.string()));
            convert::ZipPackage package(u"big.docx", file);
            platform::XmlDocument doc = package.read_xml("word/document.xml");
            benchmark::DoNotOptimize(doc.root());
        });
    fs::remove_all(dir);
}

std::string fax_pages(int pages) {
    convert::MemoryTiff m;
    TIFF* tif = convert::open_memory_tiff(m, "w");
    std::vector<uint8_t> row(216);
    for (int p = 0; p < pages; ++p) {
        TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, uint32_t(1728));
        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, uint32_t(1100));
        TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(1));
        TIFFSetField(tif, TIFFTAG_COMPRESSION, uint16_t(COMPRESSION_CCITTFAX3));
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, uint16_t(PHOTOMETRIC_MINISWHITE));
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, uint32_t(1100));
        TIFFSetField(tif, TIFFTAG_XRESOLUTION, 204.0f);
        TIFFSetField(tif, TIFFTAG_YRESOLUTION, 98.0f);
        for (uint32_t y = 0; y < 1100; ++y) {
            for (size_t x = 0; x < row.size(); ++x) {
                row[x] = (y / 12 + x / 3 + p) % 7 == 0 && y % 12 < 9 ? uint8_t(0x5A) : 0;
            }
            TIFFWriteScanline(tif, row.data(), y, 0);
        }
        TIFFWriteDirectory(tif);
    }
    TIFFClose(tif);
    return m.bytes;
}

void BM_FaxTiffToPngVsDecode(benchmark::State& state) {
    fs::path dir = scratch();
    fs::path source = dir / "fax.tif";
    std::string bytes = fax_pages(20);
    std::ofstream(source, std::ios::binary) << bytes;
    compare(
        state,
        [&] {
            convert::ImageConverter().convert(from_utf8(source.string()),
                                              from_utf8((dir / "fax.png").string()));
        },
        [&] {
            convert::MemoryTiff m{platform::read_file_bytes(from_utf8(source.string())), 0};
            TIFF* tif = convert::open_memory_tiff(m, "r");
            // Every row decoded, as the fastest reader of bilevel pages does.
            std::vector<uint8_t> row(216);
            do {
                for (uint32_t y = 0; y < 1100; ++y) {
                    TIFFReadScanline(tif, row.data(), y, 0);
                }
            } while (TIFFReadDirectory(tif));
            TIFFClose(tif);
        });
    fs::remove_all(dir);
}

} // namespace

BENCHMARK(BM_TextToHtmlVsCopy)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocxToHtmlVsParse)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FaxTiffToPngVsDecode)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
