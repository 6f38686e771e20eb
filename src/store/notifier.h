// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace rodwick {

// Listeners told of a change, each for as long as its subscription lives. As with the record
// book's subscriptions, a listener may end its own or another's subscription, or subscribe
// anew, while it is being told: those of the moment that are still subscribed when their turn
// comes are told.
class Notifier {
  public:
    using Listener = std::function<void()>;

    class Subscription {
      public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&& other) noexcept {
            if (this != &other) {
                reset();
                entry_ = std::move(other.entry_);
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription() { reset(); }
        void reset() {
            if (const auto entry = entry_.lock()) entry->active = false;
            entry_.reset();
        }

      private:
        friend class Notifier;
        struct Entry {
            Listener listener;
            bool active = true;  // cleared by the subscription's end
        };
        explicit Subscription(std::weak_ptr<Entry> entry) : entry_(std::move(entry)) {}
        std::weak_ptr<Entry> entry_;
    };

    [[nodiscard]] Subscription subscribe(Listener listener) {
        auto entry = std::make_shared<Subscription::Entry>();
        entry->listener = std::move(listener);
        entries_.push_back(entry);
        return Subscription(entry);
    }

    void notify() {
        std::erase_if(entries_, [](const auto& entry) { return !entry->active; });
        const auto entries = entries_;
        for (const auto& entry : entries) {
            if (entry->active) entry->listener();
        }
    }

  private:
    std::vector<std::shared_ptr<Subscription::Entry>> entries_;
};

}  // namespace rodwick
