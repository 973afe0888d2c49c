// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QtGlobal>

#include <cerrno>
#include <sys/stat.h>

namespace model {
namespace {

bool isHidden(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    // Controls, and the format characters that reorder or hide what follows
    // (U+202E would print the rest of a message backwards).
    return category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph || category == QChar::Other_Surrogate
           || category == QChar::Other_NotAssigned;
}

QString escaped(char32_t c)
{
    switch (c) {
    case 0:
        return QStringLiteral("\\0");
    case '\t':
        return QStringLiteral("\\t");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    const QString hex = QString::number(uint(c), 16).toUpper();
    return c < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, u'0')
                     : QStringLiteral("\\u") + hex.rightJustified(4, u'0');
}

} // namespace

QString quotedForMessage(const QString &text)
{
    // The quotation marks of the interface's language: „…“, « … », “…”.
    return QCoreApplication::translate("MessageText", "\u201C%1\u201D").arg(escapedForMessage(text));
}

QString escapedForMessage(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (isHidden(c))
            shown += escaped(c);
        else
            shown += QString::fromUcs4(&c, 1);
    }
    return shown;
}

QString asSentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty() && !text.endsWith(u'.'))
        text += u'.';
    return text;
}

QString systemErrorText(int error) { return asSentence(qt_error_string(error)); }

QString missingFileText(const QString &path)
{
    struct stat status {};
    const int error = ::stat(QFile::encodeName(path).constData(), &status) == 0 ? 0 : errno;
    if (error && error != ENOENT)
        return systemErrorText(error);
    return QCoreApplication::translate("FacilityFile", "The file does not exist.");
}

QString withoutDirectionControls(QString text)
{
    text.removeIf([](QChar c) { return (c >= u'\u202A' && c <= u'\u202E') || (c >= u'\u2066' && c <= u'\u2069'); });
    return text;
}

QString withControlsBlanked(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control && c != u'\n')
            c = u' ';
    }
    return text;
}

} // namespace model
