#pragma once
// The serial port on QSerialPort: 9600 baud, 8N1, no flow control. Received bytes are
// announced on the UI thread through DataAvailable, like the data-available event the
// cycle expects.

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "app/CommandLine.h"
#include "link/PortErrorPolicy.h"
#include "link/SerialPort.h"

class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(const PortTable& ports, QObject* parent = nullptr);

    bool IsOpen() const override;
    void Open() override;
    void Close() override;
    void SetPortNumber(int portNumber) override;
    void PutChar(std::uint8_t byte) override;
    std::uint8_t GetChar() override;
    int BytesWaiting() const override;

    QString DeviceName() const;  // the device the current port number opens

signals:
    void DataAvailable(int count);  // at most 65535 per signal

private:
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void TryReopen();
    bool OpenDevice();

    const PortTable& ports_;
    QSerialPort port_;
    QTimer reopenTimer_;
    PortRecovery recovery_;
    int portNumber_ = 1;
};
