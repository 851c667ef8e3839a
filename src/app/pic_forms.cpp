// SPDX-License-Identifier: MIT
#include "app/pic_forms.h"

#include <algorithm>

#include "app/pic_form.h"

namespace probel {

void PicForms::dropDeleted() const
{
    std::erase_if(entries_, [](const auto& entry) { return entry.second.isNull(); });
}

bool PicForms::add(std::string key, PicForm* form)
{
    if (key.empty() || form == nullptr || contains(key)) {
        return false;
    }
    entries_.emplace_back(std::move(key), form);
    return true;
}

PicForm* PicForms::find(std::string_view key) const
{
    dropDeleted();
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [key](const auto& entry) { return entry.first == key; });
    return found != entries_.end() ? found->second.data() : nullptr;
}

std::string PicForms::keyOf(const PicForm* form) const
{
    dropDeleted();
    for (const auto& [key, held] : entries_) {
        if (held.data() == form) {
            return key;
        }
    }
    return {};
}

bool PicForms::remove(std::string_view key)
{
    dropDeleted();
    return std::erase_if(entries_, [key](const auto& entry) { return entry.first == key; }) > 0;
}

bool PicForms::remove(const PicForm* form)
{
    dropDeleted();
    return std::erase_if(entries_, [form](const auto& entry) { return entry.second.data() == form; }) > 0;
}

bool PicForms::rekey(std::string_view from, std::string to)
{
    if (to.empty() || (from != to && contains(to))) {
        return false;
    }
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [from](const auto& entry) { return entry.first == from; });
    if (found == entries_.end()) {
        return false;
    }
    found->first = std::move(to);
    return true;
}

std::int32_t PicForms::count() const
{
    dropDeleted();
    return static_cast<std::int32_t>(entries_.size());
}

std::vector<PicForm*> PicForms::forms() const
{
    dropDeleted();
    std::vector<PicForm*> result;
    result.reserve(entries_.size());
    for (const auto& entry : entries_) {
        result.push_back(entry.second.data());
    }
    return result;
}

std::vector<std::string> PicForms::keys() const
{
    dropDeleted();
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const auto& entry : entries_) {
        result.push_back(entry.first);
    }
    return result;
}

}  // namespace probel
