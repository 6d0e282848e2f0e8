#pragma once

#include <QWidget>

// A window whose real content comes later: it has its caption and client
// size and paints the shared frame, so that the arrangement of the windows
// and the View menu work with it already.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& caption, QSize clientSize, QWidget* parent = nullptr,
                      Qt::WindowFlags flags = {});

    // Redraws the window; what the real window recomputes first.
    void refresh();

    QSize sizeHint() const override { return clientSize_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize clientSize_;
};
