// The browser surface against the libraries beneath it, measured in the same run:
// - a 1 MiB hit page loaded, laid out and first painted, against parsing the same bytes
//   with gumbo alone (goal: at most 15x);
// - one PDF page shown through the surface (load, layout, render, paint), against
//   poppler's render of that page alone at the same size (goal: at most 1.2x);
// - a full repaint of a 1024 x 768 surface after scrolling a page, against a memset of the
//   same pixels (reported): once within the band of three views the page keeps drawn, and
//   once from end to start and back, which draws the band afresh every time.
// Times are the thread's CPU time per run, the best of several repetitions.
#include "controls/WebBrowser.h"
#include "platform/core/system_profile.h"
#include "platform/core/unicode.h"
#include "platform/window/message.h"
#include "platform/window/message_ids.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include "best_time.h"

#include <benchmark/benchmark.h>
#include <gumbo.h>
#include <poppler-document.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace paginor;
namespace pf = paginor::platform;
namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1024, kHeight = 768;

// A hit-marked page of about `bytes` bytes: paragraphs with a hit in every tenth.
std::string hit_page(size_t bytes) {
    std::string html = "<html><head><meta charset=\"iso-8859-1\"></head><body>\r\n";
    for (int p = 0, hit = 0; html.size() < bytes; ++p) {
        html += "<p>Paragraph " + std::to_string(p) +
                " of the agreement between the parties, with terms and conditions that the "
                "search found";
        if (p % 10 == 1) {
            ++hit;
            html += " <a HREF=#Hit" + std::to_string(hit - 1) + ">&lt;&lt;</a><a NAME=Hit" +
                    std::to_string(hit) +
                    "><Font Color=red><b>contract</b></Font></a><a HREF=#Hit" +
                    std::to_string(hit + 1) + ">&gt;&gt;</a>";
        }
        html += " and more text after it.</p>\r\n";
    }
    return html + "</body></html>\r\n";
}

// One A4 page of forty lines of text under a coloured band.
std::string text_pdf() {
    std::string content = "0.2 0.3 0.8 rg 40 770 515 40 re f BT /F1 11 Tf 0 0 0 rg 50 740 Td ";
    for (int i = 0; i < 40; ++i)
        content += "(Line " + std::to_string(i + 1) +
                   " of the quarterly report, with figures and remarks) Tj 0 -16 Td ";
    content += "ET";
    const std::string objects[] = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    std::string pdf = "%PDF-1.4\n", xref = "xref\n0 6\n0000000000 65535 f \n";
    for (int i = 0; i < 5; ++i) {
        char offset[32];
        std::snprintf(offset, sizeof offset, "%010zu 00000 n \n", pdf.size());
        xref += offset;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t start = pdf.size();
    return pdf + xref + "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + std::to_string(start) +
           "\n%%EOF\n";
}

struct Scratch {
    Scratch() {
        folder = fs::temp_directory_path() / ("paginor_bench_surfaces_" + std::to_string(getpid()));
        fs::create_directories(folder);
        html = hit_page(1 << 20);
        pdf = text_pdf();
        std::ofstream(folder / "hits.html", std::ios::binary) << html;
        std::ofstream(folder / "report.pdf", std::ios::binary) << pdf;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::u16string path(const char* name) const { return from_utf8((folder / name).string()); }
    fs::path folder;
    std::string html;
    std::string pdf;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

// A browser of the benchmark's size on a form of its own.
struct Stage {
    Stage() {
        pf::set_screen_twips_per_pixel(15);
        pf::WindowDesc form;
        form.rect = {0, 0, kWidth, kHeight};
        parent = pf::CreateWindow(form);
        browser = std::make_unique<controls::WebBrowser>(parent, pf::RECT{0, 0, kWidth, kHeight});
    }
    // Loads, lays out and paints once.
    void show(const std::u16string& address) {
        browser->Navigate2(address);
        pf::DoEvents();
        pf::UpdateWindow(browser->hWnd());
    }
    pf::WindowSystemScope scope;
    pf::HWND parent{0};
    std::unique_ptr<controls::WebBrowser> browser;
};

void BM_HitPageFirstPaint(benchmark::State& state) {
    Stage stage;
    const std::u16string address = scratch().path("hits.html");
    bench::timed(state, "hit page", [&] { stage.show(address); });
}

void BM_GumboParse(benchmark::State& state) {
    const std::string& html = scratch().html;
    bench::timed(state, "gumbo", [&] {
        GumboOutput* out =
            gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
        benchmark::DoNotOptimize(out);
        gumbo_destroy_output(&kGumboDefaultOptions, out);
    });
}

void BM_PdfPageThroughSurface(benchmark::State& state) {
    Stage stage;
    const std::u16string address = scratch().path("report.pdf");
    bench::timed(state, "pdf surface", [&] { stage.show(address); });
}

// The same page at the width the surface fits it to (its width less the bar and the
// margins): the surface's pages are 8 px in from each side of a view without a bar.
void BM_PopplerRender(benchmark::State& state) {
    const std::string& pdf = scratch().pdf;
    std::unique_ptr<poppler::document> doc(
        poppler::document::load_from_raw_data(pdf.data(), int(pdf.size())));
    std::unique_ptr<poppler::page> page(doc->create_page(0));
    poppler::page_renderer renderer;
    renderer.set_render_hint(poppler::page_renderer::antialiasing);
    renderer.set_render_hint(poppler::page_renderer::text_antialiasing);
    renderer.set_image_format(poppler::image::format_argb32);
    const double dpi = 72.0 * (kWidth - 16 - 16) / page->page_rect().width();
    bench::timed(state, "poppler", [&] {
        poppler::image image = renderer.render_page(page.get(), dpi, dpi);
        benchmark::DoNotOptimize(image.const_data());
    });
}

void repaint_after_keys(benchmark::State& state, const char* name, int forth, int back) {
    Stage stage;
    stage.show(scratch().path("hits.html"));
    // A long page reads the rest of itself the first time the view goes past what it has
    // read; that is a load's cost, paid once, not a repaint's.
    for (const int key : {pf::VK_END, pf::VK_HOME}) {
        pf::SendMessage(stage.browser->hWnd(), pf::WM_KEYDOWN, key, 0);
        pf::UpdateWindow(stage.browser->hWnd());
    }
    bool ahead = true;
    bench::timed(state, name, [&] {
        pf::SendMessage(stage.browser->hWnd(), pf::WM_KEYDOWN, ahead ? forth : back, 0);
        ahead = !ahead;
        pf::UpdateWindow(stage.browser->hWnd());
    });
}

void BM_RepaintAfterScroll(benchmark::State& state) {
    repaint_after_keys(state, "repaint", pf::VK_NEXT, pf::VK_PRIOR);
}

void BM_RepaintAfterJump(benchmark::State& state) {
    repaint_after_keys(state, "repaint far", pf::VK_END, pf::VK_HOME);
}

void BM_Memset(benchmark::State& state) {
    std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
    uint8_t value = 0;
    bench::timed(state, "memset", [&] {
        std::memset(pixels.data(), ++value, pixels.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(pixels.data());
    });
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_GumboParse)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_HitPageFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PopplerRender)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_PdfPageThroughSurface)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_Memset)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_RepaintAfterScroll)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_RepaintAfterJump)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    auto ratio = [&](const char* what, const char* ours, const char* base) {
        if (s.count(ours) && s.count(base) && s[base] > 0)
            std::printf("%s: %.2fx\n", what, s[ours] / s[base]);
    };
    std::printf("\n");
    ratio("1 MiB hit page loaded, laid out and painted / gumbo parse (goal <= 15x)", "hit page",
          "gumbo");
    ratio("PDF page through the surface / poppler render alone (goal <= 1.2x)", "pdf surface",
          "poppler");
    ratio("1024x768 repaint after a page down or up / memset of its pixels", "repaint", "memset");
    ratio("1024x768 repaint after a jump between end and start / memset of its pixels",
          "repaint far", "memset");
    return 0;
}
