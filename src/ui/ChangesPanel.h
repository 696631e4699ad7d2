// The dockable Changes panel: what differs from the files as loaded, with revert.
#pragma once

#include <QDockWidget>

class ChangesModel;
class EditHistory;
class GameDocument;
class QPushButton;
class QTableView;
struct Change;

class ChangesPanel final : public QDockWidget {
    Q_OBJECT
public:
    ChangesPanel(const GameDocument& document, EditHistory& history, QWidget* parent = nullptr);

    [[nodiscard]] ChangesModel& Model() const { return *m_model; }

    // The content's height with room for the header and eight lines.
    [[nodiscard]] int UsefulContentHeight() const;

signals:
    // A line was double-clicked: its record should come into sight.
    void RevealRequested(const Change& change);

private:
    void RevertSelected();
    void RevertAll();
    void UpdateTitle();
    void UpdateRevert();

    EditHistory& m_history;
    ChangesModel* m_model;
    QTableView* m_view;
    QPushButton* m_revert;
    QPushButton* m_revertAll;
};
