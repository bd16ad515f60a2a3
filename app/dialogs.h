#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a file dialog's filter list: its caption and the patterns it matches, such
// as "*.jpg", in any letter case.
struct FileFilter {
    QString description;
    QStringList patterns;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// What a file-open dialog shows: its title, the filters (the first one chosen) and the
// folder it opens in ("" for the dialog's own choice).
struct OpenFileRequest {
    QString title;
    QList<FileFilter> filters;
    QString folder;
};

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
    // A question with two buttons: `acceptButton` and Cancel, which is the default and
    // answers Esc. True when the user chose `acceptButton`.
    virtual bool confirm(const QString& text, const QString& acceptButton) = 0;
    // The file-open dialog. Returns the chosen path, or "" on cancel.
    virtual QString openFile(const OpenFileRequest& request) = 0;
};
