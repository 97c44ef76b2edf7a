#pragma once

#include <QString>

#include <optional>
#include <utility>

// What a call to the library gives: its value, or the reason it has none, in
// one line of the program's own words (LibraryTexts), ready to be shown.
template <typename T>
struct LibraryResult {
    std::optional<T> value;
    QString error;

    static LibraryResult failure(const QString& reason) { return {std::nullopt, reason}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const& { return *value; }
    T& operator*() & { return *value; }
    // Taken out of a result that is going, so that "for (x : *library.panels())" holds no dangling reference.
    T operator*() && { return std::move(*value); }
    const T* operator->() const { return &*value; }
};
