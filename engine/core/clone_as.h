#pragma once
// How every component is cloned: a new object of the source's class on the source's frame,
// the pen and brush its constructor attached taken off again, the source copied in (the
// class's own Copy, so its fields come along), then a class's own finishing step, and the
// clone appended to the layer when one is given.

#include <type_traits>

#include "core/layer.h"
#include "platform/rect_f.h"

namespace Qarn {

template <class Component, class Finish>
Component* CloneAs(const Component& source, CQarnLayer* layer, Finish&& finish) {
    Component* clone = nullptr;
    if constexpr (std::is_constructible_v<Component, const RectF&>) {
        clone = new Component(source.GetRectF());
    } else {
        clone = new Component();
    }
    clone->ClearAllProperty();
    clone->Copy(&source);
    finish(*clone);
    if (layer != nullptr) {
        layer->AddTail(clone);
    }
    return clone;
}

template <class Component>
Component* CloneAs(const Component& source, CQarnLayer* layer) {
    return CloneAs(source, layer, [](Component&) {});
}

}  // namespace Qarn
