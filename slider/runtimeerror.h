#pragma once

#include <QString>

#include <stdexcept>

// A numbered run-time error raised by the slider's property setters. The number is what a
// host that addresses the control by dispatch id sees: 380 for an invalid property value,
// 6 for an overflow.
class RuntimeError : public std::runtime_error {
public:
    enum Number : int { Overflow = 6, InvalidPropertyValue = 380 };

    RuntimeError(int number, const QString& message)
        : std::runtime_error(message.toStdString())
        , m_Number(number) {}

    int number() const noexcept { return m_Number; }

    static RuntimeError invalidPropertyValue(const QString& detail) {
        return RuntimeError(InvalidPropertyValue,
                            QStringLiteral("Invalid property value: ") + detail);
    }
    static RuntimeError overflow(const QString& detail) {
        return RuntimeError(Overflow, QStringLiteral("Overflow: ") + detail);
    }

private:
    int m_Number;
};
