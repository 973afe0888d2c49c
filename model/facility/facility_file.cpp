// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/facility_file.h"

#include "model/costs/model_text.h"
#include "model/facility/facility_case_json.h"
#include "model/facility/facility_records_json.h"
#include "model/facility/facility_text_members.h"
#include "model/files/json_text.h"
#include "model/files/safe_write.h"
#include "model/finance/records_risk.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"
#include "model/text/regional_digits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <utility>
#include <vector>

namespace model {
namespace {

// The members of "report", in the order they are written.
const TextMember<ReportDetails> kReportMembers[] = {
    {QLatin1StringView("customer"), &ReportDetails::customer, QT_TRANSLATE_NOOP("FacilityFile", "customer")},
    {QLatin1StringView("site"), &ReportDetails::site, QT_TRANSLATE_NOOP("FacilityFile", "site")},
    {QLatin1StringView("preparedBy"), &ReportDetails::preparedBy, QT_TRANSLATE_NOOP("FacilityFile", "prepared by")},
};
// The objects' names in messages, for all their members and for one.
const char kReportDetails[] = QT_TRANSLATE_NOOP("FacilityFile", "report details");
const char kReportDetail[] = QT_TRANSLATE_NOOP("FacilityFile", "report detail");
// Where a version 1 file kept the system price.
const TextMember<InvestmentTexts> kVersion1Price{QLatin1StringView("systemPrice"), &InvestmentTexts::systemPrice,
                                                 QT_TRANSLATE_NOOP("FacilityFile", "system price")};

// The file's name as messages show it: the name alone, or the path as the
// user typed it when it has no name part ("plans/").
QString shownName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

// A text from the file, cut for a message.
QString shortened(const QString &text)
{
    constexpr qsizetype kShown = 32;
    return text.size() <= kShown ? text : text.left(kShown) + u'\u2026';
}

FacilityReadResult readFailure(const QString &message) { return {std::nullopt, message}; }

QString openFailed(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("FacilityFile", "Could not open %1. %2")
        .arg(quotedForMessage(shownName(path)), reason);
}

QString saveFailed(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("FacilityFile", "Could not save %1. %2")
        .arg(quotedForMessage(shownName(path)), asSentence(reason));
}

QString figureCaption(int index) { return quotedForMessage(model::inputText(kInputs[index].caption).trimmed()); }

// The names Qt gives back unchanged are those it knows; others would quietly
// fall back to other settings and read the figures by the wrong rules.
bool isKnownLocaleName(const QString &name) { return !name.isEmpty() && QLocale(name).name() == name; }

// Why a currency cannot be kept, or nothing: only a symbol as the window
// takes it (readCurrencySymbol()) comes back the same.
std::optional<QString> unfitCurrency(const CurrencyUnits &currency)
{
    const CurrencySymbolReading symbol = readCurrencySymbol(currency.symbol);
    if (!symbol.symbol)
        return QCoreApplication::translate("FacilityFile", "The currency symbol %1 is not valid. %2")
            .arg(quotedForMessage(shortened(currency.symbol)), symbol.message);
    if (*symbol.symbol != currency.symbol)
        return QCoreApplication::translate("FacilityFile", "The currency symbol %1 is not valid.")
            .arg(quotedForMessage(shortened(currency.symbol)));
    return std::nullopt;
}

// Reads "currency" into currency; the message when it is not valid.
std::optional<QString> readCurrency(const QJsonValue &value, CurrencyUnits &currency)
{
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return QCoreApplication::translate("FacilityFile", "The file's currency and units are not valid.");
    const QJsonObject object = value.toObject();
    const QJsonValue symbol = object.value(QLatin1StringView("symbol"));
    if (!symbol.isUndefined()) {
        if (!symbol.isString())
            return QCoreApplication::translate("FacilityFile", "The currency symbol is not a text.");
        // Taken as the window takes a typed symbol: " € " is "€", "" is "$".
        const CurrencySymbolReading read = readCurrencySymbol(symbol.toString());
        if (!read.symbol)
            return QCoreApplication::translate("FacilityFile", "The currency symbol %1 is not valid. %2")
                .arg(quotedForMessage(shortened(symbol.toString())), read.message);
        currency.symbol = *read.symbol;
    }
    const QJsonValue units = object.value(QLatin1StringView("units"));
    if (!units.isUndefined()) {
        const std::optional<Units> named = units.isString() ? unitsNamed(units.toString()) : std::nullopt;
        if (!named)
            return QCoreApplication::translate("FacilityFile", "The units are neither \"imperial\" nor \"metric\".");
        currency.units = *named;
    }
    return std::nullopt;
}

// What keeps these figures from being kept in a file and opened again
// unchanged, or nothing; json receives the file's bytes. Reading and saving
// both refuse such figures, so that whatever opens can be saved again.
std::optional<QString> unfitFigures(const FacilityFigures &figures, QByteArray &json)
{
    if (!isKnownLocaleName(figures.locale)) {
        return QCoreApplication::translate("FacilityFile",
                                           "The figures were typed in regional settings that are not known here (%1).")
            .arg(quotedForMessage(shortened(figures.locale)));
    }
    for (int i = 0; i < kInputCount; ++i) {
        const QString &text = figures.figures[i];
        if (const auto why = unfitText(text, kFieldTextMaxLength))
            return QCoreApplication::translate("FacilityFile", "The figure for %1 %2.").arg(figureCaption(i), *why);
        // A field drops what cannot be seen (a control character, a line
        // break at either end), which would quietly make it another text.
        if (visibleFieldText(text) != text) {
            return QCoreApplication::translate("FacilityFile",
                                               "The figure for %1 holds characters an input field cannot show.")
                .arg(figureCaption(i));
        }
    }
    for (const auto &member : kReportMembers) {
        if (const auto why = unfitText(figures.report.*member.text, kReportDetailMaxLength))
            return QCoreApplication::translate("FacilityFile", "The report detail %1 %2.")
                .arg(quotedForMessage(QCoreApplication::translate("FacilityFile", member.shownAs)), *why);
    }
    if (const auto why = unfitOption(selectedOption(figures)))
        return why;
    if (figures.otherOptions.size() > std::size_t(kMaxOtherOptions))
        return QCoreApplication::translate("FacilityFile", "The file holds more options than the case weighs.");
    for (const CaseOption &option : figures.otherOptions) {
        if (const auto why = unfitOption(option))
            return QCoreApplication::translate("FacilityFile", "The option %1: %2")
                .arg(quotedForMessage(shortened(option.name)), *why);
    }
    if (const auto why = unfitCurrency(figures.currency))
        return why;
    // Escapes and indentation can make the written file longer than the one read.
    json = toFacilityJson(figures);
    if (json.size() > kFacilityFileMaxBytes)
        return QCoreApplication::translate("FacilityFile",
                                           "The figures are too long for a facility file, which holds at most 64 KiB.");
    return std::nullopt;
}

} // namespace

QByteArray toFacilityJson(const FacilityFigures &figures)
{
    // Written by hand rather than through QJsonObject, which sorts its keys:
    // the format comes first, so that the file says what it is at its start.
    QByteArray out;
    out += "{\n    \"format\": ";
    out += jsonString(QString::fromLatin1(kFacilityFormat));
    out += ",\n    \"version\": ";
    out += QByteArray::number(needsCaseMembers(figures) ? kFacilityFormatVersion : 5);
    out += ",\n    \"locale\": ";
    out += jsonString(figures.locale);
    out += ",\n    \"figures\": [\n";
    for (int i = 0; i < kInputCount; ++i) {
        out += "        ";
        out += jsonString(figures.figures[i]);
        out += i + 1 < kInputCount ? ",\n" : "\n";
    }
    out += "    ]";
    writeTextObject(out, "report", kReportMembers, figures.report);
    writeInvestmentObject(out, figures.investment);
    writeCapitalObject(out, figures.capital);
    writeReductionsObject(out, figures.assumptions.reductionPercent);
    out += ",\n    \"currency\": {\n        \"symbol\": ";
    out += jsonString(figures.currency.symbol);
    out += ",\n        \"units\": ";
    out += jsonString(unitsName(figures.currency.units));
    out += "\n    }";
    if (figures.records)
        writeRecordsMember(out, *figures.records);
    if (figures.risk)
        writeRiskMember(out, *figures.risk);
    writeCaseMembers(out, figures);
    out += "\n}\n";
    return out;
}

FacilityReadResult readFacilityJson(const QByteArray &bytes)
{
    if (bytes.size() > kFacilityFileMaxBytes)
        return readFailure(QCoreApplication::translate(
            "FacilityFile", "The file is larger than 64 KiB, too large for a facility file."));

    // QJsonDocument would replace malformed UTF-8 and read on.
    if (!QUtf8StringView(bytes).isValidUtf8())
        return readFailure(QCoreApplication::translate("FacilityFile", "The file is not UTF-8 text."));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return readFailure(QCoreApplication::translate(
                               "FacilityFile", "The file is not a facility file: it is not JSON (%1 at byte %2).")
                               .arg(parseError.errorString())
                               .arg(parseError.offset + 1));
    }
    if (const std::optional<QString> key = firstDuplicateKey(bytes))
        return readFailure(QCoreApplication::translate("FacilityFile", "The file holds the key %1 twice.")
                               .arg(quotedForMessage(shortened(*key))));
    const QJsonObject root = document.object();
    if (!document.isObject()
        || root.value(QLatin1StringView("format")).toString() != QLatin1StringView(kFacilityFormat))
        return readFailure(QCoreApplication::translate("FacilityFile", "The file is not a facility file."));

    const QJsonValue version = root.value(QLatin1StringView("version"));
    const double versionNumber = version.toDouble(-1);
    if (!version.isDouble() || !(versionNumber >= 1) || versionNumber != std::floor(versionNumber))
        return readFailure(QCoreApplication::translate("FacilityFile", "The file has no valid version number."));
    if (versionNumber > kFacilityFormatVersion)
        return readFailure(
            QCoreApplication::translate("FacilityFile", "The file was saved by a newer version of this program."));

    FacilityFigures result;

    const QJsonValue locale = root.value(QLatin1StringView("locale"));
    if (!locale.isString())
        return readFailure(QCoreApplication::translate(
            "FacilityFile", "The file does not say in which regional settings its figures were typed."));
    result.locale = locale.toString();

    const QJsonValue figures = root.value(QLatin1StringView("figures"));
    if (!figures.isArray())
        return readFailure(QCoreApplication::translate("FacilityFile", "The file holds no figures."));
    const QJsonArray list = figures.toArray();
    if (list.size() != kInputCount) {
        const QString held = list.size() == 1
                                 ? QCoreApplication::translate("FacilityFile", "one figure")
                                 : QCoreApplication::translate("FacilityFile", "%1 figures").arg(list.size());
        return readFailure(
            QCoreApplication::translate("FacilityFile", "The file holds %1 instead of %2.").arg(held).arg(kInputCount));
    }
    for (int i = 0; i < kInputCount; ++i) {
        if (!list[i].isString())
            return readFailure(
                QCoreApplication::translate("FacilityFile", "The figure for %1 is not a text.").arg(figureCaption(i)));
        result.figures[i] = list[i].toString();
    }

    const QJsonValue report = root.value(QLatin1StringView("report"));
    if (const auto why = readTextObject(report, kReportDetails, kReportDetail, kReportMembers, result.report))
        return readFailure(*why);
    if (versionNumber == 1) {
        const TextMember<InvestmentTexts> price[] = {kVersion1Price};
        if (const auto why = readTextObject(report, kReportDetails, kReportDetail, price, result.investment))
            return readFailure(*why);
    } else {
        if (const auto why = readInvestmentObject(root.value(QLatin1StringView("investment")), result.investment))
            return readFailure(*why);
        if (const auto why =
                readReductionsObject(root.value(QLatin1StringView("assumptions")), result.assumptions.reductionPercent))
            return readFailure(*why);
    }
    if (versionNumber >= 3) {
        if (const auto why = readCurrency(root.value(QLatin1StringView("currency")), result.currency))
            return readFailure(*why);
    }
    if (versionNumber >= 4) {
        if (const auto why = readCapitalObject(root.value(QLatin1StringView("capital")), result.capital))
            return readFailure(*why);
    }
    if (versionNumber >= 5) {
        if (const auto why = readRecordsMember(root.value(QLatin1StringView("records")), result.records))
            return readFailure(*why);
        if (const auto why = readRiskMember(root.value(QLatin1StringView("risk")), result.risk))
            return readFailure(*why);
    }
    if (versionNumber >= 6) {
        if (const auto why = readCaseMembers(root, result))
            return readFailure(*why);
    }
    if (QByteArray json; const auto why = unfitFigures(result, json))
        return readFailure(*why);
    return {std::move(result), QString()};
}

FacilityReadResult openFacilityFile(const QString &path)
{
    if (path.isEmpty())
        return readFailure(
            QCoreApplication::translate("FacilityFile", "Could not open the figures. No file name was given."));

    // Asked before opening: opening a pipe would wait for a writer, and
    // reading a device or a huge file would not end soon.
    const QFileInfo info(path);
    if (!info.exists())
        return readFailure(openFailed(path, missingFileText(path)));
    if (info.isDir())
        return readFailure(
            openFailed(path, QCoreApplication::translate("FacilityFile", "It is a folder, not a file.")));
    if (!info.isFile())
        return readFailure(openFailed(path, QCoreApplication::translate("FacilityFile", "It is not a regular file.")));
    const QString tooLarge =
        QCoreApplication::translate("FacilityFile", "The file is larger than 64 KiB, too large for a facility file.");
    if (info.size() > kFacilityFileMaxBytes)
        return readFailure(openFailed(path, tooLarge));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return readFailure(
            openFailed(path, QCoreApplication::translate("FacilityFile", "The file could not be read: %1")
                                 .arg(asSentence(file.errorString()))));
    }
    // One byte more than allowed tells a file that grew since it was asked.
    const QByteArray bytes = file.read(kFacilityFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return readFailure(
            openFailed(path, QCoreApplication::translate("FacilityFile", "The file could not be read: %1")
                                 .arg(asSentence(file.errorString()))));
    }
    if (bytes.size() > kFacilityFileMaxBytes)
        return readFailure(openFailed(path, tooLarge));

    FacilityReadResult result = readFacilityJson(bytes);
    if (!result)
        result.message = openFailed(path, result.message);
    return result;
}

FacilitySaveResult saveFacilityFile(const QString &path, const FacilityFigures &figures)
{
    if (path.isEmpty())
        return {false,
                QCoreApplication::translate("FacilityFile", "Could not save the figures. No file name was given.")};

    // Nothing is written that would not open again as the same figures.
    QByteArray bytes;
    if (const auto why = unfitFigures(figures, bytes))
        return {false, saveFailed(path, *why)};

    const WriteResult written = writeFileSafely(path, kFacilityFileKind, [&bytes](QIODevice &device) {
        device.write(bytes);
        return std::optional<QString>();
    });
    if (!written)
        return {false, saveFailed(path, written.reason)};
    return {true, QString()};
}

FacilityFigures figuresForLocale(const FacilityFigures &opened, const QLocale &current)
{
    FacilityFigures result = opened;
    result.locale = current.name();
    if (opened.locale == result.locale)
        return result;

    const QLocale saved(opened.locale);
    const auto convert = [&](QString &text) {
        if (const std::optional<double> figure = readFigure(text, saved))
            text = regionalDigits(numberTextReadingBack(*figure, current), current);
    };
    for (QString &text : result.figures)
        convert(text);
    CaseOption selected = selectedOption(result);
    forEachTypedText(selected, convert);
    result = withOption(std::move(result), selected);
    for (CaseOption &option : result.otherOptions)
        forEachTypedText(option, convert);
    return result;
}

} // namespace model
