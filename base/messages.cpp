// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/messages.h"

#include <array>

#include "base/product.h"

namespace numerina {
namespace {

// In the order of MessageCode.
constexpr std::array<MessageText, 11> kMessages = {{
    {"Impossibile dividere per zero", kProductName, MessageIcon::Exclamation},
    {"Numero troppo grande", kProductShortName, MessageIcon::Exclamation},
    {"Nessun dato da stampare!", kProductShortName, MessageIcon::Exclamation},
    {"Impossibile salvare il report nel file scelto.", kProductShortName, MessageIcon::Exclamation},
    {"Problema di stampa nella stampante utilizzata.", kProductShortName, MessageIcon::Critical},
    // The question's title has always been spelt this way.
    {"Vuoi ripristinare la configurazione originaria?", kRestoreQuestionTitle,
     MessageIcon::Question, MessageButtons::YesNo},
    {"L'immagine deve essere al massimo 113 x 27 pixel.", kProductName, MessageIcon::Information},
    {"L'immagine deve essere al massimo 75 x 17 pixel.", kProductName, MessageIcon::Information},
    {"L'immagine deve essere al massimo 276 x 196 pixel.", kProductName, MessageIcon::Information},
    {"Il file scelto non è un'immagine leggibile.", kProductName, MessageIcon::Information},
    {"Il nastro della sessione precedente non è stato chiuso correttamente. Vuoi recuperarlo?",
     kProductShortName, MessageIcon::Question, MessageButtons::YesNo},
}};

static_assert(kMessages.size() == static_cast<std::size_t>(MessageCode::JournalRecovery) + 1);

}  // namespace

const MessageText& TextOf(MessageCode code) { return kMessages[static_cast<std::size_t>(code)]; }

}  // namespace numerina
