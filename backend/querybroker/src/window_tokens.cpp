// The table of window tokens: handing out, looking up and giving up the numbers.
#include "WindowTokens.h"

CWindowTokens::CWindowTokens(int largest) : m_largest(largest < 1 ? 1 : largest), m_next(1) {}

CWindowTokens::Entry* CWindowTokens::Take(HWND window)
{
    Entries::iterator found = m_byWindow.find(window);
    if (found != m_byWindow.end())
        return &found->second;
    if (m_byToken.size() >= static_cast<size_t>(m_largest))
        return NULL;
    // A free number turns up within one more step than there are tokens in use.
    int token = m_next;
    while (m_byToken.count(token) != 0)
        token = token == m_largest ? 1 : token + 1;
    m_next = token == m_largest ? 1 : token + 1;
    m_byToken[token] = window;
    Entry entry = {token, false, false};
    return &m_byWindow.insert(Entries::value_type(window, entry)).first->second;
}

void CWindowTokens::DropIfUnused(Entries::iterator at)
{
    if (at == m_byWindow.end() || at->second.asked || at->second.registered)
        return;
    m_byToken.erase(at->second.token);
    m_byWindow.erase(at);
}

int CWindowTokens::Hold(HWND window, bool Entry::*use)
{
    Entry* entry = Take(window);
    if (entry == NULL)
        return 0;
    entry->*use = true;
    return entry->token;
}

int CWindowTokens::Ask(HWND window)
{
    return Hold(window, &Entry::asked);
}

int CWindowTokens::Register(HWND window)
{
    return Hold(window, &Entry::registered);
}

void CWindowTokens::Unregister(HWND window)
{
    Entries::iterator at = m_byWindow.find(window);
    if (at == m_byWindow.end())
        return;
    at->second.registered = false;
    DropIfUnused(at);
}

void CWindowTokens::UnregisterAll()
{
    for (Entries::iterator at = m_byWindow.begin(); at != m_byWindow.end();) {
        Entries::iterator next = at;
        ++next;
        at->second.registered = false;
        DropIfUnused(at);
        at = next;
    }
}

HWND CWindowTokens::ReplyWindow(int token) const
{
    std::map<int, HWND>::const_iterator found = m_byToken.find(token);
    if (found == m_byToken.end())
        return NULL;
    Entries::const_iterator entry = m_byWindow.find(found->second);
    return entry != m_byWindow.end() && entry->second.asked ? entry->first : NULL;
}

int CWindowTokens::TokenOf(HWND window) const
{
    Entries::const_iterator found = m_byWindow.find(window);
    return found == m_byWindow.end() ? 0 : found->second.token;
}

void CWindowTokens::Forget(HWND window)
{
    Entries::iterator at = m_byWindow.find(window);
    if (at == m_byWindow.end())
        return;
    m_byToken.erase(at->second.token);
    m_byWindow.erase(at);
}
