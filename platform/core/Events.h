#pragma once
// Events are callback members, called only when assigned. An event remembers
// the object and the published name of its handler so that a form description
// can store the binding ("OnClick = BtnClick").

#include <any>
#include <functional>
#include <string>
#include <utility>

#include "platform/core/Exceptions.h"

class TObject;

// A bound handler in type-erased form: the target object, the handler's
// published name and a std::function of the event's signature in `code`.
struct TMethod {
    TObject* data = nullptr;
    std::string name;
    std::any code;

    explicit operator bool() const { return code.has_value(); }
};

template <class... Args>
class TEvent {
  public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    // A handler given in code, without a published name.
    TEvent(Handler handler) : handler_(std::move(handler)) {}
    TEvent& operator=(Handler handler) {
        handler_ = std::move(handler);
        target_ = nullptr;
        name_.clear();
        return *this;
    }

    // Binds a member function of target, remembering its published name.
    template <class C>
    void Bind(C* target, void (C::*fn)(Args...), std::string name = {}) {
        handler_ = [target, fn](Args... args) { (target->*fn)(std::forward<Args>(args)...); };
        target_ = target;
        name_ = std::move(name);
    }
    void Clear() { *this = TEvent(); }

    explicit operator bool() const { return static_cast<bool>(handler_); }
    void operator()(Args... args) const {
        if (handler_)
            handler_(std::forward<Args>(args)...);
    }

    TObject* Target() const { return target_; }
    const std::string& HandlerName() const { return name_; }

    TMethod AsMethod() const {
        TMethod m;
        m.data = target_;
        m.name = name_;
        if (handler_)
            m.code = handler_;
        return m;
    }
    // Takes a bound handler; EPropertyError when its signature differs.
    void Assign(const TMethod& method) {
        if (!method.code.has_value()) {
            Clear();
            return;
        }
        const Handler* h = std::any_cast<Handler>(&method.code);
        if (h == nullptr)
            throw EPropertyError("Invalid property value");
        handler_ = *h;
        target_ = method.data;
        name_ = method.name;
    }

  private:
    Handler handler_;
    TObject* target_ = nullptr;
    std::string name_;
};

using TNotifyEvent = TEvent<TObject*>;
