#pragma once
// The button's colours, derived from its colour scheme.
#include "controls/ButtonSite.h"
#include "controls/ButtonState.h"

// Fills state.Palette; `backColor` stands in for BackColor (the hover paint passes BackOver).
void ComputePalette(ButtonState& state, ButtonSite& site, std::uint32_t backColor);
inline void ComputePalette(ButtonState& state, ButtonSite& site) { ComputePalette(state, site, state.BackColor); }
