#pragma once
// The height Windows' dialog manager gives a dialog template's font at a
// DPI. The template names the font in whole points; a font the manager made
// tells only its height in pixels at the DPI it was made for, from which the
// points come back.

// The font's height (negative: the character height, as LOGFONT's) at
// `dpi`, from `height` as made at `madeDpi`.
int DialogFontHeight(int height, int madeDpi, int dpi);
