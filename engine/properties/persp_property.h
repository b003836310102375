#pragma once
// Four corner points of a perspective distortion, kept and copied with the component.

#include "platform/point_f.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class CQarnPerspProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnPerspProperty)

public:
    CQarnPerspProperty() : CQarnProperty(QARN_PROP_PERSP) {}
    explicit CQarnPerspProperty(unsigned int kind) : CQarnProperty(kind) {}
    CQarnPerspProperty(const CQarnPerspProperty& other);

    CQarnProperty* Clone() const override;
    virtual void Copy(const CQarnPerspProperty* source);

    PointF GetCorner(int index) const {
        return index >= 0 && index < 4 ? m_Corners[index] : PointF();
    }
    void SetCorner(int index, const PointF& p) {
        if (index >= 0 && index < 4) {
            m_Corners[index] = p;
        }
    }

    void Serialize(CArchive& ar) override;

private:
    // A new distortion starts with all corners at the origin.
    PointF m_Corners[4];
};
