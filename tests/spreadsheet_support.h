// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// A real spreadsheet for the tests: LibreOffice Calc, headless, opens a file
// (recalculating what it holds) and writes its first sheet back as CSV with
// every number as its plain value and every text in quotation marks, so a
// test can tell which cells it took as numbers.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <optional>

inline bool spreadsheetInstalled() { return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

// Set by make test once LibreOffice Calc is installed: from then on a
// missing spreadsheet is a fault, not a reason to leave its checks out.
inline bool spreadsheetRequired() { return qEnvironmentVariableIntValue("VELMOR_REQUIRE_SPREADSHEET") != 0; }

// Every check that needs LibreOffice starts with this: without it the check
// is skipped where a developer runs the tests by hand, and fails where the
// spreadsheet is required.
#define REQUIRE_SPREADSHEET()                                                                                 \
    do {                                                                                                      \
        if (!spreadsheetInstalled()) {                                                                        \
            if (spreadsheetRequired())                                                                        \
                QFAIL("LibreOffice Calc (soffice) is missing, and VELMOR_REQUIRE_SPREADSHEET requires it.");  \
            QSKIP("LibreOffice Calc (soffice) is not installed: make test installs libreoffice-calc-nogui."); \
        }                                                                                                     \
    } while (false)

// Makes a LibreOffice profile in folder that computes every formula of an
// .xlsx it loads; left to itself it shows the results saved beside the
// formulas, and a wrong formula goes unseen. Returns the argument that makes
// LibreOffice use it, or an empty text when it could not be made.
inline QString recalculatingProfile(const QString &folder)
{
    if (!QDir().mkpath(folder + QStringLiteral("/user")))
        return QString();
    QFile settings(folder + QStringLiteral("/user/registrymodifications.xcu"));
    if (!settings.open(QIODevice::WriteOnly))
        return QString();
    settings.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)");
    if (!settings.flush())
        return QString();
    return QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder).toString();
}

// The rows of the sheet LibreOffice reads from file with the import filter
// (empty: chosen by the file's type); nothing when it could not.
inline std::optional<QStringList> spreadsheetRows(const QString &file, const QString &importFilter = QString())
{
    QTemporaryDir work;
    const QString profile = recalculatingProfile(work.filePath(QStringLiteral("profile")));
    if (profile.isEmpty())
        return std::nullopt;
    QStringList arguments{profile, QStringLiteral("--headless")};
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
