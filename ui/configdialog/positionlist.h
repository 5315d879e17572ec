// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The position lists (cboPic, cboNome) for assistive technology. On Linux
// Qt names a drop-down list by its current entry, so a screen reader
// announced "1" or "2" and never what the list is for. A list marked here
// is named by its accessibleName (its caption) and gives its entry as its
// value, with the popup list as its child and the open action as before.

class QComboBox;

namespace numerina::ui {

// Names combo by its accessibleName for assistive technology, whatever
// entry is chosen.
void NameListByCaption(QComboBox& combo);

}  // namespace numerina::ui
