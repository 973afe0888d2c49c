// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "outputs/user_guide.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QListWidget;
class QTextBrowser;
QT_END_NAMESPACE

namespace document {
class FacilityDocument;
}

// "Help": the user guide's contents beside its page (outputs::helpPageHtml()),
// offline. One window at a time: asked again, it shows the topic asked for.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    // Shows the topic, scrolled to the anchor where one is given, over the
    // window that has the focus (a modal dialog's own, so that it can be used
    // while that dialog is open).
    static HelpViewer *showTopic(outputs::HelpTopic topic, const QString &anchor,
                                 const document::FacilityDocument &facility, QWidget *over);

    outputs::HelpTopic topic() const { return m_topic; }

private:
    HelpViewer(const document::FacilityDocument &facility, QWidget *parent);
    void showPage(outputs::HelpTopic topic, const QString &anchor);

    const document::FacilityDocument &m_facility;
    QListWidget *m_contents = nullptr;
    QTextBrowser *m_page = nullptr;
    outputs::HelpTopic m_topic = outputs::HelpTopic::Figures;
};
