// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <vector>

namespace model {

// Rows a plant adds to its case beside the cost rows: a yearly saving the
// cost tables do not hold (work orders no longer raised for routine
// greasing, waste grease disposal, protective equipment), escalating like
// the cost rows and cash or not; and a one-off item, an outlay in a given
// year (below zero a rebate or grant), once or every so many years, as a
// pump replaced every three years.
struct OtherSaving {
    QString caption;
    double amount = 0; // a year, at today's prices
    double escalationPercent = 0;
    bool hard = false;

    friend bool operator==(const OtherSaving &, const OtherSaving &) = default;
};

struct OneOffItem {
    QString caption;
    double amount = 0; // an outlay; below zero money received
    int year = 0;      // 0: at the start, with the investment
    int every = 0;     // again every so many years; 0: once

    friend bool operator==(const OneOffItem &, const OneOffItem &) = default;
};

// The most of each a case holds, and the longest caption.
inline constexpr int kMaxCaseItems = 10;
inline constexpr qsizetype kMaxCaseItemCaption = 60;

// The spacing the formulas take for an item that falls once: beyond any
// period, so that only its own year holds it.
inline constexpr int kOnceEvery = 1000;

// An item's amount in year t (0 to the period).
double oneOffIn(const OneOffItem &item, int t);

// What falls at the start (year 0) of all the items.
double oneOffsAtStart(const std::vector<OneOffItem> &items);

} // namespace model
