#pragma once
// The property ids through which GetPropValue and SetPropValue reach single attributes of a
// component. Any other id names a property kind that holds a user value.

#include "platform/win_types.h"

namespace QarnPropId {

enum : UINT {
    X = 1,
    Y = 2,
    Width = 3,
    Height = 4,
    RotateAngle = 5,
    FlipMode = 6,
    DrawLine = 7,
    Fill = 8,
    DrawText = 9,
    DrawShadow = 10,
    Alpha = 11,
    Closed = 12,
    AnchorAnyWhere = 13,
    FillWithPen = 14,
    UseItsOwn = 15,
    LockRatio = 16,
    Lock = 17,
    ID = 18,
    Name = 19,
    PolyStyle = 20,
    Visible = 21,
    PolyStyleBit8 = 22,

    ShadowStyle = 100,
    ShadowColor1 = 101,
    ShadowColor2 = 102,
    ShadowOffsetX = 103,
    ShadowOffsetY = 104,
    ShadowAlpha = 106,

    PenType = 201,
    LineWidth = 202,
    LineColor1 = 203,
    LineColor2 = 204,
    LineCap = 205,
    LineJoin = 206,
    DashStyle = 207,
    LineAlpha = 208,
    MiterLimit = 209,
    PenAlignment = 210,

    HatchStyle = 301,
    FillColor1 = 302,
    FillColor2 = 303,
    ImageName = 304,
    GradientMode = 306,
    WrapMode = 307,
    FillAlpha = 308,

    StartArrowSize = 401,
    StartArrow = 402,
    EndArrowSize = 403,
    EndArrow = 404,

    TextColor = 501,
    FontName = 502,
    FontSize = 503,
    FontStyle = 504,
    TextAlign = 505,
    StringFormat = 506,
    TextVAlign = 507,
    TextAlpha = 508,
    Text = 509,

    ConnectorType = 600,
    ConnectorToEdge = 601,
};

}  // namespace QarnPropId
