#pragma once
// The stored design every command-bar button of the program shares.
#include <string>

#include "controls/PropertyStore.h"

// Custom colours (a light beige face, black text), Tahoma, picture effects of type 9.
// The notes editor's exit button is the one that follows the system colours instead.
PropertyStore ProgramButtonDesign(const std::wstring& caption);
PropertyStore ProgramButtonDesignSystemColors(const std::wstring& caption);
