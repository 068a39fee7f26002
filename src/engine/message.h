// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <optional>
#include <utility>
#include <variant>

namespace Velloquin {

// The icon a message box shows with a message.
enum class Icon { None, Information, Warning, Error, Question };

// A message the engine hands back instead of showing it: the window decides how.
struct Message
{
    QString title;
    QString text;
    Icon icon = Icon::None;

    friend bool operator==(const Message &, const Message &) = default;

    // The texts of the messages the lower layers make, in the language the program speaks:
    // the window installs its catalogues before it starts, the command line none, so
    // there they stay in English.
    Q_DECLARE_TR_FUNCTIONS(Velloquin::Message)
};

// Outcome of an operation that may refuse: on success the value it made (nothing for
// Result<>), on refusal exactly one message with the texts the user is to see.
template <typename T = void>
class Result
{
public:
    // A success carrying the value.
    Result(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    // The refusal of an operation this one relied on, passed on; only for a refusal.
    Result(const Result<void> &refusal);

    static Result refused(Message message)
    {
        return Result(std::in_place_index<1>, std::move(message));
    }
    static Result refused(const QString &title, const QString &text, Icon icon)
    {
        return refused(Message{title, text, icon});
    }

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }
    // The value; only valid when ok().
    const T &value() const & { return std::get<0>(m_outcome); }
    T &&value() && { return std::get<0>(std::move(m_outcome)); }
    // The refusal; only valid when !ok().
    const Message &message() const { return std::get<1>(m_outcome); }

private:
    template <std::size_t I, typename A>
    Result(std::in_place_index_t<I> index, A &&a) : m_outcome(index, std::forward<A>(a))
    {}
    std::variant<T, Message> m_outcome;
};

// The outcome of an operation that makes nothing: success, or a refusal.
template <>
class Result<void>
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

template <typename T>
Result<T>::Result(const Result<void> &refusal)
    : m_outcome(std::in_place_index<1>, refusal.message())
{}

} // namespace Velloquin
