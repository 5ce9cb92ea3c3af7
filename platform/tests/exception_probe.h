// Test helper: whether an action throws the framework exception E (which is then deleted).
#pragma once

#include <afx.h>

#include <functional>

template <class E>
bool ThrowsFrameworkException(const std::function<void()>& action)
{
    try {
        action();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}
