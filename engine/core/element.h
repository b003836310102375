#pragma once
// One drawing element of a component: its own outline path, the pen, brush and arrow
// borrowed from the component (never owned), a copy of the component's rectangle, a flags
// word and the shade percentage its fill is drawn with.
//
// Drawing writes nothing of the element: the setters store only what changed (so handing the
// element what it already has is a read), the paints are readied by PrepareForDrawing on the
// thread that owns the document, and the forms drawing needs (the path ready to fill, the
// stroke's outline) are kept aside for the next drawing by whichever thread made them first
// (KeptForm), while they still fit the path and pen. So once its component is prepared, any
// number of threads may draw an element at once.

#include "platform/graphics_path.h"
#include "platform/kept_form.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class CQarnPenProperty;
class Graphics;
class PreparedPath;
class PreparedStroke;

class CQarnElement {
public:
    // Element flags.
    enum : DWORD {
        kFill = 0x1,
        kDrawLine = 0x2,
        kApart = 0x4,            // kept apart from the filled outline
        kLastOfComponent = 0x8,  // the last element taken from one template component
        kUsesInstance = 0x10,    // uses the instance's rectangle, pen and brush
        kFillWithPen = 0x20,     // filled with the pen's brush
        kClosed = 0x40,
    };
    // The draw mode in which only outlines are stroked (drag feedback).
    static constexpr BYTE kOutlineMode = 2;

    CQarnElement();
    virtual ~CQarnElement();
    CQarnElement(const CQarnElement&) = delete;
    CQarnElement& operator=(const CQarnElement&) = delete;

    // Fills (unless in outline mode) and strokes the path. The state word is the owner's;
    // this element does not read it.
    virtual void Draw(Graphics* graphics, DWORD state, BYTE mode);
    // Readies the paints (reads a texture's picture): what drawing would otherwise do first.
    void PrepareForDrawing();

    GraphicsPath* GetPath() { return &path_; }
    const GraphicsPath* GetPath() const { return &path_; }

    CQarnBasicBrushProperty* GetBrush() const { return brush_; }
    void SetBrush(CQarnBasicBrushProperty* brush) { Store(brush_, brush); }
    CQarnPenProperty* GetPen() const { return pen_; }
    void SetPen(CQarnPenProperty* pen) { Store(pen_, pen); }
    CQarnArrowProperty* GetArrow() const { return arrow_; }
    void SetArrow(CQarnArrowProperty* arrow) { Store(arrow_, arrow); }

    const RectF& GetRectF() const { return rect_; }
    void SetRectF(const RectF& rect);
    DWORD GetFlags() const { return flags_; }
    void SetFlags(DWORD flags) { Store(flags_, flags); }
    bool HasFlag(DWORD flag) const { return (flags_ & flag) != 0; }
    void SetFlag(DWORD flag, bool on) { SetFlags(on ? (flags_ | flag) : (flags_ & ~flag)); }
    // 100 draws the fill as it is, less draws it darker.
    int GetShade() const { return shade_; }
    void SetShade(int percent) { Store(shade_, percent); }

private:
    // Writes only a changed value, so that setting what is already set is a read.
    template <typename T>
    static void Store(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
        }
    }
    GraphicsPath path_;
    CQarnBasicBrushProperty* brush_ = nullptr;
    CQarnPenProperty* pen_ = nullptr;
    CQarnArrowProperty* arrow_ = nullptr;
    RectF rect_;
    DWORD flags_ = 0;
    int shade_ = 100;
    // The path ready to fill, and its stroke, kept from the last drawing.
    KeptForm<PreparedPath> fillForm_;
    KeptForm<PreparedStroke> strokeForm_;
};
