// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "outputs/report_builder.h"

class QWidget;

// What the figure commands need of the window that shows the facility
// document: where their dialogs open, the graph its Graph tab shows, and
// the one answer a tab change gives to figures that are no number. Every
// fact of the facility is the document's; the commands know the window
// only through this.
class FigureWindow {
public:
    virtual ~FigureWindow() = default;

    // The parent of the commands' dialogs and messages, and the zoom they open at.
    struct DialogPlace {
        QWidget *parent = nullptr;
        qreal zoom = 1;
    };
    virtual DialogPlace dialogPlace() = 0;

    virtual outputs::GraphChoice graph() const = 0;

    // When a field holds no number: answers as a tab change does (the field
    // red, "Your Data" shown, the focus in the field) and returns true.
    virtual bool refuseBadFigures() = 0;
};
