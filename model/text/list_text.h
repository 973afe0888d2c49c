// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QStringList>

namespace model {

// The items of a list in running text, joined with the separator the
// interface's language writes between them: ", " in English, "、" in
// Chinese. Each catalogue says its own, so that no sentence mixes one
// language's punctuation into another's.
QString listText(const QStringList &items);

// Sentences in one paragraph, joined as the interface's language writes
// them: after a blank in English, straight after the full stop "。" in
// Chinese.
QString sentencesText(const QStringList &sentences);

} // namespace model
