// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/json_text.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <set>
#include <vector>

namespace model {

QByteArray jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2); // ["…"] without the brackets
}

QByteArray jsonNumber(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() && std::isfinite(value) ? QByteArray(buffer, end - buffer) : QByteArray("0");
}

std::optional<QString> firstDuplicateKey(QByteArrayView json)
{
    struct Level {
        bool isObject;
        bool expectsKey;
        std::set<QString> keys;
    };
    std::vector<Level> levels;
    for (qsizetype i = 0; i < json.size(); ++i) {
        switch (json[i]) {
        case '{':
            levels.push_back({true, true, {}});
            break;
        case '[':
            levels.push_back({false, false, {}});
            break;
        case '}':
        case ']':
            levels.pop_back();
            break;
        case ',':
            if (levels.back().isObject)
                levels.back().expectsKey = true;
            break;
        case '"': {
            const qsizetype start = i;
            for (++i; json[i] != '"'; ++i) {
                if (json[i] == '\\')
                    ++i;
            }
            Level &level = levels.back();
            if (level.isObject && level.expectsKey) {
                level.expectsKey = false;
                // Read as JSON, so that "a" and "\u0061" are one key.
                const QByteArray literal = '[' + json.sliced(start, i - start + 1).toByteArray() + ']';
                const QString key = QJsonDocument::fromJson(literal).array().first().toString();
                if (!level.keys.insert(key).second)
                    return key;
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace model
