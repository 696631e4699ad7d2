// The splash window shown at start; it gives way to the main window once.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

class SplashWindow final : public QWidget {
    Q_OBJECT
public:
    // The program passes 3500 ms; tests pass less.
    explicit SplashWindow(int intervalMs, QWidget* parent = nullptr);

signals:
    // Emitted once: at the first timer tick or the first click, whichever comes first.
    void Dismissed();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void Dismiss();

    bool m_dismissed = false;
    struct Ui {
        QLabel* Label1;
        QLabel* Label2;
        QLabel* Label3;
        QLabel* Label4;
        QTimer* Timer1;
    } ui{};
};
