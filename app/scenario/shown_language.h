// The scenario files write the calculator's texts in English, as its sources
// do. When the window speaks another language (LANGUAGE=de), an expected text
// becomes the catalogue's words for it, so the same files check the numbers
// and the behaviour in every language.
#pragma once

#include <initializer_list>
#include <string>

namespace velmor::scenario {

// `english` as the window shows it, looked up in `contexts` in turn: a text of
// the catalogues; a mark and its value ("Result = 19"); an error number and its
// description ("6Overflow", "6   Overflow"); a sentence around a number
// ("… holds 201 values", "Version 2.5.0"). Any other text, and every text in
// English, stays as it is.
std::string shownAs(const std::string& english, std::initializer_list<const char*> contexts);

// The contexts of what a control or window named `name` shows ("cmdOK",
// "frmAbout.lblVersion", "frmcalculator").
std::initializer_list<const char*> contextsOf(const std::string& name);

}  // namespace velmor::scenario
