// Identifiers of the front-end's icons and bitmaps: the pictures its
// dialogs and wizard pages show. Every place that asks for a picture uses
// these names.
#pragma once

namespace kelvarin {

inline constexpr int kIdIconMainFrame = 128;       // the program's own icon
inline constexpr int kIdIconCheckWizard = 160;     // the check wizard's pages
inline constexpr int kIdBitmapCheckFinish = 162;   // beside the list of checks
inline constexpr int kIdIconMultipleWizard = 166;  // the multiple-primary wizard's pages
inline constexpr int kIdIconTransferWizard = 175;  // the file transfer's pages and columns
inline constexpr int kIdIconFilesPage = 176;       // the top left of every Files page

}  // namespace kelvarin
