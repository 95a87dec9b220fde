#pragma once
// TForm3, the log window: records fourteen process values into a chart.

#include <QWidget>

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
