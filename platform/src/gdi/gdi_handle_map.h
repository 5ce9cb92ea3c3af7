// Handle-to-wrapper maps behind CGdiObject::FromHandle and CDC::FromHandle.
//
// Permanent entries (Attach/Detach) are process-wide, so a wrapper attached on one thread is
// found from another. Temporary wrappers, made for handles nobody attached, belong to the thread
// that asked and stay valid until that thread calls DeleteTemporaries (its idle processing).
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace afx_gdi {

template <class Handle, class Wrapper>
class HandleMap
{
public:
    // Makes an unattached wrapper for a handle (of the right kind for it).
    using Factory = std::function<Wrapper*(Handle)>;
    // Whether an existing temporary wrapper still fits the handle (a handle value can be
    // reused for an object of another kind after the first one was deleted).
    using Fits = std::function<bool(Wrapper*, Handle)>;
    // Lets go of the handle and deletes the wrapper without touching the handle.
    using Release = std::function<void(Wrapper*)>;

    HandleMap(Factory factory, Fits fits, Release release)
        : m_factory(std::move(factory)), m_fits(std::move(fits)), m_release(std::move(release))
    {
    }

    void SetPermanent(Handle h, Wrapper* w)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_permanent[h] = w;
    }

    // Removes the entry only when it still names w (another wrapper may have attached the same
    // handle since).
    void RemovePermanent(Handle h, Wrapper* w)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == w)
            m_permanent.erase(it);
    }

    Wrapper* FromHandle(Handle h)
    {
        if (h == NULL)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        auto perm = m_permanent.find(h);
        if (perm != m_permanent.end())
            return perm->second;
        Thread& thread = m_threads[::GetCurrentThreadId()];
        auto temp = thread.live.find(h);
        if (temp != thread.live.end()) {
            if (m_fits(temp->second, h))
                return temp->second;
            // Callers may still hold the old wrapper until idle time; park it.
            thread.retired.push_back(temp->second);
            thread.live.erase(temp);
        }
        Wrapper* w = m_factory(h);
        thread.live[h] = w;
        return w;
    }

    void DeleteTemporaries()
    {
        Thread doomed;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_threads.find(::GetCurrentThreadId());
            if (it == m_threads.end())
                return;
            doomed = std::move(it->second);
            m_threads.erase(it);
        }
        for (auto& entry : doomed.live)
            m_release(entry.second);
        for (Wrapper* w : doomed.retired)
            m_release(w);
    }

private:
    struct Thread
    {
        std::unordered_map<Handle, Wrapper*> live;
        std::vector<Wrapper*> retired;
    };

    Factory m_factory;
    Fits m_fits;
    Release m_release;
    std::mutex m_mutex;
    std::unordered_map<Handle, Wrapper*> m_permanent;
    std::map<DWORD, Thread> m_threads;
};

} // namespace afx_gdi
