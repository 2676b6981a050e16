// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionedProgressBar.h"

namespace cardisto {

CaptionedProgressBar::CaptionedProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void CaptionedProgressBar::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    // The format is kept equal to the caption for whoever reads it; text() shows the caption itself.
    setFormat(caption);
    // What a screen reader names the bar by; the value it reads from the bar itself.
    setAccessibleName(caption);
    update(); // the format may be unchanged while the caption is not
}

} // namespace cardisto
