#pragma once

// The stored fields of an object, named and in file order, so that the project
// reader, the writer and the JSON form walk one list instead of three copies.
//
// `f(name, field)` is called for each field; `field` is an int, float, HslF or
// std::string reference (const when the object is), or a MaskedField for the
// face name, which files store masked.

#include <type_traits>

#include "document/LogoObject.h"

namespace vx {

template <class S>
struct MaskedField {
    S& value;
};

// The style of an object: the run of fields from `color` to `grad_opacity2`
// that styles, the object library and the colour tools work on. `f(name,
// field...)` gets the same field of every record passed, so one list serves a
// single record (reading, writing) and pairs (copying a style).
template <class F, class... P>
void VisitStyleFields(F&& f, P&... lt) {
    f("color", lt.color...);
    f("has_outline", lt.has_outline...);
    f("has_shadow", lt.has_shadow...);
    f("strength", lt.strength...);
    f("outline_opacity", lt.outline_opacity...);
    f("outline_sharpness", lt.outline_sharpness...);
    f("outline_color", lt.outline_color...);
    f("shadow_angle", lt.shadow_angle...);
    f("shadow_distance", lt.shadow_distance...);
    f("shadow_opacity", lt.shadow_opacity...);
    f("shadow_color", lt.shadow_color...);
    f("grad", lt.grad...);
    f("grad_angle", lt.grad_angle...);
    f("grad_color1", lt.grad_color1...);
    f("grad_color2", lt.grad_color2...);
    f("grad_opacity1", lt.grad_opacity1...);
    f("grad_opacity2", lt.grad_opacity2...);
}

// The five colours of an object, in the order colour tools list them.
template <class F, class... P>
void VisitColorFields(F&& f, P&... lt) {
    f("color", lt.color...);
    f("outline_color", lt.outline_color...);
    f("shadow_color", lt.shadow_color...);
    f("grad_color1", lt.grad_color1...);
    f("grad_color2", lt.grad_color2...);
}

template <class P, class F>
void VisitParamFields(P& lt, F&& f) {
    static_assert(std::is_same_v<std::remove_const_t<P>, LogoParams>);
    f("shape", lt.shape);
    f("str", lt.str);
    f("aspect", lt.aspect);
    f("size", lt.size);
    f("width", lt.width);
    f("spacing", lt.spacing);
    f("angle", lt.angle);
    f("bend", lt.bend);
    f("bend_in", lt.bend_in);
    f("has_bend", lt.has_bend);
    f("has_transform", lt.has_transform);
    VisitStyleFields(f, lt);
    f("font", MaskedField<std::remove_reference_t<decltype((lt.font))>>{lt.font});
}

// The object's own stored fields, after its parameter record.
template <class O, class F>
void VisitObjectFields(O& o, F&& f) {
    static_assert(std::is_same_v<std::remove_const_t<O>, LogoObject>);
    f("file", o.file);
    f("x", o.x);
    f("y", o.y);
    f("w", o.w);
    f("h", o.h);
    f("type", o.type);
}

}  // namespace vx
