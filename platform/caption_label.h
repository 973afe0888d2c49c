// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLabel>

namespace platform {

// A label whose caption is kept exactly as given. A carriage return (the
// captions' line separator) starts a new line, which QLabel would otherwise
// draw as a blank; longer lines wrap at word boundaries within the width.
// Screen readers get the caption as shown through the accessible name, which
// follows every caption change.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *parent = nullptr, Qt::Alignment horizontal = Qt::AlignLeft);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};

} // namespace platform
