// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace probel {

class PicForm;

// The open sheets of the main window in the order they were opened, each under its FName.
// Keys are compared letter for letter (two paths differing in case are two files). The
// windows belong to the main window's MDI area; an entry whose window is gone is dropped.
class PicForms {
public:
    // Adds `form` under `key`; false (and nothing added) when the key is in use or empty.
    bool add(std::string key, PicForm* form);
    PicForm* find(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    // The key of `form`, or an empty text when it is not held.
    std::string keyOf(const PicForm* form) const;
    // Removes the entry of `key` / of `form`; false when there is none.
    bool remove(std::string_view key);
    bool remove(const PicForm* form);
    // Moves the entry of `from` to the key `to`, keeping its place; false when `from` is not
    // held or `to` is held by another entry.
    bool rekey(std::string_view from, std::string to);

    std::int32_t count() const;
    bool empty() const { return count() == 0; }
    // The sheets in order.
    std::vector<PicForm*> forms() const;
    std::vector<std::string> keys() const;

private:
    void dropDeleted() const;

    mutable std::vector<std::pair<std::string, QPointer<PicForm>>> entries_;
};

}  // namespace probel
