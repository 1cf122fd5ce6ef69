#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The fuzzer's bytes as the text a user typed or pasted: UTF-8, with U+FFFD for every byte that is not.
inline std::u16string fuzzText(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t lead = data[i];
        const int length = lead < 0x80 ? 1
            : (lead >> 5) == 0x6       ? 2
            : (lead >> 4) == 0xe       ? 3
            : (lead >> 3) == 0x1e      ? 4
                                       : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1f : length == 3 ? lead & 0x0f : lead & 0x07;
        bool valid = length > 0 && i + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            valid = (data[i + k] & 0xc0) == 0x80;
            code = (code << 6) | (data[i + k] & 0x3f);
        }
        if (!valid) {
            text += u'\ufffd';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            text += static_cast<char16_t>(0xd800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xdc00 + ((code - 0x10000) & 0x3ff));
        } else {
            text += static_cast<char16_t>(code);
        }
        i += static_cast<std::size_t>(length);
    }
    return text;
}

// A broken property is a finding: stop here so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
