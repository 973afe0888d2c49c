// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/case_alternatives.h"
#include "model/costs/results.h"
#include "model/costs/unit_conversion.h"
#include "model/facility/facility_file.h"
#include "model/facility_outcome.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/records/records_evidence.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace document {

// One open facility: every fact a facility file keeps (the twelve figure
// texts and the regional settings they are typed in, the report details,
// the investment and the capital request's inputs, the assumed reductions,
// the currency and units), the file
// it was last opened from or saved to, whether it has changed since, and
// what its figures come to. The results and the business case are computed
// once per change of what they depend on and kept; changed() says that a
// fact or what it comes to has changed. A setter given what is already held
// changes nothing and says nothing.
class FacilityDocument : public QObject {
    Q_OBJECT
public:
    using FigureTexts = std::array<QString, model::kInputCount>;

    // What a change touched, so that a view redraws only that. Replaced: every
    // fact at once (a file opened, the facts shown in other settings).
    enum class Change {
        FigureTexts = 0x1,
        ReportDetails = 0x2,
        Investment = 0x4,
        Assumptions = 0x8,
        CurrencyUnits = 0x10,
        Replaced = 0x20,
        Capital = 0x40,
        Records = 0x80,
        Risk = 0x100,
        Opened = 0x200, // with Replaced: the facts are a file's, opened
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // The default figures, typed in locale, with the designed reductions,
    // the locale's currency and units (model::regionalCurrencySymbol() and
    // regionalUnits(): "$" and pounds in the United States, "€" and
    // kilograms in Germany), no details, no investment and no file.
    explicit FacilityDocument(const QLocale &locale = QLocale(), QObject *parent = nullptr);

    const FigureTexts &figureTexts() const { return m_facts.figures; }
    const QLocale &locale() const { return m_locale; }
    const model::ReportDetails &reportDetails() const { return m_facts.report; }
    const model::InvestmentTexts &investment() const { return m_facts.investment; }
    const model::CapitalTexts &capital() const { return m_facts.capital; }
    const model::Assumptions &assumptions() const { return m_facts.assumptions; }
    // Which savings are cash; none while the case is not split.
    const std::optional<model::SavingsKinds> &savingsKinds() const { return m_facts.savingsKinds; }
    const model::CurrencyUnits &currencyUnits() const { return m_facts.currency; }
    // The options considered beside the selected one, and all of them set
    // side by side (model::compareAlternatives(), no rows without others).
    const std::vector<model::CaseOption> &otherOptions() const { return m_facts.otherOptions; }
    model::AlternativesComparison alternatives() const;
    // The work-order records read, none until an export is read.
    const std::optional<model::RecordsEvidence> &records() const { return m_facts.records; }
    // Whether the figures are the records': applied, and the bearing failures
    // a year and the hours to replace still what model::recordsFigureTexts()
    // gives. Another figure typed over one of them leaves the records as
    // evidence only; the figure typed back makes them applied again.
    bool recordsApplied() const;
    // The risk inputs' ranges: the user's own where set, those left to the
    // records as the defaults draw them; otherwise the defaults.
    model::RiskRanges riskRanges() const;
    // model::defaultRiskRanges(), with the records' draws
    // (model::withRecordsRanges()) while the records are applied.
    model::RiskRanges defaultRiskRanges() const;
    bool hasOwnRiskRanges() const { return m_facts.risk.has_value(); }
    // Everything a save writes; the records applied only while
    // recordsApplied() says so.
    model::FacilityFigures figures() const;
    // Every fact as the outputs show it: figures() with the risk ranges in
    // use (riskRanges()) and the records read, applied or not.
    model::FacilityFigures shownFacts() const;

    // Every fact as it stands and the file it is kept in, for a step of the
    // history to go back to.
    struct State {
        model::FacilityFigures facts;
        QLocale locale;
        std::array<bool, model::kInputCount> heldAsNoNumber{};
        QString filePath;
    };
    State state() const;
    // Goes back or forward to a state, as one change of what differs. Its
    // figures are the user's again: switching the units back gives nothing
    // back. The history decides whether that counts as modified.
    void restore(const State &state);
    // Whether the facts differ from the file's: the history's clean state
    // decides after an undo or a redo.
    void setModified(bool modified);

    // The file last opened or saved; empty until then.
    const QString &filePath() const { return m_filePath; }
    // Whether a fact has been edited since the file was opened or saved (or,
    // without a file, since the document was made).
    bool isModified() const { return m_modified; }

    // A figure opened from a file where it was no number in the settings it
    // was saved in: it counts as no number until it is edited, even where
    // these settings would read it as one.
    bool isHeldAsNoNumber(int index) const { return m_heldAsNoNumber[std::size_t(index)]; }
    const std::array<bool, model::kInputCount> &heldAsNoNumber() const { return m_heldAsNoNumber; }

    // Edits. A figure's edit makes it the user's (no longer held as no
    // number). Each marks the document modified when it changes anything.
    void setFigureText(int index, const QString &text);
    void setReportDetails(const model::ReportDetails &details);
    void setInvestment(const model::InvestmentTexts &investment);
    void setCapital(const model::CapitalTexts &capital);
    void setAssumptions(const model::Assumptions &assumptions);
    void setSavingsKinds(const std::optional<model::SavingsKinds> &kinds);
    // The case's options at once: selected becomes the reductions,
    // investment and capital inputs (and their name), others the options
    // considered beside it.
    void setOptions(const model::CaseOption &selected, const std::vector<model::CaseOption> &others);
    // Records read but not applied: the figures stay as they are.
    void setRecords(const std::optional<model::RecordsEvidence> &records);
    // Records applied: the bearing failures a year and the hours to replace
    // become the records' (model::recordsFigureTexts()), and where the
    // records say so the stop per failure their mean downtime
    // (model::recordsStopHours()), in one change.
    void applyRecords(model::RecordsEvidence records);
    // None goes back to the defaults.
    void setRiskRanges(const std::optional<model::RiskRanges> &ranges);
    // Other units convert the lubricant's quantity and price so that the
    // results stay the same; switching back without an edit gives the texts
    // back as typed. A figure held as no number is not converted.
    void setCurrencyUnits(const model::CurrencyUnits &currency);

    // What the figures come to: the first field that is no number (held
    // ones included) or the tables; the investment and the capital inputs as
    // read; and, when the tables are complete, a price is given and the
    // capital inputs read, the business case with them. The investment's
    // reading carries the capital inputs' problem as its own when it has
    // none (then without an investment and no field of its own), so that
    // whatever stops at an investment that does not read stops at either.
    const model::Results &results() const { return m_outcome.results; }
    const model::InvestmentReading &investmentReading() const { return m_outcome.investment; }
    const model::CapitalReading &capitalReading() const { return m_outcome.capital; }
    const std::optional<model::BusinessCaseStudy> &businessCase() const { return m_outcome.study; }
    // The measures on the hard savings alone, where the savings are split.
    const std::optional<model::BusinessCase> &hardMeasures() const { return m_outcome.hardMeasures; }
    // All of it at once (model::outcomeOf()), for the outputs.
    const model::FacilityOutcome &outcome() const { return m_outcome; }
    // The simulation of the risk ranges (model::simulateRisk()), with the
    // investment where the business case has one; none while the tables are
    // incomplete or a range would let runs overflow. Computed on the first
    // call after a change and kept, so that editing a figure never waits for
    // it.
    const std::optional<model::RiskSummary> &riskSummary() const;
    // The input whose range would let runs overflow
    // (model::overflowingRiskInput()), when that is why there is no summary.
    const std::optional<model::RiskInput> &riskOverflow() const;

    // Opens a facility file through model::openFacilityFile(), so that every
    // refusal is as it is there; a refused file leaves the document as it
    // was. The first takes the figures in the settings they were saved in;
    // the second shows them in shownIn (model::figuresForLocale()), holding
    // those that were no number where saved as no number. Afterwards the
    // file is the document's and nothing counts as modified.
    model::FacilityReadResult open(const QString &path);
    model::FacilityReadResult open(const QString &path, const QLocale &shownIn);

    // Figures kept for a crash, given back as changes not saved of the file
    // they were typed for (none: figures without a file), shown in shownIn
    // as open() shows a file's.
    void recover(const model::FacilityFigures &kept, const QLocale &shownIn, const QString &filePath);

    // Every fact at once, as a file gives them, typed in facts.locale.
    // Nothing counts as modified by it.
    void setFacts(const model::FacilityFigures &facts);

    // The same facts in other regional settings, as open() shows them: a
    // figure that was no number in the settings it was typed in is held as
    // no number. Nothing counts as modified by it.
    void showIn(const QLocale &locale);

    // Writes every fact through model::saveFacilityFile() (all or nothing);
    // once saved, the file is the document's and nothing counts as modified.
    model::FacilitySaveResult save(const QString &path);

signals:
    // A fact, or what the figures come to, has changed.
    void changed(document::FacilityDocument::Changes what);
    void modifiedChanged(bool modified);
    void filePathChanged(const QString &path);

private:
    // Takes figures in their own settings, held figures as given, and says so.
    void adopt(const model::FacilityFigures &facts, const QLocale &locale,
               const std::array<bool, model::kInputCount> &heldAsNoNumber, Changes also = {});
    void keptIn(const QString &path);
    // After an edit: the results again when it touched what they are
    // computed from, then changed().
    void edited(Changes what);
    void compute();

    model::FacilityFigures m_facts; // its locale member is not read: m_locale is the one
    QLocale m_locale;
    std::array<bool, model::kInputCount> m_heldAsNoNumber{};
    QString m_filePath;
    bool m_modified = false;
    model::UnitSwitch m_unitSwitch;

    model::FacilityOutcome m_outcome;
    mutable std::optional<model::RiskSummary> m_risk;
    mutable std::optional<model::RiskInput> m_riskOverflow;
    mutable bool m_riskComputed = false;
};

} // namespace document

Q_DECLARE_OPERATORS_FOR_FLAGS(document::FacilityDocument::Changes)
