// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the reader of facility files.
//
// The input is a file's bytes. The reader either refuses them with a message
// free of control characters, or gives twelve figures that
//   - save to at most 64 KiB and open again as the same figures, the saved
//     bytes coming back unchanged from a second round;
//   - shown in each of the fuzz locales, keep every figure: a text that reads
//     as a number in the saved settings reads as the same number in the other
//     settings, any other text is unchanged, and in the saved settings every
//     text is unchanged; the figures so shown save and open again unchanged.

#include "fuzz_support.h"
#include "model/facility/facility_file.h"
#include "model/text/numeric_text.h"

#include <QByteArray>

#include <algorithm>
#include <optional>
#include <string>

namespace {

std::string describe(const model::FacilityFigures &figures)
{
    std::string out = "locale " + fuzz::printable(figures.locale) + ", figures";
    for (const QString &text : figures.figures)
        out += ' ' + fuzz::printable(text);
    return out + ", system price " + fuzz::printable(figures.investment.systemPrice);
}

void checkSavesAndReopens(const model::FacilityFigures &figures, const char *what)
{
    const QByteArray saved = model::toFacilityJson(figures);
    const std::string where = std::string(what) + ": " + describe(figures);
    FUZZ_CHECK(saved.size() <= model::kFacilityFileMaxBytes, "the saved file is at most 64 KiB", where);
    const model::FacilityReadResult reopened = model::readFacilityJson(saved);
    FUZZ_CHECK(reopened.figures.has_value(), "the saved file opens", where + ": " + reopened.message.toStdString());
    FUZZ_CHECK(*reopened.figures == figures, "the saved file opens as the same figures",
               where + ", reopened as " + describe(*reopened.figures));
    FUZZ_CHECK(model::toFacilityJson(*reopened.figures) == saved, "saving again gives the same bytes", where);
}

void checkTextInLocale(const QString &saved, const QLocale &savedIn, const QString &shown, const QLocale &shownIn,
                       const std::string &where)
{
    const std::optional<double> figure = model::readFigure(saved, savedIn);
    const std::string detail = where + ": " + fuzz::printable(saved) + " shown as " + fuzz::printable(shown);
    if (!figure) {
        FUZZ_CHECK(shown == saved, "a text that was no number comes back as it was", detail);
        return;
    }
    const std::optional<double> now = model::readFigure(shown, shownIn);
    FUZZ_CHECK(now.has_value(), "a figure is shown as a number", detail);
    FUZZ_CHECK(*now == *figure, "a figure is shown as the same number",
               detail + ": " + fuzz::printable(*figure) + " became " + fuzz::printable(*now));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const model::FacilityReadResult read = model::readFacilityJson(bytes);
    if (!read.figures) {
        FUZZ_CHECK(!read.message.isEmpty(), "a refused file gets a message", std::string());
        const bool shows = std::none_of(read.message.begin(), read.message.end(),
                                        [](QChar c) { return c.category() == QChar::Other_Control; });
        FUZZ_CHECK(shows, "the message shows the file's hidden characters escaped", fuzz::printable(read.message));
        return 0;
    }
    const model::FacilityFigures &figures = *read.figures;
    checkSavesAndReopens(figures, "as opened");

    const QLocale savedIn(figures.locale);
    for (const QLocale &locale : fuzz::locales()) {
        const model::FacilityFigures shown = model::figuresForLocale(figures, locale);
        const std::string where = "shown in " + locale.name().toStdString();
        FUZZ_CHECK(shown.locale == locale.name(), "the shown figures carry the current locale", where);
        if (figures.locale == locale.name()) {
            FUZZ_CHECK(shown == figures, "in the saved settings every text is unchanged", where);
            continue;
        }
        for (int i = 0; i < model::kInputCount; ++i)
            checkTextInLocale(figures.figures[i], savedIn, shown.figures[i], locale, where);
        checkTextInLocale(figures.investment.systemPrice, savedIn, shown.investment.systemPrice, locale, where);
        checkTextInLocale(figures.investment.yearlyUpkeep, savedIn, shown.investment.yearlyUpkeep, locale, where);
        FUZZ_CHECK(shown.assumptions == figures.assumptions, "the reductions are unchanged", where);
        FUZZ_CHECK(shown.report.customer == figures.report.customer, "the other details are unchanged", where);
        // Number texts can be longer than the texts they replace; a file
        // that grew beyond the limit is refused when saved, which is fine.
        if (model::toFacilityJson(shown).size() <= model::kFacilityFileMaxBytes)
            checkSavesAndReopens(shown, where.c_str());
    }
    return 0;
}
