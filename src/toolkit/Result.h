#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why an operation failed: a clause such as "it is not a regular file". The window that tells
// the user makes the sentence around it, naming what it tried.
struct Failure {
    QString reason;
};

// What every operation that can fail gives back: its value, or the Failure.
template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(Failure failure)
        : m_reason(std::move(failure.reason))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& operator*() const& { return *m_value; }
    T&& operator*() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    // The empty text when the operation succeeded.
    const QString& reason() const { return m_reason; }
    // Passes a failure on to a caller that gives back another type.
    Failure failure() const { return {m_reason}; }

private:
    std::optional<T> m_value;
    QString m_reason;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true)
        , m_reason(std::move(failure.reason))
    {
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString& reason() const { return m_reason; }
    Failure failure() const { return {m_reason}; }

private:
    bool m_failed = false;
    QString m_reason;
};
