#include "link/QtSerialPort.h"

#include <algorithm>
#include <stdexcept>

#include "app/Cp1252.h"
#include "link/CommCycle.h"

namespace {

PortFault FaultOf(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError: return PortFault::None;
    case QSerialPort::DeviceNotFoundError: return PortFault::DeviceNotFound;
    case QSerialPort::PermissionError: return PortFault::PermissionDenied;
    case QSerialPort::OpenError: return PortFault::Open;
    case QSerialPort::NotOpenError: return PortFault::NotOpen;
    case QSerialPort::WriteError: return PortFault::Write;
    case QSerialPort::ReadError: return PortFault::Read;
    case QSerialPort::ResourceError: return PortFault::Resource;
    case QSerialPort::UnsupportedOperationError: return PortFault::UnsupportedOperation;
    case QSerialPort::TimeoutError: return PortFault::Timeout;
    default: return PortFault::Unknown;
    }
}

constexpr int MaxAnnouncedBytes = 65535;  // the data-available count is 16 bits

} // namespace

QtSerialPort::QtSerialPort(const PortTable& ports, QObject* parent)
    : QObject(parent), ports_(ports)
{
    port_.setObjectName(QStringLiteral("ApdComPort1"));
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnError);
    reopenTimer_.setInterval(RequestPeriodTicks * TickMilliseconds);
    connect(&reopenTimer_, &QTimer::timeout, this, &QtSerialPort::TryReopen);
}

bool QtSerialPort::IsOpen() const
{
    return port_.isOpen();
}

bool QtSerialPort::OpenDevice()
{
    port_.setPortName(DeviceName());
    if (!port_.open(QIODevice::ReadWrite))
        return false;
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // A pseudo-terminal refuses the modem-line calls; that is no error for the line.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    return true;
}

void QtSerialPort::Open()
{
    recovery_.Chosen();
    reopenTimer_.stop();
    if (!OpenDevice()) {
        const QString why = port_.errorString();
        port_.clearError();
        throw std::runtime_error(ToCp1252(DeviceName() + QStringLiteral(": ") + why));
    }
}

void QtSerialPort::Close()
{
    if (port_.isOpen())
        port_.close();
}

void QtSerialPort::SetPortNumber(int portNumber)
{
    portNumber_ = portNumber;
}

QString QtSerialPort::DeviceName() const
{
    return QString::fromLocal8Bit(ports_.DeviceFor(portNumber_).c_str());
}

void QtSerialPort::PutChar(std::uint8_t byte)
{
    const char c = static_cast<char>(byte);
    if (port_.write(&c, 1) != 1)
        throw std::runtime_error(ToCp1252(port_.errorString()));
}

std::uint8_t QtSerialPort::GetChar()
{
    char c = 0;
    port_.getChar(&c);
    return static_cast<std::uint8_t>(c);
}

int QtSerialPort::BytesWaiting() const
{
    return static_cast<int>(std::min<qint64>(port_.bytesAvailable(), MaxAnnouncedBytes));
}

void QtSerialPort::OnReadyRead()
{
    // Each announcement carries at most a 16-bit count; deliver everything waiting.
    for (int waiting = BytesWaiting(); waiting > 0 && port_.isOpen(); waiting = BytesWaiting())
        emit DataAvailable(waiting);
}

void QtSerialPort::OnError(QSerialPort::SerialPortError error)
{
    if (!FaultClosesPort(FaultOf(error)) || !port_.isOpen())
        return;
    // Closing is deferred: the error may be reported from inside a QSerialPort call.
    QTimer::singleShot(0, this, [this] {
        if (!port_.isOpen())
            return;
        port_.close();
        port_.clearError();
        recovery_.Vanished();
        reopenTimer_.start();
    });
}

void QtSerialPort::TryReopen()
{
    if (!recovery_.WantsReopen() || port_.isOpen()) {
        reopenTimer_.stop();
        return;
    }
    if (OpenDevice()) {
        recovery_.Opened();
        reopenTimer_.stop();
    } else {
        port_.clearError();
    }
}
