// The flat menus of the front-end's frames: popups with a light icon column
// showing the image of the tool-bar button of the same command, a highlight
// box for the selected item, a 3-pixel border, a line that joins a popup to
// its menu-bar item and a 4-pixel drop shadow (over what the window system
// composes, or over a grab of the screen behind the popup). The drawing is
// FlatStyle's; this kit decides which menus it draws and prepares them before
// they show.
#pragma once

#include <QChar>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <optional>
#include <vector>

class QFontMetrics;
class QMainWindow;
class QMenu;
class QWidget;

namespace kelvarin {

// The kit works between these two calls (counted: the last removal ends it,
// and every menu it prepared goes back to the platform's drawing).
void InstallMenuHook();
void RemoveMenuHook();
bool IsMenuHookInstalled();

// Marks a frame whose menus the kit draws.
void SetMenuKitWindow(QWidget* window, bool on);
bool IsMenuKitWindow(const QWidget* window);
// Whether the kit draws this menu or menu bar.
bool IsOwnerDrawnMenu(const QWidget* menu);

// Prepares a popup of `window` before it shows: the kit draws it from now
// on, and each command takes the image of the first tool bar of the frame
// that has a button for it. Nothing when not `enabled` or not installed.
void UpdateMenu(QWidget* window, QMenu* menu, bool enabled);
// The kit draws the menu bar of a kit frame; the popups in the bar get the
// shadow margin where it can be shown. Called again when the bar's menus
// change.
void UpdateMenuBar(QMainWindow* window);

// Measures of the items, from the metrics of the menu's font.
int MenuItemHeight(const QFontMetrics& metrics);
int MenuSeparatorHeight(const QFontMetrics& metrics);
// A popup is as wide as its widest label and its widest shortcut together,
// plus room for the icon column and the margins.
inline constexpr int kPopupItemExtraWidth = 42;
// A menu-bar item is its text and a 4-pixel strip on the right.
inline constexpr int kBarItemExtraWidth = 4;
// What the window system adds to the measured width of every item it lets
// the program draw: twice the average character width of the menu font.
int PlatformItemPadding(const QFontMetrics& metrics);
inline constexpr int kMenuBorder = 3;  // the popup's border
inline constexpr int kMenuShadow = 4;  // the drop shadow's width

// The item a typed character runs: the first label (in item order) in which
// "&" followed by the character (either case) marks a mnemonic; "&&" is a
// plain "&". -1 when none does.
int FindMenuMnemonic(const QStringList& labels, QChar key);

// One pixel of a drop shadow: the background there is darkened to
// `percent` of its value.
struct ShadowPixel {
  int x;
  int y;
  int percent;
};
// The shadow of a popup of w x h pixels (shadow margin included): a band
// 4 pixels wide along the bottom and the right, darkest next to the menu,
// with rounded ends.
std::vector<ShadowPixel> MenuShadowPixels(int width, int height);
// The shadow strip of an open menu-bar item, left of `right` (exclusive),
// over `height` rows from `top`.
std::vector<ShadowPixel> BarItemShadowPixels(int right, int top, int height);

// How popups get their drop shadow: not at all; drawn translucent over what
// the window system composes behind them; or drawn from a grab of the screen
// behind the popup taken just before it shows (a window system that composes
// nothing, where a translucent margin would show black).
enum class MenuShadow { kNone, kComposed, kFromScreen };
MenuShadow MenuShadowKind();
// Tests force a kind; nullopt asks the window system again.
void SetMenuShadowOverride(std::optional<MenuShadow> kind);
// The shadow this popup was given.
MenuShadow MenuShadowOf(const QWidget* menu);
bool HasMenuShadow(const QWidget* menu);
// What the screen showed under a popup with a shadow drawn from the screen,
// the popup's size; null when it could not be grabbed.
QImage MenuShadowBackground(const QWidget* menu);

// The menu goes back to the platform's drawing (a menu the kit draws only
// where it shows: the report window's own menu).
void ReleaseMenu(QMenu* menu);

// The screen rectangle of the menu-bar item whose drop-down is open (the
// box drawn around it, without its shadow strip); empty when none.
QRect MenuBarItemRect();
void SetMenuBarItemRect(const QRect& rect);

}  // namespace kelvarin
