#pragma once

#include <QDialog>

class History_abstract;
class QListWidget;

// The History window: the labels of all undo levels, oldest first, with the
// current one selected. Choosing a level puts that state in place at once;
// the window stays open.
class TFhistory : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 234;
    static constexpr int clientHeight = 440;

    explicit TFhistory(History_abstract& history, QWidget* parent = nullptr);

    // Fills the list from the history and selects the current level.
    void fill();

    QListWidget* levels;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void levelChosen(int row);

    History_abstract& history_;
    bool filling_ = false;
};
