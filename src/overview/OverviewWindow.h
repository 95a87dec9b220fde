#pragma once
// TForm2, the overview window: the unit's schematic with live readings.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};
