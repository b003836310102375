#pragma once
// One colour entry of a brush: a colour and a position (the position is compared and stored,
// not used for drawing).

#include "platform/color.h"
#include "platform/object.h"

class CQarnGradient : public CObject {
    QARN_DECLARE_SERIAL(CQarnGradient)

public:
    CQarnGradient() = default;
    CQarnGradient(float position, const Color& color) : position_(position), color_(color) {}

    float GetPosition() const { return position_; }
    void SetPosition(float position) { position_ = position; }
    const Color& GetColor() const { return color_; }
    void SetColor(const Color& color) { color_ = color; }

    CQarnGradient* Clone() const { return new CQarnGradient(position_, color_); }
    bool Equal(const CQarnGradient& other) const;

    void Serialize(CArchive& ar) override;

private:
    float position_ = 0.0f;
    Color color_ = Color(Color::White);
};
