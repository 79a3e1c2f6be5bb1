// The menu bars of the front-end as data: menu 128 while no report is open,
// menu 129 while a report window is active.
#pragma once

namespace kelvarin {

struct MenuPopup;

// One item of a popup: a command (id and text), a separator (id 0, no text)
// or a submenu (id 0, text and submenu). A text may hold a TAB followed by
// the shortcut that is shown at the right.
struct MenuEntry {
  int id;
  const char* text;
  const MenuPopup* submenu;
};

struct MenuPopup {
  const char* text;
  const MenuEntry* entries;
  int count;
  bool listsWindows;  // the open report windows are listed after the entries
};

struct MenuBarResource {
  int resourceId;
  const MenuPopup* const* popups;
  int count;
};

inline constexpr int kMainMenuId = 128;
inline constexpr int kDocumentMenuId = 129;

const MenuBarResource& MainMenu();
const MenuBarResource& DocumentMenu();

// The place of the recent-file list: a File-menu entry with this id stands
// for all entries of the list ("Recent File", greyed, when it is empty).
inline constexpr int kRecentFilePlaceholder = 57616;
inline constexpr const char* kRecentFileEmptyText = "Recent File";
// How many files the recent-file list keeps and the File menu shows.
inline constexpr int kRecentFileCount = 10;

}  // namespace kelvarin
