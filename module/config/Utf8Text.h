#pragma once
// Counting and cutting text by whole characters: texts the operator typed or a status line
// shows are UTF-8, and a cut that split a character would show (or write) one never typed.

#include <cstddef>
#include <string>
#include <string_view>

// How many characters (code points) `text` holds; a byte that starts none counts as one.
std::size_t CodePointCount(std::string_view text);
// The first `count` characters of `text`.
std::string FirstCodePoints(std::string_view text, std::size_t count);
// The last `count` characters of `text`.
std::string LastCodePoints(std::string_view text, std::size_t count);
