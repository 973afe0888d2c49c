// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/case_alternatives.h"

#include <QTableWidget>

// Doing nothing and the case's options side by side, one row each, with the
// cells model::alternativeCells() writes; the selected option in bold, and
// an option without figures telling why in its tooltip.
class AlternativesTable : public QTableWidget {
    Q_OBJECT
public:
    explicit AlternativesTable(QWidget *parent = nullptr);

    void showComparison(const model::AlternativesComparison &comparison, const QLocale &locale, QStringView symbol);
};
