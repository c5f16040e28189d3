#include <QImage>

#include <cstdio>

// Turns the program's pixel art into a PNG of the given size, scaling without
// smoothing so that every pixel stays one of the art's colours:
//   iconexport SOURCE.xpm SIZE OUTPUT.png
int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: iconexport SOURCE.xpm SIZE OUTPUT.png\n");
        return 2;
    }
    const QImage art(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (art.isNull() || size <= 0 || size % art.width() != 0 || art.width() != art.height()) {
        std::fprintf(stderr, "iconexport: cannot make %s pixels from %s\n", argv[2], argv[1]);
        return 1;
    }
    const QImage scaled = art.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "iconexport: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
