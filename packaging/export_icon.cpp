// Writes the program icon as drawn by the window to a PNG file, so the
// installed 32 x 32 icon stays the image the window itself shows.
#include <QGuiApplication>
#include <cstdio>

#include "app/ui/pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage image = velmor::calculatorIcon().pixmap(32, 32).toImage();
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
