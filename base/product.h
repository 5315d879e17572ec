// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product's names, as every window title, message box and page shows them.

#include <algorithm>
#include <array>
#include <string_view>

namespace numerina {

// The full name: window title, message box titles, the name shown when the
// settings give none, the printed page's title line.
inline constexpr std::string_view kProductName = "Numerina Desktop";
// The short name some message boxes carry as their title.
inline constexpr std::string_view kProductShortName = "Numerina";
// The about box writes the name with a capital T, in its title and heading.
inline constexpr std::string_view kAboutProductName = "Numerina DeskTop";
// The configuration dialog's restore question carries this title.
inline constexpr std::string_view kRestoreQuestionTitle = "Numerna";

namespace product_detail {
template <std::size_t N>
struct Joined {
  std::array<char, N> chars{};
  constexpr std::string_view View() const { return {chars.data(), N}; }
};
template <std::size_t N>
constexpr Joined<N> Join(std::string_view a, std::string_view b) {
  Joined<N> out;
  std::copy(a.begin(), a.end(), out.chars.begin());
  std::copy(b.begin(), b.end(), out.chars.begin() + static_cast<std::ptrdiff_t>(a.size()));
  return out;
}
inline constexpr std::string_view kMakersPrefix = "Gli autori di ";
inline constexpr auto kMakers =
    Join<kMakersPrefix.size() + kProductName.size()>(kMakersPrefix, kProductName);
}  // namespace product_detail

// The makers' line of the about box and of the information panel.
inline constexpr std::string_view kMakersLine = product_detail::kMakers.View();

}  // namespace numerina
