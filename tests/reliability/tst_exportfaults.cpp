#include "tests/compose/picturefixtures.h"
#include "tests/reliability/varnelprocess.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QVersionNumber>
#include <QtTest>

#include <algorithm>

using namespace VarnelProcess;

namespace {

const QString SkinName = QStringLiteral("Ocean");
// In the order the export writes and replaces them.
const QStringList SkinFiles = {QStringLiteral("OceanMain.bmp"), QStringLiteral("OceanScene.bmp"),
                               QStringLiteral("OceanChat.bmp"), QStringLiteral("OceanConsole.bmp"),
                               QStringLiteral("Ocean.skn")};

using Skin = QList<QByteArray>; // bytes of SkinFiles, in that order

// How a fault is made.
enum class Fault {
    FileSizeLimit,       // ulimit -f in the child: writes past the limit fail
    TinyFilesystem,      // the Skins folder is a small tmpfs: the disk really fills
    ReadOnlySkinsFolder, //
    ReadOnlyFile,        // one existing file of the skin is read-only
    SkinsFolderIsAFile,  //
    OtherOwnersFile,     // a shared (sticky) Skins folder; one file belongs to another user
    BusyFile,            // one file is a mount point: renaming over it fails, nothing warns
    SkinsFolderMissing,  //
    TemplateMissing,     // no DefaultSkin.txt beside the program
    TemplateIsAFolder,   //
};

// How "read-only" is made real for the program. Root writes through permission bits, so as
// root the program runs as an unprivileged user, or behind a read-only bind mount.
enum class Denial { Permissions, OtherUser, ReadOnlyMount, Impossible };

constexpr int Nobody = 65534;

// The system calls that wait until data is on the disk. sync_file_range() is left out: the
// export only starts write-back with it, which waits for nothing.
const QString SyncCalls = QStringLiteral("fsync,fdatasync,syncfs,sync,msync");

} // namespace
Q_DECLARE_METATYPE(Fault)
namespace {

QString quoted(const QString& text) {
    return QRegularExpression::escape(QDir::toNativeSeparators(text));
}

// Every file of `skins`: the five by name (nullopt when absent) and the names of any others.
struct SkinState {
    QList<std::optional<QByteArray>> files;
    QStringList others;
};

SkinState readState(const QString& skins) {
    SkinState state;
    for (const QString& name : SkinFiles)
        state.files.append(readFile(skins + u'/' + name));
    const QStringList entries = QDir(skins).entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (!SkinFiles.contains(entry))
            state.others.append(entry);
    return state;
}

bool writeSkin(const QString& skins, const Skin& skin) {
    if (!QDir().mkpath(skins))
        return false;
    for (qsizetype i = 0; i < SkinFiles.size(); ++i)
        if (!writeFile(skins + u'/' + SkinFiles[i], skin[i]))
            return false;
    return true;
}

void makeWorldReadable(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                    QFileDevice::ExeGroup);
}

} // namespace

class TestExportFaults : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;        // varnel with the build's DefaultSkin.txt beside it
    QString m_noTemplate;     // varnel alone
    QString m_templateFolder; // varnel beside a folder named DefaultSkin.txt
    QString m_newPicture;
    QString m_otherProgram; // makes m_other
    QString m_otherPicture;
    Skin m_old, m_new, m_other;
    bool m_root = false;
    Denial m_denial = Denial::Impossible;
    bool m_canMountTmpfs = false;
    bool m_canTrace = false; // strace can run the program, counting and failing its calls
    int m_case = 0;

    QString config() const { return m_dir.filePath(QStringLiteral("config")); }
    QStringList arguments(const QString& host) const {
        return {QStringLiteral("--export"),
                SkinName,
                QStringLiteral("--hue"),
                QStringLiteral("30"),
                QStringLiteral("--host-folder"),
                host,
                m_newPicture};
    }

    // A skin made by the real program from `picture`, with `extraTemplateLine` appended to
    // the template so that descriptions of two skins differ too.
    Skin makeSkin(const QString& folder, const QString& picture, const QByteArray& templateText) {
        if (!copyProgram(folder) ||
            !writeFile(folder + QStringLiteral("/DefaultSkin.txt"), templateText))
            return {};
        const QString host = folder + QStringLiteral("/Host");
        QDir().mkpath(host + QStringLiteral("/Skins"));
        const Outcome o =
            run(programIn(folder),
                {QStringLiteral("--export"), SkinName, QStringLiteral("--hue"),
                 QStringLiteral("30"), QStringLiteral("--host-folder"), host, picture},
                config());
        if (o.status != 0 || o.crashed)
            return {};
        Skin skin;
        for (const QString& name : SkinFiles)
            skin.append(readFile(host + QStringLiteral("/Skins/") + name).value_or(QByteArray()));
        return skin;
    }

private slots:
    void initTestCase();
    void faultLeavesEarlierSkinWhole_data();
    void faultLeavesEarlierSkinWhole();
    void killedWhileWritingLeavesEveryFileWhole();
    void failedSyncIsReported_data();
    void failedSyncIsReported();
    void saveOfFiveFilesWaitsOnTheDiskAtMostTwice();
    void concurrentExportsLeaveOneWholeSet();
};

void TestExportFaults::initTestCase() {
#ifndef Q_OS_UNIX
    QSKIP("The faults are made with a POSIX shell, file-size limits and signals");
#endif
    QVERIFY(m_dir.isValid());
    makeWorldReadable(m_dir.path());
    QVERIFY(QDir().mkpath(config()));

    // Two different pictures, so that every file of the new skin differs from the old one.
    const QString oldPicture = m_dir.filePath(QStringLiteral("old.bmp"));
    QVERIFY(PictureFixtures::writeFile(
        oldPicture, PictureFixtures::bmp(PictureFixtures::quadrants(QSize(640, 480)),
                                         PictureFixtures::BmpLayout::Rgb24)));
    // Large, so that the program runs long enough for the kill test to land anywhere.
    m_newPicture = m_dir.filePath(QStringLiteral("new.bmp"));
    QVERIFY(PictureFixtures::writeFile(
        m_newPicture, PictureFixtures::bmp(PictureFixtures::noise(QSize(3000, 2000), 11),
                                           PictureFixtures::BmpLayout::Rgb24)));
    makeWorldReadable(m_newPicture);

    const QByteArray templ = defaultTemplate();
    QVERIFY(!templ.isEmpty());
    m_old = makeSkin(m_dir.filePath(QStringLiteral("old-program")), oldPicture,
                     templ + "\r\nOldSkin=1");
    m_program = m_dir.filePath(QStringLiteral("program"));
    m_new = makeSkin(m_program, m_newPicture, templ);
    QCOMPARE(m_old.size(), SkinFiles.size());
    QCOMPARE(m_new.size(), SkinFiles.size());
    for (qsizetype i = 0; i < SkinFiles.size(); ++i)
        QVERIFY2(!m_old[i].isEmpty() && m_old[i] != m_new[i], qPrintable(SkinFiles[i]));
    makeWorldReadable(m_program);
    // A third skin from a small picture, quick to make again and again.
    m_otherPicture = m_dir.filePath(QStringLiteral("other.bmp"));
    QVERIFY(PictureFixtures::writeFile(
        m_otherPicture, PictureFixtures::bmp(PictureFixtures::noise(QSize(640, 480), 5),
                                             PictureFixtures::BmpLayout::Rgb24)));
    m_otherProgram = m_dir.filePath(QStringLiteral("other-program"));
    m_other = makeSkin(m_otherProgram, m_otherPicture, templ + "\r\nOtherSkin=1");
    QCOMPARE(m_other.size(), SkinFiles.size());
    for (qsizetype i = 0; i < SkinFiles.size(); ++i)
        QVERIFY2(m_other[i] != m_old[i] && m_other[i] != m_new[i], qPrintable(SkinFiles[i]));

    m_noTemplate = m_dir.filePath(QStringLiteral("no-template"));
    QVERIFY(copyProgram(m_noTemplate));
    m_templateFolder = m_dir.filePath(QStringLiteral("template-folder"));
    QVERIFY(copyProgram(m_templateFolder));
    QVERIFY(QDir().mkpath(m_templateFolder + QStringLiteral("/DefaultSkin.txt")));

    m_root = shell(QStringLiteral("test \"$(id -u)\" -eq 0")) == 0;
    const QString probe = m_dir.filePath(QStringLiteral("probe"));
    QVERIFY(QDir().mkpath(probe));
    if (!m_root)
        m_denial = Denial::Permissions;
    else if (shell(QStringLiteral("setpriv --reuid=%1 --regid=%1 --clear-groups -- true")
                       .arg(Nobody)) == 0)
        m_denial = Denial::OtherUser;
    else if (shell(QStringLiteral("unshare -m bash -c 'mount --bind -o ro \"$0\" \"$0\" && ! "
                                  "touch \"$0/x\" 2>/dev/null' %1")
                       .arg(probe)) == 0)
        m_denial = Denial::ReadOnlyMount;
    m_canMountTmpfs =
        shell(QStringLiteral("unshare -m mount -t tmpfs -o size=64k varnel-probe %1").arg(probe)) ==
        0;
    m_canTrace = shell(QStringLiteral("strace -f -qq -o /dev/null -e trace=%1 -e "
                                      "inject=fsync:error=EIO -- true")
                           .arg(SyncCalls)) == 0;
    qInfo("running as %s; read-only made by %s; tiny filesystem %s; strace %s",
          m_root ? "root" : "a user",
          m_denial == Denial::Permissions     ? "permission bits"
          : m_denial == Denial::OtherUser     ? "running as uid 65534 (setpriv)"
          : m_denial == Denial::ReadOnlyMount ? "a read-only bind mount (unshare -m)"
                                              : "nothing (those cases are skipped)",
          m_canMountTmpfs ? "available (unshare -m, tmpfs)" : "unavailable",
          m_canTrace ? "available" : "unavailable");
}

void TestExportFaults::faultLeavesEarlierSkinWhole_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("amount");      // blocks for ulimit -f; file index for ReadOnlyFile
    QTest::addColumn<QString>("message"); // pattern; <skins>/ and <program>/: their folders

    const auto notWritten = [](const QString& file, const QString& reason) {
        return QStringLiteral("^The skin could not be saved: <skins>/%1 could not be written "
                              "\\((%2)\\)\\. No file was changed\\.$")
            .arg(file, reason);
    };
    QTest::newRow("full disk: file-size limit of 0 blocks")
        << Fault::FileSizeLimit << 0 << notWritten("OceanMain\\.bmp", "File too large");
    QTest::newRow("full disk: file-size limit of 1000 blocks, below the main bitmap")
        << Fault::FileSizeLimit << 1000 << notWritten("OceanMain\\.bmp", "File too large");
    QTest::newRow("full disk: tmpfs with room for the main bitmap only")
        << Fault::TinyFilesystem << 0 << notWritten("OceanScene\\.bmp", "No space left on device");
    QTest::newRow("read-only skins folder")
        << Fault::ReadOnlySkinsFolder << 0
        << notWritten("OceanMain\\.bmp", "Permission denied|Read-only file system");
    QTest::newRow("read-only existing description")
        << Fault::ReadOnlyFile << 4
        << notWritten("Ocean\\.skn", "Existing file <skins>/Ocean\\.skn is not writable");
    QTest::newRow("read-only existing chat bitmap")
        << Fault::ReadOnlyFile << 2
        << notWritten("OceanChat\\.bmp", "Existing file <skins>/OceanChat\\.bmp is not writable");
    QTest::newRow("shared skins folder, scene bitmap of another user: nothing replaced")
        << Fault::OtherOwnersFile << 1
        << notWritten("OceanScene\\.bmp", "it belongs to another user, and only its owner may "
                                          "replace it in this shared folder");
    QTest::newRow("scene bitmap busy: the main bitmap, already replaced, is put back")
        << Fault::BusyFile << 1 << notWritten("OceanScene\\.bmp", "Device or resource busy");
    QTest::newRow("skins folder is a file")
        << Fault::SkinsFolderIsAFile << 0
        << QStringLiteral("^The skin could not be saved: the Skins folder <skins>/ is a file, "
                          "not a folder\\.$");
    QTest::newRow("skins folder missing")
        << Fault::SkinsFolderMissing << 0
        << QStringLiteral(
               "^The skin could not be saved: the Skins folder <skins>/ does not exist\\.$");
    QTest::newRow("DefaultSkin.txt missing")
        << Fault::TemplateMissing << 0
        << QStringLiteral("^The skin could not be saved: the description template "
                          "<program>/DefaultSkin\\.txt cannot be read \\(No such file or "
                          "directory\\)\\.$");
    QTest::newRow("DefaultSkin.txt is a folder")
        << Fault::TemplateIsAFolder << 0
        << QStringLiteral("^The skin could not be saved: the description template "
                          "<program>/DefaultSkin\\.txt is a folder, not a file\\.$");
}

void TestExportFaults::faultLeavesEarlierSkinWhole() {
    QFETCH(Fault, fault);
    QFETCH(int, amount);
    QFETCH(QString, message);

    const QString root = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
    const QString host = root + QStringLiteral("/Host");
    const QString skins = host + QStringLiteral("/Skins");
    QVERIFY(QDir().mkpath(host));
    QString program = programIn(m_program);
    QStringList wrapper;
    QString stateFolder = skins; // where the files are read back from afterwards
    bool earlierSkin = true;

    const auto denyWrites = [&](const QString& path, bool folder) {
        switch (m_denial) {
        case Denial::Permissions:
        case Denial::OtherUser:
            QFile::setPermissions(
                path,
                folder ? QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther
                       : QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
            if (m_denial == Denial::OtherUser)
                wrapper = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(Nobody),
                           QStringLiteral("--regid=%1").arg(Nobody),
                           QStringLiteral("--clear-groups"), QStringLiteral("--")};
            break;
        case Denial::ReadOnlyMount:
            wrapper = {QStringLiteral("unshare"),
                       QStringLiteral("-m"),
                       QStringLiteral("bash"),
                       QStringLiteral("-c"),
                       QStringLiteral("mount --bind -o ro \"$0\" \"$0\" || exit 97; exec \"$@\""),
                       path};
            break;
        case Denial::Impossible:
            break;
        }
    };

    switch (fault) {
    case Fault::FileSizeLimit:
        QVERIFY(writeSkin(skins, m_old));
        // SIGXFSZ ignored: a write past the limit then fails with EFBIG instead of killing.
        wrapper = {QStringLiteral("bash"), QStringLiteral("-c"),
                   QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(amount)};
        break;
    case Fault::TinyFilesystem: {
        if (!m_canMountTmpfs)
            QSKIP("Cannot mount a tmpfs here (needs root or user namespaces)");
        const QString stash = root + QStringLiteral("/stash");
        stateFolder = root + QStringLiteral("/after");
        QVERIFY(writeSkin(stash, m_old));
        QVERIFY(QDir().mkpath(skins) && QDir().mkpath(stateFolder));
        qint64 room = m_new[0].size() + 64 * 1024; // the main bitmap fits, the scene one not
        for (const QByteArray& file : std::as_const(m_old))
            room += (file.size() + 4095) / 4096 * 4096;
        // The mount lives in the child's namespace only: the skin is put in before the run
        // and copied out after it.
        wrapper = {QStringLiteral("unshare"),
                   QStringLiteral("-m"),
                   QStringLiteral("bash"),
                   QStringLiteral("-c"),
                   QStringLiteral("skins=$0 stash=$1 after=$2; shift 2\n"
                                  "mount -t tmpfs -o size=%1k varnel-full \"$skins\" || exit 97\n"
                                  "cp -a \"$stash\"/. \"$skins\"/ || exit 98\n"
                                  "\"$@\"; status=$?\n"
                                  "cp -a \"$skins\"/. \"$after\"/ || exit 99\n"
                                  "exit $status")
                       .arg(room / 1024),
                   skins,
                   stash,
                   stateFolder};
        break;
    }
    case Fault::ReadOnlySkinsFolder:
        if (m_denial == Denial::Impossible)
            QSKIP("Running as root with neither setpriv nor a private mount namespace");
        QVERIFY(writeSkin(skins, m_old));
        makeWorldReadable(root);
        makeWorldReadable(host);
        for (const QString& name : SkinFiles) // only the folder may refuse
            QFile::setPermissions(skins + u'/' + name,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther);
        denyWrites(skins, true);
        break;
    case Fault::ReadOnlyFile:
        if (m_denial == Denial::Impossible)
            QSKIP("Running as root with neither setpriv nor a private mount namespace");
        QVERIFY(writeSkin(skins, m_old));
        makeWorldReadable(root);
        makeWorldReadable(host);
        // The folder and the other files stay writable for whoever runs the program.
        QFile::setPermissions(skins, QFile::permissions(skins) | QFileDevice::WriteOther |
                                         QFileDevice::ReadOther | QFileDevice::ExeOther);
        for (const QString& name : SkinFiles)
            QFile::setPermissions(skins + u'/' + name,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther);
        denyWrites(skins + u'/' + SkinFiles[amount], false);
        break;
    case Fault::OtherOwnersFile:
        if (m_denial != Denial::OtherUser)
            QSKIP("Needs root and setpriv: the program runs as another user than the file's");
        QVERIFY(writeSkin(skins, m_old));
        makeWorldReadable(root);
        makeWorldReadable(host);
        // Anyone may write every file; all but one belong to the user who saves.
        for (qsizetype i = 0; i < SkinFiles.size(); ++i) {
            const QString file = skins + u'/' + SkinFiles[i];
            QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther);
            if (i != amount)
                QCOMPARE(shell(QStringLiteral("chown %1:%1 '%2'").arg(Nobody).arg(file)), 0);
        }
        QCOMPARE(shell(QStringLiteral("chmod 1777 '%1'").arg(skins)), 0);
        wrapper = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(Nobody),
                   QStringLiteral("--regid=%1").arg(Nobody), QStringLiteral("--clear-groups"),
                   QStringLiteral("--")};
        break;
    case Fault::BusyFile: {
        if (!m_canMountTmpfs)
            QSKIP("Cannot bind-mount here (needs root or user namespaces)");
        QVERIFY(writeSkin(skins, m_old));
        // Renaming over a mount point fails; the file itself stays writable, so nothing
        // before the replacement can tell.
        wrapper = {QStringLiteral("unshare"),
                   QStringLiteral("-m"),
                   QStringLiteral("bash"),
                   QStringLiteral("-c"),
                   QStringLiteral("mount --bind \"$0\" \"$0\" || exit 97; exec \"$@\""),
                   skins + u'/' + SkinFiles[amount]};
        break;
    }
    case Fault::SkinsFolderIsAFile:
        earlierSkin = false;
        QVERIFY(writeFile(skins, "not a folder"));
        break;
    case Fault::SkinsFolderMissing:
        earlierSkin = false;
        break;
    case Fault::TemplateMissing:
        QVERIFY(writeSkin(skins, m_old));
        program = programIn(m_noTemplate);
        break;
    case Fault::TemplateIsAFolder:
        QVERIFY(writeSkin(skins, m_old));
        program = programIn(m_templateFolder);
        break;
    }

    const Outcome o = run(program, arguments(host), config(), wrapper);
    QVERIFY2(o.finished && !o.crashed && o.status == 1, qPrintable(describe(o)));
    QCOMPARE(o.out, QString());
    QVERIFY2(o.err.endsWith(u'\n') && o.err.count(u'\n') == 1, qPrintable(o.err));
    const QString pattern =
        QString(message)
            .replace(QStringLiteral("<skins>/"), quoted(skins + u'/'))
            .replace(QStringLiteral("<program>/"), quoted(QFileInfo(program).path() + u'/'));
    const QString line = o.err.trimmed();
    QVERIFY2(QRegularExpression(pattern).match(line).hasMatch(),
             qPrintable(QStringLiteral("message: %1\nwanted: %2").arg(line, pattern)));

    if (earlierSkin) {
        const SkinState after = readState(stateFolder);
        for (qsizetype i = 0; i < SkinFiles.size(); ++i)
            QVERIFY2(after.files[i] == m_old[i], qPrintable(SkinFiles[i] + " changed"));
        QCOMPARE(after.others, QStringList());
    } else if (fault == Fault::SkinsFolderIsAFile) {
        QCOMPARE(readFile(skins), QByteArray("not a folder"));
        QCOMPARE(QDir(host).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Skins")});
    } else {
        QCOMPARE(QDir(host).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

// The export killed at random moments over an earlier skin of the same name. Each file is
// replaced by a rename of a complete temporary, so a file is always whole, old or new. The
// five renames follow one another, so a kill between two of them leaves a skin whose files
// come from both exports.
void TestExportFaults::killedWhileWritingLeavesEveryFileWhole() {
    const QString host = m_dir.filePath(QStringLiteral("killed"));
    const QString skins = host + QStringLiteral("/Skins");
    const QString program = programIn(m_program);
    const QDateTime longAgo = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    const auto resetSkin = [&] {
        QDir(host).removeRecursively();
        if (!writeSkin(skins, m_old))
            return false;
        // Replaced files show by their modification time.
        for (const QString& name : SkinFiles) {
            QFile file(skins + u'/' + name);
            if (!file.open(QIODevice::ReadWrite) ||
                !file.setFileTime(longAgo, QFileDevice::FileModificationTime))
                return false;
        }
        return true;
    };
    const auto mainReplaced = [&] {
        return QFileInfo(skins + QStringLiteral("/OceanMain.bmp")).lastModified() > longAgo;
    };

    // How long an uninterrupted export takes here; kill moments are spread over it.
    QList<qint64> spans;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(resetSkin());
        QElapsedTimer clock;
        clock.start();
        const Outcome o = run(program, arguments(host), config());
        spans.append(clock.nsecsElapsed() / 1000);
        QVERIFY2(o.status == 0 && !o.crashed, qPrintable(describe(o)));
    }
    std::sort(spans.begin(), spans.end());
    const qint64 span = spans[1];

    struct Counts {
        int runs = 0, allOld = 0, allNew = 0, mixed = 0, finished = 0, leftovers = 0;
        int cleanedUp = 0; // runs after which the next save removed what was left
        QStringList leftoverNames;
    };
    Counts random, atCommit;
    QRandomGenerator rng(20240607);

    const auto killOnce = [&](Counts& counts, bool waitForFirstRename) {
        QVERIFY(resetSkin());
        QProcess process;
        process.setProcessEnvironment(environment(config()));
        const qint64 delay = waitForFirstRename ? rng.bounded(2000) : rng.bounded(span * 11 / 10);
        process.start(program, arguments(host));
        QVERIFY(process.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        if (waitForFirstRename) {
            // The first rename is the start of the window in which the set can be mixed.
            while (!mainReplaced() && process.state() == QProcess::Running &&
                   clock.elapsed() < HangGuardMs)
                ;
        }
        QThread::usleep(delay);
        process.kill();
        QVERIFY(process.waitForFinished(HangGuardMs));
        ++counts.runs;
        if (process.exitStatus() == QProcess::NormalExit) {
            ++counts.finished;
            QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        }

        const SkinState state = readState(skins);
        int olds = 0, news = 0;
        for (qsizetype i = 0; i < SkinFiles.size(); ++i) {
            QVERIFY2(state.files[i], qPrintable(SkinFiles[i] + " is missing"));
            if (*state.files[i] == m_old[i])
                ++olds;
            else if (*state.files[i] == m_new[i])
                ++news;
            else
                QFAIL(qPrintable(SkinFiles[i] + " is neither the old file nor the new one"));
        }
        if (olds == SkinFiles.size())
            ++counts.allOld;
        else if (news == SkinFiles.size())
            ++counts.allNew;
        else
            ++counts.mixed;
        QStringList names;
        for (const QString& name : SkinFiles)
            names.append(QRegularExpression::escape(name));
        const QRegularExpression temporary(
            QStringLiteral("^(%1)\\.varnel-(staged|aside)-\\w{6}$").arg(names.join(u'|')));
        for (const QString& other : state.others) {
            // The lock a killed save held; the next save takes it over.
            if (other == SkinName.toLower() + QStringLiteral(".skn.varnel-lock"))
                continue;
            // A temporary the kill left behind: one of the five names plus Varnel's marker, so the
            // host, which looks for .skn and .bmp files, never reads it.
            QVERIFY2(temporary.match(other).hasMatch(), qPrintable(other));
            ++counts.leftovers;
            counts.leftoverNames.append(other);
        }
        if (state.others.isEmpty())
            return;
        // The next save of the name takes over the lock and removes what the kill left.
        const Outcome again = run(program, arguments(host), config());
        QVERIFY2(again.status == 0 && !again.crashed, qPrintable(describe(again)));
        const SkinState next = readState(skins);
        for (qsizetype i = 0; i < SkinFiles.size(); ++i)
            QVERIFY2(next.files[i] == m_new[i], qPrintable(SkinFiles[i]));
        QCOMPARE(next.others, QStringList());
        ++counts.cleanedUp;
    };

    for (int i = 0; i < 60; ++i) {
        killOnce(random, false);
        if (QTest::currentTestFailed())
            return;
    }
    for (int i = 0; i < 20; ++i) {
        killOnce(atCommit, true);
        if (QTest::currentTestFailed())
            return;
    }

    const auto report = [](const char* what, const Counts& c) {
        qInfo("%s: %d runs: %d all old, %d all new (%d of them finished before the kill), %d "
              "mixed; %d leftover files%s%s; the next save cleaned up after %d runs",
              what, c.runs, c.allOld, c.allNew, c.finished, c.mixed, c.leftovers,
              c.leftovers ? ": " : "", qPrintable(c.leftoverNames.join(u' ')), c.cleanedUp);
    };
    qInfo("an uninterrupted export takes %lld ms here", span / 1000);
    report("killed at a random moment of the run", random);
    report("killed 0-2 ms after the first file was replaced", atCommit);
}

// The disk reports an error when the new files, or the renames, are made durable. strace
// makes the calls fail as a failing disk would.
void TestExportFaults::failedSyncIsReported_data() {
    QTest::addColumn<QString>("failing"); // the system calls that fail with EIO
    QTest::addColumn<bool>("replaced");   // the new skin is in place afterwards
    QTest::addColumn<QString>("message"); // pattern; empty: the save succeeds

    QTest::newRow("the data's sync fails")
        << QStringLiteral("syncfs,fdatasync,fsync") << false
        << QStringLiteral("^The skin could not be saved: <skins>/OceanMain\\.bmp could not be "
                          "written \\(Input/output error\\)\\. No file was changed\\.$");
    QTest::newRow("the folder's sync fails, after the renames")
        << QStringLiteral("fsync") << true
        << QStringLiteral("^The skin could not be saved: <skins>/ could not be written "
                          "\\(Input/output error\\)\\. The 5 files before it were already "
                          "replaced; save the skin again\\.$");
    // An error the volume's sync reports may be another program's: each file's own sync,
    // which succeeds, says that the new files are on the disk.
    QTest::newRow("the volume's sync fails, each file's own succeeds")
        << QStringLiteral("syncfs") << true << QString();
}

void TestExportFaults::failedSyncIsReported() {
    QFETCH(QString, failing);
    QFETCH(bool, replaced);
    QFETCH(QString, message);
    if (!m_canTrace)
        QSKIP("strace cannot run the program here");

    const QString host = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
    const QString skins = host + QStringLiteral("/Skins");
    QVERIFY(writeSkin(skins, m_old));
    const Outcome o =
        run(programIn(m_program), arguments(host), config(),
            {QStringLiteral("strace"), QStringLiteral("-f"), QStringLiteral("-qq"),
             QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
             QStringLiteral("inject=%1:error=EIO").arg(failing), QStringLiteral("--")});
    QVERIFY2(o.finished && !o.crashed && o.status == (message.isEmpty() ? 0 : 1),
             qPrintable(describe(o)));
    if (!message.isEmpty()) {
        const QString pattern =
            QString(message).replace(QStringLiteral("<skins>/"), quoted(skins + u'/'));
        QVERIFY2(QRegularExpression(pattern).match(o.err.trimmed()).hasMatch(),
                 qPrintable(QStringLiteral("message: %1\nwanted: %2").arg(o.err, pattern)));
    }
    const SkinState after = readState(skins);
    for (qsizetype i = 0; i < SkinFiles.size(); ++i)
        QVERIFY2(after.files[i] == (replaced ? m_new[i] : m_old[i]), qPrintable(SkinFiles[i]));
    QCOMPARE(after.others, QStringList());
}

// Each wait on the disk costs a cache flush, milliseconds on a slow disk: the five new files
// are made durable together, then the five renames.
void TestExportFaults::saveOfFiveFilesWaitsOnTheDiskAtMostTwice() {
    if (!m_canTrace)
        QSKIP("strace cannot run the program here");
    const QString host = m_dir.filePath(QStringLiteral("traced"));
    const QString skins = host + QStringLiteral("/Skins");
    QVERIFY(writeSkin(skins, m_old));
    // Where one sync of the volume can stand for the files' own: elsewhere each file is
    // synced by itself.
    const QByteArray type = QStorageInfo(skins).fileSystemType();
    if (!QList<QByteArray>{"ext2", "ext3", "ext4", "xfs", "btrfs", "tmpfs"}.contains(type) ||
        QVersionNumber::fromString(QSysInfo::kernelVersion()) < QVersionNumber(5, 8))
        QSKIP(qPrintable(QStringLiteral("the files are synced one by one on %1, Linux %2")
                             .arg(QString::fromLatin1(type), QSysInfo::kernelVersion())));

    const QString log = m_dir.filePath(QStringLiteral("traced.log"));
    const Outcome o = run(programIn(m_program), arguments(host), config(),
                          {QStringLiteral("strace"), QStringLiteral("-f"), QStringLiteral("-qq"),
                           QStringLiteral("-o"), log, QStringLiteral("-e"),
                           QStringLiteral("trace=%1").arg(SyncCalls), QStringLiteral("--")});
    QVERIFY2(o.finished && !o.crashed && o.status == 0, qPrintable(describe(o)));
    const SkinState after = readState(skins);
    for (qsizetype i = 0; i < SkinFiles.size(); ++i)
        QVERIFY2(after.files[i] == m_new[i], qPrintable(SkinFiles[i]));

    const QString calls = QString::fromLocal8Bit(readFile(log).value_or(QByteArray()));
    // One line per call; a call another thread interrupts is finished on a second line.
    const qsizetype waits = calls.count(u'\n') - calls.count(QStringLiteral("resumed>"));
    QVERIFY2(waits >= 1 && waits <= 2, qPrintable(calls));
}

// Two exports of one name started together, again and again: each waits for the other, so
// the skin left is wholly one of them, never a mix, and both report success.
void TestExportFaults::concurrentExportsLeaveOneWholeSet() {
    const QString host = m_dir.filePath(QStringLiteral("concurrent"));
    const QString skins = host + QStringLiteral("/Skins");
    const QString oldPicture = m_dir.filePath(QStringLiteral("old.bmp"));
    const QStringList oldArguments = {QStringLiteral("--export"),
                                      SkinName,
                                      QStringLiteral("--hue"),
                                      QStringLiteral("30"),
                                      QStringLiteral("--host-folder"),
                                      host,
                                      oldPicture};
    QStringList otherArguments = oldArguments;
    otherArguments.last() = m_otherPicture;

    int oldWon = 0, otherWon = 0;
    constexpr int Trials = 40;
    for (int trial = 0; trial < Trials; ++trial) {
        QDir(host).removeRecursively();
        QVERIFY(writeSkin(skins, m_new));
        QProcess first, second;
        first.setProcessEnvironment(environment(config()));
        second.setProcessEnvironment(environment(config()));
        // Alternate which starts first.
        QProcess& a = trial % 2 ? second : first;
        QProcess& b = trial % 2 ? first : second;
        a.start(programIn(m_dir.filePath(QStringLiteral("old-program"))), oldArguments);
        b.start(programIn(m_otherProgram), otherArguments);
        for (QProcess* p : {&a, &b}) {
            QVERIFY(p->waitForFinished(HangGuardMs));
            QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0,
                     p->readAllStandardError().constData());
        }
        const SkinState state = readState(skins);
        Skin left;
        for (const std::optional<QByteArray>& file : state.files)
            left.append(file.value_or(QByteArray()));
        QVERIFY2(left == m_old || left == m_other, qPrintable(QStringLiteral("trial %1: a mixed "
                                                                             "set")
                                                                  .arg(trial)));
        ++(left == m_old ? oldWon : otherWon);
        QCOMPARE(state.others, QStringList());
    }
    qInfo("%d trials: the skin left was wholly the first's %d times, wholly the other's %d times",
          Trials, oldWon, otherWon);
}

QTEST_GUILESS_MAIN(TestExportFaults)
#include "tst_exportfaults.moc"
