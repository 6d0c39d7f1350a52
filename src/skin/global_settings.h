#pragma once
// The global layout table "org": switches and values read once at start-up that steer the
// device link, the macro library, the gun codes, the DPI sliders and the look of some pages.

#include <string>

#include "skin/ini_file.h"

namespace orvane {

// The switches (the *_Enable keys) are on only for the value 1.
struct GlobalSettings {
  bool webEnable = false;  // Web_Enable 1: the web button opens `web`
  std::string web;         // Web: address the web button opens
  int webX = 0;            // Web_X, Web_Y: place of the web button (9400 is outside the window)
  int webY = 0;
  // Rev_Manu_ID, Rev_Pro_ID: a second customer vendor/product id pair that is accepted when
  // the ids read from a freshly opened mouse are checked.
  int revManuId = 0;
  int revProId = 0;
  std::string path;        // Path: folder of the PC macro library; empty is the program's folder
  bool trEnable = false;   // TR_Enable 1: hovered button captions scroll
  bool beEnable = false;   // BE_Enable 1: mode buttons send the button-effect switch
  bool gdEnable = false;   // GD_Enable 1: game mode gets its gun-key variant
  int dpiLedStatus = 0;    // DPILED_Status 1: only the chosen speed bar lit; 0: bars up to it
  int gun6Num = 1;         // Gun6_Num: gun-6 variant, held to 1..2
  int gun7Num = 1;         // Gun7_Num: gun-7 variant, held to 1..3
  int numOrder = 0;        // Num_Order: strip step numbers 0 ascending, 1 descending, -1 hidden
  int numMouseOrder = 0;   // Num_Mouse_Order -1: pointer slider numbers hidden
  int dpiCount = 15;       // DPI_Count: positions of the DPI sliders, held to 2..15
};

// The smallest and largest DPI slider sizes: a slider needs two positions to have a step, and
// the mouse has fifteen DPI value names (nibble value 15 means "no value").
constexpr int kMinDpiCount = 2;
constexpr int kMaxDpiCount = 15;

// Reads the sixteen keys of section "org" in table order. Every key except Web and Path must
// hold an integer; the first that does not throws IniConversionError.
GlobalSettings ReadGlobalSettings(const IniFile& table);

// The built-in global table.
GlobalSettings LoadGlobalSettings();

}  // namespace orvane
