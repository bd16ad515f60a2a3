// Turns a built-in PNG into the pixels the program uses, ready to be shown without decoding:
// a little-endian width and height (32 bits each), then the rows of the Format_RGB32
// image, 4 bytes a pixel, without padding. Run by the build for the pictures every export
// needs, so that a command-line export does not spend its start inflating PNGs.
//   varnel_artpack IN.png OUT.rgb32

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: varnel_artpack IN.png OUT.rgb32\n", stderr);
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "varnel_artpack: cannot read %s\n", argv[1]);
        return 1;
    }
    QByteArray bytes(8, '\0');
    qToLittleEndian<quint32>(quint32(image.width()), bytes.data());
    qToLittleEndian<quint32>(quint32(image.height()), bytes.data() + 4);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            char pixel[4];
            qToLittleEndian<quint32>(row[x], pixel);
            bytes.append(pixel, 4);
        }
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        std::fprintf(stderr, "varnel_artpack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
