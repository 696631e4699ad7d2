// The recording view hooks.
#include "support/RecordingViews.h"

void RecordingViews::Log(const QString& call)
{
    m_calls.append(call);
    if (m_sharedLog)
        m_sharedLog->append(call);
}
