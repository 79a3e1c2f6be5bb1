#include "frontend/res/strings.h"

#include <algorithm>
#include <iterator>

#include "frontend/res/commandids.h"

namespace kelvarin {
namespace {

struct StringEntry {
  int id;
  const char* text;
};

// Sorted by id.
constexpr StringEntry kStrings[] = {
    {kIdWebHomePage, "Open the Kelvarin home page\nHome page"},
    {kIdWebCancerStatistics, "Open a page on cancer statistics\nCancer statistics"},
    {kIdWebCancerRegistration, "Open a page on cancer registration\nCancer registration"},
    {kIdEditProperties, "Modifies current file properties\nProperties"},
    {32771, "ICD-9 to ICD-O-2"},
    {32772, "ICD-9 + ICD-O-1 (M) to ICD-O-2"},
    {32773, "ICD-10 to ICD-O-2"},
    {32774, "ICD-10 + ICD-O-2(M) to ICD-O-2"},
    {32775, "ICD-O-1 to ICD-O-2"},
    {32776, "ICD-O (Field Trial Edition 1988) to ICD-O-2"},
    {32777, "ICD-O-2 to ICD-O-3"},
    {32778, "ICD-O-2 to ICD-9"},
    {32779, "ICD-O-2 to ICD-10"},
    {32780, "ICD-O-3 (first revision, 2013) to ICD-10 (2010 edition)"},
    {32781, "ICD-O-3 (first revision, 2013) to the ICCC (third edition)"},
    {32782, "ICD-O-3 (first revision, 2013) to the Nubra histological groups"},
    {kIdToolsCheck, "Orvo/Semu check program"},
    {kIdToolsMultiplePrimary, "Orvo/Semu multiple primary check program"},
    {kIdFileTransfer, "Turn a delimited text file into a fixed-width file\nFile transfer"},
    {kIdWebIcdO3, "ICD-O-3 index, numerical lists and summary rules"},
    {kIdWebIcd10, "ICD-10 index and numerical lists"},
    {kIdsAppTitle, "Kelvarin"},
    {kIdsIdleMessage, "Ready"},
    {kIdFileOpen, "Open a report or another text file\nOpen"},
    {kIdFileClose, "Close the active report\nClose"},
    {kIdFileSave, "Save the active report\nSave"},
    {kIdFileSaveAs, "Save the active report under a new name\nSave As"},
    {kIdFilePrintSetup, "Choose the printer and the page\nPrint Setup"},
    {kIdFilePrint, "Print the active report\nPrint"},
    {kIdFilePrintDirect, "Print the active report on the current printer\nPrint"},
    {kIdFilePrintPreview, "Show the pages as they will be printed\nPrint Preview"},
    {kIdFileMruFirst, "Open this report"},
    {kIdFileMruFirst + 1, "Open this report"},
    {kIdFileMruFirst + 2, "Open this report"},
    {kIdFileMruFirst + 3, "Open this report"},
    {kIdFileMruFirst + 4, "Open this report"},
    {kIdFileMruFirst + 5, "Open this report"},
    {kIdFileMruFirst + 6, "Open this report"},
    {kIdFileMruFirst + 7, "Open this report"},
    {kIdFileMruFirst + 8, "Open this report"},
    {kIdFileMruFirst + 9, "Open this report"},
    {kIdEditCopy, "Copy the selection to the clipboard\nCopy"},
    {kIdEditCut, "Cut the selection to the clipboard\nCut"},
    {kIdEditPaste, "Insert the clipboard's text\nPaste"},
    {kIdEditUndo, "Undo the last change\nUndo"},
    {kIdWindowCascade, "Arrange the windows so that they overlap\nCascade"},
    {kIdWindowTileHorizontal, "Arrange the windows one above the other\nTile Horizontally"},
    {kIdWindowTileVertical, "Arrange the windows side by side\nTile Vertically"},
    {kIdAppAbout, "Show the program's version and the tool programs\nAbout"},
    {kIdAppExit, "Quit Kelvarin; asks to save changed reports\nExit"},
    {kIdHelpFinder, "List the help topics\nHelp Topics"},
    {kIdContextHelp, "Show help on the button, menu item or window clicked next\nContext Help"},
    {kIdHelp, "Show help\nHelp"},
};

constexpr bool IsSorted() {
  for (std::size_t i = 1; i < std::size(kStrings); ++i)
    if (kStrings[i - 1].id >= kStrings[i].id) return false;
  return true;
}
static_assert(IsSorted(), "the string table must be sorted by id");

}  // namespace

const char* LoadResString(int id) {
  const auto* end = std::end(kStrings);
  const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                    [](const StringEntry& e, int key) { return e.id < key; });
  return it != end && it->id == id ? it->text : nullptr;
}

}  // namespace kelvarin
