#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A text of the programs as Windows-1254 bytes, converted at compile time from readable UTF-8 source.
template <std::size_t Capacity>
struct Cp1254Text {
    std::array<char, Capacity> bytes{};
    std::size_t size = 0;

    constexpr operator std::string_view() const { return {bytes.data(), size}; }
};

template <std::size_t N>
consteval Cp1254Text<N> cp1254(const char (&utf8)[N]) {
    struct Letter {
        char32_t unicode;
        unsigned char byte;
    };
    // Any letter outside ASCII and this table stops the compilation.
    constexpr Letter turkishLetters[] = {
        {U'ı', 0xFD}, {U'ş', 0xFE}, {U'ğ', 0xF0}, {U'ç', 0xE7}, {U'Ç', 0xC7}, {U'ö', 0xF6},
        {U'ü', 0xFC}, {U'İ', 0xDD}, {U'Ş', 0xDE}, {U'Ğ', 0xD0}, {U'Ö', 0xD6}, {U'Ü', 0xDC},
    };
    Cp1254Text<N> text;
    for (std::size_t i = 0; i + 1 < N;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t unicode = length == 3 ? lead & 0x0Fu : length == 2 ? lead & 0x1Fu : lead;
        for (std::size_t k = 1; k < length; ++k) {
            unicode = (unicode << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        i += length;
        if (unicode < 0x80) {
            text.bytes[text.size++] = static_cast<char>(unicode);
            continue;
        }
        bool found = false;
        for (const Letter& letter : turkishLetters) {
            if (letter.unicode == unicode) {
                text.bytes[text.size++] = static_cast<char>(letter.byte);
                found = true;
            }
        }
        if (!found) {
            throw "a letter with no Windows-1254 byte";
        }
    }
    return text;
}
