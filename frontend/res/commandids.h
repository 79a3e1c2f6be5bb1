// Command identifiers of the front-end's menus, tool bars and accelerators.
// The numbers are the front-end's own (100-999, 32768 and up) and the class
// library's standard commands (57600 and up); every place that refers to a
// command uses these names.
#pragma once

namespace kelvarin {

// Commands of the front-end.
inline constexpr int kIdWebHomePage = 136;
inline constexpr int kIdWebCancerStatistics = 137;
inline constexpr int kIdWebCancerRegistration = 138;
inline constexpr int kIdEditProperties = 32769;
inline constexpr int kIdConversionFirst = 32771;  // conversion index 0
inline constexpr int kIdToolsCheck = 32783;
inline constexpr int kIdToolsMultiplePrimary = 32784;
inline constexpr int kIdFileTransfer = 32788;
inline constexpr int kIdWebIcdO3 = 32807;
inline constexpr int kIdWebIcd10 = 32808;

// The class library's standard commands.
inline constexpr int kIdFileOpen = 57601;
inline constexpr int kIdFileClose = 57602;
inline constexpr int kIdFileSave = 57603;
inline constexpr int kIdFileSaveAs = 57604;
inline constexpr int kIdFilePrintSetup = 57606;
inline constexpr int kIdFilePrint = 57607;
inline constexpr int kIdFilePrintDirect = 57608;
inline constexpr int kIdFilePrintPreview = 57609;
inline constexpr int kIdFileMruFirst = 57616;  // recent files 1 .. 16
inline constexpr int kIdFileMruLast = 57631;
inline constexpr int kIdEditCopy = 57634;
inline constexpr int kIdEditCut = 57635;
inline constexpr int kIdEditPaste = 57637;
inline constexpr int kIdEditUndo = 57643;
inline constexpr int kIdWindowCascade = 57650;
inline constexpr int kIdWindowTileHorizontal = 57651;
inline constexpr int kIdWindowTileVertical = 57652;
inline constexpr int kIdAppAbout = 57664;
inline constexpr int kIdAppExit = 57665;
inline constexpr int kIdHelpFinder = 57667;
inline constexpr int kIdContextHelp = 57669;
inline constexpr int kIdHelp = 57670;
inline constexpr int kIdDefaultHelp = 57671;
inline constexpr int kIdOleEditProperties = 57860;

// Status-bar indicator panes.
inline constexpr int kIdIndicatorCaps = 59137;
inline constexpr int kIdIndicatorNum = 59138;
inline constexpr int kIdIndicatorScrl = 59139;

}  // namespace kelvarin
