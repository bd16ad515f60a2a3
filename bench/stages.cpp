// The per-stage benchmark: medians of the composition's stages on photo-like inputs it
// makes itself. Also writes those inputs for bench/compare and checks that another tool's
// output is the same job.
//
//   varnel_bench [--runs N] [--warmup N] [--inputs DIR] [--tsv FILE] [--quick]
//   varnel_bench --make-inputs DIR
//   varnel_bench --check PICTURE DIR PREFIX [OTHER_PICTURE OTHER_DIR]
//   varnel_bench --make-prefix DIR   (not on Windows)

#include "art/builtinart.h"
#include "compose/colourvalue.h"
#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "compose/tintsuggestion.h"
#include "export/skinexport.h"

#include "app/dialogs.h"
#include "app/startup.h"
#include "app/translations.h"
#include "app/varnel.h"
#include "host/hostfoldersearch.h"
#include "host/wineregistry.h"
#include <QApplication>
#include <QWindow>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// ---- inputs ----

struct Input {
    const char* file;
    const char* label;
    int width;
    int height;
    quint32 seed;
};

// About 1, 12, 24 and 48 megapixels in the 4:3 and 3:2 shapes cameras use, and a 12 MP
// 24-bit bitmap. The second 1 MP photo only serves the same-job check.
const std::array<Input, 6> Inputs{{
    {"photo-1mp.jpg", "1 MP JPEG", 1152, 864, 1},
    {"photo-12mp.jpg", "12 MP JPEG", 4000, 3000, 2},
    {"photo-24mp.jpg", "24 MP JPEG", 6000, 4000, 3},
    {"photo-48mp.jpg", "48 MP JPEG", 8000, 6000, 4},
    {"photo-12mp.bmp", "12 MP BMP", 4000, 3000, 5},
    {"photo-1mp-b.jpg", "1 MP JPEG (b)", 1152, 864, 6},
}};
constexpr int TimedInputs = 5;

struct Rng {
    quint32 s;
    quint32 next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    double unit() { return (next() >> 8) / double(1 << 24); }
};

// Smooth gradients, soft shapes with sharp edges, and mild sensor-like noise: what a
// phone photo looks like to an entropy coder and a resampler.
QImage makePhoto(int w, int h, quint32 seed) {
    Rng rng{seed * 2654435761u + 12345u};
    QImage image(w, h, QImage::Format_RGB32);

    // Sky-to-ground background from separable row and column terms.
    std::vector<std::array<double, 3>> rows(h), cols(w);
    const double p1 = rng.unit() * 6.28, p2 = rng.unit() * 6.28;
    for (int y = 0; y < h; ++y) {
        const double t = double(y) / h;
        rows[y] = {40 + 120 * t + 20 * std::sin(6 * t + p1), 90 + 80 * (1 - t),
                   200 - 140 * t + 15 * std::sin(9 * t + p2)};
    }
    for (int x = 0; x < w; ++x) {
        const double t = double(x) / w;
        cols[x] = {25 * std::sin(5 * t + p2), 20 * std::cos(7 * t + p1), 15 * std::sin(3 * t)};
    }
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const auto c = [&](int i) {
                return std::clamp(int(rows[y][i] + cols[x][i]), 0, 255);
            };
            line[x] = qRgb(c(0), c(1), c(2));
        }
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double scale = std::min(w, h);
    for (int i = 0; i < 60; ++i) {
        const QPointF centre(rng.unit() * w, rng.unit() * h);
        const double r = scale * (0.02 + 0.15 * rng.unit());
        const QColor a = QColor::fromHsv(int(rng.next() % 360), 60 + int(rng.next() % 160),
                                         60 + int(rng.next() % 190));
        const QColor b = a.darker(140 + int(rng.next() % 120));
        switch (i % 3) {
        case 0: {
            QRadialGradient g(centre, r);
            g.setColorAt(0, a);
            g.setColorAt(1, b);
            painter.setBrush(g);
            painter.drawEllipse(centre, r, r * (0.5 + rng.unit()));
            break;
        }
        case 1: {
            QLinearGradient g(centre, centre + QPointF(r, r));
            g.setColorAt(0, a);
            g.setColorAt(1, b);
            painter.setBrush(g);
            painter.save();
            painter.translate(centre);
            painter.rotate(rng.unit() * 90);
            painter.drawRect(QRectF(-r, -r / 2, 2 * r, r));
            painter.restore();
            break;
        }
        default: {
            QPainterPath path;
            path.moveTo(centre);
            for (int k = 0; k < 5; ++k)
                path.lineTo(centre +
                            QPointF((rng.unit() - 0.5) * 2 * r, (rng.unit() - 0.5) * 2 * r));
            path.closeSubpath();
            painter.setBrush(a);
            painter.drawPath(path);
            break;
        }
        }
    }
    painter.end();

    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const quint32 n = rng.next();
            const auto add = [](int v, quint32 bits) {
                return std::clamp(v + int(bits % 13) - 6, 0, 255);
            };
            const QRgb p = line[x];
            line[x] = qRgb(add(qRed(p), n), add(qGreen(p), n >> 8), add(qBlue(p), n >> 16));
        }
    }
    return image;
}

bool writeInput(const Input& input, const QString& dir) {
    const QString path = dir + '/' + input.file;
    if (QFileInfo::exists(path))
        return true;
    const QImage photo = makePhoto(input.width, input.height, input.seed);
    QImageWriter writer(path + ".part");
    if (path.endsWith(".jpg")) {
        writer.setFormat("jpeg");
        writer.setQuality(90);
    } else {
        writer.setFormat("bmp"); // 24-bit for an RGB32 image
    }
    if (!writer.write(photo)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    QFile::remove(path);
    return QFile::rename(path + ".part", path);
}

bool makeInputs(const QString& dir) {
    QDir().mkpath(dir);
    for (const Input& input : Inputs) {
        if (!writeInput(input, dir))
            return false;
        std::printf("%s/%s\n", qPrintable(dir), input.file);
    }
    return true;
}

// ---- timing ----

using Clock = std::chrono::steady_clock;

struct Stats {
    double median = 0, min = 0, max = 0;
    int runs = 0;
};

// Keeps the compiler from dropping work whose result is never looked at.
std::atomic<qint64> g_sink{0};
void keep(qint64 v) {
    g_sink.fetch_add(v, std::memory_order_relaxed);
}

Stats measure(int warmup, int runs, const std::function<void()>& work) {
    for (int i = 0; i < warmup; ++i)
        work();
    std::vector<double> ms;
    ms.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    Stats s;
    s.runs = runs;
    s.min = ms.front();
    s.max = ms.back();
    s.median = runs % 2 ? ms[runs / 2] : (ms[runs / 2 - 1] + ms[runs / 2]) / 2;
    return s;
}

struct Row {
    std::string stage;
    std::string input;
    Stats stats;
};

void writeTsv(const std::vector<Row>& rows, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    file.write("stage\tinput\tmedian_ms\tmin_ms\tmax_ms\truns\n");
    for (const Row& r : rows)
        file.write(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                       .arg(QString::fromStdString(r.stage), QString::fromStdString(r.input))
                       .arg(r.stats.median, 0, 'f', 4)
                       .arg(r.stats.min, 0, 'f', 4)
                       .arg(r.stats.max, 0, 'f', 4)
                       .arg(r.stats.runs)
                       .toUtf8());
}

void printTable(const std::vector<Row>& rows) {
    std::printf("\n%-34s %-14s %11s %11s %11s %5s\n", "stage", "input", "median ms", "min ms",
                "max ms", "runs");
    std::printf("%s\n", std::string(34 + 14 + 11 * 3 + 5 + 5, '-').c_str());
    for (const Row& r : rows)
        std::printf("%-34s %-14s %11.4f %11.4f %11.4f %5d\n", r.stage.c_str(), r.input.c_str(),
                    r.stats.median, r.stats.min, r.stats.max, r.stats.runs);
}

// --host-from settings: start-up finds the host in a settings file instead of a prefix.
bool g_hostFromSettings = false;

// The tint a user might leave after dragging all three sliders.
constexpr MenuTint BenchTint{40, 20, -10};

class SilentDialogs : public Dialogs {
public:
    void message(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    void detailedMessage(const QString& text, const QString&) override { message(text); }
    bool confirm(const QString&, const QString&) override { return false; }
    QString openFile(const OpenFileRequest&) override { return {}; }
};

// What main() does for the window (startWindow: the load step with the host folder from
// the settings file, the window made and shown), painted once on the offscreen platform.
bool showWindowOnce() {
    SilentDialogs dialogs;
    SkinWorkspace workspace;
    const StartedWindow started = startWindow(dialogs, workspace);
    if (!started)
        return false;
    // The offscreen screen is smaller than the window: what is shown is its scrolling frame.
    QWidget& shown = *started.window->window();
    QWindow* handle = shown.windowHandle();
    QElapsedTimer guard;
    guard.start();
    while ((!handle || !handle->isExposed()) && guard.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        handle = shown.windowHandle();
    }
    started.window->repaint();
    keep(started.window->width());
    return handle && handle->isExposed();
}

// The load step reads the host folder from the settings file under XDG_CONFIG_HOME; a
// private one keeps the benchmark away from the user's own.
void provideHostSetting(const QString& configHome, const QString& hostFolder) {
    QDir(configHome).mkpath(QStringLiteral("Pellorwick"));
    QFile conf(configHome + QStringLiteral("/Pellorwick/NORVO7.conf"));
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
        conf.write("[General]\nDirectory=" + hostFolder.toUtf8() + "\n");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome));
}

#ifndef Q_OS_WIN
// A system.reg of at least `bytes` shaped like the one wineboot writes (class keys with
// default and named values, hex data continued over lines, escaped text), with the host's
// key last so that the reader goes through all of it.
QByteArray benchHive(qsizetype bytes) {
    QByteArray hive = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                      "#arch=win64\n\n";
    hive.reserve(bytes + 4096);
    for (int i = 0; hive.size() < bytes; ++i) {
        const QByteArray id = QByteArray::number(0x10000000 + i * 7919, 16).toUpper();
        hive += "[Software\\\\Classes\\\\CLSID\\\\{" + id +
                "-0000-11CE-8C63-00AA0044B51E}] "
                "1796907027\n#time=1dd88a507db5a56\n@=\"Component " +
                id +
                " Caf\\xe9\"\n"
                "\"ThreadingModel\"=\"Both\"\n\"Version\"=dword:0000000" +
                QByteArray::number(i % 10) + "\n";
        if (i % 4 == 0)
            hive += "\"FilterData\"=hex:02,00,00,00,00,00,60,00,02,00,00,00,00,00,00,00,30,70,69,"
                    "33,\\\n  00,00,00,00,00,00,00,00,01,00,00,00,00,00,00,00,00,00,00,00,30,74,"
                    "79,33,00,\\\n  00,00,00,60,00,00,00,70,00,00,00\n";
        hive += "\n";
    }
    hive += "[Software\\\\Wow6432Node\\\\Pellorwick\\\\NORVO7] 1796907049\n"
            "#time=1dd88a514d26e7a\n\"Directory\"=\"C:\\\\Program Files (x86)\\\\Norvo 7\"\n";
    return hive;
}

// A Wine prefix holding the host: a system.reg of about 2 MB, drive C: and the host's
// folder. False if any part of it could not be made (a drive link already there counts).
bool provideWinePrefix(const QString& prefix) {
    bool ok = QDir().mkpath(prefix + QStringLiteral("/dosdevices"));
    ok = QDir().mkpath(prefix + QStringLiteral("/drive_c/Program Files (x86)/Norvo 7/Skins")) && ok;
    const QString drive = prefix + QStringLiteral("/dosdevices/c:");
    ok = (QFile::link(QStringLiteral("../drive_c"), drive) || QFileInfo(drive).isSymLink()) && ok;
    QFile reg(prefix + QStringLiteral("/system.reg"));
    const QByteArray hive = benchHive(2 << 20);
    return reg.open(QIODevice::WriteOnly | QIODevice::Truncate) && reg.write(hive) == hive.size() &&
           ok;
}
#endif

int runStages(const QString& inputDir, int warmup, int runs, bool quick, const QString& tsv,
              std::optional<double> firstWindowMs) {
    if (!makeInputs(inputDir))
        return 1;

    std::vector<Row> rows;
    const auto add = [&](const std::string& stage, const std::string& input, Stats s) {
        rows.push_back({stage, input, s});
        std::fprintf(stderr, "  %-34s %-14s %9.4f ms\n", stage.c_str(), input.c_str(), s.median);
    };
    const MenuTint tint = BenchTint;
    const QSize cover = largestSurfaceSize();

    QTemporaryDir host;
    QDir(host.path()).mkpath("Skins");
    const QString programFolder = host.path();
    {
        QFile real(QStringLiteral(VARNEL_SOURCE_DIR "/art/DefaultSkin.txt"));
        QFile copy(programFolder + "/DefaultSkin.txt");
        copy.open(QIODevice::WriteOnly);
        copy.write(real.open(QIODevice::ReadOnly) ? real.readAll() : QByteArray("[Skin]\r\n"));
    }

    std::array<QImage, 4> scaled;
    for (int i = 0; i < TimedInputs; ++i) {
        const Input& in = Inputs[i];
        if (quick && i != 2 && i != 3)
            continue;
        const QString path = inputDir + '/' + in.file;
        // The large decodes are slow enough that fewer runs give a stable median.
        const int n = std::max(3, in.width * in.height > 20'000'000 ? runs / 2 : runs);

        QImage decoded;
        add("decode", in.label, measure(warmup, n, [&] {
                decoded = Imaging::readPicture(path, cover);
                keep(decoded.width());
            }));
        const std::string decodedSize =
            std::to_string(decoded.width()) + "x" + std::to_string(decoded.height());
        SkinWorkspace sizes;
        add("stretch x4 from " + decodedSize, in.label, measure(warmup, n, [&] {
                for (int k = 0; k < 4; ++k) {
                    const QSize sz = sizes.surfaces()[k].size;
                    scaled[k] = Imaging::stretch(decoded, sz.width(), sz.height());
                }
            }));
        SkinWorkspace ws;
        add("whole load", in.label,
            measure(warmup, n, [&] { loadPictureIntoWorkspace(ws, path, tint); }));
        // What a press of Suggest Tint costs once the picture is loaded (the artwork was
        // measured by the warm-up; see "artwork measured" for the first press).
        add("tint suggestion", in.label,
            measure(warmup, std::max(n, 20), [&] { keep(suggestMenuTint(ws).tint.lightness); }));
        add("whole job in process", in.label, measure(warmup, n, [&] {
                const SkinPictures job = composeSkin(Imaging::readPicture(path, cover), Framing{},
                                                     tint, builtInTemplates());
                exportSkin(job.surfaces, host.path(), QStringLiteral("Bench"), programFolder);
            }));

        // Fill: the same decode, each surface scaled from its crop around an off-centre
        // focus; then what one move of a focus drag costs (the loaded picture scaled again
        // and composed), stepping the focus around so the crops really move.
        SkinWorkspace fill;
        fill.framing = {Fit::Fill, {0.3, 0.4}};
        add("whole load, Fill", in.label,
            measure(warmup, n, [&] { loadPictureIntoWorkspace(fill, path, tint); }));
        int step = 0;
        add("one focus move, Fill", in.label, measure(warmup, runs * 4, [&] {
                fill.framing.focus = {0.2 + 0.1 * (step % 7), 0.3 + 0.1 * (step % 5)};
                ++step;
                refitSurfaces(fill, tint);
            }));
    }

    // The release stages do not depend on the picture's size: the scaled pictures are
    // fixed. They use the last picture stretched above.
    SkinWorkspace ws;
    loadPictureIntoWorkspace(ws, inputDir + '/' + Inputs[2].file, tint);
    const auto& surfaces = ws.surfaces();
    const int many = runs * 20;
    std::array<QImage, 4> tinted;
    add("tint x4", "templates", measure(warmup, many, [&] {
            for (int k = 0; k < 4; ++k)
                tinted[k] = Imaging::adjustHsl(surfaces[k].templ->Picture, BenchTint.hue,
                                               BenchTint.saturation, BenchTint.lightness);
        }));
    std::array<QImage, 4> finished;
    add("overlay x4", "surfaces", measure(warmup, many, [&] {
            for (int k = 0; k < 4; ++k)
                finished[k] = Imaging::overlayOutsideKey(surfaces[k].scaled->Picture, tinted[k],
                                                         surfaces[k].templ->Picture,
                                                         rgbFromColourValue(KeyColour));
        }));
    add("BMP encode x4", "surfaces", measure(warmup, many, [&] {
            for (int k = 0; k < 4; ++k)
                keep(Imaging::encodeBmp24(finished[k]).size());
        }));
    add("export, 5 files", "surfaces", measure(warmup, runs * 4, [&] {
            exportSkin(ws.finishedSurfaces(), host.path(), QStringLiteral("Bench"), programFolder);
        }));
    add("whole release", "surfaces",
        measure(warmup, many, [&] { ComposeTintedSurfaces(ws, tint); }));
    add("one preview", "159x35 strip",
        measure(warmup * 50, many * 10, [&] { PreviewMenuTint(ws, tint); }));
    add("artwork measured", "Main template", measure(warmup, runs, [&] {
            keep(TintSuggestion::measureButton(ws.MainMerge.Picture).behind.width());
        }));

#ifndef Q_OS_WIN
    if (!g_hostFromSettings) {
        // No settings file here (main() points XDG_CONFIG_HOME at an empty folder unless
        // --host-from settings), so these run the whole search up to the prefix.
        QTemporaryDir home;
        provideWinePrefix(home.path() + QStringLiteral("/home/.wine"));
        QFile reg(home.path() + QStringLiteral("/home/.wine/system.reg"));
        reg.open(QIODevice::ReadOnly);
        const QByteArray hive = reg.readAll();
        const std::string size = std::to_string(hive.size() >> 10) + " KiB reg";
        add("system.reg read, both keys", size, measure(warmup, runs * 4, [&] {
                keep(WineRegistry::readValue(hive, u"Software\\Wow6432Node\\Pellorwick\\NORVO7",
                                             u"Directory")
                         .data.isValid());
                keep(WineRegistry::readValue(hive, u"Software\\Pellorwick\\NORVO7", u"Directory")
                         .data.isValid());
            }));
        WinePrefix::Environment env{home.path() + QStringLiteral("/home"), QString(),
                                    home.path() + QStringLiteral("/home/.local/share")};
        add("host lookup, ~/.wine", size, measure(warmup, runs * 4, [&] {
                if (!findHostFolder(env).found())
                    throw std::runtime_error("the host lookup found nothing");
            }));
        env.home = home.path() + QStringLiteral("/empty");
        add("host lookup, nothing found", "all places",
            measure(warmup, runs * 4, [&] { keep(findHostFolder(env).misses.size()); }));
    }
#endif

    if (firstWindowMs) {
        Stats first;
        first.runs = 1;
        first.median = first.min = first.max = *firstWindowMs;
        add("start-up to window shown", "first, offscreen", first);
    }
    add("window shown again", "offscreen", measure(warmup, runs, [] {
            if (!showWindowOnce())
                throw std::runtime_error("the window was not shown");
        }));

    // The user's language: what start-up adds to find and load the catalogues, and the
    // window built with German captions (each caption measured, none set smaller).
    add("catalogues, none to load", "C locale",
        measure(warmup, runs * 4, [] { installTranslations(QLocale::c()); }));
    add("catalogues loaded, installed", "German",
        measure(warmup, runs * 4, [] { installTranslations(QLocale(QStringLiteral("de_DE"))); }));
    add("window shown, German", "offscreen", measure(warmup, runs, [] {
            if (!showWindowOnce())
                throw std::runtime_error("the window was not shown");
        }));
    installTranslations(QLocale::c());

    std::printf("varnel_bench: %d runs per stage (%d for the >20 MP pictures, %d for the release "
                "stages), %d warm-up; tint (%d, %d, %d)\n",
                runs, std::max(3, runs / 2), many, warmup, BenchTint.hue, BenchTint.saturation,
                BenchTint.lightness);
    printTable(rows);
    std::printf(
        "\ndecode: Imaging::readPicture(path, largestSurfaceSize()); stretch: Imaging::stretch "
        "to the four sizes;\nwhole load: loadPictureIntoWorkspace; whole job in process: "
        "readPicture, composeSkin and exportSkin;\nwhole load, Fill: the same with Fill at "
        "the focus 0.3, 0.4; one focus move: a new focus and refitSurfaces;\ntint: "
        "Imaging::adjustHsl of the four "
        "templates; overlay: Imaging::overlayOutsideKey with the template as shape;\nBMP encode: "
        "Imaging::encodeBmp24 of the four surfaces, in memory; export: exportSkin into a "
        "temporary host folder;\nwhole release: ComposeTintedSurfaces; one preview: "
        "PreviewMenuTint;\ntint suggestion: suggestMenuTint after the load; artwork measured: "
        "TintSuggestion::measureButton (once, at the first suggestion);\nstart-up to window shown: "
        "from main() through the application "
        "object, workspace, load step, window and show()\nto the first paint (offscreen); "
        "window shown again: the same in a warm process, without the application object.\n");
    if (!tsv.isEmpty())
        writeTsv(rows, tsv);
    return 0;
}

// ---- the same-job check ----

const char* const SurfaceWords[4] = {"Main", "Scene", "Console", "Chat"};

struct BmpHeader {
    bool ok = false;
    int width = 0, height = 0, bits = 0, compression = -1;
};

BmpHeader readBmpHeader(const QString& path) {
    QFile f(path);
    BmpHeader h;
    if (!f.open(QIODevice::ReadOnly))
        return h;
    const QByteArray b = f.read(54);
    if (b.size() < 34 || b[0] != 'B' || b[1] != 'M')
        return h;
    const auto u16 = [&](int o) {
        return int(quint8(b[o])) | int(quint8(b[o + 1])) << 8;
    };
    const auto i32 = [&](int o) {
        return qint32(quint32(u16(o)) | quint32(u16(o + 2)) << 16);
    };
    h.width = i32(18);
    h.height = std::abs(i32(22));
    h.bits = u16(28);
    h.compression = i32(30);
    h.ok = true;
    return h;
}

struct Finding {
    bool ok = true;
    QStringList problems;
    void fail(const QString& p) {
        ok = false;
        problems << p;
    }
};

// Same job: exact sizes as 24-bit uncompressed bitmaps; where the template has the key
// colour the picture shows (close to a plain stretch of it); where it has artwork the
// pixel does not depend on the picture (given a second run on another picture), and the
// artwork was tinted. Tools resample differently, so the picture is compared loosely;
// the artwork is compared exactly.
int runCheck(const QString& picture, const QString& dir, const QString& prefix,
             const QString& otherPicture, const QString& otherDir) {
    const SkinWorkspace ws;
    const QImage source = Imaging::readPicture(picture);
    Finding f;
    for (int k = 0; k < 4; ++k) {
        const SkinSurface& s = ws.surfaces()[k];
        const QString path = dir + '/' + prefix + SurfaceWords[k] + ".bmp";
        const BmpHeader h = readBmpHeader(path);
        if (!h.ok) {
            f.fail(path + ": missing or not a bitmap");
            continue;
        }
        if (h.width != s.size.width() || h.height != s.size.height() || h.bits != 24 ||
            h.compression != 0) {
            f.fail(QStringLiteral("%1: %2x%3, %4 bits, compression %5 (want %6x%7, 24 bits, 0)")
                       .arg(path)
                       .arg(h.width)
                       .arg(h.height)
                       .arg(h.bits)
                       .arg(h.compression)
                       .arg(s.size.width())
                       .arg(s.size.height()));
            continue;
        }
        const QImage out = Imaging::readPicture(path);
        const QImage reference = Imaging::stretch(source, s.size.width(), s.size.height());
        const QImage templ = Imaging::toInternal(s.templ->Picture);
        QImage other;
        if (!otherDir.isEmpty())
            other = Imaging::readPicture(otherDir + '/' + prefix + SurfaceWords[k] + ".bmp");

        qint64 keyPixels = 0, keyFar = 0, keySame = 0, art = 0, artColoured = 0, artTinted = 0,
               artMoved = 0;
        double keyDiff = 0;
        const QRgb magenta = rgbFromColourValue(KeyColour) & 0xFFFFFF;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb o = out.pixel(x, y), t = templ.pixel(x, y) & 0xFFFFFF;
                if (t == magenta) {
                    const QRgb r = reference.pixel(x, y);
                    const int d =
                        std::max({std::abs(qRed(o) - qRed(r)), std::abs(qGreen(o) - qGreen(r)),
                                  std::abs(qBlue(o) - qBlue(r))});
                    keyDiff += d;
                    keyFar += d > 64;
                    ++keyPixels;
                    if (!other.isNull())
                        keySame += (other.pixel(x, y) & 0xFFFFFF) == (o & 0xFFFFFF);
                } else {
                    ++art;
                    // A hue shift leaves greys alone; only coloured artwork must change.
                    const bool coloured = std::max({qRed(t), qGreen(t), qBlue(t)}) -
                                              std::min({qRed(t), qGreen(t), qBlue(t)}) >
                                          16;
                    artColoured += coloured;
                    artTinted += coloured && (o & 0xFFFFFF) != t;
                    if (!other.isNull())
                        artMoved += (other.pixel(x, y) & 0xFFFFFF) != (o & 0xFFFFFF);
                }
            }
        const double meanKey = keyPixels ? keyDiff / keyPixels : 0;
        const QString name = prefix + SurfaceWords[k];
        if (meanKey > 12 || keyFar > keyPixels / 100)
            f.fail(QStringLiteral("%1: the picture does not show through the key field (mean "
                                  "difference %2, %3 of %4 pixels far off)")
                       .arg(name)
                       .arg(meanKey, 0, 'f', 1)
                       .arg(keyFar)
                       .arg(keyPixels));
        if (artTinted < artColoured / 2)
            f.fail(QStringLiteral("%1: the artwork is not tinted (%2 of %3 coloured pixels "
                                  "changed)")
                       .arg(name)
                       .arg(artTinted)
                       .arg(artColoured));
        if (!other.isNull()) {
            if (artMoved)
                f.fail(QStringLiteral("%1: %2 artwork pixels show the picture")
                           .arg(name)
                           .arg(artMoved));
            if (keySame > keyPixels / 50)
                f.fail(QStringLiteral("%1: %2 of %3 key pixels do not follow the picture")
                           .arg(name)
                           .arg(keySame)
                           .arg(keyPixels));
        }
        std::printf("  %-14s key field: mean diff %.2f vs plain stretch; artwork: %lld pixels, "
                    "%lld of %lld coloured ones tinted%s\n",
                    qPrintable(name), meanKey, (long long)art, (long long)artTinted,
                    (long long)artColoured,
                    other.isNull()
                        ? ""
                        : qPrintable(QStringLiteral(", %1 move with the picture").arg(artMoved)));
    }
    Q_UNUSED(otherPicture);
    for (const QString& p : f.problems)
        std::printf("  FAIL %s\n", qPrintable(p));
    return f.ok ? 0 : 1;
}

int usage() {
    std::fprintf(
        stderr,
        "usage: varnel_bench [--runs N] [--warmup N] [--inputs DIR] [--tsv FILE] [--quick]\n"
        "                    [--host-from wine|settings] [--startup-only]\n"
        "       varnel_bench --make-inputs DIR\n"
        "       varnel_bench --check PICTURE DIR PREFIX [OTHER_PICTURE OTHER_DIR]\n"
#ifndef Q_OS_WIN
        "       varnel_bench --make-prefix DIR\n"
#endif
    );
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const bool timingRun = argc < 2 || (std::strcmp(argv[1], "--make-inputs") != 0 &&
                                        std::strcmp(argv[1], "--check") != 0 &&
                                        std::strcmp(argv[1], "--make-prefix") != 0);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--host-from") == 0)
            g_hostFromSettings = std::strcmp(argv[i + 1], "settings") == 0;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The load step finds the host in a private place: by default a Wine prefix with a
    // 2 MB system.reg (no settings file, so the search reads the settings, then the
    // prefix), or with --host-from settings a settings file. Preparing it is not timed.
    QTemporaryDir configHome;
    if (timingRun) {
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(configHome.filePath(QStringLiteral("none"))));
#ifndef Q_OS_WIN
        if (!g_hostFromSettings) {
            qputenv("XDG_CONFIG_HOME",
                    QFile::encodeName(configHome.filePath(QStringLiteral("empty"))));
            provideWinePrefix(configHome.filePath(QStringLiteral("prefix")));
            qputenv("WINEPREFIX", QFile::encodeName(configHome.filePath(QStringLiteral("prefix"))));
        } else
#endif
            provideHostSetting(configHome.path(), configHome.path());
    }
    const auto processStart = Clock::now();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel"));
    // Start-up is measured first, before anything else warms the process, as main() does
    // it; only the loading of the program and its libraries is outside.
    std::optional<double> firstWindowMs;
    if (timingRun && showWindowOnce())
        firstWindowMs =
            std::chrono::duration<double, std::milli>(Clock::now() - processStart).count();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (!args.isEmpty() && args[0] == "--make-inputs")
        return args.size() == 2 && makeInputs(args[1]) ? 0 : (args.size() == 2 ? 1 : usage());
#ifndef Q_OS_WIN
    // For compare's timing of the host lookup in a Wine prefix by the command line.
    if (!args.isEmpty() && args[0] == "--make-prefix") {
        if (args.size() != 2)
            return usage();
        if (provideWinePrefix(args[1]))
            return 0;
        std::fprintf(stderr, "varnel_bench: could not make a Wine prefix at %s\n",
                     qPrintable(args[1]));
        return 1;
    }
#endif
    if (!args.isEmpty() && args[0] == "--check") {
        if (args.size() != 4 && args.size() != 6)
            return usage();
        try {
            return runCheck(args[1], args[2], args[3], args.value(4), args.value(5));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }

    int runs = 15, warmup = 2;
    bool quick = false, startupOnly = false;
    QString inputs, tsv;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--runs" && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (a == "--warmup" && i + 1 < args.size())
            warmup = std::max(0, args[++i].toInt());
        else if (a == "--inputs" && i + 1 < args.size())
            inputs = args[++i];
        else if (a == "--tsv" && i + 1 < args.size())
            tsv = args[++i];
        else if (a == "--quick")
            quick = true;
        else if (a == "--host-from" && i + 1 < args.size() &&
                 (args[i + 1] == "settings" || args[i + 1] == "wine"))
            ++i;
        else if (a == "--startup-only")
            startupOnly = true;
        else
            return usage();
    }
    if (startupOnly) {
        if (!firstWindowMs)
            return 1;
        std::printf("start-up to window shown (host from %s): %.3f ms\n",
                    g_hostFromSettings ? "settings file" : "2 MB system.reg", *firstWindowMs);
        return 0;
    }
    std::optional<QTemporaryDir> temp;
    if (inputs.isEmpty()) {
        temp.emplace();
        inputs = temp->path();
    }
    try {
        return runStages(inputs, warmup, runs, quick, tsv, firstWindowMs);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
