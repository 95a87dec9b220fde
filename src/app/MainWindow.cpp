#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

#include "app/BevelPanel.h"
#include "app/Cp1252.h"
#include "app/Dialogs.h"
#include "app/Identity.h"
#include "app/QtColour.h"
#include "app/ShellRules.h"
#include "app/UpDown.h"
#include "app/ValueImage.h"
#include "files/ControlsFile.h"
#include "files/CsvExport.h"
#include "files/FileDialogTexts.h"
#include "menus/PageControl.h"
#include "link/SerialPort.h"
#include "log/LogRecorder.h"

namespace {

constexpr int ClientWidth = 712;
constexpr int ClientHeight = 615;
constexpr int InitialLeft = 632;
constexpr int InitialTop = 204;

QFont LayoutFont(const char* family, int pixelHeight, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

// The eight picture buttons, as laid out in the window.
struct CommandButton {
    QPushButton* TForm1::*member;
    const char* name;
    const char* caption;
    const char* icon;
    int left, top, width, height;
    bool enabledAtStart;
};

} // namespace

TForm1::TForm1(ValueImage& image, SerialPort& port, const LogRecorder& recorder, Dialogs& dialogs,
               std::function<QString(int)> describePort, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      image_(image), port_(port), recorder_(recorder), dialogs_(dialogs), describePort_(std::move(describePort)),
      cycle_(image, port, *this, dialogs)
{
    BuildControls();
}

void TForm1::BuildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(MainWindowCaption));
    setFixedSize(ClientWidth, ClientHeight);
    move(InitialLeft, InitialTop);
    setFont(LayoutFont("MS Sans Serif", 11, false));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    GroupBox1 = new QGroupBox(QStringLiteral("Communication port"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 281, 49);

    EditComNr = new QLineEdit(QStringLiteral("1"), GroupBox1);
    EditComNr->setObjectName(QStringLiteral("EditComNr"));
    EditComNr->setGeometry(8, 16, 25, 21);
    EditComNr->setReadOnly(true);

    UpDown1 = new UpDown(GroupBox1, LowestPortNumber, HighestPortNumber, 1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(33, 16, 16, 21);
    UpDown1->Associate(EditComNr);

    LabelComOpen = new QLabel(QStringLiteral("Closed"), GroupBox1);
    LabelComOpen->setObjectName(QStringLiteral("LabelComOpen"));
    // The indicator is 19 pixels high: a 16-pixel font fills it.
    LabelComOpen->setFont(LayoutFont("MS Sans Serif", 16, false));
    LabelComOpen->move(56, 16);
    LabelComOpen->resize(LabelComOpen->sizeHint().width(), 19);
    SetTextColour(LabelComOpen, ToQColor(clTeal));

    Label7 = new QLabel(QStringLiteral("Receiving"), GroupBox1);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->move(128, 8);
    Label7->adjustSize();
    SetTextColour(Label7, ToQColor(clTeal));

    ProgressBarRec = new QProgressBar(GroupBox1);
    ProgressBarRec->setObjectName(QStringLiteral("ProgressBarRec"));
    ProgressBarRec->setGeometry(128, 24, 145, 17);
    ProgressBarRec->setRange(0, ReceiveBarMaximum);
    ProgressBarRec->setValue(0);
    ProgressBarRec->setTextVisible(false);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(296, 13, 409, 44);

    LabelInfo = new QLabel(QStringLiteral("No action"), Panel1);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setFont(LayoutFont("Arial", 21, true));
    LabelInfo->setGeometry(8, 8, 409 - 16, 44 - 12);
    LabelInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    static const CommandButton buttons[] = {
        {&TForm1::BitBtnHaal, "BitBtnHaal", "Get", "get", 8, 62, 161, 61, false},
        {&TForm1::BitBtnZend, "BitBtnZend", "Send", "send", 168, 62, 153, 61, false},
        {&TForm1::BitBtnZeltBDA, "BitBtnZeltBDA", "Overview", "overview", 384, 62, 161, 61, true},
        {&TForm1::BitBtnLog, "BitBtnLog", "Log", "log", 544, 62, 161, 61, true},
        {&TForm1::BitBtnLoad, "BitBtnLoad", "Load", "load", 8, 126, 161, 61, true},
        {&TForm1::BitBtnSave, "BitBtnSave", "Save", "save", 168, 126, 153, 61, true},
        {&TForm1::BitBtnGraph, "BitBtnGraph", "Graph", "graph", 384, 126, 161, 61, true},
        {&TForm1::BitBtnExcel, "BitBtnExcel", "EXCEL", "excel", 544, 126, 161, 61, true},
    };
    for (const CommandButton& b : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, b.top, b.width, b.height);
        button->setFont(LayoutFont("Arial", 16, true));
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(b.icon))));
        button->setIconSize(QSize(32, 32));
        button->setEnabled(b.enabledAtStart);
        this->*b.member = button;
    }
    connect(BitBtnHaal, &QPushButton::clicked, this, &TForm1::BitBtnHaalClick);
    connect(BitBtnZend, &QPushButton::clicked, this, &TForm1::BitBtnZendClick);
    connect(BitBtnZeltBDA, &QPushButton::clicked, this, &TForm1::BitBtnZeltBDAClick);
    connect(BitBtnLog, &QPushButton::clicked, this, &TForm1::BitBtnLogClick);
    connect(BitBtnGraph, &QPushButton::clicked, this, &TForm1::BitBtnGraphClick);
    connect(BitBtnSave, &QPushButton::clicked, this, &TForm1::BitBtnSaveClick);
    connect(BitBtnLoad, &QPushButton::clicked, this, &TForm1::BitBtnLoadClick);
    connect(BitBtnExcel, &QPushButton::clicked, this, &TForm1::BitBtnExcelClick);
    connect(EditComNr, &QLineEdit::textChanged, this, &TForm1::EditComNrChange);

    PageControl1 = new TPageControl(this);
    PageControl1->setGeometry(8, 192, 697, 417);
    connect(PageControl1, &TPageControl::Change, this, &TForm1::PageControl1Change);

    BuildEditPanel();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

void TForm1::BuildEditPanel()
{
    PanelEdit = new BevelPanel(this);
    PanelEdit->setObjectName(QStringLiteral("PanelEdit"));
    PanelEdit->setGeometry(24, 304, 105, 39);
    PanelEdit->SetFaceColour(ToQColor(clAqua));
    PanelEdit->hide();

    struct StepButton {
        const char* name;
        const char* caption;
        int left, top;
        std::int32_t factor;
    };
    static const StepButton steps[] = {
        {"ButtonEditPPP", "+++", 5, 3, +100}, {"ButtonEditPP", "++", 29, 3, +10},
        {"ButtonEditP", "+", 53, 3, +1},      {"ButtonEditMMM", "- - -", 5, 19, -100},
        {"ButtonEditMM", "- -", 29, 19, -10}, {"ButtonEditM", "-", 53, 19, -1},
    };
    for (const StepButton& b : steps) {
        auto* button = new QPushButton(QString::fromLatin1(b.caption), PanelEdit);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, b.top, 25, 17);
        const std::int32_t factor = b.factor;
        connect(button, &QPushButton::clicked, this, [this, factor] { ButtonEditPPMMClick(factor); });
    }
    auto* close = new QPushButton(QStringLiteral("X"), PanelEdit);
    close->setObjectName(QStringLiteral("ButtonXEdit"));
    close->setGeometry(86, 1, 18, 18);
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    connect(close, &QPushButton::clicked, this, &TForm1::ButtonXEditClick);
}

void TForm1::SetSecondaryWindows(QWidget* form2, QWidget* form3, QWidget* form4)
{
    form2_ = form2;
    form3_ = form3;
    form4_ = form4;
}

void TForm1::ShowStatus(const std::string& text, Rgb colour)
{
    SetTextColour(LabelInfo, ToQColor(colour));
    LabelInfo->setText(FromCp1252(text));
}

void TForm1::EnableGetSend(bool on)
{
    BitBtnHaal->setEnabled(on);
    BitBtnZend->setEnabled(on);
}

void TForm1::ShowPortOpen(bool open)
{
    LabelComOpen->setText(open ? QStringLiteral("Open") : QStringLiteral("Closed"));
}

void TForm1::ShowReceived(int rxCount)
{
    ProgressBarRec->setValue(std::min(rxCount, ReceiveBarMaximum));
}

void TForm1::BuildMenuPages()
{
    MenuRows = ::BuildMenuRows();
    rowWidgets_.Build(MenuRows, *PageControl1, this);
    RefreshMenuRows();
}

void TForm1::RefreshMenuRows()
{
    for (int i = 0; i < MenuRowCapacity; ++i)
        RefreshMenuRow(i);
}

void TForm1::RefreshMenuRow(int index)
{
    if (MenuRows[index].Reg == FreeRowReg)
        return;
    rowWidgets_.Show(index, RenderMenuRow(MenuRows[index], image_));
}

void TForm1::PageControl1Change()
{
    BitBtnGraph->setVisible(true);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        Edit1Enter(watched);
    return QWidget::eventFilter(watched, event);
}

void TForm1::Edit1Enter(QObject* sender)
{
    auto* field = qobject_cast<QLineEdit*>(sender);
    if (!field)
        return;
    ButtonXEditClick();
    if (!editor_.Enter(MenuRows, rowWidgets_.IndexOfField(field)))
        return;  // a read-only field leaves the panel closed
    PanelEdit->setParent(field->parentWidget());
    PanelEdit->move(field->x() + field->width(), field->y() - 7);
    PanelEdit->show();
    PanelEdit->raise();
    EditField = field;
    MenuRowWidgets::Highlight(field, true);
}

void TForm1::ButtonEditPPMMClick(std::int32_t factor)
{
    if (editor_.Press(MenuRows, image_, factor))
        RefreshMenuRow(editor_.EditRow);
}

void TForm1::ButtonXEditClick()
{
    if (!editor_.Close())
        return;
    PanelEdit->hide();
    if (EditField)
        MenuRowWidgets::Highlight(EditField, false);
}

void TForm1::UpdateOverview()
{
    // The overview shows no live values yet.
}

void TForm1::CloseValueEditor()
{
    ButtonXEditClick();
}

void TForm1::Timer1Timer()
{
    cycle_.Timer1Timer();
}

void TForm1::ApdComPort1TriggerAvail(int count)
{
    cycle_.ApdComPort1TriggerAvail(count);
}

void TForm1::BitBtnHaalClick()
{
    cycle_.BitBtnHaalClick();
}

void TForm1::BitBtnZendClick()
{
    cycle_.BitBtnZendClick();
}

void TForm1::EditComNrChange()
{
    const int number = UpDown1->Position();
    cycle_.EditComNrChange(number);
    if (describePort_)
        EditComNr->setToolTip(describePort_(number));
}

void TForm1::FormShow()
{
    image_.DataStale = 1;
    editor_.EditRow = -1;
    EditField = nullptr;
    BuildMenuPages();
}

bool TForm1::FormCloseQuery()
{
    return MayCloseMainWindow(recorder_.LoggingActive, dialogs_);
}

void TForm1::FormClose()
{
    Timer1->stop();
    port_.Close();
}

void TForm1::BitBtnSaveClick()
{
    ButtonXEditClick();
    SaveControls(image_, dialogs_.AskFileName({"SaveDialog1", SaveControlsTitle, "", "", "", true}),
                 dialogs_);
}

void TForm1::BitBtnLoadClick()
{
    ButtonXEditClick();
    if (LoadControls(image_, dialogs_.AskFileName({"OpenDialog1", GetControlsTitle, "", "", "", false}),
                     dialogs_))
        RefreshMenuRows();
}

void TForm1::BitBtnExcelClick()
{
    ButtonXEditClick();
    const std::string path = dialogs_.AskFileName(
        {"SaveDialog2", SaveCsvTitle, CsvFilterName, CsvFilterPattern, CsvDefaultExtension, true});
    ExportCsv(MenuRows, image_, path, dialogs_);
}

void TForm1::BitBtnZeltBDAClick()
{
    if (form2_)
        form2_->setVisible(!form2_->isVisible());
}

void TForm1::BitBtnGraphClick()
{
    if (form4_) {
        form4_->show();
        form4_->raise();
    }
}

void TForm1::BitBtnLogClick()
{
    if (form3_)
        form3_->setVisible(!form3_->isVisible());
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    EditComNrChange();  // the port field's first value opens port 1
    FormShow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit Closed();
}
