#pragma once

#include "text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The fuzzer's bytes as the text a user typed or pasted: UTF-8, with U+FFFD for every byte that is not.
inline std::u16string fuzzText(const std::uint8_t* data, std::size_t size)
{
    return core::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
}

// A broken property is a finding: stop here so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
