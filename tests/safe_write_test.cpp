// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The one way files are written, through its users, the facility file, the
// PDF report and the summary as CSV and as a workbook: a write that cannot
// finish, and a target that must not be replaced, leave everything as it was
// and say why; a write that works keeps the replaced file's permissions and
// links, clears what a killed write left and reaches the disk.

#include "model/facility/facility_file.h"
#include "model/files/safe_write.h"
#include "model/text/message_text.h"
#include "report/report_page.h"
#include "workbook/summary.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <string_view>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Folders flushed by fsync(), which fails for them as a failing disk does
// when asked to.
int foldersFlushed = 0;
bool folderFlushFails = false;

} // namespace

// In place of the C library's, for the program linked in here.
extern "C" int fsync(int handle)
{
    struct stat status {};
    if (fstat(handle, &status) == 0 && S_ISDIR(status.st_mode)) {
        ++foldersFlushed;
        if (folderFlushFails) {
            errno = EIO;
            return -1;
        }
    }
    return int(syscall(SYS_fsync, handle));
}

namespace {

model::FacilityFigures defaultFigures()
{
    model::FacilityFigures figures;
    for (int i = 0; i < model::kInputCount; ++i)
        figures.figures[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    figures.locale = QStringLiteral("en_US");
    return figures;
}

report::ReportContent sampleReport()
{
    report::ReportContent content;
    content.title = QStringLiteral("Lubrication Cost Savings Report");
    content.customer = QStringLiteral("Riverside Paper Mill");
    return content;
}

// Writes with the named user of the safe write; the message when it failed.
std::optional<QString> writeWith(const QString &writer, const QString &path)
{
    if (writer == u"report") {
        QString error;
        return report::exportReportPdf(path, sampleReport(), &error) ? std::nullopt : std::optional(error);
    }
    if (writer == u"csv" || writer == u"xlsx") {
        QString error;
        return workbook::writeSummary(path, {workbook::SummaryRow{}}, &error) ? std::nullopt : std::optional(error);
    }
    const model::FacilitySaveResult saved = model::saveFacilityFile(path, defaultFigures());
    return saved ? std::nullopt : std::optional(saved.message);
}

// Every entry under root: its type, permission bits, link target and contents.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat status {};
        lstat(QFile::encodeName(path).constData(), &status);
        QString entry = QStringLiteral("%1 %2 %3").arg(path).arg(status.st_mode, 0, 8).arg(QFile::symLinkTarget(path));
        QFile file(path);
        if (S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly))
            entry += QString::fromLatin1(file.readAll().toBase64());
        entries << entry;
    }
    entries.sort();
    return entries;
}

// A name the writer writes: the summary's kind is that of its suffix.
QString nameFor(const QString &writer, const char *stem)
{
    return QString::fromLatin1(stem) + (writer == u"csv" || writer == u"xlsx" ? u'.' + writer : QString());
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs write with the file size limited to limit bytes: as on a full disk,
// a write stops part way. Root meets the limit too.
template <typename Write>
auto withFileSizeLimit(rlim_t limit, Write write)
{
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &limited);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

} // namespace

class SafeWriteTest : public QObject {
    Q_OBJECT
private slots:
    void refusedOrFailedWriteChangesNothing_data();
    void refusedOrFailedWriteChangesNothing();
    void replacedFileKeepsItsPlace_data();
    void replacedFileKeepsItsPlace();
    void hiddenCharactersAreShownEscaped_data();
    void hiddenCharactersAreShownEscaped();
    void leftoverOfAKilledWriteIsCleared_data();
    void leftoverOfAKilledWriteIsCleared();
    void newNameIsFlushedToTheDisk_data();
    void newNameIsFlushedToTheDisk();
};

void SafeWriteTest::refusedOrFailedWriteChangesNothing_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("phrase");

    struct Row {
        const char *target;
        const char *phrase;
        const char *writers;
    };
    const char *const every = "report facility csv xlsx";
    const Row rows[] = {
        {"full disk", "File too large", "report facility csv"},
        {"device", "It is a device, not a file", every},
        {"fifo", "It is a pipe (FIFO), not a file", every},
        {"socket", "It is a socket, not a file", every},
        {"folder", "A folder of that name is in the way", every},
        {"read-only file", "The file is read-only", every},
        {"link loop", "Too many levels of symbolic links", every},
        {"dangling link", "a link to a file that does not exist", every},
        {"missing folder", "does not exist", every},
        {"not a PDF", "It is not a PDF document, so it is not replaced", "report"},
        {"facility file name", "Its name is that of a facility file", "report"},
        {"link to a facility file", "whose name is that of a facility file", "report csv xlsx"},
        {"facility file under another name", "It holds JSON as a facility file does", "report csv xlsx"},
        {"binary file", "It is not a CSV file", "csv"},
        {"PDF document", "It is not a CSV file", "csv"},
    };
    for (const char *writer : {"report", "facility", "csv", "xlsx"}) {
        for (const Row &row : rows) {
            if (std::string_view(row.writers).find(writer) != std::string_view::npos) {
                QTest::addRow("%s: %s", writer, row.target)
                    << QString::fromLatin1(writer) << QString::fromLatin1(row.target) << QString::fromUtf8(row.phrase);
            }
        }
    }
}

void SafeWriteTest::refusedOrFailedWriteChangesNothing()
{
    QFETCH(QString, writer);
    QFETCH(QString, target);
    QFETCH(QString, phrase);

    QTemporaryDir dir;
    const QString name = writer == u"report"     ? QStringLiteral("old.pdf")
                         : writer == u"facility" ? QStringLiteral("plant.velmor")
                                                 : nameFor(writer, "old");
    QString path = dir.filePath(name);
    // Each row but the special files starts from a good earlier file.
    QVERIFY(!writeWith(writer, path));
    const QByteArray encoded = QFile::encodeName(path);
    int listening = -1;
    // The summary's writers need a name of their kind: a link to the device.
    if (target == u"device" && (writer == u"report" || writer == u"facility")) {
        path = QStringLiteral("/dev/full");
    } else if (target == u"device") {
        QVERIFY(QFile::remove(path) && QFile::link(QStringLiteral("/dev/full"), path));
    } else if (target == u"fifo" || target == u"socket" || target == u"folder" || target == u"link loop"
               || target == u"dangling link") {
        QVERIFY(QFile::remove(path));
        if (target == u"fifo") {
            QCOMPARE(mkfifo(encoded.constData(), 0600), 0);
        } else if (target == u"socket") {
            listening = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            QVERIFY(std::size_t(encoded.size()) < sizeof address.sun_path);
            std::copy(encoded.begin(), encoded.end(), address.sun_path);
            QCOMPARE(bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        } else if (target == u"folder") {
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        } else if (target == u"link loop") {
            QCOMPARE(symlink(encoded.constData(), encoded.constData()), 0);
        } else {
            QCOMPARE(symlink("nowhere", encoded.constData()), 0);
        }
    } else if (target == u"read-only file") {
        QCOMPARE(chmod(encoded.constData(), 0444), 0);
    } else if (target == u"missing folder") {
        path = dir.filePath(QStringLiteral("no/such/") + name);
    } else if (target == u"not a PDF") {
        path = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeBytes(path, "Notes from the plant visit\n"));
    } else if (target == u"facility file name") {
        path = dir.filePath(QStringLiteral("plant.VELMOR"));
        QVERIFY(!writeWith(QStringLiteral("facility"), path));
    } else if (target == u"link to a facility file") {
        const QString facility = dir.filePath(QStringLiteral("plant.velmor"));
        QVERIFY(!writeWith(QStringLiteral("facility"), facility));
        QVERIFY(QFile::remove(path) && QFile::link(facility, path));
    } else if (target == u"facility file under another name") {
        QVERIFY(!writeWith(QStringLiteral("facility"), path));
    } else if (target == u"binary file") {
        QVERIFY(writeBytes(path, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    } else if (target == u"PDF document") {
        QVERIFY(QFile::remove(path) && !writeWith(QStringLiteral("report"), path));
    }
    const QStringList before = snapshot(dir.path());

    const std::optional<QString> failure = target == u"full disk"
                                               ? withFileSizeLimit(64, [&] { return writeWith(writer, path); })
                                               : writeWith(writer, path);
    if (listening >= 0)
        close(listening);

    QVERIFY2(failure, "the write was reported as done");
    QVERIFY2(failure->contains(QFileInfo(path).fileName()), qPrintable(*failure));
    QVERIFY2(failure->contains(phrase), qPrintable(*failure));
    QCOMPARE(snapshot(dir.path()), before);
    if (target == u"device")
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
}

void SafeWriteTest::replacedFileKeepsItsPlace_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("kind");
    for (const char *writer : {"report", "facility", "csv", "xlsx"}) {
        for (const char *kind : {"group-readable file", "link to a file", "empty file"})
            QTest::addRow("%s: %s", writer, kind) << QString::fromLatin1(writer) << QString::fromLatin1(kind);
    }
}

void SafeWriteTest::replacedFileKeepsItsPlace()
{
    QFETCH(QString, writer);
    QFETCH(QString, kind);

    QTemporaryDir dir;
    const QString file = dir.filePath(nameFor(writer, "kept"));
    QString path = file;
    mode_t mode = 0640;
    if (kind == u"empty file") {
        QVERIFY(writeBytes(file, {}));
        mode = 0600;
    } else {
        QVERIFY(!writeWith(writer, file));
    }
    QCOMPARE(chmod(QFile::encodeName(file).constData(), mode), 0);
    if (kind == u"link to a file") {
        path = dir.filePath(nameFor(writer, "link"));
        QVERIFY(QFile::link(file, path));
    }

    const std::optional<QString> failure = writeWith(writer, path);
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    struct stat status {};
    QCOMPARE(stat(QFile::encodeName(file).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode);
    QVERIFY(status.st_size > 0);
    if (kind == u"link to a file")
        QCOMPARE(QFile::symLinkTarget(path), file);
    // Nothing beside the file.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
             kind == u"link to a file" ? 2 : 1);
}

void SafeWriteTest::hiddenCharactersAreShownEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QStringLiteral("plant.velmor") << QStringLiteral("\u201Cplant.velmor\u201D");
    QTest::newRow("NUL") << QStringLiteral("de").append(QChar(0)).append(u"DE")
                         << QStringLiteral("\u201Cde\\0DE\u201D");
    QTest::newRow("line break and tab") << QStringLiteral("a\nb\tc") << QStringLiteral("\u201Ca\\nb\\tc\u201D");
    QTest::newRow("escape") << QStringLiteral("\x1B[2J") << QStringLiteral("\u201C\\x1B[2J\u201D");
    QTest::newRow("right-to-left override")
        << QStringLiteral("fdp.\u202Eexe") << QStringLiteral("\u201Cfdp.\\u202Eexe\u201D");
    QTest::newRow("letters of other scripts stay")
        << QStringLiteral("Zürich 工厂") << QStringLiteral("\u201CZürich 工厂\u201D");
}

void SafeWriteTest::hiddenCharactersAreShownEscaped()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(model::quotedForMessage(text), shown);
}

// clang-format off
void SafeWriteTest::leftoverOfAKilledWriteIsCleared_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("leftover"); // beside plant.velmor or old.pdf
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("cleared");
    const QString stale = QStringLiteral("plant.velmor.kTqWzB");
    QTest::newRow("left by a killed write") << "facility" << stale << "file" << true;
    QTest::newRow("held by a running write") << "facility" << stale << "locked" << false;
    QTest::newRow("PDF left by a killed write") << "report" << "old.pdf.QmzXaP" << "PDF" << true;
    QTest::newRow("not what a PDF replaces") << "report" << "old.pdf.QmzXaP" << "file" << false;
    QTest::newRow("a name a user gave") << "facility" << "plant.velmor.backup" << "file" << false;
    QTest::newRow("another file's") << "facility" << "other.velmor.kTqWzB" << "file" << false;
    QTest::newRow("a link") << "facility" << stale << "link" << false;
}
// clang-format on

void SafeWriteTest::leftoverOfAKilledWriteIsCleared()
{
    QFETCH(QString, writer);
    QFETCH(QString, leftover);
    QFETCH(QString, kind);
    QFETCH(bool, cleared);
    QTemporaryDir dir;
    const QString target = dir.filePath(writer == u"report" ? "old.pdf" : "plant.velmor");
    const QString beside = dir.filePath(leftover);
    QVERIFY(!writeWith(writer, target) && writeBytes(beside, kind == u"PDF" ? "%PDF-1.4 cut" : "{}"));
    QFile held(beside);
    QVERIFY(held.open(QIODevice::ReadOnly) && (kind != u"locked" || flock(held.handle(), LOCK_EX) == 0));
    if (kind == u"link")
        QVERIFY(QFile::rename(beside, target + u'2') && QFile::link(target + u'2', beside));

    QVERIFY(!writeWith(writer, target));
    QCOMPARE(!QFileInfo(beside).exists() && !QFileInfo(beside).isSymLink(), cleared);
}

void SafeWriteTest::newNameIsFlushedToTheDisk_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("fails");
    for (const char *writer : {"report", "facility", "csv"}) {
        QTest::addRow("%s: flushed", writer) << QString::fromLatin1(writer) << false;
        QTest::addRow("%s: the disk fails", writer) << QString::fromLatin1(writer) << true;
    }
}

void SafeWriteTest::newNameIsFlushedToTheDisk()
{
    QFETCH(QString, writer);
    QFETCH(bool, fails);
    QTemporaryDir dir;
    const QString path = dir.filePath(nameFor(writer, "new"));
    foldersFlushed = 0;
    folderFlushFails = fails;
    const std::optional<QString> failure = writeWith(writer, path);
    folderFlushFails = false;

    QVERIFY(foldersFlushed > 0);
    // Failing after the rename, the write says that the new file is in place.
    QCOMPARE(failure.value_or(QString()).contains(u"is in place, but the system did not confirm"), fails);
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

QTEST_MAIN(SafeWriteTest)
#include "safe_write_test.moc"
