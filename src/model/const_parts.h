#pragma once

#include <memory>
#include <ranges>
#include <span>
#include <vector>

// Read-only access to the lists an object owns or refers to: views that give each part as
// `const T*`, and copies of such lists to reorder or filter.
namespace kv {

// What a read-only object shows of the parts it owns: each part as `const T*`, so that a
// reader that holds the whole as const cannot change a part through it.
template <typename T> struct TConstPart {
    const T* operator()(const std::unique_ptr<T>& part) const { return part.get(); }
};

template <typename T>
using TConstParts =
    std::ranges::transform_view<std::ranges::ref_view<const std::vector<std::unique_ptr<T>>>,
                                TConstPart<T>>;

template <typename T> TConstParts<T> ConstParts(const std::vector<std::unique_ptr<T>>& parts) {
    return TConstParts<T>(std::views::all(parts), TConstPart<T>{});
}

// A copy of a read-only list, to reorder or filter.
template <typename T> std::vector<T> ListOf(std::span<T const> items) {
    return {items.begin(), items.end()};
}

} // namespace kv
