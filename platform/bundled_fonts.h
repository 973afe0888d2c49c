// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

namespace platform {

// The layouts were measured with a narrow sans-serif face. Liberation Sans
// ships inside the program and stands in for the design's "MS Sans Serif"
// and, through each window's designed font (designed_look.h), for the dialog
// font, so the captions fit whatever fonts the machine has.
void installBundledFonts();

} // namespace platform
