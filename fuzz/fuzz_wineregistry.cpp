// The system.reg reader. Input: one byte choosing the form, then the file's text. Even:
// the text is the whole file. Odd: the text follows a good header and the host's key line,
// so that damaged value lines are reached at once. The reader must answer for any text, in
// one of its statuses, with data exactly when it found the value, and the same whether the
// lines end in LF or CR LF.

#include "fuzz/fuzzsupport.h"
#include "host/wineregistry.h"

#include <QByteArray>

#include <cstdint>

namespace {

using FuzzSupport::require;
using WineRegistry::Status;

const QByteArray Header = "WINE REGISTRY Version 2";

void check(const QByteArray& hive, const QString& key, const QString& name) {
    const WineRegistry::Value value = WineRegistry::readValue(hive, key, name);
    switch (value.status) {
    case Status::Found:
        require(value.data.typeId() == QMetaType::QString ||
                value.data.typeId() == QMetaType::Int ||
                value.data.typeId() == QMetaType::LongLong);
        if (value.data.typeId() == QMetaType::QString)
            require(!value.data.toString().contains(QChar(u'\0')));
        break;
    case Status::NotARegistry:
    case Status::NoKey:
    case Status::NoValue:
    case Status::Malformed:
    case Status::NotText:
    case Status::Unexpanded:
        require(!value.data.isValid());
        break;
    default:
        require(false);
    }
    // Only a file whose first line is the header is a registry.
    const qsizetype lineEnd = hive.indexOf('\n');
    QByteArray first = lineEnd < 0 ? hive : hive.left(lineEnd);
    if (lineEnd >= 0 && first.endsWith('\r'))
        first.chop(1);
    if (first != Header)
        require(value.status == Status::NotARegistry);

    if (!hive.contains('\r')) {
        const WineRegistry::Value crlf =
            WineRegistry::readValue(QByteArray(hive).replace("\n", "\r\n"), key, name);
        require(crlf.status == value.status && crlf.data == value.data);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(FuzzSupport::silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    QByteArray hive(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    if (data[0] % 2 == 1)
        hive.prepend(Header + "\n[Software\\\\Pellorwick\\\\NORVO7] 1\n");
    check(hive, QStringLiteral("Software\\Pellorwick\\NORVO7"), QStringLiteral("Directory"));
    check(hive, QStringLiteral("Software\\Wow6432Node\\Pellorwick\\NORVO7"),
          QStringLiteral("Directory"));
    check(hive, QStringLiteral("Software\\Pellorwick\\NORVO7"), QString());
    return 0;
}
