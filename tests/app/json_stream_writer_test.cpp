// The streamed summary must be byte for byte what Qt's JSON document writes for the same values:
// its readers and any script comparing outputs see no change.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <random>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/layer.h"
#include "document_summary.h"
#include "json_stream_writer.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/catalogue/star.h"

namespace {

// What Qt writes for the same JSON: read back and written again by QJsonDocument.
QByteArray AsQtWrites(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.toJson(QJsonDocument::Indented);
}

QByteArray Written(const std::function<void(CJsonStreamWriter&)>& write) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        CJsonStreamWriter json(&buffer);
        write(json);
    }
    return bytes;
}

TEST(JsonStreamWriter, WritesTheBytesOfQtsIndentedDocument) {
    const QString awkward = QStringLiteral("quote \" slash \\ / tab \t line \n bell \a nul ") +
                            QChar(0) + QStringLiteral(" e\u0301t\u00e9 \u4e2d ") +
                            QString::fromUcs4(U"\U0001F600") + QStringLiteral(" \u007f end");
    const QByteArray ours = Written([&](CJsonStreamWriter& json) {
        json.BeginObject();
        json.Key(QStringLiteral("a empty array"));
        json.BeginArray();
        json.EndArray();
        json.Key(QStringLiteral("b empty object"));
        json.BeginObject();
        json.EndObject();
        json.Key(QStringLiteral("c numbers"));
        json.BeginArray();
        json.Value(0.1f);
        json.Value(double(0.1f));
        json.Value(1e21);
        json.Value(-3.0);
        json.Value(qint64(-9007199254740993LL));

        json.Value(std::numeric_limits<double>::infinity());
        json.EndArray();
        json.Key(QStringLiteral("d nested"));
        json.BeginArray();
        json.BeginArray();
        json.Value(true);
        json.Null();
        json.EndArray();
        json.BeginObject();
        json.Key(awkward);
        json.Value(awkward);
        json.EndObject();
        json.EndArray();
        json.EndObject();
    });
    EXPECT_EQ(ours.toStdString(), AsQtWrites(ours).toStdString());
    EXPECT_TRUE(ours.contains("\\u0000")) << ours.toStdString();
}

// What QJsonDocument writes for a double (read back, a number without a fraction would turn
// into an integer, so numbers are compared one by one).
QByteArray QtNumber(double number) {
    const QByteArray array = QJsonDocument(QJsonArray{number}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

TEST(JsonStreamWriter, WritesNumbersAsQtWritesDoubles) {
    std::vector<double> numbers = {0.0,          -0.0,    1e-4,
                                   9.999e-5,     -1.5e-4, 0.00015,
                                   1e6,          2e6,     1e5,
                                   -4194303.5,   4194304, 1e15,
                                   1e17,         1e21,    0.30000000000000004,
                                   double(0.1f), 1e-300,  1.7976931348623157e308,
                                   5e-324};
    std::mt19937 random(11);
    std::uniform_real_distribution<float> frame(-4194304.0f, 4194304.0f);
    std::uniform_int_distribution<int> power(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const float f = frame(random);
        numbers.push_back(double(f));
        numbers.push_back(double(std::round(f / 1000) * 1000));
        numbers.push_back(double(f) * std::pow(10.0, power(random)));
        numbers.push_back(std::ldexp(1.0, power(random) * 3));
    }
    for (const double number : numbers) {
        QByteArray ours;
        CJsonStreamWriter::AppendNumber(number, &ours);
        ASSERT_EQ(ours.toStdString(), QtNumber(number).toStdString())
            << QByteArray::number(number, 'g', 17).toStdString();
    }
}

TEST(JsonStreamWriter, TheDocumentSummaryHasTheBytesOfItsQtDocument) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(80000);
    t->SetTemplateName(QStringLiteral("Valve \"A\""));
    t->SetPosition(RectF(0, 0, 100, 50));
    t->AddComponent(new CQarnComponent(RectF(0, 0, 100, 50)));
    doc.AddTemplate(t, false);
    auto* instance = new CQarnAutoShape(RectF(10.25f, 10.1f, 100, 50), 80000);
    doc.AddTail(instance);
    instance->Initialize(instance->GetLayer());
    doc.AddTail(new CQarnAutoShape(RectF(10, 100, 20, 20), 123));
    doc.AddTail(new CQarnShapeStar(RectF(0, 0, 100, 100)));
    auto* plain = new CQarnComponent(RectF(-1.5f, 2, 30, 40));
    plain->SetName(QStringLiteral("tab\there \u00fc"));
    plain->SetRotateAngle(33.3f);
    doc.AddTail(plain);
    doc.GetCurrentCanvas()->AddNewLayer()->SetVisible(false);
    doc.AddNewCanvas()->SetSize(640, 480);

    const QByteArray ours = CDocumentSummary::ToJson(doc);
    EXPECT_EQ(ours.toStdString(), AsQtWrites(ours).toStdString());
    // Every component is there, with the keys of each kind.
    const QJsonArray components = QJsonDocument::fromJson(ours)
                                      .object()[QStringLiteral("pages")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("layers")]
                                      .toArray()[0]
                                      .toObject()[QStringLiteral("components")]
                                      .toArray();
    ASSERT_EQ(components.size(), 4);
    EXPECT_TRUE(components[0].toObject().contains(QStringLiteral("template")));
    EXPECT_TRUE(components[2].toObject().contains(QStringLiteral("freeHandles")));
    EXPECT_EQ(components[3].toObject()[QStringLiteral("name")].toString(),
              QStringLiteral("tab\there \u00fc"));
}

// A device that takes only so many bytes.
class ShortDevice : public QIODevice {
public:
    explicit ShortDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        const qint64 taken = std::min(length, room_);
        room_ -= taken;
        return taken;
    }

private:
    qint64 room_;
};

TEST(JsonStreamWriter, AFailedWriteIsReported) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    for (int i = 0; i < 2000; ++i) {
        doc.AddTail(new CQarnComponent(RectF(float(i), 0, 10, 10)));
    }
    ShortDevice full(1000);
    EXPECT_FALSE(CDocumentSummary::Write(doc, &full));
    ShortDevice roomy(qint64(1) << 30);
    EXPECT_TRUE(CDocumentSummary::Write(doc, &roomy));
}

}  // namespace
