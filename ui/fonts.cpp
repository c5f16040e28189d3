#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {
const QString bookAntiqua = QStringLiteral("Book Antiqua");
const QString msSansSerif = QStringLiteral("MS Sans Serif");
const QString fixedsys = QStringLiteral("Fixedsys");

// The design's face where the machine has it, else its first installed stand-in.
// Asking Qt for a face the machine lacks would have the font database search
// every installed font for a fallback of its own choosing before it ever tried
// the stand-ins registered here.
QString installedFace(const QString& family)
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

QFont designFont(const QString& family, qreal points, int weight, QFont::StyleHint hint,
                 int logicalDpi)
{
    QFont font(installedFace(family));
    font.setPointSizeF(points * designDpi / logicalDpi);
    font.setWeight(QFont::Weight(weight));
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::TypeWriter);
    // Every text the window shows is Latin-1, which each face here covers; not
    // merging glyphs from other faces spares another search of every font.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return font;
}
} // namespace

void registerFontSubstitutes()
{
    // Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
    QFont::insertSubstitutions(bookAntiqua,
                               {QStringLiteral("TeX Gyre Pagella"), QStringLiteral("P052"),
                                QStringLiteral("Palatino"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(msSansSerif,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(fixedsys, {QStringLiteral("DejaVu Sans Mono"),
                                          QStringLiteral("Liberation Mono"),
                                          QStringLiteral("Nimbus Mono PS")});
}

QFont windowFont(int logicalDpi)
{
    // The small sans face the window's boxes were sized for.
    return designFont(msSansSerif, 8, 400, QFont::SansSerif, logicalDpi);
}

QFont fontFor(design::Face face, const QFont& defaultFont, int logicalDpi)
{
    switch (face) {
    case design::Face::Caption:
        return designFont(bookAntiqua, 9.75, 700, QFont::Serif, logicalDpi);
    case design::Face::Total:
        return designFont(bookAntiqua, 11.25, 700, QFont::Serif, logicalDpi);
    case design::Face::Heading:
        return designFont(msSansSerif, 13.5, 700, QFont::SansSerif, logicalDpi);
    case design::Face::UnitList:
        return designFont(fixedsys, 9, 400, QFont::TypeWriter, logicalDpi);
    case design::Face::Default:
        break;
    }
    return defaultFont;
}
