#include "fonts.h"

#include <QStringList>

namespace {
const QString bookAntiqua = QStringLiteral("Book Antiqua");
const QString msSansSerif = QStringLiteral("MS Sans Serif");
const QString fixedsys = QStringLiteral("Fixedsys");

QFont designFont(const QString& family, qreal points, int weight, QFont::StyleHint hint) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::TypeWriter);
    return font;
}
} // namespace

void registerFontSubstitutes() {
    // Palatino-like serifs, plain sans faces and fixed-pitch faces, best first.
    QFont::insertSubstitutions(bookAntiqua,
                               {QStringLiteral("TeX Gyre Pagella"), QStringLiteral("P052"),
                                QStringLiteral("Palatino"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(msSansSerif,
                               {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(fixedsys, {QStringLiteral("DejaVu Sans Mono"),
                                          QStringLiteral("Liberation Mono"),
                                          QStringLiteral("Nimbus Mono PS")});
}

QFont windowFont() {
    // The small sans face the window's boxes were sized for.
    return designFont(msSansSerif, 8, 400, QFont::SansSerif);
}

QFont fontFor(design::Face face, const QFont& defaultFont) {
    switch (face) {
    case design::Face::Caption:
        return designFont(bookAntiqua, 9.75, 700, QFont::Serif);
    case design::Face::Total:
        return designFont(bookAntiqua, 11.25, 700, QFont::Serif);
    case design::Face::Heading:
        return designFont(msSansSerif, 13.5, 700, QFont::SansSerif);
    case design::Face::UnitList:
        return designFont(fixedsys, 9, 400, QFont::TypeWriter);
    case design::Face::Default:
        break;
    }
    return defaultFont;
}
