// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// The measuring side of the benchmark programs. Each program builds its
// window as it would for a user and hands it here, with its tab control and
// one input field; the command line picks what is measured:
//
//   <program> startup      shows the window; once its first paint has been
//                          drawn and flushed, prints the wall-clock time
//                          (microseconds since the epoch) and the peak
//                          resident memory so far, then ends at once
//   <program> refresh [N]  shows the window, then times N tab changes onto
//                          a result tab and N onto the Graph tab, each until
//                          painted, and prints the medians
//
// Output lines are "key=value", one per figure, for the bench script.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QTabWidget;
class QWidget;
QT_END_NAMESPACE

namespace bench {

struct Subject {
    QWidget *window = nullptr;
    QTabWidget *tabs = nullptr;
    QLineEdit *field = nullptr; // on the input tab; changed between timed tab changes
    int inputTab = 1;
    int resultTab = 2;
    int graphTab = 5;
};

// Runs the measurement named on the command line; returns the exit code.
// The window must not be shown yet.
int run(const Subject &subject);

// Peak resident set size of this process in KiB (VmHWM), or -1.
long peakResidentKiB();

} // namespace bench
