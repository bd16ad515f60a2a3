#include "export/skindescription.h"

#include "compose/skinworkspace.h"

QByteArray buildSkinDescription(const QByteArray& name, const QByteArray& templateText) {
    QByteArray text;
    for (SurfaceId id : DescriptionLineOrder) {
        const SurfaceFacts& s = surfaceFacts(id);
        text += QByteArray(s.descriptionKey) + '=' + name + s.word + ".bmp\r\n";
    }
    text += "Skin=" + name + ".bmp\r\n";
    return text + templateText + "\r\n";
}
