#pragma once
// Up-down arrows bound to an edit field: the position steps within its range
// without wrapping, and every change rewrites the bound field's text.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QWidget* parent, int minimum, int maximum, int position);
    void Associate(QLineEdit* edit);  // the field that shows the position
    int Position() const { return position_; }
    void SetPosition(int position);   // clamped to the range
    void StepBy(int delta);

private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
    int minimum_, maximum_, position_;
};
