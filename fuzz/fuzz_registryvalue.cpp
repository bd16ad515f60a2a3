// The host-folder value: whatever the setting holds, turned into the folder text. The
// first byte chooses what kind of value the rest of the input becomes, as a registry or
// a hand-edited settings file can hold it; the last kind writes the input as the settings
// file itself and reads it the way start-up does.

#include "fuzz/fuzzsupport.h"
#include "host/registryvalue.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using FuzzSupport::require;
using FuzzSupport::silent;

std::unique_ptr<QTemporaryDir> g_dir;
quint64 g_run = 0;

template <typename T> T number(const QByteArray& bytes) {
    T value{};
    std::memcpy(&value, bytes.constData(), std::min<std::size_t>(sizeof value, bytes.size()));
    return value;
}

bool isWholeNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// What the text of a value must be, worked out without the conversion's own rules: a
// whole number is written in plain decimal digits that read back as the same number.
void checkText(const QVariant& value) {
    const QString text = Module2::registryValueText(value);
    if (value.typeId() == QMetaType::QString) {
        require(text == value.toString());
    } else if (isWholeNumber(value)) {
        static const QRegularExpression decimal(QStringLiteral("^-?(0|[1-9][0-9]*)$"));
        require(decimal.match(text).hasMatch());
        bool ok = false;
        if (text.startsWith(u'-'))
            require(text.toLongLong(&ok) == value.toLongLong() && ok);
        else
            require(text.toULongLong(&ok) == value.toULongLong() && ok);
    } else {
        require(text.isEmpty());
    }
}

QVariant readThroughSettingsFile(const QByteArray& content) {
    // A fresh organisation each run: settings files are cached by path.
    const QString organisation = QStringLiteral("Pellorwick%1").arg(++g_run);
    const QString folder = g_dir->filePath(organisation);
    require(QDir().mkpath(folder));
    {
        QFile file(folder + QStringLiteral("/NORVO7.conf"));
        require(file.open(QIODevice::WriteOnly));
        require(file.write(content) == content.size());
    }
    const QVariant value = Module2::ReadRegistryValue(
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\%1\\NORVO7\\").arg(organisation),
        QStringLiteral("Directory"));
    QDir(folder).removeRecursively();
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(silent);
    g_dir = std::make_unique<QTemporaryDir>();
    require(g_dir->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(g_dir->path()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(g_dir->filePath(QStringLiteral("none"))));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    QVariant value;
    switch (data[0] % 16) {
    case 0:
        value = QVariant();
        break;
    case 1:
        value = QString::fromUtf8(rest);
        break;
    case 2:
        value = QString::fromUtf16(reinterpret_cast<const char16_t*>(rest.constData()),
                                   rest.size() / 2);
        break;
    case 3:
        value = QVariant::fromValue(number<qint16>(rest));
        break;
    case 4:
        value = QVariant::fromValue(number<quint16>(rest));
        break;
    case 5:
        value = QVariant::fromValue(number<qint32>(rest));
        break;
    case 6:
        value = QVariant::fromValue(number<quint32>(rest));
        break;
    case 7:
        value = QVariant::fromValue(number<qint64>(rest));
        break;
    case 8:
        value = QVariant::fromValue(number<quint64>(rest));
        break;
    case 9:
        value = QVariant::fromValue(number<double>(rest));
        break;
    case 10:
        value = QVariant(QString::fromUtf8(rest).split(u','));
        break;
    case 11:
        value = QVariant(rest);
        break;
    case 12:
        value = QVariant(!rest.isEmpty() && rest[0] != '\0');
        break;
    case 13:
        value = QVariant::fromValue(number<long>(rest));
        break;
    case 14:
        value = QVariant::fromValue(number<unsigned long>(rest));
        break;
    default:
        value = readThroughSettingsFile(rest);
        break;
    }
    checkText(value);
    return 0;
}
