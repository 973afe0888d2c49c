// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/user_guide.h"

#include "document/facility_document.h"
#include "model/costs/input_table.h"
#include "model/costs/model_text.h"
#include "model/finance/business_case_text.h"
#include "outputs/report_builder.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <array>

namespace outputs {
namespace {

struct HelpText {
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

// The guide's pages as the program holds them, by topic.
constexpr std::array<const char *, kHelpTopicCount> kPages{
    "figures.md", "files.md", "computed.md", "business-case.md", "records-and-risk.md", "glossary.md"};

// The body of a Markdown page as HTML.
QString guidePage(HelpTopic topic)
{
    QFile page(QStringLiteral(":/guide/pages/") + QLatin1StringView(kPages[std::size_t(topic)]));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    // Its title is the page's, already above it in the interface's language.
    QString text = QString::fromUtf8(page.readAll());
    if (text.startsWith(QStringLiteral("# ")))
        text = text.section(u'\n', 1);
    QTextDocument document;
    document.setMarkdown(text);
    const QString html = document.toHtml();
    const QRegularExpressionMatch body =
        QRegularExpression(QStringLiteral("<body[^>]*>(.*)</body>"), QRegularExpression::DotMatchesEverythingOption)
            .match(html);
    return body.hasMatch() ? body.captured(1) : html;
}

QString paragraph(const QString &text) { return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()); }

} // namespace

QString helpTopicTitle(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Figures:
        return HelpText::tr("The figures");
    case HelpTopic::Files:
        return HelpText::tr("Keeping, printing and sharing the figures");
    case HelpTopic::Computed:
        return HelpText::tr("How the figures are computed");
    case HelpTopic::BusinessCase:
        return HelpText::tr("The business case");
    case HelpTopic::Records:
        return HelpText::tr("Maintenance records and the risk range");
    case HelpTopic::Glossary:
        return HelpText::tr("Glossary of the translations");
    }
    return {};
}

QString fieldExplanation(int field, const model::CurrencyUnits &currency)
{
    const model::InputDefinition &input = model::kInputs[std::size_t(field)];
    return HelpText::tr("%1 (%2): %3.")
        .arg(model::inputText(input.caption).trimmed(), model::unitLabel(field, currency).trimmed(),
             model::inputMeaning(field, currency.units));
}

QString helpPageHtml(HelpTopic topic, const document::FacilityDocument &facility)
{
    QString html = QStringLiteral("<h1>%1</h1>").arg(helpTopicTitle(topic).toHtmlEscaped());
    const QLocale &locale = facility.locale();
    switch (topic) {
    case HelpTopic::Figures:
        html += QStringLiteral("<table cellpadding=\"3\">");
        for (int i = 0; i < model::kInputCount; ++i) {
            const model::InputDefinition &input = model::kInputs[std::size_t(i)];
            html += QStringLiteral("<tr><td><a name=\"field-%1\"></a><b>%2</b></td><td>%3</td><td>%4</td></tr>")
                        .arg(i)
                        .arg(model::inputText(input.caption).trimmed().toHtmlEscaped(),
                             model::unitLabel(i, facility.currencyUnits()).trimmed().toHtmlEscaped(),
                             model::inputMeaning(i, facility.currencyUnits().units).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
        break;
    case HelpTopic::Computed:
        html += paragraph(figuresNote(facility.assumptions(), locale, facility.currencyUnits()));
        break;
    case HelpTopic::BusinessCase:
        html += paragraph(model::measuresNote(model::Investment(), locale));
        break;
    default:
        break;
    }
    return html + QStringLiteral("<hr/>") + guidePage(topic);
}

} // namespace outputs
