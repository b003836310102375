// The commands of the drawing view: editing, ordering, turning, the dialogs that edit the
// selection, the view and page commands, and choosing tools. Each records its change through
// the view's recording protocol, so every command is one undo step.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <algorithm>
#include <functional>

#include "connectors/anchor_point.h"
#include "controls/anchor_dialog.h"
#include "controls/canvas_color_dialog.h"
#include "controls/multi_edit_dialog.h"
#include "controls/poly_data_dialog.h"
#include "controls/poly_style_dialog.h"
#include "controls/rotate_dialog.h"
#include "controls/shadow_dialog.h"
#include "controls/size_dialog.h"
#include "core/canvas.h"
#include "core/configuration.h"
#include "core/conversions.h"
#include "core/custom_config.h"
#include "core/default_properties.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/property_ids.h"
#include "properties/property.h"
#include "properties/property_kinds.h"
#include "shapes/group.h"
#include "shapes/poly.h"
#include "undo/action_ids.h"
#include "undo/add_canvas_action.h"
#include "undo/anchor_direction_action.h"
#include "undo/arrow_action.h"
#include "undo/canvas_color_action.h"
#include "undo/delete_action.h"
#include "undo/edit_action.h"
#include "undo/edit_multi_action.h"
#include "undo/flip_action.h"
#include "undo/grouping.h"
#include "undo/line_size_action.h"
#include "undo/line_style_action.h"
#include "undo/move_one_step_action.h"
#include "undo/move_steps_action.h"
#include "undo/native_clip.h"
#include "undo/paste_action.h"
#include "undo/poly_data_action.h"
#include "undo/poly_style_action.h"
#include "undo/prop_action.h"
#include "undo/property_action.h"
#include "undo/rotate_action.h"
#include "undo/simplify_action.h"
#include "undo/size_dlg_action.h"
#include "undo/undo_manager.h"
#include "undo/ungroup_action.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/tool.h"
#include "view/tools/shape_tool.h"

namespace {

using Run = std::function<void(CQarnView&, unsigned int)>;
using State = std::function<CQarnCommandState(const CQarnView&, unsigned int)>;

struct ViewCommand {
    unsigned int first;
    unsigned int last;
    Run run;
    State state;
};

CQarnCommandState Enabled(bool on) {
    return CQarnCommandState{on, false};
}

// Whether an edit may be recorded now (the pending action allows it).
bool CanEdit(const CQarnView& view, unsigned int id = 0) {
    return const_cast<CQarnView&>(view).CanAddNewAction(id) == CActionRecorder::Allowed;
}

bool HasSelection(const CQarnView& view) {
    return !view.GetSelection().isEmpty();
}

// The first selected component and the one after it in its layer (null at the end).
CQarnComponent* First(const CQarnView& view) {
    return view.GetSelection().isEmpty() ? nullptr : view.GetSelection().first();
}

bool IsFirstOfLayer(const CQarnComponent* c) {
    return c != nullptr && c->GetIndexInContainer() == 1;
}

bool IsLastOfLayer(const CQarnComponent* c) {
    return c != nullptr && c->GetLayer() != nullptr &&
           c->GetIndexInContainer() == c->GetLayer()->GetCount();
}

template <class A, class... Args>
A* Record(CQarnView& view, Args&&... args) {
    return dynamic_cast<A*>(view.RecordAction(std::make_unique<A>(std::forward<Args>(args)...)));
}

// A command whose action is complete once done: it is finished at once, so that it does not
// hold up the next command.
template <class A, class... Args>
void RecordDone(CQarnView& view, Args&&... args) {
    if (A* action = Record<A>(view, std::forward<Args>(args)...);
        action != nullptr && !action->IsFinished()) {
        action->Finish();
    }
}

// Edit.

void RunUndo(CQarnView& view, unsigned int) {
    if (gUndoManager != nullptr && view.GetActionTarget() != nullptr) {
        gUndoManager->Undo(view.GetActionTarget(), 1);
    }
}

void RunRedo(CQarnView& view, unsigned int) {
    if (gUndoManager != nullptr && view.GetActionTarget() != nullptr) {
        gUndoManager->Redo(view.GetActionTarget(), 1);
    }
}

void RunSelectAll(CQarnView& view, unsigned int) {
    CQarnCanvas* page = view.GetShownCanvas();
    if (page == nullptr) {
        return;
    }
    for (CQarnLayer* layer : page->GetLayers()) {
        for (CQarnComponent* c : layer->GetList()) {
            if (c->GetParentGroup() == nullptr) {
                view.Select(c, true);
            }
        }
    }
    view.OnSelectionChanged(nullptr);
}

bool PageHasComponents(const CQarnView& view) {
    CQarnCanvas* page = view.GetShownCanvas();
    if (page == nullptr) {
        return false;
    }
    for (CQarnLayer* layer : page->GetLayers()) {
        if (!layer->IsEmpty() && layer->IsVisible(-1)) {
            return true;
        }
    }
    return false;
}

void RunDelete(CQarnView& view, unsigned int) {
    const ComponentList selection = view.GetSelection();
    RecordDone<CDeleteAction>(view, &view, QarnActionId::Delete, selection);
    view.OnSelectionChanged(nullptr);
}

void RunCopy(CQarnView& view, unsigned int) {
    auto* data = new QMimeData();
    data->setData(CQarnNativeClip::FormatName(), CQarnNativeClip::Write(view.GetSelection()));
    QApplication::clipboard()->setMimeData(data);
    // The next paste lands one shift away from what was copied.
    view.SetPasteCount(0);
}

void RunCut(CQarnView& view, unsigned int id) {
    RunCopy(view, id);
    RunDelete(view, id);
}

bool ClipboardHoldsComponents() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasFormat(CQarnNativeClip::FormatName());
}

void RunPaste(CQarnView& view, unsigned int) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return;
    }
    RecordDone<CPasteAction>(view, &view, QarnActionId::Paste,
                             data->data(CQarnNativeClip::FormatName()));
}

// Arranging.

void RunGroup(CQarnView& view, unsigned int) {
    if (CQarnAction* pending = view.GetPendingAction();
        pending != nullptr && !pending->IsFinished()) {
        pending->Finish();
    }
    if (CQarnGroup* group =
            Qarn::GroupComponents(&view, view.GetSelection(), view.IsCrossLayer())) {
        // Grouping is done: its step must not hold up the next command.
        if (CQarnAction* pending = view.GetPendingAction();
            pending != nullptr && !pending->IsFinished()) {
            pending->Finish();
        }
        view.Select(group, false);
        view.OnSelectionChanged(nullptr);
    }
}

bool CanGroup(const CQarnView& view) {
    return view.GetSelection().size() >= 2 && CanEdit(view, QarnActionId::AddGroup);
}

void RunUngroup(CQarnView& view, unsigned int) {
    RecordDone<CUngroupAction>(view, &view, QarnActionId::Ungroup, First(view));
}

bool CanUngroup(const CQarnView& view) {
    return dynamic_cast<CQarnGroup*>(First(view)) != nullptr &&
           CanEdit(view, QarnActionId::Ungroup);
}

void RunStepOrder(CQarnView& view, unsigned int id) {
    RecordDone<CMoveOneStepAction>(view, &view, QarnActionId::MovePosition,
                                   id == QarnCmd::BringForward, First(view));
}

void RunToFrontOrBack(CQarnView& view, unsigned int id) {
    CQarnComponent* c = First(view);
    CQarnLayer* layer = c != nullptr ? c->GetLayer() : nullptr;
    if (layer == nullptr) {
        return;
    }
    const int at = c->GetIndexInContainer();
    CQarnComponent* follower = at < layer->GetCount() ? layer->GetList().value(at) : nullptr;
    RecordDone<CMoveStepsAction>(view, &view, QarnActionId::MovePosition,
                                 id == QarnCmd::BringToFront, follower, c);
}

CQarnCommandState OrderState(const CQarnView& view, unsigned int id) {
    CQarnComponent* c = First(view);
    if (c == nullptr || !CanEdit(view, QarnActionId::MovePosition)) {
        return Enabled(false);
    }
    const bool forward = id == QarnCmd::BringForward || id == QarnCmd::BringToFront;
    return Enabled(forward ? !IsLastOfLayer(c) : !IsFirstOfLayer(c));
}

void RunFlip(CQarnView& view, unsigned int id) {
    if (auto* flip = Record<CFlipAction>(view, &view, QarnActionId::Flip, view.GetSelection())) {
        flip->FlipAll(id == QarnCmd::FlipHorizontal ? 0x10 : 0x20);
        flip->Finish();
    }
}

void RunRotate(CQarnView& view, unsigned int id) {
    float degrees = 90.0f;
    if (id == QarnCmd::Rotate90Anticlockwise) {
        degrees = -90.0f;
    } else if (id == QarnCmd::Rotate45Clockwise) {
        degrees = 45.0f;
    } else if (id == QarnCmd::Rotate45Anticlockwise) {
        degrees = -45.0f;
    }
    if (auto* rotate =
            Record<CRotateAction>(view, &view, QarnActionId::Rotate, view.GetSelection())) {
        rotate->RotateBy(degrees);
        rotate->Finish();
    }
}

// Line width, style and arrows from the pickers' lists.

void RunLineWidth(CQarnView& view, unsigned int id) {
    RecordDone<CLineSizeAction>(view, &view, QarnActionId::LineWidth, view.GetSelection(),
                                float(id - QarnCmd::LineWidthFirst));
}

void RunLineStyle(CQarnView& view, unsigned int id) {
    RecordDone<CLineStyleAction>(view, &view, QarnActionId::LineStyle, view.GetSelection(),
                                 static_cast<unsigned short>(id - QarnCmd::LineStyleFirst));
}

void RunArrow(CQarnView& view, unsigned int id) {
    const bool left = id <= QarnCmd::LeftArrowLast;
    const int index = int(id - (left ? QarnCmd::LeftArrowFirst : QarnCmd::RightArrowFirst));
    RecordDone<CArrowAction>(view, &view, left ? QarnActionId::LeftArrow : QarnActionId::RightArrow,
                             view.GetSelection(), Qarn::Index2ArrowType(index));
}

// Dialogs.

void RunLineAndFill(CQarnView& view, unsigned int) {
    const ComponentList selection = view.GetSelection();
    CQarnComponent* only = selection.size() == 1 ? selection.first() : nullptr;
    if (only != nullptr && dynamic_cast<CQarnGroup*>(only) == nullptr) {
        CQarnAction* edit = Record<CEditAction>(view, &view, QarnActionId::Edit, only);
        if (edit == nullptr) {
            return;
        }
        if (only->OnEditProperties(&view) != 0) {
            edit->Finish();
        } else {
            view.CancelPendingAction();
        }
        return;
    }
    if (Qarn::GetConfig()->m_nMultiEdit == 0) {
        return;
    }
    CQarnMultiEditDialog dialog(selection, &view);
    if (dialog.exec() != QDialog::Accepted || dialog.GetChanges().isEmpty()) {
        return;
    }
    if (CQarnAction* edit =
            Record<CEditMultiAction>(view, &view, QarnActionId::EditMulti, selection)) {
        CQarnMultiEditDialog::Apply(selection, dialog.GetChanges());
        edit->Finish();
    }
}

void RunSizeAndPosition(CQarnView& view, unsigned int) {
    CQarnComponent* c = First(view);
    if (c == nullptr) {
        return;
    }
    CQarnSizeDialog dialog(*c, &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (Record<CSizeDlgAction>(view, &view, QarnActionId::SizeDialog, c) != nullptr) {
        CQarnSizeDialog::Apply(*c, dialog.GetValues());
        c->Invalidate(nullptr, false);
    }
}

void RunShadowEffect(CQarnView& view, unsigned int) {
    CQarnComponent* c = First(view);
    if (c == nullptr) {
        return;
    }
    CQarnShadowDialog dialog(*c, &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The dialog's choice goes on a copy first, which becomes the property the action sets.
    if (CQarnAction* edit = Record<CEditAction>(view, &view, QarnActionId::Edit, c)) {
        if (dialog.ApplyTo(*c)) {
            edit->Finish();
        } else {
            view.CancelPendingAction();
        }
    }
}

// The one selected component when it is of the class asked for.
template <class T>
T* OnlySelected(const CQarnView& view) {
    const ComponentList& selection = view.GetSelection();
    return selection.size() == 1 ? dynamic_cast<T*>(selection.first()) : nullptr;
}

void RunPolyStyle(CQarnView& view, unsigned int) {
    CQarnPoly* poly = OnlySelected<CQarnPoly>(view);
    if (poly == nullptr) {
        return;
    }
    CQarnPolyStyleDialog dialog(*poly, &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const CQarnPolyStyleDialog::Values values = dialog.GetValues();
    RecordDone<CPolyStyleAction>(
        view, &view, QarnActionId::Style, poly,
        CPolyStyleAction::Style{values.polyStyle, values.closed, values.tension});
}

void RunAnchorOption(CQarnView& view, unsigned int) {
    CQarnAnchorPoint* anchor = OnlySelected<CQarnAnchorPoint>(view);
    if (anchor == nullptr) {
        return;
    }
    CQarnAnchorDialog dialog(*anchor, &view);
    if (dialog.exec() == QDialog::Accepted) {
        RecordDone<CAnchorDirectionAction>(view, &view, QarnActionId::Edit, anchor,
                                           dialog.GetDirection());
    }
}

void RunPolyData(CQarnView& view, unsigned int) {
    CQarnPoly* poly = OnlySelected<CQarnPoly>(view);
    if (poly == nullptr) {
        return;
    }
    CQarnPolyDataDialog dialog(*poly, &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::vector<PointF> points = dialog.GetPoints();
    if (CQarnPolyDataDialog::SamePoints(*poly, points)) {
        return;
    }
    RecordDone<CPolyDataAction>(view, &view, QarnActionId::PolyData, poly, points);
}

void RunSimplifyPoly(CQarnView& view, unsigned int) {
    RecordDone<CSimplifyAction>(view, &view, QarnActionId::Simplify, OnlySelected<CQarnPoly>(view));
}

// Closes the selected polys' figures when the first is open, opens them when it is closed.
void RunCloseOpenFigure(CQarnView& view, unsigned int) {
    const CQarnPoly* first = OnlySelected<CQarnPoly>(view);
    if (first == nullptr) {
        return;
    }
    RecordDone<CPropAction>(view, &view, UINT(QarnPropId::Closed), CVariant(!first->IsClosed()),
                            view.GetSelection());
}

void RunRotateAngle(CQarnView& view, unsigned int) {
    CQarnRotateDialog dialog(0.0f, &view);
    if (dialog.exec() != QDialog::Accepted || dialog.GetAngle() == 0.0f) {
        return;
    }
    if (auto* rotate =
            Record<CRotateAction>(view, &view, QarnActionId::Rotate, view.GetSelection())) {
        rotate->RotateBy(dialog.GetAngle());
        rotate->Finish();
    }
}

void RunCanvasColor(CQarnView& view, unsigned int) {
    CQarnDoc* doc = view.GetDoc();
    CQarnCanvas* page = view.GetShownCanvas();
    if (doc == nullptr || page == nullptr) {
        return;
    }
    CQarnCanvasColorDialog dialog(doc->GetPaperColor(), &view);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Color color = dialog.GetColor();
    color = Color(0xFF000000u | (color.GetValue() & 0x00FFFFFFu));
    if (auto* action = Record<CCanvasColorAction>(view, &view, 0u, page, color)) {
        action->Finish();
        Qarn::GetConfig()->m_nDrawBackground = 1;
        view.RefreshAll();
    }
}

void RunAddPage(CQarnView& view, unsigned int) {
    RecordDone<CAddCanvasAction>(view, &view, QarnActionId::AddPage);
}

// The selected shape's line, fill and arrow become the defaults for new shapes.
void RunSetShapeDefault(CQarnView& view, unsigned int) {
    CQarnComponent* c = First(view);
    if (c == nullptr) {
        return;
    }
    for (UINT kind : {QARN_PROP_BRUSH, QARN_PROP_PEN, QARN_PROP_ARROW}) {
        CQarnProperty* own = c->GetProperty(int(kind));
        if (own != nullptr && Qarn::GetDefaultProperty(kind) != nullptr) {
            Qarn::RemoveDefaultProperty(kind);
            Qarn::AddDefaultProperty(own->Clone());
        }
    }
}

// View.

void RunQuality(CQarnView& view, unsigned int id) {
    Qarn::SetSmoothingMode(id == QarnCmd::QualityHigh ? 2 : id == QarnCmd::QualityLow ? 1 : 0);
    view.RefreshAll();
}

CQarnCommandState QualityState(const CQarnView&, unsigned int id) {
    const int mode = Qarn::GetSmoothingMode();
    const unsigned int current = mode == 2   ? QarnCmd::QualityHigh
                                 : mode == 1 ? QarnCmd::QualityLow
                                             : QarnCmd::QualityMedium;
    return CQarnCommandState{true, id == current};
}

void RunShowGrid(CQarnView& view, unsigned int) {
    if (view.GetDoc() != nullptr) {
        view.GetDoc()->OnViewGrid();
    }
}

void RunZoomTool(CQarnView& view, unsigned int id) {
    const auto mode = id == QarnCmd::ZoomIn ? CZoomView::MODE_ZOOMIN : CZoomView::MODE_ZOOMOUT;
    if (Qarn::FindTool(id) == nullptr) {
        // Without the zoom tool the view zooms by clicks itself.
        view.SetZoomMode(view.GetZoomMode() == mode ? CZoomView::MODE_ZOOMOFF : mode);
        return;
    }
    // The zoom tool takes the clicks (within its limits); the command again leaves it.
    view.SetZoomMode(CZoomView::MODE_ZOOMOFF);
    CQarnTool::SetToolID(CQarnTool::GetToolID() == id ? CQarnTool::kSelectTool : id);
}

// Tools.

void ChooseTool(CQarnView& view, unsigned int id) {
    if (CQarnTool* current = CQarnView::CurrentTool(); current != nullptr && current->IsBusy()) {
        current->OnEscape(&view);
    }
    view.SetZoomMode(CZoomView::MODE_ZOOMOFF);
    CQarnTool::SetToolID(id);
    // The trackers show what the tool edits (points while editing points).
    view.RepaintToolOverlay();
}

// A tool command is enabled while a tool serves it and the view shows a document; it is
// checked while it is the current one (the shape tool's own id also by the kind it draws).
CQarnCommandState ToolState(const CQarnView& view, unsigned int id) {
    const bool enabled =
        Qarn::FindTool(id) != nullptr && (view.GetDoc() != nullptr || id == QarnCmd::ToolSelect);
    const unsigned int current = CQarnTool::GetToolID();
    bool checked = current == id;
    if (current == CShapeTool::kShapeToolID && id != current) {
        checked = CShapeTool::GetShapeID() == id;
    }
    return CQarnCommandState{enabled, checked};
}

const std::vector<ViewCommand>& Commands() {
    using namespace QarnCmd;
    const auto always = [](const CQarnView&, unsigned int) { return Enabled(true); };
    const auto withSelection = [](const CQarnView& v, unsigned int) {
        return Enabled(HasSelection(v) && CanEdit(v));
    };
    const auto withOnePoly = [](const CQarnView& v, unsigned int) {
        return Enabled(OnlySelected<CQarnPoly>(v) != nullptr && CanEdit(v));
    };
    static const std::vector<ViewCommand> commands = {
        {EditUndo, EditUndo, RunUndo,
         [](const CQarnView& v, unsigned int) {
             return Enabled(gUndoManager != nullptr && v.GetActionTarget() != nullptr &&
                            gUndoManager->CanUndo(v.GetActionTarget(), 1));
         }},
        {EditRedo, EditRedo, RunRedo,
         [](const CQarnView& v, unsigned int) {
             return Enabled(gUndoManager != nullptr && v.GetActionTarget() != nullptr &&
                            gUndoManager->CanRedo(v.GetActionTarget(), 1));
         }},
        {EditSelectAll, EditSelectAll, RunSelectAll,
         [](const CQarnView& v, unsigned int) {
             return Enabled(PageHasComponents(v) && CanEdit(v));
         }},
        {EditClear, EditClear, RunDelete, withSelection},
        {EditCut, EditCut, RunCut, withSelection},
        {EditCopy, EditCopy, RunCopy,
         [](const CQarnView& v, unsigned int) { return Enabled(HasSelection(v)); }},
        {EditPaste, EditPaste, RunPaste,
         [](const CQarnView& v, unsigned int) {
             return Enabled(ClipboardHoldsComponents() && CanEdit(v, QarnActionId::Paste));
         }},
        {Group, Group, RunGroup,
         [](const CQarnView& v, unsigned int) { return Enabled(CanGroup(v)); }},
        {Ungroup, Ungroup, RunUngroup,
         [](const CQarnView& v, unsigned int) { return Enabled(CanUngroup(v)); }},
        {BringBackward, BringForward, RunStepOrder, OrderState},
        {BringToBack, BringToFront, RunToFrontOrBack, OrderState},
        {FlipHorizontal, FlipVertical, RunFlip,
         [](const CQarnView& v, unsigned int) {
             return Enabled(v.GetNumberEditable(QarnActionId::Flip) > 0 &&
                            CanEdit(v, QarnActionId::Flip));
         }},
        {Rotate90Anticlockwise, Rotate45Clockwise, RunRotate,
         [](const CQarnView& v, unsigned int) {
             return Enabled(v.GetNumberEditable(QarnActionId::Rotate) > 0 &&
                            CanEdit(v, QarnActionId::Rotate));
         }},
        {LineWidthFirst, LineWidthLast, RunLineWidth, withSelection},
        {LineStyleFirst, LineStyleLast, RunLineStyle, withSelection},
        {LeftArrowFirst, LeftArrowLast, RunArrow, withSelection},
        {RightArrowFirst, RightArrowLast, RunArrow, withSelection},
        {LineAndFill, LineAndFill, RunLineAndFill,
         [](const CQarnView& v, unsigned int) {
             return Enabled(HasSelection(v) && CanEdit(v, QarnActionId::Edit) &&
                            CQarnTool::GetToolID() == CQarnTool::kSelectTool);
         }},
        {SizeAndPosition, SizeAndPosition, RunSizeAndPosition, withSelection},
        {ShadowEffect, ShadowEffect, RunShadowEffect, withSelection},
        {PolyStyle, PolyStyle, RunPolyStyle, withOnePoly},
        {PolyData, PolyData, RunPolyData, withOnePoly},
        {CloseOpenFigure, CloseOpenFigure, RunCloseOpenFigure,
         [](const CQarnView& v, unsigned int) {
             const CQarnPoly* poly = OnlySelected<CQarnPoly>(v);
             return CQarnCommandState{poly != nullptr && CanEdit(v),
                                      poly != nullptr && poly->IsClosed()};
         }},
        {SimplifyPoly, SimplifyPoly, RunSimplifyPoly,
         [](const CQarnView& v, unsigned int) {
             const UINT tool = CQarnTool::GetToolID();
             return Enabled(OnlySelected<CQarnPoly>(v) != nullptr &&
                            (tool == CQarnTool::kSelectTool || tool == EditPoint) &&
                            CanEdit(v, QarnActionId::Simplify));
         }},
        {AnchorOption, AnchorOption, RunAnchorOption,
         [](const CQarnView& v, unsigned int) {
             return Enabled(OnlySelected<CQarnAnchorPoint>(v) != nullptr &&
                            CanEdit(v, QarnActionId::Edit));
         }},
        {RotateAngle, RotateAngle, RunRotateAngle,
         [](const CQarnView& v, unsigned int) {
             return Enabled(v.GetNumberEditable(QarnActionId::Rotate) > 0 &&
                            CanEdit(v, QarnActionId::Rotate));
         }},
        {CanvasColor, CanvasColor, RunCanvasColor,
         [](const CQarnView& v, unsigned int) { return Enabled(CanEdit(v)); }},
        {AddPage, AddPage, RunAddPage,
         [](const CQarnView& v, unsigned int) {
             return Enabled(CanEdit(v, QarnActionId::AddPage));
         }},
        {SetShapeDefault, SetShapeDefault, RunSetShapeDefault,
         [](const CQarnView& v, unsigned int) { return Enabled(HasSelection(v)); }},
        {QualityHigh, QualityMedium, RunQuality, QualityState},
        {ShowGrid, ShowGrid, RunShowGrid,
         [](const CQarnView& v, unsigned int) {
             return CQarnCommandState{v.GetDoc() != nullptr,
                                      v.GetDoc() != nullptr && v.GetDoc()->IsGridShown()};
         }},
        {SnapToGrid, SnapToGrid, [](CQarnView& v, unsigned int) { v.OnSnapToGrid(); },
         [](const CQarnView& v, unsigned int) {
             return CQarnCommandState{true, v.IsSnapToGrid()};
         }},
        {GridColorStyle, GridColorStyle, [](CQarnView& v, unsigned int) { v.OnViewGrid(); },
         always},
        {Zoom, Zoom, [](CQarnView& v, unsigned int) { v.OnViewZoom(); }, always},
        {ZoomFull, ZoomFull, [](CQarnView& v, unsigned int) { v.DoZoomFull(); }, always},
        {ZoomIn, ZoomOut, RunZoomTool,
         [](const CQarnView& v, unsigned int id) {
             const auto mode = id == ZoomIn ? CZoomView::MODE_ZOOMIN : CZoomView::MODE_ZOOMOUT;
             return CQarnCommandState{true,
                                      v.GetZoomMode() == mode || CQarnTool::GetToolID() == id};
         }},
        {ObjectsBorder, ObjectsBorder, [](CQarnView& v, unsigned int) { v.OnViewShowObjects(); },
         [](const CQarnView&, unsigned int) {
             return CQarnCommandState{true, CQarnBaseView::IsShowObjects()};
         }},
    };
    return commands;
}

const ViewCommand* FindCommand(unsigned int id) {
    for (const ViewCommand& command : Commands()) {
        if (id >= command.first && id <= command.last) {
            return &command;
        }
    }
    return nullptr;
}

// Tools are every command id a tool is registered under (and the shape kinds).
bool IsToolCommand(unsigned int id) {
    return Qarn::FindTool(id) != nullptr || id == QarnCmd::ToolSelect;
}

}  // namespace

bool CQarnView::OnCommand(unsigned int id) {
    bool handled = false;
    const CQarnCommandState state = OnUpdateCommand(id, &handled);
    if (!handled || !state.enabled) {
        return false;
    }
    if (const ViewCommand* command = FindCommand(id)) {
        command->run(*this, id);
    } else {
        ChooseTool(*this, id);
    }
    Q_EMIT CommandsChanged();
    return true;
}

CQarnCommandState CQarnView::OnUpdateCommand(unsigned int id, bool* handled) const {
    if (const ViewCommand* command = FindCommand(id)) {
        *handled = true;
        if (GetDoc() == nullptr) {
            return Enabled(false);
        }
        return command->state(*this, id);
    }
    if (IsToolCommand(id)) {
        *handled = true;
        return ToolState(*this, id);
    }
    *handled = false;
    return Enabled(false);
}

void CQarnView::BindCommands(CQarnCommandSet* commands) {
    m_pCommands = commands;
    if (commands == nullptr) {
        return;
    }
    const auto run = [this](unsigned int id) { OnCommand(id); };
    const auto rule = [this](unsigned int id) {
        bool handled = false;
        return OnUpdateCommand(id, &handled);
    };
    for (const ViewCommand& command : Commands()) {
        commands->SetHandler(command.first, command.last, run);
        commands->SetUpdateRule(command.first, command.last, rule);
    }
    for (unsigned int id :
         {QarnCmd::ToolSelect, QarnCmd::ToolCircleSelect, QarnCmd::ToolPolySelect}) {
        commands->SetHandler(id, run);
        commands->SetUpdateRule(id, rule);
    }
    connect(this, &CQarnView::CommandsChanged, commands, &CQarnCommandSet::Refresh,
            Qt::UniqueConnection);
    commands->Refresh();
}
