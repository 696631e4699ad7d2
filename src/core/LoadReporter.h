// What the load tells the progress window: an interface, so the load runs and is tested
// without any window. The views hear of a load from the document, not from the load.
#pragma once

#include <QString>
#include <QStringList>

class LoadReporter {
public:
    virtual ~LoadReporter() = default;
    // Show the progress window, empty both labels and hide its OK button.
    virtual void Begin() = 0;
    // Append to the progress line (lblLoad).
    virtual void Append(const QString& text) = 0;
    // Replace the step or result text (lblComp).
    virtual void SetStatus(const QString& text) = 0;
    // The load has ended: show the OK button.
    virtual void Finish() = 0;
    // The language files a complete load went on without, one message each, told once at
    // its very end so the documented progress texts stay as they are.
    virtual void ShowSkippedFiles(const QStringList& messages) { Q_UNUSED(messages); }
};
