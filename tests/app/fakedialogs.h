#pragma once

#include "app/dialogs.h"

#include <QStringList>

// Records every message and answers file dialogs from a script, so nothing blocks.
class FakeDialogs : public Dialogs {
public:
    QStringList messages;
    QStringList details; // one for each message: "" for a message without details
    QStringList scriptedFiles;
    QStringList openFileRequests;

    void message(const QString& text) override { detailedMessage(text, QString()); }
    void detailedMessage(const QString& text, const QString& moreText) override {
        messages.append(text);
        details.append(moreText);
    }
    QString openFile(const QString& description, const QStringList& patterns) override {
        openFileRequests.append(description + QLatin1Char('|') + patterns.join(QLatin1Char(';')));
        return scriptedFiles.isEmpty() ? QString() : scriptedFiles.takeFirst();
    }
};
