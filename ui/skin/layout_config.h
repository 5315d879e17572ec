// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration dialog's controls: their places in window pixels of the
// 306 x 396 dialog, their font and their colours on the skin.

#include <QColor>
#include <QRect>

#include <string_view>

namespace numerina::ui::layout::config {

inline constexpr std::string_view kTitle = "Configurazione Numerina";

// Arial (Liberation Sans here), 11 pixels.
inline constexpr std::string_view kFontFamily = "Arial";
inline constexpr int kFontPx = 11;

// Captions reach at most this far from the right edge when they need more
// room than their places.
inline constexpr int kCaptionRightMargin = 12;

inline constexpr QRect kChkPrimo(14, 32, 16, 16);
inline constexpr QRect kLabel3(42, 34, 202, 13);
// The captions over the picture path and the name start where the text
// inside those fields starts, 4 pixels in: "Posizione:" beside them needs
// all the room up to there.
inline constexpr QRect kPicPosCaption(14, 52, 48, 13);
inline constexpr QRect kPicCaption(70, 52, 185, 13);
inline constexpr QRect kCboPic(14, 66, 46, 21);
inline constexpr QRect kLblPicture(66, 66, 202, 20);
inline constexpr QRect kCommand1(268, 66, 22, 21);
// The two status lines are widened to the dialog less their left margin on
// both sides.
inline constexpr QRect kLblpospic(14, 87, 130, 13);
inline constexpr QRect kNamePosCaption(14, 103, 48, 13);
inline constexpr QRect kLabel7(70, 103, 163, 13);
inline constexpr QRect kCboNome(14, 117, 46, 21);
inline constexpr QRect kTxtNome(66, 117, 224, 21);
inline constexpr QRect kLblposnome(14, 138, 106, 13);
inline constexpr QRect kChkInfo(22, 153, 14, 14);
inline constexpr QRect kLabel10(36, 154, 137, 13);
inline constexpr QRect kLabel11(21, 172, 48, 13);
// The picture path and the title start 6 pixels further right than their
// first places, which "Immagine:" overlapped; their right edges stay.
inline constexpr QRect kLblPicInfo(77, 169, 187, 20);
inline constexpr QRect kCommand2(264, 169, 22, 21);
inline constexpr QRect kLabel12(21, 195, 29, 13);
inline constexpr QRect kTxtInfo(77, 192, 209, 21);
inline constexpr QRect kLabel9(36, 215, 236, 13);
inline constexpr QRect kLstMain(36, 230, 249, 123);
// At the left margin: further right its end would touch "Ripristina".
inline constexpr QRect kRestoreCaption(14, 370, 160, 13);
// The folder icon of the two choosers.
inline constexpr int kFolderIconPx = 16;
// The list's rows, and the line numbers beside them (x and width).
inline constexpr int kRowHeight = 13;
inline constexpr int kLineNumberX = 26, kLineNumberWidth = 7;
// Where the hidden row editor waits.
inline constexpr QRect kEditorParked(800, 800, 50, kRowHeight);

// The controls' colours: fields in the tape's colour with dark text, caps
// as the toolbar's, selection in the memory keys' blue; disabled fields
// sink into the housing.
inline constexpr QColor kInk(18, 24, 30);
inline constexpr QColor kCap(214, 220, 224);
inline constexpr QColor kSelection(54, 88, 120);
inline constexpr QColor kLight(240, 243, 245);
inline constexpr QColor kMid(120, 130, 138);
inline constexpr QColor kDark(48, 56, 64);
inline constexpr QColor kShadow(30, 35, 40);
inline constexpr QColor kToolTipBase(246, 246, 240);
inline constexpr QColor kPlaceholder(90, 100, 108);
inline constexpr QColor kDisabledText(150, 160, 168);
inline constexpr QColor kDisabledField(118, 129, 137);
inline constexpr QColor kDisabledInk(52, 60, 68);
inline constexpr QColor kDisabledHighlight(96, 108, 118);
inline constexpr QColor kDisabledHighlightedText(200, 206, 210);

}  // namespace numerina::ui::layout::config
