#include "export/stagedfile.h"

#include "export/filesync.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr int NameAttempts = 100;

} // namespace

QString besideName(const QString& target, BesideKind kind) {
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + (kind == BesideKind::Staged ? QStringLiteral(".varnel-staged-")
                                                        : QStringLiteral(".varnel-aside-"));
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

QString besideNamePattern(const QStringList& targets) {
    QStringList names;
    for (const QString& target : targets)
        names.append(QRegularExpression::escape(target));
    return QStringLiteral("^(?i:%1)\\.varnel-(staged|aside)-[A-Za-z0-9]{6}$").arg(names.join(u'|'));
}

StagedFile::StagedFile(QString target)
    : m_target(std::move(target)) {}

StagedFile::~StagedFile() {
    if (!m_committed && m_staged.isOpen()) {
        m_staged.close(); // a file without a name is gone with it
        if (!m_stagedName.isEmpty())
            QFile::remove(m_stagedName);
    }
}

bool StagedFile::open() {
    // The refusals in QSaveFile's words, which the user already knows from other saves.
    QFileInfo existing(m_target);
    if (existing.exists() && !existing.isWritable()) {
        m_error = QCoreApplication::translate("QSaveFile", "Existing file %1 is not writable")
                      .arg(m_target);
        return false;
    }
    if (existing.isDir()) {
        m_error = QCoreApplication::translate("QSaveFile", "Filename refers to a directory");
        return false;
    }
    m_final = m_target;
    if (existing.isSymLink()) {
        int depth = 128;
        while (--depth > 0 && existing.isSymLink())
            existing.setFile(existing.symLinkTarget());
        if (depth > 0)
            m_final = existing.filePath();
    }

    bool opened = openUnnamedFile(m_staged, QFileInfo(m_final).path());
    // Else a name of its own, created only if nobody has it: a name taken by a save running
    // at the same moment is never opened twice.
    for (int attempt = 0; !opened && attempt < NameAttempts; ++attempt) {
        m_stagedName = besideName(m_final, BesideKind::Staged);
        m_staged.setFileName(m_stagedName);
        opened = m_staged.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        if (!opened && !QFileInfo::exists(m_stagedName))
            return false; // the reason is the file's errorString()
    }
    if (opened && existing.exists())
        m_staged.setPermissions(existing.permissions());
    return opened;
}

bool StagedFile::commit() {
    for (int attempt = 0; m_stagedName.isEmpty() && attempt < NameAttempts; ++attempt) {
        const QString name = besideName(m_final, BesideKind::Staged);
        if (QString reason = nameUnnamedFile(m_staged, name); reason.isEmpty())
            m_stagedName = name;
        else if (!QFileInfo::exists(name)) {
            m_error = std::move(reason);
            return false;
        }
    }
    m_staged.close();
    QString reason = m_staged.error() != QFileDevice::NoError ? m_staged.errorString()
                     : m_stagedName.isEmpty() ? QStringLiteral("no free temporary name")
                                              : replaceFile(m_stagedName, m_final);
    if (!reason.isEmpty()) {
        m_error = std::move(reason);
        if (!m_stagedName.isEmpty())
            QFile::remove(m_stagedName);
        return false;
    }
    m_committed = true;
    return true;
}
