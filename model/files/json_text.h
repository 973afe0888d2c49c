// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What the facility file needs of JSON beyond QJsonDocument.
namespace model {

// A JSON string literal for text, quotes included.
QByteArray jsonString(const QString &text);

// The shortest JSON number that reads back as value ("0" for one that is
// not finite, which JSON cannot hold).
QByteArray jsonNumber(double value);

// The first key that one object of the JSON text holds twice, or nothing;
// the text is known to be valid JSON. QJsonDocument keeps one of the two
// quietly, so a file could say two things and be read as either.
std::optional<QString> firstDuplicateKey(QByteArrayView json);

} // namespace model
