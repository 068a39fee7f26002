// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <utility>

// The icon a message box shows with a message.
enum class Icon { None, Information, Warning, Error, Question };

// A message the engine hands back instead of showing it: the window decides how.
struct Message
{
    QString title;
    QString text;
    Icon icon = Icon::None;

    friend bool operator==(const Message &, const Message &) = default;
};

// Outcome of an operation that may refuse. Success carries no message; a refusal
// carries exactly one, with the texts the user is to see.
class Result
{
public:
    static Result success() { return Result(); }
    static Result refused(Message message) { return Result(std::move(message)); }
    static Result refused(const QString &title, const QString &text, Icon icon)
    {
        return Result(Message{title, text, icon});
    }

    bool ok() const { return !m_message.has_value(); }
    explicit operator bool() const { return ok(); }
    // The refusal; only valid when !ok().
    const Message &message() const { return *m_message; }

private:
    Result() = default;
    explicit Result(Message message) : m_message(std::move(message)) {}
    std::optional<Message> m_message;
};
