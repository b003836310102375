#pragma once
// Stand-ins for what component geometry talks to: a box-shaped component, a document whose
// changes are recorded, the connection link, and label, shadow and text properties that record what
// is asked of them.

#include <QImage>
#include <QList>
#include <map>
#include <memory>
#include <vector>

#include "core/component.h"
#include "core/configuration.h"
#include "core/connection_link.h"
#include "core/conversions.h"
#include "core/doc.h"
#include "core/doc_listener.h"
#include "core/element.h"
#include "core/label_facet.h"
#include "core/shadow_facet.h"
#include "core/text_facet.h"
#include "platform/graphics.h"
#include "platform/matrix.h"
#include "platform/solid_brush.h"
#include "properties/basic_brush_property.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

// A component whose outline is its frame (or a wedge in the frame's left half).
class TestBox : public CQarnComponent {
public:
    TestBox() = default;
    explicit TestBox(const RectF& r) : CQarnComponent(r) {}

    bool wedge = false;
    int shifts = 0;

    BOOL CreateElements(RectF* rect) override {
        CQarnComponent::CreateElements(rect);
        RectF r = rect != nullptr ? *rect : GetRectF();
        GraphicsPath* path = GetElement(0)->GetPath();
        if (wedge) {
            const PointF corner[3] = {
                {r.X, r.Y}, {r.X + r.Width / 2, r.Y + r.Height / 2}, {r.X, r.Y + r.Height}};
            path->AddPolygon(corner, 3);
        } else {
            path->AddRectangle(r);
        }
        return TRUE;
    }
    void Shift(float dx, float dy) override {
        ++shifts;
        CQarnComponent::Shift(dx, dy);
    }
};

// A component drawn with one pen and one fill colour, no properties from the defaults.
inline std::unique_ptr<TestBox> MakeBox(const RectF& r, Color fill = Color(0xFFFF0000u),
                                        Color line = Color(0xFF0000FFu), float width = 1.0f) {
    auto box = std::make_unique<TestBox>(r);
    box->SetFillColor(fill);
    box->SetLineColor(line);
    box->SetLineWidth(width);
    return box;
}

// Records what a document tells its listeners (views and panes stand in its place).
struct ChangeRecorder : CQarnDocListener {
    QList<CQarnComponent*> invalidated;
    QList<CQarnComponent*> outlines;
    QList<CQarnComponent*> labelOutlines;
    QList<CRect> oldBounds;

    void OnComponentChanged(CQarnComponent* c, Qarn::ComponentChange change,
                            const CRect& old) override {
        switch (change) {
            case Qarn::ComponentChange::Appearance:
                invalidated.append(c);
                oldBounds.append(old);
                break;
            case Qarn::ComponentChange::Outline:
                outlines.append(c);
                break;
            case Qarn::ComponentChange::LabelOutline:
                labelOutlines.append(c);
                break;
        }
    }
};

// A new document of one page whose changes are recorded. Components placed on it belong to
// the document.
struct RecordedDoc {
    CQarnDoc doc;
    ChangeRecorder link;

    RecordedDoc() {
        doc.OnNewDocument();
        link.Subscribe(&doc);
    }
    template <class T>
    T* Place(std::unique_ptr<T> component) {
        T* placed = component.release();
        doc.AddTail(placed);
        return placed;
    }
};

// Connections are opaque to the model: the fake link keys its own records by them.
struct FakeConnectionLink : CQarnConnectionLink {
    struct Call {
        CQarnConnection* connection;
        int change;
        RectF oldRect;
        float oldAngle;
        DWORD oldStyle;
    };
    std::map<CQarnConnection*, CQarnComponent*> connectors;
    std::vector<Call> followed;
    std::vector<CQarnConnection*> killed;
    std::vector<CQarnConnection*> dropped;
    std::vector<CQarnConnection*> recorded;

    CQarnComponent* GetConnector(CQarnConnection* c) const override {
        auto found = connectors.find(c);
        return found == connectors.end() ? nullptr : found->second;
    }
    void KillConnection(CQarnConnection* c, CQarnComponent* component) override {
        killed.push_back(c);
        component->RemoveConnection(c);
    }
    void FollowComponent(CQarnConnection* c, int change, const RectF& oldRect,
                         const float& oldAngle, const DWORD& oldStyle) override {
        followed.push_back({c, change, oldRect, oldAngle, oldStyle});
    }
    void DropConnection(CQarnConnection* c, CQarnComponent*) override { dropped.push_back(c); }
    void RecordPosition(CQarnConnection* c) override { recorded.push_back(c); }
};

struct ConnectionLinkScope {
    FakeConnectionLink link;
    ConnectionLinkScope() { CQarnConnectionLink::Set(&link); }
    ~ConnectionLinkScope() { CQarnConnectionLink::Set(nullptr); }
};

// A stand-in connection handle: only its address is used.
inline CQarnConnection* ConnectionHandle(int& storage) {
    return reinterpret_cast<CQarnConnection*>(&storage);
}

class TestLabel : public CQarnProperty, public CQarnLabelFacet {
public:
    explicit TestLabel(const RectF& r) : CQarnProperty(QARN_PROP_LABEL), rect(r) {}
    RectF rect;
    RectF lastRect;
    int draws = 0;
    Matrix transformAtDraw;

    RectF GetRectF() const override { return rect; }
    void SetRectF(const RectF& r) override { rect = r; }
    CRect GetBoundRect() const override {
        return CRect(int(rect.X), int(rect.Y), int(rect.X + rect.Width), int(rect.Y + rect.Height));
    }
    void Draw(Graphics* g) override {
        ++draws;
        g->GetTransform(&transformAtDraw);
    }
    void UpdateLastRect() override { lastRect = rect; }
};

class TestShadow : public CQarnProperty, public CQarnShadowFacet {
public:
    TestShadow(float dx, float dy, Color colour)
        : CQarnProperty(QARN_PROP_SHADOW), dx_(dx), dy_(dy), brush_(new CQarnBasicBrushProperty()) {
        brush_->SetColor1(colour);
    }
    ~TestShadow() override { delete brush_; }

    CQarnBasicBrushProperty* GetBrushProperty() const override { return brush_; }
    void GetTransformMatrix(Matrix& m, const RectF&) const override { m.Translate(dx_, dy_); }
    RectF GetBoundRect(const RectF& r) const override {
        return RectF(r.X + dx_, r.Y + dy_, r.Width, r.Height);
    }

private:
    float dx_;
    float dy_;
    CQarnBasicBrushProperty* brush_;
};

class TestText : public CQarnProperty, public CQarnTextFacet {
public:
    TestText() : CQarnProperty(QARN_PROP_TEXT) {}
    struct Call {
        RectF rect;
        CQarnBasicBrushProperty* paint;
        Matrix transform;
    };
    std::vector<Call> calls;

    void Draw(Graphics* g, const RectF& r, CQarnBasicBrushProperty* paint) override {
        Call call{r, paint, Matrix()};
        g->GetTransform(&call.transform);
        calls.push_back(call);
    }
};

// Three screen pixels in document units (1/100 inch) at a zoom on a 96-dpi screen: the
// tolerance a view gives the zoom-aware hit tests.
inline float ThreePixels(float zoom) {
    return 3.0f * 100.0f / (96.0f * zoom);
}

inline QImage WhiteCanvas(int w = 200, int h = 200) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFF);
    return image;
}

// Draws the component on a white canvas without smoothing, so pixels are exact.
inline QImage Render(CQarnComponent& c, BYTE mode = 0, Matrix* matrix = nullptr, int w = 200,
                     int h = 200) {
    QImage image = WhiteCanvas(w, h);
    const int quality = Qarn::GetSmoothingMode();
    Qarn::SetSmoothingMode(SmoothingModeNone);
    {
        Graphics g(&image);
        c.Draw(&g, CRect(0, 0, w, h), nullptr, matrix, mode);
    }
    Qarn::SetSmoothingMode(quality);
    return image;
}
