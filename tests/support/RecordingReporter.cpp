// The recording load reporter.
#include "support/RecordingReporter.h"

void RecordingReporter::Log(const QString& call)
{
    m_calls.append(call);
    if (m_sharedLog)
        m_sharedLog->append(call);
}

void RecordingReporter::Begin()
{
    m_lblLoad.clear();
    m_lblComp.clear();
    m_finished = false;
    Log(QStringLiteral("Begin"));
}

void RecordingReporter::Append(const QString& text)
{
    m_lblLoad += text;
    Log(QStringLiteral("Append ") + text);
}

void RecordingReporter::SetStatus(const QString& text)
{
    m_lblComp = text;
    Log(QStringLiteral("Status ") + text);
}

void RecordingReporter::Finish()
{
    m_finished = true;
    Log(QStringLiteral("Finish"));
}

void RecordingReporter::ShowSkippedFiles(const QStringList& messages)
{
    Log(QStringLiteral("ShowSkippedFiles ") + messages.join(QLatin1Char('|')));
}
