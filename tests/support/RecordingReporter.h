// A LoadReporter that keeps what the progress window would show, and the order of calls.
#pragma once

#include "core/LoadReporter.h"

#include <QStringList>

class RecordingReporter final : public LoadReporter {
public:
    // Calls are also appended to sharedLog when given, to check their order against the
    // document's announcements.
    explicit RecordingReporter(QStringList* sharedLog = nullptr) : m_sharedLog(sharedLog) {}

    void Begin() override;
    void Append(const QString& text) override;
    void SetStatus(const QString& text) override;
    void Finish() override;
    void ShowSkippedFiles(const QStringList& messages) override;

    [[nodiscard]] const QString& LoadText() const { return m_lblLoad; }
    [[nodiscard]] const QString& CompText() const { return m_lblComp; }
    [[nodiscard]] bool Finished() const { return m_finished; }
    [[nodiscard]] const QStringList& Calls() const { return m_calls; }

private:
    void Log(const QString& call);

    QString m_lblLoad;
    QString m_lblComp;
    bool m_finished = false;
    QStringList m_calls;
    QStringList* m_sharedLog;
};
