// What the load tells the progress window, and the views it asks to rebuild; both are
// interfaces so the load runs and is tested without any window.
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
};

// The view refresh routines the load calls, in the order the load calls them. Each does
// nothing until its tab exists.
class LoadViews {
public:
    virtual ~LoadViews() = default;
    virtual void ShowVersion(const QString& caption) { Q_UNUSED(caption); }
    virtual void EnableAll() {}
    virtual void UpdateItemsList() {}
    virtual void UpdateBase() {}
    virtual void EnableTabs() {}
    virtual void FillItemList() {}
    virtual void FillStringLists() {}
    virtual void FillFirstNames() {}
    virtual void FillLastNames() {}
    // Not a view: the language files a complete load went on without, one message each,
    // told once at its very end so the documented progress texts stay as they are.
    virtual void ShowSkippedFiles(const QStringList& messages) { Q_UNUSED(messages); }
};
