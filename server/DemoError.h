#pragma once
#include <QString>
#include <stdexcept>

// An error a remote method raises: the server answers 500 {"error":message}.
class DemoError : public std::runtime_error {
public:
    explicit DemoError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
