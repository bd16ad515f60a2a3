#pragma once

#include <QString>
#include <QStringList>

// The modal dialogs the tool shows. The window and the load step talk only to this, so
// tests can record messages and script file choices without ever blocking.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box: title "Varnel", one OK button, no icon.
    virtual void message(const QString& text) = 0;
    // The same box with `details` behind its "Show Details..." button; the text stays as
    // short as the plain message.
    virtual void detailedMessage(const QString& text, const QString& details) = 0;
    // The file-open dialog: description is the filter's caption, patterns such as "*.jpg"
    // match in any letter case. Returns the chosen path, or "" on cancel.
    // A question with two buttons: `acceptButton` and Cancel, which is the default and
    // answers Esc. True when the user chose `acceptButton`.
    virtual bool confirm(const QString& text, const QString& acceptButton) = 0;
    virtual QString openFile(const QString& description, const QStringList& patterns) = 0;
};
