#include "export/stagedfile.h"

#include "export/filesync.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

StagedFile::StagedFile(QString target)
    : m_target(std::move(target)) {}

StagedFile::~StagedFile() {
    if (!m_committed && m_staged.isOpen()) {
        m_staged.close();
        m_staged.remove();
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

    // A new name each try, created only if nobody has it: a name taken by a save running at
    // the same moment is never opened twice.
    static constexpr char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = m_final + u'.';
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(62)]);
        m_staged.setFileName(name);
        if (m_staged.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (existing.exists())
                m_staged.setPermissions(existing.permissions());
            return true;
        }
        if (!QFileInfo::exists(name))
            return false; // the reason is the file's errorString()
    }
    return false;
}

bool StagedFile::commit() {
    m_staged.close();
    if (m_staged.error() != QFileDevice::NoError) {
        m_error = m_staged.errorString();
        m_staged.remove();
        return false;
    }
    if (QString reason = replaceFile(m_staged.fileName(), m_final); !reason.isEmpty()) {
        m_error = std::move(reason);
        m_staged.remove();
        return false;
    }
    m_committed = true;
    return true;
}
