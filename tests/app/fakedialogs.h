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
    QStringList openFileRequests;
    QStringList questions; // each as "text|accept button"
    QList<bool> answers;   // scripted; Cancel once they run out

    void message(const QString& text) override { detailedMessage(text, QString()); }
    void detailedMessage(const QString& text, const QString& moreText) override {
        messages.append(text);
        details.append(moreText);
    }
    bool confirm(const QString& text, const QString& acceptButton) override {
        questions.append(text + QLatin1Char('|') + acceptButton);
        return !answers.isEmpty() && answers.takeFirst();
    }
    QString openFile(const QString& description, const QStringList& patterns) override {
        openFileRequests.append(description + QLatin1Char('|') + patterns.join(QLatin1Char(';')));
        return scriptedFiles.isEmpty() ? QString() : scriptedFiles.takeFirst();
    }
};
