// Renders every page of any document the reader accepts into a small image: whatever widths,
// dashes, frames, points, fonts and picture names a damaged file holds, drawing must finish
// without a crash, a leak or a hang. Each page is scaled into kSide x kSide pixels with
// anti-aliasing, as the page renderer draws it. An input that takes longer than
// kMaxMillisecondsPerInput is a finding too (run with -timeout to catch one that never ends).
#include <QByteArray>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/canvas.h"
#include "fuzzed_document.h"
#include "platform/graphics.h"

namespace {

constexpr int kSide = 96;
// Generous for an instrumented build on a shared machine; the bound on drawing one component
// is about a second there.
constexpr qint64 kMaxMillisecondsPerInput = 20000;

void RenderPage(const CQarnDoc& doc, CQarnCanvas* page) {
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double extent = std::max({1.0, double(page->GetWidth()), double(page->GetHeight())});
    painter.scale(kSide / extent, kSide / extent);
    {
        Graphics graphics(&painter);
        doc.Draw(&graphics, CRect(0, 0, page->GetWidth(), page->GetHeight()), page, 0);
    }
    painter.end();
}

}  // namespace

// As for the other document targets, libgsf's bounded leak on a damaged directory is not ours;
// nor are fontconfig's caches, which it fills the first time a face is looked up and keeps.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:gsf_infile_msole_new\nleak:libfontconfig.so\n";
}
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray contents;
    if (!FuzzedContents(data, size, &contents)) {
        return 0;
    }
    CQarnDoc doc;
    if (!ReadFuzzedDocument(contents, doc)) {
        return 0;
    }
    QElapsedTimer clock;
    clock.start();
    for (CQarnCanvas* page : doc.GetCanvasList()) {
        RenderPage(doc, page);
    }
    if (clock.elapsed() > kMaxMillisecondsPerInput) {
        std::fprintf(stderr, "rendering took %lld ms\n", static_cast<long long>(clock.elapsed()));
        std::abort();
    }
    return 0;
}
