#pragma once
// Internal to the sim: a FreeType face at one pixel size, with synthetic emboldening and
// slanting where the installed faces lack a weight or style.

#include <memory>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/sim/gdi/font_cache.hpp"

namespace vellum::sim::detail {

struct OutlineRequest {
  std::string file;
  int index = 0;
  int cellHeight = 0;    // > 0: size the face so that ascent + descent is this many pixels
  int emHeight = 11;     // used when cellHeight is 0: the character (em) height in pixels
  int averageWidth = 0;  // > 0: stretch horizontally to this average character width
  int embolden = 0;      // extra stroke width in 1/64 pixel (synthetic weight)
  int extraAdvance = 0;  // added to every advance, 1/64 pixel
  bool slant = false;    // synthetic oblique
  bool antialias = true;
};

// Null when FreeType cannot open or size the file.
std::unique_ptr<FontFace> OpenOutlineFace(FT_Library library, const OutlineRequest& request);

}  // namespace vellum::sim::detail
