// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/list_text.h"

#include <QCoreApplication>

namespace model {

QString listText(const QStringList &items)
{
    return items.join(
        QCoreApplication::translate("ListText", ", ", "between the items of a list in running text, with any blank"));
}

QString sentencesText(const QStringList &sentences)
{
    if (sentences.isEmpty())
        return {};
    // A template, not a separator: a translation that is empty counts as
    // none, and Chinese puts nothing between.
    const QString pair =
        QCoreApplication::translate("ListText", "%1 %2", "two sentences of a paragraph, one after the other");
    QString paragraph = sentences.first();
    for (qsizetype i = 1; i < sentences.size(); ++i)
        paragraph = pair.arg(paragraph, sentences[i]);
    return paragraph;
}

} // namespace model
