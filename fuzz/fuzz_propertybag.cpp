// The property bag reader: settings text that may have been edited by hand or cut short.
// A text it accepts must write back to a text that reads as the same bag, and that text
// must be stable from then on.

#include "fuzz/fuzzsupport.h"
#include "slider/propertybag.h"

#include <cstdint>
#include <cstdlib>

namespace {

using FuzzSupport::require;
using FuzzSupport::silent;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    PropertyBag bag;
    try {
        bag = PropertyBag::fromText(text);
    } catch (const PropertyBagError&) {
        return 0;
    }

    const QByteArray written = bag.toText();
    PropertyBag again;
    try {
        again = PropertyBag::fromText(written);
    } catch (const PropertyBagError&) {
        std::abort(); // the bag could not read its own text
    }
    require(again == bag);
    require(again.toText() == written);

    // Every read of a stored name either returns its value or refuses the wrong type.
    for (const QString& name : bag.names()) {
        require(bag.contains(name) && bag.contains(name.toUpper()));
        int reads = 0;
        try {
            bag.readInt(name, 0);
            ++reads;
        } catch (const PropertyBagError&) {
        }
        try {
            bag.readBool(name, false);
            ++reads;
        } catch (const PropertyBagError&) {
        }
        try {
            bag.readColour(name, 0);
            ++reads;
        } catch (const PropertyBagError&) {
        }
        try {
            bag.readPicture(name);
            ++reads;
        } catch (const PropertyBagError&) {
        }
        require(reads == 1);
    }
    return 0;
}
