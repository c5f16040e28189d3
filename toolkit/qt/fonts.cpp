#include "fonts.h"

#include "faces.h"
#include "text.h"

#include <QFontDatabase>
#include <QSet>

namespace toolkit::qt {

namespace {

// Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
constexpr Text serifs[] = {u"TeX Gyre Pagella", u"P052", u"Palatino", u"DejaVu Serif"};
constexpr Text sansFaces[] = {u"Liberation Sans", u"Nimbus Sans", u"DejaVu Sans"};
constexpr Text fixedFaces[] = {u"DejaVu Sans Mono", u"Liberation Mono", u"Nimbus Mono PS"};
constexpr StandIns standIns{serifs, sansFaces, fixedFaces};

// Asking Qt for a face the machine lacks would have the font database search
// every installed font for a fallback of its own choosing before it ever tried
// the stand-ins, so only installed faces are asked for.
bool installed(Text face)
{
    // Installed family names in their case-folded form, less any foundry suffix.
    static const QSet<QString> families = [] {
        QSet<QString> names;
        for (const QString& name : QFontDatabase::families())
            names.insert(name.section(QStringLiteral(" ["), 0, 0).toCaseFolded());
        return names;
    }();
    return families.contains(toQString(face).toCaseFolded());
}

// The window's boxes are in pixels, laid out for 96 dots per inch. Sizing its
// text for that same density keeps text and box in proportion whatever the
// font DPI; a screen that needs everything larger gets it from Qt's scaling.
constexpr qreal designDpi = 96;

QFont::StyleHint hintFor(FontKind kind)
{
    switch (kind) {
    case FontKind::Serif:
        return QFont::Serif;
    case FontKind::Sans:
        return QFont::SansSerif;
    case FontKind::Fixed:
        break;
    }
    return QFont::TypeWriter;
}

} // namespace

QFont fontFor(const FontDesign& design, int logicalDpi)
{
    QFont font(toQString(faceFor(design, standIns, installed)));
    font.setPointSizeF(design.points * designDpi / logicalDpi);
    font.setWeight(QFont::Weight(design.weight));
    font.setStyleHint(hintFor(design.kind));
    font.setFixedPitch(design.kind == FontKind::Fixed);
    // Every text the window shows is Latin-1, which each face here covers; not
    // merging glyphs from other faces spares another search of every font.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}

} // namespace toolkit::qt
