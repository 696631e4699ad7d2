// The load progress window: shows each step of a load and its result, never blocking.
#pragma once

#include "core/LoadReporter.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

class LoadWindow final : public QDialog, public LoadReporter {
    Q_OBJECT
public:
    // showSkipped tells the user of language files the load went on without.
    explicit LoadWindow(std::function<void(const QStringList&)> showSkipped, QWidget* parent = nullptr);

    void Begin() override;
    void Append(const QString& text) override;
    void SetStatus(const QString& text) override;
    void Finish() override;
    void ShowSkippedFiles(const QStringList& messages) override { m_showSkipped(messages); }

private:
    void CreateControls();
    void ConnectControls();

    std::function<void(const QStringList&)> m_showSkipped;

    struct Ui {
        QLabel* lblLoad;
        QLabel* lblComp;
        QPushButton* Command1;
    } ui{};
};
