#include "app/qtdialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& details) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Varnel"), text,
                                             QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box->setDetailedText(details);
    return box;
}

std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget* parent, const OpenFileRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent, request.title, request.folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Show the description alone as the filter's caption, not the spelt-out patterns.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters.append(fileDialogFilter(filter.description, filter.patterns));
    dialog->setNameFilters(filters);
    return dialog;
}

void QtDialogs::message(const QString& text) {
    makeMessageBox(m_parent, text)->exec();
}

void QtDialogs::detailedMessage(const QString& text, const QString& details) {
    makeMessageBox(m_parent, text, details)->exec();
}

bool QtDialogs::confirm(const QString& text, const QString& acceptButton) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnel"), text, QMessageBox::NoButton,
                    m_parent);
    const QAbstractButton* accept = box.addButton(acceptButton, QMessageBox::AcceptRole);
    // Qt's own Cancel, in Qt's own words for the language.
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == accept;
}

QString QtDialogs::openFile(const OpenFileRequest& request) {
    const std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(m_parent, request);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
