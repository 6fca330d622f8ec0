#pragma once
// Controls addressed by index. Element 0 is designed with the form; further elements are
// loaded at run time as hidden copies of it and may be unloaded again. Handlers set on
// the array receive the index of the element that raised the event.

#include "ui/Control.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>

template <class T> class ControlArray {
public:
    using ClickHandler = std::function<void(int)>;
    using MoveHandler = std::function<void(int, Qt::MouseButtons, double, double)>;
    using ButtonHandler = std::function<void(int, Qt::MouseButton, double, double)>;

    ControlArray() = default;
    explicit ControlArray(T* element0) { setDesigned(element0); }

    void setDesigned(T* element0) { insert(0, element0); }
    // A further element that exists at design time.
    void setDesigned(int i, T* element) { insert(i, element); }

    bool exists(int i) const
    {
        auto it = items_.find(i);
        return it != items_.end() && it->second;
    }
    T& operator[](int i) const
    {
        Q_ASSERT(exists(i));
        return *items_.at(i);
    }
    T* at(int i) const { return exists(i) ? items_.at(i).data() : nullptr; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    int count() const { return int(items_.size()); }

    // Creates element i as a hidden copy of element 0 (an existing element is kept).
    T& Load(int i)
    {
        if (exists(i)) return *items_.at(i);
        T* copy = static_cast<T*>(items_.at(0)->cloneControl());
        insert(i, copy);
        return *copy;
    }

    void Unload(int i)
    {
        if (i == 0 || !exists(i)) return;
        delete items_.at(i).data();
        items_.erase(i);
    }

    void UnloadAllButFirst()
    {
        for (int i = UBound(); i > 0; --i)
            Unload(i);
    }

    void onClick(ClickHandler h) { handlers_->click = std::move(h); }
    void onDblClick(ClickHandler h) { handlers_->dblClick = std::move(h); }
    void onMouseMove(MoveHandler h) { handlers_->move = std::move(h); }
    void onMouseDown(ButtonHandler h) { handlers_->down = std::move(h); }
    void onMouseUp(ButtonHandler h) { handlers_->up = std::move(h); }

    // Iteration over the loaded elements in index order.
    template <class F> void forEach(F f) const
    {
        for (const auto& [i, element] : items_)
            if (element) f(i, *element);
    }

private:
    struct Handlers {
        ClickHandler click, dblClick;
        MoveHandler move;
        ButtonHandler down, up;
    };

    void insert(int i, T* element)
    {
        element->setIndex(i);
        items_[i] = element;
        auto h = handlers_;
        QObject::connect(element, &Control::Click, element, [h, i] {
            if (h->click) h->click(i);
        });
        QObject::connect(element, &Control::DblClick, element, [h, i] {
            if (h->dblClick) h->dblClick(i);
        });
        QObject::connect(element, &Control::MouseMove, element,
                         [h, i](Qt::MouseButtons b, double x, double y) {
                             if (h->move) h->move(i, b, x, y);
                         });
        QObject::connect(element, &Control::MouseDown, element,
                         [h, i](Qt::MouseButton b, double x, double y) {
                             if (h->down) h->down(i, b, x, y);
                         });
        QObject::connect(element, &Control::MouseUp, element,
                         [h, i](Qt::MouseButton b, double x, double y) {
                             if (h->up) h->up(i, b, x, y);
                         });
    }

    std::map<int, QPointer<T>> items_;
    std::shared_ptr<Handlers> handlers_ = std::make_shared<Handlers>();
};
