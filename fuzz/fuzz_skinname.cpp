// The skin name check and the description builder. Input: one byte choosing how the name
// is decoded (even: UTF-8, odd: UTF-16), one byte giving the name's length in bytes, the
// name, then the description template. Every name the check accepts must make five file
// names that stay in the skins folder and that Windows stores as files, and a description
// that carries the name exactly as encoded for the host.

#include "export/codepage.h"
#include "export/skindescription.h"
#include "export/skinexport.h"
#include "export/skinname.h"
#include "fuzz/fuzzsupport.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>

namespace {

using FuzzSupport::require;

// Windows opens a device for these names, also with any extension after them and with
// blanks before that extension.
bool isWindowsDevice(const QString& fileName) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    QString base = fileName.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    return device.match(base).hasMatch();
}

QString decodeName(std::uint8_t how, const char* bytes, qsizetype length) {
    if (how % 2 == 0)
        return QString::fromUtf8(bytes, length);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes), length / 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const qsizetype length = std::min<qsizetype>(data[1], qsizetype(size) - 2);
    // Copied so that UTF-16 reads are aligned.
    const QByteArray nameBytes(reinterpret_cast<const char*>(data) + 2, length);
    const QString name = decodeName(data[0], nameBytes.constData(), nameBytes.size());
    const QByteArray templateText(reinterpret_cast<const char*>(data) + 2 + length,
                                  qsizetype(size) - 2 - length);

    const QString problem = skinNameProblem(name);
    const std::optional<QByteArray> encoded = encodeForHost(name);
    if (!problem.isEmpty())
        return 0;

    require(!name.isEmpty());
    require(encoded.has_value());
    // One byte a character in an 8-bit code page, one or two in an East Asian one.
    if (const int codePage = hostCodePage();
        codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950)
        require(encoded->size() >= name.size() && encoded->size() <= 2 * name.size());
    else
        require(encoded->size() == name.size());
    for (const QChar ch : name)
        require(ch.unicode() >= 0x20 && ch.unicode() != 0x7F &&
                !QStringLiteral("\\/:*?\"<>|").contains(ch));

    const QString host = QStringLiteral("/host");
    const SkinPaths paths = skinPaths(host, name);
    require(paths.skinsFolder == host + folderSeparator() + "Skins" + folderSeparator());
    for (const QString& path : paths.all()) {
        require(path.startsWith(paths.skinsFolder));
        const QString fileName = path.mid(paths.skinsFolder.size());
        require(!fileName.contains(u'/') && !fileName.contains(u'\\'));
        require(!isWindowsDevice(fileName));
    }

    const QByteArray description = buildSkinDescription(*encoded, templateText);
    const QByteArray& n = *encoded;
    const QByteArray head = "ConsoleBorderImage=" + n + "Console.bmp\r\n" +
                            "SceneWindowImage=" + n + "Scene.bmp\r\n" + "ChatWindowImage=" + n +
                            "Chat.bmp\r\n" + "MainWindowImage=" + n + "Main.bmp\r\n" + "Skin=" + n +
                            ".bmp\r\n";
    require(description == head + templateText + "\r\n");
    return 0;
}
