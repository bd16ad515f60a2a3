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

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            const QString& details) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Varnel"), text,
                                             QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box->setDetailedText(details);
    return box;
}

std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget* parent, const QString& description,
                                                const QStringList& patterns) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Show the description alone as the filter's caption, not the spelt-out patterns.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilter(fileDialogFilter(description, patterns));
    return dialog;
}

void QtDialogs::message(const QString& text) {
    makeMessageBox(m_parent, text)->exec();
}

void QtDialogs::detailedMessage(const QString& text, const QString& details) {
    makeMessageBox(m_parent, text, details)->exec();
}

QString QtDialogs::openFile(const QString& description, const QStringList& patterns) {
    const std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(m_parent, description, patterns);
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
