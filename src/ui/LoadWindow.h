// The load progress window: shows each step of a load and its result, never blocking.
#pragma once

#include "core/LoadReporter.h"

#include <QDialog>

class QLabel;
class QPushButton;

class LoadWindow final : public QDialog, public LoadReporter {
    Q_OBJECT
public:
    explicit LoadWindow(QWidget* parent = nullptr);

    void Begin() override;
    void Append(const QString& text) override;
    void SetStatus(const QString& text) override;
    void Finish() override;

private:
    void CreateControls();
    void ConnectControls();

    struct Ui {
        QLabel* lblLoad;
        QLabel* lblComp;
        QPushButton* Command1;
    } ui{};
};
