// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/records_sentences.h"

#include <QCoreApplication>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

} // namespace

QStringList recordsSentences(const document::FacilityDocument &facility)
{
    const std::optional<model::RecordsEvidence> &records = facility.records();
    if (!records)
        return {};
    const QStringList lines = model::evidenceLines(*records, facility.locale());
    QString evidence = lines.value(0);
    for (qsizetype i = 1; i < lines.size(); ++i)
        //: Two parts of what the maintenance records come to, as two sentences.
        evidence = ReportText::tr("%1. %2").arg(evidence, lines[i]);
    return {ReportText::tr("The plant's maintenance records: %1.").arg(evidence),
            facility.recordsApplied()
                ? ReportText::tr("The figures they give are used in this report.")
                : ReportText::tr("They are kept as evidence only; no figure of this report is taken "
                                 "from them.")};
}

} // namespace outputs
