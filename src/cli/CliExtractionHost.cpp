// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliExtractionHost.h"

#include "CliMessages.h"
#include "CliOutput.h"

namespace cardisto {

CliExtractionHost::CliExtractionHost(const CliExtractRequest& request, QStringList inputEntries, QIODevice& err,
                                     CliErrorReporter& reporter, CliOutput* stream, ShownName shownName)
    : m_request(request), m_inputs(std::move(inputEntries)), m_options{request.removeDuplicates, request.showSource},
      m_err(err), m_reporter(reporter), m_stream(stream), m_shownName(std::move(shownName))
{
    // As in the text-set window, an empty answer adds no item.
    for (const QString& item : request.textSetItems) {
        if (!item.isEmpty())
            m_items.append(item);
    }
}

qsizetype CliExtractionHost::inputCount() const
{
    return m_stream && !m_stream->isOpen() ? 0 : m_inputs.size();
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

void CliExtractionHost::takeOffer(const ExtractionOptions& options, const QString& sourceEntry, HashedText hashedText)
{
    const QStringView resultText = hashedText.text;
    if (!m_stream) {
        ExtractionHost::takeOffer(options, shown(sourceEntry), hashedText);
        return;
    }
    if (!m_stream->isOpen())
        return;
    // The add rule of the results list, without the list: a result already written is dropped.
    if (options.removeDuplicates) {
        if (m_written.contains(resultText, hashedText.hash))
            return;
        m_written.addAbsent(resultText.toString(), hashedText.hash);
    }
    if (options.showSourceFilename)
        m_stream->writeLine(shown(sourceEntry), resultText, true);
    else
        m_stream->writeLine(resultText);
}

void CliExtractionHost::expectOffer(const ExtractionOptions& options, HashedText resultText, LookupDistance distance)
{
    if (!m_stream)
        ExtractionHost::expectOffer(options, resultText, distance);
    else if (options.removeDuplicates)
        m_written.prefetch(resultText.hash, distance);
}

void CliExtractionHost::setProgress(int, const QString&)
{
    // Called as each file starts: what the files before it gave is written by then.
    if (m_stream)
        m_stream->flush();
}

void CliExtractionHost::showMessage(const QString& text)
{
    ++m_messages;
    writeCliMessage(m_err, QStringLiteral("extract"), text);
}

ErrorReporter& CliExtractionHost::errorReporter()
{
    return m_reporter;
}

} // namespace cardisto
