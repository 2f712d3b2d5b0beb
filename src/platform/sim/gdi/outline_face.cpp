#include "platform/sim/gdi/outline_face.hpp"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

namespace vellum::sim::detail {

namespace {

int RoundToInt(double v) {
  return static_cast<int>(std::lround(v));
}

class OutlineFace final : public FontFace {
 public:
  OutlineFace(FT_Face face, const OutlineRequest& request)
      : face_(face),
        embolden_(request.embolden),
        extraAdvance_(request.extraAdvance),
        slant_(request.slant),
        antialias_(request.antialias) {}
  ~OutlineFace() override { FT_Done_Face(face_); }
  OutlineFace(const OutlineFace&) = delete;
  OutlineFace& operator=(const OutlineFace&) = delete;

  // Sizes the face and derives the cell metrics the way the platform does: the cell spans the
  // face's Windows ascent and descent, scaled to the character height.
  bool Size(const OutlineRequest& request) {
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const double unitsPerEm = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;
    double ascentUnits = face_->ascender;
    double descentUnits = -face_->descender;
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
      ascentUnits = os2->usWinAscent;
      descentUnits = os2->usWinDescent;
    }
    int em = request.emHeight;
    if (request.cellHeight > 0)
      em = RoundToInt(request.cellHeight * unitsPerEm / (ascentUnits + descentUnits));
    em = std::max(em, 1);
    int emX = em;
    if (request.averageWidth > 0 && os2 && os2->xAvgCharWidth > 0)
      emX = std::max(1, RoundToInt(request.averageWidth * unitsPerEm / os2->xAvgCharWidth));
    if (FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(emX), static_cast<FT_UInt>(em)) != 0)
      return false;

    const double scale = em / unitsPerEm;
    FaceMetrics& m = metrics_;
    m.ascent = RoundToInt(ascentUnits * scale);
    m.descent = RoundToInt(descentUnits * scale);
    if (request.cellHeight > 0) m.descent = std::max(0, request.cellHeight - m.ascent);
    m.height = m.ascent + m.descent;

    m.underlineThickness = std::max(1, RoundToInt(face_->underline_thickness * scale));
    m.underlineRow = m.ascent + std::max(1, RoundToInt(-face_->underline_position * scale) -
                                                m.underlineThickness / 2);
    m.underlineRow = std::min(m.underlineRow, m.height - m.underlineThickness);
    const double strikeUnits =
        os2 && os2->yStrikeoutPosition > 0 ? os2->yStrikeoutPosition : unitsPerEm * 0.26;
    m.strikeThickness =
        std::max(1, os2 && os2->yStrikeoutSize > 0 ? RoundToInt(os2->yStrikeoutSize * scale)
                                                   : m.underlineThickness);
    m.strikeRow = std::max(0, m.ascent - RoundToInt(strikeUnits * scale));
    return true;
  }

  const Glyph& GlyphFor(char32_t c) override {
    auto it = glyphs_.find(c);
    if (it != glyphs_.end()) return it->second;
    return glyphs_.emplace(c, Render(c)).first->second;
  }

 private:
  Glyph Render(char32_t c) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face_, c);
    const FT_Int32 target = antialias_ ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP | target) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    FT_Pos advance = slot->advance.x;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (slant_) {
        // The usual oblique shear, about 12 degrees.
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
      }
      if (embolden_ > 0) {
        FT_Outline_EmboldenXY(&slot->outline, embolden_, embolden_ / 3);
      }
      advance += extraAdvance_;
    }
    glyph.advance64 = static_cast<int>(advance);
    if (FT_Render_Glyph(slot, antialias_ ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
      return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
      const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
      for (int x = 0; x < glyph.width; ++x) {
        std::uint8_t value = 0;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
          value = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
          value = static_cast<std::uint8_t>(
              bitmap.num_grays == 256 ? row[x] : row[x] * 255 / std::max(1, bitmap.num_grays - 1));
        glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = value;
      }
    }
    return glyph;
  }

  FT_Face face_;
  int embolden_ = 0;
  int extraAdvance_ = 0;
  bool slant_;
  bool antialias_;
  std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace

std::unique_ptr<FontFace> OpenOutlineFace(FT_Library library, const OutlineRequest& request) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, request.file.c_str(), request.index, &face) != 0) return nullptr;
  auto outline = std::make_unique<OutlineFace>(face, request);
  if (!FT_IS_SCALABLE(face) || !outline->Size(request)) return nullptr;
  return outline;
}

}  // namespace vellum::sim::detail
