// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the keypad and the buttons of the toolbar, as one table each.
// How the keyboard presses the keys is engine/keys.h's kKeyboard.
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
  std::string_view tooltip;     // what it does and its keyboard key, in Italian
};

inline constexpr int kKeySize = 26;
inline constexpr int kKeypadX = 12, kKeypadY = 72, kKeypadSheet = 181;

inline constexpr std::array<KeyDef, 32> kKeys = {{
    {"ConvLire",
     {Button::ConvLire},
     136,
     72,
     124,
     0,
     "£",
     "da euro a lire",
     "£: converte il numero da euro a lire"},
    {"ConvEuro",
     {Button::ConvEuro},
     167,
     72,
     155,
     0,
     "€",
     "da lire a euro",
     "€: converte il numero da lire a euro"},
    {"Cancel",
     {Button::Cancel},
     12,
     103,
     0,
     31,
     "C",
     "cancella tutto",
     "C: azzera il calcolo, il nastro resta (C o Canc)"},
    {"Memoria",
     {Button::Memoria},
     43,
     103,
     31,
     31,
     "M",
     "memorizza",
     "M: mette il numero in memoria"},
    {"MemoriaPiù",
     {Button::MemoriaPiu},
     74,
     103,
     62,
     31,
     "M+",
     "aggiungi alla memoria",
     "M+: aggiunge il numero alla memoria"},
    {"CancMemoria",
     {Button::CancMemoria},
     105,
     103,
     93,
     31,
     "CM",
     "cancella memoria",
     "CM: cancella la memoria"},
    {"RichMemoria",
     {Button::RichMemoria},
     136,
     103,
     124,
     31,
     "RM",
     "richiama memoria",
     "RM: richiama il numero in memoria"},
    {"Sqrt", {Button::Sqrt}, 167, 103, 155, 31, "√", "radice quadrata", "√: radice quadrata (^)"},
    {"Back",
     {Button::Back},
     12,
     134,
     0,
     62,
     "CE",
     "cancella ultima cifra",
     "CE: cancella l'ultima cifra (Backspace)"},
    {"Number", {Button::Number, 7}, 43, 134, 31, 62, "7", "sette", "7: cifra sette (7)"},
    {"Number", {Button::Number, 8}, 74, 134, 62, 62, "8", "otto", "8: cifra otto (8)"},
    {"Number", {Button::Number, 9}, 105, 134, 93, 62, "9", "nove", "9: cifra nove (9)"},
    {"Operator", {Button::Operator, 0}, 136, 134, 124, 62, "÷", "diviso", "÷: diviso (/)"},
    {"ElevQuadrato",
     {Button::ElevQuadrato},
     167,
     134,
     155,
     62,
     "x²",
     "al quadrato",
     "x²: eleva al quadrato"},
    {"CancelEntry",
     {Button::CancelEntry},
     12,
     165,
     0,
     93,
     "CR",
     "cancella numero",
     "CR: azzera il numero e il nastro (Home)"},
    {"Number", {Button::Number, 4}, 43, 165, 31, 93, "4", "quattro", "4: cifra quattro (4)"},
    {"Number", {Button::Number, 5}, 74, 165, 62, 93, "5", "cinque", "5: cifra cinque (5)"},
    {"Number", {Button::Number, 6}, 105, 165, 93, 93, "6", "sei", "6: cifra sei (6)"},
    {"Operator", {Button::Operator, 2}, 136, 165, 124, 93, "×", "per", "×: per (* o X)"},
    {"Inverso", {Button::Inverso}, 167, 165, 155, 93, "1/x", "reciproco", "1/x: reciproco (!)"},
    {"Più_meno",
     {Button::Piu_meno},
     12,
     196,
     0,
     124,
     "+/−",
     "cambia segno",
     "+/−: cambia il segno"},
    {"Number", {Button::Number, 1}, 43, 196, 31, 124, "1", "uno", "1: cifra uno (1)"},
    {"Number", {Button::Number, 2}, 74, 196, 62, 124, "2", "due", "2: cifra due (2)"},
    {"Number", {Button::Number, 3}, 105, 196, 93, 124, "3", "tre", "3: cifra tre (3)"},
    {"Operator", {Button::Operator, 3}, 136, 196, 124, 124, "−", "meno", "−: meno (-)"},
    {"Percent", {Button::Percent}, 167, 196, 155, 124, "%", "percentuale", "%: percentuale (%)"},
    {"Decim", {Button::Decim}, 12, 227, 0, 155, ",", "virgola", ",: virgola decimale (.)"},
    {"Number", {Button::Number, 0}, 43, 227, 31, 155, "0", "zero", "0: cifra zero (0)"},
    {"Number", {Button::Number, 10}, 74, 227, 62, 155, "00", "doppio zero", "00: doppio zero"},
    {"Number", {Button::Number, 11}, 105, 227, 93, 155, "000", "triplo zero", "000: triplo zero"},
    {"Operator", {Button::Operator, 1}, 136, 227, 124, 155, "+", "più", "+: più (+)"},
    {"Operator",
     {Button::Operator, 4},
     167,
     227,
     155,
     155,
     "=",
     "uguale",
     "=: uguale, dà il totale (=, T o Invio)"},
}};

// The key of the table that an engine key is, if any.
constexpr const KeyDef* FindKey(KeyRef key) {
  for (const KeyDef& k : kKeys)
    if (k.key == key) return &k;
  return nullptr;
}

// The toolbar's buttons, by their cmdBarra index 0..9.
enum class Tool { Close, Copy, Paste, Report, More, Fewer, Help, Info, Print, Minimise };
constexpr int ToolIndex(Tool t) { return static_cast<int>(t); }

struct ToolDef {
  Tool tool;                    // which button, also its icon
  int x, y;                     // top-left of the 13 x 13 button
  int cell;                     // left edge of its cell in the 139 x 13 strips
  std::string_view tooltip;     // design tooltip
  std::string_view accessible;  // Italian name for assistive technology
};

inline constexpr int kToolSize = 13;
inline constexpr int kToolStripWidth = 139;

inline constexpr std::array<ToolDef, 10> kTools = {{
    {Tool::Close, 180, 7, 84, "Chiudi numerina", "chiudi"},
    {Tool::Copy, 96, 7, 0, "Copia", "copia"},
    {Tool::Paste, 110, 7, 14, "Incolla", "incolla"},
    {Tool::Report, 124, 7, 28, "Report", "mostra o nascondi report"},
    {Tool::More, 359, 7, 112, "Aumenta decimali", "aumenta decimali"},
    {Tool::Fewer, 373, 7, 126, "Diminuisci decimali", "diminuisci decimali"},
    {Tool::Help, 152, 7, 56, "Guida in linea", "guida in linea"},
    {Tool::Info, 138, 7, 42, "Informazioni", "informazioni"},
    {Tool::Print, 345, 7, 98, "Stampa report", "stampa report"},
    {Tool::Minimise, 166, 7, 70, "Riduci a icona", "riduci a icona"},
}};

}  // namespace numerina::ui
