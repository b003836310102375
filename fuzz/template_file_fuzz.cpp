// Feeds arbitrary bytes to the template-file reader, the way a ".tpl" passed around arrives.
// A damaged or hostile file must end in one error that adds nothing, never a crash, a leak, a
// hang or an unbounded allocation. Templates that read are installed and drawn the way the
// program uses them (an instance of each, its anchors and text area, the preview), and are
// written again: the file must read back and write the same bytes once more.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/template_registry.h"
#include "platform/graphics.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/template_file.h"

namespace {

// Enough to reach every path of drawing without drawing every template of a large file.
constexpr int kTemplatesDrawn = 4;

// Owns what one read added.
struct Templates {
    CQarnTemplateList list;
    Templates() = default;
    Templates(const Templates&) = delete;
    Templates& operator=(const Templates&) = delete;
    ~Templates() { qDeleteAll(list); }
};

void Draw(const CQarnTemplateList& list) {
    Qarn::AddASTemplateList(const_cast<CQarnTemplateList*>(&list));
    QImage image(48, 48, QImage::Format_ARGB32);
    for (int i = 0; i < list.size() && i < kTemplatesDrawn; ++i) {
        CQarnAutoShapeTempl* t = list[i];
        CQarnAutoShape instance(RectF(2, 2, 44, 30), t->GetTemplateID());
        image.fill(0xFFFFFFFFu);
        {
            Graphics g(&image);
            instance.Draw(&g, CRect(0, 0, 48, 48), nullptr, nullptr, 0);
            t->Draw(&g, RectF(0, 0, 48, 48));
        }
        const int anchors = instance.GetAnchorCount();
        for (int a = 1; a <= anchors && a <= 64; ++a) {
            (void)instance.GetAnchorPoint(a);
            (void)instance.GetAnchorDirection(a);
        }
        (void)instance.GetTextPosition();
        (void)instance.HitTest(PointF(20, 20), 1.0f);
    }
    Qarn::ClearASTListEntry();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Templates first;
    CQarnTemplateFileInfo info;
    QString error;
    if (!Qarn::ReadTemplateFile(bytes, first.list, &info, &error)) {
        if (!first.list.isEmpty() || error.isEmpty()) {
            std::fprintf(stderr, "a failed read added templates or gave no reason\n");
            std::abort();
        }
        return 0;
    }
    Draw(first.list);
    const QByteArray written = Qarn::WriteTemplateFile(first.list, info);
    Templates second;
    if (!Qarn::ReadTemplateFile(written, second.list, &info, &error)) {
        std::fprintf(stderr, "the reader cannot read what the writer wrote: %s\n",
                     qPrintable(error));
        std::abort();
    }
    if (Qarn::WriteTemplateFile(second.list, info) != written) {
        std::fprintf(stderr, "writing what was read back gives other bytes\n");
        std::abort();
    }
    return 0;
}
