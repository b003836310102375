#pragma once
// A form made from something (a path ready to fill, a stroke's outline, a text's outline) and
// kept for the next time, as long as it still fits what it was made from.
//
// Drawing threads share it: the first to need a form makes it and keeps it; a thread that finds
// the kept form no longer fits makes a new one and keeps that instead. A form is never changed
// once made, and a thread holds on to the form it draws, so one thread replacing the form never
// pulls it from under another.

#include <atomic>
#include <memory>

template <typename Form>
class KeptForm {
public:
    KeptForm() = default;
    KeptForm(const KeptForm&) = delete;
    KeptForm& operator=(const KeptForm&) = delete;

    // The kept form when `fits(form)` says it serves, else `make()`, kept from now on.
    template <typename Fits, typename Make>
    std::shared_ptr<const Form> Get(const Fits& fits, const Make& make) const {
        std::shared_ptr<const Form> form = form_.load(std::memory_order_acquire);
        if (form != nullptr && fits(*form)) {
            return form;
        }
        form = make();
        form_.store(form, std::memory_order_release);
        return form;
    }
    // The kept form when `fits(form)` says it serves, else null (nothing is made or kept).
    template <typename Fits>
    std::shared_ptr<const Form> Find(const Fits& fits) const {
        std::shared_ptr<const Form> form = form_.load(std::memory_order_acquire);
        return form != nullptr && fits(*form) ? form : nullptr;
    }
    // The form kept now (null when none).
    std::shared_ptr<const Form> Peek() const { return form_.load(std::memory_order_acquire); }
    void Clear() { form_.store(nullptr, std::memory_order_release); }

private:
    mutable std::atomic<std::shared_ptr<const Form>> form_;
};
