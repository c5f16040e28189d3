#include "fonts.h"

#include "text.h"

#include <cmath>
#include <map>
#include <vector>

namespace toolkit::win32 {

namespace {

// Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
std::vector<std::wstring> standInsFor(FontKind kind)
{
    switch (kind) {
    case FontKind::Serif:
        return {L"TeX Gyre Pagella", L"Palatino Linotype"};
    case FontKind::Sans:
        return {L"Tahoma", L"Liberation Sans"};
    case FontKind::Fixed:
        break;
    }
    return {L"Courier New", L"Liberation Mono"};
}

int CALLBACK countFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    ++*reinterpret_cast<int*>(found);
    return 0;
}

// The font mapper answers a missing face with another of its choosing, so ask
// whether the face itself is there.
bool installed(const std::wstring& face)
{
    static std::map<std::wstring, bool> known;
    if (const auto found = known.find(face); found != known.end())
        return found->second;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    int found = 0;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, countFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return known[face] = found > 0;
}

} // namespace

std::wstring installedFace(const FontDesign& design)
{
    const std::wstring face = wide(design.family);
    if (installed(face))
        return face;
    for (const std::wstring& standIn : standInsFor(design.kind)) {
        if (installed(standIn))
            return standIn;
    }
    return face;
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
