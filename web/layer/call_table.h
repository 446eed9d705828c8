#pragma once

// The machinery of the layer's call table (the table itself is in gl_layer_api.cpp). Every GL
// call the layer takes has one row: its name, whether a display list keeps it, and its handler,
// a function of the Layer and the call's arguments (or a member function of the Layer taking
// them) as plain values. A call is issued through its handler: run at once, or kept in the list
// being compiled as its row's number and its arguments copied into words (no allocation of its
// own), from which the row plays it again.

#include "web/layer/display_lists.h"

#include <cstring>
#include <functional>
#include <tuple>
#include <type_traits>

namespace tessivo::gllayer {

class Layer;

enum class Recording {
    Compiled,  // a list being compiled keeps the call, as GL compiles it
    Immediate, // runs at once even while a list is compiled, and is not kept (GL's client-side
               // calls, queries and the list commands themselves)
    Expanded,  // runs at once and issues other calls, which a list keeps (glDrawArrays takes the
               // values out of the arrays when it is compiled)
};

struct CallRow {
    const char* name;
    Recording recording;
    // Plays a kept call from its arguments and returns where the next kept call starts.
    const Word* (*play)(Layer& layer, const Word* arguments);
};

namespace calls {

template <typename T> constexpr std::size_t wordsOf = (sizeof(T) + sizeof(Word) - 1) / sizeof(Word);

template <typename T> void write(Word*& at, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(at, &value, sizeof value);
    at += wordsOf<T>;
}

template <typename T> T read(const Word*& at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    at += wordsOf<T>;
    return value;
}

// Handlers may take their arguments by value or by const reference; a list keeps the values.
template <typename T> using Value = std::remove_cv_t<std::remove_reference_t<T>>;

template <auto handler, typename Result, typename... Arguments> struct Call {
    static constexpr std::size_t words = (wordsOf<Value<Arguments>> + ... + 0);

    template <typename... Given>
    static void keep([[maybe_unused]] Word* at, const Given&... given) {
        static_assert(std::is_void_v<Result>, "a kept call answers nothing");
        static_assert(!(std::is_pointer_v<Value<Arguments>> || ...),
                      "a list keeps values, not pointers into the program's memory");
        (write<Value<Arguments>>(at, static_cast<Value<Arguments>>(given)), ...);
    }

    static const Word* play(Layer& layer, const Word* arguments) {
        if constexpr (sizeof...(Arguments) == 0) {
            std::invoke(handler, layer);
        } else {
            // The elements of a braced list are read in order.
            const Word* at = arguments;
            const std::tuple<Value<Arguments>...> values{read<Value<Arguments>>(at)...};
            std::apply([&layer](const auto&... a) { std::invoke(handler, layer, a...); }, values);
        }
        return arguments + words;
    }
};

template <auto handler> struct Handler;

template <typename Result, typename... Arguments, Result (*handler)(Layer&, Arguments...)>
struct Handler<handler> : Call<handler, Result, Arguments...> {};

template <typename Result, typename... Arguments, Result (Layer::*handler)(Arguments...)>
struct Handler<handler> : Call<handler, Result, Arguments...> {};

} // namespace calls

template <auto handler> constexpr CallRow row(const char* name, Recording recording) {
    return {name, recording, &calls::Handler<handler>::play};
}

} // namespace tessivo::gllayer
