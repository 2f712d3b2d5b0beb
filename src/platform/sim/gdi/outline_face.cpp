#include "platform/sim/gdi/outline_face.hpp"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

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

  bool Size(const OutlineRequest& request) {
    if (FT_IS_SCALABLE(face_)) return SizeOutline(request);
    return face_->num_fixed_sizes > 0 && SizeStrike(request);
  }

  const Glyph& GlyphFor(char32_t c) override {
    auto it = glyphs_.find(c);
    if (it != glyphs_.end()) return it->second;
    return glyphs_.emplace(c, Render(c)).first->second;
  }

 private:
  // A face of bitmap strikes only (as the platform's raster "MS Sans Serif") is drawn at one of
  // its sizes, as the platform does: the largest whose character (ascent) or cell height fits the
  // request, else the smallest.
  bool SizeStrike(const OutlineRequest& request) {
    int chosen = -1;
    for (int i = 0; i < face_->num_fixed_sizes; ++i) {
      if (FT_Select_Size(face_, i) != 0) continue;
      const FT_Size_Metrics& sized = face_->size->metrics;
      const bool fits = request.cellHeight > 0
                            ? face_->available_sizes[i].height <= request.cellHeight
                            : sized.ascender / 64 <= request.emHeight;
      if (chosen < 0 ||
          (fits && face_->available_sizes[i].height > face_->available_sizes[chosen].height))
        chosen = fits || chosen < 0 ? i : chosen;
    }
    if (chosen < 0 || FT_Select_Size(face_, chosen) != 0) return false;
    const FT_Size_Metrics& sized = face_->size->metrics;
    FaceMetrics& m = metrics_;
    m.ascent = static_cast<int>(sized.ascender / 64);
    m.descent = static_cast<int>(-sized.descender / 64);
    m.height = m.ascent + m.descent;
    m.underlineThickness = 1;
    m.underlineRow = std::min(m.ascent + 1, m.height - 1);
    m.strikeThickness = 1;
    m.strikeRow = std::max(0, m.ascent - RoundToInt(m.ascent * 0.3));
    bitmapStrike_ = true;
    return true;
  }

  // Sizes the face and derives the cell metrics the way the platform does: the cell spans the
  // face's usWinAscent and usWinDescent, scaled to the character height.
  bool SizeOutline(const OutlineRequest& request) {
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

  // A strike's bold: every pixel doubled one column to the right (as the platform makes bold
  // raster text); strikes are never slanted.
  static void Embolden(Glyph& glyph) {
    const int width = glyph.width + 1;
    std::vector<std::uint8_t> wider(static_cast<std::size_t>(width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
      for (int x = 0; x < width; ++x) {
        const auto at = [&](int column) {
          return column >= 0 && column < glyph.width
                     ? glyph.coverage[static_cast<std::size_t>(y) * glyph.width + column]
                     : std::uint8_t{0};
        };
        wider[static_cast<std::size_t>(y) * width + x] = std::max(at(x), at(x - 1));
      }
    }
    glyph.width = width;
    glyph.coverage = std::move(wider);
  }

  Glyph Render(char32_t c) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face_, c);
    const FT_Int32 target = antialias_ ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    const FT_Int32 source = bitmapStrike_ ? FT_LOAD_TARGET_MONO : (FT_LOAD_NO_BITMAP | target);
    if (FT_Load_Glyph(face_, index, source) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    FT_Pos advance = slot->advance.x;
    if (slot->format == FT_GLYPH_FORMAT_BITMAP && embolden_ > 0) advance += extraAdvance_;
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
    if (bitmapStrike_ && embolden_ > 0) Embolden(glyph);
    return glyph;
  }

  FT_Face face_;
  bool bitmapStrike_ = false;
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
  if (!outline->Size(request)) return nullptr;
  return outline;
}

}  // namespace vellum::sim::detail
