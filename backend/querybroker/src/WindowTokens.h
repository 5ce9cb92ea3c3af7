// The numbers that stand for windows in the 8-digit window field of the agent's frames.
#pragma once

#include <windows.h>

#include <map>

// A handle does not fit the field: under Wine its upper word counts reuses and grows in a long
// run, and on 64-bit it is pointer-sized. A frame therefore names a window by a token the
// server echoes back, looked up again on delivery. Tokens are handed out in rising order and
// wrap only after the largest, so a number given up is not handed out again for a long time:
// a late reply naming it finds nobody rather than a newer window.
class CWindowTokens
{
public:
    static constexpr int kLargest = 99999999; // the most 8 decimal digits hold

    explicit CWindowTokens(int largest = kLargest);

    // The token of a window that names itself as the reply window of a request; kept until
    // the window is forgotten. 0 when every number is taken.
    int Ask(HWND window);
    // The token of a window with real-time registrations; kept until it has none left
    // (Unregister) unless it has asked as well.
    int Register(HWND window);
    void Unregister(HWND window);
    void UnregisterAll();
    // The window that asked under this token, or NULL.
    HWND ReplyWindow(int token) const;
    // 0 for a window without a token.
    int TokenOf(HWND window) const;
    // Drops the token of a window that is gone, whatever it held it for.
    void Forget(HWND window);
    template <class Dead>
    void ForgetIf(Dead dead);
    size_t Count() const { return m_byWindow.size(); }

private:
    struct Entry
    {
        int token;
        bool asked;
        bool registered;
    };
    typedef std::map<HWND, Entry> Entries;

    // The window's entry, made with a new token when it has none; NULL when every number is
    // taken.
    Entry* Take(HWND window);
    // The window's token, held for one more use.
    int Hold(HWND window, bool Entry::*use);
    void DropIfUnused(Entries::iterator at);

    Entries m_byWindow;
    std::map<int, HWND> m_byToken;
    int m_largest;
    int m_next;
};

template <class Dead>
void CWindowTokens::ForgetIf(Dead dead)
{
    for (Entries::iterator at = m_byWindow.begin(); at != m_byWindow.end();) {
        if (dead(at->first)) {
            m_byToken.erase(at->second.token);
            at = m_byWindow.erase(at);
        } else {
            ++at;
        }
    }
}
