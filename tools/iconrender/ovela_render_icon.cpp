// Renders the program's scalable icon to a square PNG at build time, for the desktops and
// panels that cannot draw SVG icons themselves, or to a square image in the form the program
// reads back (encodeIconImage) for its own window; or an icon of the window at its own size
// times a pixel ratio, exactly as the program would draw it, in that form too.
//   ovela_render_icon <in.svg> <size> <out.png>
//   ovela_render_icon --square <size> <in.svg> <out>
//   ovela_render_icon --ratio <ratio> <in.svg> <out>
#include "platform/svgicon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

static int writeEncoded(const QImage &image, const char *out)
{
    const QByteArray encoded = encodeIconImage(image);
    QFile file(QString::fromLocal8Bit(out));
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded) != encoded.size()
        || !file.flush()) {
        std::fprintf(stderr, "ovela_render_icon: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

static int renderAtRatio(const char *ratioText, const char *in, const char *out)
{
    bool ratioOk = false;
    const double ratio = QByteArray(ratioText).toDouble(&ratioOk);
    QSvgRenderer renderer(QString::fromLocal8Bit(in));
    if (!ratioOk || ratio <= 0 || ratio > 16 || !renderer.isValid()) {
        std::fprintf(stderr, "ovela_render_icon: cannot render %s at ratio %s\n", in, ratioText);
        return 1;
    }
    return writeEncoded(renderSvgIcon(renderer, ratio), out);
}

static int renderSquare(const char *in, const char *sizeText, const char *out, bool encoded)
{
    bool sizeOk = false;
    const int size = QByteArray(sizeText).toInt(&sizeOk);
    QSvgRenderer renderer(QString::fromLocal8Bit(in));
    if (!sizeOk || size < 1 || size > 1024 || !renderer.isValid()) {
        std::fprintf(stderr, "ovela_render_icon: cannot render %s at %s px\n", in, sizeText);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (encoded)
        return writeEncoded(image, out);
    if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
        std::fprintf(stderr, "ovela_render_icon: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 5 && QByteArray(argv[1]) == "--ratio")
        return renderAtRatio(argv[2], argv[3], argv[4]);
    if (argc == 5 && QByteArray(argv[1]) == "--square")
        return renderSquare(argv[3], argv[2], argv[4], true);
    if (argc == 4)
        return renderSquare(argv[1], argv[2], argv[3], false);
    std::fprintf(stderr, "usage: ovela_render_icon <in.svg> <size> <out.png>\n"
                         "       ovela_render_icon --square <size> <in.svg> <out>\n"
                         "       ovela_render_icon --ratio <ratio> <in.svg> <out>\n");
    return 2;
}
