#pragma once
// One blend point of a brush (factor and position). Carried and cloned; drawing ignores it.

#include "platform/object.h"

class CQarnBlendData : public CObject {
    QARN_DECLARE_SERIAL(CQarnBlendData)

public:
    CQarnBlendData() = default;
    CQarnBlendData(float factor, float position) : factor_(factor), position_(position) {}

    float GetFactor() const { return factor_; }
    float GetPosition() const { return position_; }
    void SetFactor(float factor) { factor_ = factor; }
    void SetPosition(float position) { position_ = position; }

    CQarnBlendData* Clone() const { return new CQarnBlendData(factor_, position_); }

    void Serialize(CArchive& ar) override;

private:
    float factor_ = 0.0f;
    float position_ = 0.0f;
};
