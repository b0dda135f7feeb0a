#pragma once
// Command ids shared by palette buttons, menu items, accelerators and the
// string table. They are the numbers the program has always used; a new
// command takes a free number of the block it belongs with (331xx for the
// main window's own). Symbol buttons are declared by the type table's rows:
// the first catalogue's with these old numbers, later symbols with
// kLaterSymbolCommands plus their type id (document/TypeTable.h), a block no
// other command may take.

#include <cstdint>

namespace loopora::cmd {

// Files, edit, windows, help.
constexpr uint16_t kNew = 57600;
constexpr uint16_t kOpen = 57601;
constexpr uint16_t kClose = 57602;
constexpr uint16_t kSave = 57603;
constexpr uint16_t kSaveAs = 57604;
constexpr uint16_t kPrintSetup = 57606;
constexpr uint16_t kPrint = 57607;
constexpr uint16_t kPrintDirect = 57608;
constexpr uint16_t kPrintPreview = 57609;
// Print-quality exports of the File menu.
constexpr uint16_t kExportPdf = 33100;
constexpr uint16_t kExportSvg = 33101;
constexpr uint16_t kExportPng = 33102;
// A chart built from written instructions, or from a shape's.
constexpr uint16_t kChartFromPattern = 33103;
constexpr uint16_t kCopy = 57634;
constexpr uint16_t kCut = 57635;
constexpr uint16_t kPaste = 57637;
constexpr uint16_t kUndo = 57643;
constexpr uint16_t kRedo = 57644;
constexpr uint16_t kNewWindow = 57648;
constexpr uint16_t kCascade = 57649;
constexpr uint16_t kTile = 57650;
constexpr uint16_t kArrange = 57651;
constexpr uint16_t kAbout = 57664;
constexpr uint16_t kExit = 57665;
constexpr uint16_t kNextPane = 57680;
constexpr uint16_t kPreviousPane = 57681;
// The recent-file items of the File menu, most recent first.
constexpr uint16_t kRecentFile1 = 57616;
constexpr uint16_t kRecentFileLast = 57619;
// The interface language, chosen in the View menus.
constexpr uint16_t kLanguageRussian = 33120;
constexpr uint16_t kLanguageEnglish = 33121;
constexpr uint16_t kToolbar = 59392;
constexpr uint16_t kStatusBar = 59393;

// The chart view's own commands.
constexpr uint16_t kSaveBitmap = 32857;
constexpr uint16_t kDrawingColour = 32776;
constexpr uint16_t kSelect = 32775;
constexpr uint16_t kGroup = 32784;
constexpr uint16_t kUngroup = 32785;
constexpr uint16_t kRotate = 32783;
constexpr uint16_t kRotateHidden = 32859;
constexpr uint16_t kSize = 32786;
constexpr uint16_t kElementColour = 33036;
constexpr uint16_t kMirrorRight = 32954;
constexpr uint16_t kMirrorDown = 32955;
constexpr uint16_t kCreateRow = 33042;
constexpr uint16_t kCreateArc = 33043;
constexpr uint16_t kCreateArcWithLoops = 33044;
constexpr uint16_t kChartParameters = 33037;
constexpr uint16_t kText = 33038;
constexpr uint16_t kChainRing = 33029;

// The zoom of the active chart window, and the palettes' icon size.
constexpr uint16_t kZoom100 = 33130;
constexpr uint16_t kZoom200 = 33131;
constexpr uint16_t kZoom300 = 33132;
constexpr uint16_t kZoom400 = 33133;
constexpr uint16_t kZoom600 = 33134;
constexpr uint16_t kZoom800 = 33135;
constexpr uint16_t kZoomFit = 33136;
constexpr uint16_t kZoomIn = 33137;
constexpr uint16_t kZoomOut = 33138;
constexpr uint16_t kLargeIcons = 33139;
constexpr uint16_t kZoom25 = 33150;
constexpr uint16_t kZoom50 = 33151;
constexpr uint16_t kZoom75 = 33152;
constexpr uint16_t kZoom150 = 33153;
// The chart's bitmap shown pixel by pixel at every zoom ("Пиксели").
constexpr uint16_t kShowPixels = 33154;

// Palette toggles of the main window.
constexpr uint16_t kTogglePalette2 = 32892;
constexpr uint16_t kTogglePalette3 = 32936;
constexpr uint16_t kTogglePalette4 = 32937;
constexpr uint16_t kTogglePalette5 = 32938;
constexpr uint16_t kTogglePalette6 = 32939;
constexpr uint16_t kTogglePalette7 = 32996;
constexpr uint16_t kTogglePalette8 = 33023;
constexpr uint16_t kTogglePalette9 = 33140;
// The chart's key, a panel of the main window.
constexpr uint16_t kToggleLegend = 33110;
// The written instructions, a panel of the main window, and the round
// numbers drawn over the chart windows.
constexpr uint16_t kTogglePattern = 33111;
constexpr uint16_t kRoundNumbers = 33112;

// Context menus.
constexpr int kElementMenu = 156;
constexpr int kChartMenu = 157;
constexpr int kTextMenu = 158;

} // namespace loopora::cmd
