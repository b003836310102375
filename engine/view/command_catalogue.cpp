#include "view/command_catalogue.h"

#include <QHash>
#include <mutex>

#include "shapes/shape_registry.h"
#include "view/command_ids.h"

namespace {

using Keys = QList<QKeySequence>;

QKeySequence Key(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

CQarnCommandInfo Command(unsigned int id, const char* text, const char* tip, const char* icon,
                         Keys keys = {}, bool checkable = false) {
    CQarnCommandInfo info;
    info.id = id;
    info.text = QString::fromUtf8(text);
    info.statusTip = QString::fromUtf8(tip);
    info.icon = QString::fromLatin1(icon);
    info.shortcuts = std::move(keys);
    info.checkable = checkable;
    return info;
}

CQarnCommandInfo Tool(unsigned int id, const char* text, const char* tip, const char* icon,
                      Keys keys = {}) {
    return Command(id, text, tip, icon, std::move(keys), true);
}

QList<CQarnCommandInfo> MakeTable() {
    using namespace QarnCmd;
    QList<CQarnCommandInfo> t;
    // File.
    t << Command(FileNew, "&New", "Create a new drawing", "document-new", {QKeySequence::New})
      << Command(FileOpen, "&Open...", "Open an existing drawing", "document-open",
                 {QKeySequence::Open})
      << Command(FileClose, "&Close", "Close the drawing", "", {QKeySequence::Close})
      << Command(FileSave, "&Save", "Save the drawing", "document-save", {QKeySequence::Save})
      << Command(FileSaveAs, "Save &As...", "Save the drawing under a new name", "",
                 {QKeySequence::SaveAs})
      << Command(FileExport, "&Export...", "Export the page as an image, SVG, PDF or PostScript",
                 "document-export", {Key("Ctrl+E")})
      << Command(FilePrint, "&Print...", "Print the drawing", "document-print",
                 {QKeySequence::Print})
      << Command(FilePrintPreview, "Print Pre&view", "Show the pages as they will print",
                 "document-print-preview")
      << Command(FilePrintSetup, "P&rint Setup...", "Choose the printer and the paper", "")
      << Command(FilePageSetup, "Page Set&up...", "Set the size of the page and the margins", "")
      << Command(FileOption, "&Option...", "Change the preferences", "preferences")
      << Command(AppExit, "E&xit", "Quit the program, asking to save the drawings", "",
                 {QKeySequence::Quit});
    for (unsigned int i = 0; i < 4; ++i) {
        const QByteArray text = "&" + QByteArray::number(i + 1) + " Recent File";
        t << Command(FileRecent1 + i, text.constData(), "Open this drawing again", "");
    }
    // Edit.
    t << Command(EditUndo, "&Undo", "Undo the last edit", "edit-undo", {QKeySequence::Undo})
      << Command(EditRedo, "&Redo", "Redo the edit undone last", "edit-redo",
                 {Key("Ctrl+Y"), Key("Ctrl+Shift+Z")})
      << Command(EditCut, "Cu&t", "Move the selection to the clipboard", "edit-cut",
                 {QKeySequence::Cut})
      << Command(EditCopy, "&Copy", "Copy the selection to the clipboard", "edit-copy",
                 {QKeySequence::Copy})
      << Command(EditCopySpecial, "Copy &Special",
                 "Copy the selection as SVG, a metafile or a picture", "")
      << Command(EditPaste, "&Paste", "Paste what the clipboard holds", "edit-paste",
                 {QKeySequence::Paste})
      << Command(EditClear, "&Delete", "Delete the selection", "edit-delete",
                 {QKeySequence::Delete})
      << Command(EditSelectAll, "Select &All", "Select everything on the page", "edit-select-all",
                 {QKeySequence::SelectAll})
      << Command(Preference, "Pre&ferences...", "Change the preferences", "preferences")
      << Command(LineAndFill, "&Line && Fill...", "Edit the line, fill and text of the selection",
                 "", {Key("Alt+Return")})
      << Command(SizeAndPosition, "&Size && Position...", "Set the position, size and angle", "")
      << Command(ShadowEffect, "Shadow &Effect...", "Give the selection a shadow", "");
    // View.
    t << Command(GridColorStyle, "&Grid Color/Style...", "Choose the grid's colour, size and style",
                 "")
      << Command(ShowGrid, "Show &Grid", "Show or hide the grid", "view-grid", {Key("Ctrl+'")},
                 true)
      << Command(SnapToGrid, "S&nap to Grid", "Snap points to the grid while drawing", "snap-grid",
                 {Key("Ctrl+Shift+'")}, true)
      << Command(CanvasColor, "&Canvas Color...", "Choose the colour of the page", "canvas-color")
      << Command(ObjectsBorder, "&Objects Border", "Show the frames of all objects", "", {}, true)
      << Command(StatusBar, "&Status Bar", "Show or hide the status bar", "", {}, true)
      << Command(Zoom, "&Zoom...", "Choose the zoom", "", {})
      << Command(ZoomFull, "Zoom to &Fit", "Show the whole page", "zoom-fit-best", {Key("Ctrl+0")})
      << Tool(ZoomIn, "Zoom &In", "Click to zoom in", "zoom-in", {QKeySequence::ZoomIn})
      << Tool(ZoomOut, "Zoom &Out", "Click to zoom out", "zoom-out", {QKeySequence::ZoomOut})
      << Tool(QualityHigh, "&High", "Draw smooth edges", "")
      << Tool(QualityMedium, "&Medium", "Draw with the default quality", "")
      << Tool(QualityLow, "&Low", "Draw fast, with rough edges", "")
      << Command(AddPage, "Add Pa&ge", "Add a page after the current one", "page-add");
    // Bars (the status texts are the system's, typos included).
    t << Tool(BarMain, "&Main Toolbar", "Show/Hind Main Tool Bar", "")
      << Tool(BarBasicDraw, "&Basic Draw Toolbar", "Show/Hide Basic Drawing Toolbar", "")
      << Tool(BarRotateFlip, "&Rotate/Flip Toolbar", "Show/Hide Rotate and Flip Toolbar", "")
      << Tool(BarLayout, "&Layout Toolbar", "Show/Hide Layout and Alignment Toolbar", "")
      << Tool(BarRuler, "R&uler", "Show/Hide Ruler in Window", "view-ruler")
      << Tool(BarPolyTool, "&PolyTool Toolbar", "Show/Hide Poly Edit Toolbar", "")
      << Tool(PaneVisualEffect, "&Visual Effect", "Show/hide Properties", "")
      << Tool(PaneSymbols, "S&ymbols", "Show/Hide Symbols", "")
      << Tool(PaneLayer, "L&ayers", "Show/Hide Layer Window", "")
      << Tool(PaneSvgPreview, "SVG Pre&view", "Show/Hide SVG Preview", "")
      << Tool(PaneNavigation, "&Navigation", "Show/hide Navigation Window", "")
      << Tool(PaneDistance, "&Distance", "Show Hide Distance Window", "")
      << Command(Customize, "&Customize...", "Curstomizing Toolbar Setting", "");
    // Tools.
    t << Tool(ToolSelect, "&Select", "Select, move and size objects", "tool-select",
              {Key("V"), Key("Esc")})
      << Tool(ToolCircleSelect, "Select in &Circle", "Select the objects inside a circle", "")
      << Tool(ToolPolySelect, "Select in P&olygon", "Select the objects inside a polygon", "")
      << Tool(ToolPan, "&Pan", "Drag the page", "tool-pan", {Key("H")})
      << Tool(ToolLine, "&Line", "Draw a line", "tool-line", {Key("L")})
      << Tool(ToolArrow, "&Arrow", "Draw an arrow", "tool-arrow", {Key("A")})
      << Tool(ToolPolyline, "Pol&yline", "Draw a polyline; double-click to end", "tool-polyline",
              {Key("Y")})
      << Tool(ToolPolygon, "Pol&ygon", "Draw a polygon; double-click to end", "tool-polygon",
              {Key("G")})
      << Tool(ToolCurve, "&Curve", "Draw a curve; double-click to end", "tool-curve", {Key("U")})
      << Tool(ToolClosedCurve, "Cl&osed Curve", "Draw a closed curve; double-click to end",
              "tool-closed-curve")
      << Tool(ToolScribble, "Scri&bble", "Draw freehand", "tool-scribble", {Key("B")})
      << Tool(ToolText, "&Text", "Write a text", "tool-text", {Key("T")})
      << Tool(ToolRichText, "&Rich Text", "Write a formatted text", "")
      << Tool(ToolPoint, "Poi&nt", "Place a point", "tool-point")
      << Tool(ToolConnector, "&Connector", "Join two shapes with an elbow connector",
              "tool-connector", {Key("C")})
      << Tool(ToolConnector + 1, "Connector with &Arrow", "An elbow connector with an arrow",
              "tool-connector")
      << Tool(ToolConnector + 2, "Connector with &Two Arrows", "An elbow connector with two arrows",
              "tool-connector")
      << Tool(ToolConnectorCurved, "C&urved Connector", "Join two shapes with a curve",
              "tool-connector-curved")
      << Tool(ToolConnectorCurved + 1, "Curved Connector with Arrow",
              "A curved connector with an arrow", "tool-connector-curved")
      << Tool(ToolConnectorCurved + 2, "Curved Connector with Two Arrows",
              "A curved connector with two arrows", "tool-connector-curved")
      << Tool(ToolConnectorDirect, "&Straight Connector", "Join two shapes with a straight line",
              "tool-connector-straight")
      << Tool(ToolConnectorDirect + 1, "Straight Connector with Arrow",
              "A straight connector with an arrow", "tool-connector-straight")
      << Tool(ToolConnectorDirect + 2, "Straight Connector with Two Arrows",
              "A straight connector with two arrows", "tool-connector-straight")
      << Tool(ToolConnectorRounded, "&Rounded Connector",
              "Join two shapes with a round-cornered connector", "tool-connector")
      << Tool(ToolConnectorRounded + 1, "Rounded Connector with Arrow",
              "A rounded connector with an arrow", "tool-connector")
      << Tool(ToolConnectorRounded + 2, "Rounded Connector with Two Arrows",
              "A rounded connector with two arrows", "tool-connector")
      << Tool(ToolRotate, "R&otate", "Turn the selection about its centre", "tool-rotate",
              {Key("O")})
      << Tool(ToolMagnifier, "&Magnifier", "Look through a magnifying lens", "tool-magnifier")
      << Tool(ToolPerspective, "Pe&rspective", "Give the selection a perspective",
              "tool-perspective")
      << Tool(ShapeRectangle, "&Rectangle", "Draw a rectangle", "tool-rectangle", {Key("R")})
      << Tool(ShapeEllipse, "&Ellipse", "Draw an ellipse", "tool-ellipse", {Key("E")})
      << Tool(ShapeRoundRectangle, "R&ound Rectangle", "Draw a rectangle with round corners",
              "tool-round-rectangle")
      << Tool(EditPoint, "&Edit Point", "Move, add and remove the points of a poly",
              "tool-edit-point")
      << Tool(DeletePoint, "&Delete Point", "Click points to remove them", "poly-delete-point");
    // Draw.
    t << Command(InsertPicture, "Insert &Picture...", "Insert a picture from a file",
                 "tool-picture")
      << Command(Group, "&Group", "Group the selection", "object-group", {Key("Ctrl+G")})
      << Command(Ungroup, "&Ungroup", "Ungroup the selected group", "object-ungroup",
                 {Key("Ctrl+U")})
      << Command(FlipHorizontal, "Flip &Horizontally", "Mirror the selection left to right",
                 "object-flip-horizontal")
      << Command(FlipVertical, "Flip &Vertically", "Mirror the selection top to bottom",
                 "object-flip-vertical")
      << Command(Rotate90Clockwise, "Rotate 90° &Clockwise", "Turn the selection a quarter right",
                 "object-rotate-right", {Key("Ctrl+R")})
      << Command(Rotate90Anticlockwise, "Rotate 90° &Anticlockwise",
                 "Turn the selection a quarter left", "object-rotate-left", {Key("Ctrl+Shift+R")})
      << Command(Rotate45Clockwise, "Rotate 45° C&lockwise", "Turn the selection 45 degrees right",
                 "object-rotate-right-45")
      << Command(Rotate45Anticlockwise, "Rotate 45° A&nticlockwise",
                 "Turn the selection 45 degrees left", "object-rotate-left-45")
      << Command(RotateAngle, "Rotate &Angle...", "Turn the selection by an angle",
                 "object-rotate-angle")
      << Command(BringToFront, "Bring to &Front", "Draw the object above all others",
                 "object-order-front", {Key("Ctrl+Shift+]")})
      << Command(BringToBack, "Bring to &Back", "Draw the object below all others",
                 "object-order-back", {Key("Ctrl+Shift+[")})
      << Command(BringForward, "Bring For&ward", "Draw the object one place higher",
                 "object-order-raise", {Key("Ctrl+]")})
      << Command(BringBackward, "Bring Backwar&d", "Draw the object one place lower",
                 "object-order-lower", {Key("Ctrl+[")})
      << Command(OrderBySelection, "By &Selection",
                 "Stack the selection in the order it was chosen", "")
      << Command(CloseOpenFigure, "&Close/Open Figure", "Close an open poly or open a closed one",
                 "poly-close")
      << Command(PolyStyle, "Poly &Style...", "How the points of the poly are joined", "poly-style")
      << Command(SimplifyPoly, "Si&mplify Poly", "Drop the points a poly does not need",
                 "poly-simplify")
      << Command(PolyData, "&Data...", "Edit the points of the poly as numbers", "poly-data")
      << Command(AnchorOption, "&Anchor Option...", "The anchor point's options", "")
      << Command(ConnectToEdge, "Connect to &Edge", "Connector ends rest on the shape's edge",
                 "connect-to-edge", {}, true)
      << Command(SetShapeDefault, "Set Shape &Default",
                 "Make the selection's line and fill the default for new shapes",
                 "set-default-style");
    for (unsigned int id = LineWidthFirst; id <= LineWidthLast; ++id) {
        const QByteArray text = QByteArray::number(int(id - LineWidthFirst)) + " pt";
        t << Command(id, text.constData(), "Set the line width", "");
    }
    // Layout.
    t << Command(AlignLeft, "Align &Left", "Line the selection up on its left edge", "align-left")
      << Command(AlignRight, "Align &Right", "Line the selection up on its right edge",
                 "align-right")
      << Command(AlignTop, "Align &Top", "Line the selection up on its top edge", "align-top")
      << Command(AlignBottom, "Align &Bottom", "Line the selection up on its bottom edge",
                 "align-bottom")
      << Command(SpaceAcross, "Space Evenly &Across", "Equal gaps from left to right",
                 "distribute-across")
      << Command(SpaceDown, "Space Evenly &Down", "Equal gaps from top to bottom",
                 "distribute-down")
      << Command(SameWidth, "Same &Width", "Give the selection the same width", "same-width")
      << Command(SameHeight, "Same &Height", "Give the selection the same height", "same-height")
      << Command(SameSize, "Same &Size", "Give the selection the same size", "same-size")
      << Command(FitToContent, "&Fit to Content", "Fit the shape to its text", "fit-content");
    // Window and help.
    t << Command(WindowNew, "&New Window", "Open another window on the drawing", "")
      << Command(WindowCascade, "&Cascade", "Arrange the windows overlapping", "")
      << Command(WindowTile, "&Tile", "Arrange the windows side by side", "")
      << Command(WindowArrange, "&Arrange Icons", "Arrange the minimised windows", "")
      << Command(HelpTopics, "&Help Topics", "Show the help", "", {QKeySequence::HelpContents})
      << Command(HelpAbout, "&About Inkvane...", "Show the program's version", "help-about");
    return t;
}

}  // namespace

const QList<CQarnCommandInfo>& CQarnCommandCatalogue::All() {
    static const QList<CQarnCommandInfo> table = MakeTable();
    return table;
}

const CQarnCommandInfo* CQarnCommandCatalogue::Find(unsigned int id) {
    static const QHash<unsigned int, int> byId = [] {
        QHash<unsigned int, int> index;
        const QList<CQarnCommandInfo>& table = All();
        for (int i = 0; i < table.size(); ++i) {
            index.insert(table[i].id, i);
        }
        return index;
    }();
    if (auto found = byId.constFind(id); found != byId.constEnd()) {
        return &All()[found.value()];
    }
    // Shape kinds of the registry are commands of their own, named after the kind.
    static QHash<unsigned int, CQarnCommandInfo> shapes;
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    if (auto found = shapes.constFind(id); found != shapes.constEnd()) {
        return &found.value();
    }
    const QString word = Qarn::GetShapeKindWord(int(id));
    if (word.isEmpty()) {
        return nullptr;
    }
    CQarnCommandInfo info;
    info.id = id;
    info.text = word;
    info.statusTip = QStringLiteral("Draw a %1").arg(word.toLower());
    info.checkable = true;
    return &shapes.insert(id, info).value();
}

QString CQarnCommandCatalogue::PlainText(const CQarnCommandInfo& info) {
    QString text = info.text;
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}
