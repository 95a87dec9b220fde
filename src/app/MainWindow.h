#pragma once
// TForm1, the main window: port group, status line, the eight command buttons and,
// below them, the menu pages. Handlers forward to the core in a line or two.

#include <QWidget>
#include <string>

#include "app/Colour.h"

class Dialogs;
class LogRecorder;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QFrame;
class UpDown;
class BevelPanel;
struct ValueImage;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(ValueImage& image, const LogRecorder& recorder, Dialogs& dialogs,
           QWidget* parent = nullptr);

    // The windows the Overview, Log and Graph buttons open; created after this one.
    void SetSecondaryWindows(QWidget* form2, QWidget* form3, QWidget* form4);

    // The only ways the status line and the Get and Send buttons change.
    void ShowStatus(const std::string& text, Rgb colour);
    void EnableGetSend(bool on);

    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void BitBtnLogClick();

    // The value editor's selection: the menu row open in the edit panel (-1: none)
    // and its highlighted field.
    int EditRow = -1;
    QLineEdit* EditField = nullptr;

signals:
    void Closed();  // the main window closed: the program ends

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();

    ValueImage& image_;
    const LogRecorder& recorder_;
    Dialogs& dialogs_;
    QWidget* form2_ = nullptr;
    QWidget* form3_ = nullptr;
    QWidget* form4_ = nullptr;
    bool shownOnce_ = false;

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* EditComNr = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* LabelComOpen = nullptr;
    QLabel* Label7 = nullptr;
    QProgressBar* ProgressBarRec = nullptr;
    BevelPanel* Panel1 = nullptr;
    QLabel* LabelInfo = nullptr;
    QFrame* PageControl1 = nullptr;
    QFrame* PanelEdit = nullptr;
    QPushButton* BitBtnHaal = nullptr;
    QPushButton* BitBtnZend = nullptr;
    QPushButton* BitBtnZeltBDA = nullptr;
    QPushButton* BitBtnLog = nullptr;
    QPushButton* BitBtnLoad = nullptr;
    QPushButton* BitBtnSave = nullptr;
    QPushButton* BitBtnGraph = nullptr;
    QPushButton* BitBtnExcel = nullptr;
    QTimer* Timer1 = nullptr;
};
