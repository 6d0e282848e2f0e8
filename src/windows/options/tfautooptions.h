#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>

#include <string>
#include <vector>

class AutoOptions;

// The dialog generated from an option table: one row per entry (an empty
// row before every category but the first), the label at the left and the
// value in a box at the right, and the buttons "Reset", "Ok" and "Cancel".
// A click changes an option at once; in live mode every change is applied
// at once too, and Cancel puts every option back as it was when the dialog
// opened.
class TFautoOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 422;
    static constexpr int rowHeight = 18;

    // One row of the dialog: the entry it shows (-1 for the empty row before
    // a category) and where it stands.
    struct Row {
        int option;
        QRect rect;
    };

    // An empty title gives "Options".
    TFautoOptions(AutoOptions& table, const std::string& title, bool live,
                  QWidget* parent = nullptr);

    // The value box of a row, and the "-" and "+" buttons inside it.
    static QRect valueRect(const Row& row);
    static QRect minusRect(const Row& row);
    static QRect plusRect(const Row& row);

    // A left click at p, as the mouse gives it.
    void clickAt(QPoint p);

    // Closing: when something changed, Cancel restores it (and applies
    // that in live mode); Ok applies it unless every change was applied
    // already.
    void done(int result) override;

    std::vector<Row> rows;
    QRect resetRect;
    QRect okRect;
    QRect cancelRect;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void layOut();
    void render();
    void changed();

    AutoOptions& options_;
    bool live_;
    bool snapshotTaken_ = false;
    QImage image_;
};

// Opens the dialog modally on the table; true when it was closed with Ok.
bool showOptionsDialog(AutoOptions& table, const std::string& title, bool live,
                       QWidget* parent = nullptr);
