#include <gtest/gtest.h>

#include <QPainter>

#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "platform/dc.h"
#include "platform/pen.h"
#include "shapes/point.h"
#include "shapes/shape_fixtures.h"

TEST(PointTest, APointIsSixUnitsAcrossAndCannotBeSizedRotatedOrFlipped) {
    CQarnPoint point(PointF(50, 40));
    EXPECT_TRUE(point.GetRectF().Equals(RectF(47, 37, 6, 6)));
    EXPECT_FALSE(point.CanSizeX());
    EXPECT_FALSE(point.CanSizeY());
    EXPECT_FALSE(point.CanRotate());
    EXPECT_FALSE(point.CanFlip());
    EXPECT_TRUE(point.CanFreeMove());
    EXPECT_EQ(point.GetHandleCount(), 0);
    EXPECT_EQ(point.HitTest(CPoint(47, 37), nullptr, 1, nullptr), 0);
    EXPECT_EQ(point.GetMarkerStyle(), CQarnPoint::MarkerCircle);
    EXPECT_EQ(point.GetMarkerRadius(), 3.0f);
    CQarnPoint framed(RectF(0, 0, 20, 10));
    EXPECT_TRUE(framed.GetRectF().Equals(RectF(0, 0, 20, 10)));
    EXPECT_FALSE(framed.CanRotate());
    EXPECT_EQ(point.GetHandleCursor(1), Qt::SizeAllCursor);
}

TEST(PointTest, ItsOnlyHandleAndEveryAnchorIsTheCentre) {
    CQarnPoint point(PointF(50, 40));
    for (int i : {0, 1, 5, 9}) {
        ExpectPointNear(point.GetHandle(i, 1), PointF(50, 40));
        ExpectPointNear(point.GetAnchorPoint(i), PointF(50, 40));
    }
}

TEST(PointTest, DraggingCentresThePointOnThePointerAndKeepsItsSize) {
    RecordedDoc views;
    auto* placed = views.Place(std::make_unique<CQarnPoint>(PointF(50, 40)));
    CQarnPoint& point = *placed;
    EXPECT_EQ(point.MoveHandleTo(3, PointF(100, 20), 0), 1);
    EXPECT_TRUE(point.GetRectF().Equals(RectF(97, 17, 6, 6)));
    EXPECT_EQ(views.link.invalidated.size(), 1);
    CQarnPoint wide(RectF(0, 0, 20, 10));
    wide.MoveHandleTo(0, PointF(0, 0), 0);
    EXPECT_TRUE(wide.GetRectF().Equals(RectF(-10, -5, 20, 10)));
}

TEST(PointTest, EachMarkerStyleHasItsOutline) {
    CQarnPoint point(PointF(50, 40));
    point.SetMarkerRadius(4);
    struct Case {
        BYTE style;
        bool inside;
        bool closed;
    };
    for (Case c : {Case{0, false, false}, Case{2, false, false}, Case{4, true, true},
                   Case{5, true, true}, Case{6, true, true}, Case{7, true, true}}) {
        point.SetMarkerStyle(c.style);
        ExpectRectNear(OutlineBounds(point), RectF(46, 36, 8, 8));
        EXPECT_EQ(bool(point.GetPath()->IsVisible(50, 40.5f)), c.inside) << int(c.style);
        EXPECT_EQ(point.GetPath()->AllFiguresClosed(), c.closed) << int(c.style);
    }
    // The cross runs corner to corner, the plus through the middles.
    point.SetMarkerStyle(CQarnPoint::MarkerCross);
    point.ResetPath();
    Pen thin(Color(Color::Black), 1.0f);
    EXPECT_TRUE(point.GetPath()->IsOutlineVisible(48, 38, &thin));
    EXPECT_TRUE(point.GetPath()->IsOutlineVisible(52, 38, &thin));
    EXPECT_FALSE(point.GetPath()->IsOutlineVisible(50, 36, &thin));
    point.SetMarkerStyle(CQarnPoint::MarkerPlus);
    point.ResetPath();
    EXPECT_TRUE(point.GetPath()->IsOutlineVisible(50, 36, &thin));
    EXPECT_FALSE(point.GetPath()->IsOutlineVisible(48, 38, &thin));
}

TEST(PointTest, StylesOneThreeAndAboveSevenDrawNothing) {
    for (BYTE style : {BYTE(1), BYTE(3), BYTE(8), BYTE(255)}) {
        CQarnPoint point(PointF(50, 40));
        point.SetFillColor(Color(0xFFFF0000u));
        point.SetLineColor(Color(0xFF0000FFu));
        point.SetMarkerStyle(style);
        point.ResetPath();
        EXPECT_TRUE(point.GetPath()->IsEmpty()) << int(style);
        const QImage image = Render(point, 0, nullptr, 100, 100);
        EXPECT_EQ(image, WhiteCanvas(100, 100)) << int(style);
    }
}

TEST(PointTest, TheRecordIsTheBaseThenStyleAndRadiusAndCloneKeepsBoth) {
    CQarnPoint point(RectF(1, 2, 6, 6));
    point.ClearAllProperty();
    point.SetStyle(0x504007);
    point.SetID(3);
    point.SetName(QStringLiteral("P"));
    point.SetMarkerStyle(CQarnPoint::MarkerDiamond);
    point.SetMarkerRadius(2.5f);
    const QByteArray expected = Hex("ffff00000a00") + QByteArray("CQarnPoint") +
                                Hex("00020100"
                                    "0000803f00000040"
                                    "0000c0400000c040"
                                    "07405000"
                                    "00000000"
                                    "03000000"
                                    "00000000"
                                    "fffeff015000"
                                    "00000000"
                                    "0000000000000000"
                                    "0000"
                                    "07"
                                    "00002040");
    EXPECT_EQ(WriteOne(&point).toHex(), expected.toHex());
    std::unique_ptr<CQarnPoint> back = ReadOne<CQarnPoint>(expected);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetMarkerStyle(), CQarnPoint::MarkerDiamond);
    EXPECT_EQ(back->GetMarkerRadius(), 2.5f);
    EXPECT_EQ(WriteOne(back.get()), expected);

    CQarnLayer layer;
    CQarnComponent* clone = back->Clone(&layer);
    auto* copy = dynamic_cast<CQarnPoint*>(clone);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetMarkerStyle(), CQarnPoint::MarkerDiamond);
    EXPECT_EQ(copy->GetMarkerRadius(), 2.5f);
    EXPECT_EQ(copy->GetStyle(), 0x504007u);
    EXPECT_EQ(clone->GetLayer(), &layer);
    layer.Remove(clone);
    delete clone;
}

TEST(PointTest, TheTrackerIsADotInTheStateColour) {
    CQarnPoint point(PointF(20, 20));
    for (auto state : {CQarnComponent::TrackerSelected, CQarnComponent::TrackerActive}) {
        QImage image = WhiteCanvas(40, 40);
        {
            QPainter painter(&image);
            CDC dc(&painter);
            point.DrawTracker(&dc, state, 1.0f);
        }
        const QColor centre = image.pixelColor(20, 20);
        if (state == CQarnComponent::TrackerSelected) {
            EXPECT_GT(centre.green(), 200);
            EXPECT_LT(centre.blue(), 100);
        } else {
            EXPECT_GT(centre.blue(), 200);
            EXPECT_LT(centre.green(), 100);
        }
        EXPECT_EQ(image.pixel(20, 26), 0xFFFFFFFFu);
    }
}
