// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/facility_case_json.h"

#include "model/files/json_text.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <utility>

namespace model {
namespace {

struct NumberMember {
    const char *key;
    std::optional<double> LostProductionRule::*figure;
    double largest;
};
const std::array<NumberMember, 5> kStopMembers{{
    {"marginPercent", &LostProductionRule::marginPercent, 100},
    {"madeUpPercent", &LostProductionRule::madeUpPercent, 100},
    {"idleCrew", &LostProductionRule::idleCrew, kMaxStopCrew},
    {"idleCrewRate", &LostProductionRule::idleCrewRate, kMaxStopCrew},
    {"stopHours", &LostProductionRule::stopHours, kMaxStopHours},
}};

} // namespace

bool needsCaseMembers(const LostProductionRule &lostProduction, const std::optional<SavingsKinds> &kinds)
{
    return !lostProduction.isEmpty() || kinds;
}

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
    for (const NumberMember &member : kStopMembers) {
        if (const std::optional<double> &figure = rule.*member.figure)
            members << "        \"" + QByteArray(member.key) + "\": " + jsonNumber(*figure);
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
    for (const NumberMember &member : kStopMembers) {
        const QJsonValue figure = object.value(QLatin1StringView(member.key));
        if (figure.isUndefined())
            continue;
        const double number = figure.toDouble(-1);
        if (!figure.isDouble() || !(number >= 0 && number <= member.largest))
            return invalid.arg(quotedForMessage(QLatin1StringView(member.key)));
        rule.*member.figure = number;
    }
    const QJsonValue soldOut = object.value(QLatin1StringView("soldOut"));
    if (!soldOut.isUndefined() && !soldOut.isBool())
        return invalid.arg(quotedForMessage(QStringLiteral("soldOut")));
    rule.soldOut = soldOut.toBool();
    return std::nullopt;
}

} // namespace model
