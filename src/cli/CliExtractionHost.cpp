#include "CliExtractionHost.h"

namespace cardisto {

CliExtractionHost::CliExtractionHost(const CliExtractRequest& request, QStringList inputEntries, QIODevice& err)
    : m_request(request), m_inputs(std::move(inputEntries)), m_options{request.removeDuplicates, request.showSource},
      m_err(err), m_reporter(&err)
{
    // As in the text-set window, an empty answer adds no item.
    for (const QString& item : request.textSetItems) {
        if (!item.isEmpty())
            m_items.append(item);
    }
}

QString CliExtractionHost::extractionText(ExtractionText box) const
{
    switch (box) {
    case ExtractionText::ContainingText:
        return m_request.extraction == CliExtraction::Containing ? m_request.text : QString();
    case ExtractionText::NotContainingText:
        return m_request.extraction == CliExtraction::NotContaining ? m_request.text : QString();
    case ExtractionText::LineNumbers:
        return m_request.extraction == CliExtraction::LineNumbers ? m_request.text : QString();
    case ExtractionText::StartMarker:
        return m_request.startMarker;
    case ExtractionText::EndMarker:
        return m_request.endMarker;
    }
    return {};
}

void CliExtractionHost::showMessage(const QString& text)
{
    ++m_messages;
    m_err.write((text + u'\n').toUtf8());
}

} // namespace cardisto
