#pragma once
// A point marker that marks an anchor of an auto-shape template, with the direction a
// connector leaves it in (1 up, 2 right, 4 down, 8 left, 16 none).

#include "shapes/point.h"

class CQarnAnchorPoint : public CQarnPoint {
    QARN_DECLARE_SERIAL(CQarnAnchorPoint)

public:
    static constexpr BYTE kNoDirection = 16;
    // Light blue in the DWORD colour form.
    static constexpr DWORD kMarkerFill = 0x8080FF;

    CQarnAnchorPoint();
    explicit CQarnAnchorPoint(const RectF& rect);
    // Centred on the position, filled light blue.
    explicit CQarnAnchorPoint(const PointF& center);

    BYTE GetDirection() const { return m_nDirection; }
    void SetDirection(BYTE direction) { m_nDirection = direction; }

    // The point record, the direction and two reserved words.
    void Serialize(CArchive& ar) override;
    void Copy(const CQarnAnchorPoint* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;

private:
    BYTE m_nDirection = kNoDirection;
};
