// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/messages.h"

#include <array>

#include "base/product.h"

namespace numerina {
namespace {

constexpr std::array<MessageText, 2> kMessages = {{
    {"Impossibile dividere per zero", kProductName, MessageIcon::Exclamation},
    {"Numero troppo grande", kProductShortName, MessageIcon::Exclamation},
}};

}  // namespace

const MessageText& TextOf(MessageCode code) { return kMessages[static_cast<std::size_t>(code)]; }

}  // namespace numerina
