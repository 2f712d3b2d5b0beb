#include "platform/sim/gdi/font_cache.hpp"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include <fontconfig/fontconfig.h>

#include "platform/automation/string.hpp"
#include "platform/gdi32_types.hpp"
#include "platform/sim/gdi/fixed_face.hpp"
#include "platform/sim/gdi/outline_face.hpp"

namespace vellum::sim::detail {

using platform::LOGFONTA;

namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";
constexpr int kDefaultEmHeight = 12;  // lfHeight 0
constexpr int kLargestHeight = 2048;

enum class Weight { Regular, Semibold, Bold };

struct FaceFile {
  std::string path;
  int index = 0;
  bool bold = false;
  bool italic = false;
};

std::string FaceName(const LOGFONTA& description) {
  const auto* end =
      std::find(description.lfFaceName, description.lfFaceName + platform::LF_FACESIZE, '\0');
  return StringToUtf8(CodePageToString(std::string(description.lfFaceName, end)));
}

// The platform's menu and dialog faces, "MS Sans Serif" and "Tahoma", come from the
// metric-compatible faces Wine ships (Debian's fonts-wine), which fontconfig does not index.
constexpr const char* kPlatformFaceFiles[] = {"/usr/share/wine/fonts/ms_sans_serif.ttf",
                                              "/usr/share/wine/fonts/tahoma.ttf",
                                              "/usr/share/wine/fonts/tahomabd.ttf"};

void AddPlatformFaces() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const char* file : kPlatformFaceFiles)
      FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file));
  });
}

// The platform's logical dialog faces stand for its real ones, as its font substitutes say;
// its other user-interface faces are not installed here and read as the fallback.
std::string InstalledFamily(const std::string& name) {
  struct Substitute {
    const char16_t* name;
    const char* family;
  };
  static constexpr Substitute kSubstitutes[] = {{u"MS Shell Dlg", "MS Sans Serif"},
                                                {u"MS Shell Dlg 2", "Tahoma"},
                                                {u"", kFallbackFamily},
                                                {u"Arial", kFallbackFamily},
                                                {u"Segoe UI", kFallbackFamily},
                                                {u"System", kFallbackFamily}};
  const String wide = Utf8ToString(name);
  for (const Substitute& substitute : kSubstitutes)
    if (EqualsNoCase(wide, substitute.name)) return substitute.family;
  return name;
}

Weight WeightOf(const LOGFONTA& description) {
  if (description.lfWeight >= 650) return Weight::Bold;
  if (description.lfWeight >= 550) return Weight::Semibold;
  return Weight::Regular;
}

// Asks fontconfig for the family; nullopt when the installed match is another family.
std::optional<FaceFile> MatchFile(const std::string& family, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddInteger(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;

  std::optional<FaceFile> found;
  bool sameFamily = false;
  FcChar8* value = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
    if (EqualsNoCase(Utf8ToString(reinterpret_cast<const char*>(value)), Utf8ToString(family)))
      sameFamily = true;
  }
  FcChar8* file = nullptr;
  if (sameFamily && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FaceFile face;
    face.path = reinterpret_cast<const char*>(file);
    int number = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &number) == FcResultMatch) face.index = number;
    // Fontconfig may offer a regular file for a bold or italic request, asking for emboldening
    // or an oblique matrix: that face lacks the style and is styled here instead.
    FcBool synthetic = FcFalse;
    FcMatrix* matrix = nullptr;
    const bool emboldened =
        FcPatternGetBool(match, FC_EMBOLDEN, 0, &synthetic) == FcResultMatch && synthetic;
    const bool sheared = FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch;
    if (FcPatternGetInteger(match, FC_WEIGHT, 0, &number) == FcResultMatch)
      face.bold = number >= FC_WEIGHT_DEMIBOLD && !emboldened;
    if (FcPatternGetInteger(match, FC_SLANT, 0, &number) == FcResultMatch)
      face.italic = number != FC_SLANT_ROMAN && !sheared;
    found = face;
  }
  FcPatternDestroy(match);
  return found;
}

class FontCache {
 public:
  FontCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    AddPlatformFaces();
  }
  ~FontCache() {
    faces_.clear();  // faces first: they belong to the library
    if (library_) FT_Done_FreeType(library_);
  }
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  FontFace& Face(const LOGFONTA& description) {
    const std::string key = KeyOf(description);
    auto it = faces_.find(key);
    if (it == faces_.end()) it = faces_.emplace(key, Open(description)).first;
    return *it->second;
  }

 private:
  static std::string KeyOf(const LOGFONTA& d) {
    return std::to_string(d.lfHeight) + "/" + std::to_string(d.lfWidth) + "/" +
           std::to_string(static_cast<int>(WeightOf(d))) + "/" + (d.lfItalic ? "i" : "r") +
           (d.lfQuality == platform::NONANTIALIASED_QUALITY ? "m" : "a") + "/" +
           StringToUtf8(FoldCase(Utf8ToString(FaceName(d))));
  }

  std::unique_ptr<FontFace> Open(const LOGFONTA& description) {
    if (IsFixedFace(description) || !library_) return MakeFixedFace(description);
    const Weight weight = WeightOf(description);
    const bool italic = description.lfItalic != 0;
    const FaceFile* file =
        File(InstalledFamily(FaceName(description)), weight == Weight::Bold, italic);
    if (!file) file = File(kFallbackFamily, weight == Weight::Bold, italic);
    if (!file) return MakeFixedFace(description);  // no outline face at all on this machine

    OutlineRequest request;
    request.file = file->path;
    request.index = file->index;
    if (description.lfHeight < 0)
      request.emHeight = -description.lfHeight;
    else if (description.lfHeight > 0)
      request.cellHeight = description.lfHeight;
    else
      request.emHeight = kDefaultEmHeight;
    request.averageWidth = description.lfWidth;
    // Weights the installed faces lack are drawn by thickening the strokes: a missing bold face
    // by a pixel (its advances grow by as much), semibold by a little over half a pixel with a
    // quarter pixel more advance, so that it stays between regular and bold.
    if (weight == Weight::Bold && !file->bold) request.embolden = request.extraAdvance = 64;
    if (weight == Weight::Semibold) {
      request.embolden = 40;
      request.extraAdvance = 16;
    }
    request.slant = italic && !file->italic;
    request.antialias = description.lfQuality != platform::NONANTIALIASED_QUALITY;
    std::unique_ptr<FontFace> face = OpenOutlineFace(library_, request);
    return face ? std::move(face) : MakeFixedFace(description);
  }

  const FaceFile* File(const std::string& family, bool bold, bool italic) {
    const std::string key = family + (bold ? "/b" : "/r") + (italic ? "i" : "");
    auto it = files_.find(key);
    if (it == files_.end()) it = files_.emplace(key, MatchFile(family, bold, italic)).first;
    return it->second ? &*it->second : nullptr;
  }

  FT_Library library_ = nullptr;
  std::unordered_map<std::string, std::unique_ptr<FontFace>> faces_;
  std::unordered_map<std::string, std::optional<FaceFile>> files_;
};

}  // namespace

bool IsFixedFace(const LOGFONTA& description) {
  return EqualsNoCase(Utf8ToString(FaceName(description)), u"Vellum Fixed");
}

FontFace& FaceFor(const LOGFONTA& description) {
  thread_local FontCache cache;
  LOGFONTA sized = description;
  sized.lfHeight = std::clamp<platform::LONG>(sized.lfHeight, -kLargestHeight, kLargestHeight);
  sized.lfWidth = std::clamp<platform::LONG>(sized.lfWidth, 0, kLargestHeight);
  return cache.Face(sized);
}

}  // namespace vellum::sim::detail
