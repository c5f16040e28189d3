#include "fonts.h"

#include "faces.h"
#include "text.h"

#include <cmath>
#include <map>
#include <string>

namespace toolkit::win32 {

namespace {

// Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
constexpr Text serifs[] = {u"TeX Gyre Pagella", u"Palatino Linotype"};
constexpr Text sansFaces[] = {u"Tahoma", u"Liberation Sans"};
constexpr Text fixedFaces[] = {u"Courier New", u"Liberation Mono"};
constexpr StandIns standIns{serifs, sansFaces, fixedFaces};

int CALLBACK countFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    ++*reinterpret_cast<int*>(found);
    return 0;
}

// The font mapper answers a missing face with another of its choosing, so ask
// whether the face itself is there.
bool installed(Text face)
{
    static std::map<std::u16string, bool, std::less<>> known;
    if (const auto found = known.find(face); found != known.end())
        return found->second;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wide(face).copy(wanted.lfFaceName, LF_FACESIZE - 1);
    int found = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, countFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return known[std::u16string(face)] = found > 0;
}

} // namespace

std::wstring installedFace(const FontDesign& design)
{
    return wide(faceFor(design, standIns, installed));
}

HFONT createFont(const FontDesign& design, int dpi, double points)
{
    LOGFONTW font{};
    font.lfHeight = -int(std::lround(points * dpi / 72));
    font.lfWeight = design.weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = design.kind == FontKind::Fixed   ? FIXED_PITCH | FF_MODERN
                            : design.kind == FontKind::Serif ? VARIABLE_PITCH | FF_ROMAN
                                                             : VARIABLE_PITCH | FF_SWISS;
    installedFace(design).copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

} // namespace toolkit::win32
