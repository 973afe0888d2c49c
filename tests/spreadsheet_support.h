// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// A real spreadsheet for the tests: LibreOffice Calc, headless, opens a file
// (recalculating what it holds) and writes its first sheet back as CSV with
// every number as its plain value and every text in quotation marks, so a
// test can tell which cells it took as numbers.

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

inline bool spreadsheetInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

// The rows of the sheet LibreOffice reads from file with the import filter
// (empty: chosen by the file's type); nothing when it could not.
inline std::optional<QStringList> spreadsheetRows(const QString &file, const QString &importFilter = QString())
{
    QTemporaryDir work;
    QStringList arguments{QStringLiteral("-env:UserInstallation=file://%1/profile").arg(work.path()),
                          QStringLiteral("--headless")};
    if (!importFilter.isEmpty())
        arguments << QStringLiteral("--infilter=%1").arg(importFilter);
    // Comma-separated, UTF-8, texts quoted, numbers as their values.
    arguments << QStringLiteral("--convert-to")
              << QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true,false")
              << QStringLiteral("--outdir") << work.filePath(QStringLiteral("out")) << file;
    QProcess office;
    office.start(QStringLiteral("soffice"), arguments);
    if (!office.waitForFinished(120000) || office.exitCode() != 0)
        return std::nullopt;
    QFile csv(QDir(work.filePath(QStringLiteral("out"))).filePath(QFileInfo(file).completeBaseName() + ".csv"));
    if (!csv.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
