#pragma once

#include "app/dialogs.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QFileDialog;
class QMessageBox;

// The real dialogs: QMessageBox and QFileDialog, modal to the parent widget when there
// is one.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr)
        : m_parent(parent) {}

    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    void detailedMessage(const QString& text, const QString& details) override;
    bool confirm(const QString& text, const QString& acceptButton) override;
    QString openFile(const OpenFileRequest& request) override;

private:
    QPointer<QWidget> m_parent;
};

// The name filter for a file dialog: the description, then the patterns. Where the native
// dialog matches case-sensitively, each pattern is spelt so that it matches any letter case
// ("*.jpg" becomes "*.[jJ][pP][gG]"): cameras write ".JPG".
QString fileDialogFilter(const QString& description, const QStringList& patterns);

// The dialogs QtDialogs runs, built but not shown, so that tests can look at them without
// blocking. A message box with no details shows none.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& details = QString());
std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget* parent, const OpenFileRequest& request);
