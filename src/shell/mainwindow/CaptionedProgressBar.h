// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>

namespace cardisto {

// A progress bar that shows a caption of the program's choosing on the bar ("Processing: a.vcf").
// The caption is shown as it is: a file name holding "%p" or "%v" is not taken for a placeholder.
class CaptionedProgressBar final : public QProgressBar {
    Q_OBJECT
public:
    explicit CaptionedProgressBar(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    QString text() const override { return m_caption; }

private:
    QString m_caption;
};

} // namespace cardisto
