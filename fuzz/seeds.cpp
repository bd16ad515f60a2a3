// Writes the seed corpora under fuzz/corpus/: small valid and damaged inputs for each
// fuzz target, made with the loader tests' picture builders. Run by hand when a seed is
// added; its output is committed.
//   varnel_fuzz_seeds <repo>/fuzz/corpus

#include "slider/propertybag.h"
#include "tests/compose/picturefixtures.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace PictureFixtures;

namespace {

QString g_root;

void put(const QString& target, const QString& name, const QByteArray& bytes) {
    const QString folder = g_root + u'/' + target;
    QDir().mkpath(folder);
    if (!writeFile(folder + u'/' + name, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder + u'/' + name));
        std::exit(1);
    }
}

void pictureSeeds() {
    const QImage small = stripedQuadrants(QSize(8, 6));
    const QImage photo = noise(QSize(24, 16), 7);
    const QString t = QStringLiteral("fuzz_picture");
    put(t, "bmp-rgb24.bmp", bmp(small, BmpLayout::Rgb24));
    put(t, "bmp-rgb24-topdown.bmp", bmp(small, BmpLayout::Rgb24TopDown));
    put(t, "bmp-palette8.bmp", bmp(small, BmpLayout::Palette8));
    put(t, "bmp-palette4.bmp", bmp(small, BmpLayout::Palette4));
    put(t, "bmp-rle8.bmp", bmp(small, BmpLayout::Rle8));
    put(t, "bmp-rle4.bmp", bmp(small, BmpLayout::Rle4));
    put(t, "bmp-mono1.bmp",
        bmp(quadrants(QSize(8, 6), {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}),
            BmpLayout::Mono1));
    put(t, "bmp-rgb565.bmp", bmp(small, BmpLayout::Rgb565Fields));
    put(t, "bmp-rgb555.bmp", bmp(small, BmpLayout::Rgb555));
    put(t, "bmp-argb32-v5.bmp", bmp(small, BmpLayout::Argb32V5));
    put(t, "bmp-os2-palette8.bmp", bmp(small, BmpLayout::Os2Palette8));
    put(t, "jpeg-baseline.jpg", jpeg(photo, JpegKind::Baseline, 75));
    put(t, "jpeg-progressive.jpg", jpeg(photo, JpegKind::Progressive, 75));
    put(t, "jpeg-greyscale.jpg", jpeg(photo, JpegKind::Greyscale, 75));
    put(t, "jpeg-cmyk.jpg", libjpegJpeg(photo, LibjpegKind::Cmyk, 75));
    put(t, "jpeg-exif-orientation-6.jpg", withExifOrientation(jpeg(small, JpegKind::Baseline), 6));
    const QByteArray cut = jpeg(photo, JpegKind::Progressive, 75);
    put(t, "jpeg-progressive-truncated.jpg", cut.left(cut.size() * 2 / 3));
    put(t, "jpeg-claims-2000x1500.jpg", withClaimedSize(jpeg(small), QSize(2000, 1500)));
    put(t, "png-renamed.jpg", png(small));
    put(t, "gif.gif", gif(small));
    put(t, "xbm.xbm",
        qtWritten(quadrants(QSize(8, 6), {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}), "xbm"));
    put(t, "xpm.xpm", qtWritten(small, "xpm"));
}

void propertyBagSeeds() {
    const QString t = QStringLiteral("fuzz_propertybag");
    QFile stored(QStringLiteral(VARNEL_SOURCE_DIR "/app/tintslider.bag"));
    if (stored.open(QIODevice::ReadOnly))
        put(t, "tintslider.bag", stored.readAll());
    put(t, "every-type.bag",
        "VarnelPropertyBag 1\n"
        "# a comment, then a blank line\n"
        "\n"
        "Min int -100\n"
        "Max int 2147483647\n"
        "Enabled bool false\n"
        "ShowValueTip bool true\n"
        "BackColor color 0x8000000F\n"
        "ForeColor color 0xFF\n"
        "MouseIcon picture none\n");
    PropertyBag pictures;
    pictures.writePicture(QStringLiteral("SliderImage"),
                          SliderPicture::icon(quadrants(
                              QSize(3, 2), {0x80FF0000, 0xFF00FF00, 0x00000000, 0xFF0000FF})));
    pictures.writePicture(QStringLiteral("RailImage"),
                          SliderPicture::bitmap(stripedQuadrants(QSize(4, 2))));
    put(t, "pictures.bag", pictures.toText());
    put(t, "crlf.bag", "VarnelPropertyBag 1\r\nValue int 5\r\n  Orientation   int 1  \r\n");
    put(t, "bad-line.bag", "VarnelPropertyBag 1\nValue int twelve\n");
}

QByteArray nameSeed(bool utf16, const QString& name, const QByteArray& templateText) {
    QByteArray bytes;
    if (utf16)
        bytes = QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    else
        bytes = name.toUtf8();
    return QByteArray(1, utf16 ? '\1' : '\0') + char(bytes.size()) + bytes + templateText;
}

void skinNameSeeds() {
    const QString t = QStringLiteral("fuzz_skinname");
    const QByteArray templ = "ChatTextColor=0,0,0\r\nChatFont=Tahoma\r\nChatFontSize=9";
    put(t, "ocean", nameSeed(false, "Ocean", templ));
    put(t, "spaces", nameSeed(false, "  Sea  ", templ + "\r\n"));
    put(t, "western-european", nameSeed(false, QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac"), ""));
    put(t, "utf16",
        nameSeed(true,
                 QString::fromUtf8("Stra\xc3\x9f"
                                   "e"),
                 templ));
    put(t, "device", nameSeed(false, "con", templ));
    put(t, "dots", nameSeed(false, "a.b..", templ));
    put(t, "greek", nameSeed(true, QString::fromUtf8("\xce\xb8\xce\xac\xce\xbb"), templ));
    put(t, "separator", nameSeed(false, "up/../down", templ));
}

void registrySeeds() {
    const QString t = QStringLiteral("fuzz_registryvalue");
    put(t, "empty", QByteArray(1, '\0'));
    put(t, "text", QByteArray(1, '\1') + "/opt/Norvo 7");
    put(t, "text-utf16", QByteArray(1, '\2') + QByteArray("C\0:\0\\\0N\0", 8));
    put(t, "int16", QByteArray(1, '\3') + QByteArray("\xff\xff", 2));
    put(t, "int32", QByteArray(1, '\5') + QByteArray("\x00\x00\x00\x80", 4));
    put(t, "uint64", QByteArray(1, '\10') + QByteArray(8, '\xff'));
    put(t, "double", QByteArray(1, '\11') + QByteArray("\x00\x00\x00\x00\x00\x00\xf0\x3f", 8));
    put(t, "list", QByteArray(1, '\12') + "/opt,Norvo");
    put(t, "bytes", QByteArray(1, '\13') + "/opt/norvo");
    put(t, "settings-file", QByteArray(1, '\17') + "[General]\nDirectory=/opt/Norvo 7\n");
    put(t, "settings-file-quoted",
        QByteArray(1, '\17') + "[General]\nDirectory=\"C:\\\\Program Files, x86\\\\Norvo\"\n");
    put(t, "settings-file-number", QByteArray(1, '\17') + "Directory=42\n");
    put(t, "settings-file-bytes", QByteArray(1, '\17') + "Directory=@ByteArray(/opt)\n");
    put(t, "settings-file-variant",
        QByteArray(1, '\17') + "Directory=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n");
    put(t, "regression-escaped-at-stored-bitmap",
        QByteArray(1, '\17') + "[General]\nDirectory=\\x40Variant(\\0\\0\\0I\\0)\n");
}

// The host's settings file as --where reads it.
void whereSeeds() {
    const QString t = QStringLiteral("fuzz_where");
    put(t, "plain", "[General]\nDirectory=/opt/Norvo 7\n");
    put(t, "quoted", "Directory=\"  C:\\\\Program Files, x86  \"\n");
    put(t, "list", "Directory=/a, /b\n");
    put(t, "continued", "; the host\nDirectory=/opt/\\\r\nNorvo;comment\n[Paths]\nDirectory=/x\n");
    put(t, "escapes", "Dir%65ctory=\\x2fopt\\057n\\t7 @@\n");
    put(t, "stored-type-beside",
        "[Images]\nLogo=@Variant(\\0\\0\\0I#01)\n[General]\nDirectory=@@/opt\n");
    put(t, "regression-escaped-at-stored-bitmap",
        "[General]\nDirectory=\\x40Variant(\\0\\0\\0I\\0)\n");
}

// A picture as --export takes it: the first byte chooses the tint and the fit.
void exportSeeds() {
    const QImage small = stripedQuadrants(QSize(8, 6));
    const QImage photo = noise(QSize(24, 16), 7);
    const QString t = QStringLiteral("fuzz_export");
    put(t, "stretch-bmp", QByteArray(1, '\0') + bmp(small, BmpLayout::Rgb24));
    put(t, "stretch-suggest-rle8", QByteArray(1, '\1') + bmp(small, BmpLayout::Rle8));
    put(t, "fill-jpeg", QByteArray(1, '\2') + jpeg(photo, JpegKind::Baseline, 75));
    put(t, "fill-suggest-png", QByteArray(1, '\3') + png(photo));
    const QByteArray rle = bmp(stripedQuadrants(QSize(40, 30)), BmpLayout::Rle8);
    put(t, "truncated-rle8", QByteArray(1, '\0') + rle.left(rle.size() * 2 / 3));
}

// Each seed starts with the form byte: even for a whole file, odd for lines that follow a
// good header and the host's key line.
void wineRegistrySeeds() {
    const QString t = QStringLiteral("fuzz_wineregistry");
    const QByteArray whole(1, '\0');
    const QByteArray lines(1, '\1');
    // From the file Wine saved in tests/host/make-wine-fixture: its header, the first key
    // with hex data continued on further lines, and the host's key.
    QFile real(QStringLiteral(VARNEL_SOURCE_DIR "/tests/host/data/wine-system.reg"));
    if (real.open(QIODevice::ReadOnly)) {
        const QByteArray file = real.readAll();
        const auto section = [&](qsizetype inside) {
            const qsizetype start = file.lastIndexOf("\n[", inside) + 1;
            return file.mid(start, file.indexOf("\n\n", inside) + 2 - start);
        };
        const QByteArray part = file.left(file.indexOf("\n[") + 1) + section(file.indexOf("\\\n")) +
                                section(file.indexOf("[Software\\\\Wow6432Node\\\\Pellorwick") + 1);
        put(t, "wine-saved", whole + part);
        put(t, "wine-saved-crlf", whole + QByteArray(part).replace("\n", "\r\n"));
    }
    put(t, "every-type",
        lines + "\"Directory\"=\"C:\\\\Norvo 7\"\n\"A\"=str:\"x\"\n\"B\"=str(2):\"%P%\"\n"
                "\"C\"=str(7):\"a\\0b\\0\"\n\"D\"=dword:0000002a\n\"E\"=hex:01,02\n"
                "\"F\"=hex(1):43,00,3a,00\n\"G\"=hex(b):00,e4,0b,54,02,00,00,00\n@=\"x\"\n");
    put(t, "escapes",
        lines +
            "\"Directory\"=\"C:\\\\Caf\\x00e9abc \\xd83d\\xde00 \\\"q\\\" \\101\\t\\x! \\q\"\n");
    put(t, "continued-hex",
        lines + "\"Blob\"=hex:01,02,\\\n  03,04\n\"Directory\"=hex(1):43,00,\\\n  3a,00\n");
    put(t, "damaged", lines + "\"Directory\"=\"C:\\\\Cut\n\"Directory\" \"x\"\n[Software\\\\Cut\n");
    put(t, "both-views",
        whole + "WINE REGISTRY Version 2\n#arch=win64\n[software\\\\pellorwick\\\\norvo7] 1\n"
                "\"directory\"=\"C:\\\\64\"\n[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7X]\n"
                "\"Directory\"=\"C:\\\\X\"\n[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7]\n"
                "\"Directory\"=\"C:\\\\32\"\n");
    put(t, "not-a-registry", whole + "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repo>/fuzz/corpus\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    pictureSeeds();
    propertyBagSeeds();
    skinNameSeeds();
    registrySeeds();
    whereSeeds();
    exportSeeds();
    wineRegistrySeeds();
    return 0;
}
