// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility/case_options.h"
#include "model/files/json_text.h"
#include "model/text/message_text.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The facility file's objects of texts as typed ("report", "investment",
// "capital") and its reductions, written and read in one way wherever the
// file holds them: at its root for the selected option, within "options"
// for the others.
namespace model {

// A text member of one of the file's objects, as the file names it and as
// messages do.
template <typename Object>
struct TextMember {
    QLatin1StringView key;
    QString Object::*text;
    const char *shownAs;
    bool writtenWhenGiven = false; // of version 6: left out while empty, as version 5 has none
};

// ,\n    "name": { "key": "text", ..., "choice": "name", ... }: the
// texts, then any choices, each a key and the name of its value.
template <typename Object, std::size_t N>
void writeTextObject(QByteArray &out, const char *name, const TextMember<Object> (&members)[N], const Object &object,
                     const std::vector<std::pair<const char *, QLatin1StringView>> &choices = {})
{
    QByteArrayList lines;
    for (const auto &member : members) {
        if (!member.writtenWhenGiven || !(object.*member.text).isEmpty())
            lines << "        \"" + QByteArray(member.key.latin1()) + "\": " + jsonString(object.*member.text);
    }
    for (const auto &[key, value] : choices)
        lines << "        \"" + QByteArray(key) + "\": " + jsonString(value);
    out += ",\n    \"";
    out += name;
    out += "\": {\n";
    out += lines.join(",\n");
    out += "\n    }";
}

// Reads the texts of one member object of the file into object, control
// characters blanked; a member it lacks stays as it was. The message when
// the object is not valid. What the object holds is named by what (many) and
// each (one of them).
template <typename Object, std::size_t N>
std::optional<QString> readTextObject(const QJsonValue &value, const char *what, const char *each,
                                      const TextMember<Object> (&members)[N], Object &object)
{
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return QCoreApplication::translate("FacilityFile", "The file's %1 are not valid.")
            .arg(QCoreApplication::translate("FacilityFile", what));
    const QJsonObject texts = value.toObject();
    for (const auto &member : members) {
        const QJsonValue text = texts.value(member.key);
        if (text.isUndefined())
            continue;
        if (!text.isString()) {
            return QCoreApplication::translate("FacilityFile", "The %1 %2 is not a text.")
                .arg(QCoreApplication::translate("FacilityFile", each),
                     quotedForMessage(QCoreApplication::translate("FacilityFile", member.shownAs)));
        }
        object.*member.text = withControlsBlanked(text.toString());
    }
    return std::nullopt;
}

// Why a text cannot go into a file and come back into a field of at most
// maxLength characters, or nothing.
std::optional<QString> unfitText(const QString &text, qsizetype maxLength);

// "investment", "capital" (its texts and choices) and "assumptions" (the
// reductions, rows 1 to 5) of an option.
void writeInvestmentObject(QByteArray &out, const InvestmentTexts &investment);
void writeCapitalObject(QByteArray &out, const CapitalTexts &capital);
void writeReductionsObject(QByteArray &out, const std::array<double, kReducedRowCount> &reductions);
std::optional<QString> readInvestmentObject(const QJsonValue &value, InvestmentTexts &investment);
std::optional<QString> readCapitalObject(const QJsonValue &value, CapitalTexts &capital);
std::optional<QString> readReductionsObject(const QJsonValue &value, std::array<double, kReducedRowCount> &reductions);

// Calls visit on each text of the option's investment and capital inputs.
void forEachTypedText(CaseOption &option, const std::function<void(QString &)> &visit);

// Why an option's texts, choices or reductions cannot be kept, or nothing.
std::optional<QString> unfitOption(const CaseOption &option);

} // namespace model
