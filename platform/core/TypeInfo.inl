// Template parts of TypeInfo.h.
#include <type_traits>

template <class C, class Base>
TClassType TClassType::Define(std::string name) {
    static_assert(std::is_base_of_v<Base, C>);
    TClassType type(std::move(name), &Base::StaticClass());
    if constexpr (std::is_base_of_v<TComponent, C> && std::is_constructible_v<C, TComponent*> &&
                  !std::is_abstract_v<C>) {
        type.ctor_ = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }
    return type;
}

namespace typeinfo_detail {

template <class C, class M>
auto Getter(M m) {
    return [m](const TObject& o) { return std::invoke(m, static_cast<const C&>(o)); };
}

template <class C, class V, class M>
auto Setter(M m) {
    return [m](TObject& o, V v) { std::invoke(m, static_cast<C&>(o), v); };
}

}  // namespace typeinfo_detail

template <class C>
template <class Get, class Setter>
TPropInfo Prop<C>::Int(std::string name, Get get, Setter set, std::optional<std::int64_t> def,
                       std::string typeName) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkInteger;
    p.typeName = std::move(typeName);
    p.getOrd = [get](const TObject& o) {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setOrd = [set](TObject& o, std::int64_t v) {
            std::invoke(set, static_cast<C&>(o), static_cast<std::int32_t>(v));
        };
    }
    p.defaultOrd = def;
    return p;
}

template <class C>
template <class Get, class Setter>
TPropInfo Prop<C>::Bool(std::string name, Get get, Setter set, std::optional<bool> def) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkEnumeration;
    p.typeName = "Boolean";
    p.enumInfo = &BooleanEnumInfo();
    p.getOrd = [get](const TObject& o) {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)) ? 1 : 0);
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setOrd = [set](TObject& o, std::int64_t v) {
            std::invoke(set, static_cast<C&>(o), v != 0);
        };
    }
    if (def)
        p.defaultOrd = *def ? 1 : 0;
    return p;
}

template <class C>
template <class E, class Get, class Setter>
TPropInfo Prop<C>::Enum(std::string name, const TEnumInfo& info, Get get, Setter set,
                        std::optional<E> def) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkEnumeration;
    p.typeName = info.typeName;
    p.enumInfo = &info;
    p.getOrd = [get](const TObject& o) {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setOrd = [set](TObject& o, std::int64_t v) {
            std::invoke(set, static_cast<C&>(o), static_cast<E>(v));
        };
    }
    if (def)
        p.defaultOrd = static_cast<std::int64_t>(*def);
    return p;
}

template <class C>
template <class Get, class Setter>
TPropInfo Prop<C>::SetOf(std::string name, const TEnumInfo& elements, std::string typeName, Get get,
                         Setter set, std::optional<std::uint32_t> def) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkSet;
    p.typeName = std::move(typeName);
    p.enumInfo = &elements;
    p.getOrd = [get](const TObject& o) {
        return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setOrd = [set](TObject& o, std::int64_t v) {
            std::invoke(set, static_cast<C&>(o), static_cast<std::uint32_t>(v));
        };
    }
    if (def)
        p.defaultOrd = *def;
    return p;
}

template <class C>
template <class Get, class Setter>
TPropInfo Prop<C>::Str(std::string name, Get get, Setter set, std::string typeName) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkLString;
    p.typeName = std::move(typeName);
    p.getStr = [get](const TObject& o) {
        return std::string(std::invoke(get, static_cast<const C&>(o)));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setStr = [set](TObject& o, const std::string& v) {
            std::invoke(set, static_cast<C&>(o), v);
        };
    }
    return p;
}

template <class C>
template <class T, class Get, class Setter>
TPropInfo Prop<C>::Object(std::string name, Get get, Setter set) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkClass;
    p.classTypeOf = &T::StaticClass;
    p.getObj = [get](const TObject& o) -> TObject* {
        return std::invoke(get, static_cast<const C&>(o));
    };
    if constexpr (!std::is_null_pointer_v<Setter>) {
        p.setObj = [set](TObject& o, TObject* v) {
            std::invoke(set, static_cast<C&>(o), dynamic_cast<T*>(v));
        };
    }
    return p;
}

template <class C>
template <class... Args>
TPropInfo Prop<C>::Event(std::string name, TEvent<Args...> C::*member, std::string typeName) {
    TPropInfo p;
    p.name = std::move(name);
    p.kind = TTypeKind::tkMethod;
    p.typeName = std::move(typeName);
    p.getMethod = [member](const TObject& o) {
        return (static_cast<const C&>(o).*member).AsMethod();
    };
    p.setMethod = [member](TObject& o, const TMethod& m) {
        (static_cast<C&>(o).*member).Assign(m);
    };
    return p;
}

template <class C, class... Args>
TMethodInfo PublishedMethod(std::string name, void (C::*fn)(Args...)) {
    TMethodInfo info;
    info.name = name;
    info.bind = [fn](TObject& self) -> std::any {
        C* target = &static_cast<C&>(self);
        return std::function<void(Args...)>(
            [target, fn](Args... args) { (target->*fn)(std::forward<Args>(args)...); });
    };
    return info;
}

template <class C, class T>
TFieldInfo PublishedField(std::string name, T* C::*member) {
    TFieldInfo info;
    info.name = std::move(name);
    info.type = &T::StaticClass();
    info.set = [member](TObject& self, TComponent* component) {
        static_cast<C&>(self).*member = dynamic_cast<T*>(component);
    };
    info.get = [member](const TObject& self) -> TComponent* {
        return static_cast<const C&>(self).*member;
    };
    return info;
}
