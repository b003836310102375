// Exports of documents the program handles say nothing on the terminal: no Qt warning about
// a picture without a name, a frame of NaN or a font of infinite size.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "core/canvas.h"
#include "core/doc.h"
#include "export/page_renderer.h"
#include "properties/brush_property.h"
#include "properties/text_property.h"
#include "shapes/arc_outline.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/patched_document.h"

namespace {

QStringList warnings;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg) {
        warnings.append(message);
    }
}

}  // namespace

TEST(QuietExportTest, DamagedValuesAndNamelessPicturesExportWithoutWarnings) {
    constexpr float kMarker = 1234.5f;
    QTemporaryDir dir;
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* ellipse = new CQarnRect(RectF(kMarker, 10, 80, kMarker));
    ellipse->SetShapeID(Qarn::kShapeEllipse);
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("Hello"));
    text->SetFontSize(kMarker);
    ellipse->AddProperty(text);
    doc.AddTail(ellipse);
    doc.AddTail(new CQarnArcOutline(RectF(kMarker, kMarker, 40, 40)));
    auto* textured = new CQarnRect(RectF(100, 100, 60, 40));
    textured->SetFill(true);
    textured->SetBrushType(CQarnBrushProperty::Texture);  // and no picture name
    doc.AddTail(textured);
    for (const float broken : {std::nanf(""), std::numeric_limits<float>::infinity()}) {
        const QString path = dir.filePath(QStringLiteral("damaged.met"));
        ASSERT_GE(SaveWithFloatReplaced(doc, path, kMarker, broken), 1);
        CQarnDoc back;
        QString error;
        ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
        CQarnCanvas* page = back.GetCanvasList()[0];
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
        const bool image = !CPageRenderer::ToImage(back, page, 96).isNull();
        const bool svg = back.ExportToSVG(dir.filePath(QStringLiteral("o.svg")), page, 0, &error);
        const bool pdf =
            CPageRenderer::WritePdf(back, page, dir.filePath(QStringLiteral("o.pdf")), &error);
        qInstallMessageHandler(previous);
        EXPECT_TRUE(image && svg && pdf) << error.toStdString();
        EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
    }
}
