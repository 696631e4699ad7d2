// LoadViews that record which hooks the load called, in order.
#pragma once

#include "core/LoadReporter.h"

#include <QStringList>

class RecordingViews final : public LoadViews {
public:
    // Calls are also appended to sharedLog when given, to check their order against the reporter.
    explicit RecordingViews(QStringList* sharedLog = nullptr) : m_sharedLog(sharedLog) {}

    void ShowVersion(const QString& caption) override { Log(QStringLiteral("ShowVersion ") + caption); }
    void EnableAll() override { Log(QStringLiteral("EnableAll")); }
    void UpdateItemsList() override { Log(QStringLiteral("UpdateItemsList")); }
    void UpdateBase() override { Log(QStringLiteral("UpdateBase")); }
    void EnableTabs() override { Log(QStringLiteral("EnableTabs")); }
    void FillItemList() override { Log(QStringLiteral("FillItemList")); }
    void FillStringLists() override { Log(QStringLiteral("FillStringLists")); }
    void FillFirstNames() override { Log(QStringLiteral("FillFirstNames")); }
    void FillLastNames() override { Log(QStringLiteral("FillLastNames")); }
    void ShowSkippedFiles(const QStringList& messages) override
    {
        Log(QStringLiteral("ShowSkippedFiles ") + messages.join(QLatin1Char('|')));
    }

    [[nodiscard]] const QStringList& Calls() const { return m_calls; }

private:
    void Log(const QString& call);

    QStringList m_calls;
    QStringList* m_sharedLog;
};
