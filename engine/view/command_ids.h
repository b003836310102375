#pragma once
// The command identifiers of the drawing windows: the platform's standard ones (file, edit,
// window, help) and the library's own. Menus, toolbars, views and tests name commands by them.

namespace QarnCmd {

// File.
constexpr unsigned int FileNew = 57600;
constexpr unsigned int FileOpen = 57601;
constexpr unsigned int FileClose = 57602;
constexpr unsigned int FileSave = 57603;
constexpr unsigned int FileSaveAs = 57604;
constexpr unsigned int FilePrintSetup = 57606;
constexpr unsigned int FilePrint = 57607;
constexpr unsigned int FilePrintPreview = 57609;
constexpr unsigned int FileExport = 18085;
constexpr unsigned int FilePageSetup = 18087;
constexpr unsigned int FileOption = 18086;
constexpr unsigned int AppExit = 57665;
// The recent files (four).
constexpr unsigned int FileRecent1 = 57616;

// Edit.
constexpr unsigned int EditClear = 57632;
constexpr unsigned int EditCopy = 57634;
constexpr unsigned int EditCut = 57635;
constexpr unsigned int EditPaste = 57637;
constexpr unsigned int EditSelectAll = 57642;
constexpr unsigned int EditUndo = 57643;
constexpr unsigned int EditRedo = 57644;
constexpr unsigned int EditCopySpecial = 19048;
constexpr unsigned int Preference = 19039;
constexpr unsigned int LineAndFill = 18077;
constexpr unsigned int SizeAndPosition = 18165;
constexpr unsigned int ShadowEffect = 19001;

// View.
constexpr unsigned int GridColorStyle = 18093;
constexpr unsigned int ShowGrid = 18176;
constexpr unsigned int SnapToGrid = 18181;
constexpr unsigned int CanvasColor = 18179;
constexpr unsigned int ObjectsBorder = 18180;
constexpr unsigned int StatusBar = 59393;
constexpr unsigned int Toolbars = 18193;
constexpr unsigned int Zoom = 18205;
constexpr unsigned int ZoomFull = 18206;
constexpr unsigned int ZoomIn = 18207;
constexpr unsigned int ZoomOut = 18208;
constexpr unsigned int QualityHigh = 18173;
constexpr unsigned int QualityLow = 18174;
constexpr unsigned int QualityMedium = 18175;
constexpr unsigned int AddPage = 18002;

// Bars and panes.
constexpr unsigned int BarMain = 18192;
constexpr unsigned int BarBasicDraw = 18184;
constexpr unsigned int BarRotateFlip = 18190;
constexpr unsigned int BarLayout = 18186;
constexpr unsigned int BarRuler = 18191;
constexpr unsigned int BarPolyTool = 19045;
constexpr unsigned int PaneVisualEffect = 19008;
constexpr unsigned int PaneSymbols = 18204;
constexpr unsigned int PaneLayer = 19044;
constexpr unsigned int PaneSvgPreview = 40010;
constexpr unsigned int PaneNavigation = 19019;
constexpr unsigned int PaneDistance = 18172;
constexpr unsigned int Customize = 18171;

// Tools.
constexpr unsigned int ToolSelect = 18072;
constexpr unsigned int ToolPolySelect = 18062;
constexpr unsigned int ToolCircleSelect = 18040;
constexpr unsigned int ToolPan = 18333;
constexpr unsigned int ToolLine = 18057;
constexpr unsigned int ToolArrow = 18039;
constexpr unsigned int ToolPolyline = 18061;
constexpr unsigned int ToolPolygon = 18063;
constexpr unsigned int ToolText = 18073;
constexpr unsigned int ToolRichText = 18065;
constexpr unsigned int ToolScribble = 18071;
constexpr unsigned int ToolCurve = 18045;
constexpr unsigned int ToolClosedCurve = 18041;
constexpr unsigned int ToolPoint = 18060;
constexpr unsigned int ToolConnector = 18042;         // laid out, 18042-18044 by arrow heads
constexpr unsigned int ToolConnectorCurved = 18046;   // 18046-18048
constexpr unsigned int ToolConnectorDirect = 18049;   // 18049-18051
constexpr unsigned int ToolConnectorRounded = 18067;  // 18067-18069
constexpr unsigned int ToolRotate = 18066;
constexpr unsigned int ToolMagnifier = 19010;
constexpr unsigned int ToolPerspective = 18059;
constexpr unsigned int ToolShape = 18210;
constexpr unsigned int ToolAutoShape = 18233;

// Draw.
constexpr unsigned int ShapeRectangle = 18064;
constexpr unsigned int ShapeEllipse = 18053;
constexpr unsigned int ShapeRoundRectangle = 18070;
constexpr unsigned int InsertPicture = 18056;
constexpr unsigned int InsertObject = 57856;
constexpr unsigned int Group = 18055;
constexpr unsigned int Ungroup = 18074;
constexpr unsigned int FlipHorizontal = 18091;
constexpr unsigned int FlipVertical = 18092;
constexpr unsigned int Rotate90Clockwise = 18156;
constexpr unsigned int Rotate90Anticlockwise = 18154;
constexpr unsigned int Rotate45Clockwise = 18157;
constexpr unsigned int Rotate45Anticlockwise = 18155;
constexpr unsigned int RotateAngle = 18153;
constexpr unsigned int BringToFront = 18135;
constexpr unsigned int BringToBack = 18134;
constexpr unsigned int BringForward = 18133;
constexpr unsigned int BringBackward = 18132;
constexpr unsigned int OrderBySelection = 40002;
constexpr unsigned int EditPoint = 18052;
constexpr unsigned int DeletePoint = 18142;
constexpr unsigned int CloseOpenFigure = 18032;
constexpr unsigned int PolyStyle = 18076;
constexpr unsigned int SimplifyPoly = 18164;
constexpr unsigned int PolyData = 18140;
constexpr unsigned int AnchorOption = 18075;
constexpr unsigned int ConnectToEdge = 18234;
constexpr unsigned int SetShapeDefault = 19049;
// The line-width (1 pt = 18123), line-style and arrow pickers' entries.
constexpr unsigned int LineWidthFirst = 18122;
constexpr unsigned int LineWidthLast = 18130;
constexpr unsigned int LineStyleFirst = 18113;
constexpr unsigned int LineStyleLast = 18121;
constexpr unsigned int LeftArrowFirst = 18101;
constexpr unsigned int LeftArrowLast = 18109;
constexpr unsigned int RightArrowFirst = 18144;
constexpr unsigned int RightArrowLast = 18152;

// Layout.
constexpr unsigned int AlignLeft = 18008;
constexpr unsigned int AlignRight = 18009;
constexpr unsigned int AlignTop = 18010;
constexpr unsigned int AlignBottom = 18004;
constexpr unsigned int SpaceAcross = 18166;
constexpr unsigned int SpaceDown = 18167;
constexpr unsigned int SameWidth = 18161;
constexpr unsigned int SameHeight = 18160;
constexpr unsigned int SameSize = 18159;
constexpr unsigned int FitToContent = 18090;

// Window and help.
constexpr unsigned int WindowNew = 57648;
constexpr unsigned int WindowArrange = 57649;
constexpr unsigned int WindowCascade = 57650;
constexpr unsigned int WindowTile = 57651;
constexpr unsigned int HelpAbout = 57664;
constexpr unsigned int HelpTopics = 57667;

}  // namespace QarnCmd
