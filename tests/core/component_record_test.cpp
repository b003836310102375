#include <gtest/gtest.h>

#include <memory>

#include "core/component.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/gradient.h"
#include "properties/pen_property.h"
#include "properties/property_value.h"

namespace {

// A property whose live instances are counted, to see that a failed read frees exactly what
// it made and nothing that another holder still has.
class CTestCountedProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CTestCountedProperty)

public:
    CTestCountedProperty() : CQarnProperty(7100) { ++live; }
    ~CTestCountedProperty() override { --live; }
    static int live;
};
QARN_IMPLEMENT_SERIAL(CTestCountedProperty, CQarnProperty, 0)
int CTestCountedProperty::live = 0;

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QByteArray Written(const QList<CQarnComponent*>& components) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    out.WriteObjectList(components);
    return bytes;
}

// The components of a list read back; the caller owns them.
QList<CQarnComponent*> ReadBack(QByteArray bytes) {
    CArchive in(CArchive::load, &bytes);
    QList<CQarnComponent*> components;
    in.ReadObjectList(components);
    EXPECT_TRUE(in.AtEnd());
    return components;
}

struct ComponentsDeleter {
    QList<CQarnComponent*>* list;
    ~ComponentsDeleter() { qDeleteAll(*list); }
};

}  // namespace

TEST(ComponentRecordTest, TheBaseRecordHoldsItsFieldsInOrderThenThePropertyList) {
    CQarnComponent c;
    c.SetRectF(RectF(1, 2, 30, 40));
    c.SetStyle(0x504007);
    c.SetRotateAngle(45);
    c.SetID(7);
    c.SetState(3);
    c.SetName(QStringLiteral("Box"));
    c.SetShapeID(18228);
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteObject(&c);
    }
    const QByteArray expected = Hex("ffff00000e00") + QByteArray("CQarnComponent") +
                                Hex("00020100"
                                    "0000803f000000400000f04100002042"
                                    "07405000"
                                    "00003442"
                                    "07000000"
                                    "03000000"
                                    "fffeff0342006f007800"
                                    "34470000"
                                    "0000000000000000"
                                    "0000");
    EXPECT_EQ(bytes.toHex(), expected.toHex());
}

TEST(ComponentRecordTest, ReadingRestoresTheFieldsCountsThePropertiesAndCentresTheRotation) {
    CQarnComponent source(RectF(10, 20, 30, 40));
    source.SetRotateAngle(90);
    source.SetRotateCenter(PointF(0, 0));
    source.SetID(12);
    source.SetState(0x55);
    source.SetShapeID(18218);
    source.SetLineWidth(4);
    source.SetFillColor(Color(0xFF102030u));
    auto* arrow = new CQarnArrowProperty();
    arrow->SetEndArrow(ArrowTypeDiamond);
    source.AddProperty(arrow);
    source.AddProperty(new CQarnPropertyValue(7000, QStringLiteral("w"), CVariant(5)));

    QList<CQarnComponent*> back = ReadBack(Written({&source}));
    ComponentsDeleter cleanup{&back};
    ASSERT_EQ(back.size(), 1);
    CQarnComponent* c = back[0];
    EXPECT_TRUE(c->GetRectF().Equals(RectF(10, 20, 30, 40)));
    EXPECT_EQ(c->GetStyle(), source.GetStyle());
    EXPECT_EQ(c->GetRotateAngle(), 90.0f);
    EXPECT_EQ(c->GetID(), 12u);
    EXPECT_EQ(c->GetState(), 0x55u);
    EXPECT_EQ(c->GetShapeID(), 18218);
    EXPECT_TRUE(c->GetRotateCenter().Equals(PointF(25, 40)));
    // The name was never generated, so none was stored and it is made on request.
    EXPECT_EQ(c->GetName(), QStringLiteral("Ellipse-12"));

    ASSERT_EQ(c->GetPropList().size(), 4);
    for (CQarnProperty* p : c->GetPropList()) {
        EXPECT_EQ(p->GetRefCount(), 1) << p->GetRuntimeClass()->m_lpszClassName;
    }
    EXPECT_FLOAT_EQ(c->GetLineWidth(), 4.0f);
    EXPECT_EQ(c->GetFillColor().GetValue(), 0xFF102030u);
    EXPECT_EQ(c->GetEndArrow(), ArrowTypeDiamond);
    auto* user = dynamic_cast<CQarnPropertyValue*>(c->GetProperty(7000));
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->GetValue(), CVariant(5));
    EXPECT_TRUE(c->GetPropList()[1]->IsKindOf(RUNTIME_CLASS(CQarnBrushProperty)));
}

TEST(ComponentRecordTest, TwoComponentsOfOneClassAndAPropertyTheyShare) {
    CQarnComponent first;
    CQarnComponent second;
    auto* shared = new CQarnArrowProperty();
    first.AddProperty(shared);
    second.AddProperty(shared);
    QByteArray bytes;
    qint64 secondAt = 0;
    {
        CArchive out(CArchive::store, &bytes);
        out.WriteCount(2);
        out.WriteObject(&first);
        secondAt = out.Position();
        out.WriteObject(&second);
    }
    // Class 1 and object 2 are the first component, class 3 and object 4 the arrow.
    EXPECT_EQ(bytes.mid(qsizetype(secondAt), 2), Hex("0180"));
    EXPECT_EQ(bytes.right(4), Hex("01000400"));  // a list of one: the arrow by its index

    QList<CQarnComponent*> back = ReadBack(bytes);
    ComponentsDeleter cleanup{&back};
    ASSERT_EQ(back.size(), 2);
    CQarnProperty* arrow = back[0]->GetPropList().value(0);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(back[1]->GetPropList().value(0), arrow);
    EXPECT_EQ(arrow->GetRefCount(), 2);
    delete back.takeFirst();
    EXPECT_EQ(arrow->GetRefCount(), 1);
}

TEST(ComponentRecordTest, ALongNameUsesTheSixteenBitLengthForm) {
    CQarnComponent c;
    c.SetName(QString(300, QLatin1Char('n')));
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        c.Serialize(out);
    }
    // After the mark, frame, style, angle, id and state: 4 + 16 + 4 * 4 bytes.
    EXPECT_EQ(bytes.mid(36, 6), Hex("fffeffff2c01"));
    CQarnComponent back;
    QByteArray copy = bytes;
    CArchive in(CArchive::load, &copy);
    back.Serialize(in);
    EXPECT_EQ(back.GetName(), c.GetName());
}

TEST(ComponentRecordTest, TheRecordMarkIsNotCheckedAndReadingReplacesOldProperties) {
    CQarnComponent source;
    source.SetID(4);
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        source.Serialize(out);
    }
    bytes.replace(0, 4, Hex("efbeadde"));
    CQarnComponent target;
    target.AddProperty(new CTestCountedProperty());
    ASSERT_EQ(CTestCountedProperty::live, 1);
    CArchive in(CArchive::load, &bytes);
    target.Serialize(in);
    EXPECT_EQ(target.GetID(), 4u);
    EXPECT_TRUE(target.GetPropList().isEmpty());
    EXPECT_EQ(CTestCountedProperty::live, 0);
}

TEST(ComponentRecordTest, APropertyListMayHoldOnlyProperties) {
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        CQarnComponent c;
        c.Serialize(out);
    }
    bytes.chop(2);
    bytes +=
        Hex("0100") + Hex("ffff00000d00") + QByteArray("CQarnGradient") + Hex("00000000ff000000");
    CQarnComponent target;
    CArchive in(CArchive::load, &bytes);
    try {
        target.Serialize(in);
        FAIL() << "a gradient is not a property";
    } catch (const CArchiveException& e) {
        EXPECT_TRUE(e.Cause().contains(QStringLiteral("CQarnGradient where CQarnProperty")))
            << e.Cause().toStdString();
        EXPECT_EQ(e.Offset(), bytes.size() - 27);  // at the gradient's tag
    }
}

TEST(ComponentRecordTest, ATruncatedListOfComponentsFailsAtEveryByteAndLeaksNothing) {
    CQarnComponent first(RectF(0, 0, 10, 10));
    CQarnComponent second(RectF(5, 5, 10, 10));
    auto* counted = new CTestCountedProperty();
    first.AddProperty(counted);
    second.AddProperty(counted);
    second.AddProperty(new CTestCountedProperty());
    second.AddProperty(new CQarnArrowProperty());
    second.AddProperty(new CQarnPropertyValue(7001, QStringLiteral("t"), CVariant("x")));
    const QByteArray full = Written({&first, &second});
    ASSERT_EQ(CTestCountedProperty::live, 2);
    {
        QList<CQarnComponent*> all = ReadBack(full);
        EXPECT_EQ(CTestCountedProperty::live, 4);
        qDeleteAll(all);
    }
    for (qsizetype length = 0; length < full.size(); ++length) {
        QByteArray part = full.left(length);
        CArchive in(CArchive::load, &part);
        QList<CQarnComponent*> components;
        EXPECT_THROW(in.ReadObjectList(components), CArchiveException) << "length " << length;
        qDeleteAll(components);
        EXPECT_EQ(CTestCountedProperty::live, 2) << "length " << length;
    }
}
