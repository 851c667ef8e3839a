// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace probel {

// Thrown when a collection is asked for a position or key it does not hold.
class CollectionError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// An ordered collection that owns its objects, with 1-based positions in insertion order
// and an optional unique text key per entry. Removing an entry closes the gap. Graphs of a
// sheet, series of a graph and the open sheets are all kept this way.
template <class T>
class KeyedCollection {
public:
    KeyedCollection() = default;
    KeyedCollection(KeyedCollection&&) noexcept = default;
    KeyedCollection& operator=(KeyedCollection&&) noexcept = default;

    // Appends `object` under `key` (no key when empty) and returns it. A key already present
    // is refused with CollectionError and nothing is added.
    T& add(std::unique_ptr<T> object, std::string key = {})
    {
        if (!key.empty() && indexOf(key) >= 0) {
            throw CollectionError("キー \"" + key + "\" は既に使われています。");
        }
        entries_.push_back(Entry{std::move(key), std::move(object)});
        return *entries_.back().object;
    }

    // Puts `object` under `key` at a 1-based position (count() + 1 appends), the entries from
    // there on moving up one. CollectionError for a key in use or a position out of range.
    T& insert(std::int32_t position, std::unique_ptr<T> object, std::string key = {})
    {
        if (position < 1 || position > count() + 1) {
            throw CollectionError("位置 " + std::to_string(position) + " には入れられません。");
        }
        if (!key.empty() && indexOf(key) >= 0) {
            throw CollectionError("キー \"" + key + "\" は既に使われています。");
        }
        const auto at = entries_.insert(entries_.begin() + (position - 1), Entry{std::move(key), std::move(object)});
        return *at->object;
    }

    // Removes the entry under `key` and hands the object over; CollectionError when there is none.
    std::unique_ptr<T> take(std::string_view key)
    {
        const auto index = checkedIndex(key);
        std::unique_ptr<T> object = std::move(entries_[index].object);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        return object;
    }

    // The 1-based position of the entry under `key`; 0 when there is none.
    std::int32_t positionOf(std::string_view key) const { return static_cast<std::int32_t>(indexOf(key) + 1); }

    std::int32_t count() const { return static_cast<std::int32_t>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    // Entry at a 1-based position or under a key; CollectionError when there is none.
    T& item(std::int32_t position) { return *entries_.at(checkedIndex(position)).object; }
    const T& item(std::int32_t position) const { return *entries_.at(checkedIndex(position)).object; }
    T& item(std::string_view key) { return *entries_[checkedIndex(key)].object; }
    const T& item(std::string_view key) const { return *entries_[checkedIndex(key)].object; }

    // The same look-ups without an error: nullptr when there is no such entry. A const
    // collection hands out const objects only.
    T* find(std::int32_t position) { return objectAt(positionIndex(position)); }
    const T* find(std::int32_t position) const { return objectAt(positionIndex(position)); }
    T* find(std::string_view key) { return objectAt(indexOf(key)); }
    const T* find(std::string_view key) const { return objectAt(indexOf(key)); }
    bool contains(std::string_view key) const { return indexOf(key) >= 0; }

    // The key of the entry at a 1-based position (empty when it has none).
    const std::string& keyAt(std::int32_t position) const { return entries_.at(checkedIndex(position)).key; }

    void remove(std::int32_t position) { entries_.erase(entries_.begin() + checkedIndex(position)); }
    void remove(std::string_view key) { entries_.erase(entries_.begin() + checkedIndex(key)); }
    void clear() { entries_.clear(); }

    // Changes the key of the entry now under `from`; the entry keeps its position.
    void rekey(std::string_view from, std::string to)
    {
        const auto index = checkedIndex(from);
        if (from == to) {
            return;
        }
        if (!to.empty() && indexOf(to) >= 0) {
            throw CollectionError("キー \"" + to + "\" は既に使われています。");
        }
        entries_[index].key = std::move(to);
    }

    // A collection of copies under the same keys, in the same order; copyOf(object) makes the
    // unique_ptr of each copy.
    template <class CopyOf>
    KeyedCollection copied(CopyOf copyOf) const
    {
        KeyedCollection copy;
        for (const Entry& entry : entries_) {
            copy.entries_.push_back(Entry{entry.key, copyOf(*entry.object)});
        }
        return copy;
    }

    // Iteration in order over the objects themselves.
    template <class Owner, class Value>
    class BasicIterator {
    public:
        BasicIterator(Owner entries, std::size_t index) : entries_(entries), index_(index) {}
        Value& operator*() const { return *(*entries_)[index_].object; }
        Value* operator->() const { return (*entries_)[index_].object.get(); }
        BasicIterator& operator++()
        {
            ++index_;
            return *this;
        }
        bool operator==(const BasicIterator& other) const { return index_ == other.index_; }

    private:
        Owner entries_;
        std::size_t index_;
    };

    struct Entry {
        std::string key;
        std::unique_ptr<T> object;
    };
    using iterator = BasicIterator<std::vector<Entry>*, T>;
    using const_iterator = BasicIterator<const std::vector<Entry>*, const T>;

    iterator begin() { return iterator(&entries_, 0); }
    iterator end() { return iterator(&entries_, entries_.size()); }
    const_iterator begin() const { return const_iterator(&entries_, 0); }
    const_iterator end() const { return const_iterator(&entries_, entries_.size()); }

private:
    T* objectAt(std::ptrdiff_t index) const { return index >= 0 ? entries_[index].object.get() : nullptr; }
    std::ptrdiff_t positionIndex(std::int32_t position) const
    {
        return position >= 1 && position <= count() ? position - 1 : -1;
    }
    std::ptrdiff_t indexOf(std::string_view key) const
    {
        if (key.empty()) {
            return -1;
        }
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].key == key) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
        return -1;
    }
    std::size_t checkedIndex(std::int32_t position) const
    {
        if (position < 1 || position > count()) {
            throw CollectionError("位置 " + std::to_string(position) + " の要素はありません。");
        }
        return static_cast<std::size_t>(position - 1);
    }
    std::size_t checkedIndex(std::string_view key) const
    {
        const auto index = indexOf(key);
        if (index < 0) {
            throw CollectionError("キー \"" + std::string(key) + "\" の要素はありません。");
        }
        return static_cast<std::size_t>(index);
    }

    std::vector<Entry> entries_;
};

}  // namespace probel
