// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "document/facility_document.h"

#include "model/finance/records_risk.h"
#include "model/text/numeric_text.h"

#include <algorithm>

namespace document {
namespace {

// The figures held as no number, and those that are none in the settings
// they were typed in.
std::array<bool, model::kInputCount> noNumbers(const model::FacilityFigures &facts, const QLocale &typedIn,
                                               std::array<bool, model::kInputCount> held)
{
    for (std::size_t i = 0; i < held.size(); ++i)
        held[i] = held[i] || !model::passesNumericTest(facts.figures[i], typedIn);
    return held;
}

} // namespace

FacilityDocument::FacilityDocument(const QLocale &locale, QObject *parent) : QObject(parent), m_locale(locale)
{
    for (int i = 0; i < model::kInputCount; ++i)
        m_facts.figures[std::size_t(i)] = QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText);
    m_facts.currency = {model::regionalCurrencySymbol(m_locale), model::regionalUnits(m_locale)};
    compute();
}

model::FacilityFigures FacilityDocument::figures() const
{
    model::FacilityFigures figures = m_facts;
    figures.locale = m_locale.name();
    if (figures.records)
        figures.records->applied = recordsApplied();
    return figures;
}

model::FacilityFigures FacilityDocument::shownFacts() const
{
    model::FacilityFigures facts = figures();
    facts.risk = riskRanges();
    facts.records = m_facts.records;
    return facts;
}

bool FacilityDocument::recordsApplied() const
{
    if (!m_facts.records || !m_facts.records->applied)
        return false;
    // Compared as numbers: shown in other settings, "8.5" is "8,5".
    const auto texts = model::recordsFigureTexts(m_facts.records->summary, m_locale);
    return !texts.empty() && std::all_of(texts.begin(), texts.end(), [this](const auto &given) {
        const std::size_t i = std::size_t(given.first);
        const std::optional<double> figure = model::readFigure(m_facts.figures[i], m_locale);
        return !m_heldAsNoNumber[i] && figure && figure == model::readFigure(given.second, m_locale);
    });
}

void FacilityDocument::setFigureText(int index, const QString &text)
{
    const std::size_t i = std::size_t(index);
    if (m_facts.figures.at(i) == text && !m_heldAsNoNumber.at(i))
        return;
    m_facts.figures[i] = text;
    m_heldAsNoNumber[i] = false;
    edited(Change::FigureTexts);
}

void FacilityDocument::setReportDetails(const model::ReportDetails &details)
{
    if (details == m_facts.report)
        return;
    m_facts.report = details;
    edited(Change::ReportDetails);
}

void FacilityDocument::setInvestment(const model::InvestmentTexts &investment)
{
    if (investment == m_facts.investment)
        return;
    m_facts.investment = investment;
    edited(Change::Investment);
}

void FacilityDocument::setCapital(const model::CapitalTexts &capital)
{
    if (capital == m_facts.capital)
        return;
    m_facts.capital = capital;
    edited(Change::Capital);
}

void FacilityDocument::setAssumptions(const model::Assumptions &assumptions)
{
    if (assumptions == m_facts.assumptions)
        return;
    m_facts.assumptions = assumptions;
    edited(Change::Assumptions);
}

void FacilityDocument::setSavingsKinds(const std::optional<model::SavingsKinds> &kinds)
{
    if (kinds == m_facts.savingsKinds)
        return;
    m_facts.savingsKinds = kinds;
    edited(Change::Assumptions);
}

void FacilityDocument::setOptions(const model::CaseOption &selected, const std::vector<model::CaseOption> &others)
{
    model::FacilityFigures facts = model::withOption(m_facts, selected);
    facts.otherOptions = others;
    if (facts == m_facts)
        return;
    m_facts = std::move(facts);
    edited(Changes(Change::Investment) | Change::Capital | Change::Assumptions);
}

model::AlternativesComparison FacilityDocument::alternatives() const
{
    return model::compareAlternatives(m_facts, m_locale, m_heldAsNoNumber);
}

void FacilityDocument::setCurrencyUnits(const model::CurrencyUnits &currency)
{
    const model::CurrencyUnits was = m_facts.currency;
    if (currency == was)
        return;
    if (currency.units != was.units) {
        const model::UnitConversion converted =
            m_unitSwitch.switchUnits(m_facts.figures, was.units, currency.units, m_locale, m_facts.assumptions);
        for (int i = 0; i < model::kInputCount; ++i) {
            if (!m_heldAsNoNumber[std::size_t(i)])
                m_facts.figures[std::size_t(i)] = converted.texts[std::size_t(i)];
        }
    }
    m_facts.currency = currency;
    // Other units change the texts, not what they come to, but the texts
    // are read again all the same.
    edited(currency.units != was.units ? Change::CurrencyUnits | Change::FigureTexts : Changes(Change::CurrencyUnits));
}

void FacilityDocument::setRecords(const std::optional<model::RecordsEvidence> &records)
{
    if (records == m_facts.records)
        return;
    m_facts.records = records;
    edited(Change::Records | Change::Risk);
}

void FacilityDocument::applyRecords(model::RecordsEvidence records)
{
    records.applied = true;
    Changes what;
    if (records != m_facts.records)
        what |= Change::Records | Change::Risk;
    for (const auto &[input, text] : model::recordsFigureTexts(records.summary, m_locale)) {
        const std::size_t i = std::size_t(input);
        if (m_facts.figures[i] == text && !m_heldAsNoNumber[i])
            continue;
        m_facts.figures[i] = text;
        m_heldAsNoNumber[i] = false;
        what |= Change::FigureTexts;
    }
    if (const std::optional<double> stop = model::recordsStopHours(records);
        stop && m_facts.assumptions.lostProduction.stopHours != stop) {
        m_facts.assumptions.lostProduction.stopHours = stop;
        what |= Change::Assumptions;
    }
    if (what == Changes())
        return;
    m_facts.records = std::move(records);
    edited(what);
}

model::RiskRanges FacilityDocument::riskRanges() const
{
    if (!m_facts.risk)
        return defaultRiskRanges();
    // The inputs the user left to the records are drawn as the records
    // applied now give them; without such records they keep their figures.
    model::RiskRanges ranges = *m_facts.risk;
    const model::RiskRanges defaults = defaultRiskRanges();
    for (std::size_t i = 0; i < ranges.fromRecords.size(); ++i) {
        if (!ranges.fromRecords[i])
            continue;
        ranges.fromRecords[i] = defaults.fromRecords[i];
        ranges.ranges[i] = defaults.fromRecords[i] ? defaults.ranges[i] : std::nullopt;
        ranges.draws[i] = defaults.fromRecords[i] ? defaults.draws[i] : std::nullopt;
    }
    return ranges;
}

model::RiskRanges FacilityDocument::defaultRiskRanges() const
{
    const model::RiskRanges ranges = model::defaultRiskRanges(m_facts.assumptions);
    return recordsApplied() ? model::withRecordsRanges(ranges, m_facts.records->summary) : ranges;
}

void FacilityDocument::setRiskRanges(const std::optional<model::RiskRanges> &ranges)
{
    // An input left to the records is kept as that alone, as a file keeps
    // it: riskRanges() draws it as the records give it.
    std::optional<model::RiskRanges> own = ranges;
    for (std::size_t i = 0; own && i < own->fromRecords.size(); ++i) {
        if (own->fromRecords[i]) {
            own->ranges[i].reset();
            own->draws[i].reset();
        }
    }
    if (own == m_facts.risk)
        return;
    m_facts.risk = own;
    edited(Change::Risk);
}

const std::optional<model::RiskSummary> &FacilityDocument::riskSummary() const
{
    if (!m_riskComputed) {
        m_riskComputed = true;
        m_risk.reset();
        m_riskOverflow.reset();
        if (m_outcome.results.complete() && !m_outcome.results.fault) {
            const std::optional<model::Investment> investment =
                m_outcome.study ? m_outcome.investment.investment : std::optional<model::Investment>();
            const model::CapitalInputs capital = m_outcome.study ? *m_outcome.capital.inputs : model::CapitalInputs();
            const model::RiskRanges ranges = riskRanges();
            m_riskOverflow =
                model::overflowingRiskInput(m_outcome.results.values, m_facts.assumptions, investment, capital, ranges);
            m_risk = model::simulateRisk(m_outcome.results.values, m_facts.assumptions, investment, capital, ranges);
        }
    }
    return m_risk;
}

const std::optional<model::RiskInput> &FacilityDocument::riskOverflow() const
{
    riskSummary();
    return m_riskOverflow;
}

model::FacilityReadResult FacilityDocument::open(const QString &path)
{
    model::FacilityReadResult opened = model::openFacilityFile(path);
    if (opened) {
        keptIn(path);
        adopt(*opened.figures, QLocale(opened.figures->locale), {}, Change::Opened);
    }
    return opened;
}

model::FacilityReadResult FacilityDocument::open(const QString &path, const QLocale &shownIn)
{
    model::FacilityReadResult opened = model::openFacilityFile(path);
    if (opened) {
        const model::FacilityFigures &saved = *opened.figures;
        keptIn(path);
        adopt(model::figuresForLocale(saved, shownIn), shownIn, noNumbers(saved, QLocale(saved.locale), {}),
              Change::Opened);
    }
    return opened;
}

void FacilityDocument::recover(const model::FacilityFigures &kept, const QLocale &shownIn, const QString &filePath)
{
    // Marked first, so that whatever follows the change sees changes not saved.
    setModified(true);
    if (filePath != m_filePath) {
        m_filePath = filePath;
        emit filePathChanged(filePath);
    }
    adopt(model::figuresForLocale(kept, shownIn), shownIn, noNumbers(kept, QLocale(kept.locale), {}));
}

void FacilityDocument::setFacts(const model::FacilityFigures &facts) { adopt(facts, QLocale(facts.locale), {}); }

void FacilityDocument::showIn(const QLocale &locale)
{
    adopt(model::figuresForLocale(figures(), locale), locale, noNumbers(m_facts, m_locale, m_heldAsNoNumber));
}

model::FacilitySaveResult FacilityDocument::save(const QString &path)
{
    model::FacilitySaveResult saved = model::saveFacilityFile(path, figures());
    if (saved)
        keptIn(path);
    return saved;
}

FacilityDocument::State FacilityDocument::state() const { return {m_facts, m_locale, m_heldAsNoNumber, m_filePath}; }

void FacilityDocument::restore(const State &state)
{
    m_unitSwitch.forget();
    const model::FacilityFigures &was = m_facts;
    const model::FacilityFigures &to = state.facts;
    Changes what;
    if (state.locale != m_locale || state.heldAsNoNumber != m_heldAsNoNumber)
        what |= Change::Replaced;
    const std::pair<bool, Change> differences[] = {
        {to.figures != was.figures, Change::FigureTexts},
        {to.report != was.report, Change::ReportDetails},
        {to.investment != was.investment || to.otherOptions != was.otherOptions, Change::Investment},
        {to.capital != was.capital, Change::Capital},
        {to.assumptions != was.assumptions || to.savingsKinds != was.savingsKinds || to.optionName != was.optionName,
         Change::Assumptions},
        {to.currency != was.currency, Change::CurrencyUnits},
        {to.records != was.records, Change::Records},
        {to.risk != was.risk, Change::Risk},
    };
    for (const auto &[differs, change] : differences) {
        if (differs)
            what |= change;
    }
    m_facts = state.facts;
    m_locale = state.locale;
    m_heldAsNoNumber = state.heldAsNoNumber;
    if (state.filePath != m_filePath) {
        m_filePath = state.filePath;
        emit filePathChanged(m_filePath);
    }
    if (what == Changes())
        return;
    compute();
    emit changed(what);
}

void FacilityDocument::adopt(const model::FacilityFigures &facts, const QLocale &locale,
                             const std::array<bool, model::kInputCount> &heldAsNoNumber, Changes also)
{
    // The figures are other ones now: switching the units back has nothing
    // to give back.
    m_unitSwitch.forget();
    const bool same = facts == figures() && locale == m_locale && heldAsNoNumber == m_heldAsNoNumber;
    m_facts = facts;
    m_locale = locale;
    m_heldAsNoNumber = heldAsNoNumber;
    if (same)
        return;
    compute();
    emit changed(Changes(Change::Replaced) | also);
}

void FacilityDocument::keptIn(const QString &path)
{
    setModified(false);
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged(path);
}

void FacilityDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void FacilityDocument::edited(Changes what)
{
    // The report's details are the only facts no figure is computed from;
    // the records and the ranges change the simulation alone.
    if ((what & ~Changes(Change::ReportDetails | Change::Records | Change::Risk)) != Changes())
        compute();
    else if ((what & (Change::Records | Change::Risk)) != Changes())
        m_riskComputed = false;
    setModified(true);
    emit changed(what);
}

void FacilityDocument::compute()
{
    m_riskComputed = false;
    m_outcome =
        model::outcomeOf(m_facts, m_locale,
                         {m_heldAsNoNumber, model::kDefaultSensitivityStepPercent, model::StudyReach::WithInvestment});
}

} // namespace document
