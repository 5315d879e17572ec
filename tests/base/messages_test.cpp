// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of message boxes: every code's text, title, icon and
// buttons as the windows have always shown them, and the product's names.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "base/product.h"

namespace numerina {
namespace {

struct Row {
  MessageCode code;
  std::string_view text;
  std::string_view title;
  MessageIcon icon;
  MessageButtons buttons;
};

constexpr Row kRows[] = {
    {MessageCode::DivideByZero, "Impossibile dividere per zero", "Numerina Desktop",
     MessageIcon::Exclamation, MessageButtons::Ok},
    {MessageCode::NumberTooLarge, "Numero troppo grande", "Numerina", MessageIcon::Exclamation,
     MessageButtons::Ok},
    {MessageCode::NothingToPrint, "Nessun dato da stampare!", "Numerina", MessageIcon::Exclamation,
     MessageButtons::Ok},
    {MessageCode::ReportNotSaved, "Impossibile salvare il report nel file scelto.", "Numerina",
     MessageIcon::Exclamation, MessageButtons::Ok},
    {MessageCode::PrintFailed, "Problema di stampa nella stampante utilizzata.", "Numerina",
     MessageIcon::Critical, MessageButtons::Ok},
    {MessageCode::RestoreQuestion, "Vuoi ripristinare la configurazione originaria?", "Numerna",
     MessageIcon::Question, MessageButtons::YesNo},
    {MessageCode::PictureTooLargeBanner, "L'immagine deve essere al massimo 113 x 27 pixel.",
     "Numerina Desktop", MessageIcon::Information, MessageButtons::Ok},
    {MessageCode::PictureTooLargeTop, "L'immagine deve essere al massimo 75 x 17 pixel.",
     "Numerina Desktop", MessageIcon::Information, MessageButtons::Ok},
    {MessageCode::PictureTooLargeInfo, "L'immagine deve essere al massimo 276 x 196 pixel.",
     "Numerina Desktop", MessageIcon::Information, MessageButtons::Ok},
    {MessageCode::PictureUnreadable, "Il file scelto non è un'immagine leggibile.",
     "Numerina Desktop", MessageIcon::Information, MessageButtons::Ok},
    {MessageCode::JournalRecovery,
     "Il nastro della sessione precedente non è stato chiuso correttamente. Vuoi recuperarlo?",
     "Numerina", MessageIcon::Question, MessageButtons::YesNo},
};

TEST(Messages, EveryCodeHasItsText) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.text));
    const MessageText& m = TextOf(row.code);
    EXPECT_EQ(m.text, row.text);
    EXPECT_EQ(m.title, row.title);
    EXPECT_EQ(m.icon, row.icon);
    EXPECT_EQ(m.buttons, row.buttons);
  }
  EXPECT_EQ(std::size(kRows), static_cast<std::size_t>(MessageCode::JournalRecovery) + 1);
}

TEST(Product, NamesAndTheMakersLine) {
  EXPECT_EQ(kProductName, "Numerina Desktop");
  EXPECT_EQ(kProductShortName, "Numerina");
  EXPECT_EQ(kAboutProductName, "Numerina DeskTop");
  EXPECT_EQ(kMakersLine, "Gli autori di Numerina Desktop");
}

}  // namespace
}  // namespace numerina
