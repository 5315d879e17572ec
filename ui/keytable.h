#pragma once
// The keys of the keypad and the buttons of the toolbar, as one table each.
// The tables drive drawing, mouse hits, keyboard flashes, accessibility and
// tests. Positions are window pixels of the 400 x 275 skin.

#include <array>
#include <optional>
#include <string_view>

#include "engine/keys.h"

namespace numerina::ui {

struct KeyDef {
  std::string_view name;        // control name ("Number", "Operator", "Decim"...)
  KeyRef key;                   // what the engine presses
  int x, y;                     // top-left of the 26 x 26 key square
  int cellX, cellY;             // the same square in the 181 x 181 keypad sheets
  std::string_view label;       // what the key face shows
  std::string_view accessible;  // Italian name for assistive technology
  char32_t keyChar;             // the character that types it, 0 for none
};

inline constexpr int kKeySize = 26;
inline constexpr int kKeypadX = 12, kKeypadY = 72, kKeypadSheet = 181;

inline constexpr std::array<KeyDef, 32> kKeys = {{
    {"ConvLire", {Button::ConvLire}, 136, 72, 124, 0, "£", "da euro a lire", 0},
    {"ConvEuro", {Button::ConvEuro}, 167, 72, 155, 0, "€", "da lire a euro", 0},
    {"Cancel", {Button::Cancel}, 12, 103, 0, 31, "C", "cancella tutto", U'C'},
    {"Memoria", {Button::Memoria}, 43, 103, 31, 31, "M", "memorizza", 0},
    {"MemoriaPiù", {Button::MemoriaPiu}, 74, 103, 62, 31, "M+", "aggiungi alla memoria", 0},
    {"CancMemoria", {Button::CancMemoria}, 105, 103, 93, 31, "CM", "cancella memoria", 0},
    {"RichMemoria", {Button::RichMemoria}, 136, 103, 124, 31, "RM", "richiama memoria", 0},
    {"Sqrt", {Button::Sqrt}, 167, 103, 155, 31, "√", "radice quadrata", U'^'},
    {"Back", {Button::Back}, 12, 134, 0, 62, "CE", "cancella ultima cifra", 0},
    {"Number", {Button::Number, 7}, 43, 134, 31, 62, "7", "sette", U'7'},
    {"Number", {Button::Number, 8}, 74, 134, 62, 62, "8", "otto", U'8'},
    {"Number", {Button::Number, 9}, 105, 134, 93, 62, "9", "nove", U'9'},
    {"Operator", {Button::Operator, 0}, 136, 134, 124, 62, "÷", "diviso", U'/'},
    {"ElevQuadrato", {Button::ElevQuadrato}, 167, 134, 155, 62, "x²", "al quadrato", 0},
    {"CancelEntry", {Button::CancelEntry}, 12, 165, 0, 93, "CR", "cancella numero", 0},
    {"Number", {Button::Number, 4}, 43, 165, 31, 93, "4", "quattro", U'4'},
    {"Number", {Button::Number, 5}, 74, 165, 62, 93, "5", "cinque", U'5'},
    {"Number", {Button::Number, 6}, 105, 165, 93, 93, "6", "sei", U'6'},
    {"Operator", {Button::Operator, 2}, 136, 165, 124, 93, "×", "per", U'*'},
    {"Inverso", {Button::Inverso}, 167, 165, 155, 93, "1/x", "reciproco", U'!'},
    {"Più_meno", {Button::Piu_meno}, 12, 196, 0, 124, "+/−", "cambia segno", 0},
    {"Number", {Button::Number, 1}, 43, 196, 31, 124, "1", "uno", U'1'},
    {"Number", {Button::Number, 2}, 74, 196, 62, 124, "2", "due", U'2'},
    {"Number", {Button::Number, 3}, 105, 196, 93, 124, "3", "tre", U'3'},
    {"Operator", {Button::Operator, 3}, 136, 196, 124, 124, "−", "meno", U'-'},
    {"Percent", {Button::Percent}, 167, 196, 155, 124, "%", "percentuale", U'%'},
    {"Decim", {Button::Decim}, 12, 227, 0, 155, ",", "virgola", U'.'},
    {"Number", {Button::Number, 0}, 43, 227, 31, 155, "0", "zero", U'0'},
    {"Number", {Button::Number, 10}, 74, 227, 62, 155, "00", "doppio zero", 0},
    {"Number", {Button::Number, 11}, 105, 227, 93, 155, "000", "triplo zero", 0},
    {"Operator", {Button::Operator, 1}, 136, 227, 124, 155, "+", "più", U'+'},
    {"Operator", {Button::Operator, 4}, 167, 227, 155, 155, "=", "uguale", U'='},
}};

// The key of the table that an engine key is, if any.
constexpr const KeyDef* FindKey(KeyRef key) {
  for (const KeyDef& k : kKeys)
    if (k.key == key) return &k;
  return nullptr;
}

enum class ToolIcon { Close, Copy, Paste, Report, More, Fewer, Help, Info, Print, Minimise };

struct ToolDef {
  int index;                    // cmdBarra index 0..9
  int x, y;                     // top-left of the 13 x 13 button
  int cell;                     // left edge of its cell in the 139 x 13 strips
  std::string_view tooltip;     // design tooltip
  std::string_view accessible;  // Italian name for assistive technology
  ToolIcon icon;
};

inline constexpr int kToolSize = 13;
inline constexpr int kToolStripWidth = 139;

inline constexpr std::array<ToolDef, 10> kTools = {{
    {0, 180, 7, 84, "Chiudi numerina", "chiudi", ToolIcon::Close},
    {1, 96, 7, 0, "Copia", "copia", ToolIcon::Copy},
    {2, 110, 7, 14, "Incolla", "incolla", ToolIcon::Paste},
    {3, 124, 7, 28, "Report", "mostra o nascondi report", ToolIcon::Report},
    {4, 359, 7, 112, "Aumenta decimali", "aumenta decimali", ToolIcon::More},
    {5, 373, 7, 126, "Diminuisci decimali", "diminuisci decimali", ToolIcon::Fewer},
    {6, 152, 7, 56, "Guida in linea", "guida in linea", ToolIcon::Help},
    {7, 138, 7, 42, "Informazioni", "informazioni", ToolIcon::Info},
    {8, 345, 7, 98, "Stampa report", "stampa report", ToolIcon::Print},
    {9, 166, 7, 70, "Riduci a icona", "riduci a icona", ToolIcon::Minimise},
}};

}  // namespace numerina::ui
