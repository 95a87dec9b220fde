#pragma once
// TForm1, the main window: port group, status line, the eight command buttons and,
// below them, the menu pages. Handlers forward to the core in a line or two.

#include <QWidget>
#include <functional>
#include <string>

#include "app/Colour.h"
#include "link/CommCycle.h"
#include "link/CycleHost.h"
#include "menus/MenuRowWidgets.h"
#include "menus/MenuRows.h"
#include "menus/ValueEditor.h"

class Dialogs;
struct LogRecorder;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QFrame;
class SerialPort;
class TPageControl;
class UpDown;
class BevelPanel;
struct ValueImage;

class TForm1 : public QWidget, public CycleHost {
    Q_OBJECT
public:
    // `describePort` names the device behind a port number, for the port field's tip.
    TForm1(ValueImage& image, SerialPort& port, const LogRecorder& recorder, Dialogs& dialogs,
           std::function<QString(int)> describePort = {}, QWidget* parent = nullptr);

    // The windows the Overview, Log and Graph buttons open; created after this one.
    void SetSecondaryWindows(QWidget* form2, QWidget* form3, QWidget* form4);

    // The only ways the status line and the Get and Send buttons change.
    void ShowStatus(const std::string& text, Rgb colour) override;
    void EnableGetSend(bool on) override;
    void ShowPortOpen(bool open) override;
    void ShowReceived(int rxCount) override;
    void RefreshMenuRows() override;
    void UpdateOverview() override;
    void CloseValueEditor() override;

    // Handlers; each forwards to the core.
    void Timer1Timer();
    void ApdComPort1TriggerAvail(int count);
    void BitBtnHaalClick();
    void BitBtnZendClick();
    void EditComNrChange();
    void BuildMenuPages();
    void RefreshMenuRow(int index);
    void PageControl1Change();
    void Edit1Enter(QObject* sender);
    void ButtonEditPPMMClick(std::int32_t factor);
    void ButtonXEditClick();
    void BitBtnSaveClick();
    void BitBtnLoadClick();
    void BitBtnExcelClick();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void BitBtnZeltBDAClick();
    void BitBtnLogClick();
    void BitBtnGraphClick();

    // The rows shown on the menu pages, and the value editor's open row and field.
    MenuRowTable MenuRows{};
    int EditRow() const { return editor_.EditRow; }
    QLineEdit* MenuField(int index) const { return rowWidgets_.Field(index); }
    QLineEdit* EditField = nullptr;

signals:
    void Closed();  // the main window closed: the program ends

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildEditPanel();

    ValueImage& image_;
    SerialPort& port_;
    const LogRecorder& recorder_;
    Dialogs& dialogs_;
    std::function<QString(int)> describePort_;
    CommCycle cycle_;
    ValueEditor editor_;
    MenuRowWidgets rowWidgets_;
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
    TPageControl* PageControl1 = nullptr;
    BevelPanel* PanelEdit = nullptr;
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
