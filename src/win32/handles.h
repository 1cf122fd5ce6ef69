#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Handles that one object owns and frees once, when it is replaced or goes.
namespace win32 {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A function of a Windows DLL, loaded when first asked for, so that start-up loads only what the window
// needs; null when Windows lacks it.
template <class Function>
Function* systemFunction(const wchar_t* library, const char* name)
{
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace win32
