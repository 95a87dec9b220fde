#pragma once
// TForm4, the graph window: the configured curves and the present operating point.

#include <QWidget>

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};
