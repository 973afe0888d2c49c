// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/help_viewer.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<HelpViewer> g_viewer;

} // namespace

HelpViewer::HelpViewer(const document::FacilityDocument &facility, QWidget *parent)
    : QDialog(parent, Qt::Window), m_facility(facility)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(tr("Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QHBoxLayout(this);
    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("helpContents"));
    for (int t = 0; t < outputs::kHelpTopicCount; ++t)
        m_contents->addItem(outputs::helpTopicTitle(outputs::HelpTopic(t)));
    m_contents->setMaximumWidth(m_contents->sizeHintForColumn(0) + 24);
    m_page = new QTextBrowser;
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenExternalLinks(true);
    // The pages' pictures, beside them in the program's resources.
    m_page->document()->setBaseUrl(QUrl(QStringLiteral("qrc:/guide/pages/")));
    layout->addWidget(m_contents);
    layout->addWidget(m_page, 1);
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && outputs::HelpTopic(row) != m_topic)
            showPage(outputs::HelpTopic(row), QString());
    });
    resize(900, 640);
}

HelpViewer *HelpViewer::showTopic(outputs::HelpTopic topic, const QString &anchor,
                                  const document::FacilityDocument &facility, QWidget *over)
{
    // Over a modal dialog the guide must be that dialog's, or the dialog
    // would block it.
    if (g_viewer && g_viewer->parentWidget() != over)
        g_viewer->close();
    if (!g_viewer)
        g_viewer = new HelpViewer(facility, over);
    g_viewer->showPage(topic, anchor);
    g_viewer->show();
    g_viewer->raise();
    g_viewer->activateWindow();
    return g_viewer;
}

void HelpViewer::showPage(outputs::HelpTopic topic, const QString &anchor)
{
    m_topic = topic;
    m_page->setHtml(outputs::helpPageHtml(topic, m_facility));
    if (!anchor.isEmpty())
        m_page->scrollToAnchor(anchor);
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentRow(int(topic));
}
