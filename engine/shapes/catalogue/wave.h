#pragma once
// A waving flag: a band whose top and bottom edges run as the same sine wave, one period long
// (the wave) or two (the double wave), between straight upright ends.
//
// Free handle 1 lies on the left edge and sets the height of the wave (up to a fifth of the
// frame's height); free handle 2 lies on the bottom edge and slides the bottom edge against
// the top one (a quarter of the width either way from the middle), slanting the band's ends.
// Which of the two waves it is follows the shape id: it is derived again from the id whenever
// the record is written or read.

#include "shapes/shape_base.h"

class CQarnShapeWave : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeWave)

public:
    CQarnShapeWave();
    // A wave a twentieth of the height high, its edges not slid.
    explicit CQarnShapeWave(const RectF& rect);

    bool IsDouble() const { return m_bDouble; }
    void SetDouble(bool twoPeriods);

    void Copy(const CQarnShapeWave* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record alone; the kind of wave follows the shape id afterwards.
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;

private:
    bool m_bDouble = false;
};
