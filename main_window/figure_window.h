// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/cost_rows.h"
#include "model/currency_units.h"
#include "model/facility_file.h"
#include "model/input_table.h"

#include <QLocale>
#include <QString>

#include <array>

class QWidget;

// What the figure commands need of the window that holds the figures: its
// field texts, its chart's choice, showing figures opened from a file, and
// the one answer a tab change gives to figures that are no number. The
// commands know the window only through this.
class FigureWindow {
public:
    virtual ~FigureWindow() = default;

    // The parent of the commands' dialogs and messages.
    virtual QWidget *commandParent() = 0;
    virtual qreal zoomFactor() const = 0;

    // The twelve fields as typed, and the regional settings they are read in.
    virtual std::array<QString, model::kInputCount> fieldTexts() const = 0;
    virtual const QLocale &figuresLocale() const = 0;
    // The graph the Graph tab shows: a platform::ChartControl type and its stacking.
    virtual int graphType() const = 0;
    virtual bool graphStacking() const = 0;

    // When a field holds no number: answers as a tab change does (the field
    // red, "Your Data" shown, the focus in the field) and returns true.
    virtual bool refuseBadFigures() = 0;

    // Shows figures opened from a file; see Form1::showOpenedFigures().
    virtual void showOpenedFigures(const std::array<QString, model::kInputCount> &shown,
                                   const model::FacilityFigures &saved) = 0;
    // The file the figures are kept in now, named in the title.
    virtual void showFiguresFile(const QString &path) = 0;
    // Something kept in the file has changed since it was opened or saved.
    virtual void markFiguresChanged() = 0;
    virtual bool figuresChanged() const = 0;

    // The reductions the Velmor figures are computed with.
    virtual const model::Assumptions &assumptions() const = 0;
    virtual void setAssumptions(const model::Assumptions &assumptions) = 0;

    // The currency and units the figures are typed and shown in. New ones
    // show in the unit labels and the result figures at once.
    virtual const model::CurrencyUnits &currencyUnits() const = 0;
    virtual void setCurrencyUnits(const model::CurrencyUnits &currency) = 0;
    // Puts figures converted to other units into the fields; a figure
    // opened as no number stays as it is.
    virtual void showConvertedFigures(const std::array<QString, model::kInputCount> &texts) = 0;
};
