#include "export/skindescription.h"

QByteArray BuildSkinDescription(const QByteArray& name, const QByteArray& templateText) {
    // Each line goes in front of the text built so far, the template being the start.
    QByteArray text = templateText;
    const auto prepend = [&](const QByteArray& line) {
        text.prepend(line + "\r\n");
    };
    prepend("Skin=" + name + ".bmp");
    prepend("MainWindowImage=" + name + "Main.bmp");
    prepend("ChatWindowImage=" + name + "Chat.bmp");
    prepend("SceneWindowImage=" + name + "Scene.bmp");
    prepend("ConsoleBorderImage=" + name + "Console.bmp");
    return text + "\r\n";
}
