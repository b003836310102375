#pragma once
// Messages carry pointers in their integer parameters, as the window messages they stand in for
// do; the one cast back to a pointer is made here.

#include <cstdint>

namespace Qarn {

template <class T>
T* ParamPointer(std::uintptr_t param) {
    return reinterpret_cast<T*>(param);  // NOLINT(performance-no-int-to-ptr)
}

template <class T>
std::uintptr_t PointerParam(T* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}

}  // namespace Qarn
