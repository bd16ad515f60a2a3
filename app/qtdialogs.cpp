#include "app/qtdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QString anyCasePattern(const QString& pattern) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The native dialogs there match without regard to case already.
    return pattern;
#else
    QString result;
    for (const QChar c : pattern) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            result += c;
        else
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
    }
    return result;
#endif
}

} // namespace

QString fileDialogFilter(const QString& description, const QStringList& patterns) {
    QStringList spelt;
    for (const QString& pattern : patterns)
        spelt.append(anyCasePattern(pattern));
    return description + QLatin1String(" (") + spelt.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnel"), text, QMessageBox::Ok, m_parent);
    box.exec();
}

void QtDialogs::detailedMessage(const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnel"), text, QMessageBox::Ok, m_parent);
    box.setDetailedText(details);
    box.exec();
}

QString QtDialogs::openFile(const OpenFileRequest& request) {
    QFileDialog dialog(m_parent, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Show the description alone as the filter's caption, not the spelt-out patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters.append(fileDialogFilter(filter.description, filter.patterns));
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
