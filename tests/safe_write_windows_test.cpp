// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The safe write on Windows, through its users: what cannot be a report or a
// summary there is refused and everything stays as it was; a replaced file
// leaves nothing beside it, and what a killed write left is cleared unless a
// running write holds it.

#include "model/facility/facility_file.h"
#include "model/files/safe_write.h"
#include "report/report_page.h"
#include "workbook/summary.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace {

std::optional<QString> writeWith(const QString &writer, const QString &path)
{
    QString error;
    if (writer == u"report") {
        report::ReportContent content;
        content.title = QStringLiteral("Lubrication Cost Savings Report");
        return report::exportReportPdf(path, content, &error) ? std::nullopt : std::optional(error);
    }
    if (writer == u"summary")
        return workbook::writeSummary(path, {workbook::SummaryRow{}}, &error) ? std::nullopt : std::optional(error);
    model::FacilityFigures figures;
    for (int i = 0; i < model::kInputCount; ++i)
        figures.figures[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    figures.locale = QStringLiteral("en_US");
    const model::FacilitySaveResult saved = model::saveFacilityFile(path, figures);
    return saved ? std::nullopt : std::optional(saved.message);
}

// Every entry under root with its contents.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        entries << file.fileName() + (file.open(QIODevice::ReadOnly) ? file.readAll().toBase64() : QByteArray());
    }
    entries.sort();
    return entries;
}

} // namespace

class SafeWriteWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void refusedWriteChangesNothing_data();
    void refusedWriteChangesNothing();
    void leftoverOfAKilledWriteIsCleared_data();
    void leftoverOfAKilledWriteIsCleared();
};

void SafeWriteWindowsTest::refusedWriteChangesNothing_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("name"); // in the test's folder
    QTest::addColumn<QString>("phrase");
    const QString device = QStringLiteral("It is a device, not a file");
    QTest::newRow("NUL") << "report"
                         << "NUL" << device;
    QTest::newRow("CON with an extension") << "report"
                                           << "CON.pdf" << device;
    QTest::newRow("a device name in small letters") << "summary"
                                                    << "com1.csv" << device;
    QTest::newRow("LPT1, blank before the extension") << "facility"
                                                      << "lpt1 .velmor" << device;
    QTest::newRow("read-only file") << "report"
                                    << "read-only.pdf"
                                    << "The file is read-only";
    QTest::newRow("folder") << "report"
                            << "folder.pdf"
                            << "A folder of that name is in the way";
    QTest::newRow("facility file as a report") << "report"
                                               << "plant.velmor"
                                               << "Its name is that of a facility file";
    QTest::newRow("a file that is no PDF") << "report"
                                           << "notes.txt"
                                           << "It is not a PDF document";
    QTest::newRow("missing folder") << "summary"
                                    << "no\\such\\sum.csv"
                                    << "does not exist";
}

void SafeWriteWindowsTest::refusedWriteChangesNothing()
{
    QFETCH(QString, writer);
    QFETCH(QString, name);
    QFETCH(QString, phrase);
    QTemporaryDir dir;
    QVERIFY(!writeWith(QStringLiteral("facility"), dir.filePath(QStringLiteral("plant.velmor"))));
    QVERIFY(!writeWith(QStringLiteral("report"), dir.filePath(QStringLiteral("read-only.pdf"))));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("read-only.pdf")), QFileDevice::ReadOwner));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
    QFile notes(dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("Notes from the plant visit\n") > 0);
    notes.close();
    const QStringList before = snapshot(dir.path());

    const std::optional<QString> failure = writeWith(writer, dir.filePath(name));
    QVERIFY2(failure, "the write was reported as done");
    QVERIFY2(failure->contains(phrase), qPrintable(*failure));
    QCOMPARE(snapshot(dir.path()), before);
    QFile::setPermissions(dir.filePath(QStringLiteral("read-only.pdf")), QFileDevice::WriteOwner);
}

void SafeWriteWindowsTest::leftoverOfAKilledWriteIsCleared_data()
{
    QTest::addColumn<bool>("held");
    QTest::newRow("left by a killed write") << false;
    QTest::newRow("held by a running write") << true;
}

void SafeWriteWindowsTest::leftoverOfAKilledWriteIsCleared()
{
    QFETCH(bool, held);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("old.pdf"));
    const QString beside = target + QStringLiteral(".QmzXaP");
    QVERIFY(!writeWith(QStringLiteral("report"), target) && QFile::copy(target, beside));
    // A running write holds its file open without sharing.
    const HANDLE holder = held
                              ? CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(beside).utf16()),
                                            GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                              : INVALID_HANDLE_VALUE;
    QCOMPARE(holder != INVALID_HANDLE_VALUE, held);

    QVERIFY(!writeWith(QStringLiteral("report"), target));
    if (held)
        CloseHandle(holder);
    QCOMPARE(QFileInfo::exists(beside), held);
    // Besides the leftover, nothing but the report.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), held ? 2 : 1);
}

QTEST_MAIN(SafeWriteWindowsTest)
#include "safe_write_windows_test.moc"
