#include "fonts.h"

#include "text.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace toolkit::qt {

namespace {

// Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
QStringList standInsFor(FontKind kind)
{
    switch (kind) {
    case FontKind::Serif:
        return {QStringLiteral("TeX Gyre Pagella"), QStringLiteral("P052"),
                QStringLiteral("Palatino"), QStringLiteral("DejaVu Serif")};
    case FontKind::Sans:
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                QStringLiteral("DejaVu Sans")};
    case FontKind::Fixed:
        break;
    }
    return {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
            QStringLiteral("Nimbus Mono PS")};
}

// The design's face where the machine has it, else its first installed stand-in.
// Asking Qt for a face the machine lacks would have the font database search
// every installed font for a fallback of its own choosing before it ever tried
// the stand-ins registered here.
QString installedFace(const QString& family, FontKind kind)
{
    // Installed family names by their case-folded form, less any foundry suffix.
    static const QHash<QString, QString> installed = [] {
        QHash<QString, QString> names;
        for (const QString& name : QFontDatabase::families()) {
            const QString family = name.section(QStringLiteral(" ["), 0, 0);
            names.insert(family.toCaseFolded(), family);
        }
        return names;
    }();
    if (installed.contains(family.toCaseFolded()))
        return family;
    if (QFont::substitutes(family).isEmpty())
        QFont::insertSubstitutions(family, standInsFor(kind));
    for (const QString& standIn : QFont::substitutes(family)) {
        if (const auto found = installed.constFind(standIn.toCaseFolded());
            found != installed.cend())
            return *found;
    }
    return family;
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
    QFont font(installedFace(toQString(design.family), design.kind));
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
