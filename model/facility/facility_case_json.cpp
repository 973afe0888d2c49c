// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/facility_case_json.h"

#include "model/facility/facility_text_members.h"
#include "model/files/json_text.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <utility>

namespace model {
namespace {

// The lost-production rule's figures by their keys, in StopFigure's order.
const std::array<const char *, kStopFigureCount> kStopKeys{"marginPercent", "madeUpPercent", "idleCrew", "idleCrewRate",
                                                           "stopHours"};

void writeSavingsKindsMember(QByteArray &out, const std::optional<SavingsKinds> &kinds)
{
    if (!kinds)
        return;
    QByteArrayList hard;
    for (const bool row : kinds->hard)
        hard << (row ? "true" : "false");
    out += ",\n    \"savingsKinds\": {\n        \"hard\": [ " + hard.join(", ")
           + " ],\n        \"freedHoursTo\": " + jsonString(kinds->freedHoursTo) + "\n    }";
}

std::optional<QString> readSavingsKindsMember(const QJsonValue &value, std::optional<SavingsKinds> &kinds)
{
    kinds.reset();
    if (value.isUndefined())
        return std::nullopt;
    const QString invalid =
        QCoreApplication::translate("FacilityFile", "The file's hard and soft savings are not valid (%1).");
    const QJsonArray hard = value.toObject().value(QLatin1StringView("hard")).toArray();
    if (!value.isObject() || hard.size() != kReducedRowCount)
        return invalid.arg(quotedForMessage(QStringLiteral("hard")));
    SavingsKinds read;
    for (int k = 0; k < kReducedRowCount; ++k) {
        if (!hard.at(k).isBool())
            return invalid.arg(quotedForMessage(QStringLiteral("hard")));
        read.hard[std::size_t(k)] = hard.at(k).toBool();
    }
    const QJsonValue freed = value.toObject().value(QLatin1StringView("freedHoursTo"));
    if (!freed.isUndefined() && (!freed.isString() || freed.toString().size() > kMaxFreedHoursLength))
        return invalid.arg(quotedForMessage(QStringLiteral("freedHoursTo")));
    read.freedHoursTo = freed.toString();
    kinds = read;
    return std::nullopt;
}

void writeLostProductionMember(QByteArray &out, const LostProductionRule &rule)
{
    if (rule.isEmpty())
        return;
    QByteArrayList members;
    for (int f = 0; f < kStopFigureCount; ++f) {
        if (const std::optional<double> &figure = rule.*stopFigureMember(StopFigure(f)))
            members << "        \"" + QByteArray(kStopKeys[std::size_t(f)]) + "\": " + jsonNumber(*figure);
    }
    if (rule.soldOut)
        members << "        \"soldOut\": true";
    out += ",\n    \"lostProduction\": {\n" + members.join(",\n") + "\n    }";
}

std::optional<QString> readLostProductionMember(const QJsonValue &value, LostProductionRule &rule)
{
    rule = LostProductionRule();
    if (value.isUndefined())
        return std::nullopt;
    const QString invalid =
        QCoreApplication::translate("FacilityFile", "The file's lost-production rule is not valid (%1).");
    if (!value.isObject())
        return invalid.arg(quotedForMessage(QStringLiteral("lostProduction")));
    const QJsonObject object = value.toObject();
    for (int f = 0; f < kStopFigureCount; ++f) {
        const QLatin1StringView key(kStopKeys[std::size_t(f)]);
        const QJsonValue figure = object.value(key);
        if (figure.isUndefined())
            continue;
        const double number = figure.toDouble(-1);
        if (!figure.isDouble() || !(number >= 0 && number <= largestStopFigure(StopFigure(f))))
            return invalid.arg(quotedForMessage(key));
        rule.*stopFigureMember(StopFigure(f)) = number;
    }
    const QJsonValue soldOut = object.value(QLatin1StringView("soldOut"));
    if (!soldOut.isUndefined() && !soldOut.isBool())
        return invalid.arg(quotedForMessage(QStringLiteral("soldOut")));
    rule.soldOut = soldOut.toBool();
    return std::nullopt;
}

void writeCaseItemsMembers(QByteArray &out, const std::vector<OtherSaving> &savings,
                           const std::vector<OneOffItem> &items)
{
    const auto list = [&](const char *name, const QByteArrayList &rows) {
        if (!rows.isEmpty())
            out += ",\n    \"" + QByteArray(name) + "\": [\n        " + rows.join(",\n        ") + "\n    ]";
    };
    QByteArrayList rows;
    for (const OtherSaving &saving : savings)
        rows << "{ \"caption\": " + jsonString(saving.caption) + ", \"amount\": " + jsonNumber(saving.amount)
                    + ", \"escalation\": " + jsonNumber(saving.escalationPercent)
                    + ", \"hard\": " + (saving.hard ? "true" : "false") + " }";
    list("otherSavings", rows);
    rows.clear();
    for (const OneOffItem &item : items)
        rows << "{ \"caption\": " + jsonString(item.caption) + ", \"amount\": " + jsonNumber(item.amount)
                    + ", \"year\": " + QByteArray::number(item.year) + ", \"every\": " + QByteArray::number(item.every)
                    + " }";
    list("oneOffItems", rows);
}

std::optional<QString> readCaseItemsMembers(const QJsonValue &savingsValue, const QJsonValue &itemsValue,
                                            std::vector<OtherSaving> &savings, std::vector<OneOffItem> &items)
{
    savings.clear();
    items.clear();
    const QString invalid = QCoreApplication::translate("FacilityFile", "The file's %1 are not valid.");
    const auto rowsOf = [](const QJsonValue &value, QJsonArray &rows) {
        if (value.isUndefined())
            return true;
        rows = value.toArray();
        return value.isArray() && rows.size() <= kMaxCaseItems;
    };
    const auto number = [](const QJsonObject &row, const char *key, double low, double high, bool whole, double &out) {
        const QJsonValue value = row.value(QLatin1StringView(key));
        const double read = value.toDouble();
        if (!value.isDouble() || !(read >= low && read <= high) || (whole && read != std::floor(read)))
            return false;
        out = read;
        return true;
    };
    const auto caption = [](const QJsonObject &row, QString &out) {
        const QJsonValue value = row.value(QLatin1StringView("caption"));
        out = value.toString();
        return value.isString() && out.size() <= kMaxCaseItemCaption;
    };
    const double money = kMaxInvestmentMoney;
    QJsonArray rows;
    if (!rowsOf(savingsValue, rows))
        return invalid.arg(quotedForMessage(QStringLiteral("otherSavings")));
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        OtherSaving saving;
        const QJsonValue hard = row.value(QLatin1StringView("hard"));
        if (!value.isObject() || !caption(row, saving.caption)
            || !number(row, "amount", -money, money, false, saving.amount)
            || !number(row, "escalation", kMinEscalationPercent, kMaxEscalationPercent, false, saving.escalationPercent)
            || !hard.isBool())
            return invalid.arg(quotedForMessage(QStringLiteral("otherSavings")));
        saving.hard = hard.toBool();
        savings.push_back(saving);
    }
    rows = QJsonArray();
    if (!rowsOf(itemsValue, rows))
        return invalid.arg(quotedForMessage(QStringLiteral("oneOffItems")));
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        OneOffItem item;
        double year = 0;
        double every = 0;
        if (!value.isObject() || !caption(row, item.caption)
            || !number(row, "amount", -money, money, false, item.amount)
            || !number(row, "year", 0, kMaxYears, true, year) || !number(row, "every", 0, kMaxYears, true, every))
            return invalid.arg(quotedForMessage(QStringLiteral("oneOffItems")));
        item.year = int(year);
        item.every = int(every);
        items.push_back(item);
    }
    return std::nullopt;
}

// The items of the case at the root, or of an option within "options".
std::optional<QString> readItemsOf(const QJsonObject &object, CapitalTexts &capital)
{
    if (auto why =
            readCaseItemsMembers(object.value(QLatin1StringView("otherSavings")),
                                 object.value(QLatin1StringView("oneOffItems")), capital.otherSavings, capital.oneOffs))
        return why;
    for (OtherSaving &saving : capital.otherSavings)
        saving.caption = withControlsBlanked(saving.caption);
    for (OneOffItem &item : capital.oneOffs)
        item.caption = withControlsBlanked(item.caption);
    return std::nullopt;
}

// "options": the selected option's name, and the others each as the root
// holds the selected one's reductions, investment, capital inputs and items.
void writeOptionsMember(QByteArray &out, const FacilityFigures &figures)
{
    if (figures.optionName.isEmpty() && figures.otherOptions.empty())
        return;
    const QByteArray nested(12, ' '); // "options", "others", the option
    QByteArrayList others;
    for (const CaseOption &option : figures.otherOptions) {
        QByteArray members = "\n    \"name\": " + jsonString(option.name);
        writeReductionsObject(members, option.reductionPercent);
        writeInvestmentObject(members, option.investment);
        writeCapitalObject(members, option.capital);
        writeCaseItemsMembers(members, option.capital.otherSavings, option.capital.oneOffs);
        others << "{" + members.replace("\n", "\n" + nested) + "\n" + nested + "}";
    }
    out += ",\n    \"options\": {\n        \"selected\": " + jsonString(figures.optionName);
    out += ",\n        \"others\": [";
    if (!others.isEmpty())
        out += "\n" + nested + others.join(",\n" + nested) + "\n        ";
    out += "]\n    }";
}

std::optional<QString> readOptionsMember(const QJsonValue &value, FacilityFigures &figures)
{
    figures.optionName.clear();
    figures.otherOptions.clear();
    if (value.isUndefined())
        return std::nullopt;
    const auto invalid = [](const char *key) {
        return QCoreApplication::translate("FacilityFile", "The file's options are not valid (%1).")
            .arg(quotedForMessage(QLatin1StringView(key)));
    };
    const QJsonObject object = value.toObject();
    const QJsonValue selected = object.value(QLatin1StringView("selected"));
    if (!value.isObject() || !selected.isString())
        return invalid("selected");
    figures.optionName = withControlsBlanked(selected.toString());
    const QJsonValue others = object.value(QLatin1StringView("others"));
    if (!others.isUndefined() && (!others.isArray() || others.toArray().size() > kMaxOtherOptions))
        return invalid("others");
    for (const QJsonValue &entry : others.toArray()) {
        const QJsonObject members = entry.toObject();
        const QJsonValue name = members.value(QLatin1StringView("name"));
        if (!entry.isObject() || !name.isString())
            return invalid("name");
        CaseOption option{withControlsBlanked(name.toString()), Assumptions::designed().reductionPercent, {}, {}};
        if (auto why = readReductionsObject(members.value(QLatin1StringView("assumptions")), option.reductionPercent))
            return why;
        if (auto why = readInvestmentObject(members.value(QLatin1StringView("investment")), option.investment))
            return why;
        if (auto why = readCapitalObject(members.value(QLatin1StringView("capital")), option.capital))
            return why;
        if (auto why = readItemsOf(members, option.capital))
            return why;
        figures.otherOptions.push_back(std::move(option));
    }
    return std::nullopt;
}

} // namespace

bool needsCaseMembers(const FacilityFigures &figures)
{
    return !figures.assumptions.lostProduction.isEmpty() || figures.savingsKinds || figures.capital.hasApproverInputs()
           || !figures.optionName.isEmpty() || !figures.otherOptions.empty();
}

void writeCaseMembers(QByteArray &out, const FacilityFigures &figures)
{
    writeLostProductionMember(out, figures.assumptions.lostProduction);
    writeSavingsKindsMember(out, figures.savingsKinds);
    writeCaseItemsMembers(out, figures.capital.otherSavings, figures.capital.oneOffs);
    writeOptionsMember(out, figures);
}

std::optional<QString> readCaseMembers(const QJsonObject &root, FacilityFigures &figures)
{
    if (auto why = readLostProductionMember(root.value(QLatin1StringView("lostProduction")),
                                            figures.assumptions.lostProduction))
        return why;
    if (auto why = readSavingsKindsMember(root.value(QLatin1StringView("savingsKinds")), figures.savingsKinds))
        return why;
    if (figures.savingsKinds)
        figures.savingsKinds->freedHoursTo = withControlsBlanked(figures.savingsKinds->freedHoursTo);
    if (auto why = readItemsOf(root, figures.capital))
        return why;
    return readOptionsMember(root.value(QLatin1StringView("options")), figures);
}

} // namespace model
