#pragma once
// One drawing element of a component: its own outline path, the pen, brush and arrow
// borrowed from the component (never owned), a copy of the component's rectangle, a flags
// word and the shade percentage its fill is drawn with.

#include "platform/graphics_path.h"
#include "platform/rect_f.h"
#include "platform/win_types.h"

class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class CQarnPenProperty;
class Graphics;

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

    CQarnElement() = default;
    virtual ~CQarnElement() = default;
    CQarnElement(const CQarnElement&) = delete;
    CQarnElement& operator=(const CQarnElement&) = delete;

    // Fills (unless in outline mode) and strokes the path. The state word is the owner's;
    // this element does not read it.
    virtual void Draw(Graphics* graphics, DWORD state, BYTE mode);

    GraphicsPath* GetPath() { return &path_; }
    const GraphicsPath* GetPath() const { return &path_; }

    CQarnBasicBrushProperty* GetBrush() const { return brush_; }
    void SetBrush(CQarnBasicBrushProperty* brush) { brush_ = brush; }
    CQarnPenProperty* GetPen() const { return pen_; }
    void SetPen(CQarnPenProperty* pen) { pen_ = pen; }
    CQarnArrowProperty* GetArrow() const { return arrow_; }
    void SetArrow(CQarnArrowProperty* arrow) { arrow_ = arrow; }

    const RectF& GetRectF() const { return rect_; }
    void SetRectF(const RectF& rect) { rect_ = rect; }
    DWORD GetFlags() const { return flags_; }
    void SetFlags(DWORD flags) { flags_ = flags; }
    bool HasFlag(DWORD flag) const { return (flags_ & flag) != 0; }
    void SetFlag(DWORD flag, bool on) { flags_ = on ? (flags_ | flag) : (flags_ & ~flag); }
    // 100 draws the fill as it is, less draws it darker.
    int GetShade() const { return shade_; }
    void SetShade(int percent) { shade_ = percent; }

private:
    GraphicsPath path_;
    CQarnBasicBrushProperty* brush_ = nullptr;
    CQarnPenProperty* pen_ = nullptr;
    CQarnArrowProperty* arrow_ = nullptr;
    RectF rect_;
    DWORD flags_ = 0;
    int shade_ = 100;
};
