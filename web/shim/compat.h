// The browser build's C++ library is older than the terminal build's: what
// the game uses from the newer one, in the few lines it needs. Included
// before every file of the browser build.
#pragma once

#ifdef __cplusplus
#include <algorithm>
#include <iterator>
#include <memory>
#include <type_traits>
#include <utility>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
namespace std {
template <class T>
requires(!is_array_v<T>) unique_ptr<T> make_unique_for_overwrite() { return unique_ptr<T>(new T); }
namespace ranges {
struct AllOf {
    template <class Range, class Test> bool operator()(Range&& range, Test test) const
    {
        return std::all_of(std::begin(range), std::end(range), std::move(test));
    }
};
inline constexpr AllOf all_of{};
} // namespace ranges
} // namespace std
#endif
#endif
