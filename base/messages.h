// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the program, and the one table of their Italian
// texts, titles, icons and buttons. The engine raises its own through the
// Host; the windows show theirs through ui/widgets/messagebox.h.

#include <cstdint>
#include <string_view>

namespace numerina {

enum class MessageIcon { Exclamation, Critical, Information, Question };

// OK alone, or Yes and No with No as the default.
enum class MessageButtons { Ok, YesNo };

enum class MessageCode : std::uint8_t {
  DivideByZero,           // an operator key divides by zero
  NumberTooLarge,         // the square key overflows
  NothingToPrint,         // the print button on an empty tape
  ReportNotSaved,         // the text file of the report could not be written
  PrintFailed,            // the printer refused the report
  RestoreQuestion,        // the configuration dialog's "Ripristina"
  PictureTooLargeBanner,  // picture place 1, left of the Lire/Euro button
  PictureTooLargeTop,     // picture place 2, top left of the calculator
  PictureTooLargeInfo,    // picture place 3, the information panel
  PictureUnreadable,      // the chosen file holds no readable picture
  JournalRecovery,        // a tape left by a session that did not end on purpose
};

struct MessageText {
  std::string_view text;
  std::string_view title;
  MessageIcon icon;
  MessageButtons buttons = MessageButtons::Ok;
};

const MessageText& TextOf(MessageCode code);

}  // namespace numerina
