// SPDX-License-Identifier: GPL-3.0-or-later
// Listeners told of a change for as long as their subscriptions live, also when one ends
// another's or its own while being told.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "notifier.h"

namespace rodwick::testing {
namespace {

TEST(Notifier, OnlyTheSubscriptionsStillLivingAreTold) {
    Notifier notifier;
    std::string told;
    bool first = true;
    Notifier::Subscription a;
    Notifier::Subscription b;
    Notifier::Subscription c;
    Notifier::Subscription d;
    a = notifier.subscribe([&] {
        told += 'a';
        if (!std::exchange(first, false)) return;
        // Ends a later one before its turn, and adds one that waits for the next change.
        c.reset();
        d = notifier.subscribe([&] { told += 'd'; });
    });
    b = notifier.subscribe([&] { told += 'b'; });
    c = notifier.subscribe([&] { told += 'c'; });
    notifier.notify();
    EXPECT_EQ(told, "ab");
    told.clear();
    notifier.notify();
    EXPECT_EQ(told, "abd");

    told.clear();
    Notifier::Subscription moved = std::move(a);
    b = {};
    notifier.notify();
    EXPECT_EQ(told, "ad") << "a moved subscription is still told, a replaced one no more";
    { const Notifier::Subscription ended = std::move(moved); }
    told.clear();
    notifier.notify();
    EXPECT_EQ(told, "d");
}

}  // namespace
}  // namespace rodwick::testing
