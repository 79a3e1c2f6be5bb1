#include "frontend/res/menus.h"

#include <array>
#include <iterator>

#include "frontend/res/commandids.h"

namespace kelvarin {
namespace {

constexpr MenuEntry kSeparator{0, nullptr, nullptr};

template <int N>
constexpr MenuPopup Popup(const char* text, const MenuEntry (&entries)[N],
                          bool listsWindows = false) {
  return MenuPopup{text, entries, N, listsWindows};
}

template <std::size_t N>
constexpr MenuPopup Popup(const char* text, const std::array<MenuEntry, N>& entries) {
  return MenuPopup{text, entries.data(), static_cast<int>(N), false};
}

constexpr MenuEntry kFileMainEntries[] = {
    {kIdFileOpen, "&Open...\tCtrl+O", nullptr},
    {kIdFilePrintSetup, "P&rint Setup...", nullptr},
    kSeparator,
    {kRecentFilePlaceholder, kRecentFileEmptyText, nullptr},
    kSeparator,
    {kIdAppExit, "E&xit", nullptr},
};

constexpr MenuEntry kFileDocumentEntries[] = {
    {kIdFileOpen, "&Open...\tCtrl+O", nullptr},
    {kIdFileClose, "&Close", nullptr},
    {kIdFileSave, "&Save\tCtrl+S", nullptr},
    {kIdFileSaveAs, "Save &As...", nullptr},
    kSeparator,
    {kIdFilePrint, "&Print...\tCtrl+P", nullptr},
    {kIdFilePrintPreview, "Print Pre&view", nullptr},
    {kIdFilePrintSetup, "P&rint Setup...", nullptr},
    kSeparator,
    {kRecentFilePlaceholder, kRecentFileEmptyText, nullptr},
    kSeparator,
    {kIdAppExit, "E&xit", nullptr},
};

constexpr MenuEntry kEditEntries[] = {
    {kIdEditUndo, "&Undo\tCtrl+Z", nullptr},
    kSeparator,
    {kIdEditCut, "Cu&t\tCtrl+X", nullptr},
    {kIdEditCopy, "&Copy\tCtrl+C", nullptr},
    {kIdEditPaste, "&Paste\tCtrl+V", nullptr},
    kSeparator,
    {kIdEditProperties, "P&roperties\tAlt+Enter", nullptr},
};

constexpr MenuEntry kToolsEntries[] = {
    {kIdToolsCheck, "Orvo/Semu &Check", nullptr},
    {kIdToolsMultiplePrimary, "Orvo/Semu &Multiple Primary", nullptr},
    kSeparator,
    {kIdFileTransfer, "&File Transfer", nullptr},
};

constexpr std::array<MenuEntry, 11> kConversionsMainEntries = {{
    {32771, "&ICD-9 -> ICD-O-2", nullptr},
    {32772, "ICD-&9+ICD-O-1 -> ICD-O-2", nullptr},
    {32773, "I&CD-10 -> ICD-O-2", nullptr},
    {32774, "IC&D-10+ICD-O-2 -> ICD-O-2", nullptr},
    {32775, "ICD-O-&1 -> ICD-O-2", nullptr},
    {32776, "ICD-O-1(&FTE) -> ICD-O-2", nullptr},
    {32777, "ICD-O-&2 -> ICD-O-3", nullptr},
    {32778, "ICD-O-2 -> ICD-9", nullptr},
    {32779, "ICD-&O-2 -> ICD-10", nullptr},
    {32780, "ICD-O-&3 -> ICD-10", nullptr},
    {32781, "ICD-O-3 -> ICCC-3", nullptr},
}};

// The document menu names two of the conversions with other mnemonics.
constexpr std::array<MenuEntry, 11> WithDocumentMnemonics(std::array<MenuEntry, 11> entries) {
  entries[3].text = "ICD-&10+ICD-O-2 -> ICD-O-2";
  entries[4].text = "ICD-&O-1 -> ICD-O-2";
  return entries;
}

constexpr std::array<MenuEntry, 11> kConversionsDocumentEntries =
    WithDocumentMnemonics(kConversionsMainEntries);

constexpr MenuEntry kWindowEntries[] = {
    {kIdWindowCascade, "&Cascade", nullptr},
    {kIdWindowTileHorizontal, "Tile &Horizontally", nullptr},
    {kIdWindowTileVertical, "Tile &Vertically", nullptr},
};

constexpr MenuEntry kInternetEntries[] = {
    {kIdWebHomePage, "Kelvarin &Home Page", nullptr},
    {kIdWebCancerStatistics, "Cancer &Statistics", nullptr},
    {kIdWebCancerRegistration, "Cancer &Registration", nullptr},
    kSeparator,
    {kIdWebIcdO3, "ICD-&O-3", nullptr},
    {kIdWebIcd10, "ICD-&10", nullptr},
};

constexpr MenuPopup kInternetPopup = Popup("Kelvarin on the &Internet", kInternetEntries);

constexpr MenuEntry kHelpEntries[] = {
    {kIdHelpFinder, "&Help Topics", nullptr},  kSeparator,
    {0, kInternetPopup.text, &kInternetPopup}, kSeparator,
    {kIdAppAbout, "&About Kelvarin", nullptr},
};

constexpr MenuPopup kFileMain = Popup("&File", kFileMainEntries);
constexpr MenuPopup kFileDocument = Popup("&File", kFileDocumentEntries);
constexpr MenuPopup kEdit = Popup("&Edit", kEditEntries);
constexpr MenuPopup kTools = Popup("&Tools", kToolsEntries);
constexpr MenuPopup kConversionsMain = Popup("&Conversions", kConversionsMainEntries);
constexpr MenuPopup kConversionsDocument = Popup("&Conversions", kConversionsDocumentEntries);
constexpr MenuPopup kWindow = Popup("&Window", kWindowEntries, true);
constexpr MenuPopup kHelp = Popup("&Help", kHelpEntries);

constexpr const MenuPopup* kMainPopups[] = {&kFileMain, &kTools, &kConversionsMain, &kHelp};
constexpr const MenuPopup* kDocumentPopups[] = {&kFileDocument,        &kEdit,   &kTools,
                                                &kConversionsDocument, &kWindow, &kHelp};

}  // namespace

const MenuBarResource& MainMenu() {
  static constexpr MenuBarResource menu{kMainMenuId, kMainPopups,
                                        static_cast<int>(std::size(kMainPopups))};
  return menu;
}

const MenuBarResource& DocumentMenu() {
  static constexpr MenuBarResource menu{kDocumentMenuId, kDocumentPopups,
                                        static_cast<int>(std::size(kDocumentPopups))};
  return menu;
}

}  // namespace kelvarin
