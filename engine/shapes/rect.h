#pragma once
// A rectangle, rounded rectangle or ellipse, by its shape id. The rounded rectangle has one
// handle more than the frame: its corner handle, which sets the size of the corner ellipse.

#include "core/component.h"

class CQarnRect : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnRect)

public:
    // The state the document reader fills: no corners, no shape id.
    CQarnRect();
    // A rectangle on that frame with corners of 16 units.
    explicit CQarnRect(const RectF& rect);

    void Serialize(CArchive& ar) override;
    // The base copy, then the corner size.
    void Copy(const CQarnRect* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    BOOL CreateElements(RectF* rect) override;
    // The corner handle keeps between the frame's centre and one unit inside its
    // bottom-right corner; other handles size the frame, which limits the corner.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    // Sets the corner from an untransformed corner-handle position; other handles are ignored.
    void SetHandle(int handle, PointF point);
    // "<class>-Ellipse-<id>" and the like while the name is empty (not stored).
    QString GetName() override;

    bool IsRoundRect() const;
    // The width and height of the ellipse whose quarters form the corners.
    float GetCornerWidth() const { return m_fCornerWidth; }
    float GetCornerHeight() const { return m_fCornerHeight; }
    void SetCornerSize(float width, float height);
    // The corner size.
    void WriteHandlesToList(QList<PointF>& list) const override;
    using CQarnComponent::ReadHandlesFromList;
    void ReadHandlesFromList(const QList<PointF>& list, POSITION& position) override;

protected:
    // The rounded rectangle adds its corner handle after the frame's and the label's.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;
    bool SetAdjustParameter(int parameter, const PointF& framePoint) override;

private:
    // The number of the corner handle (the last), 0 when there is none.
    int CornerHandle() const;

    float m_fCornerWidth = 0.0f;
    float m_fCornerHeight = 0.0f;
};
