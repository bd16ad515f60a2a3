// Load in one process: many slider releases (ComposeTintedSurfaces with changing tints) and
// many picture loads, printing the resident memory as it goes. Not a test: run it by hand
// (or under heaptrack) and read the figures.
//   varnel_soak [releases=1000] [loads=200]

#include "compose/imaging.h"
#include "compose/skinworkspace.h"
#include "tests/compose/picturefixtures.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Resident and peak resident memory in KiB, or -1 where the system does not say.
struct Memory {
    long resident = -1;
    long peak = -1;
};

Memory memory() {
    Memory m;
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            m.resident = line.mid(6).trimmed().split(' ').value(0).toLong();
        else if (line.startsWith("VmHWM:"))
            m.peak = line.mid(6).trimmed().split(' ').value(0).toLong();
    }
#endif
    return m;
}

void report(const char* stage, int done) {
    const Memory m = memory();
    std::printf("%-10s %5d   resident %7ld KiB   peak %7ld KiB\n", stage, done, m.resident, m.peak);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const int releases = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int loads = argc > 2 ? std::atoi(argv[2]) : 200;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    using namespace PictureFixtures;
    // A photo-sized JPEG (decoded at reduced scale), a bitmap and a small JPEG, in turn.
    const QStringList pictures = {dir.filePath(QStringLiteral("photo.jpg")),
                                  dir.filePath(QStringLiteral("scan.bmp")),
                                  dir.filePath(QStringLiteral("small.jpg"))};
    if (!writeFile(pictures[0], jpeg(noise(QSize(3000, 2000), 5), JpegKind::Baseline, 85)) ||
        !writeFile(pictures[1], bmp(noise(QSize(1200, 900), 6), BmpLayout::Rgb24)) ||
        !writeFile(pictures[2], jpeg(noise(QSize(400, 300), 7), JpegKind::Progressive, 85)))
        return 1;

    report("start", 0);
    SkinWorkspace ws;
    MenuTint tint;
    loadPictureIntoWorkspace(ws, pictures[0], tint);
    report("loaded", 1);

    for (int i = 1; i <= releases; ++i) {
        // Every slider value in turn, the three sliders out of step.
        tint.hue = qint16((i * 7) % 201 - 100);
        tint.saturation = qint16((i * 13) % 201 - 100);
        tint.lightness = qint16((i * 29) % 201 - 100);
        PreviewMenuTint(ws, tint);
        ComposeTintedSurfaces(ws, tint);
        if (i % 100 == 0)
            report("releases", i);
    }
    for (int i = 1; i <= loads; ++i) {
        loadPictureIntoWorkspace(ws, pictures[i % pictures.size()], tint);
        if (i % 20 == 0)
            report("loads", i);
    }
    report("end", releases + loads);
    return 0;
}
