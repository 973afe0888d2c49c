// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "outputs/user_guide.h"

#include <QObject>
#include <QString>

class Form1;

// F1 anywhere in the program opens the user guide at the page of what has
// the focus (HelpViewer); Shift+F1 asks What's This, which each figure's
// field answers with its one line (outputs::fieldExplanation()).
class HelpKeys : public QObject {
    Q_OBJECT
public:
    explicit HelpKeys(Form1 &window);

    struct Place {
        outputs::HelpTopic topic;
        QString anchor;
    };
    // The page for the widget that has the focus: a figure's own line on the
    // figures' page, the results' tabs the computation, each dialog its topic.
    Place placeOf(const QWidget *focus) const;

    void showHelp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1 &m_window;
};
