#pragma once

#include "app/dialogs.h"

#include <QStringList>

// Records every message and question and answers them and the file dialogs from a script,
// so nothing blocks.
class FakeDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList details; // one for each message: "" for a message without details
    QStringList scriptedFiles;
    // The first filter of each file dialog, as "caption|pattern;pattern"; the whole requests.
    QStringList openFileRequests;
    QStringList questions; // each as "text|accept button"
    QList<bool> answers;   // scripted; Cancel once they run out
    QList<OpenFileRequest> openFileCalls;

    void message(const QString& text) override { detailedMessage(text, QString()); }
    void detailedMessage(const QString& text, const QString& moreText) override {
        messages.append(text);
        details.append(moreText);
    }
    bool confirm(const QString& text, const QString& acceptButton) override {
        questions.append(text + QLatin1Char('|') + acceptButton);
        return !answers.isEmpty() && answers.takeFirst();
    }
    QString openFile(const OpenFileRequest& request) override {
        const FileFilter first = request.filters.value(0);
        openFileRequests.append(first.description + QLatin1Char('|') +
                                first.patterns.join(QLatin1Char(';')));
        openFileCalls.append(request);
        return scriptedFiles.isEmpty() ? QString() : scriptedFiles.takeFirst();
    }
};
