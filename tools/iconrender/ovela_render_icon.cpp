// Renders the program's scalable icon to a square PNG at build time, for the desktops and
// panels that cannot draw SVG icons themselves.
//   ovela_render_icon <in.svg> <size> <out.png>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ovela_render_icon <in.svg> <size> <out.png>\n");
        return 2;
    }
    bool sizeOk = false;
    const int size = QByteArray(argv[2]).toInt(&sizeOk);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!sizeOk || size < 1 || size > 1024 || !renderer.isValid()) {
        std::fprintf(stderr, "ovela_render_icon: cannot render %s at %s px\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "ovela_render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
