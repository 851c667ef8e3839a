// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace probel {

// What was being done with an error's file. It decides how errorText (core/util/error_text.h)
// puts the file and line around the message, so messages never repeat them.
enum class FileAction : std::uint8_t {
    None,             // a table of values, a stream, or no file at all
    OpeningFile,      // opening a file to read it
    ReadingFile,      // reading a file's bytes
    ReadingDocument,  // reading the fields of a .pbl document
    SavingDocument,   // turning a sheet into a document (a field the document cannot hold)
    SavingFile,       // writing a file and putting it in place
};

// What went wrong, as the reason in the words the user will read (Japanese), without the
// file or line, which come as data: the file, the 1-based line where reading stopped (0 when
// there is none), for tables the 1-based column (0 when there is none), and what was being
// done with the file. Still built as Error{message, file, line, column}.
struct Error {
    std::string message;
    std::string file;
    int line = 0;
    int column = 0;
    FileAction action = FileAction::None;
};

// A value or the error that kept it from being made. Readers return this and never leave
// half-built objects behind.
template <class T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

// The outcome of an action that gives back nothing but can fail.
class Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool failed_ = false;
};

}  // namespace probel
