#pragma once

#include <QMainWindow>

// The frame of the application: the maximised main window that holds the
// child windows and the menus.
class TFmain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFmain(QWidget* parent = nullptr);
};
