#pragma once

#include <QByteArray>

// The bytes of a skin description: five generated lines (console border, scene, chat,
// main, skin), each ending CR LF, then the template unchanged, then CR LF. `name` is the
// skin name already in the host's code page.
QByteArray buildSkinDescription(const QByteArray& name, const QByteArray& templateText);
